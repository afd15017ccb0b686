// Synthesises the program's sounds into the directory named on the command line.

#include <iostream>

#include "tools/sounds/catalogue.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: quaxel_sounds <output directory>\n";
    return 2;
  }
  std::string error;
  if (!sounds::WriteAll(argv[1], error)) {
    std::cerr << "quaxel_sounds: " << error << "\n";
    return 1;
  }
  return 0;
}

// Draws the program's pictures into the directory named on the command line.

#include <iostream>

#include "tools/pictures/catalogue.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: quaxel_pictures <output directory>\n";
    return 2;
  }
  std::string error;
  if (!pictures::WriteAll(argv[1], error)) {
    std::cerr << "quaxel_pictures: " << error << "\n";
    return 1;
  }
  return 0;
}

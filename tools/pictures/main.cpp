// Draws the program's pictures into the directory named on the command line; with --icon-theme,
// the program icon at the icon theme's sizes instead.

#include <iostream>
#include <string_view>

#include "tools/pictures/catalogue.h"

int main(int argc, char** argv) {
  const bool themeIcons = argc == 3 && std::string_view(argv[1]) == "--icon-theme";
  if (argc != 2 && !themeIcons) {
    std::cerr << "usage: quaxel_pictures [--icon-theme] <output directory>\n";
    return 2;
  }
  std::string error;
  if (themeIcons ? !pictures::WriteThemeIcons(argv[2], error)
                 : !pictures::WriteAll(argv[1], error)) {
    std::cerr << "quaxel_pictures: " << error << "\n";
    return 1;
  }
  return 0;
}

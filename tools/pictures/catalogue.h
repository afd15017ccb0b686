// Every picture of the program under its resource number, and the resource list that embeds them.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "tools/pictures/bmp.h"

namespace pictures {

struct OutputFile {
  std::string path;  // relative to the output directory, also the alias in the resource list
  Bytes bytes;
};

// bitmaps/200.bmp, 201, 251, 301..352 and icons/102.ico.
std::vector<OutputFile> PictureFiles();
// The Qt resource collection naming each path under the prefix "/".
std::string ResourceList(const std::vector<OutputFile>& files);
// Writes the pictures and quaxel_resources.qrc below `directory`; false with a message on failure.
bool WriteAll(const std::filesystem::path& directory, std::string& error);

// The program icon for the desktop's icon theme, hicolor/<n>x<n>/apps/quaxel.png for each size
// the theme has folders for; 16 and 32 are the images of icons/102.ico.
inline constexpr int kThemeIconSizes[] = {16, 32, 48, 64, 128, 256};
std::vector<OutputFile> ThemeIconFiles();
// Writes them below `directory`; false with a message on failure.
bool WriteThemeIcons(const std::filesystem::path& directory, std::string& error);

}  // namespace pictures

// Every picture of the program under its resource number, and the resource list that embeds them.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "tools/common/output_files.h"
#include "tools/pictures/bmp.h"

namespace pictures {

using generated::OutputFile;

// bitmaps/<id>.bmp and <id>@2x.bmp for the numbers of core/pictures.h, and icons/<id>.ico with
// its @2x.png.
std::vector<OutputFile> PictureFiles();
// Writes the pictures and their resource list below `directory`; false with a message on failure.
inline constexpr const char* kResourceListName = "pictures.qrc";
bool WriteAll(const std::filesystem::path& directory, std::string& error);

// The program icon for the desktop's icon theme, hicolor/<n>x<n>/apps/quaxel.png for each size
// the theme has folders for; 16 and 32 are the images of icons/102.ico.
inline constexpr int kThemeIconSizes[] = {16, 32, 48, 64, 128, 256};
std::vector<OutputFile> ThemeIconFiles();
// Writes them below `directory`; false with a message on failure.
bool WriteThemeIcons(const std::filesystem::path& directory, std::string& error);

}  // namespace pictures

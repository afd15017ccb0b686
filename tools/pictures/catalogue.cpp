#include "tools/pictures/catalogue.h"

#include <functional>

#include "core/pictures.h"
#include "tools/pictures/decorations.h"
#include "tools/pictures/faces.h"
#include "tools/pictures/png.h"

namespace pictures {

namespace {

// A picture for single density, and its double-density version beside it as <id>@2x.bmp.
void AddBitmap(std::vector<OutputFile>& files, int id, const std::function<Canvas(int)>& draw) {
  files.push_back({"bitmaps/" + std::to_string(id) + ".bmp", EncodeBmp(draw(1))});
  files.push_back({"bitmaps/" + std::to_string(id) + "@2x.bmp", EncodeBmp(draw(2).Flattened())});
}

}  // namespace

std::vector<OutputFile> PictureFiles() {
  std::vector<OutputFile> files;
  AddBitmap(files, kTrackerStripPicture, [](int scale) { return DrawTrackerStrip(scale); });
  AddBitmap(files, BackPicture(kPictureStyle), [](int scale) { return DrawBack(scale); });
  AddBitmap(files, JokerPicture(kPictureStyle), [](int scale) { return DrawJoker(scale); });
  for (int suit = 0; suit < kSuits; ++suit) {
    for (int rank = 0; rank < kRanks; ++rank) {
      AddBitmap(files, FacePicture(suit, rank, kPictureStyle),
                [suit, rank](int scale) { return DrawFace(suit, rank, scale); });
    }
  }
  const std::string icon = "icons/" + std::to_string(kIconPicture);
  files.push_back({icon + ".ico", EncodeIco({DrawIcon(32), DrawIcon(16)})});
  // The window's icon at double density.
  files.push_back({icon + "@2x.png", EncodePng(DrawIcon(64))});
  return files;
}

bool WriteAll(const std::filesystem::path& directory, std::string& error) {
  return generated::WriteWithResourceList(directory, PictureFiles(), kResourceListName, error);
}

std::vector<OutputFile> ThemeIconFiles() {
  std::vector<OutputFile> files;
  for (const int size : kThemeIconSizes) {
    const std::string folder = std::to_string(size) + "x" + std::to_string(size);
    files.push_back({"hicolor/" + folder + "/apps/quaxel.png", EncodePng(DrawIcon(size))});
  }
  return files;
}

bool WriteThemeIcons(const std::filesystem::path& directory, std::string& error) {
  return generated::WriteFiles(directory, ThemeIconFiles(), error);
}

}  // namespace pictures

#include "tools/pictures/catalogue.h"

#include <fstream>
#include <functional>

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

bool WriteFile(const std::filesystem::path& path, const char* data, size_t size,
               std::string& error) {
  std::error_code code;
  std::filesystem::create_directories(path.parent_path(), code);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(data, static_cast<std::streamsize>(size));
  out.close();
  if (!out) {
    error = "cannot write " + path.string();
    return false;
  }
  return true;
}

bool WriteFiles(const std::filesystem::path& directory, const std::vector<OutputFile>& files,
                std::string& error) {
  for (const OutputFile& file : files) {
    if (!WriteFile(directory / file.path, reinterpret_cast<const char*>(file.bytes.data()),
                   file.bytes.size(), error)) {
      return false;
    }
  }
  return true;
}

}  // namespace

std::vector<OutputFile> PictureFiles() {
  std::vector<OutputFile> files;
  AddBitmap(files, 200, [](int scale) { return DrawTrackerStrip(scale); });
  AddBitmap(files, 201, [](int scale) { return DrawBack(scale); });
  AddBitmap(files, 251, [](int scale) { return DrawJoker(scale); });
  for (int suit = 0; suit < 4; ++suit) {
    for (int rank = 0; rank < 13; ++rank) {
      AddBitmap(files, 301 + rank + 13 * suit,
                [suit, rank](int scale) { return DrawFace(suit, rank, scale); });
    }
  }
  files.push_back({"icons/102.ico", EncodeIco({DrawIcon(32), DrawIcon(16)})});
  // The window's icon at double density.
  files.push_back({"icons/102@2x.png", EncodePng(DrawIcon(64))});
  return files;
}

std::string ResourceList(const std::vector<OutputFile>& files) {
  std::string text = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n  <qresource prefix=\"/\">\n";
  for (const OutputFile& file : files) {
    text += "    <file alias=\"" + file.path + "\">" + file.path + "</file>\n";
  }
  return text + "  </qresource>\n</RCC>\n";
}

bool WriteAll(const std::filesystem::path& directory, std::string& error) {
  const std::vector<OutputFile> files = PictureFiles();
  if (!WriteFiles(directory, files, error)) return false;
  const std::string list = ResourceList(files);
  return WriteFile(directory / "quaxel_resources.qrc", list.data(), list.size(), error);
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
  return WriteFiles(directory, ThemeIconFiles(), error);
}

}  // namespace pictures

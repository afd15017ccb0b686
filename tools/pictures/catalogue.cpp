#include "tools/pictures/catalogue.h"

#include <fstream>

#include "tools/pictures/decorations.h"
#include "tools/pictures/faces.h"
#include "tools/pictures/png.h"

namespace pictures {

namespace {

OutputFile Bitmap(int id, const Canvas& canvas) {
  return {"bitmaps/" + std::to_string(id) + ".bmp", EncodeBmp(canvas)};
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
  files.push_back(Bitmap(200, DrawTrackerStrip()));
  files.push_back(Bitmap(201, DrawBack()));
  files.push_back(Bitmap(251, DrawJoker()));
  for (int suit = 0; suit < 4; ++suit) {
    for (int rank = 0; rank < 13; ++rank) {
      files.push_back(Bitmap(301 + rank + 13 * suit, DrawFace(suit, rank)));
    }
  }
  files.push_back({"icons/102.ico", EncodeIco({DrawIcon(32), DrawIcon(16)})});
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

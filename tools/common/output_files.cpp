#include "tools/common/output_files.h"

#include <fstream>

namespace generated {

namespace {

bool WriteFile(const std::filesystem::path& path, const char* data, std::size_t size,
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

}  // namespace

std::string ResourceList(const std::vector<OutputFile>& files) {
  std::string text = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n  <qresource prefix=\"/\">\n";
  for (const OutputFile& file : files)
    text += "    <file alias=\"" + file.path + "\">" + file.path + "</file>\n";
  return text + "  </qresource>\n</RCC>\n";
}

bool WriteFiles(const std::filesystem::path& folder, const std::vector<OutputFile>& files,
                std::string& error) {
  for (const OutputFile& file : files) {
    if (!WriteFile(folder / file.path, reinterpret_cast<const char*>(file.bytes.data()),
                   file.bytes.size(), error)) {
      return false;
    }
  }
  return true;
}

bool WriteWithResourceList(const std::filesystem::path& folder,
                           const std::vector<OutputFile>& files, const std::string& listName,
                           std::string& error) {
  if (!WriteFiles(folder, files, error)) return false;
  const std::string list = ResourceList(files);
  return WriteFile(folder / listName, list.data(), list.size(), error);
}

}  // namespace generated

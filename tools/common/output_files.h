// What a build-time generator writes: files below an output folder, and the resource collection
// that names them, from which the build embeds them.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace generated {

struct OutputFile {
  std::string path;  // relative to the output folder, also the name the program loads it by
  std::vector<std::uint8_t> bytes;
};

// The resource collection naming each file under the prefix "/", by its path.
std::string ResourceList(const std::vector<OutputFile>& files);

// Writes `files` below `folder`, then `listName` there, their resource collection; false with a
// message on failure.
bool WriteWithResourceList(const std::filesystem::path& folder,
                           const std::vector<OutputFile>& files, const std::string& listName,
                           std::string& error);
// Writes `files` below `folder`; false with a message on failure.
bool WriteFiles(const std::filesystem::path& folder, const std::vector<OutputFile>& files,
                std::string& error);

}  // namespace generated

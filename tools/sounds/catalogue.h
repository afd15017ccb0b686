// Every sound of the program under its resource number.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "tools/common/output_files.h"
#include "tools/sounds/sound_table.h"

namespace sounds {

// Unsigned 8-bit mono samples of the sound, as many as its length at its rate.
std::vector<uint8_t> RenderSound(const SoundEntry& entry);
// The wave file of sound `id`; empty for an id not in the table.
std::vector<uint8_t> SoundFile(int id);
// waves/<id>.wav for every sound of the table.
std::vector<generated::OutputFile> SoundFiles();
// Writes them and their resource list below `directory`; false with a message on failure.
inline constexpr const char* kResourceListName = "sounds.qrc";
bool WriteAll(const std::filesystem::path& directory, std::string& error);

}  // namespace sounds

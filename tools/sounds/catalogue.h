// Every sound of the program under its resource number.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "tools/sounds/sound_table.h"

namespace sounds {

// Unsigned 8-bit mono samples of the sound, as many as its length at its rate.
std::vector<uint8_t> RenderSound(const SoundEntry& entry);
// The wave file of sound `id`; empty for an id not in the table.
std::vector<uint8_t> SoundFile(int id);
// Writes waves/<id>.wav below `directory` for every sound; false with a message on failure.
bool WriteAll(const std::filesystem::path& directory, std::string& error);

}  // namespace sounds

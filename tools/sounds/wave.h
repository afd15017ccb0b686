// The RIFF/WAVE file format for uncompressed mono 8-bit audio.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace sounds {

// A complete file: the "fmt " chunk (PCM, 1 channel, 8 bits) and the "data" chunk with `pcm`,
// padded to an even size as RIFF chunks must be.
std::vector<uint8_t> EncodeWave(int sampleRate, std::span<const uint8_t> pcm);

}  // namespace sounds

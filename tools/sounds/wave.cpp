#include "tools/sounds/wave.h"

#include <string_view>

namespace sounds {

namespace {

void Put(std::vector<uint8_t>& out, std::string_view tag) {
  // One byte at a time: gcc 12 at -O3 reports a false overflow for a range insert after reserve.
  for (const char c : tag)
    out.push_back(static_cast<uint8_t>(c));
}

void Put16(std::vector<uint8_t>& out, uint32_t value) {
  out.push_back(static_cast<uint8_t>(value));
  out.push_back(static_cast<uint8_t>(value >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

}  // namespace

std::vector<uint8_t> EncodeWave(int sampleRate, std::span<const uint8_t> pcm) {
  constexpr uint32_t kFormatSize = 16;
  constexpr uint16_t kPcm = 1, kChannels = 1, kBitsPerSample = 8;
  constexpr uint16_t kBlockAlign = kChannels * kBitsPerSample / 8;
  const uint32_t dataSize = static_cast<uint32_t>(pcm.size());
  const uint32_t padding = dataSize % 2;
  std::vector<uint8_t> out;
  out.reserve(44 + dataSize + padding);
  Put(out, "RIFF");
  Put32(out, 4 + (8 + kFormatSize) + (8 + dataSize + padding));
  Put(out, "WAVE");
  Put(out, "fmt ");
  Put32(out, kFormatSize);
  Put16(out, kPcm);
  Put16(out, kChannels);
  Put32(out, static_cast<uint32_t>(sampleRate));
  Put32(out, static_cast<uint32_t>(sampleRate) * kBlockAlign);
  Put16(out, kBlockAlign);
  Put16(out, kBitsPerSample);
  Put(out, "data");
  Put32(out, dataSize);
  out.insert(out.end(), pcm.begin(), pcm.end());
  if (padding) out.push_back(128);
  return out;
}

}  // namespace sounds

#include "tools/sounds/catalogue.h"

#include <fstream>

#include "tools/sounds/designs.h"
#include "tools/sounds/wave.h"

namespace sounds {

namespace {

struct Design {
  int id;
  void (*render)(Track&);
};

constexpr Design kDesigns[] = {
    {107, DesignFlush},         {108, DesignFullHouse},   {109, DesignFourOfAKind},
    {110, DesignStraightFlush}, {112, DesignRoyalFlush},  {121, DesignRiffle},
    {122, DesignDeal},          {123, DesignTick},        {124, DesignChime},
    {125, DesignWin},           {126, DesignOffer},       {127, DesignPick},
    {128, DesignPush},          {129, DesignCelebration}, {130, DesignCoins},
};

}  // namespace

std::vector<uint8_t> RenderSound(const SoundEntry& entry) {
  if (entry.id == kSilenceId) return {128};
  Track track(entry.sampleRate, entry.seconds);
  for (const Design& design : kDesigns) {
    if (design.id == entry.id) design.render(track);
  }
  return ToPcm(track, entry.peak);
}

std::vector<uint8_t> SoundFile(int id) {
  const SoundEntry* entry = FindSound(id);
  if (!entry) return {};
  return EncodeWave(entry->sampleRate, RenderSound(*entry));
}

bool WriteAll(const std::filesystem::path& directory, std::string& error) {
  std::error_code code;
  std::filesystem::create_directories(directory / "waves", code);
  for (const SoundEntry& entry : SoundTable()) {
    const std::filesystem::path path = directory / "waves" / (std::to_string(entry.id) + ".wav");
    const std::vector<uint8_t> bytes = SoundFile(entry.id);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
      error = "cannot write " + path.string();
      return false;
    }
  }
  return true;
}

}  // namespace sounds

#include "tools/sounds/catalogue.h"

#include "tools/sounds/designs.h"
#include "tools/sounds/wave.h"

namespace sounds {

namespace {

struct Design {
  int id;
  void (*render)(Track&);
};

constexpr Design kDesigns[] = {
    {kSoundFlush, DesignFlush},
    {kSoundFullHouse, DesignFullHouse},
    {kSoundFourOfAKind, DesignFourOfAKind},
    {kSoundStraightFlush, DesignStraightFlush},
    {kSoundRoyalFlush, DesignRoyalFlush},
    {kSoundTurnToBack, DesignRiffle},
    {kSoundDeal, DesignDeal},
    {kSoundCard, DesignTick},
    {kSoundTenthCard, DesignChime},
    {kSoundWin, DesignWin},
    {kSoundOffer, DesignOffer},
    {kSoundPick, DesignPick},
    {kSoundPush, DesignPush},
    {kSoundCongratulations, DesignCelebration},
    {kSoundPaid, DesignCoins},
};

}  // namespace

std::vector<uint8_t> RenderSound(const SoundEntry& entry) {
  if (entry.id == kSoundSilence) return {128};
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

std::vector<generated::OutputFile> SoundFiles() {
  std::vector<generated::OutputFile> files;
  for (const SoundEntry& entry : SoundTable())
    files.push_back({"waves/" + std::to_string(entry.id) + ".wav", SoundFile(entry.id)});
  return files;
}

bool WriteAll(const std::filesystem::path& directory, std::string& error) {
  return generated::WriteWithResourceList(directory, SoundFiles(), kResourceListName, error);
}

}  // namespace sounds

// The sound generator: its wave files read back by an independent reader, and what each sound does.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "tools/sounds/catalogue.h"
#include "tools/sounds/sound_table.h"

namespace sounds {
namespace {

using Bytes = std::vector<uint8_t>;

uint32_t Get16(const Bytes& b, size_t at) {
  return b.at(at) | b.at(at + 1) << 8;
}
uint32_t Get32(const Bytes& b, size_t at) {
  return Get16(b, at) | Get16(b, at + 2) << 16;
}

struct Wave {
  // Format, channels, rate, byte rate, block align and bits per sample.
  std::tuple<uint32_t, uint32_t, uint32_t, uint32_t, uint32_t, uint32_t> format;
  uint32_t rate = 0;
  Bytes data;
};

// Walks every chunk, so a wrong chunk size or a missing pad byte (the silence has one sample)
// shows up as a bad end.
Wave Load(int id) {
  const Bytes b = SoundFile(id);
  Wave w;
  EXPECT_EQ(std::string(b.begin(), b.begin() + 4) + std::string(b.begin() + 8, b.begin() + 12),
            "RIFFWAVE");
  EXPECT_EQ(Get32(b, 4) + 8, b.size());
  size_t at = 12;
  for (uint32_t size; at + 8 <= b.size(); at += 8 + size + size % 2) {
    const std::string tag(b.begin() + at, b.begin() + at + 4);
    size = Get32(b, at + 4);
    if (tag == "fmt ") {
      w.rate = Get32(b, at + 12);
      w.format = {Get16(b, at + 8),  Get16(b, at + 10), w.rate,
                  Get32(b, at + 16), Get16(b, at + 20), Get16(b, at + 22)};
    } else if (tag == "data") {
      w.data.assign(b.begin() + at + 8, b.begin() + at + 8 + size);
    }
  }
  EXPECT_EQ(at, b.size());
  return w;
}

// Root mean square about the silent level, as a fraction of full scale, over [from, to).
double Level(const Wave& w, double from, double to) {
  const size_t first = from * w.data.size(), last = to * w.data.size();
  double sum = 0;
  for (size_t i = first; i < last; ++i)
    sum += std::pow((w.data[i] - 128) / 128.0, 2);
  return std::sqrt(sum / std::max<size_t>(1, last - first));
}

// Dominant pitch over [from, to), from upward zero crossings with a little hysteresis.
double Hz(const Wave& w, double from, double to) {
  const size_t first = from * w.data.size(), last = to * w.data.size();
  int crossings = 0;
  for (size_t i = first, below = 0; i < last; ++i) {
    below = below || w.data[i] < 126;
    if (below && w.data[i] > 130) below = 0, ++crossings;
  }
  return crossings * static_cast<double>(w.rate) / (last - first);
}

TEST(Sounds, EveryIdIsAPlayableWaveOfItsListedRateAndLengthWrittenUnderItsId) {
  const auto dir = std::filesystem::path(testing::TempDir()) / "quaxel_sounds_test";
  std::string error;
  ASSERT_TRUE(WriteAll(dir, error)) << error;
  std::set<int> ids;
  for (const SoundEntry& entry : SoundTable()) {
    SCOPED_TRACE(entry.id);
    ids.insert(entry.id);
    std::ifstream in(dir / "waves" / (std::to_string(entry.id) + ".wav"), std::ios::binary);
    EXPECT_EQ(Bytes(std::istreambuf_iterator<char>(in), {}), SoundFile(entry.id));
    const Wave w = Load(entry.id);
    const uint32_t rate = entry.sampleRate;
    EXPECT_EQ(w.format, std::tuple(1u, 1u, rate, rate, 1u, 8u));
    if (entry.id == kSoundSilence) {
      EXPECT_EQ(w.data, Bytes{128});
      continue;
    }
    EXPECT_NEAR(static_cast<double>(w.data.size()) / rate, entry.seconds, 0.01 * entry.seconds);
    EXPECT_GT(Level(w, 0, 1), 0.02) << "nearly silent";
    // Full scale reached for more than two samples in a row means clipping.
    size_t run = 0, longest = 0;
    double mean = 0;
    for (uint8_t s : w.data) {
      run = s == 0 || s == 255 ? run + 1 : 0;
      longest = std::max(longest, run);
      mean += s;
    }
    EXPECT_LE(longest, 2u);
    EXPECT_NEAR(mean / w.data.size(), 128.0, 1.0) << "offset from silence";
    EXPECT_NEAR(w.data.front(), 128, 2) << "clicks in";
    EXPECT_NEAR(w.data.back(), 128, 2) << "clicks out";
  }
  // One wave per number, each named in the resource list the build embeds.
  EXPECT_EQ(ids.size(), SoundTable().size());
  std::ifstream in(dir / kResourceListName);
  const std::string list(std::istreambuf_iterator<char>(in), {});
  for (int id : ids) {
    const std::string path = "waves/" + std::to_string(id) + ".wav";
    EXPECT_NE(list.find("<file alias=\"" + path + "\">" + path + "</file>"), std::string::npos);
  }
  std::filesystem::remove_all(dir);
}

TEST(Sounds, EachSoundHasItsCharacter) {
  const Wave tick = Load(kSoundCard), deal = Load(kSoundDeal), coins = Load(kSoundPaid);
  EXPECT_LT(tick.data.size(), 0.030 * tick.rate);  // card noises: short, bright, front-loaded
  EXPECT_GT(Level(tick, 0, 0.5), 4 * Level(tick, 0.5, 1));
  EXPECT_GT(Hz(deal, 0, 0.5), 700);
  EXPECT_GT(Level(deal, 0, 0.5), 2 * Level(deal, 0.5, 1));
  EXPECT_GT(Hz(coins, 0, 1), 1500);

  for (int id : {kSoundTenthCard, kSoundPick}) {  // chime and blip ring high and die away
    const Wave w = Load(id);
    EXPECT_GT(Hz(w, 0, 0.5), 800) << id;
    EXPECT_GT(Level(w, 0, 0.25), 2 * Level(w, 0.75, 1)) << id;
  }
  for (int id :
       {kSoundFlush, kSoundFullHouse, kSoundFourOfAKind, kSoundStraightFlush, kSoundRoyalFlush,
        kSoundWin, kSoundOffer, kSoundPush}) {  // jingles rise to their last note
    const Wave w = Load(id);
    EXPECT_GT(Hz(w, 0.75, 1), 1.3 * Hz(w, 0, 0.25)) << id;
  }
  const Wave push = Load(kSoundPush), celebration = Load(kSoundCongratulations);
  EXPECT_GT(Level(push, 0.5, 0.75), 0.02);     // the second note is held
  for (double at = 0; at < 0.95; at += 0.025)  // the celebration plays without a gap
    EXPECT_GT(Level(celebration, at, at + 0.025), 0.03) << at;
}

}  // namespace
}  // namespace sounds

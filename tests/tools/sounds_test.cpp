// The sound generator: its wave files read back by an independent reader, and what each sound does.

#include <gtest/gtest.h>

#include <unistd.h>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "tools/sounds/catalogue.h"
#include "tools/sounds/sound_table.h"
#include "tools/sounds/wave.h"

namespace sounds {
namespace {

using Bytes = std::vector<uint8_t>;

uint32_t Get16(const Bytes& b, size_t at) {
  return b.at(at) | b.at(at + 1) << 8;
}
uint32_t Get32(const Bytes& b, size_t at) {
  return Get16(b, at) | Get16(b, at + 2) << 16;
}
std::string Tag(const Bytes& b, size_t at) {
  return {b.begin() + at, b.begin() + at + 4};
}

struct Wave {
  uint32_t format = 0, channels = 0, rate = 0, byteRate = 0, blockAlign = 0, bits = 0;
  Bytes data;
};

// Walks every chunk, so a wrong chunk size or a missing pad byte shows up as a bad end.
Wave ReadWave(const Bytes& b) {
  Wave w;
  EXPECT_EQ(Tag(b, 0), "RIFF");
  EXPECT_EQ(Get32(b, 4) + 8, b.size());
  EXPECT_EQ(Tag(b, 8), "WAVE");
  size_t at = 12;
  while (at + 8 <= b.size()) {
    const uint32_t size = Get32(b, at + 4);
    if (Tag(b, at) == "fmt ") {
      w.format = Get16(b, at + 8);
      w.channels = Get16(b, at + 10);
      w.rate = Get32(b, at + 12);
      w.byteRate = Get32(b, at + 16);
      w.blockAlign = Get16(b, at + 20);
      w.bits = Get16(b, at + 22);
    } else if (Tag(b, at) == "data") {
      w.data.assign(b.begin() + at + 8, b.begin() + at + 8 + size);
    }
    at += 8 + size + size % 2;
  }
  EXPECT_EQ(at, b.size());
  return w;
}

// Root mean square about the silent level, as a fraction of full scale, over [from, to).
double Level(const Wave& w, double from, double to) {
  const size_t first = static_cast<size_t>(from * w.data.size());
  const size_t last = static_cast<size_t>(to * w.data.size());
  double sum = 0;
  for (size_t i = first; i < last; ++i)
    sum += std::pow((w.data[i] - 128) / 128.0, 2);
  return std::sqrt(sum / std::max<size_t>(1, last - first));
}

// Dominant pitch over [from, to), from upward zero crossings with a little hysteresis.
double Hz(const Wave& w, double from, double to) {
  const size_t first = static_cast<size_t>(from * w.data.size());
  const size_t last = static_cast<size_t>(to * w.data.size());
  int crossings = 0;
  bool below = false;
  for (size_t i = first; i < last; ++i) {
    if (w.data[i] < 126) below = true;
    if (below && w.data[i] > 130) {
      ++crossings;
      below = false;
    }
  }
  return crossings * static_cast<double>(w.rate) / (last - first);
}

// Sudden rises of the 5 ms loudness, at least 10 ms apart.
int Onsets(const Wave& w) {
  const size_t frame = w.rate / 200;
  std::vector<double> loudness;
  for (size_t at = 0; at + frame <= w.data.size(); at += frame) {
    const double n = static_cast<double>(w.data.size());
    loudness.push_back(Level(w, at / n, (at + frame) / n));
  }
  const double loudest = *std::max_element(loudness.begin(), loudness.end());
  int onsets = 0;
  size_t last = 0;
  for (size_t f = 1; f < loudness.size(); ++f) {
    if (loudness[f] > 0.1 * loudest && loudness[f] > 1.5 * loudness[f - 1] &&
        (onsets == 0 || f > last + 2)) {
      ++onsets;
      last = f;
    }
  }
  return onsets;
}

Wave Load(int id) {
  return ReadWave(SoundFile(id));
}

TEST(Wave, PadsAnOddDataChunkAndDescribesEightBitMono) {
  const Bytes file = EncodeWave(11025, Bytes{1, 2, 3});
  EXPECT_EQ(file.size(), 44u + 4u);
  const Wave w = ReadWave(file);
  EXPECT_EQ(w.format, 1u);
  EXPECT_EQ(w.channels, 1u);
  EXPECT_EQ(w.bits, 8u);
  EXPECT_EQ(w.rate, 11025u);
  EXPECT_EQ(w.byteRate, 11025u);
  EXPECT_EQ(w.blockAlign, 1u);
  EXPECT_EQ(w.data, (Bytes{1, 2, 3}));
}

TEST(Sounds, EveryIdIsAPlayableWaveOfItsListedRateAndLength) {
  std::set<int> ids;
  for (const SoundEntry& entry : SoundTable()) {
    SCOPED_TRACE(entry.id);
    ids.insert(entry.id);
    const Wave w = Load(entry.id);
    EXPECT_EQ(w.format, 1u);
    EXPECT_EQ(w.channels, 1u);
    EXPECT_EQ(w.bits, 8u);
    EXPECT_EQ(w.rate, static_cast<uint32_t>(entry.sampleRate));
    EXPECT_EQ(w.byteRate, w.rate * w.blockAlign);
    EXPECT_EQ(w.blockAlign, 1u);
    if (entry.id == kSilenceId) {
      EXPECT_EQ(w.data, Bytes{128});
      continue;
    }
    const double seconds = static_cast<double>(w.data.size()) / w.rate;
    EXPECT_NEAR(seconds, entry.seconds, 0.01 * entry.seconds);
    const auto [low, high] = std::minmax_element(w.data.begin(), w.data.end());
    EXPECT_GT(*high - *low, 64) << "nearly silent";
    // Full scale reached for more than two samples in a row means clipping.
    size_t run = 0, longest = 0;
    for (uint8_t s : w.data) {
      run = s == 0 || s == 255 ? run + 1 : 0;
      longest = std::max(longest, run);
    }
    EXPECT_LE(longest, 2u);
    double mean = 0;
    for (uint8_t s : w.data)
      mean += s;
    EXPECT_NEAR(mean / w.data.size(), 128.0, 1.0) << "offset from silence";
    EXPECT_NEAR(w.data.front(), 128, 2) << "clicks in";
    EXPECT_NEAR(w.data.back(), 128, 2) << "clicks out";
  }
  EXPECT_EQ(ids, (std::set<int>{100, 107, 108, 109, 110, 112, 121, 122, 123, 124, 125, 126, 127,
                                128, 129, 130}));
}

TEST(Sounds, WritesEachWaveUnderItsIdAndTheSameBytesEveryTime) {
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("quaxel_sounds_" + std::to_string(getpid()));
  std::string error;
  ASSERT_TRUE(WriteAll(dir, error)) << error;
  for (const SoundEntry& entry : SoundTable()) {
    std::ifstream in(dir / "waves" / (std::to_string(entry.id) + ".wav"), std::ios::binary);
    const Bytes onDisk{std::istreambuf_iterator<char>(in), {}};
    EXPECT_EQ(onDisk, SoundFile(entry.id)) << entry.id;
  }
  std::filesystem::remove_all(dir);
}

TEST(Sounds, CardNoisesAreShortBrightAndFrontLoaded) {
  const Wave tick = Load(123);
  EXPECT_LT(tick.data.size(), 0.030 * tick.rate);
  EXPECT_GT(Level(tick, 0, 0.5), 4 * Level(tick, 0.5, 1));

  const Wave deal = Load(122);
  EXPECT_GT(Hz(deal, 0, 0.5), 700);
  EXPECT_GT(Level(deal, 0, 0.5), 2 * Level(deal, 0.5, 1));

  const Wave riffle = Load(121);
  EXPECT_GE(Onsets(riffle), 12);
  EXPECT_GT(Hz(riffle, 0, 1), 700);
}

TEST(Sounds, CoinsDropOneAfterAnother) {
  const Wave coins = Load(130);
  EXPECT_GE(Onsets(coins), 4);
  EXPECT_GT(Hz(coins, 0, 1), 1500);
}

TEST(Sounds, ChimeAndBlipRingHighAndDieAway) {
  for (int id : {124, 127}) {
    SCOPED_TRACE(id);
    const Wave w = Load(id);
    EXPECT_GT(Hz(w, 0, 0.5), 800);
    EXPECT_GT(Level(w, 0, 0.25), 2 * Level(w, 0.75, 1));
  }
}

TEST(Sounds, JinglesAndFanfaresRiseToTheirLastNote) {
  for (int id : {107, 108, 109, 110, 112, 125, 126, 128}) {
    SCOPED_TRACE(id);
    const Wave w = Load(id);
    EXPECT_GT(Hz(w, 0.75, 1), 1.3 * Hz(w, 0, 0.25));
  }
}

TEST(Sounds, PushIsTwoNotesTheSecondHeld) {
  const Wave push = Load(128);
  EXPECT_EQ(Onsets(push), 2);
  EXPECT_GT(Level(push, 0.5, 0.75), 0.02);
}

TEST(Sounds, CelebrationPlaysWithoutAGapToTheEnd) {
  const Wave w = Load(129);
  for (double at = 0; at < 0.95; at += 0.025) {
    EXPECT_GT(Level(w, at, at + 0.025), 0.03) << at;
  }
}

}  // namespace
}  // namespace sounds

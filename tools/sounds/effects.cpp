// Sounds of cards and coins: clicks, rings and blips.
#include <cmath>
#include <iterator>
#include <numbers>

#include "tools/sounds/designs.h"

namespace sounds {

void DesignTick(Track& track) {
  Score score(track, 1);
  score.Click(0, 1.0, 11);
  score.Play({.hz = 2400, .length = 1, .level = 0.5, .decay = 0.15});
  score.Play({.shape = Shape::kTriangle, .hz = 600, .length = 1, .level = 0.4, .decay = 0.2});
}

void DesignDeal(Track& track) {
  Score score(track, 9);
  AddNoise(track, {.length = track.seconds(),
                   .level = 0.8,
                   .decay = 2.5 * score.beat(),
                   .highpass = 800,
                   .lowpass = 3000,
                   .seed = 21});
  score.Click(0, 1.0, 22);
  score.Click(3.5, 0.6, 23);
  score.Play({.hz = 180, .endHz = 110, .length = 4, .level = 0.5, .decay = 1.5});
}

// A riffle: cards snap past the thumb quickly at first, then slower, over a soft swish.
void DesignRiffle(Track& track) {
  constexpr int kSnaps = 22;
  Score score(track, 1);
  AddNoise(
      track,
      {.length = track.seconds(), .level = 0.12, .highpass = 400, .lowpass = 2500, .seed = 31});
  for (int i = 0; i < kSnaps; ++i) {
    const double progress = static_cast<double>(i) / kSnaps;
    const double at = 0.9 * std::pow(progress, 1.25);
    const double swell = std::sqrt(std::sin(std::numbers::pi * (progress + 0.5 / kSnaps)));
    score.Click(at, 0.4 + 0.6 * swell, 100 + i);
  }
}

void DesignChime(Track& track) {
  Score score(track, 8);
  score.Bell(Pitch(kC6), 0, 0.5);
  score.Bell(Pitch(kG6), 1.5, 0.7);
}

void DesignPick(Track& track) {
  Score score(track, 10);
  score.Click(0, 0.3, 41);
  score.Play({.shape = Shape::kTriangle,
              .hz = Pitch(kA5),
              .endHz = Pitch(kE6),
              .glide = 1,
              .length = 10,
              .level = 0.7,
              .decay = 2.5});
}

// Six coins landing one after another, the later ones softer.
void DesignCoins(Track& track) {
  struct Drop {
    double hz;
    double at;
    double level;
  };
  constexpr Drop kDrops[] = {{2000, 0, 1.0},  {2350, 4.5, 0.8}, {1850, 8.5, 0.9},
                             {2200, 14, 0.7}, {2100, 20, 0.6},  {2450, 27, 0.5}};
  Score score(track, 35);
  for (size_t i = 0; i < std::size(kDrops); ++i)
    score.Coin(kDrops[i].hz, kDrops[i].at, kDrops[i].level, 51 + static_cast<uint32_t>(i));
}

}  // namespace sounds

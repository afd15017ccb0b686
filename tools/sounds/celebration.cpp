// The tune for all 52 cards: eight bars over an oom-pah bass, then a ringing final chord.
#include <array>
#include <vector>

#include "tools/sounds/designs.h"

namespace sounds {

namespace {

constexpr int kBeatsPerBar = 4;
constexpr int kBars = 8;
constexpr double kFinalBeats = 4;

struct Beat {
  int note;
  double beats;
};

// clang-format off
constexpr Beat kMelody[] = {
    {kG4, .5}, {kC5, .5}, {kE5, .5}, {kG5, .5}, {kC6, 1}, {kG5, 1},
    {kA5, .5}, {kG5, .5}, {kF5, .5}, {kA5, .5}, {kC6, 1}, {kA5, 1},
    {kB5, .5}, {kA5, .5}, {kG5, .5}, {kF5, .5}, {kE5, 1}, {kD5, 1},
    {kE5, .5}, {kG5, .5}, {kC6, .5}, {kE6, .5}, {kD6, 1}, {kC6, 1},
    {kG5, .5}, {kG5, .5}, {kA5, .5}, {kG5, .5}, {kE6, 1}, {kC6, 1},
    {kF5, .5}, {kA5, .5}, {kC6, .5}, {kF6, .5}, {kE6, 1}, {kD6, 1},
    {kD6, .5}, {kE6, .5}, {kF6, .5}, {kD6, .5}, {kB5, 1}, {kG5, 1},
    {kG5, .5}, {kB5, .5}, {kD6, .5}, {kF6, .5}, {kE6, 1}, {kD6, 1},
};
// clang-format on

struct Harmony {
  int root;
  int fifth;
  std::array<int, 3> chord;
};

constexpr Harmony kC{kC3, kG3, {kC4, kE4, kG4}};
constexpr Harmony kF{kF3, kC4, {kC4, kF4, kA4}};
constexpr Harmony kG{kG3, kD3, {kB3, kD4, kG4}};
constexpr Harmony kBarHarmony[kBars] = {kC, kF, kG, kC, kC, kF, kG, kG};

}  // namespace

void DesignCelebration(Track& track) {
  Score score(track, kBars * kBeatsPerBar + kFinalBeats);
  std::vector<Step> melody;
  double at = 0;
  for (const Beat& b : kMelody) {
    melody.push_back({b.note, at, 0.9 * b.beats});
    at += b.beats;
  }
  score.Line({.shape = Shape::kSquare, .level = 0.42, .decay = 1.5}, melody);

  const Tone bass{.shape = Shape::kTriangle, .level = 0.35, .decay = 1.2};
  const Tone stab{.shape = Shape::kSquare, .level = 0.09, .decay = 0.4};
  for (int bar = 0; bar < kBars; ++bar) {
    const Harmony& h = kBarHarmony[bar];
    const double first = bar * kBeatsPerBar;
    const Step bassSteps[] = {{h.root, first, 0.9}, {h.fifth, first + 2, 0.9}};
    score.Line(bass, bassSteps);
    for (int note : h.chord) {
      const Step stabs[] = {{note, first + 1, 0.4}, {note, first + 3, 0.4}};
      score.Line(stab, stabs);
    }
  }
  score.Bell(Pitch(kC6), 0, 0.12);
  score.Bell(Pitch(kC6), 4 * kBeatsPerBar, 0.12);

  const double end = kBars * kBeatsPerBar;
  score.Play({.shape = Shape::kSquare,
              .hz = Pitch(kC7),
              .start = end,
              .length = kFinalBeats,
              .level = 0.42,
              .decay = 3,
              .vibrato = 0.006});
  for (int note : {kC6, kE6, kG6}) {
    score.Play({.shape = Shape::kSaw,
                .hz = Pitch(note),
                .start = end,
                .length = kFinalBeats,
                .level = 0.13,
                .decay = 3});
  }
  score.Play({.shape = Shape::kTriangle,
              .hz = Pitch(kC3),
              .start = end,
              .length = kFinalBeats,
              .level = 0.35,
              .decay = 2});
  const int sparkle[] = {kC6, kE6, kG6, kC7};
  for (int i = 0; i < 4; ++i)
    score.Bell(Pitch(sparkle[i]), end + 0.25 * i, 0.14);
  AddNoise(track, {.start = end * score.beat(),
                   .length = kFinalBeats * score.beat(),
                   .level = 0.15,
                   .decay = score.beat(),
                   .highpass = 3000,
                   .seed = 91});
}

}  // namespace sounds

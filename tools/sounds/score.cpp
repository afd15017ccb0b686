#include <algorithm>

#include "tools/sounds/designs.h"
#include "tools/sounds/sound_table.h"

namespace sounds {

namespace {

struct Partial {
  double ratio;
  double level;
  double ring;  // fraction of the ring of the lowest partial
};

// A tuned bar: octave and twelfth for the pitch, a stretched upper partial for the metal.
constexpr Partial kBellPartials[] = {
    {1.0, 1.0, 1.0}, {2.0, 0.45, 0.6}, {3.0, 0.2, 0.4}, {4.16, 0.12, 0.25}};
// A thin disc rings at inharmonic ratios, which is what makes it sound like a coin.
constexpr Partial kCoinPartials[] = {
    {1.0, 1.0, 1.0}, {1.34, 0.7, 0.8}, {1.79, 0.5, 0.6}, {2.41, 0.3, 0.5}};

}  // namespace

Score::Score(Track& track, double beats) : track_(track), beat_(track.seconds() / beats) {}

void Score::Play(Tone tone) {
  tone.start *= beat_;
  tone.length *= beat_;
  tone.glide *= beat_;
  tone.decay *= beat_;
  AddTone(track_, tone);
}

void Score::Line(const Tone& voice, std::span<const Step> steps) {
  for (const Step& step : steps) {
    Tone tone = voice;
    tone.hz = Pitch(step.note);
    tone.start = step.at;
    tone.length = step.beats;
    Play(tone);
  }
}

void Score::Bell(double hz, double at, double level) {
  for (const Partial& p : kBellPartials) {
    AddTone(track_, {.hz = hz * p.ratio,
                     .start = at * beat_,
                     .length = track_.seconds() - at * beat_,
                     .level = level * p.level,
                     .decay = kBellRing * p.ring});
  }
}

void Score::Click(double at, double level, uint32_t seed) {
  AddNoise(track_, {.start = at * beat_,
                    .length = kClickBurst,
                    .level = level,
                    .decay = kClickDecay,
                    .highpass = kClickHighpass,
                    .seed = seed});
}

void Score::Coin(double hz, double at, double level, uint32_t seed) {
  Click(at, level * 0.6, seed);
  for (const Partial& p : kCoinPartials) {
    AddTone(track_, {.hz = hz * p.ratio,
                     .start = at * beat_,
                     .length = std::min(track_.seconds() - at * beat_, 6 * kCoinRing),
                     .level = level * p.level,
                     .decay = kCoinRing * p.ring});
  }
}

}  // namespace sounds

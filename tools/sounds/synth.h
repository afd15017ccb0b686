// Additive synthesis into a floating-point track, and its conversion to unsigned 8-bit samples.
#pragma once

#include <cstdint>
#include <vector>

namespace sounds {

enum class Shape { kSine, kTriangle, kSquare, kSaw };

// One note. Times are in seconds unless a score says otherwise.
struct Tone {
  Shape shape = Shape::kSine;
  double hz = 440.0;
  double endHz = 0.0;  // glide target; 0 holds the pitch
  double glide = 0.0;  // time to reach endHz; 0 glides over the whole note
  double start = 0.0;
  double length = 0.1;
  double level = 0.5;
  double decay = 0.0;    // time for the level to fall to 1/e; 0 sustains
  double vibrato = 0.0;  // pitch swing as a fraction of the pitch
  double tremolo = 0.0;  // level dip as a fraction of the level
};

// A burst of white noise, optionally band-limited by one-pole filters.
struct Noise {
  double start = 0.0;
  double length = 0.01;
  double level = 0.5;
  double decay = 0.0;     // 0 sustains
  double highpass = 0.0;  // Hz; 0 leaves the lows
  double lowpass = 0.0;   // Hz; 0 leaves the highs
  uint32_t seed = 1;
};

class Track {
 public:
  Track(int sampleRate, double seconds);
  int rate() const { return rate_; }
  double seconds() const { return seconds_; }
  const std::vector<double>& samples() const { return samples_; }
  std::vector<double>& samples() { return samples_; }

 private:
  int rate_;
  double seconds_;
  std::vector<double> samples_;
};

// Equal temperament, A4 (MIDI 69) at 440 Hz.
double Pitch(int midi);

// Both add into the track; whatever falls outside it is dropped.
void AddTone(Track& track, const Tone& tone);
void AddNoise(Track& track, const Noise& noise);

// Mean removed, scaled so the loudest sample reaches `peak` of full scale, faded in and out,
// and quantised around 128, the silent level of unsigned 8-bit audio.
std::vector<uint8_t> ToPcm(const Track& track, double peak);

}  // namespace sounds

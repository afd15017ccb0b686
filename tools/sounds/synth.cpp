#include "tools/sounds/synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

#include "tools/sounds/sound_table.h"

namespace sounds {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

struct Harmonic {
  int multiple;
  double amplitude;
};

// Fourier series of the shape, with the fundamental at amplitude 1, up to `highest`.
std::vector<Harmonic> Series(Shape shape, int highest) {
  std::vector<Harmonic> series;
  for (int k = 1; k <= highest; ++k) {
    const bool odd = k % 2 == 1;
    switch (shape) {
      case Shape::kSine:
        if (k == 1) series.push_back({k, 1.0});
        break;
      case Shape::kTriangle:
        if (odd) series.push_back({k, (k % 4 == 1 ? 1.0 : -1.0) / (k * k)});
        break;
      case Shape::kSquare:
        if (odd) series.push_back({k, 1.0 / k});
        break;
      case Shape::kSaw:
        series.push_back({k, 1.0 / k});
        break;
    }
  }
  return series;
}

// 1 well below the ceiling, falling smoothly to 0 at it, so a gliding note never clicks.
double Taper(double hz, int rate) {
  const double start = kHarmonicFadeStart * rate;
  const double ceiling = kHarmonicCeiling * rate;
  if (hz <= start) return 1.0;
  if (hz >= ceiling) return 0.0;
  return 0.5 + 0.5 * std::cos(std::numbers::pi * (hz - start) / (ceiling - start));
}

struct Span {
  size_t first;
  size_t count;
};

Span Clip(const Track& track, double start, double length) {
  const double rate = track.rate();
  const size_t size = track.samples().size();
  const size_t first =
      std::min(size, static_cast<size_t>(std::lround(std::max(0.0, start) * rate)));
  const size_t count = static_cast<size_t>(std::lround(std::max(0.0, length) * rate));
  return {first, std::min(count, size - first)};
}

// Linear rise over `attack` samples and linear fall over the last `release` of `count`.
double Edges(size_t n, size_t count, size_t attack, size_t release) {
  double gain = 1.0;
  if (n < attack) gain = static_cast<double>(n) / attack;
  if (n + release > count) gain *= static_cast<double>(count - n) / release;
  return gain;
}

}  // namespace

Track::Track(int sampleRate, double seconds)
    : rate_(sampleRate),
      seconds_(seconds),
      samples_(static_cast<size_t>(std::lround(seconds * sampleRate)), 0.0) {}

double Pitch(int midi) {
  return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

void AddTone(Track& track, const Tone& tone) {
  const Span span = Clip(track, tone.start, tone.length);
  if (span.count == 0 || tone.hz <= 0.0) return;
  const double rate = track.rate();
  const double lowest = tone.endHz > 0.0 ? std::min(tone.hz, tone.endHz) : tone.hz;
  const int highest = static_cast<int>(kHarmonicCeiling * rate / (lowest * (1.0 - tone.vibrato)));
  const std::vector<Harmonic> series = Series(tone.shape, std::max(1, highest));
  const size_t attack =
      std::max<size_t>(1, std::lround(std::min(kNoteAttack, tone.length / 3) * rate));
  const size_t release =
      std::max<size_t>(1, std::lround(std::min(kNoteRelease, tone.length / 3) * rate));
  const double glide = tone.glide > 0.0 ? tone.glide : tone.length;
  std::vector<double>& out = track.samples();
  double phase = 0.0;
  for (size_t n = 0; n < span.count; ++n) {
    const double t = n / rate;
    double hz = tone.hz;
    if (tone.endHz > 0.0) hz *= std::pow(tone.endHz / tone.hz, std::min(1.0, t / glide));
    hz *= 1.0 + tone.vibrato * std::sin(kTwoPi * kVibratoRate * t);
    phase = std::fmod(phase + kTwoPi * hz / rate, kTwoPi);
    double value = 0.0;
    for (const Harmonic& h : series) {
      const double weight = Taper(h.multiple * hz, track.rate());
      if (weight == 0.0) break;
      value += h.amplitude * weight * std::sin(h.multiple * phase);
    }
    double gain = tone.level * Edges(n, span.count, attack, release);
    if (tone.decay > 0.0) gain *= std::exp(-t / tone.decay);
    gain *= 1.0 - tone.tremolo * 0.5 * (1.0 - std::cos(kTwoPi * kTremoloRate * t));
    out[span.first + n] += gain * value;
  }
}

void AddNoise(Track& track, const Noise& noise) {
  const Span span = Clip(track, noise.start, noise.length);
  if (span.count == 0) return;
  const double dt = 1.0 / track.rate();
  const auto smoothing = [dt](double hz) { return 1.0 / (kTwoPi * hz); };
  const double high =
      noise.highpass > 0.0 ? smoothing(noise.highpass) / (smoothing(noise.highpass) + dt) : 0.0;
  const double low = noise.lowpass > 0.0 ? dt / (smoothing(noise.lowpass) + dt) : 1.0;
  // minstd is fully specified by the standard, so every build writes the same waves.
  std::minstd_rand random(noise.seed);
  const double scale = 2.0 / (std::minstd_rand::max() - std::minstd_rand::min());
  const size_t release = std::max<size_t>(1, span.count / 5);
  std::vector<double>& out = track.samples();
  double previous = 0.0, highPassed = 0.0, lowPassed = 0.0;
  for (size_t n = 0; n < span.count; ++n) {
    const double white = (random() - std::minstd_rand::min()) * scale - 1.0;
    highPassed = noise.highpass > 0.0 ? high * (highPassed + white - previous) : white;
    previous = white;
    lowPassed += low * (highPassed - lowPassed);
    double gain = noise.level * Edges(n, span.count, 1, release);
    if (noise.decay > 0.0) gain *= std::exp(-(n * dt) / noise.decay);
    out[span.first + n] += gain * lowPassed;
  }
}

std::vector<uint8_t> ToPcm(const Track& track, double peak) {
  std::vector<double> x = track.samples();
  if (x.empty()) return {};
  double mean = 0.0;
  for (double v : x)
    mean += v;
  mean /= x.size();
  const size_t fade =
      std::min(x.size() / 2, static_cast<size_t>(std::lround(kEdgeFade * track.rate())));
  double loudest = 0.0;
  for (size_t n = 0; n < x.size(); ++n) {
    x[n] -= mean;
    if (n < fade) x[n] *= static_cast<double>(n) / fade;
    if (n + fade >= x.size()) x[n] *= static_cast<double>(x.size() - 1 - n) / fade;
    loudest = std::max(loudest, std::abs(x[n]));
  }
  const double scale = loudest > 0.0 ? peak / loudest : 0.0;
  std::vector<uint8_t> pcm(x.size());
  for (size_t n = 0; n < x.size(); ++n) {
    pcm[n] = static_cast<uint8_t>(std::clamp(128L + std::lround(x[n] * scale * 127.0), 0L, 255L));
  }
  return pcm;
}

}  // namespace sounds

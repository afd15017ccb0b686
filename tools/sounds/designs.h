// The scores of the sounds, and the voices they share. Inside a score, times are in beats of
// the sound's own length, so each score fits the length given in the sound table.
#pragma once

#include <cstdint>
#include <span>

#include "tools/sounds/synth.h"

namespace sounds {

// MIDI note numbers of the notes the scores use ("s" is sharp).
// clang-format off
enum NoteName : int {
  kC3 = 48, kD3 = 50, kE3 = 52, kF3 = 53, kG3 = 55, kB3 = 59,
  kC4 = 60, kD4 = 62, kE4 = 64, kF4 = 65, kG4 = 67, kA4 = 69, kB4 = 71,
  kC5 = 72, kD5 = 74, kE5 = 76, kF5 = 77, kG5 = 79, kGs5 = 80, kA5 = 81, kB5 = 83,
  kC6 = 84, kD6 = 86, kE6 = 88, kF6 = 89, kG6 = 91,
  kC7 = 96, kE7 = 100, kG7 = 103,
};
// clang-format on

struct Step {
  int note;
  double at;     // beats
  double beats;  // length
};

class Score {
 public:
  // Splits the track's length into `beats` beats.
  Score(Track& track, double beats);
  double beat() const { return beat_; }
  Track& track() { return track_; }

  // `tone` with its start, length, glide and decay given in beats.
  void Play(Tone tone);
  // Each step played in the voice of `voice`: its shape, level, decay, vibrato and tremolo.
  void Line(const Tone& voice, std::span<const Step> steps);
  // Struck metal: partials of `hz` at ratios a bell has, the higher ones dying sooner.
  void Bell(double hz, double at, double level);
  // The edge of a card snapping: a few milliseconds of bright noise.
  void Click(double at, double level, uint32_t seed);
  // A coin landing: a click and the ring of a thin metal disc above `hz`.
  void Coin(double hz, double at, double level, uint32_t seed);

 private:
  Track& track_;
  double beat_;
};

void DesignRiffle(Track& track);         // 121
void DesignDeal(Track& track);           // 122
void DesignTick(Track& track);           // 123
void DesignChime(Track& track);          // 124
void DesignPick(Track& track);           // 127
void DesignCoins(Track& track);          // 130
void DesignFlush(Track& track);          // 107
void DesignFullHouse(Track& track);      // 108
void DesignFourOfAKind(Track& track);    // 109
void DesignStraightFlush(Track& track);  // 110
void DesignRoyalFlush(Track& track);     // 112
void DesignWin(Track& track);            // 125
void DesignOffer(Track& track);          // 126
void DesignPush(Track& track);           // 128
void DesignCelebration(Track& track);    // 129

}  // namespace sounds

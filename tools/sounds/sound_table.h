// Every rate, length and level of the program's sounds; the scores place their notes in beats,
// fractions of these lengths, so a sound's pace is changed here only.
#pragma once

#include <cstddef>
#include <span>

#include "core/sounds.h"

namespace sounds {

struct SoundEntry {
  int id;
  int sampleRate;  // Hz
  double seconds;  // length of the wave; the game is paced by it
  double peak;     // loudest sample as a fraction of full scale
};

inline constexpr SoundEntry kSoundTable[] = {
    {kSoundSilence, 22050, 0.0, 0.0},           // a single sample of silence
    {kSoundFlush, 8000, 1.06, 0.75},            // flush
    {kSoundFullHouse, 8000, 1.66, 0.78},        // full house
    {kSoundFourOfAKind, 8000, 2.02, 0.82},      // four of a kind
    {kSoundStraightFlush, 22050, 0.35, 0.85},   // straight flush
    {kSoundRoyalFlush, 22050, 0.18, 0.88},      // royal flush
    {kSoundTurnToBack, 8000, 0.70, 0.55},       // cards turn face down
    {kSoundDeal, 8000, 0.09, 0.60},             // deal
    {kSoundCard, 8000, 0.02, 0.50},             // card tick
    {kSoundTenthCard, 8000, 0.37, 0.70},        // tenth card
    {kSoundWin, 8000, 2.04, 0.85},              // win
    {kSoundOffer, 8000, 0.90, 0.65},            // double-up offered
    {kSoundPick, 8000, 0.25, 0.55},             // double-up pick
    {kSoundPush, 8000, 1.63, 0.65},             // push
    {kSoundCongratulations, 8000, 9.09, 0.80},  // all 52 cards
    {kSoundPaid, 8000, 0.35, 0.70},             // coins paid
};

// Envelope and voice lengths, in seconds.
inline constexpr double kEdgeFade = 0.002;     // start and end of every wave
inline constexpr double kNoteAttack = 0.005;   // a struck or blown note
inline constexpr double kNoteRelease = 0.025;  // at most a third of the note
inline constexpr double kClickBurst = 0.003;   // noise of a card edge
inline constexpr double kClickDecay = 0.0015;
inline constexpr double kCoinRing = 0.045;
inline constexpr double kBellRing = 0.12;

// Rates, in Hz.
inline constexpr double kVibratoRate = 5.5;
inline constexpr double kTremoloRate = 7.0;
inline constexpr double kClickHighpass = 1500.0;
// Harmonics fade out between these fractions of the sample rate, so none folds back.
inline constexpr double kHarmonicFadeStart = 0.40;
inline constexpr double kHarmonicCeiling = 0.46;

inline std::span<const SoundEntry> SoundTable() {
  return kSoundTable;
}

// The entry of `id`, or nullptr.
inline const SoundEntry* FindSound(int id) {
  for (const SoundEntry& entry : kSoundTable) {
    if (entry.id == id) return &entry;
  }
  return nullptr;
}

}  // namespace sounds

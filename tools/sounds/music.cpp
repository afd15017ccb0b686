// Jingles for the special-bonus hands and the double-up: each rises to a held top note, and the
// rarer the hand, the richer the voice.
#include "tools/sounds/designs.h"

namespace sounds {

namespace {

// A held last note: a chord under it, `beats` long from `at`.
void Chord(Score& score, Tone voice, std::initializer_list<int> notes, double at, double beats) {
  for (int note : notes) {
    voice.hz = Pitch(note);
    voice.start = at;
    voice.length = beats;
    score.Play(voice);
  }
}

// A cymbal: bright noise that dies away.
void Crash(Score& score, double at, double level, double decayBeats) {
  AddNoise(score.track(), {.start = at * score.beat(),
                           .length = score.track().seconds() - at * score.beat(),
                           .level = level,
                           .decay = decayBeats * score.beat(),
                           .highpass = 0.25 * score.track().rate(),
                           .seed = 71});
}

}  // namespace

void DesignFlush(Track& track) {
  Score score(track, 8);
  constexpr Step kRun[] = {{kC5, 0, 1}, {kE5, 1, 1}, {kG5, 2, 1}, {kC6, 3, 5}};
  score.Line({.shape = Shape::kTriangle, .level = 0.55, .decay = 3}, kRun);
  Chord(score, {.shape = Shape::kTriangle, .level = 0.2, .decay = 3}, {kE5, kG5}, 3, 5);
  score.Bell(Pitch(kC6), 3, 0.15);
}

void DesignFullHouse(Track& track) {
  Score score(track, 12);
  constexpr Step kRun[] = {{kG4, 0, 1}, {kB4, 1, 1}, {kD5, 2, 1},
                           {kG5, 3, 1}, {kB5, 4, 1}, {kD6, 5, 7}};
  score.Line({.shape = Shape::kSquare, .level = 0.45, .decay = 4, .vibrato = 0.004}, kRun);
  Chord(score, {.shape = Shape::kTriangle, .level = 0.18, .decay = 5}, {kG3, kB4, kD5}, 5, 7);
  score.Bell(Pitch(kD6), 5, 0.15);
}

void DesignFourOfAKind(Track& track) {
  Score score(track, 12);
  constexpr Step kRun[] = {{kB4, 0, 0.45}, {kB4, 0.5, 0.45}, {kB4, 1, 0.45}, {kE5, 1.5, 1},
                           {kGs5, 2.5, 1}, {kB5, 3.5, 1},    {kE6, 4.5, 7.5}};
  score.Line({.shape = Shape::kSaw, .level = 0.45, .decay = 8, .vibrato = 0.005}, kRun);
  Chord(score, {.shape = Shape::kSaw, .level = 0.15, .decay = 6}, {kGs5, kB5}, 4.5, 7.5);
  Chord(score, {.shape = Shape::kTriangle, .level = 0.3, .decay = 6}, {kE3}, 4.5, 7.5);
  score.Bell(Pitch(kE6), 4.5, 0.15);
}

void DesignStraightFlush(Track& track) {
  Score score(track, 7);
  constexpr Step kRun[] = {{kC6, 0, 1}, {kE6, 1, 1}, {kG6, 2, 1}, {kC7, 3, 4}};
  score.Line({.shape = Shape::kSaw, .level = 0.5, .decay = 3, .vibrato = 0.006}, kRun);
  Chord(score, {.shape = Shape::kSquare, .level = 0.18, .decay = 3}, {kE6, kG6}, 3, 4);
  Chord(score, {.shape = Shape::kTriangle, .level = 0.25, .decay = 3}, {kC5}, 3, 4);
  score.Bell(Pitch(kC7), 3, 0.2);
  Crash(score, 3, 0.1, 1.5);
}

// Too short for a tune: one sweep up an octave that bursts into a bright chord and a cymbal.
void DesignRoyalFlush(Track& track) {
  Score score(track, 9);
  score.Play({.shape = Shape::kSaw,
              .hz = Pitch(kC6),
              .endHz = Pitch(kC7),
              .glide = 3,
              .length = 9,
              .level = 0.5,
              .decay = 6,
              .vibrato = 0.006});
  Chord(score, {.shape = Shape::kSquare, .level = 0.22, .decay = 5}, {kE7}, 3, 6);
  Chord(score, {.shape = Shape::kSine, .level = 0.2, .decay = 5}, {kG7}, 3, 6);
  Chord(score, {.shape = Shape::kTriangle, .level = 0.15, .decay = 5}, {kC5, kG5}, 3, 6);
  score.Bell(Pitch(kC7), 3, 0.2);
  Crash(score, 3, 0.18, 2);
}

void DesignWin(Track& track) {
  Score score(track, 12);
  constexpr Step kFanfare[] = {{kG4, 0, 0.45}, {kG4, 0.5, 0.45}, {kC5, 1, 1}, {kE5, 2, 1},
                               {kG5, 3, 1.45}, {kE5, 4.5, 0.5},  {kG5, 5, 1}, {kC6, 6, 6}};
  score.Line({.shape = Shape::kSaw, .level = 0.5, .decay = 8, .vibrato = 0.005}, kFanfare);
  Chord(score, {.shape = Shape::kSaw, .level = 0.14, .decay = 5}, {kE5, kG5}, 6, 6);
  Chord(score, {.shape = Shape::kTriangle, .level = 0.25, .decay = 6}, {kC3}, 0, 6);
  Chord(score, {.shape = Shape::kTriangle, .level = 0.25, .decay = 6}, {kC3}, 6, 6);
  score.Bell(Pitch(kC6), 6, 0.15);
  Crash(score, 6, 0.12, 1.5);
}

// An open question: up the major chord to the sixth, which wavers and waits.
void DesignOffer(Track& track) {
  Score score(track, 8);
  constexpr Step kRun[] = {{kC5, 0, 0.9}, {kE5, 1, 0.9}, {kG5, 2, 0.9}};
  score.Line({.shape = Shape::kTriangle, .level = 0.5, .decay = 2}, kRun);
  score.Play({.shape = Shape::kTriangle,
              .hz = Pitch(kA5),
              .start = 3,
              .length = 5,
              .level = 0.55,
              .decay = 4,
              .tremolo = 0.35});
  score.Bell(Pitch(kA5), 3, 0.12);
}

// "Try again": a short note and a longer one a fifth above, left hanging.
void DesignPush(Track& track) {
  Score score(track, 16);
  constexpr Step kMotif[] = {{kG4, 0, 3}, {kD5, 4, 12}};
  score.Line({.shape = Shape::kSquare, .level = 0.4, .decay = 8, .vibrato = 0.005}, kMotif);
  score.Line({.shape = Shape::kTriangle, .level = 0.3, .decay = 8}, kMotif);
}

}  // namespace sounds

#pragma once
// The Deck with its canonical order, shuffle and the process-wide random generator.

#include <cstdint>
#include <memory>

#include "core/card.h"

// Most passes a Shuffle makes: the Shuffle option is 0..5, a higher level is capped.
inline constexpr int kMaxShuffleLevel = 5;
// Most cards Allocate accepts; larger requests are refused.
inline constexpr int kMaxDeckCards = 1024;

// 52 + jokerNum for a Joker option of 0, 1 or 2; 52 for anything else (a hand-edited file).
int DeckSizeForJokers(int jokerNum);

struct Deck {
  std::unique_ptr<Card[]> cards;  // room for exactly count cards; null when count is 0
  std::int32_t count = 0;
  std::int32_t next = 0;  // array index of the next card to deal, 0..count

  // Destroys the old cards (releasing their pictures) and creates n empty cards. Returns 1 on
  // success; 0 (no array, count 0) when n is negative, above kMaxDeckCards or memory is short.
  int Allocate(int n);
  // Card i becomes suit i / 13, rank i % 13, a joker when i / 13 > 3.
  void Build();
  // Back to canonical order by cycle sort, next = 0. Stops at the first card whose DeckIndex is
  // -1 or not below count, or that is a duplicate of the card already in place: never swaps out of
  // range and never loops for ever.
  void ResetOrder();
  // Seeds the generator from the tick source, then min(level, kMaxShuffleLevel) passes (none when
  // level <= 0). next is not changed.
  void Shuffle(int level);
  // The card at next, then next + 1 when advance is 1; &emptyCard when the deck has no next card.
  // Never null.
  Card* DrawNext(int advance);
  // The card at array index position for 1 <= position <= count - 1, otherwise &emptyCard.
  // Never null.
  Card* CardAt(int position);
};

// The random generator, one process-wide 32-bit state.
void SeedRandom(std::uint32_t seed);
int NextRandom();  // 0..32767

// Source of the shuffle seed, the millisecond tick count. The program installs the window layer's
// tick count; null restores the default, a steady-clock millisecond count wrapped to 32 bits.
using TickSource = std::uint32_t (*)();
void SetTickSource(TickSource source);

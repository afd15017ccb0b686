#pragma once
// The card-count bonus: coins per coin wagered for the number of cards succeeded.

#include <cstdint>

#include "core/card.h"
#include "core/counts.h"

// Coins per coin wagered for 1..52 cards succeeded.
inline constexpr int kCardBonusFactor[kFullDeckCards] = {
    0,  0,  0,  0,  0,  0,  0,  0,  0,                // 1..9
    1,  1,  1,  1,                                    // 10..13
    2,  2,  2,  3,  3,  3,  4,  4,  4,                // 14..22
    6,  6,  6,  8,  8,  8,  10, 10, 12, 12,  14, 14,  // 23..34
    16, 16, 18, 18, 20, 20, 22, 22,                   // 35..42
    25, 30, 35, 40, 45, 50, 55, 60, 80, 100,          // 43..52
};

constexpr int CardBonusFactor(int count) {
  return count < 1 || count > kFullDeckCards ? 0 : kCardBonusFactor[count - 1];
}

// The fewest cards that pay: the tenth card chimes, and with fewer the double-up names only the
// special bonus.
inline constexpr int kFewestPayingCards = 10;
static_assert(CardBonusFactor(kFewestPayingCards - 1) == 0 &&
              CardBonusFactor(kFewestPayingCards) > 0);

// Saturates at the largest count instead of wrapping.
constexpr std::int32_t CardBonus(int count, std::int32_t bet) {
  if (bet < 1 || count < 0 || count > kFullDeckCards) return 0;
  return SaturatedCount(static_cast<std::int64_t>(CardBonusFactor(count)) * bet);
}

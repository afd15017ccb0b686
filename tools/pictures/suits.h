// The four suit signs, as masks at any size and as hand-drawn small signs for the indices.
#pragma once

#include <cstdint>

#include "tools/pictures/canvas.h"

namespace pictures {

enum Suit { kSpades, kHearts, kClubs, kDiamonds };

inline bool IsRed(int suit) {
  return suit == kHearts || suit == kDiamonds;
}
inline uint8_t SuitInk(int suit) {
  return IsRed(suit) ? kRed : kBlack;
}

// The sign stretched to fill a box of w x h pixels, mirror-symmetric left to right; at scale 2
// sampled for a double-density picture.
Mask SuitMask(int suit, int w, int h, int scale = 1);
// The sign of the pip cards, 12 x 14 (hearts and diamonds leave a margin); spades and clubs
// are drawn by hand at single density, because at this size scaling merges the lobes, and from
// their shapes at double density.
const Mask& PipMask(int suit, int scale = 1);
inline constexpr int kPipWidth = 12;
inline constexpr int kPipHeight = 14;
// The 7 x 7 sign under a corner index, drawn by hand because scaling blurs it at that size.
const Mask& SmallSuitMask(int suit);
inline constexpr int kSmallSuitSize = 7;

}  // namespace pictures

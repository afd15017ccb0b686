// The card tracker's end strip and the program icon.
#pragma once

#include "tools/pictures/canvas.h"

namespace pictures {

inline constexpr int kStripWidth = 9;
inline constexpr int kStripHeight = 61;

// Suit signs beside the tracker's four rows, on the tracker's own blue; at scale 2 for a
// double-density screen.
Canvas DrawTrackerStrip(int scale = 1);
// A fanned pair of cards with a coin, 16 pixels square or 32 and larger; kClear where transparent.
Canvas DrawIcon(int size);

}  // namespace pictures

// A hand-made pixel font for the corner indices: 5 x 7 glyphs, and "10" as one 7-wide glyph.
#pragma once

#include <string_view>

#include "tools/pictures/canvas.h"

namespace pictures {

inline constexpr int kGlyphHeight = 7;

// Rank 0 is the ace, 12 the king.
const Mask& RankGlyph(int rank);
// Capital letters and digits; an unknown character gives an empty glyph.
const Mask& LetterGlyph(char letter);
// Draws the letters one per row, `gap` pixels apart, starting at (x, y).
void DrawColumnText(Canvas& canvas, std::string_view text, int x, int y, int gap, uint8_t ink);

}  // namespace pictures

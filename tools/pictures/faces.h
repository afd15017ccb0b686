// The card pictures: 52 faces, the joker and the back, all 80 x 100 in the card palette.
#pragma once

#include <functional>

#include "tools/pictures/canvas.h"

namespace pictures {

inline constexpr int kCardWidth = 80;
inline constexpr int kCardHeight = 100;

// Suit 0 spades, 1 hearts, 2 clubs, 3 diamonds; rank 0 ace .. 12 king. At scale 2 each is drawn
// for a double-density screen.
Canvas DrawFace(int suit, int rank, int scale = 1);
Canvas DrawJoker(int scale = 1);
Canvas DrawBack(int scale = 1);

// Parts shared by the faces, the court cards and the joker.

// A white card with a thin dark edge and cut corners.
Canvas BlankCard(int scale = 1);
// Draws the index at the top left and, turned, at the bottom right.
void DrawIndex(Canvas& card, const Mask& glyph, const Mask& sign, uint8_t ink);
// Stamps the sign centred in the box, turned when `turned`.
void DrawPip(Canvas& card, const Mask& sign, int left, int top, int boxWidth, int boxHeight,
             bool turned, uint8_t ink);
// Draws one part of a figure on a layer of its own and outlines it in black, so neighbouring
// parts of similar colors stay apart.
void DrawOutlined(Canvas& card, const std::function<void(Canvas&)>& draw);
// A court figure in the frame, with the suit sign beside it; rank 10 jack .. 12 king.
void DrawCourt(Canvas& card, int suit, int rank);

}  // namespace pictures

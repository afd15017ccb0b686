#include "tools/pictures/suits.h"

#include <array>
#include <cmath>

namespace pictures {

namespace {

// Each shape tests a point of the unit box, u to the right and v downwards.

bool InCircle(double u, double v, double cu, double cv, double r) {
  return (u - cu) * (u - cu) + (v - cv) * (v - cv) <= r * r;
}

bool InHeart(double u, double v) {
  if (InCircle(u, v, 0.27, 0.28, 0.26) || InCircle(u, v, 0.73, 0.28, 0.26)) return true;
  if (v < 0.28 || v > 1.0) return false;
  const double t = (v - 0.28) / 0.72;
  return std::abs(u - 0.5) <= 0.49 * (1.0 - std::pow(t, 1.4));
}

// A flared foot for the spade and the club.
bool InStem(double u, double v) {
  if (v < 0.55 || v > 1.0) return false;
  const double t = (v - 0.55) / 0.45;
  return std::abs(u - 0.5) <= 0.05 + 0.25 * t * t * t;
}

bool InSpade(double u, double v) {
  return (v <= 0.8 && InHeart(u, (0.8 - v) / 0.8)) || InStem(u, v);
}

bool InClub(double u, double v) {
  constexpr double r = 0.225;
  if (InCircle(u, v, 0.5, 0.235, r) || InCircle(u, v, 0.235, 0.575, r) ||
      InCircle(u, v, 0.765, 0.575, r)) {
    return true;
  }
  return (std::abs(u - 0.5) < 0.08 && v > 0.4 && v < 0.65) || InStem(u, v);
}

bool InDiamond(double u, double v) {
  return std::abs(u - 0.5) + std::abs(v - 0.5) * 0.92 <= 0.5;
}

bool InSuit(int suit, double u, double v) {
  switch (suit) {
    case kSpades:
      return InSpade(u, v);
    case kHearts:
      return InHeart(u, v);
    case kClubs:
      return InClub(u, v);
    default:
      return InDiamond(u, v);
  }
}

}  // namespace

Mask SuitMask(int suit, int width, int height, int scale) {
  constexpr int kSamples = 4;
  Mask mask(width, height, scale);
  const int w = width * scale, h = height * scale;
  for (int y = 0; y < h; ++y) {
    // Only the left half is sampled; the right half mirrors it so the sign stays symmetric.
    for (int x = 0; x < (w + 1) / 2; ++x) {
      int covered = 0;
      for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
          const double u = (x + (sx + 0.5) / kSamples) / w;
          const double v = (y + (sy + 0.5) / kSamples) / h;
          covered += InSuit(suit, u, v) ? 1 : 0;
        }
      }
      const bool on = 2 * covered >= kSamples * kSamples;
      mask.Set(x, y, on);
      mask.Set(w - 1 - x, y, on);
    }
  }
  return mask;
}

const Mask& PipMask(int suit, int scale) {
  // At double density there are pixels enough for the lobes: every sign is drawn from its shape.
  static const std::array<Mask, 4> doubled = {
      SuitMask(kSpades, kPipWidth, kPipHeight - 1, 2),
      SuitMask(kHearts, kPipWidth, kPipHeight - 2, 2),
      SuitMask(kClubs, kPipWidth, kPipHeight - 1, 2),
      SuitMask(kDiamonds, kPipWidth - 2, kPipHeight, 2),
  };
  if (scale == 2) return doubled[suit];
  static const std::array<Mask, 4> masks = {
      Mask::FromRows({".....##.....", "....####....", "...######...", "..########..",
                      ".##########.", "############", "############", "############",
                      "############", ".###.##.###.", ".....##.....", "....####....",
                      "...######...", "............"}),
      SuitMask(kHearts, kPipWidth, kPipHeight - 2),
      Mask::FromRows({"....####....", "...######...", "...######...", "...######...",
                      ".##.####.##.", "############", "############", "############",
                      ".####..####.", "..##.##.##..", ".....##.....", "....####....",
                      "...######...", "............"}),
      SuitMask(kDiamonds, kPipWidth - 2, kPipHeight),
  };
  return masks[suit];
}

const Mask& SmallSuitMask(int suit) {
  static const std::array<Mask, 4> masks = {
      Mask::FromRows({"...#...", "..###..", ".#####.", "#######", "#######", "...#...", "..###.."}),
      Mask::FromRows({".##.##.", "#######", "#######", "#######", ".#####.", "..###..", "...#..."}),
      Mask::FromRows({"..###..", "..###..", "##.#.##", "#######", "##.#.##", "...#...", "..###.."}),
      Mask::FromRows({"...#...", "..###..", ".#####.", "#######", ".#####.", "..###..", "...#..."}),
  };
  return masks[suit];
}

}  // namespace pictures

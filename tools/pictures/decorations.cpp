#include "tools/pictures/decorations.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "tools/pictures/suits.h"

namespace pictures {

namespace {

// Tracker rows are 13 pixels apart; the first row's cells start 5 pixels below the strip's top.
constexpr int kRowPitch = 13;
constexpr int kFirstSignTop = 7;

void DrawGem(Canvas& strip, int cy) {
  strip.Set(4, cy - 1, kYellow);
  strip.FillRect(3, cy, 3, 1, kYellow);
  strip.Set(4, cy + 1, kYellow);
}

// A card turned by `degrees` about its centre, with a dark edge `edge` pixels wide.
void DrawTiltedCard(Canvas& icon, double cx, double cy, double w, double h, double degrees,
                    uint8_t face, double edge = 1) {
  const double a = degrees * std::numbers::pi / 180.0;
  const auto corners = [&](double inset) {
    const double hw = w / 2 - inset;
    const double hh = h / 2 - inset;
    std::vector<Point> points;
    for (auto [sx, sy] : {std::pair{-1, -1}, {1, -1}, {1, 1}, {-1, 1}}) {
      const double x = sx * hw;
      const double y = sy * hh;
      points.push_back(
          {cx + x * std::cos(a) - y * std::sin(a), cy + x * std::sin(a) + y * std::cos(a)});
    }
    return points;
  };
  icon.FillPolygon(corners(0), kBlack);
  icon.FillPolygon(corners(edge), face);
}

// A coin with a rim `edge` pixels wide, an inner ring when there is room, and a glint.
void DrawCoin(Canvas& icon, int x, int y, int size, int edge = 1) {
  const auto disc = [&](int inset, uint8_t ink) {
    icon.FillEllipse(x + inset, y + inset, size - 2 * inset, size - 2 * inset, ink);
  };
  disc(0, kOlive);
  disc(edge, kYellow);
  if (size >= 9) {
    disc(3 * edge, kOlive);
    disc(4 * edge, kYellow);
  }
  if (edge == 1) {
    icon.Set(x + size / 3, y + size / 3, kWhite);
  } else {
    icon.FillEllipse(x + size / 3 - edge, y + size / 3 - edge, 2 * edge, 2 * edge, kWhite);
  }
}

}  // namespace

Canvas DrawTrackerStrip(int scale) {
  Canvas strip(kStripWidth, kStripHeight, kPanel, PanelPalette(), scale);
  for (int suit = 0; suit < 4; ++suit) {
    const int top = kFirstSignTop + suit * kRowPitch;
    // Black would vanish on the blue, so the black suits are drawn in white.
    strip.Stamp(SmallSuitMask(suit), 1, top, IsRed(suit) ? kRed : kWhite);
    DrawGem(strip, top - 4);
  }
  DrawGem(strip, kFirstSignTop + 4 * kRowPitch - 4);
  strip.FillRect(4, 0, 1, 2, kYellow);
  strip.FillRect(4, kStripHeight - 2, 1, 2, kYellow);
  return strip;
}

Canvas DrawIcon(int size) {
  Canvas icon(size, size, kClear, StandardPalette());
  if (size >= 32) {
    // Drawn on a 32-pixel grid scaled to the size; edges grow more slowly than the picture.
    const double s = size / 32.0;
    const auto at = [s](double v) { return static_cast<int>(std::lround(v * s)); };
    const int edge = std::max(1, static_cast<int>(std::lround(0.6 * s)));
    DrawTiltedCard(icon, 12 * s, 14 * s, 15 * s, 21 * s, -14, kBlue, edge);
    icon.FillPolygon({{9 * s, 9 * s}, {14 * s, 14 * s}, {9 * s, 19 * s}, {4 * s, 14 * s}}, kCyan);
    DrawTiltedCard(icon, 18 * s, 14 * s, 15 * s, 21 * s, 10, kWhite, edge);
    icon.Stamp(SuitMask(kHearts, at(8), at(8)), at(15), at(10), kRed);
    DrawCoin(icon, at(19), at(19), at(12), edge);
  } else {
    DrawTiltedCard(icon, 7, 7, 10, 13, 0, kWhite);
    icon.Stamp(SmallSuitMask(kHearts), 4, 4, kRed);
    DrawCoin(icon, 9, 9, 7);
  }
  return icon;
}

}  // namespace pictures

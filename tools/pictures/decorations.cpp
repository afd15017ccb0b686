#include "tools/pictures/decorations.h"

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

// A card turned by `degrees` about its centre, with a dark edge.
void DrawTiltedCard(Canvas& icon, double cx, double cy, double w, double h, double degrees,
                    uint8_t face) {
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
  icon.FillPolygon(corners(1), face);
}

void DrawCoin(Canvas& icon, int x, int y, int size) {
  icon.FillEllipse(x, y, size, size, kOlive);
  icon.FillEllipse(x + 1, y + 1, size - 2, size - 2, kYellow);
  if (size >= 9) {
    icon.FillEllipse(x + 3, y + 3, size - 6, size - 6, kOlive);
    icon.FillEllipse(x + 4, y + 4, size - 8, size - 8, kYellow);
  }
  icon.Set(x + size / 3, y + size / 3, kWhite);
}

}  // namespace

Canvas DrawTrackerStrip() {
  Canvas strip(kStripWidth, kStripHeight, kPanel, PanelPalette());
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
    DrawTiltedCard(icon, 12, 14, 15, 21, -14, kBlue);
    icon.FillPolygon({{9, 9}, {14, 14}, {9, 19}, {4, 14}}, kCyan);
    DrawTiltedCard(icon, 18, 14, 15, 21, 10, kWhite);
    icon.Stamp(SuitMask(kHearts, 8, 8), 15, 10, kRed);
    DrawCoin(icon, 19, 19, 12);
  } else {
    DrawTiltedCard(icon, 7, 7, 10, 13, 0, kWhite);
    icon.Stamp(SmallSuitMask(kHearts), 4, 4, kRed);
    DrawCoin(icon, 9, 9, 7);
  }
  return icon;
}

}  // namespace pictures

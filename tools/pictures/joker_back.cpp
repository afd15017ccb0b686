// The joker, a jester in motley, and the lattice-patterned card back.

#include <array>
#include <cmath>

#include "tools/pictures/faces.h"
#include "tools/pictures/font.h"

namespace pictures {

namespace {

void DrawJesterHat(Canvas& card) {
  DrawOutlined(card, [](Canvas& c) {
    c.FillPolygon({{27, 40}, {15, 17}, {22, 16}, {38, 32}}, kRed);
    c.FillPolygon({{42, 32}, {58, 16}, {65, 17}, {53, 40}}, kGreen);
  });
  DrawOutlined(card, [](Canvas& c) { c.FillPolygon({{32, 36}, {40, 9}, {48, 36}}, kYellow); });
  for (auto [x, y] : std::array<std::array<int, 2>, 3>{{{13, 11}, {37, 4}, {61, 11}}}) {
    DrawOutlined(card, [x, y](Canvas& c) {
      c.FillEllipse(x, y, 6, 6, kYellow);
      c.Set(x + 2, y + 2, kWhite);
    });
  }
  DrawOutlined(card, [](Canvas& c) {
    c.FillRect(27, 36, 26, 5, kBlue);
    for (int x = 29; x < 52; x += 4) {
      c.Set(x, 38, kYellow);
    }
  });
}

void DrawJesterFace(Canvas& card) {
  DrawOutlined(card, [](Canvas& c) { c.FillEllipse(29, 41, 22, 22, kSkin); });
  // Diamond eye marks, a round nose and a wide grin.
  card.FillPolygon({{35, 44}, {37, 47}, {35, 50}, {33, 47}}, kBlue);
  card.FillPolygon({{45, 44}, {47, 47}, {45, 50}, {43, 47}}, kBlue);
  card.FillRect(34, 47, 2, 1, kBlack);
  card.FillRect(44, 47, 2, 1, kBlack);
  card.FillEllipse(38, 50, 4, 4, kRed);
  card.FillPolygon({{33, 55}, {47, 55}, {44, 59}, {40, 60}, {36, 59}}, kDarkRed);
  card.FillRect(36, 55, 8, 1, kWhite);
  card.FillEllipse(31, 52, 3, 3, kMagenta);
  card.FillEllipse(46, 52, 3, 3, kMagenta);
}

void DrawMotley(Canvas& card) {
  // Harlequin diamonds on the body, then a pointed ruff over the shoulders.
  DrawOutlined(card, [](Canvas& c) {
    c.FillPolygon({{17, 98}, {19, 80}, {25, 70}, {55, 70}, {61, 80}, {63, 98}}, kRed);
    for (int y = 70; y < kCardHeight - 1; ++y) {
      for (int x = 17; x < 63; ++x) {
        if (c.At(x, y) == kClear) continue;
        const int across = static_cast<int>(std::floor((x - 40) / 12.0 + (y - 70) / 10.0));
        const int down = static_cast<int>(std::floor((x - 40) / 12.0 - (y - 70) / 10.0));
        c.Set(x, y, (across + down) % 2 == 0 ? kRed : kGreen);
      }
    }
  });
  for (int i = 0; i < 7; ++i) {
    const double left = 20 + i * 40.0 / 7;
    DrawOutlined(card, [&](Canvas& c) {
      c.FillPolygon({{left, 62}, {left + 40.0 / 7, 62}, {left + 20.0 / 7, 73}},
                    i % 2 ? kYellow : kWhite);
    });
  }
}

void DrawStar(Canvas& card, double cx, double cy, double size, uint8_t ink) {
  card.FillPolygon({{cx, cy - size},
                    {cx + size * 0.3, cy - size * 0.3},
                    {cx + size, cy},
                    {cx + size * 0.3, cy + size * 0.3},
                    {cx, cy + size},
                    {cx - size * 0.3, cy + size * 0.3},
                    {cx - size, cy},
                    {cx - size * 0.3, cy - size * 0.3}},
                   ink);
}

}  // namespace

Canvas DrawJoker(int scale) {
  Canvas card = BlankCard(scale);
  DrawColumnText(card, "JOKER", 3, 4, 1, kPurple);
  card.Stamp(
      Mask::FromRows({"...#...", "..###..", "#######", ".#####.", "..###..", ".##.##.", ".#...#."}),
      2, 45, kRed);
  card.TurnCopy(1, 3, 9, 50);
  DrawMotley(card);
  DrawJesterHat(card);
  DrawJesterFace(card);
  return card;
}

Canvas DrawBack(int scale) {
  Canvas card = BlankCard(scale);
  constexpr int kInset = 5;
  // Offsets of the lattice lines keep the pattern point-symmetric about the card's centre.
  for (int y = kInset; y < kCardHeight - kInset; ++y) {
    for (int x = kInset; x < kCardWidth - kInset; ++x) {
      const int sum = (x + y) % 8;
      const int difference = ((x - y) % 8 + 8) % 8;
      uint8_t ink = kBlue;
      if (sum == 1 || difference == 2) {
        ink = kCyan;
      } else if ((sum == 5) && (difference == 6)) {
        ink = kWhite;
      }
      card.Set(x, y, ink);
    }
  }
  card.FrameRect(kInset, kInset, kCardWidth - 2 * kInset, kCardHeight - 2 * kInset, kNavy);
  card.FrameRect(kInset + 2, kInset + 2, kCardWidth - 2 * kInset - 4, kCardHeight - 2 * kInset - 4,
                 kWhite);
  card.FrameRect(kInset + 3, kInset + 3, kCardWidth - 2 * kInset - 6, kCardHeight - 2 * kInset - 6,
                 kNavy);
  // A medallion in the middle.
  card.FillEllipse(24, 36, 32, 28, kWhite);
  card.FillEllipse(26, 38, 28, 24, kNavy);
  card.FillEllipse(28, 40, 24, 20, kBlue);
  DrawStar(card, 40, 50, 9, kYellow);
  DrawStar(card, 40, 50, 4, kWhite);
  return card;
}

}  // namespace pictures

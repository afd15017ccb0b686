// Court figures: a framed half-figure drawn in the upper half and turned into the lower half.

#include <array>

#include "tools/pictures/faces.h"
#include "tools/pictures/suits.h"

namespace pictures {

namespace {

constexpr int kJack = 10;
constexpr int kQueen = 11;

constexpr int kFrameLeft = 12;
constexpr int kFrameTop = 7;
constexpr int kFrameWidth = kCardWidth - 2 * kFrameLeft;
constexpr int kFrameHeight = kCardHeight - 2 * kFrameTop;
// The figure is drawn above this row and turned below it.
constexpr int kMiddle = kCardHeight / 2;

struct Robe {
  uint8_t main;
  uint8_t panel;
};

Robe RobeOf(int suit) {
  static constexpr std::array<Robe, 4> robes = {
      {{kBlue, kRed}, {kRed, kYellow}, {kGreen, kRed}, {kPurple, kYellow}}};
  return robes[suit];
}

void DrawBody(Canvas& card, Robe robe, bool queen) {
  DrawOutlined(card, [&](Canvas& c) {
    c.FillPolygon({{21, 50}, {22, 42}, {26, 37}, {33, 34}, {47, 34}, {54, 37}, {58, 42}, {59, 50}},
                  robe.main);
    c.FillPolygon({{35, 34}, {45, 34}, {44, 50}, {36, 50}}, robe.panel);
    c.Line(35, 35, 36, 49, kBlack);
    c.Line(44, 35, 43, 49, kBlack);
    for (int x : {27, 52}) {
      c.Line(x, 40, x, 49, kBlack);
    }
    if (queen) {
      // A low square neckline with a necklace.
      c.FillRect(36, 33, 8, 5, kSkin);
      c.Line(36, 37, 43, 37, kYellow);
      c.FillRect(39, 38, 2, 2, kRed);
    } else {
      for (int y = 39; y < kMiddle; y += 4) {
        c.FillRect(39, y, 2, 2, kYellow);
      }
      c.FillPolygon({{31, 34}, {49, 34}, {45, 38}, {40, 35}, {35, 38}}, kWhite);
      c.FillRect(37, 31, 6, 3, kSkin);
    }
  });
}

void DrawFace(Canvas& c) {
  c.FillEllipse(34, 17, 12, 15, kSkin);
  c.FillRect(36, 23, 2, 1, kBlack);
  c.FillRect(42, 23, 2, 1, kBlack);
  c.Set(37, 24, kBlue);
  c.Set(42, 24, kBlue);
  c.Line(39, 24, 39, 27, kGrey);
  c.FillRect(38, 29, 4, 1, kDarkRed);
}

void DrawKing(Canvas& card, Robe robe) {
  DrawBody(card, robe, false);
  DrawOutlined(card, [](Canvas& c) { c.FillEllipse(32, 15, 16, 19, kSilver); });
  DrawOutlined(card, DrawFace);
  DrawOutlined(card, [](Canvas& c) {
    c.FillPolygon({{34, 27}, {46, 27}, {45, 32}, {40, 36}, {35, 32}}, kSilver);
    c.FillRect(37, 27, 6, 1, kGrey);
    c.FillRect(38, 29, 4, 1, kDarkRed);
  });
  DrawOutlined(card, [](Canvas& c) {
    c.FillPolygon({{33, 19}, {33, 10}, {36.5, 14}, {40, 9}, {43.5, 14}, {47, 10}, {47, 19}},
                  kYellow);
    c.FillRect(33, 17, 14, 1, kDarkRed);
    c.FillRect(39, 15, 2, 2, kRed);
    c.Set(35, 15, kBlue);
    c.Set(44, 15, kBlue);
  });
  // A sword held upright at his side.
  DrawOutlined(card, [](Canvas& c) {
    c.FillRect(58, 11, 2, 29, kSilver);
    c.FillRect(54, 40, 10, 2, kYellow);
    c.FillRect(58, 42, 2, 4, kDarkRed);
  });
  DrawOutlined(card, [](Canvas& c) { c.FillEllipse(56, 44, 6, 5, kSkin); });
}

void DrawQueen(Canvas& card, Robe robe) {
  DrawBody(card, robe, true);
  // Long hair down to the shoulders, a small tiara and a flower in her hand.
  DrawOutlined(card, [](Canvas& c) {
    c.FillEllipse(31, 14, 18, 24, kYellow);
    c.FillRect(31, 28, 18, 7, kYellow);
  });
  DrawOutlined(card, DrawFace);
  DrawOutlined(card, [](Canvas& c) {
    c.FillPolygon({{35, 18}, {35, 12}, {37.5, 15}, {40, 11}, {42.5, 15}, {45, 12}, {45, 18}},
                  kSilver);
    c.FillRect(35, 17, 10, 1, kBlue);
    c.FillRect(39, 14, 2, 2, kRed);
  });
  DrawOutlined(card, [](Canvas& c) {
    c.Line(58, 21, 56, 42, kTeal);
    c.FillPolygon({{57, 31}, {53, 28}, {53, 32}}, kGreen);
  });
  DrawOutlined(card, [](Canvas& c) {
    c.FillEllipse(55, 14, 7, 7, kMagenta);
    c.FillRect(57, 16, 3, 3, kYellow);
  });
  DrawOutlined(card, [](Canvas& c) { c.FillEllipse(53, 41, 6, 5, kSkin); });
}

void DrawJack(Canvas& card, Robe robe) {
  DrawBody(card, robe, false);
  // Short dark hair under a flat cap with a feather, and a halberd.
  DrawOutlined(card, [](Canvas& c) { c.FillEllipse(33, 15, 14, 17, kDarkRed); });
  DrawOutlined(card, DrawFace);
  DrawOutlined(card, [](Canvas& c) {
    c.Line(46, 13, 53, 9, kGreen);
    c.Line(46, 12, 52, 8, kGreen);
  });
  DrawOutlined(card, [&](Canvas& c) {
    c.FillEllipse(31, 11, 18, 8, robe.panel);
    c.FillRect(33, 17, 14, 2, robe.main);
  });
  DrawOutlined(card, [](Canvas& c) {
    c.Line(58, 13, 58, 49, kDarkRed);
    c.FillPolygon({{59, 12}, {64, 14}, {64, 20}, {59, 18}}, kSilver);
    c.FillPolygon({{58.5, 9}, {60.5, 13}, {56.5, 13}}, kSilver);
  });
  DrawOutlined(card, [](Canvas& c) { c.FillEllipse(56, 40, 6, 5, kSkin); });
}

}  // namespace

void DrawCourt(Canvas& card, int suit, int rank) {
  card.FrameRect(kFrameLeft, kFrameTop, kFrameWidth, kFrameHeight, kBlack);
  const Robe robe = RobeOf(suit);
  if (rank == kJack) {
    DrawJack(card, robe);
  } else if (rank == kQueen) {
    DrawQueen(card, robe);
  } else {
    DrawKing(card, robe);
  }
  card.FillRect(kFrameLeft, kMiddle - 1, kFrameWidth, 1, kBlack);
  card.Stamp(PipMask(suit, card.scale()), kFrameLeft + 3, kFrameTop + 3, SuitInk(suit));
  card.TurnCopy(kFrameLeft, kFrameTop, kFrameWidth, kMiddle - kFrameTop);
}

}  // namespace pictures

#include "tools/pictures/faces.h"

#include <array>
#include <vector>

#include "tools/pictures/font.h"
#include "tools/pictures/suits.h"

namespace pictures {

namespace {

// Left edges of the three pip columns and the top of the centred pip.
constexpr std::array<int, 3> kColumns = {16, 34, 52};
constexpr int kMiddleTop = (kCardHeight - kPipHeight) / 2;

struct PipSpot {
  int column;
  int top;
};

// The arrangements of real cards, for the two to the ten.
const std::vector<PipSpot>& PipLayout(int rank) {
  static const std::array<std::vector<PipSpot>, 9> layouts = {{
      {{1, 7}, {1, 79}},
      {{1, 7}, {1, 43}, {1, 79}},
      {{0, 7}, {2, 7}, {0, 79}, {2, 79}},
      {{0, 7}, {2, 7}, {1, 43}, {0, 79}, {2, 79}},
      {{0, 7}, {2, 7}, {0, 43}, {2, 43}, {0, 79}, {2, 79}},
      {{0, 7}, {2, 7}, {1, 25}, {0, 43}, {2, 43}, {0, 79}, {2, 79}},
      {{0, 7}, {2, 7}, {1, 25}, {0, 43}, {2, 43}, {1, 61}, {0, 79}, {2, 79}},
      {{0, 7}, {2, 7}, {0, 31}, {2, 31}, {1, 43}, {0, 55}, {2, 55}, {0, 79}, {2, 79}},
      {{0, 7}, {2, 7}, {1, 19}, {0, 31}, {2, 31}, {0, 55}, {2, 55}, {1, 67}, {0, 79}, {2, 79}},
  }};
  return layouts[rank - 1];
}

void DrawPips(Canvas& card, int suit, int rank) {
  const Mask& sign = PipMask(suit, card.scale());
  for (const PipSpot& spot : PipLayout(rank)) {
    DrawPip(card, sign, kColumns[spot.column], spot.top, kPipWidth, kPipHeight,
            spot.top > kMiddleTop, SuitInk(suit));
  }
}

// The pixels at least `depth` pixels inside the mask.
Mask Inset(const Mask& mask, int depth) {
  Mask inset(mask.width, mask.height, mask.scale);
  depth *= mask.scale;
  const int w = mask.width * mask.scale, h = mask.height * mask.scale;
  for (int y = depth; y < h - depth; ++y) {
    for (int x = depth; x < w - depth; ++x) {
      bool inside = true;
      for (int dy = -depth; dy <= depth && inside; ++dy) {
        for (int dx = -depth; dx <= depth && inside; ++dx) {
          inside = mask.At(x + dx, y + dy);
        }
      }
      inset.Set(x, y, inside);
    }
  }
  return inset;
}

void DrawAce(Canvas& card, int suit) {
  if (suit != kSpades) {
    const int w = suit == kDiamonds ? 26 : 30;
    const int h = suit == kHearts ? 30 : 34;
    DrawPip(card, SuitMask(suit, w, h, card.scale()), 0, 0, kCardWidth, kCardHeight, false,
            SuitInk(suit));
    return;
  }
  // The ace of spades is larger and ornate: a white inline and a jewel in its heart.
  constexpr int kWidth = 44;
  constexpr int kHeight = 50;
  constexpr int kLeft = (kCardWidth - kWidth) / 2;
  constexpr int kTop = (kCardHeight - kHeight) / 2;
  const int scale = card.scale();
  const Mask spade = SuitMask(kSpades, kWidth, kHeight, scale);
  const Mask outer = Inset(spade, 2);
  const Mask inner = Inset(spade, 3);
  Mask inline_(kWidth, kHeight, scale);
  for (int y = 0; y < kHeight * scale; ++y) {
    for (int x = 0; x < kWidth * scale; ++x) {
      inline_.Set(x, y, outer.At(x, y) && !inner.At(x, y));
    }
  }
  card.Stamp(spade, kLeft, kTop, kBlack);
  card.Stamp(inline_, kLeft, kTop, kWhite);
  card.FillPolygon({{40, 39}, {45, 46}, {40, 53}, {35, 46}}, kRed);
  card.FillPolygon({{40, 42}, {42.5, 46}, {40, 50}, {37.5, 46}}, kYellow);
}

}  // namespace

Canvas BlankCard(int scale) {
  Canvas card(kCardWidth, kCardHeight, kWhite, CardPalette(), scale);
  card.FrameRect(0, 0, kCardWidth, kCardHeight, kBlack);
  // Cut corners, in the one color no other pixel of a card has: the card windows let their own
  // background show through it.
  const int right = kCardWidth - 1;
  const int bottom = kCardHeight - 1;
  for (auto [x, y, dx, dy] : std::array<std::array<int, 4>, 4>{
           {{0, 0, 1, 1}, {right, 0, -1, 1}, {0, bottom, 1, -1}, {right, bottom, -1, -1}}}) {
    card.Set(x, y, kDarkGreen);
    card.Set(x + dx, y, kDarkGreen);
    card.Set(x, y + dy, kDarkGreen);
    card.Set(x + dx, y + dy, kBlack);
  }
  return card;
}

void DrawIndex(Canvas& card, const Mask& glyph, const Mask& sign, uint8_t ink) {
  constexpr int kCentre = 5;
  card.Stamp(glyph, kCentre - glyph.width / 2, 4, ink);
  card.Stamp(sign, kCentre - sign.width / 2, 6 + kGlyphHeight, ink);
  card.TurnCopy(1, 3, 9, 18);
}

void DrawPip(Canvas& card, const Mask& sign, int left, int top, int boxWidth, int boxHeight,
             bool turned, uint8_t ink) {
  card.Stamp(turned ? sign.Turned() : sign, left + (boxWidth - sign.width) / 2,
             top + (boxHeight - sign.height) / 2, ink);
}

void DrawOutlined(Canvas& card, const std::function<void(Canvas&)>& draw) {
  Canvas layer(card.width(), card.height(), kClear, card.palette(), card.scale());
  draw(layer);
  layer.Outline(kBlack);
  card.Draw(layer, 0, 0);
}

Canvas DrawFace(int suit, int rank, int scale) {
  Canvas card = BlankCard(scale);
  DrawIndex(card, RankGlyph(rank), SmallSuitMask(suit), SuitInk(suit));
  if (rank == 0) {
    DrawAce(card, suit);
  } else if (rank <= 9) {
    DrawPips(card, suit, rank);
  } else {
    DrawCourt(card, suit, rank);
  }
  return card;
}

}  // namespace pictures

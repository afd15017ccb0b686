// The table screen as the panels lay it out and the painters draw it: the places and texts of the
// labels, the pixels of the frames, tables and decorations, the meter panel, the double-up screen
// and the pile marker.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include <utility>

#include "platform/events.h"
#include "platform/image.h"
#include "tests/ui/screen_fixture.h"
#include "ui/palette.h"
#include "ui/pile_marker.h"

using platform::Image;
using platform::Rect;

namespace {

// At the reference width and wider, where the right-hand tables and what hangs on them move by
// the excess width and the left-hand panels stay.
class WidthTest : public ScreenTest, public testing::WithParamInterface<int> {};

TEST_P(WidthTest, RightHandPanelsFollowTheClientWidth) {
  const int width = GetParam();
  const int d = width - 544;
  Open(width);
  const Image shot = Shot();

  // The pay tables, the succeeded box, the meter panel, the double-up screen (the pixels below
  // find the rest).
  const std::tuple<const Label*, int, int, int, int> boxes[] = {
      {&successesTable[kSuccessCountColumn + 1], 11, 24, 151, 37},
      {&cardTracker[51], 504 + d, 133, 516 + d, 145},
      {&cardsCaption, 10, 139, 130, 149},
      {&succeededMeter, 151, 119, 213, 150},
      {&paidCaption, 10, 363, 70, 383},
      {&saveMeter, 75, 363, 115, 383},
      {&doubleTitleBars[1], 384 + d, 10, 534 + d, 25},
      {&doubleTitle, 160, 5, 384 + d, 30},
      {&bonusCardsValue, 349 + d, 40, 429 + d, 60},
      {&tryLuckCount, 215, 80, 255, 100},
      {&coinsCaptions[2], 429 + d, 80, 509 + d, 100},
      {&doubleDownMessage, 10, 100, 534 + d, 130},
      {&higherQuestion, 10, 130, 534 + d, 150},
      {&congratulationsMessage, 10, 170, 534 + d, 200},
  };
  for (const auto& [label, left, top, right, bottom] : boxes)
    EXPECT_EQ(label->rect, (Rect{left, top, right, bottom})) << left << "," << top;

  EXPECT_EQ(succeededMeter.textRect, (Rect{156, 124, 208, 145}));
  EXPECT_EQ(numberOfCaption.textRect, (Rect{12, 119, 130, 129}));
  EXPECT_EQ(tryLuckValue.textRect, (Rect{349 + d, 80, 428 + d, 99}));
  EXPECT_EQ(coinsCaptions[0].textRect, (Rect{430 + d, 41, 510 + d, 61}));

  for (int j = 0; j < kCardCaptions; ++j) {
    const Rect& slot = slotRects[j % kHandSize];
    EXPECT_EQ(cardCaptions[j].rect, (Rect{slot.left, 260, slot.left + 80, 280})) << j;
    EXPECT_EQ(cardCaptions[j].textRect, (Rect{slot.left + 1, 261, slot.left + 79, 279})) << j;
  }
  // The card slots spread over the width: the meter panel's message slot spans card columns 1..3,
  // the credits end under column 4.
  const auto [column1, column3, column4] = width == 544   ? std::tuple(121, 423, 534)
                                           : width == 644 ? std::tuple(146, 498, 634)
                                                          : std::tuple(160, 540, 690);
  EXPECT_EQ(gameOverMessage.rect, (Rect{column1, 323, column3, 353}));
  EXPECT_EQ(insertCoinBetOrDealPrompt.rect, (Rect{column1, 323, column3, 363}));
  EXPECT_EQ(doubleRulesNotice.rect, (Rect{column1, 343, column3, 383}));
  EXPECT_EQ(creditsCaption.rect, (Rect{column4 - 70, 323, column4, 343}));
  EXPECT_EQ(creditsMeter.rect, (Rect{column4 - 70, 343, column4, 363}));

  // Boxes, found as the extent of their fill among the grey rules and the table background. The
  // frame's top edge covers the first row of the headings.
  EXPECT_EQ(WhereColor(shot, {325 + d, 0, 443 + d, 23}, kPanelBlue),
            (Rect{334 + d, 11, 443 + d, 22}));
  EXPECT_EQ(WhereColor(shot, {0, 0, 151, 24}, kPanelBlue), (Rect{11, 11, 151, 23}));
  EXPECT_EQ(WhereColor(shot, {140, 20, 230, 120}, kRed), (Rect{152, 24, 212, 115}));
  EXPECT_EQ(WhereColor(shot, {0, 112, 160, 160}, kGrey), (Rect{10, 119, 150, 150}));
  EXPECT_TRUE(
      Inside(WhereColor(shot, {330 + d, 0, 450 + d, 23}, kWhite), {334 + d, 10, 443 + d, 22}));

  // Color at (x, y), x moving with the right-hand tables when flagged: the count and bonus tables'
  // edges, rules and outsides; the tracker frame and its end without the strip picture; the counter
  // arrow, its tip and slope, short of the meter's frame; the pile frame, 5 pixels wide and ten
  // short of the tracker, and inside it the pile window's place.
  const std::tuple<int, int, Color, bool> probes[] = {
      {10, 60, kLightGrey, false},   {212, 60, kLightGrey, false}, {100, 10, kLightGrey, false},
      {100, 115, kLightGrey, false}, {100, 23, kLightGrey, false}, {151, 60, kLightGrey, false},
      {9, 60, kTable, false},        {333, 50, kLightGrey, true},  {533, 50, kLightGrey, true},
      {400, 83, kLightGrey, true},   {400, 22, kLightGrey, true},  {443, 50, kLightGrey, true},
      {488, 50, kLightGrey, true},   {534, 50, kTable, true},      {332, 50, kTable, true},
      {333, 120, kLightGrey, true},  {338, 120, kPanelBlue, true}, {135, 134, kGrey, false},
      {148, 134, kGrey, false},      {140, 122, kTable, false},    {150, 134, kTable, false},
      {151, 134, kLightGrey, false}, {221, 80, kGreen, false},     {225, 80, kGreen, false},
      {226, 80, kTable, false},      {322, 80, kGreen, true},      {270, 20, kGreen, false},
      {270, 140, kGreen, false},     {272, 80, kTable, false}};
  for (const auto& [x, y, color, moves] : probes)
    EXPECT_EQ(shot.Pixel(x + (moves ? d : 0), y), color) << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(Widths, WidthTest, testing::Values(544, 644, 700));

TEST_F(ScreenTest, PileMarkerCrossesTheRowAndColumnOfItsCard) {
  Open(544);
  EXPECT_EQ(Count(Shot(), cardTrackerFrame.rect, kCyan), 0);

  const int fiveOfHearts = 13 + 4;  // cell (400, 107)-(412, 119)
  MovePileMarker(window, fiveOfHearts, kCyan);
  platform::RunUntilIdle();
  Image shot = Shot();
  // The row lines run from the strips' ends, the lower right one a pixel further; the column
  // lines from the frame's top to its bottom.
  const std::tuple<int, int, Color> probes[] = {
      {343, 106, kCyan}, {342, 106, kPanelBlue}, {523, 106, kCyan},      {524, 106, kPanelBlue},
      {412, 119, kCyan}, {524, 119, kCyan},      {525, 119, kPanelBlue}, {399, 89, kCyan},
      {399, 149, kCyan}, {399, 150, kLightGrey}, {412, 95, kCyan}};
  for (const auto& [x, y, color] : probes)
    EXPECT_EQ(shot.Pixel(x, y), color) << x << "," << y;

  // Moving on repaints the old lines in the tracker's own color.
  MovePileMarker(window, 0, kCyan);
  platform::RunUntilIdle();
  shot = Shot();
  EXPECT_EQ(std::pair(shot.Pixel(399, 149), shot.Pixel(347, 140)), std::pair(kPanelBlue, kCyan));

  // A card without a tracker cell leaves the marker alone.
  MovePileMarker(window, -1, kRed);
  EXPECT_EQ(std::pair(pileMarker.color, pileMarker.segments[4].x0), std::pair(kCyan, 347));
}

TEST_F(ScreenTest, TextsAndStatesAtCreation) {
  Open(544);
  const std::pair<const Label*, const char*> texts[] = {
      {&successesTable[kSuccessCountColumn + 7], "10    -    13  CARDS"},
      {&successesTable[kSuccessPayColumn + 1], "100"},
      {&specialBonusPanel[kSpecialPayColumn + 1], "200"},
      {&cardTracker[13 * 2 + 10], "J"},
      {&cardCaptions[4], "SELECTABLE"},
  };
  for (const auto& [label, text] : texts)
    EXPECT_EQ(label->text, text);
  for (const Label* meter : {&wagerMeter, &winMeter, &saveMeter, &paidMeter, &creditsMeter})
    EXPECT_EQ(meter->text, "0");
  for (const Label* hidden : {&goodLuckMessage, &selectCardPrompt, &doubleRulesNotice,
                              &doubleDownMessage, &higherQuestion, &congratulationsMessage})
    EXPECT_EQ(hidden->visible, 0);

  // The meter panel: captions and meters in their colors inside their boxes.
  const Image shot = Shot();
  const std::tuple<Rect, Color, const char*> inks[] = {
      {{10, 323, 70, 343}, kCyan, "WAGER"},     {{75, 323, 115, 343}, kWhite, "wager 0"},
      {{10, 343, 70, 363}, kYellow, "WIN"},     {{10, 363, 70, 383}, kYellow, "PAID"},
      {{464, 323, 534, 343}, kCyan, "CREDITS"}, {{464, 343, 534, 363}, kWhite, "credits 0"},
  };
  for (const auto& [box, color, what] : inks) {
    EXPECT_TRUE(Inside(WhereColor(shot, box, color), box)) << what;
    EXPECT_GT(Count(shot, box, color), 10) << what;
  }
  // Right-aligned numbers end at the right edge of their box; plain text has no outline.
  EXPECT_GE(WhereColor(shot, {75, 323, 115, 343}, kWhite).right, 112);
  EXPECT_EQ(Count(shot, {10, 323, 115, 383}, kRed), 0);

  // "GAME OVER": red letters outlined in white, centred in the message slot.
  const Rect slot{121, 323, 423, 353}, red = WhereColor(shot, slot, kRed),
                                       white = WhereColor(shot, slot, kWhite);
  EXPECT_GT(Count(shot, slot, kRed), 200);
  EXPECT_TRUE(Inside(red, white)) << "the outline surrounds the letters";
  EXPECT_NEAR((white.left + white.right) / 2, 272, 2);
  EXPECT_EQ(Count(shot, {0, 150, 544, 300}, kYellow), 0) << "the card captions start hidden";
}

TEST_F(ScreenTest, DoubleScreen) {
  Open(544, true);
  cardWindows[kPileWindow] = MakeChild(window, 232, 30, 80, 100);
  tryLuckCount.backColor = kRed;
  collectableValue.backColor = kRed;
  Repaint();
  const Image shot = Shot();
  for (const Rect& bar : {Rect{10, 10, 160, 25}, Rect{384, 10, 534, 25}}) {
    EXPECT_EQ(WhereColor(shot, {bar.left - 2, 0, bar.right + 2, 35}, kRed),
              (Rect{bar.left + 1, bar.top + 1, bar.right - 1, bar.bottom - 1}));
    EXPECT_EQ(WhereColor(shot, {bar.left - 2, 0, bar.right + 2, 35}, kBlack), bar);
  }
  EXPECT_TRUE(Inside(WhereColor(shot, {0, 0, 544, 35}, kYellow), {160, 5, 384, 30}));
  EXPECT_TRUE(Inside(WhereColor(shot, {0, 38, 544, 62}, kWhite), {35, 40, 429, 60}));
  EXPECT_TRUE(Inside(WhereColor(shot, {0, 38, 544, 102}, kCyan), {35, 40, 510, 100}));
  EXPECT_GT(Count(shot, {429, 80, 509, 100}, kCyan), 10) << "COINS in the third row";
  EXPECT_EQ(Count(shot, {0, 100, 544, 150}, kRed), 0) << "the messages start hidden";
  // The pile is hidden and the values are repainted on the background.
  EXPECT_FALSE(platform::IsWindowVisible(cardWindows[kPileWindow]));
  EXPECT_EQ(Count(shot, {215, 60, 429, 100}, kRed), 0);
}

TEST_F(ScreenTest, BackgroundColorReachesExactlyTheLabelsOnTheBackground) {
  Open(544);
  const auto labels = BackgroundLabels();
  const std::set<const Label*> distinct(labels.begin(), labels.end());
  EXPECT_EQ(distinct.size(), 47u);
  for (const Label* label : labels)
    EXPECT_EQ(label->backColor, kTable);

  const Color before = specialBonusPanel[kSpecialPayColumn + 1].backColor;
  ApplyBackgroundColor(platform::Rgb(10, 20, 30));
  EXPECT_EQ(std::tuple(cardCaptions[0].backColor, doubleTitle.backColor,
                       specialBonusPanel[kSpecialPayColumn + 1].backColor),
            std::tuple(platform::Rgb(10, 20, 30), platform::Rgb(10, 20, 30), before));
}

}  // namespace

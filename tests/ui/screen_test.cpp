#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include <utility>

#include "tests/ui/screen_fixture.h"

using platform::Rect;

namespace {

class LayoutTest : public ScreenTest, public testing::WithParamInterface<int> {};

// What follows the client width moves by its excess over 544; the left-hand panels stay.
TEST_P(LayoutTest, RightHandPanelsFollowTheClientWidth) {
  const int width = GetParam();
  const int d = width - 544;
  Open(width);

  // The pay tables, the succeeded box, the meter panel, the double-up screen (the painter tests
  // find the rest at their pixels).
  const std::tuple<const Label*, int, int, int, int> boxes[] = {
      {&successesTable[kSuccessCountColumn + 1], 11, 24, 151, 37},
      {&cardTracker[51], 504 + d, 133, 516 + d, 145},
      {&succeededFrame, 10, 119, 130, 150},
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
}

INSTANTIATE_TEST_SUITE_P(Widths, LayoutTest, testing::Values(544, 644, 700));

TEST_F(ScreenTest, TextsAndStatesAtCreation) {
  Open(544);
  const std::pair<const Label*, const char*> texts[] = {
      {&successesTable[kSuccessCountColumn + 7], "10    -    13  CARDS"},
      {&successesTable[kSuccessPayColumn + 1], "100"},
      {&specialBonusPanel[kSpecialPayColumn + 1], "200"},
      {&specialBonusPanel[kSpecialHitsColumn + 1], "0"},
      {&cardTracker[13 * 2 + 10], "J"},
      {&succeededMeter, "52"},
      {&cardCaptions[4], "SELECTABLE"},
  };
  for (const auto& [label, text] : texts)
    EXPECT_EQ(label->text, text);
  for (const Label* meter : {&wagerMeter, &winMeter, &saveMeter, &paidMeter, &creditsMeter})
    EXPECT_EQ(meter->text, "0");
  // What is shown at creation the painter tests find at its pixels.
  for (const Label* hidden : {&goodLuckMessage, &selectCardPrompt, &doubleRulesNotice,
                              &doubleDownMessage, &higherQuestion, &congratulationsMessage})
    EXPECT_EQ(hidden->visible, 0);
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

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "tests/ui/screen_fixture.h"

using platform::Rect;

namespace {

class LayoutTest : public ScreenTest, public testing::WithParamInterface<int> {};

// What follows the client width moves by its excess over 544; the left-hand panels stay.
TEST_P(LayoutTest, RightHandPanelsFollowTheClientWidth) {
  const int width = GetParam();
  const int d = width - 544;
  Open(width);

  struct Expected {
    const char* name;
    const Label& label;
    Rect rect;
  };
  const Expected boxes[] = {
      {"successes heading", successesTable[0], {11, 10, 151, 23}},
      {"successes row 1", successesTable[1], {11, 24, 151, 37}},
      {"successes last pay", successesTable[15], {152, 102, 212, 115}},
      {"special heading", specialBonusPanel[0], {334 + d, 10, 443 + d, 22}},
      {"special flush", specialBonusPanel[5], {334 + d, 71, 443 + d, 83}},
      {"special pays heading", specialBonusPanel[6], {444 + d, 10, 488 + d, 22}},
      {"special last hits", specialBonusPanel[17], {489 + d, 71, 533 + d, 83}},
      {"tracker frame", cardTrackerFrame, {333 + d, 88, 534 + d, 151}},
      {"ace of spades", cardTracker[0], {348 + d, 94, 360 + d, 106}},
      {"king of diamonds", cardTracker[51], {504 + d, 133, 516 + d, 145}},
      {"succeeded box", succeededFrame, {10, 119, 130, 150}},
      {"cards caption", cardsCaption, {10, 139, 130, 149}},
      {"succeeded meter", succeededMeter, {151, 119, 213, 150}},
      {"wager", wagerCaption, {10, 323, 70, 343}},
      {"wager meter", wagerMeter, {75, 323, 115, 343}},
      {"paid", paidCaption, {10, 363, 70, 383}},
      {"save meter", saveMeter, {75, 363, 115, 383}},
      {"title bar 0", doubleTitleBars[0], {10, 10, 160, 25}},
      {"title bar 1", doubleTitleBars[1], {384 + d, 10, 534 + d, 25}},
      {"title", doubleTitle, {160, 5, 384 + d, 30}},
      {"bonus value", bonusCardsValue, {349 + d, 40, 429 + d, 60}},
      {"try luck count", tryLuckCount, {215, 80, 255, 100}},
      {"coins 2", coinsCaptions[2], {429 + d, 80, 509 + d, 100}},
      {"double-up band", doubleDownMessage, {10, 100, 534 + d, 130}},
      {"question band", higherQuestion, {10, 130, 534 + d, 150}},
      {"congratulations", congratulationsMessage, {10, 170, 534 + d, 200}},
  };
  for (const Expected& e : boxes) {
    EXPECT_EQ(e.label.rect, e.rect) << e.name;
  }

  // Columns and rows of the tracker keep a 13-pixel pitch.
  EXPECT_EQ(cardTracker[12].rect.left - cardTracker[11].rect.left, 13);
  EXPECT_EQ(cardTracker[13].rect.top - cardTracker[0].rect.top, 13);
  EXPECT_EQ(succeededMeter.textRect, (Rect{156, 124, 208, 145}));
  EXPECT_EQ(numberOfCaption.textRect, (Rect{12, 119, 130, 129}));
  EXPECT_EQ(tryLuckValue.textRect, (Rect{349 + d, 80, 428 + d, 99}));
  EXPECT_EQ(coinsCaptions[0].textRect, (Rect{430 + d, 41, 510 + d, 61}));

  for (int j = 0; j < kCardCaptions; ++j) {
    const Rect& slot = slotRects[j % kHandSize];
    EXPECT_EQ(cardCaptions[j].rect, (Rect{slot.left, 260, slot.left + 80, 280})) << j;
    EXPECT_EQ(cardCaptions[j].textRect, (Rect{slot.left + 1, 261, slot.left + 79, 279})) << j;
  }
  // The meter panel's message slot spans card columns 1..3, the credits end under column 4.
  EXPECT_EQ(gameOverMessage.rect, (Rect{slotRects[1].left, 323, slotRects[3].right, 353}));
  EXPECT_EQ(insertCoinBetOrDealPrompt.rect,
            (Rect{slotRects[1].left, 323, slotRects[3].right, 363}));
  EXPECT_EQ(doubleRulesNotice.rect, (Rect{slotRects[1].left, 343, slotRects[3].right, 383}));
  EXPECT_EQ(creditsCaption.rect, (Rect{slotRects[4].right - 70, 323, slotRects[4].right, 343}));
  EXPECT_EQ(creditsMeter.rect, (Rect{slotRects[4].right - 70, 343, slotRects[4].right, 363}));
}

INSTANTIATE_TEST_SUITE_P(Widths, LayoutTest, testing::Values(544, 644, 700));

TEST_F(ScreenTest, WiderClientPlacesTheMessageSlotAndCreditsAsTheCardsDo) {
  Open(644);
  EXPECT_EQ(gameOverMessage.rect.left, 146);
  EXPECT_EQ(gameOverMessage.rect.right, 498);
  EXPECT_EQ(creditsCaption.rect.left, 564);
  EXPECT_EQ(creditsCaption.rect.right, 634);
}

TEST_F(ScreenTest, TextsAndStatesAtCreation) {
  Open(544);
  EXPECT_EQ(successesTable[1].text, "               52  CARDS");
  EXPECT_EQ(successesTable[7].text, "10    -    13  CARDS");
  EXPECT_EQ(successesTable[9].text, "100");
  EXPECT_EQ(specialBonusPanel[7].text, "200");
  EXPECT_EQ(specialBonusPanel[11].text, "1");
  EXPECT_EQ(specialBonusPanel[13].text, "0");
  EXPECT_EQ(cardTracker[9].text, "10");
  EXPECT_EQ(cardTracker[13 * 2 + 10].text, "J");
  EXPECT_EQ(succeededMeter.text, "52");
  EXPECT_EQ(cardCaptions[5].text, "DEALER");
  EXPECT_EQ(cardCaptions[9].text, "PLAYER");
  EXPECT_EQ(doubleRulesNotice.text, "ACE IS HIGH && 2 IS LOW\nALL PUSHES ARE REPLAYED");
  EXPECT_EQ(doublePushMessage.text, "PUSH !  TRY AGAIN");
  for (const Label* meter : {&wagerMeter, &winMeter, &saveMeter, &paidMeter, &creditsMeter})
    EXPECT_EQ(meter->text, "0");

  for (const Label& caption : cardCaptions)
    EXPECT_EQ(caption.visible, 0);
  for (const Label* shown : {&gameOverMessage, &wagerCaption, &paidMeter, &doubleTitle,
                             &tryLuckCount, &coinsCaptions[2]})
    EXPECT_EQ(shown->visible, 1);
  for (const Label* hidden : {&goodLuckMessage, &selectCardPrompt, &doubleRulesNotice,
                              &doubleDownMessage, &higherQuestion, &congratulationsMessage})
    EXPECT_EQ(hidden->visible, 0);
}

TEST(SuccessCaption, RangesAndSingleCountsHaveFixedSpacing) {
  EXPECT_EQ(SuccessCaption(29, 30), "29    -    30  CARDS");
  EXPECT_EQ(SuccessCaption(43, 43), "               43  CARDS");
}

TEST_F(ScreenTest, CardCaptionsStopAtTheFirstMissingCardWindow) {
  Open(544);
  for (Label& caption : cardCaptions)
    caption.rect = {};
  slotRects[2] = {};
  LayoutCardCaptions();
  EXPECT_EQ(cardCaptions[1].rect.left, 121);
  EXPECT_EQ(cardCaptions[6].rect.left, 121);
  EXPECT_EQ(cardCaptions[3].rect, Rect{});
  EXPECT_EQ(cardCaptions[8].rect, Rect{});
}

TEST_F(ScreenTest, BackgroundColourReachesExactlyTheLabelsOnTheBackground) {
  Open(544);
  const auto labels = BackgroundLabels();
  const std::set<const Label*> distinct(labels.begin(), labels.end());
  EXPECT_EQ(distinct.size(), 47u);
  for (const Label* label : labels)
    EXPECT_EQ(label->backColor, kTable);

  const Color before = specialBonusPanel[7].backColor;
  ApplyBackgroundColor(platform::Rgb(10, 20, 30));
  EXPECT_EQ(cardCaptions[0].backColor, platform::Rgb(10, 20, 30));
  EXPECT_EQ(doubleTitle.backColor, platform::Rgb(10, 20, 30));
  EXPECT_EQ(specialBonusPanel[7].backColor, before);
  for (const Label* fixed : {&successesTable[0], &specialBonusPanel[0], &cardTrackerFrame,
                             &cardTracker[0], &succeededFrame, &numberOfCaption, &succeededMeter,
                             &doubleTitleBars[0], &doubleTitleBars[1]})
    EXPECT_EQ(distinct.count(fixed), 0u);
}

}  // namespace

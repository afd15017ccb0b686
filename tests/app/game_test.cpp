// Whole games on the fake clock: what the table shows after every card, the end of a game, the
// bet buttons, and the card-count bonus with its SUCCESSES table.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <map>

#include "core/card_bonus.h"
#include "core/play.h"
#include "platform/image.h"
#include "tests/app/game_driver.h"
#include "ui/panels.h"
#include "ui/pile_marker.h"

using namespace platform;

namespace {

std::string Name(const Card& card) {
  if (card.isJoker == 1) return "*";
  static const char* const kRanks[] = {"A", "2", "3", "4", "5", "6", "7",
                                       "8", "9", "T", "J", "Q", "K"};
  return std::string(kRanks[card.rank]) + "SHCD"[card.suit];
}

// Always the first playable card, from the canonical order: spades, hearts, clubs, diamonds.
const char* const kCanonicalPlays =
    "AS 6S 7S 8S 9S TS JS QS KS 2S 2H AH 4H 5H 6H 7H 8H 9H TH JH QH KH 3H 3S 3C AC 5C 6C 7C 8C "
    "9C TC JC QC KC 2C 2D AD 4D 5D 6D 7D 8D 9D TD JD QD KD 3D ";

// The SUCCESSES row a count highlights: row 7 from 10, 6 from 14, ... 2 from 26, 1 at 52.
int HighlightedRowFor(int count) {
  const int firsts[] = {52, 26, 23, 20, 17, 14, 10};
  for (int row = 1; row <= 7; ++row) {
    if (count >= firsts[row - 1]) return row;
  }
  return 0;
}

int HighlightedRow() {
  int found = 0;
  for (int row = 1; row <= 7; ++row) {
    if (successesTable[row].backColor != kRed) continue;
    EXPECT_EQ(found, 0) << "two rows highlighted";
    EXPECT_EQ(successesTable[8 + row].backColor, kWhite);
    EXPECT_EQ(successesTable[8 + row].textColor, kRed);
    found = row;
  }
  return found;
}

std::vector<std::string> Column(int first) {
  std::vector<std::string> texts;
  for (int row = 1; row <= 7; ++row)
    texts.push_back(successesTable[first + row - 1].text);
  return texts;
}

// Captions under playable cards only; tracker: hand yellow, played black, next red, rest white.
void ExpectTableShowsHand(const std::vector<const Card*>& played, bool hint) {
  for (int i = 0; i < kHandSize; ++i) {
    const bool playable = IsWindowEnabled(selectButtons[i]);
    EXPECT_EQ(cardCaptions[i].visible == 1, playable) << i;
    EXPECT_EQ(IsWindowEnabled(cardWindows[i]), playable) << i;
  }
  std::vector<Color> expected(52, kWhite);
  for (const Card* c : played)
    expected[GridIndex(*c)] = kBlack;
  for (const Card* c : handSlots) {
    if (GridIndex(*c) >= 0) expected[GridIndex(*c)] = kYellow;
  }
  if (hint && GridIndex(*deck.DrawNext(0)) >= 0) expected[GridIndex(*deck.DrawNext(0))] = kRed;
  for (int k = 0; k < 52; ++k)
    EXPECT_EQ(cardTracker[k].textColor, expected[k]) << "cell " << k;
}

}  // namespace

TEST_F(GameTest, CanonicalGameFollowsTheDeckToItsEndAndPaysAtCollect) {
  StartWith(100, 1, /*hint=*/1);
  Command(kCmdOneBet);
  EXPECT_EQ(wagerMeter.text, "1");
  EXPECT_EQ(creditsMeter.text, "99");
  EXPECT_EQ(gameOverMessage.visible, 0);
  EXPECT_EQ(insertCoinBetOrDealPrompt.visible, 1);
  EXPECT_EQ(insertCoinBetOrDealPrompt.text, "INSERT COIN,\nBET OR DEAL");
  EXPECT_TRUE(IsWindowEnabled(dealDrawButton));
  AdvanceBy(1000);
  EXPECT_EQ(succeededMeter.text, "0");

  Command(kCmdDealDraw);
  EXPECT_EQ(goodLuckMessage.visible, 1);
  EXPECT_EQ(goodLuckMessage.text, "GOOD LUCK");
  EXPECT_EQ(insertCoinBetOrDealPrompt.visible, 0);
  for (Window* b : {dealDrawButton, oneBetButton, repeatBetButton})
    EXPECT_FALSE(IsWindowEnabled(b));
  AdvanceBy(2000);
  EXPECT_EQ(goodLuckMessage.visible, 0);
  EXPECT_EQ(selectCardPrompt.visible, 1);
  EXPECT_EQ(selectCardPrompt.text, "SELECT A CARD");
  EXPECT_EQ(cardCaptions[0].text, "SELECTABLE");
  EXPECT_EQ(GetFocus(), selectButtons[0]);
  // A-2-3-4-5 of spades is a straight flush.
  EXPECT_EQ(specialBonusPanel[12 + 2].text, "1");
  EXPECT_EQ(specialBonusPanel[2].backColor, kRed);
  std::vector<const Card*> played;
  ExpectTableShowsHand(played, true);

  std::string plays;
  while (selectCardPrompt.visible == 1) {
    ASSERT_LT(played.size(), 52u);
    PlayFirst();
    played.push_back(pileTop);
    plays += Name(*pileTop) + " ";
    const int count = static_cast<int>(played.size());
    ASSERT_EQ(cardsSucceeded, count);
    EXPECT_EQ(succeededMeter.text, std::to_string(count));
    EXPECT_EQ(HighlightedRow(), HighlightedRowFor(count)) << "count " << count;
    EXPECT_EQ(pileMarker.color, kCyan);
    const Rect cell = cardTracker[GridIndex(*pileTop)].rect;
    EXPECT_EQ(pileMarker.segments[4].x0, cell.left - 1);
    EXPECT_EQ(pileMarker.segments[0].y0, cell.top - 1);
    if (selectCardPrompt.visible == 1) ExpectTableShowsHand(played, true);
    if (count == 1) {
      const Image shot = Screenshot(mainWindow);
      EXPECT_EQ(shot.Pixel(cell.left - 1, cardTrackerFrame.rect.top + 3), kCyan);
      EXPECT_EQ(shot.Pixel(cardTrackerFrame.rect.left + 12, cell.bottom), kCyan);
    }
    if (count == 26) {
      EXPECT_EQ(Column(1)[1], SuccessCaption(26, 28));
    }
    if (count == 29) {  // the first scroll: 29-30 comes in at row 2, 10-13 drops out
      EXPECT_EQ(Column(1)[1], SuccessCaption(29, 30));
      EXPECT_EQ(Column(1)[6], SuccessCaption(14, 16));
      EXPECT_EQ(Column(9), (std::vector<std::string>{"100", "10", "8", "6", "4", "3", "2"}));
    }
  }
  EXPECT_EQ(plays, kCanonicalPlays);
  EXPECT_EQ(handSlots[0], &emptyCard);  // the deck ran out
  EXPECT_EQ(Column(1)[1], SuccessCaption(49, 49));
  EXPECT_EQ(Column(1)[6], SuccessCaption(44, 44));
  EXPECT_EQ(Column(9), (std::vector<std::string>{"100", "55", "50", "45", "40", "35", "30"}));
  EXPECT_EQ(specialBonusPanel[12 + 2].text, "2");  // straight flush
  EXPECT_EQ(specialBonusPanel[12 + 5].text, "7");  // flush
  EXPECT_EQ(specialBonusPanel[5].textColor, kYellow);
  EXPECT_EQ(specialBonusPanel[3].textColor, kWhite);

  std::map<std::pair<int, unsigned>, int> tally;
  for (const SoundEvent& s : sounds)
    ++tally[{s.id, s.flags}];
  EXPECT_EQ((tally[{122, 7}]), 1);
  EXPECT_EQ((tally[{123, 7}]), 49);  // one per play
  EXPECT_EQ((tally[{123, 6}]), 52);  // five dealt, then a refill for all but the last two
  EXPECT_EQ((tally[{124, 7}]), 1);
  EXPECT_EQ((tally[{110, 7}]), 2);
  EXPECT_EQ((tally[{107, 7}]), 7);

  // 49 cards pay 55, two straight flushes 40, seven flushes 7.
  EXPECT_EQ(doubleMode, 1);
  EXPECT_EQ(gameState.win, 102);
  EXPECT_EQ(winMeter.text, "102");
  Command(kCmdCollect);
  AdvanceBy(2000);
  EXPECT_EQ(gameState.credits, 201);
  EXPECT_EQ(creditsMeter.text, "201");

  // The next game restores the scrolled captions on the screen too, not only in the labels.
  Command(kCmdOneBet);
  AdvanceBy(1000);
  EXPECT_EQ(Column(1)[6], SuccessCaption(10, 13));
  EXPECT_EQ(HighlightedRow(), 0);
  const Image shown = Screenshot(mainWindow);
  InvalidateRect(mainWindow, nullptr, true);
  UpdateWindow(mainWindow);
  const Image fresh = Screenshot(mainWindow);
  const Rect table{successesTable[0].rect.left, successesTable[0].rect.top,
                   successesTable[15].rect.right, successesTable[15].rect.bottom};
  int differing = 0;
  for (int y = table.top; y < table.bottom; ++y) {
    for (int x = table.left; x < table.right; ++x)
      differing += shown.Pixel(x, y) != fresh.Pixel(x, y);
  }
  EXPECT_EQ(differing, 0);
}

TEST_F(GameTest, PlayingAJokerCountsNothingAndHidesThePileMarker) {
  StartWith(100, 0, 0, /*jokers=*/1);
  BetOneAndDeal();
  while (pileTop->isJoker != 1 && selectCardPrompt.visible == 1)
    PlayFirst();
  ASSERT_EQ(pileTop->isJoker, 1);  // the joker comes last, right after the king of diamonds
  EXPECT_EQ(cardsSucceeded, 48);
  EXPECT_EQ(succeededMeter.text, "48");
  EXPECT_EQ(pileMarker.color, kPanelBlue);
  EXPECT_EQ(Cell(3, 12).textColor, kBlack);
  EXPECT_EQ(handSlots[0], &emptyCard);
  PlayFirst();
  EXPECT_EQ(Name(*pileTop), "3D");
  EXPECT_EQ(cardsSucceeded, 49);
  EXPECT_EQ(pileMarker.color, kCyan);
  EXPECT_EQ(pileMarker.segments[4].x0, Cell(3, 2).rect.left - 1);
}

TEST_F(GameTest, AShortGameWithoutHitEndsInGameOverAndKeepsTheWager) {
  StartWith(100, 0, 0, 0, /*level=*/1);
  Command(kCmdOneBet);
  AdvanceTo(1008);  // this tick deals a hand that matches only three times
  Command(kCmdDealDraw);
  AdvanceBy(2000);
  while (selectCardPrompt.visible == 1)
    PlayFirst();
  EXPECT_EQ(cardsSucceeded, 3);
  EXPECT_EQ(gameOverMessage.visible, 1);
  EXPECT_EQ(doubleMode, 0);
  EXPECT_EQ(gameState.credits, 99);
  EXPECT_EQ(creditsMeter.text, "99");
  EXPECT_EQ(gameState.bet, 0);
  EXPECT_EQ(gameState.lastBet, 1);
  EXPECT_TRUE(IsWindowEnabled(repeatBetButton));
  EXPECT_EQ(GetFocus(), repeatBetButton);
}

TEST_F(GameTest, TheLastCreditLeavesOnlyDealAndItsPrompt) {
  StartWith(2, 0);
  Command(kCmdOneBet);
  EXPECT_TRUE(IsWindowEnabled(oneBetButton));
  EXPECT_EQ(insertCoinBetOrDealPrompt.visible, 1);
  Command(kCmdOneBet);
  EXPECT_EQ(creditsMeter.text, "0");
  EXPECT_FALSE(IsWindowEnabled(oneBetButton));
  EXPECT_FALSE(IsWindowEnabled(repeatBetButton));
  EXPECT_EQ(insertCoinBetOrDealPrompt.visible, 0);
  EXPECT_EQ(insertCoinOrDealPrompt.visible, 1);
  EXPECT_EQ(GetFocus(), dealDrawButton);
}

TEST(Credits, AddCreditsSaturatesInsteadOfWrapping) {
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  const struct {
    std::int32_t credits;
    std::int64_t amount;
    std::int32_t expected;
  } cases[] = {
      {60, 42, 102},
      {60, -1, 59},
      {kMax - 5, 5, kMax},
      {kMax - 5, 6, kMax},
      {kMax, kMax, kMax},
      {10, std::numeric_limits<std::int64_t>::max(), kMax},
      {kMin + 1, -1, kMin},
      {kMin, -kMax, kMin},
      {-5, std::numeric_limits<std::int64_t>::min(), kMin},
      {kMin, kMax, -1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(AddCredits(c.credits, c.amount), c.expected) << c.credits << " + " << c.amount;
}

TEST(CardBonus, FactorsAtEveryRangeEdgeTimesTheWager) {
  const struct {
    int count;
    std::int32_t bet;
    std::int32_t coins;
  } cases[] = {{0, 5, 0},   {9, 10, 0},  {10, 1, 1},   {13, 1, 1},  {14, 1, 2},  {17, 1, 3},
               {20, 1, 4},  {23, 1, 6},  {25, 10, 60}, {26, 1, 8},  {28, 1, 8},  {29, 1, 10},
               {31, 1, 12}, {41, 1, 22}, {42, 1, 22},  {43, 1, 25}, {51, 1, 80}, {52, 10, 1000},
               {53, 1, 0},  {-1, 1, 0},  {52, 0, 0},   {30, -2, 0}};
  for (const auto& c : cases)
    EXPECT_EQ(CardBonus(c.count, c.bet), c.coins) << c.count << " x " << c.bet;
  for (int count = 2; count <= 52; ++count)
    EXPECT_GE(CardBonusFactor(count), CardBonusFactor(count - 1)) << count;
}

TEST(SuccessesTable, TheFullDeckLightsTheTopRowAndLeavesTheScrolledRowsAlone) {
  LayoutSuccessesTable(nullptr);
  gameState.bet = 2;
  ShowCardBonusPays(nullptr, 2);
  std::vector<std::string> at51;
  for (int count = 1; count <= 52; ++count) {
    if (count == 52) at51 = Column(1);
    ShowSuccessRow(nullptr, count);
  }
  EXPECT_EQ(HighlightedRow(), 1);
  EXPECT_EQ(Column(1), at51);
  EXPECT_EQ(Column(1)[1], SuccessCaption(51, 51));
  EXPECT_EQ(Column(9), (std::vector<std::string>{"200", "160", "120", "110", "100", "90", "80"}));
  ResetSuccessPanel(nullptr, 1);
  EXPECT_EQ(HighlightedRow(), 0);
  EXPECT_EQ(Column(1)[1], SuccessCaption(26, 28));
  gameState.bet = 0;
}

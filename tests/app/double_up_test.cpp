// The double-up as a person plays it. Each turn's deck is laid out right after DEAL/DRAW or HALF
// DOUBLE has shuffled it: the dealer's card first, then the four face-down cards.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/app/game_driver.h"

using namespace platform;

namespace {

// A game that ends after its first card with a flush (1 a coin) or a royal flush (200 a coin).
const char* const kFlushAtTheEnd = "2S 3H 5H 7H 9H JH";
const char* const kRoyalAtTheEnd = "2S TH JH QH KH AH";
// Every card matches the one before it, and the four diamonds dealt first go last.
const char* const kEveryCard =
    "AS 2D 3D 4D 5D 2S 3S 4S 5S 6S 7S 8S 9S TS JS QS KS KH QH JH TH 9H 8H 7H 6H 5H 4H 3H 2H AH "
    "AC 2C 3C 4C 5C 6C 7C 8C 9C TC JC QC KC KD QD JD TD 9D 8D 7D 6D AD";

class DoubleUpTest : public GameTest {
 protected:
  // Bets, deals the cards named, plays the first: the game ends and its win is offered.
  void WinAGame(int bet, const char* cards) {
    Bet(bet);
    if (bet < 10) {  // the tenth coin deals by itself
      AdvanceBy(500);
      Press(dealDrawButton);
    }
    Arrange(cards);
    AdvanceBy(2000);
    rules::Table t(DeckOrder());
    Play(t, 0);
    EXPECT_EQ(gameState.win, t.Win(bet));
  }
  // A turn begun by `start` (none when a push began it), dealt `cards`, card `pick` picked.
  void Turn(Window* start, const char* cards, int pick) {
    if (start != nullptr) Press(start);
    Arrange(cards);
    AdvanceBy(1000);
    Press(selectButtons[pick]);
    // The picked card comes up last and settles the turn.
    for (int waited = 0; handSlots[pick] == &backCard && waited < 5000; waited += 10)
      AdvanceBy(10);
  }
};

TEST_F(DoubleUpTest, EveryGamesFirstOfferShowsWhatThatGameMade) {
  StartWith({.sound = 1});
  WinAGame(2, kFlushAtTheEnd);
  EXPECT_EQ(bonusCardsCaption.text, "SPECIAL BONUS");  // under ten cards
  EXPECT_EQ(bonusCardsValue.text, "2");
  EXPECT_EQ(Heard(126, 7), 1);
  EXPECT_EQ(collectableValue.text, "2");
  EXPECT_EQ(tryLuckValue.text, "4");
  EXPECT_EQ(tryLuckCount.text, "1");
  EXPECT_TRUE(Shows(doubleDownMessage) && Shows(doubleRulesNotice) && Shows(doubleCollectPrompt));
  EXPECT_EQ(GetFocus(), dealDrawButton);
  EXPECT_FALSE(IsWindowVisible(cardWindows[kPileWindow]));

  // Half set aside, half risked and won: the ace beats the king. HALF DOUBLE on the first offer
  // shows that offer again, sound and all; the offer after the turn keeps its caption.
  Turn(halfDoubleButton, "KS 2C 3C AH 4C", 3);
  EXPECT_EQ(gameState.win, 2);
  EXPECT_EQ(gameState.saved, 1);
  EXPECT_TRUE(Shows(saveMeter));
  EXPECT_EQ(saveMeter.text, "1");
  EXPECT_EQ(tryLuckCount.text, "2");
  EXPECT_EQ(Heard(126, 7), 2);
  EXPECT_TRUE(Shows(cardCaptions[5]) && Shows(cardCaptions[5 + 3]));
  Press(collectButton);
  EXPECT_EQ(gameState.credits, 100 - 2 + 3);
  for (const Label* paid : {&winMeter, &paidMeter, &collectableValue})
    EXPECT_EQ(paid->text, "3");

  // The next game's offer is its own, with none of the last turn's captions left under the cards.
  sounds.clear();
  WinAGame(1, kRoyalAtTheEnd);
  EXPECT_EQ(bonusCardsValue.text, "200");
  EXPECT_EQ(Heard(126, 7), 1);
  for (int j = 5; j < kCardCaptions; ++j)
    EXPECT_FALSE(Shows(cardCaptions[j])) << j;
}

TEST_F(DoubleUpTest, HalfDoubleTwiceThenAPushThenALossPaysWhatWasSaved) {
  StartWith({});
  WinAGame(7, kFlushAtTheEnd);
  Turn(halfDoubleButton, "KS 2C 3C 4C AH", 4);  // 4 saved, 3 risked and won
  EXPECT_EQ(gameState.win, 6);
  EXPECT_EQ(gameState.saved, 4);
  Turn(halfDoubleButton, "7S 7H 2C 3C 4C", 1);  // 3 more saved, 3 risked: a push deals again
  EXPECT_EQ(gameState.win, 3);
  EXPECT_EQ(gameState.saved, 7);
  EXPECT_EQ(gameState.doubleTurn, 2);
  Turn(nullptr, "AS 3D 2D 4C 5C", 2);  // the two loses to the ace
  EXPECT_EQ(gameState.credits, 100 - 7 + 7);
  for (const Label* paid : {&winMeter, &paidMeter, &collectableValue})
    EXPECT_EQ(paid->text, "7");
  // The double-up screen stays until the next coin.
  EXPECT_TRUE(Shows(gameOverMessage));
  EXPECT_EQ(doubleMode, 1);
  EXPECT_FALSE(IsWindowVisible(cardWindows[kPileWindow]));
  Bet(1);
  EXPECT_EQ(doubleMode, 0);
  EXPECT_TRUE(IsWindowVisible(cardWindows[kPileWindow]));
}

TEST_F(DoubleUpTest, WinAndSavedReachingFiveThousandAreCollectedAtOnce) {
  StartWith({.sound = 1});
  WinAGame(10, kRoyalAtTheEnd);
  ASSERT_EQ(gameState.win, 2000);
  Turn(halfDoubleButton, "KS 2C 3C 4C AH", 4);  // 1000 saved, 2000 won: 3000 are offered again
  EXPECT_TRUE(IsWindowEnabled(collectButton));
  sounds.clear();
  Turn(dealDrawButton, "KS 2C 3C 4C AH", 4);  // 4000 won and 1000 saved: exactly the limit
  EXPECT_EQ(gameState.credits, 100 - 10 + 5000);
  EXPECT_EQ(paidMeter.text, "5000");
  EXPECT_EQ(doubleMode, 0);
  EXPECT_FALSE(IsWindowEnabled(collectButton) || Shows(doubleDownMessage));
  EXPECT_FALSE(Shows(congratulationsMessage));
  for (int i = 0; i < kHandSize; ++i)
    EXPECT_TRUE(IsWindowVisible(cardWindows[i]));
  ASSERT_GE(sounds.size(), 3u);
  const auto end = sounds.end();
  EXPECT_EQ(end[-3].id, 125);
  EXPECT_EQ(end[-2].id, 129);
  EXPECT_EQ(end[-1].id, 130);
  EXPECT_EQ(end[-2].at - end[-3].at, 2000);  // the pause after the win and the one before collect
}

TEST_F(DoubleUpTest, AFullDeckIsCelebratedUntilTheNextTurn) {
  StartWith({.sound = 1});
  Bet(1);
  AdvanceBy(500);
  rules::Table t = Deal(kEveryCard);
  while (t.FirstPlayable() >= 0)
    Play(t, t.FirstPlayable());
  ASSERT_EQ(t.count, 52);
  EXPECT_EQ(gameState.win, t.Win(1));
  EXPECT_EQ(bonusCardsCaption.text, "52  CARDS W/BONUS");
  EXPECT_EQ(successesTable[1].backColor, kRed);
  const auto celebrated =
      std::find_if(sounds.begin(), sounds.end(), [](const SoundEvent& s) { return s.id == 129; });
  EXPECT_TRUE(celebrated + 1 < sounds.end() && celebrated[1].id == 125);
  EXPECT_TRUE(Shows(congratulationsMessage));
  EXPECT_FALSE(IsWindowVisible(cardWindows[0]) || IsWindowVisible(cardWindows[4]));
  Press(dealDrawButton);
  EXPECT_FALSE(Shows(congratulationsMessage));
  EXPECT_TRUE(IsWindowVisible(cardWindows[0]) && IsWindowVisible(cardWindows[4]));
}

class DoubleUpChainTest : public WithKeys<DoubleUpTest> {
 protected:
  // The five cards turn down 100 ms apart and the dealer's card comes up 200 ms after the last.
  void DealTurn(const char* cards) {
    const std::int64_t start = Now();
    Press(dealDrawButton);
    Arrange(cards);
    for (int i = 0; i < kHandSize; ++i) {
      ASSERT_TRUE(At(start + 100 * i));
      EXPECT_EQ(handSlots[i], &backCard) << i;
    }
    ASSERT_TRUE(At(start + 599));
    EXPECT_EQ(handSlots[0], &backCard);
    ASSERT_TRUE(At(start + 600));
    EXPECT_EQ(handSlots[0], deck.cards.get());
    EXPECT_TRUE(Shows(cardCaptions[5]) && Shows(higherQuestion));
  }
  // The three cards not picked turn up left to right, then the picked one.
  void Reveal(const int (&order)[4]) {
    const std::int64_t pick = Now();
    const int due[] = {300, 500, 700, 1100};
    for (int step = 0; step < 4; ++step) {
      ASSERT_TRUE(At(pick + due[step] - 1));
      EXPECT_EQ(handSlots[order[step]], &backCard) << step;
      ASSERT_TRUE(At(pick + due[step]));
      EXPECT_EQ(handSlots[order[step]], deck.CardAt(order[step])) << step;
    }
  }
};

TEST_P(DoubleUpChainTest, TheTurnAndTheRevealKeepToTheirTicksAndLeaveTheFocusWhereItBelongs) {
  StartWith({.hint = 1});
  WinAGame(1, kFlushAtTheEnd);
  // With Hint the focus waits on the highest of the four, the first among equals; Return picks it.
  ASSERT_NO_FATAL_FAILURE(DealTurn("9S 5H KC KD 2C"));
  EXPECT_EQ(GetFocus(), selectButtons[2]);
  person::Key("Return");
  ASSERT_NO_FATAL_FAILURE(Reveal({1, 3, 4, 2}));
  EXPECT_EQ(gameState.win, 2);
  EXPECT_EQ(GetFocus(), dealDrawButton);

  // Without Hint the focus goes to the first card; the one clicked is lower and loses.
  ASSERT_TRUE(person::ChooseMenu(mainWindow, kCmdHint));
  ASSERT_NO_FATAL_FAILURE(DealTurn("AS KC 2C QC 3C"));
  EXPECT_EQ(GetFocus(), selectButtons[1]);
  Press(cardWindows[3]);
  ASSERT_NO_FATAL_FAILURE(Reveal({1, 2, 4, 3}));
  EXPECT_EQ(gameState.win, 0);
  EXPECT_EQ(gameState.credits, 99);
  EXPECT_EQ(GetFocus(), repeatBetButton);
}

INSTANTIATE_TEST_SUITE_P(Keys, DoubleUpChainTest, testing::Bool(),
                         [](const auto& info) { return info.param ? "Pressed" : "None"; });

}  // namespace

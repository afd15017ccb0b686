// The double-up as a person plays it. Each turn's deck is laid out right after DEAL/DRAW or HALF
// DOUBLE has shuffled it: the dealer's card first, then the four face-down cards.
#include <gtest/gtest.h>

#include "tests/app/game_driver.h"
#include "ui/command_buttons.h"
#include "ui/palette.h"

namespace {

// A game that ends after its first card with a flush (1 a coin) or a royal flush (200 a coin).
const char* const kFlushAtTheEnd = "2S 3H 5H 7H 9H JH";
const char* const kRoyalAtTheEnd = "2S TH JH QH KH AH";
// The dealer's king, then an ace fourth.
const char* const kAceBeatsKing = "KS 2C 3C 4C AH";

TEST_F(GameTest, HalfDoubleWinsPushesAndLosesUntilTheNextGameOffersItsOwnWin) {
  StartWith({.sound = 1});
  Bet(7);
  Act(dealDrawButton, kFlushAtTheEnd);
  Act(selectButtons[0]);
  EXPECT_EQ(Heard(107, 6), 1);  // the last hand's hit is heard to its end
  EXPECT_EQ(Heard(126, 7), 1);
  EXPECT_EQ(bonusCardsCaption.text, "SPECIAL BONUS");  // under ten cards
  EXPECT_EQ(bonusCardsValue.text, "7");
  EXPECT_EQ(collectableValue.text, "7");
  EXPECT_EQ(tryLuckValue.text, "14");
  EXPECT_EQ(tryLuckCount.text, "1");
  EXPECT_TRUE(Shows(doubleDownMessage) && Shows(doubleRulesNotice) && Shows(doubleCollectPrompt));

  // 4 set aside, 3 risked and won. HALF DOUBLE on the first offer shows that offer again, sound
  // and all; the offer after the turn keeps the captions of its cards.
  Act(halfDoubleButton, kAceBeatsKing);
  Act(selectButtons[4]);
  EXPECT_TRUE(Shows(saveMeter) && saveMeter.text == "4");
  EXPECT_EQ(tryLuckCount.text, "2");
  EXPECT_EQ(Heard(126, 7), 2);
  EXPECT_TRUE(Shows(cardCaptions[5]) && Shows(cardCaptions[5 + 4]));
  Act(halfDoubleButton, "7S 7H 2C 3C 4C");  // 3 more set aside, 3 risked: a push deals again
  Act(selectButtons[1], "AS 3D 2D 4C 5C");
  EXPECT_EQ(gameState.doubleTurn, 2);
  Act(selectButtons[2]);  // the two loses to the ace: what was set aside is paid
  for (const Label* paid : {&winMeter, &paidMeter, &collectableValue})
    EXPECT_EQ(paid->text, "7");
  // The double-up screen stays until the next coin.
  EXPECT_TRUE(Shows(gameOverMessage));
  EXPECT_EQ(platform::GetFocus(), repeatBetButton);
  EXPECT_FALSE(IsWindowVisible(cardWindows[kPileWindow]));
  Bet(1);
  EXPECT_TRUE(IsWindowVisible(cardWindows[kPileWindow]));

  // The next game's offer is its own, with none of the last turn's captions left under the cards.
  sounds.clear();
  Act(dealDrawButton, kRoyalAtTheEnd);
  Act(selectButtons[0]);
  EXPECT_EQ(Heard(112, 6), 1);
  EXPECT_EQ(Heard(126, 7), 1);
  EXPECT_EQ(bonusCardsValue.text, "200");
  for (int j = 5; j < kCardCaptions; ++j)
    EXPECT_FALSE(Shows(cardCaptions[j])) << j;
}

TEST_F(GameTest, WinAndSavedReachingFiveThousandAreCollectedAtOnce) {
  StartWith({.sound = 1});
  Bet(10, kRoyalAtTheEnd);  // the tenth coin deals by itself
  Act(selectButtons[0]);
  Act(halfDoubleButton, kAceBeatsKing);  // 1000 saved, 2000 won: 3000 are offered again
  Act(selectButtons[4]);
  sounds.clear();
  Act(dealDrawButton, kAceBeatsKing);  // 4000 won and 1000 saved: exactly the limit
  Act(selectButtons[4]);
  EXPECT_EQ(paidMeter.text, "5000");
  EXPECT_FALSE(Shows(doubleDownMessage) || Shows(congratulationsMessage));
  for (int i = 0; i < kHandSize; ++i)
    EXPECT_TRUE(IsWindowVisible(cardWindows[i]));
  ASSERT_GE(sounds.size(), 3u);
  const auto end = sounds.end();
  EXPECT_EQ((std::vector<int>{end[-3].id, end[-2].id, end[-1].id}),
            (std::vector<int>{125, 129, 130}));
  EXPECT_EQ(end[-2].at - end[-3].at, 2000);  // the pause after the win and the one before collect
}

TEST_F(GameTest, AFullDeckIsCelebratedUntilTheNextTurn) {
  StartWith({.sound = 1});
  Bet(1);
  // Every card matches the one before it, and the four diamonds dealt first go last.
  Act(dealDrawButton,
      "AS 2D 3D 4D 5D 2S 3S 4S 5S 6S 7S 8S 9S TS JS QS KS KH QH JH TH 9H 8H 7H 6H 5H 4H 3H 2H AH "
      "AC 2C 3C 4C 5C 6C 7C 8C 9C TC JC QC KC KD QD JD TD 9D 8D 7D 6D AD");
  while (model.FirstPlayable() >= 0)
    Act(selectButtons[model.FirstPlayable()]);
  ASSERT_EQ(model.count, 52);
  EXPECT_EQ(bonusCardsCaption.text, "52  CARDS W/BONUS");
  EXPECT_EQ(successesTable[kSuccessCountColumn + 1].backColor, kRed);
  const auto celebrated =
      std::find_if(sounds.begin(), sounds.end(), [](const SoundEvent& s) { return s.id == 129; });
  EXPECT_TRUE(celebrated + 1 < sounds.end() && celebrated[1].id == 125);
  EXPECT_TRUE(Shows(congratulationsMessage));
  EXPECT_FALSE(IsWindowVisible(cardWindows[0]) || IsWindowVisible(cardWindows[4]));
  Act(dealDrawButton);
  EXPECT_FALSE(Shows(congratulationsMessage));
  EXPECT_TRUE(IsWindowVisible(cardWindows[0]) && IsWindowVisible(cardWindows[4]));
}

}  // namespace

// The special bonus, the win at the end of a game and the payments, in the running program on a
// fake clock: rows and colours of hits, the sums, what a payment shows, and the sounds.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "core/evaluate.h"
#include "core/game_state.h"
#include "core/payout.h"
#include "platform/sound.h"
#include "tests/app/program_fixture.h"
#include "ui/card_window.h"
#include "ui/labels.h"

using namespace platform;

namespace {

using Sounds = std::vector<std::pair<int, unsigned>>;

class PayoutTest : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    gameState = GameState{};
    cardsSucceeded = 0;
    for (SpecialBonusEntry& entry : specialBonus)
      entry.hits = 0;
    WriteSettings("[Common Info]\nLastPlayer=1\n[Player 1]\nCredits=100\nSound=1\n");
    Start();
    SetSoundSink([this](int id, unsigned flags) { sounds.push_back({id, flags}); });
  }
  void TearDown() override {
    SetSoundSink(nullptr);
    ProgramTest::TearDown();
  }
  // specialBonusPanel: hand name at row, pay at 6 + row, hits at 12 + row.
  Label& Name(int row) { return specialBonusPanel[row]; }
  Label& Pay(int row) { return specialBonusPanel[6 + row]; }
  Label& Hits(int row) { return specialBonusPanel[12 + row]; }

  Sounds sounds;
};

TEST_F(PayoutTest, AHitLightsTheRowOfItsHandAndPaysItsRatePerCoin) {
  struct Case {
    int category, row, sound, pay;
  };
  const Case cases[] = {{HandRoyalFlush, 1, 112, 200},   {HandJokerRoyalFlush, 1, 112, 200},
                        {HandStraightFlush, 2, 110, 20}, {HandFiveOfAKind, 3, 109, 5},
                        {HandFourOfAKind, 3, 109, 5},    {HandFullHouse, 4, 108, 2},
                        {HandFlush, 5, 107, 1},          {HandStraight, 0, 0, 0}};
  gameState.bet = 1;
  for (const Case& c : cases) {
    for (SpecialBonusEntry& entry : specialBonus)
      entry.hits = 0;
    ResetSpecialBonusPanel(mainWindow, 1);
    sounds.clear();
    RecordHit(mainWindow, c.category, 2);
    for (int r = 1; r <= 5; ++r) {
      const bool hit = r == c.row;
      EXPECT_EQ(Hits(r).text, hit ? "1" : "0") << c.category << " row " << r;
      EXPECT_EQ(Name(r).backColor, hit ? kRed : kPanelBlue) << c.category << " row " << r;
      EXPECT_EQ(Name(r).textColor, hit ? kYellow : kWhite) << c.category << " row " << r;
      EXPECT_EQ(Pay(r).backColor, hit ? kWhite : kRed) << c.category << " row " << r;
      EXPECT_EQ(Pay(r).textColor, hit ? kRed : kWhite) << c.category << " row " << r;
    }
    EXPECT_EQ(sounds, (c.row != 0 ? Sounds{{c.sound, 7}} : Sounds{})) << c.category;
    ComputeWin(0, gameState);
    EXPECT_EQ(gameState.specialBonusPay, c.pay) << c.category;
  }
}

TEST_F(PayoutTest, ASecondHitCountsAgainAndTheLastOneIsPlayedToTheEnd) {
  const std::int64_t start = clock.NowMs();
  RecordHit(mainWindow, HandFlush, 3);
  EXPECT_EQ(clock.NowMs(), start);
  RecordHit(mainWindow, HandFlush, 0);
  EXPECT_EQ(clock.NowMs(), start + WaveResourceLength(107));
  EXPECT_EQ(sounds, (Sounds{{107, 7}, {107, 6}}));
  EXPECT_EQ(Hits(5).text, "2");
  gameState.bet = 2;
  EXPECT_EQ(ComputeWin(0, gameState), 4);
}

TEST_F(PayoutTest, HandsMadeInTheGameStayYellowUntilTheNextGame) {
  RecordHit(mainWindow, HandFlush, 1);
  ResetSpecialBonusPanel(mainWindow, 0);
  EXPECT_EQ(Name(5).backColor, kPanelBlue);
  EXPECT_EQ(Name(5).textColor, kYellow);
  EXPECT_EQ(Pay(5).backColor, kRed);
  ShowGameOver(mainWindow, 0, gameState.credits);
  EXPECT_EQ(specialBonus[4].hits, 0);
  EXPECT_EQ(Hits(5).text, "1");  // until the next game's reset
  ResetSpecialBonusPanel(mainWindow, 1);
  EXPECT_EQ(Name(5).textColor, kWhite);
  EXPECT_EQ(Hits(5).text, "0");
}

TEST_F(PayoutTest, TheWinIsTheCardBonusPlusEveryHitAtTheWager) {
  struct Case {
    int bet, cards, hits[5], cardPay, specialPay;
  };
  const Case cases[] = {{10, 25, {0, 0, 0, 1, 1}, 60, 30},
                        {3, 52, {1, 0, 0, 0, 0}, 300, 600},
                        {2, 14, {0, 0, 2, 0, 0}, 4, 20},
                        {1, 9, {0, 0, 0, 0, 0}, 0, 0}};
  for (const Case& c : cases) {
    for (int r = 0; r < 5; ++r)
      specialBonus[r].hits = c.hits[r];
    gameState.bet = c.bet;
    EXPECT_EQ(ComputeWin(c.cards, gameState), c.cardPay + c.specialPay) << c.cards;
    EXPECT_EQ(gameState.cardBonusPay, c.cardPay) << c.cards;
    EXPECT_EQ(gameState.specialBonusPay, c.specialPay) << c.cards;
  }
  ShowSpecialPays(mainWindow, 3);
  for (int r = 1; r <= 5; ++r)
    EXPECT_EQ(Pay(r).text, std::to_string(3 * specialBonus[r - 1].pay));
}

TEST_F(PayoutTest, CollectPaysWinAndSavedTogetherAndLeavesTheDoubleUp) {
  gameState.bet = gameState.lastBet = 1;
  gameState.win = 37;
  gameState.saved = 38;
  gameState.doubleTurn = doubleMode = 1;
  InvalidateRect(mainWindow, nullptr, true);
  RunUntilIdle();
  ASSERT_FALSE(IsWindowVisible(cardWindows[kPileWindow]));
  Collect(mainWindow);
  EXPECT_EQ(sounds, (Sounds{{130, 6}}));  // sent: played before Collect returns
  EXPECT_EQ(gameState.credits, 175);
  EXPECT_EQ(creditsMeter.text, "175");
  for (const Label* shown : {&winMeter, &paidMeter, &collectableValue})
    EXPECT_EQ(shown->text, "75");
  EXPECT_TRUE(paidCaption.visible == 1 && gameOverMessage.visible == 1);
  EXPECT_FALSE(saveCaption.visible == 1 || doubleRulesNotice.visible == 1);
  EXPECT_EQ(gameState.win + gameState.saved + gameState.bet + gameState.doubleTurn, 0);
  EXPECT_EQ(gameState.lastBet, 1);
  EXPECT_EQ(doubleMode, 0);
  EXPECT_TRUE(IsWindowVisible(cardWindows[kPileWindow]));
  EXPECT_FALSE(IsWindowEnabled(collectButton) || IsWindowEnabled(halfDoubleButton));
  EXPECT_EQ(GetFocus(), repeatBetButton);
}

TEST_F(PayoutTest, CollectPaysNothingWithoutAWinAndStopsAtTheLargestCount) {
  gameOverMessage.SetVisible(0, nullptr, 0);
  Collect(mainWindow);  // as REPEAT BET does first, between games
  EXPECT_EQ(gameState.credits, 100);
  EXPECT_EQ(gameOverMessage.visible, 0);
  EXPECT_TRUE(sounds.empty());
  gameState.credits = std::numeric_limits<std::int32_t>::max() - 10;
  gameState.win = 100;
  Collect(mainWindow);
  EXPECT_EQ(gameState.credits, std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(creditsMeter.text, "2147483647");
}

TEST_F(PayoutTest, TheWinnerIsAnnouncedAfterTheCelebrationOfAFullDeck) {
  struct Case {
    int cards;
    Sounds played;
  };
  for (const Case& c : {Case{12, {{125, 6}}}, Case{52, {{129, 6}, {125, 6}}}}) {
    sounds.clear();
    gameState.win = 5;
    cardsSucceeded = c.cards;
    const std::int64_t start = clock.NowMs();
    ShowWinner(mainWindow);
    EXPECT_EQ(sounds, c.played);
    std::int64_t lengths = 0;
    for (const auto& [id, flags] : c.played)
      lengths += WaveResourceLength(id);
    EXPECT_EQ(clock.NowMs() - start, lengths);
    EXPECT_TRUE(winnerMessage.visible == 1 && winMeter.visible == 1);
    EXPECT_EQ(winMeter.text, "5");
    EXPECT_EQ(congratulationsMessage.visible == 1, c.cards == 52);
    for (int i = 0; i < 5; ++i)
      EXPECT_EQ(IsWindowVisible(cardWindows[i]), c.cards != 52);
  }
}

}  // namespace

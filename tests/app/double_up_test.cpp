// The double-up driven through the program's commands and card windows on a fake clock: the offer,
// a turn's deal, pick and reveal, the three outcomes, HALF DOUBLE and the forced collect.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "core/double_up.h"
#include "core/evaluate.h"
#include "core/game_state.h"
#include "core/messages.h"
#include "core/payout.h"
#include "platform/sound.h"
#include "tests/app/program_fixture.h"
#include "ui/card_window.h"
#include "ui/labels.h"

using namespace platform;

namespace {

struct Played {
  int id;
  unsigned flags;
  std::int64_t at;
  bool operator==(const Played& o) const { return id == o.id && flags == o.flags; }
};
struct Place {
  int suit;
  int rank;  // 0 ace .. 12 king
};
constexpr Place kAceOfSpades{0, 0}, kKingOfSpades{0, 12}, kAceOfHearts{1, 0};

class DoubleUpTest : public ProgramTest {
 protected:
  // Shuffle level 0 deals a turn in canonical order: the ace of spades, then 2..5 of spades.
  // A second start in one test begins again from a fresh program and settings folder.
  void StartWith(int sound, int hint = 0) {
    if (started) {
      TearDown();
      SetUp();
    }
    started = true;
    gameState = GameState{};
    cardsSucceeded = 0;
    for (SpecialBonusEntry& entry : specialBonus)
      entry.hits = 0;
    WriteSettings(
        "[Common Info]\nLastPlayer=1\n[Player 1]\nCredits=100\nLevel=0\nJoker Num=0\n"
        "Sound=" +
        std::to_string(sound) + "\nHint=" + std::to_string(hint) + "\n");
    Start();
    SetSoundSink([this](int id, unsigned flags) { sounds.push_back({id, flags, clock.NowMs()}); });
  }
  void TearDown() override {
    SetSoundSink(nullptr);
    sounds.clear();
    ProgramTest::TearDown();
  }
  // The table as a winning game leaves it: the first offer.
  void Offer(int win, int cards = 20, int special = 0, int saved = 0, bool settle = true) {
    gameState.bet = gameState.lastBet = 1;
    gameState.cardBonusPay = win - special;
    gameState.specialBonusPay = special;
    gameState.win = win;
    gameState.saved = saved;
    cardsSucceeded = cards;
    for (Label* meter : {&saveCaption, &saveMeter, &paidCaption, &paidMeter})
      meter->SetVisible(0, nullptr, 0);  // as the deal left them
    gameState.doubleTurn = doubleMode = 1;
    OfferDouble(mainWindow, gameState);
    if (settle) RunUntilIdle();
  }
  void Command(int id) { SendMessage(mainWindow, WM_COMMAND, id, 0); }
  // Moves a card to a deck position; right after the turn starts, before anything is dealt.
  void Put(int position, Place card) {
    for (int j = 0; j < deck.count; ++j) {
      Card& c = deck.cards[j];
      if (c.isJoker == 0 && c.suit == card.suit && c.rank == card.rank && j != position)
        SwapCards(deck.cards[position], c);
    }
  }
  void DealTurn(int command, Place dealer) {
    Command(command);
    Put(0, dealer);
  }
  void PlayTurn(int command, Place dealer, int pick, Place picked) {
    DealTurn(command, dealer);
    Put(pick, picked);
    AdvanceBy(2000);
    Command(kCmdCard0 + pick);
    AdvanceBy(3000);
  }
  bool Shows(const Label& label) const { return label.visible == 1; }

  std::vector<Played> sounds;
  bool started = false;
};

TEST_F(DoubleUpTest, TheFirstOfferShowsTheGameAndEnablesItsButtons) {
  struct Case {
    int cards, cardPay, special;
    const char *caption, *value;
  };
  for (const Case& c : {Case{9, 0, 1, "SPECIAL BONUS", "1"}, Case{12, 2, 0, "12  CARDS ", "2"},
                        Case{25, 6, 3, "25  CARDS W/BONUS", "9"}}) {
    StartWith(0);
    const int win = c.cardPay + c.special;
    Offer(win, c.cards, c.special);
    EXPECT_EQ(bonusCardsCaption.text, c.caption);
    EXPECT_EQ(bonusCardsValue.text, c.value);
    EXPECT_EQ(tryLuckValue.text, std::to_string(2 * win));
    EXPECT_TRUE(Shows(doubleDownMessage) && Shows(doubleRulesNotice) && Shows(doubleCollectPrompt));
    EXPECT_FALSE(Shows(saveCaption));
    EXPECT_TRUE(IsWindowEnabled(collectButton) && IsWindowEnabled(oneBetButton) &&
                IsWindowEnabled(repeatBetButton));
    EXPECT_EQ(IsWindowEnabled(halfDoubleButton), win >= 2);
    EXPECT_EQ(GetFocus(), dealDrawButton);
    EXPECT_FALSE(IsWindowVisible(cardWindows[kPileWindow]));
  }
}

TEST_F(DoubleUpTest, AWinDoublesAndOffersAgainWithItsSoundsPostedOrSent) {
  StartWith(1);
  Offer(10, 20, 0, 0, false);
  EXPECT_TRUE(sounds.empty());  // 126 is posted
  RunUntilIdle();
  gameState.doubleTurn = 2;  // a later offer has no sound
  OfferDouble(mainWindow, gameState);
  gameState.doubleTurn = 1;
  RunUntilIdle();
  EXPECT_EQ(sounds, (std::vector<Played>{{126, 7, 0}}));
  sounds.clear();
  DealTurn(kCmdDealDraw, kKingOfSpades);
  EXPECT_TRUE(sounds.empty());  // 122 is posted
  Put(2, kAceOfHearts);
  AdvanceBy(2000);
  EXPECT_EQ(sounds, (std::vector<Played>{{122, 6, 0}, {121, 7, 0}, {123, 6, 0}}));
  sounds.clear();
  Command(kCmdCard0 + 2);
  EXPECT_TRUE(sounds.empty());  // 127 is posted
  AdvanceBy(3000);
  EXPECT_EQ(sounds,
            (std::vector<Played>{
                {127, 6, 0}, {123, 6, 0}, {123, 6, 0}, {123, 6, 0}, {123, 6, 0}, {125, 7, 0}}));
  EXPECT_EQ(gameState.win, 20);
  EXPECT_EQ(gameState.doubleTurn, 2);
  EXPECT_EQ(tryLuckCount.text, "2");
  EXPECT_EQ(tryLuckValue.text, "40");
  EXPECT_EQ(collectableValue.text, "20");
  EXPECT_TRUE(Shows(doubleDownMessage) && !Shows(doubleWinnerMessage));
  EXPECT_EQ(GetFocus(), dealDrawButton);
}

TEST_F(DoubleUpTest, APushDealsANewTurnAtTheSameWin) {
  StartWith(1);
  Offer(10);
  PlayTurn(kCmdDealDraw, kKingOfSpades, 3, Place{1, 12});
  const auto push = std::find(sounds.begin(), sounds.end(), Played{128, 6, 0});
  ASSERT_LT(push + 1, sounds.end());
  EXPECT_EQ(push[1], (Played{122, 6, 0}));
  EXPECT_EQ(gameState.win, 10);
  EXPECT_EQ(gameState.doubleTurn, 1);
  AdvanceBy(2000);
  EXPECT_TRUE(Shows(cardCaptions[5]));
  EXPECT_FALSE(Shows(doublePushMessage));
  for (int i = 1; i <= 4; ++i)
    EXPECT_TRUE(IsWindowEnabled(selectButtons[i]));
}

TEST_F(DoubleUpTest, ALossEndsTheGameOnTheDoubleScreenUntilTheNextCoin) {
  StartWith(1);
  Offer(10);
  PlayTurn(kCmdDealDraw, kAceOfSpades, 1, Place{0, 1});
  EXPECT_EQ(gameState.credits, 100);
  EXPECT_EQ(gameState.win, 0);
  EXPECT_EQ(doubleMode, 1);
  EXPECT_TRUE(Shows(gameOverMessage));
  EXPECT_EQ(paidMeter.text, "0");
  EXPECT_EQ(std::count(sounds.begin(), sounds.end(), Played{130, 6, 0}), 0);
  for (Window* b : {collectButton, dealDrawButton, halfDoubleButton})
    EXPECT_FALSE(IsWindowEnabled(b));
  EXPECT_FALSE(IsWindowVisible(cardWindows[kPileWindow]));
  Command(kCmdOneBet);
  RunUntilIdle();
  EXPECT_EQ(doubleMode, 0);
  EXPECT_EQ(gameState.bet, 1);
  EXPECT_TRUE(IsWindowVisible(cardWindows[kPileWindow]));
}

TEST_F(DoubleUpTest, HalfDoubleTwiceAroundAWinSavesTheLargerHalves) {
  StartWith(1);
  Offer(7);
  PlayTurn(kCmdHalfDouble, kKingOfSpades, 4, kAceOfHearts);
  EXPECT_EQ(gameState.win, 6);
  EXPECT_EQ(gameState.saved, 4);
  EXPECT_TRUE(Shows(saveMeter));
  EXPECT_EQ(saveMeter.text, "4");
  PlayTurn(kCmdHalfDouble, kAceOfSpades, 1, Place{0, 1});
  EXPECT_EQ(gameState.credits, 107);
  for (const Label* shown : {&winMeter, &paidMeter, &collectableValue})
    EXPECT_EQ(shown->text, "7");
  EXPECT_EQ(sounds.back(), (Played{130, 6, 0}));
}

TEST_F(DoubleUpTest, ReachingTheLimitPausesCelebratesAndCollectsWithoutAnotherOffer) {
  StartWith(1);
  Offer(2600, 20, 0, 10);
  PlayTurn(kCmdDealDraw, kKingOfSpades, 1, kAceOfHearts);
  EXPECT_EQ(gameState.credits, 100 + 5210);
  EXPECT_EQ(paidMeter.text, "5210");
  EXPECT_EQ(doubleMode, 0);
  EXPECT_FALSE(Shows(congratulationsMessage) || Shows(doubleDownMessage));
  EXPECT_FALSE(IsWindowEnabled(collectButton));
  for (int i = 0; i < 5; ++i)
    EXPECT_TRUE(IsWindowVisible(cardWindows[i]));
  ASSERT_GE(sounds.size(), 3u);
  const auto end = sounds.end();
  EXPECT_EQ(std::vector<Played>(end - 3, end),
            (std::vector<Played>{{125, 7, 0}, {129, 6, 0}, {130, 6, 0}}));
  EXPECT_EQ(end[-2].at - end[-3].at, 2000);  // the pause after the win and the one before collect
}

TEST_F(DoubleUpTest, CongratulationsStandThroughTheOfferUntilTheNextTurnOrCollect) {
  for (int command : {kCmdDealDraw, kCmdCollect}) {
    StartWith(1);
    gameState.bet = 3;
    gameState.win = 300;
    cardsSucceeded = 52;
    ShowWinner(mainWindow);
    gameState.doubleTurn = doubleMode = 1;
    OfferDouble(mainWindow, gameState);
    RunUntilIdle();
    EXPECT_TRUE(Shows(congratulationsMessage));
    EXPECT_FALSE(IsWindowVisible(cardWindows[0]) || IsWindowVisible(cardWindows[4]));
    Command(command);
    EXPECT_FALSE(Shows(congratulationsMessage));
    EXPECT_TRUE(IsWindowVisible(cardWindows[0]) && IsWindowVisible(cardWindows[4]));
  }
}

TEST_F(DoubleUpTest, HintFocusesTheHighestHiddenCardTheFirstAmongEquals) {
  struct Case {
    int hint;
    Place cards[4];
    int focus;
  };
  const Case cases[] = {{1, {{1, 11}, {1, 12}, {2, 2}, {2, 12}}, 2},
                        {1, {{1, 1}, {2, 1}, {3, 1}, {1, 2}}, 4},
                        {1, {{1, 0}, {2, 12}, {3, 0}, {1, 1}}, 1},
                        {0, {{1, 1}, {2, 1}, {3, 1}, {1, 12}}, 1}};
  for (const Case& c : cases) {
    StartWith(0, c.hint);
    Offer(10);
    DealTurn(kCmdDealDraw, kAceOfSpades);
    for (int k = 1; k <= 4; ++k)
      Put(k, c.cards[k - 1]);
    AdvanceBy(2000);
    EXPECT_EQ(GetFocus(), selectButtons[c.focus]) << "case focusing " << c.focus;
    EXPECT_FALSE(IsWindowEnabled(selectButtons[0]) || IsWindowEnabled(cardWindows[0]));
    EXPECT_TRUE(IsWindowEnabled(cardWindows[1]) && IsWindowEnabled(cardWindows[4]));
    EXPECT_TRUE(Shows(higherQuestion) && Shows(cardCaptions[5]));
  }
}

TEST_F(DoubleUpTest, TheOtherCardsTurnFirstThenThePickedOneThenTheOutcome) {
  struct Case {
    int pick;
    Place dealer, picked;
    int order[4];
    int pause;  // after a win, before the next offer
  };
  for (const Case& c : {Case{1, kKingOfSpades, kAceOfHearts, {2, 3, 4, 1}, 1000},
                        Case{4, kAceOfSpades, Place{1, 1}, {1, 2, 3, 4}, 0}}) {
    StartWith(0);
    Offer(10);
    DealTurn(kCmdDealDraw, c.dealer);
    Put(c.pick, c.picked);
    AdvanceBy(2000);
    Command(kCmdCard0 + c.pick);
    const std::int64_t pickedAt = clock.NowMs();
    const int delays[4] = {300, 200, 200, 400};
    for (int step = 0; step < 4; ++step) {
      AdvanceBy(delays[step] - 1);
      EXPECT_EQ(handSlots[c.order[step]], &backCard) << "step " << step;
      AdvanceBy(1);
      EXPECT_NE(handSlots[c.order[step]], &backCard) << "step " << step;
    }
    EXPECT_EQ(clock.NowMs() - pickedAt, 1100 + c.pause);
    EXPECT_EQ(gameState.doubleTurn, c.pause != 0 ? 2 : 0);
  }
}

class SilentDoubleUpTest : public DoubleUpTest, public testing::WithParamInterface<int> {};

TEST_P(SilentDoubleUpTest, NoEventOfTheGamesEndPlaysASound) {
  StartWith(GetParam());
  RecordHit(mainWindow, HandFlush, 0);
  cardsSucceeded = 52;
  ShowWinner(mainWindow);
  Offer(10);
  PlayTurn(kCmdDealDraw, kKingOfSpades, 2, kAceOfHearts);
  PlayTurn(kCmdDealDraw, kAceOfSpades, 2, Place{0, 2});
  EXPECT_EQ(gameState.doubleTurn, 0);
  EXPECT_TRUE(sounds.empty());
}

INSTANTIATE_TEST_SUITE_P(SoundOption, SilentDoubleUpTest, testing::Values(0, 2));

}  // namespace

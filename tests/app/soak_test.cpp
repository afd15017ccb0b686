// Thousands of games driven by random clicks on enabled controls: the program never fails, the
// meters stay in range, and every change of the credits is a wager or a payment the rules allow.
#include <gtest/gtest.h>

#include <random>

#include "app/main_window.h"
#include "core/game_state.h"
#include "core/messages.h"
#include "core/play.h"
#include "platform/controls.h"
#include "tests/app/program_fixture.h"
#include "ui/card_window.h"

using namespace platform;

namespace {

struct Ledger {
  std::int64_t wagered = 0;
  std::int64_t paid = 0;
};

// What a click may pay, worked out from the state before it.
std::int64_t ExpectedPayment(const GameState& before, int beforeDoubleMode, Window* clicked,
                             const GameState& after, int afterDoubleMode) {
  const bool collects = beforeDoubleMode == 1 && before.win != 0;
  if (clicked == collectButton || clicked == oneBetButton || clicked == repeatBetButton) {
    return collects ? before.win + before.saved : 0;
  }
  if (beforeDoubleMode == 1 && clicked != dealDrawButton && clicked != halfDoubleButton) {
    // A pick: a loss pays what was saved; a win that reaches the limit is collected at once.
    if (after.win == 0 && after.saved == 0 && before.win != 0) {
      return afterDoubleMode == 0 ? 2 * std::int64_t{before.win} + before.saved : before.saved;
    }
  }
  return 0;
}

}  // namespace

TEST_F(ProgramTest, RandomPlayKeepsEveryCoinAccountedFor) {
  WriteSettings(
      "[Common Info]\nLastPlayer=1\n[Player 1]\nCredits=500\nSound=0\nLevel=1\n"
      "Joker Num=2\nHint=1\n");
  Start();
  std::mt19937 random(12345);
  Ledger ledger;
  const std::int64_t start = gameState.credits;
  int games = 0, picks = 0, payments = 0;
  for (int step = 0; step < 60000 && games < 2000; ++step) {
    std::vector<Window*> enabled;
    for (Window* b :
         {collectButton, halfDoubleButton, oneBetButton, repeatBetButton, dealDrawButton}) {
      if (IsWindowEnabled(b)) enabled.push_back(b);
    }
    for (Window* b : selectButtons) {
      if (IsWindowEnabled(b)) enabled.push_back(b);
    }
    if (enabled.empty()) {
      // Broke: a new player's worth of credits, as the Select Player dialog would give.
      ASSERT_EQ(gameState.credits, 0);
      gameState.credits = 60;
      ledger.paid += 60;
      UpdateBetButtons(gameState);
      continue;
    }
    Window* click = enabled[random() % enabled.size()];
    const GameState before = gameState;
    const int beforeDouble = doubleMode;
    ASSERT_TRUE(ClickButton(click));
    AdvanceBy(3000);
    const GameState after = gameState;
    if (after.bet == 0 && before.bet != 0 && doubleMode == 0) ++games;
    if (beforeDouble == 1 && before.doubleTurn == after.doubleTurn - 1) ++picks;

    const std::int64_t payment = ExpectedPayment(before, beforeDouble, click, after, doubleMode);
    const std::int64_t betBase =
        payment > 0 || (beforeDouble == 1 && before.win != 0) ? 0 : before.bet;
    const std::int64_t wager =
        after.bet > betBase && (click == oneBetButton || click == repeatBetButton)
            ? after.bet - betBase
            : 0;
    const std::int64_t change = std::int64_t{after.credits} - before.credits;
    if (payment == 0 && change > wager * -1 && click != oneBetButton && click != repeatBetButton &&
        beforeDouble == 0) {
      // A normal game that ended with a win at or above the limit is collected at once.
      ASSERT_GE(change, 5000) << "step " << step;
      ledger.paid += change;
    } else {
      ASSERT_EQ(change, payment - wager) << "step " << step;
      ledger.paid += payment;
      if (payment > 0) ++payments;
    }
    ledger.wagered += wager;
    ASSERT_GE(after.credits, 0);
    ASSERT_GE(after.bet, 0);
    ASSERT_LE(after.bet, 10);
    if (doubleMode == 1 && IsWindowEnabled(collectButton)) {
      ASSERT_LT(after.win + after.saved, 5000);
    }
  }
  EXPECT_GE(games, 200);
  EXPECT_GE(picks, 20);  // double-ups won
  EXPECT_GE(payments, 50);
  EXPECT_EQ(gameState.credits, start - ledger.wagered + ledger.paid);
}

// Seeded random play: clicks on any control and Return at rest, keys and clicks while the chains
// run, every act held to the model of the cards dealt.
#include <gtest/gtest.h>

#include <chrono>
#include <random>

#include "platform/events.h"
#include "tests/app/game_driver.h"
#include "ui/command_buttons.h"

TEST_F(GameTest, RandomPlayPaysWhatTheCardsAndTheRulesSay) {
  StartWith({.credits = 3000, .hint = 1, .jokers = 2, .level = 5});
  std::mt19937 random(7);
  auto chance = [&](unsigned percent) { return random() % 100 < percent; };
  const auto controls = Controls();
  auto any = [&] { return controls[random() % controls.size()]; };
  // While a chain runs nothing is enabled: keys and clicks anywhere change nothing.
  pressKeys = true;
  const Meanwhile disturb = [&](std::int64_t start, int chain) {
    for (std::int64_t at = start + random() % 500; at < start + chain - 10; at += random() % 500) {
      At(at);
      Press(any());
    }
  };
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (model.games < 600 && std::chrono::steady_clock::now() < deadline && !HasFailure()) {
    std::vector<Window*> enabled;
    for (Window* c : controls)
      if (model.Enabled(c)) enabled.push_back(c);
    if (enabled.empty()) break;  // no credits left
    // Mostly what may be pressed, sometimes anything; in the offer mostly a turn; Return presses
    // what has the focus where the rules put it.
    Window* control = chance(90) ? enabled[random() % enabled.size()] : any();
    if (model.phase == Model::kOffer && chance(75))
      control = chance(70) ? dealDrawButton : halfDoubleButton;
    const bool coinsIn = model.phase == Model::kBetween && model.bet > 0;
    if (coinsIn && model.credits > 0 && chance(50)) control = oneBetButton;
    const bool byKey = model.Focus() != nullptr && chance(model.phase == Model::kPicking ? 80 : 20);
    if (byKey) control = model.Focus();
    if (control == repeatBetButton && model.Enabled(control) && coinsIn && chance(30)) {
      // DEAL/DRAW pressed within the second after REPEAT BET deals once.
      Press(repeatBetButton);
      model.Click(repeatBetButton);
      trail += " REPEAT";
      platform::AdvanceBy(random() % 990);
      control = dealDrawButton;
    }
    Act(control, "", disturb, byKey);
  }
  EXPECT_GE(model.games, 100);
  EXPECT_GE(model.picks, 30);
}

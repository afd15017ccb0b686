#include "core/flow/credits.h"

#include <algorithm>
#include <limits>

#include "core/counts.h"
#include "core/flow/sound.h"
#include "core/sounds.h"
#include "ui/command_buttons.h"
#include "ui/labels.h"

namespace {

// The paid amount in the meters, after a payment.
void ShowPaid(platform::Window* window, std::int32_t paid) {
  collectableValue.SetNumber(paid, window);
  winMeter.SetNumber(paid, window);
  paidMeter.SetNumber(paid, window);
  for (Label* label : {&winCaption, &winMeter, &paidCaption, &paidMeter})
    label->SetVisible(kShown, window, kLater);
  for (Label* label : {&saveCaption, &saveMeter, &doubleRulesNotice})
    label->SetVisible(kHidden, window, kLater);
  platform::UpdateWindow(window);
}

}  // namespace

std::int32_t AddCredits(std::int32_t credits, std::int64_t amount) {
  constexpr std::int64_t kLow = std::numeric_limits<std::int32_t>::min();
  constexpr std::int64_t kHigh = std::numeric_limits<std::int32_t>::max();
  // Clamping the amount first keeps the sum itself from overflowing.
  return SaturatedCount(credits + std::clamp(amount, 2 * kLow, 2 * kHigh));
}

void ClearGameMeters(GameState& state) {
  state.bet = 0;
  state.doubleTurn = 0;
  state.win = 0;
  state.saved = 0;
  state.cardBonusPay = 0;
  state.specialBonusPay = 0;
}

void UpdateBetButtons(const GameState& state) {
  if (state.credits >= 1) {
    platform::EnableWindow(oneBetButton, true);
    platform::SetFocus(oneBetButton);
    if (state.lastBet >= 1 && state.credits >= state.lastBet) {
      platform::EnableWindow(repeatBetButton, true);
      platform::SetFocus(repeatBetButton);
    } else if (state.credits < state.lastBet - state.bet) {
      // Another player's credits may not cover what REPEAT BET would add to the wager.
      platform::EnableWindow(repeatBetButton, false);
    }
    return;
  }
  platform::SetFocus(state.bet >= 1 ? dealDrawButton : quitButton);
  platform::EnableWindow(oneBetButton, false);
  platform::EnableWindow(repeatBetButton, false);
}

void ShowGameOver(platform::Window* window, std::int32_t paid, std::int32_t credits) {
  for (SpecialBonusEntry& entry : specialBonus)
    entry.hits = 0;
  gameOverMessage.SetVisible(kShown, window, kNow);
  creditsMeter.SetNumber(credits, window);
  platform::EnableWindow(collectButton, false);
  platform::EnableWindow(dealDrawButton, false);
  platform::EnableWindow(halfDoubleButton, false);
  if (paid > 0) SendSound(window, kSoundPaid, kPlayToEnd);
}

void PayOutAndEnd(platform::Window* window, std::int64_t amount) {
  gameState.credits = AddCredits(gameState.credits, amount);
  ClearGameMeters(gameState);
  const std::int32_t paid = SaturatedCount(amount);
  ShowPaid(window, paid);
  ShowGameOver(window, paid, gameState.credits);
  UpdateBetButtons(gameState);
}

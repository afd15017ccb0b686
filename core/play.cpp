#include "core/play.h"

#include "platform/window.h"
#include "ui/card_window.h"

void UpdateBetButtons(const GameState& state) {
  if (state.credits >= 1) {
    platform::EnableWindow(oneBetButton, true);
    platform::SetFocus(oneBetButton);
    if (state.lastBet >= 1 && state.credits >= state.lastBet) {
      platform::EnableWindow(repeatBetButton, true);
      platform::SetFocus(repeatBetButton);
    }
    return;
  }
  platform::SetFocus(state.bet >= 1 ? dealDrawButton : quitButton);
  platform::EnableWindow(oneBetButton, false);
  platform::EnableWindow(repeatBetButton, false);
}

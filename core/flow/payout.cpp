#include "core/flow/payout.h"

#include <cstdint>

#include "core/card_bonus_table.h"
#include "core/counts.h"
#include "core/evaluate.h"
#include "core/flow/credits.h"
#include "core/flow/sound.h"
#include "core/sounds.h"
#include "settings/players.h"
#include "ui/card_window.h"
#include "ui/command_buttons.h"
#include "ui/labels.h"
#include "ui/palette.h"

namespace {

constexpr int kRowSounds[kSpecialBonusRows] = {kSoundRoyalFlush, kSoundStraightFlush,
                                               kSoundFourOfAKind, kSoundFullHouse, kSoundFlush};

// The panel row 1..5 a hand category counts in, or 0 when it scores nothing.
int SpecialBonusRow(int category) {
  switch (category) {
    case kHandRoyalFlush:
    case kHandJokerRoyalFlush:
      return 1;
    case kHandStraightFlush:
      return 2;
    case kHandFourOfAKind:
    case kHandFiveOfAKind:
      return 3;
    case kHandFullHouse:
      return 4;
    case kHandFlush:
      return 5;
    default:
      return 0;
  }
}

void ShowLabel(Label& label, int visible, platform::Window* window) {
  label.SetVisible(visible, window, kLater);
}

}  // namespace

void ShowSpecialPays(platform::Window* window, std::int32_t bet) {
  for (int r = 1; r <= kSpecialBonusRows; ++r) {
    specialBonusPanel[kSpecialPayColumn + r].SetNumber(
        SaturatedCount(std::int64_t{specialBonus[r - 1].pay} * bet), window);
  }
}

void ResetSpecialBonusPanel(platform::Window* window, int resetHits) {
  for (int r = 0; r <= kSpecialBonusRows; ++r) {
    Label& name = specialBonusPanel[kSpecialNameColumn + r];
    const Color text = resetHits == kResetHits ? kWhite : name.textColor;
    name.SetColors(kPanelBlue, text, window);
  }
  for (int r = 1; r <= kSpecialBonusRows; ++r) {
    Label& pay = specialBonusPanel[kSpecialPayColumn + r];
    pay.SetColors(kRed, kWhite, window);
    Label& hits = specialBonusPanel[kSpecialHitsColumn + r];
    hits.SetColors(kPanelBlue, kWhite, window);
    if (resetHits == kResetHits) hits.SetNumber(specialBonus[r - 1].hits, window);
  }
}

void RecordHit(platform::Window* window, int category, int playable) {
  const int row = SpecialBonusRow(category);
  if (row == 0) return;
  Label& name = specialBonusPanel[kSpecialNameColumn + row];
  name.SetColors(kRed, kYellow, window);
  specialBonusPanel[kSpecialPayColumn + row].SetColors(kWhite, kRed, window);
  SpecialBonusEntry& entry = specialBonus[row - 1];
  ++entry.hits;
  specialBonusPanel[kSpecialHitsColumn + row].SetNumber(entry.hits, window);
  platform::UpdateWindow(window);
  // The last hit of a game finishes before the end of the game is shown.
  PlaySoundResource(kRowSounds[row - 1], playable > 0 ? kPlayNoWait : kPlayToEnd,
                    currentPlayer.sound);
}

std::int32_t ComputeWin(int succeeded, GameState& state) {
  state.cardBonusPay = CardBonus(succeeded, state.bet);
  std::int64_t special = 0;
  for (const SpecialBonusEntry& entry : specialBonus)
    special += std::int64_t{entry.hits} * entry.pay * state.bet;
  state.specialBonusPay = SaturatedCount(special);
  state.win = SaturatedCount(std::int64_t{state.cardBonusPay} + state.specialBonusPay);
  return state.win;
}

void ShowWinner(platform::Window* window) {
  if (cardsSucceeded == kFullDeckCards) ShowCongratulations(window, kShown);
  ShowLabel(winnerMessage, kShown, window);
  ShowLabel(winCaption, kShown, window);
  winMeter.SetNumber(gameState.win, window);
  ShowLabel(winMeter, kShown, window);
  platform::UpdateWindow(window);
  PlaySoundResource(kSoundWin, kPlayToEnd, currentPlayer.sound);
}

void ShowCongratulations(platform::Window* window, int on) {
  const bool shown = on == kShown;
  for (int i = 0; i < kHandSize; ++i) {
    if (cardWindows[i] != nullptr)
      platform::ShowWindow(cardWindows[i], shown ? platform::SW_HIDE : platform::SW_SHOW);
  }
  congratulationsMessage.SetVisible(shown ? kShown : kHidden, window, kNow);
  if (shown) SendSound(window, kSoundCongratulations, kPlayToEnd);
}

void Collect(platform::Window* window) {
  if (congratulationsMessage.visible == kShown) ShowCongratulations(window, kHidden);
  if (gameState.win != 0) {
    PayOutAndEnd(window, std::int64_t{gameState.win} + gameState.saved);
    platform::InvalidateRect(window, nullptr, true);
  }
  if (doubleMode == 1) {
    doubleMode = 0;
    if (platform::Window* pile = cardWindows[kPileWindow]) {
      platform::ShowWindow(pile, platform::SW_SHOW);
      platform::InvalidateRect(pile, nullptr, true);
    }
    platform::InvalidateRect(window, nullptr, true);
  }
}

#include "core/flow/double_up.h"

#include <cstdint>
#include <cstdio>

#include "core/card_bonus_table.h"
#include "core/evaluate.h"
#include "core/flow/credits.h"
#include "core/flow/payout.h"
#include "core/flow/sound.h"
#include "core/sounds.h"
#include "core/timing.h"
#include "platform/clock.h"
#include "settings/players.h"
#include "ui/card_window.h"
#include "ui/command_buttons.h"
#include "ui/labels.h"

namespace {

constexpr int kDealerCaption = 5;  // cardCaptions 5 "DEALER", 6..9 "PLAYER" under cards 1..4
constexpr int kFirstPick = 1;
constexpr int kLastPick = 4;

void SetBonusCaption(const GameState& state) {
  char caption[64];
  if (cardsSucceeded >= kFewestPayingCards) {
    char count[16];
    std::snprintf(count, sizeof count, "%d", cardsSucceeded);
    std::snprintf(caption, sizeof caption, "%s %s %s", count, " CARDS",
                  state.specialBonusPay > 0 ? "W/BONUS" : "");
  } else {
    std::snprintf(caption, sizeof caption, "%s", "SPECIAL BONUS");
  }
  bonusCardsCaption.SetText(caption);
}

}  // namespace

void HideDoubleCaptions(platform::Window* window) {
  for (int j = kDealerCaption; j < kCardCaptions; ++j)
    cardCaptions[j].SetVisible(kHidden, window, kLater);
}

void EnablePicks(bool enable) {
  for (int i = kFirstPick; i <= kLastPick; ++i)
    EnableCardChoice(i, enable);
}

void OfferDouble(platform::Window* window, const GameState& state) {
  // A forced collect clears the state this refers to, so read it first.
  const bool firstOffer = state.doubleTurn == 1;
  const std::int32_t win = state.win;
  const std::int32_t saved = state.saved;
  // The labels change silently here: the whole window is repainted at the end.
  if (firstOffer) {
    SetBonusCaption(state);
    bonusCardsValue.SetNumber(state.cardBonusPay + state.specialBonusPay, nullptr);
    PostSound(window, kSoundOffer, kPlayNoWait);
  }
  collectableValue.SetNumber(win, nullptr);
  tryLuckValue.SetNumber(2 * win, nullptr);
  tryLuckCount.SetNumber(state.doubleTurn, nullptr);
  doubleWinnerMessage.SetVisible(kHidden, nullptr, kLater);
  winnerMessage.SetVisible(kHidden, nullptr, kLater);

  if (std::int64_t{win} + saved >= kForcedCollectCoins) {
    doubleRulesNotice.SetVisible(kHidden, nullptr, kLater);
    HideDoubleCaptions(nullptr);
    platform::Sleep(kDoubleUpPauseMs);
    ShowCongratulations(window, kShown);
    Collect(window);
  } else {
    for (Label* label :
         {&doubleDownMessage, &collectWinningsPrompt, &doubleCollectPrompt, &doubleRulesNotice})
      label->SetVisible(kShown, nullptr, kLater);
    if (saved != 0) {
      saveCaption.SetVisible(kShown, nullptr, kLater);
      saveMeter.SetNumber(saved, nullptr);
      saveMeter.SetVisible(kShown, nullptr, kLater);
    }
    platform::EnableWindow(collectButton, true);
    platform::EnableWindow(dealDrawButton, true);
    platform::SetFocus(dealDrawButton);
    if (win >= 2) platform::EnableWindow(halfDoubleButton, true);
    platform::EnableWindow(oneBetButton, true);
    platform::EnableWindow(repeatBetButton, true);
  }
  platform::InvalidateRect(window, nullptr, firstOffer);
}

void HalfDouble(platform::Window* window) {
  if (gameState.win > 1) {
    gameState.saved += gameState.win - gameState.win / 2;
    gameState.win /= 2;
  }
  OfferDouble(window, gameState);
  StartDoubleTurn(window);
}

void StartDoubleTurn(platform::Window* window) {
  PostSound(window, kSoundDeal, kPlayToEnd);
  for (platform::Window* button :
       {collectButton, dealDrawButton, halfDoubleButton, oneBetButton, repeatBetButton})
    platform::EnableWindow(button, false);
  HideDoubleCaptions(window);
  ShowCongratulations(window, kHidden);
  doubleDownMessage.SetVisible(kHidden, window, kLater);
  doublePushMessage.SetVisible(kHidden, window, kLater);
  doubleGoodLuckMessage.SetVisible(kShown, window, kLater);
  for (Label* label : {&collectWinningsPrompt, &doubleCollectPrompt, &winCaption, &winMeter})
    label->SetVisible(kHidden, window, kLater);
  platform::UpdateWindow(window);
  StartTurnToBack();
  // The chain's timers fire later, so the dealer's card already comes from the new order.
  deck.ResetOrder();
  deck.Shuffle(currentPlayer.level);
}

void DealerShown(platform::Window* window) {
  cardCaptions[kDealerCaption].SetVisible(kShown, window, kLater);
  doubleGoodLuckMessage.SetVisible(kHidden, window, kLater);
  doubleSelectCardMessage.SetVisible(kShown, window, kLater);
  higherQuestion.SetVisible(kShown, window, kLater);
  platform::UpdateWindow(window);
  EnablePicks(true);
  if (currentPlayer.hint != 1) {
    FocusFirstSelectButton();
    return;
  }
  int best = kFirstPick;
  for (int k = kFirstPick + 1; k <= kLastPick; ++k) {
    if (CompareForDouble(*deck.CardAt(best), *deck.CardAt(k)) == 1) best = k;
  }
  platform::SetFocus(selectButtons[best]);
}

void PickCard(int index) {
  if (index < kFirstPick || index > kLastPick) return;
  platform::Window* window = TableWindow();
  cardCaptions[kDealerCaption + index].SetVisible(kShown, window, kLater);
  PostSound(window, kSoundPick, kPlayToEnd);
  doubleSelectCardMessage.SetVisible(kHidden, window, kLater);
  higherQuestion.SetVisible(kHidden, window, kLater);
  doubleGoodLuckMessage.SetVisible(kShown, window, kLater);
  doublePick = index;
  platform::UpdateWindow(window);
  StartReveal(index);
}

void ResolveDouble(platform::Window* window, int pick) {
  doubleGoodLuckMessage.SetVisible(kHidden, window, kNow);
  if (pick < kFirstPick || pick > kLastPick) return;
  const int outcome = CompareForDouble(*handSlots[0], *handSlots[pick]);
  if (outcome == 1) {
    ++gameState.doubleTurn;
    gameState.win *= 2;
    doubleWinnerMessage.SetVisible(kShown, window, kNow);
    SendSound(window, kSoundWin, kPlayNoWait);
    platform::Sleep(kDoubleUpPauseMs);
    OfferDouble(window, gameState);
  } else if (outcome == 0) {
    doublePushMessage.SetVisible(kShown, window, kNow);
    SendSound(window, kSoundPush, kPlayToEnd);
    StartDoubleTurn(window);
  } else {
    PayOutAndEnd(window, gameState.saved);
  }
}

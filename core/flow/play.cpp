#include "core/flow/play.h"

#include "core/card_bonus_table.h"
#include "core/evaluate.h"
#include "core/flow/card_bonus.h"
#include "core/flow/credits.h"
#include "core/flow/double_up.h"
#include "core/flow/payout.h"
#include "core/flow/sound.h"
#include "core/messages.h"
#include "core/sounds.h"
#include "core/timing.h"
#include "platform/events.h"
#include "platform/window.h"
#include "settings/players.h"
#include "ui/card_window.h"
#include "ui/command_buttons.h"
#include "ui/labels.h"
#include "ui/palette.h"
#include "ui/pile_marker.h"

namespace {

void SetTrackerColor(platform::Window* window, const Card& card, Color color) {
  const int cell = GridIndex(card);
  if (cell >= 0) cardTracker[cell].SetColors(cardTracker[cell].backColor, color, window);
}

void ShowWager(platform::Window* window) {
  wagerMeter.SetNumber(gameState.bet, window);
  creditsMeter.SetNumber(gameState.credits, window);
  ShowCardBonusPays(window, gameState.bet);
  ShowSpecialPays(window, gameState.bet);
}

void AutoDeal(platform::Window* window, unsigned timerId) {
  platform::KillTimer(window, timerId);
  platform::PostMessage(window, platform::WM_COMMAND, kCmdDealDraw, 0);
}

}  // namespace

void EmptyHand() {
  for (Card*& slot : handSlots)
    slot = &emptyCard;
}

void WithdrawCardChoices(platform::Window* window) {
  for (int i = 0; i < kHandSize; ++i) {
    EnableCardChoice(i, false);
    cardCaptions[i].SetVisible(kHidden, window, kNow);
  }
}

void PlaceCoin(platform::Window* window) {
  if (doubleMode == 1) Collect(window);
  gameState.bet += 1;
  gameState.credits = AddCredits(gameState.credits, -1);
  ShowWager(window);

  if (gameState.bet == 1) {
    EmptyHand();
    StartTurnToBack();
    platform::EnableWindow(dealDrawButton, true);
    gameOverMessage.SetVisible(kHidden, nullptr, kLater);
  } else if (gameState.bet == kMaxBet) {
    platform::EnableWindow(oneBetButton, false);
    platform::PostMessage(window, platform::WM_COMMAND, kCmdDealDraw, 0);
  }

  if (gameState.credits > 0) {
    if (gameState.bet == gameState.lastBet) platform::EnableWindow(repeatBetButton, false);
    if (insertCoinBetOrDealPrompt.visible != kShown)
      insertCoinBetOrDealPrompt.SetVisible(kShown, window, kLater);
  } else {
    platform::EnableWindow(oneBetButton, false);
    platform::EnableWindow(repeatBetButton, false);
    insertCoinBetOrDealPrompt.SetVisible(kHidden, window, kLater);
    insertCoinOrDealPrompt.SetVisible(kShown, window, kLater);
    platform::SetFocus(dealDrawButton);
  }
  platform::UpdateWindow(window);
}

void RepeatBet(platform::Window* window) {
  Collect(window);
  // The credits never go below zero, whatever enabled the button.
  if (gameState.credits < gameState.lastBet - gameState.bet) return;
  platform::EnableWindow(oneBetButton, false);
  platform::EnableWindow(repeatBetButton, false);
  gameOverMessage.SetVisible(kHidden, nullptr, kLater);
  EmptyHand();

  const std::int32_t diff = gameState.lastBet - gameState.bet;
  gameState.bet = gameState.lastBet;
  gameState.credits = AddCredits(gameState.credits, -static_cast<std::int64_t>(diff));
  ShowWager(window);
  platform::UpdateWindow(window);

  if (diff == gameState.lastBet) StartTurnToBack();
  platform::SetTimer(window, AUTO_DEAL_TIMER, kAutoDealMs, &AutoDeal);
}

void NewGameReset(platform::Window* window) {
  ResetSuccessPanel(window, kResetTexts);
  ResetSpecialBonusPanel(window, kResetHits);
  CountCardSucceeded(emptyCard);

  for (Label& cell : cardTracker)
    cell.SetColors(cell.backColor, kWhite, window);
  pileMarker.color = kPanelBlue;
  cardTrackerFrame.Refresh(window, kNow);

  pileTop = &emptyCard;
  // The empty pile has no picture: only erasing clears the last game's card.
  platform::InvalidateRect(cardWindows[kPileWindow], nullptr, true);
}

void Deal(platform::Window* window) {
  // A deal by hand within the second after REPEAT BET must not be followed by a second one.
  platform::KillTimer(window, AUTO_DEAL_TIMER);
  platform::EnableWindow(dealDrawButton, false);
  platform::EnableWindow(oneBetButton, false);
  platform::EnableWindow(repeatBetButton, false);

  gameState.lastBet = gameState.bet;
  pileTop = &emptyCard;
  deck.ResetOrder();
  deck.Shuffle(currentPlayer.level);

  insertCoinOrDealPrompt.SetVisible(kHidden, window, kLater);
  insertCoinBetOrDealPrompt.SetVisible(kHidden, window, kLater);
  goodLuckMessage.SetVisible(kShown, window, kLater);
  for (Label* label : {&winCaption, &winMeter, &saveCaption, &saveMeter, &paidCaption, &paidMeter})
    label->SetVisible(kHidden, window, kLater);
  platform::UpdateWindow(window);

  PostSound(window, kSoundDeal, kPlayNoWait);
  StartDealChain();
}

void HandChanged(platform::Window* window) {
  ResetSpecialBonusPanel(window, kKeepHits);
  const int category = EvaluateHand(handSlots);

  for (const Card* card : handSlots)
    SetTrackerColor(window, *card, kYellow);
  if (currentPlayer.hint == 1 && deck.next < deck.count)
    SetTrackerColor(window, *deck.DrawNext(0), kRed);

  int playable = 0;
  for (int i = 0; i < kHandSize; ++i) {
    const int m = MatchesPile(*pileTop, *handSlots[i]);
    cardCaptions[i].SetVisible(m == 1 ? kShown : kHidden, window, kLater);
    EnableCardChoice(i, m == 1);
    playable += m;
  }

  RecordHit(window, category, playable);
  if (playable > 0) {
    FocusFirstSelectButton();
  } else {
    EndGame(window);
  }
}

void PlayCard(int index) {
  if (index < 0 || index >= kHandSize) return;
  PostSound(TableWindow(), kSoundCard, kPlayNoWait);
  StartSlide(index);
}

void CardOnPile(platform::Window* window, int index) {
  if (index < 0 || index >= kHandSize) return;
  MovePileMarker(window, GridIndex(*pileTop), kPanelBlue);

  pileTop = handSlots[index];
  SetTrackerColor(window, *pileTop, kBlack);
  MovePileMarker(window, GridIndex(*pileTop), kCyan);

  CountCardSucceeded(*pileTop);

  unsigned delay = kRefillBackMs;
  if (cardsSucceeded == kFewestPayingCards && pileTop->isJoker != 1) {
    PostSound(window, kSoundTenthCard, kPlayNoWait);
    delay = kRefillBackTenthCardMs;
  }
  StartRefill(index, delay);
}

void CountCardSucceeded(const Card& card) {
  if (!card.IsValid()) {
    cardsSucceeded = 0;
  } else if (card.isJoker != 1) {
    cardsSucceeded += 1;
  } else {
    return;
  }
  platform::Window* window = TableWindow();
  succeededMeter.SetNumber(cardsSucceeded, window);
  ShowSuccessRow(window, cardsSucceeded);
}

void EndGame(platform::Window* window) {
  selectCardPrompt.SetVisible(kHidden, window, kLater);
  const std::int32_t total = ComputeWin(cardsSucceeded, gameState);

  if (total > 0) {
    selectCardPrompt.SetVisible(kHidden, window, kNow);
    ShowWinner(window);
    gameState.doubleTurn += 1;
    doubleMode = 1;
    HideDoubleCaptions(window);
    OfferDouble(window, gameState);
    return;
  }

  // Nothing won: whatever the meters hold goes back to the credits, without a payment shown.
  gameState.credits =
      AddCredits(gameState.credits, static_cast<std::int64_t>(gameState.saved) + gameState.win);
  ClearGameMeters(gameState);
  ShowGameOver(window, 0, gameState.credits);
  UpdateBetButtons(gameState);
}

#include "ui/card_window.h"

#include <cstdint>
#include <cstdlib>

#include "core/game_state.h"
#include "core/messages.h"
#include "core/pictures.h"
#include "core/sounds.h"
#include "core/timing.h"
#include "platform/events.h"
#include "platform/gdi.h"
#include "ui/command_buttons.h"
#include "ui/labels.h"

platform::Window* cardWindows[kCardWindows] = {};
platform::Rect slotRects[kCardWindows] = {};
platform::Dc* slideDC = nullptr;
platform::Rect slideRect;
int slideInProgress = 0;
CardWindowHooks cardWindowHooks;

namespace {

// Defined with the chains below; the card windows' handler uses some of them.
Card* CardShownBy(int index);
int FindCardWindow(platform::Window* window, int* index);
void FlipToBackStep(platform::Window* window, unsigned timerId);
void DealStep(platform::Window* window, unsigned timerId);
void SlideStep(platform::Window* window, unsigned timerId);
void RevealStep(platform::Window* window, unsigned timerId);
void ShowBackThenRefill(platform::Window* window);
int DealIntoSlot(platform::Window* window);
int ShowCard(platform::Window* window, Card* card);

// One flag for all six windows: set by a press, cleared by any release.
int cardPressed = 0;

// The flight of a played card; slidePos (0, 0) means no slide is under way.
platform::Point slidePos{0, 0};
platform::Point slideStep{0, 0};
platform::Bitmap* slideSnapshot = nullptr;
platform::GdiObject* slideKeptBitmap = nullptr;

int revealCount = 0;
int revealPick = 0;

bool IsHandIndex(int index) {
  return index >= 0 && index < kHandSize;
}

void Repaint(platform::Window* window) {
  platform::InvalidateRect(window, nullptr, false);
}

void PlayToEnd(int soundId) {
  if (cardWindowHooks.playSound != nullptr) cardWindowHooks.playSound(soundId, kPlayToEnd);
}

// The end of a deal into a slot: the game flow, or in the double-up the dealer's card.
void AfterDeal(platform::Window* mainWindow) {
  if (doubleMode == 0) {
    if (cardWindowHooks.handChanged != nullptr) cardWindowHooks.handChanged(mainWindow);
  } else if (cardWindowHooks.dealerShown != nullptr) {
    cardWindowHooks.dealerShown(mainWindow);
  }
}

int SlideDistance(int from, int to) {
  const int d = std::abs(to - from);
  return d / kSlideSteps + d % kSlideSteps;
}

int SlideMove(int position, int target, int step) {
  const int d = static_cast<std::int16_t>(target - position);
  if (std::abs(d) < step) return position + d;
  return position + (d < 0 ? -step : step);
}

void TakeSnapshot(platform::Window* mainWindow) {
  platform::Dc* dc = platform::GetDC(mainWindow);
  if (dc == nullptr) return;
  // Sized to the rectangle's far corner so the copy can keep the window's own coordinates.
  slideSnapshot = platform::CreateCompatibleBitmap(dc, slideRect.right, slideRect.bottom);
  if (slideDC != nullptr && slideSnapshot != nullptr) {
    slideKeptBitmap = platform::SelectObject(slideDC, slideSnapshot);
    platform::BitBlt(slideDC, slideRect.left, slideRect.top, slideRect.Width(), slideRect.Height(),
                     dc, slideRect.left, slideRect.top, platform::SRCCOPY);
  }
  platform::ReleaseDC(mainWindow, dc);
}

void DropSnapshot() {
  if (slideDC != nullptr && slideKeptBitmap != nullptr)
    platform::SelectObject(slideDC, slideKeptBitmap);
  slideKeptBitmap = nullptr;
  if (slideSnapshot != nullptr) platform::DeleteObject(slideSnapshot);
  slideSnapshot = nullptr;
}

}  // namespace

void AbandonChains() {
  DropSnapshot();
  slideInProgress = 0;
  slidePos = {0, 0};
  slideStep = {0, 0};
  revealCount = 0;
  revealPick = 0;
  cardPressed = 0;
}

namespace {

// The card pictures draw their cut corners in this color and nothing else in it, so the
// window's own background shows there, whatever color the player chose.
constexpr platform::Color kCardCornerColor = platform::Rgb(0, 128, 0);

void PaintCard(platform::Window* window) {
  platform::PaintStruct paint;
  platform::Dc* dc = platform::BeginPaint(window, &paint);
  int index = 0;
  const Card* card = FindCardWindow(window, &index) ? CardShownBy(index) : nullptr;
  if (dc != nullptr && card != nullptr && card->picture != nullptr) {
    platform::Dc* memory = platform::CreateCompatibleDC(dc);
    {
      const platform::Selection picture(memory, card->picture, false);  // the card keeps it
      platform::TransparentBlt(dc, 0, 0, kCardWidth, kCardHeight, memory, 0, 0, kCardCornerColor);
    }
    platform::DeleteDC(memory);
  }
  platform::EndPaint(window, &paint);
}

void ReleaseClick(platform::Window* window, platform::LParam lParam) {
  if (cardPressed != 1) return;
  const platform::Point at{platform::LowWord(static_cast<std::uintptr_t>(lParam)),
                           platform::HighWord(static_cast<std::uintptr_t>(lParam))};
  int index = 0;
  // The pile is never played from, even if something enabled its window.
  if (platform::Rect{0, 0, kCardWidth, kCardHeight}.Contains(at) &&
      FindCardWindow(window, &index) && index != kPileWindow) {
    cardPressed = 0;
    platform::SendMessage(platform::GetParent(window), platform::WM_COMMAND,
                          static_cast<platform::WParam>(kCmdCard0 + index), 0);
  }
  platform::ReleaseCapture();
  cardPressed = 0;
}

}  // namespace

platform::Window* TableWindow() {
  platform::Window* pile = cardWindows[kPileWindow];
  return pile != nullptr ? platform::GetParent(pile) : nullptr;
}

platform::Rect HomeRect(int index, int clientWidth, int handTop) {
  constexpr int kMargin = 10;
  // The five cards and the two margins take what they need; the four gaps share the rest.
  const int gap = (clientWidth - kPileWindow * kCardWidth - 2 * kMargin) / (kPileWindow - 1);
  const int x = index < kPileWindow ? kMargin + index * (kCardWidth + gap) : 232;
  const int y = index < kPileWindow ? handTop : 30;
  return {x, y, x + kCardWidth, y + kCardHeight};
}

platform::LResult CardWindowProc(platform::Window* window, unsigned msg, platform::WParam wParam,
                                 platform::LParam lParam) {
  switch (msg) {
    case platform::WM_PAINT:
      PaintCard(window);
      return 0;
    case platform::WM_LBUTTONDOWN:
      cardPressed = 1;
      platform::SetCapture(window);
      return 0;
    case platform::WM_LBUTTONUP:
      ReleaseClick(window, lParam);
      return 0;
    case platform::WM_TIMER: {
      const auto id = static_cast<unsigned>(wParam);
      platform::KillTimer(window, id);
      if (id == kBackTimer) {
        ShowBackThenRefill(window);
      } else if (id == kDealTimer) {
        DealIntoSlot(window);
        AfterDeal(platform::GetParent(window));
      }
      return 0;
    }
    default:
      return platform::DefWindowProc(window, msg, wParam, lParam);
  }
}

void StartTurnToBack() {
  platform::SetTimer(cardWindows[0], kBackTimer, kTurnToBackFirstMs, &FlipToBackStep);
}

void StartDealChain() {
  platform::SetTimer(cardWindows[0], kDealTimer, kDealFirstMs, &DealStep);
}

void StartSlide(int index) {
  if (!IsHandIndex(index)) return;
  platform::SetTimer(cardWindows[index], kSlideTimer, kSlideFirstMs, &SlideStep);
}

void StartRefill(int index, unsigned delayMs) {
  if (!IsHandIndex(index)) return;
  platform::SetTimer(cardWindows[index], kBackTimer, delayMs);
}

void StartReveal(int pick) {
  platform::SetTimer(cardWindows[pick == 1 ? 2 : 1], kRevealFirstTimer, kRevealFirstMs,
                     &RevealStep);
}

namespace {

Card* CardShownBy(int index) {
  if (index >= 0 && index < kHandSize) return handSlots[index];
  if (index == kPileWindow) return pileTop;
  return nullptr;
}

int FindCardWindow(platform::Window* window, int* index) {
  for (int i = 0; i < kCardWindows; ++i) {
    if (window != nullptr && cardWindows[i] == window) {
      if (index != nullptr) *index = i;
      return 1;
    }
  }
  return 0;
}

void FlipToBackStep(platform::Window* window, unsigned timerId) {
  platform::KillTimer(window, timerId);
  int i = 0;
  platform::Window* mainWindow = platform::GetParent(window);
  if (!FindCardWindow(window, &i) || !IsHandIndex(i) || mainWindow == nullptr) return;
  if (i == 0) {
    if (cardWindowHooks.postSound)
      cardWindowHooks.postSound(mainWindow, kSoundTurnToBack, kPlayNoWait);
  }
  handSlots[i] = &backCard;
  if (i != kHandSize - 1) {
    platform::SetTimer(cardWindows[i + 1], kBackTimer, kTurnToBackStepMs, &FlipToBackStep);
  } else if (doubleMode == 1) {
    platform::SetTimer(cardWindows[0], kDealTimer, kDealerCardAfterTurnMs);
  } else {
    platform::SendMessage(mainWindow, MSG_FLIP_BACK_DONE, 0, 0);
  }
  Repaint(window);
}

void DealStep(platform::Window* window, unsigned timerId) {
  platform::KillTimer(window, timerId);
  int i = 0;
  if (!FindCardWindow(window, &i) || !IsHandIndex(i)) return;
  DealIntoSlot(window);
  if (i != kHandSize - 1) {
    platform::SetTimer(cardWindows[i + 1], kDealTimer, kDealStepMs, &DealStep);
    Repaint(window);
    return;
  }
  platform::Window* mainWindow = platform::GetParent(window);
  goodLuckMessage.SetVisible(kHidden, mainWindow, kLater);
  AfterDeal(mainWindow);
  selectCardPrompt.SetVisible(kShown, mainWindow, kLater);
  platform::UpdateWindow(mainWindow);
  Repaint(window);
}

void ShowBackThenRefill(platform::Window* window) {
  int i = 0;
  if (!FindCardWindow(window, &i) || !IsHandIndex(i)) return;
  handSlots[i] = deck.next < deck.count ? &backCard : &emptyCard;
  platform::SetTimer(window, kDealTimer, kRefillFaceMs);
  Repaint(window);
}

int DealIntoSlot(platform::Window* window) {
  int i = 0;
  if (!FindCardWindow(window, &i) || !IsHandIndex(i)) return 1;
  if (deck.next < deck.count) handSlots[i] = deck.DrawNext(1);
  return ShowCard(window, handSlots[i]);
}

int ShowCard(platform::Window* window, Card* card) {
  if (card != nullptr && card->IsValid()) {
    if (card->picture == nullptr) card->LoadPicture(kPictureStyle, kPictureStyle);
    PlayToEnd(kSoundCard);
  }
  Repaint(window);
  return 1;
}

void RevealStep(platform::Window* window, unsigned timerId) {
  platform::KillTimer(window, timerId);
  int i = 0;
  if (!FindCardWindow(window, &i) || !IsHandIndex(i)) return;
  handSlots[i] = deck.CardAt(i);
  ShowCard(window, handSlots[i]);

  revealCount += 1;
  if (revealCount == 1) revealPick = doublePick;
  if (revealCount < 4) {
    int n = revealPick;
    if (revealCount != 3) n = i + 1 == revealPick ? i + 2 : i + 1;
    // A pick outside 1..4 would send the chain past the hand windows.
    if (n < 1 || n >= kHandSize) {
      revealCount = 0;
      return;
    }
    const unsigned delay = revealCount == 3 ? kRevealPickedMs : kRevealStepMs;
    platform::SetTimer(cardWindows[n], static_cast<unsigned>(n), delay, &RevealStep);
    return;
  }
  revealCount = 0;
  platform::Window* mainWindow = platform::GetParent(window);
  platform::UpdateWindow(mainWindow);
  if (cardWindowHooks.resolveDouble != nullptr)
    cardWindowHooks.resolveDouble(mainWindow, doublePick);
}

void SlideStep(platform::Window* window, unsigned timerId) {
  int i = 0;
  if (!FindCardWindow(window, &i) || !IsHandIndex(i)) return;
  const platform::Rect& home = slotRects[i];
  const platform::Point target{slotRects[kPileWindow].left, slotRects[kPileWindow].top};
  platform::Window* mainWindow = platform::GetParent(window);

  if (slidePos.x == 0 && slidePos.y == 0) {
    platform::KillTimer(window, timerId);
    slideInProgress = 1;
    TakeSnapshot(mainWindow);
    slidePos = {home.left, home.top};
    slideStep = {SlideDistance(home.left, target.x), SlideDistance(home.top, target.y)};
  }

  slidePos.x = SlideMove(slidePos.x, target.x, slideStep.x);
  slidePos.y = SlideMove(slidePos.y, target.y, slideStep.y);
  platform::MoveWindow(window, slidePos.x, slidePos.y, kCardWidth, kCardHeight, true);
  if (slidePos.x != target.x || slidePos.y != target.y) {
    platform::SetTimer(window, kSlideTimer, kSlideStepMs, &SlideStep);
    return;
  }

  platform::KillTimer(window, timerId);
  slideInProgress = 0;
  DropSnapshot();
  slidePos = {0, 0};
  slideStep = {0, 0};
  // Without a repaint the played card's picture stays on the pile and the slot stays bare.
  platform::MoveWindow(window, home.left, home.top, kCardWidth, kCardHeight, false);
  platform::PostMessage(mainWindow, MSG_CARD_ARRIVED, static_cast<platform::WParam>(i), 0);
}

}  // namespace

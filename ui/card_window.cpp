#include "ui/card_window.h"

#include "core/game_state.h"
#include "platform/gdi.h"

platform::Window* cardWindows[kCardWindows] = {};
platform::Rect slotRects[kCardWindows] = {};
platform::Dc* slideDC = nullptr;
platform::Rect slideRect;
int slideInProgress = 0;
CardWindowHooks cardWindowHooks;

platform::Window* selectButtons[kSelectButtons] = {};
platform::Window* quitButton = nullptr;
platform::Window* collectButton = nullptr;
platform::Window* halfDoubleButton = nullptr;
platform::Window* oneBetButton = nullptr;
platform::Window* repeatBetButton = nullptr;
platform::Window* dealDrawButton = nullptr;

namespace {

// One flag for all six windows: set by a press, cleared by any release.
int cardPressed = 0;

void PaintCard(platform::Window* window) {
  platform::PaintStruct paint;
  platform::Dc* dc = platform::BeginPaint(window, &paint);
  int index = 0;
  const Card* card = FindCardWindow(window, &index) ? CardShownBy(index) : nullptr;
  if (dc != nullptr && card != nullptr && card->picture != nullptr) {
    platform::Dc* memory = platform::CreateCompatibleDC(dc);
    platform::GdiObject* previous = platform::SelectObject(memory, card->picture);
    platform::BitBlt(dc, 0, 0, kCardWidth, kCardHeight, memory, 0, 0, platform::SRCCOPY);
    if (previous != nullptr) platform::SelectObject(memory, previous);
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
                          static_cast<platform::WParam>(100 + index), 0);
  }
  platform::ReleaseCapture();
  cardPressed = 0;
}

}  // namespace

platform::Rect HomeRect(int index, int clientWidth, int handTop) {
  constexpr int kMargins = 420;  // five cards of 80 and two margins of 10
  const int gap = (clientWidth - kMargins) / 4;
  const int x = index < kPileWindow ? 10 + index * (kCardWidth + gap) : 232;
  const int y = index < kPileWindow ? handTop : 30;
  return {x, y, x + kCardWidth, y + kCardHeight};
}

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

void FocusFirstSelectButton() {
  for (platform::Window* button : selectButtons) {
    if (button != nullptr && platform::IsWindowEnabled(button)) {
      platform::SetFocus(button);
      return;
    }
  }
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
    case platform::WM_TIMER:
      platform::KillTimer(window, static_cast<unsigned>(wParam));
      return 0;
    default:
      return platform::DefWindowProc(window, msg, wParam, lParam);
  }
}

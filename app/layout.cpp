#include "app/layout.h"

#include <cstdio>

#include "app/main_window.h"
#include "core/flow/play.h"
#include "core/messages.h"
#include "platform/controls.h"
#include "settings/players.h"
#include "ui/card_window.h"
#include "ui/command_buttons.h"
#include "ui/label.h"
#include "ui/labels.h"
#include "ui/message_panels.h"
#include "ui/panels.h"

namespace {

constexpr int kButtonRowFromBottom = 45;
constexpr int kButtonHeight = 35;
constexpr int kSelectWidth = 80;
constexpr int kSelectHeight = 28;

struct ButtonSpec {
  platform::Window** handle;
  const char* caption;
  int id;
  int x;  // from the left edge, or (when negative) from the client width
  int width;
  bool ownerDrawn;
};

}  // namespace

std::string CardWindowClassName(int i) {
  char className[64];
  std::snprintf(className, sizeof className, "%s_%d", "Quaxel_CardsClass", i);
  return className;
}

namespace {

int CreateCardWindows(platform::Window* window) {
  const platform::Rect client = platform::GetClientRect(window);
  int ok = 1;
  for (int i = 0; i < kCardWindows && ok; ++i) {
    const std::string className = CardWindowClassName(i);
    if (!platform::IsClassRegistered(className) &&
        !platform::RegisterClass({className, CardWindowProc, currentPlayer.color})) {
      ok = 0;
    }
    slotRects[i] = HomeRect(i, client.Width(), succeededFrame.rect.bottom + 10);
    cardWindows[i] =
        platform::CreateWindow(className, "", platform::WS_CHILD, slotRects[i].left,
                               slotRects[i].top, kCardWidth, kCardHeight, window, kCmdCard0 + i);
    if (cardWindows[i] == nullptr) return 0;
    platform::ShowWindow(cardWindows[i], platform::SW_SHOW);
    platform::UpdateWindow(cardWindows[i]);
  }
  return ok;
}

int CreateButtons(platform::Window* window) {
  const platform::Rect client = platform::GetClientRect(window);
  const int width = client.Width();
  const int top = client.bottom - kButtonRowFromBottom;
  const ButtonSpec row[] = {
      {&quitButton, "QUIT", kCmdQuit, 10, 68, false},
      {&collectButton, "COLLECT", kCmdCollect, width - 402, 68, false},
      {&halfDoubleButton, "HALF DOUBLE", kCmdHalfDouble, width - 324, 68, true},
      {&oneBetButton, " 1 BET", kCmdOneBet, width - 246, 68, false},
      {&repeatBetButton, "REPEAT BET", kCmdRepeatBet, width - 168, 68, true},
      {&dealDrawButton, "DEAL/DRAW", kCmdDealDraw, width - 90, 80, true},
  };
  buttonFont = platform::CreateFontIndirect(MakeFontSpec(1));
  auto make = [&](const char* caption, int id, int x, int y, int w, int h, bool ownerDrawn) {
    const unsigned style = platform::WS_CHILD | platform::WS_VISIBLE | platform::WS_TABSTOP |
                           (ownerDrawn ? platform::BS_OWNERDRAW : platform::BS_PUSHBUTTON);
    platform::Window* button =
        platform::CreateWindow("BUTTON", caption, style, x, y, w, h, window, id);
    if (button != nullptr && !ownerDrawn) platform::SetWindowFont(button, buttonFont, true);
    return button;
  };
  for (const ButtonSpec& b : row) {
    *b.handle = make(b.caption, b.id, b.x, top, b.width, kButtonHeight, b.ownerDrawn);
    if (*b.handle == nullptr) return 0;
  }
  for (int i = 0; i < kSelectButtons; ++i) {
    const platform::Rect& caption = cardCaptions[i].rect;
    selectButtons[i] = make("SELECT", kCmdCard0 + i, caption.left, caption.bottom, kSelectWidth,
                            kSelectHeight, false);
    if (selectButtons[i] == nullptr) return 0;
  }
  return 1;
}

void SetInitialStates(platform::Window* window) {
  for (platform::Window* b :
       {collectButton, halfDoubleButton, oneBetButton, repeatBetButton, dealDrawButton}) {
    platform::EnableWindow(b, false);
  }
  WithdrawCardChoices(window);
  platform::EnableWindow(cardWindows[kPileWindow], false);
}

}  // namespace

int BuildWindowContents(platform::Window* window) {
  LayoutTablePanels(window);
  CreateCardWindows(window);
  LayoutCardCaptions();
  CreateButtons(window);
  LayoutMeterPanel(window);
  SetInitialStates(window);
  return 1;
}

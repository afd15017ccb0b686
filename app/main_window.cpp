#include "app/main_window.h"

#include "app/commands.h"
#include "app/layout.h"
#include "core/flow/credits.h"
#include "core/flow/play.h"
#include "core/flow/sound.h"
#include "core/game_state.h"
#include "core/messages.h"
#include "platform/controls.h"
#include "platform/events.h"
#include "settings/players.h"
#include "ui/card_window.h"
#include "ui/labels.h"
#include "ui/message_panels.h"
#include "ui/owner_button.h"
#include "ui/painters.h"

platform::Window* mainWindow = nullptr;
platform::Font* buttonFont = nullptr;

namespace {

// The control that had the focus when the window was last deactivated or minimised.
platform::Window* savedFocus = nullptr;

void OnCreate(platform::Window* window) {
  mainWindow = window;
  BuildWindowContents(window);
  UpdateBetButtons(gameState);
  LayoutDoubleScreen(window);
  platform::Dc* dc = platform::GetDC(window);
  slideDC = platform::CreateCompatibleDC(dc);
  platform::ReleaseDC(window, dc);
  slideRect = {0, 0, cardTrackerFrame.rect.right, cardTrackerFrame.rect.bottom};
}

void OnPaint(platform::Window* window) {
  platform::PaintStruct paint;
  platform::Dc* dc = platform::BeginPaint(window, &paint);
  if (doubleMode == 0) {
    if (slideInProgress == 1) {
      platform::BitBlt(dc, slideRect.left, slideRect.top, slideRect.Width(), slideRect.Height(),
                       slideDC, slideRect.left, slideRect.top, platform::SRCCOPY);
    } else {
      PaintMainScreen(window, dc);
    }
  } else {
    PaintDoubleScreen(window, dc);
  }
  DrawMeterLabels(window, dc);
  platform::EndPaint(window, &paint);
}

void OnClose(platform::Window* window) {
  if (currentPlayerIndex != 0) {
    CaptureCurrentPlayer(window, settingsBlock);
    SavePlayerToFile(currentPlayer);
  }
  AbandonChains();
  platform::DeleteDC(slideDC);
  slideDC = nullptr;
  platform::DestroyWindow(window);
}

void OnPlayerChosen(platform::Window* window, platform::WParam wParam, platform::LParam lParam) {
  currentPlayerIndex = static_cast<int>(wParam);
  const auto* chosen = reinterpret_cast<const SettingsBlock*>(lParam);
  if (chosen != nullptr && chosen != &settingsBlock) settingsBlock = *chosen;
  SelectPlayerFromBlock(settingsBlock);
  ApplyPlayerToWindow(window, kTitle, currentPlayer.userName, gameState.credits);
  UpdateBetButtons(gameState);
}

}  // namespace

platform::LResult MainWindowProc(platform::Window* window, unsigned msg, platform::WParam wParam,
                                 platform::LParam lParam) {
  switch (msg) {
    case platform::WM_CREATE:
      OnCreate(window);
      return 0;
    case platform::WM_DESTROY:
      mainWindow = nullptr;
      savedFocus = nullptr;  // its controls go with it
      platform::PostQuitMessage(0);
      return 0;
    case platform::WM_ACTIVATE: {
      const bool inactive = platform::LowWord(wParam) == platform::WA_INACTIVE;
      const bool minimised = platform::HighWord(wParam) != 0;
      if (inactive && !minimised) {
        savedFocus = platform::GetFocus();
      } else if (savedFocus != nullptr && platform::IsWindow(savedFocus)) {
        platform::SetFocus(savedFocus);
      }
      return 0;
    }
    case platform::WM_PAINT:
      OnPaint(window);
      return 0;
    case platform::WM_CLOSE:
      OnClose(window);
      return 0;
    case platform::WM_QUERYENDSESSION:
      platform::PostMessage(window, platform::WM_CLOSE, 0, 0);
      return 0;
    case platform::WM_DRAWITEM:
      if (const auto* item = reinterpret_cast<const platform::DrawItemStruct*>(lParam)) {
        DrawOwnerButton(static_cast<int>(wParam), *item);
      }
      return 1;
    case platform::WM_MEASUREITEM:
      return 0;
    case platform::WM_COMMAND:
      DispatchCommand(window, wParam);
      return 0;
    case platform::WM_SYSCOMMAND:
      if (wParam == platform::SC_MINIMIZE) savedFocus = platform::GetFocus();
      return platform::DefWindowProc(window, msg, wParam, lParam);
    case MSG_FLIP_BACK_DONE:
      NewGameReset(window);
      return 0;
    case MSG_CARD_ARRIVED:
      CardOnPile(window, static_cast<int>(wParam));
      return 0;
    case MSG_PLAY_SOUND:
      PlayRequestedSound(wParam);
      return 0;
    case MSG_PLAYER_CHOSEN:
      OnPlayerChosen(window, wParam, lParam);
      return 0;
    default:
      return platform::DefWindowProc(window, msg, wParam, lParam);
  }
}

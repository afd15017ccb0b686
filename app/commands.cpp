#include "app/commands.h"

#include <cstdio>
#include <string>

#include "app/main_window.h"
#include "core/flow/double_up.h"
#include "core/flow/payout.h"
#include "core/flow/play.h"
#include "core/game_state.h"
#include "core/messages.h"
#include "platform/dialog.h"
#include "platform/events.h"
#include "settings/about_box.h"
#include "settings/players.h"
#include "settings/select_player.h"
#include "ui/card_window.h"
#include "ui/command_buttons.h"
#include "ui/label.h"
#include "ui/labels.h"

namespace {

constexpr int kShuffleLevels = 6;
constexpr int kJokerChoices = 3;

// Kept for the whole run, not saved.
platform::Color customColors[16] = {};

std::vector<platform::MenuItem> NumberedItems(int baseId, int count) {
  std::vector<platform::MenuItem> items;
  for (int v = 0; v < count; ++v)
    items.push_back({std::to_string(v), baseId + v, {}});
  return items;
}

// A toggle counts as on only when it is exactly 1.
void Toggle(platform::Window* window, int id, std::int32_t& option) {
  platform::CheckMenuItem(window, id, false);
  option ^= 1;
  if (option == 1) platform::CheckMenuItem(window, id, true);
}

void Choose(platform::Window* window, int baseId, std::int32_t& option, int value) {
  if (option == value) return;
  platform::CheckMenuItem(window, baseId + option, false);
  platform::CheckMenuItem(window, baseId + value, true);
  option = value;
}

// Exactly one item of the group is marked afterwards (none when the value has no item).
void MarkChoice(platform::Window* window, int baseId, int count, std::int32_t value) {
  for (int v = 0; v < count; ++v)
    platform::CheckMenuItem(window, baseId + v, v == value);
}

// A card command: play the card, or in the double-up pick it (card 0 is the dealer's).
void CardCommand(int index) {
  if (doubleMode == 0) {
    WithdrawCardChoices(mainWindow);
    PlayCard(index);
    return;
  }
  EnablePicks(false);
  PickCard(index);
}

void SelectUser(platform::Window* window) {
  if (currentPlayerIndex != 0) {
    CaptureCurrentPlayer(window, settingsBlock);
    SavePlayerToFile(currentPlayer);
  }
  RunSelectPlayerDialog(window, &settingsBlock);
}

void PickBackColor(platform::Window* window) {
  platform::Color color = currentPlayer.color;
  if (platform::ChooseColor(window, &color, customColors)) SetBackgroundColor(window, color);
}

}  // namespace

const std::vector<platform::MenuItem>& MainMenu() {
  static const std::vector<platform::MenuItem> menu = {
      {"&User", 0, {{"&Select User...", kCmdSelectUser, {}}, {"", 0, {}}, {"&Quit", kCmdQuit, {}}}},
      {"&Option",
       0,
       {{"&Sound", kCmdSound, {}},
        {"S&huffle", 0, NumberedItems(kCmdShuffle0, kShuffleLevels)},
        {"&Hint", kCmdHint, {}},
        {"&Joker", 0, NumberedItems(kCmdJoker0, kJokerChoices)},
        {"&Back Color...", kCmdBackColor, {}},
        {"Save &Posision", kCmdSavePosition, {}}}},
      {"&Help", 0, {{"&About Quaxel?...", kCmdAbout, {}}}},
  };
  return menu;
}

int DispatchCommand(platform::Window* window, platform::WParam wParam) {
  const int id = platform::LowWord(wParam);
  if (id >= kCmdShuffle0 && id < kCmdShuffle0 + kShuffleLevels) {
    Choose(window, kCmdShuffle0, currentPlayer.level, id - kCmdShuffle0);
    return 1;
  }
  if (id >= kCmdJoker0 && id < kCmdJoker0 + kJokerChoices) {
    Choose(window, kCmdJoker0, currentPlayer.jokerNum, id - kCmdJoker0);
    return 1;
  }
  if (id >= kCmdCard0 && id < kCmdCard0 + kSelectButtons) {
    CardCommand(id - kCmdCard0);
    return 1;
  }
  switch (id) {
    case kCmdCollect:
      Collect(window);
      break;
    case kCmdHalfDouble:
      HalfDouble(window);
      break;
    case kCmdOneBet:
      PlaceCoin(window);
      break;
    case kCmdRepeatBet:
      RepeatBet(window);
      break;
    case kCmdDealDraw:
      if (doubleMode == 0) {
        Deal(window);
      } else {
        StartDoubleTurn(window);
      }
      break;
    case kCmdQuit:
      platform::SendMessage(window, platform::WM_CLOSE, 0, 0);
      break;
    case kCmdSelectUser:
      SelectUser(window);
      break;
    case kCmdSound:
      Toggle(window, kCmdSound, currentPlayer.sound);
      break;
    case kCmdHint:
      Toggle(window, kCmdHint, currentPlayer.hint);
      break;
    case kCmdSavePosition:
      Toggle(window, kCmdSavePosition, savePosition);
      break;
    case kCmdBackColor:
      PickBackColor(window);
      break;
    case kCmdAbout:
      RunAboutBox(window, kTitle, MakeFontSpec(26));
      break;
    default:
      break;
  }
  return 1;
}

int ApplyPlayerToWindow(platform::Window* window, const char* title, const char* name,
                        std::int32_t credits) {
  char caption[160];
  std::snprintf(caption, sizeof caption, "%s - [%s]", title, name != nullptr ? name : "");
  platform::SetWindowText(window, caption);
  platform::CheckMenuItem(window, kCmdSound, currentPlayer.sound == 1);
  MarkChoice(window, kCmdShuffle0, kShuffleLevels, currentPlayer.level);
  platform::CheckMenuItem(window, kCmdHint, currentPlayer.hint == 1);
  MarkChoice(window, kCmdJoker0, kJokerChoices, currentPlayer.jokerNum);
  platform::CheckMenuItem(window, kCmdSavePosition, savePosition == 1);
  creditsMeter.SetNumber(credits, window);
  return 1;
}

void SetBackgroundColor(platform::Window* window, platform::Color color) {
  currentPlayer.color = color;
  platform::SetClassBackground(kMainClassName, color);
  platform::InvalidateRect(window, nullptr, true);
  for (int i = 0; i < kCardWindows; ++i) {
    if (cardWindows[i] == nullptr) continue;
    platform::SetClassBackground(platform::GetClassName(cardWindows[i]), color);
    platform::InvalidateRect(cardWindows[i], nullptr, true);
  }
  ApplyBackgroundColor(color);
}

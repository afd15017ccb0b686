#include "settings/select_player.h"

#include <string>

#include "core/messages.h"
#include "platform/controls.h"
#include "platform/events.h"

using platform::LParam;
using platform::LResult;
using platform::Window;
using platform::WParam;

namespace {

// Generous, so that the cut to a name's size happens in StoreUserName at a character boundary.
constexpr std::size_t kEditTextLimit = 4 * kUserNameSize;

struct DialogState {
  Window* owner = nullptr;
  SettingsBlock* block = nullptr;
};

int RowOfRadio(int id) {
  return id >= kIdPlayerRadio1 && id < kIdPlayerRadio1 + kPlayerCount ? id - kIdPlayerRadio1 + 1
                                                                      : 1;
}

int ValidRow(int k) {
  return k >= 1 && k <= kPlayerCount ? k : 1;
}

int RadioOfRow(int k) {
  return kIdPlayerRadio1 + ValidRow(k) - 1;
}

int EditOfRow(int k) {
  return kIdNameEdit1 + ValidRow(k) - 1;
}

int CheckedRow(Window* dialog) {
  for (int k = 1; k <= kPlayerCount; ++k) {
    if (platform::IsDlgButtonChecked(dialog, RadioOfRow(k))) return k;
  }
  return 1;
}

bool NoPlayerYet(const SettingsBlock& block) {
  return block.lastPlayer < 1 || block.lastPlayer > kPlayerCount;
}

void InitDialog(Window* dialog, const SettingsBlock& block) {
  if (NoPlayerYet(block)) {
    platform::EnableWindow(platform::GetDlgItem(dialog, kIdNewRegister), false);
    platform::EnableWindow(platform::GetDlgItem(dialog, RadioOfRow(2)), false);
    platform::EnableWindow(platform::GetDlgItem(dialog, RadioOfRow(3)), false);
  }
  for (int k = 1; k <= kPlayerCount; ++k)
    platform::SetDlgItemText(dialog, EditOfRow(k), UserNameOf(block.players[k - 1]));
  SelectPlayerRow(dialog, NoPlayerYet(block) ? 1 : block.lastPlayer);
}

void ChoosePlayer(Window* dialog, const DialogState& state) {
  SettingsBlock& block = *state.block;
  const int k = CheckedRow(dialog);
  PlayerRecord& player = block.players[k - 1];
  StoreUserName(player, platform::GetDlgItemText(dialog, EditOfRow(k), kEditTextLimit));
  // Only a player the file holds no credits for is new; a damaged LastPlayer must not reset them.
  if (NoPlayerYet(block) && !HasStoredCredits(k)) player.credits = kNewPlayerCredits;
  block.lastPlayer = k;
  platform::SendMessage(state.owner, MSG_PLAYER_CHOSEN, 0, reinterpret_cast<LParam>(&block));
  platform::EndDialog(dialog, 1);
}

void NewRegister(Window* dialog, SettingsBlock& block) {
  const int k = CheckedRow(dialog);
  PlayerRecord scratch{};
  StoreUserName(scratch, platform::GetDlgItemText(dialog, EditOfRow(k), kEditTextLimit));
  // The name is shown as text, never used as a format.
  const std::string question =
      "Clear Data? Player " + std::to_string(k) + " : " + UserNameOf(scratch);
  const int answer = platform::MessageBox(dialog, question, "Quaxel?",
                                          platform::MB_YESNO | platform::MB_ICONQUESTION);
  if (answer != platform::IDYES) return;
  block.players[k - 1].credits = kNewPlayerCredits;
  SelectPlayerRow(dialog, k);
}

LResult SelectPlayerProc(DialogState& state, Window* dialog, unsigned msg, WParam wParam,
                         LParam lParam) {
  if (msg == platform::WM_INITDIALOG) {
    state.block = reinterpret_cast<SettingsBlock*>(lParam);
    if (state.block == nullptr) {
      platform::EndDialog(dialog, 1);
      return 1;
    }
    InitDialog(dialog, *state.block);
    return 1;
  }
  if (msg == platform::WM_CLOSE) {
    platform::EndDialog(dialog, 1);
    return 1;
  }
  if (msg != platform::WM_COMMAND || state.block == nullptr) return 0;
  if (static_cast<unsigned>(platform::HighWord(wParam)) != platform::BN_CLICKED) return 0;
  const int id = platform::LowWord(wParam);
  switch (id) {
    case kIdOk:
      ChoosePlayer(dialog, state);
      return 1;
    case kIdCancel:
      platform::EndDialog(dialog, 1);
      return 1;
    case kIdNewRegister:
      NewRegister(dialog, *state.block);
      return 1;
    case kIdPlayerRadio1:
    case kIdPlayerRadio1 + 1:
    case kIdPlayerRadio1 + 2:
      SelectPlayerRow(dialog, RowOfRadio(id));
      return 1;
    default:
      // Escape's IDCANCEL among them: the dialog stays open.
      return 0;
  }
}

}  // namespace

platform::DialogTemplate SelectPlayerTemplate() {
  using namespace platform;
  constexpr unsigned kEdit = ES_AUTOHSCROLL | WS_BORDER | WS_DISABLED;
  DialogTemplate t;
  t.title = "Select Player";
  t.fontFace = "Arial";
  t.pointSize = 9;
  t.cx = 206;
  t.cy = 76;
  t.controls = {
      {"STATIC", "Input Player's Name", kIdNamePrompt, 5, 5, 130, 10, SS_LEFT},
      {"BUTTON", "OK", kIdOk, 150, 5, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
      {"BUTTON", "Cancel", kIdCancel, 150, 20, 50, 14, BS_PUSHBUTTON | WS_TABSTOP},
      {"BUTTON", "New Register", kIdNewRegister, 150, 55, 50, 14, BS_PUSHBUTTON | WS_TABSTOP},
      {"BUTTON", "", kIdPlayerGroup, 5, 15, 140, 55, BS_GROUPBOX},
      {"BUTTON", "Player 1", kIdPlayerRadio1, 10, 25, 40, 10, BS_AUTORADIOBUTTON},
      {"BUTTON", "Player 2", kIdPlayerRadio1 + 1, 10, 40, 40, 10, BS_AUTORADIOBUTTON},
      {"BUTTON", "Player 3", kIdPlayerRadio1 + 2, 10, 55, 40, 10, BS_AUTORADIOBUTTON},
      {"EDIT", "", kIdNameEdit1, 55, 25, 85, 12, kEdit | WS_TABSTOP},
      {"EDIT", "", kIdNameEdit1 + 1, 55, 39, 85, 12, kEdit},
      {"EDIT", "", kIdNameEdit1 + 2, 55, 55, 85, 12, kEdit},
  };
  return t;
}

std::intptr_t RunSelectPlayerDialog(Window* owner, SettingsBlock* block) {
  DialogState state;
  state.owner = owner;
  return platform::DialogBoxParam(
      SelectPlayerTemplate(), owner,
      [&state](Window* dialog, unsigned msg, WParam wParam, LParam lParam) {
        return SelectPlayerProc(state, dialog, msg, wParam, lParam);
      },
      reinterpret_cast<LParam>(block));
}

void SelectPlayerRow(Window* dialog, int k) {
  for (int row = 1; row <= kPlayerCount; ++row)
    platform::EnableWindow(platform::GetDlgItem(dialog, EditOfRow(row)), false);
  platform::CheckRadioButton(dialog, RadioOfRow(1), RadioOfRow(kPlayerCount), RadioOfRow(k));
  Window* edit = platform::GetDlgItem(dialog, EditOfRow(k));
  platform::EnableWindow(edit, true);
  platform::SetFocus(edit);
  platform::SelectAllText(edit);
}

#pragma once
// The Select Player dialog: chooses the player in play, names players and clears their credits,
// editing a SettingsBlock in place and reporting the choice to its owner with MSG_PLAYER_CHOSEN.

#include <cstdint>

#include "platform/dialog.h"
#include "platform/window.h"
#include "settings/players.h"

// Control ids; player k (1..3) has radio button kIdPlayerRadio1 + k - 1 and name edit
// kIdNameEdit1 + k - 1.
inline constexpr int kIdNamePrompt = 111;
inline constexpr int kIdOk = 112;
inline constexpr int kIdCancel = 113;
inline constexpr int kIdNewRegister = 114;
inline constexpr int kIdPlayerGroup = 115;
inline constexpr int kIdPlayerRadio1 = 116;
inline constexpr int kIdNameEdit1 = 119;

platform::DialogTemplate SelectPlayerTemplate();

// Runs the dialog modally over the owner on the block; returns 1 (-1 when it could not open).
std::intptr_t RunSelectPlayerDialog(platform::Window* owner, SettingsBlock* block);

// Checks row k (anything but 2 or 3 means 1), enables only its name edit, focuses it and selects
// its text.
void SelectPlayerRow(platform::Window* dialog, int k);

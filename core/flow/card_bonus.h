#pragma once
// The card-count bonus and the SUCCESSES table that shows it.

#include <cstdint>

#include "core/card_bonus_table.h"
#include "platform/window.h"

// The SUCCESSES pays for this wager; on every change of the wager.
void ShowCardBonusPays(platform::Window* window, std::int32_t bet);
// Lights the row that `count` cards reach; as each card is counted.
void ShowSuccessRow(platform::Window* window, int count);
// Unlights the rows, and with kResetTexts restores the captions scrolled in the last game; when a
// hand changes (kKeepTexts) and at a new game (kResetTexts).
inline constexpr int kKeepTexts = 0;
inline constexpr int kResetTexts = 1;
void ResetSuccessPanel(platform::Window* window, int resetTexts);

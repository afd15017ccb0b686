#pragma once
// The card-count bonus and the SUCCESSES table that shows it.

#include <cstdint>

#include "core/card_bonus_table.h"
#include "platform/window.h"

void ShowCardBonusPays(platform::Window* window, std::int32_t bet);
void ShowSuccessRow(platform::Window* window, int count);
void ResetSuccessPanel(platform::Window* window, int resetTexts);

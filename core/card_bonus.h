#pragma once
// The card-count bonus and the SUCCESSES table that shows it.

#include <cstdint>

#include "platform/window.h"

int CardBonusFactor(int count);
std::int32_t CardBonus(int count, std::int32_t bet);
void ShowCardBonusPays(platform::Window* window, std::int32_t bet);
void ShowSuccessRow(platform::Window* window, int count);
void ResetSuccessPanel(platform::Window* window, int resetTexts);

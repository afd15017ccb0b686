#pragma once
// The special bonus, the win at the end of a game, and how it reaches the credits.

#include <cstdint>

#include "core/game_state.h"
#include "platform/window.h"

void ShowSpecialPays(platform::Window* window, std::int32_t bet);
void ResetSpecialBonusPanel(platform::Window* window, int resetHits);
void RecordHit(platform::Window* window, int category, int playable);
std::int32_t ComputeWin(int cardsSucceeded, GameState& state);
void ShowWinner(platform::Window* window);
void ShowCongratulations(platform::Window* window, int on);
void Collect(platform::Window* window);
void ShowPaid(platform::Window* window, std::int32_t paid);
void ShowGameOver(platform::Window* window, std::int32_t paid, std::int32_t credits);

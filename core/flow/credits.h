#pragma once
// The credits and the meters of a game: what play, payout and the double-up all do with money.

#include <cstdint>

#include "core/game_state.h"
#include "platform/window.h"

// The credits after adding `amount` (negative to take coins): for every coin wagered and every
// payment. Saturates at the largest count instead of wrapping.
std::int32_t AddCredits(std::int32_t credits, std::int64_t amount);

// After a game or a payment: the wager, the double-up and the win are cleared; lastBet stays.
void ClearGameMeters(GameState& state);

// Enables " 1 BET" and "REPEAT BET" as the credits allow and places the keyboard focus: when a
// game ends and when a player is chosen.
void UpdateBetButtons(const GameState& state);

// "GAME OVER", the credits, and the buttons of a finished game; at its end.
void ShowGameOver(platform::Window* window, std::int32_t paid, std::int32_t credits);

// Adds `amount` to the credits, clears the game's meters, shows what was paid and ends the game:
// a collect, and a double-up lost with coins saved.
void PayOutAndEnd(platform::Window* window, std::int64_t amount);

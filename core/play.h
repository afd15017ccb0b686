#pragma once
// The play sequence of one game: betting, dealing, playing cards onto the pile, the end.

#include "core/game_state.h"

// Enables " 1 BET" and "REPEAT BET" as the credits allow and places the keyboard focus.
void UpdateBetButtons(const GameState& state);

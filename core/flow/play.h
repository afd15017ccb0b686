#pragma once
// The play sequence of one game: betting, dealing, playing cards onto the pile, the end.

#include <cstdint>

#include "core/card.h"
#include "core/game_state.h"
#include "platform/window.h"

// Saturates at the largest count instead of wrapping.
std::int32_t AddCredits(std::int32_t credits, std::int64_t amount);

// After a game or a payment: the wager, the double-up and the win are cleared; lastBet stays.
void ClearGameMeters(GameState& state);

// Enables " 1 BET" and "REPEAT BET" as the credits allow and places the keyboard focus.
void UpdateBetButtons(const GameState& state);
void PlaceCoin(platform::Window* window);
void RepeatBet(platform::Window* window);
void NewGameReset(platform::Window* window);
void Deal(platform::Window* window);
void HandChanged(platform::Window* window);
void PlayCard(int index);
void CardOnPile(platform::Window* window, int index);
void CountCardSucceeded(const Card& card);
void EndGame(platform::Window* window);

#pragma once
// The special bonus, the win at the end of a game, and how it reaches the credits.

#include <cstdint>

#include "core/game_state.h"
#include "platform/window.h"

// Shows what each special-bonus hand pays for this wager; on every change of the wager.
void ShowSpecialPays(platform::Window* window, std::int32_t bet);
// Takes the highlight off the special-bonus rows, and with kResetHits their hit counts too: at
// every change of the hand, and (kResetHits) at a new game.
inline constexpr int kKeepHits = 0;
inline constexpr int kResetHits = 1;
void ResetSpecialBonusPanel(platform::Window* window, int resetHits);
// A hand that makes a special bonus: highlights its row, counts a hit and plays its sound, to
// the end when no card is playable (the last hit of a game finishes before the end is shown).
void RecordHit(platform::Window* window, int category, int playable);
// The game's win from its cards and hits, into the state's pays and win; at the end of a game.
std::int32_t ComputeWin(int cardsSucceeded, GameState& state);
// The winner's message and the WIN meter; at the end of a game that won.
void ShowWinner(platform::Window* window);
// The full-deck celebration kShown (hiding the hand) when 52 cards are won or the double-up is
// collected at once, kHidden at the next turn or collect.
void ShowCongratulations(platform::Window* window, int on);
// Pays win and saved into the credits and clears the game's meters; on COLLECT, a new wager, or
// a forced collect.
void Collect(platform::Window* window);

#pragma once
// The play sequence of one game: betting, dealing, playing cards onto the pile, the end.

#include <cstdint>

#include "core/card.h"
#include "core/game_state.h"
#include "platform/window.h"

// Empties the hand slots: at start, at a new wager's first coin and at REPEAT BET.
void EmptyHand();
// No hand card may be chosen and their SELECTABLE captions go: at start and when one is chosen.
void WithdrawCardChoices(platform::Window* window);
// " 1 BET": one coin from the credits to the wager; the first coin clears the hand, the tenth
// deals.
void PlaceCoin(platform::Window* window);
// "REPEAT BET": the last wager again, dealt a second later.
void RepeatBet(platform::Window* window);
// Clears the tables, the tracker and the count for a new game; before a deal.
void NewGameReset(platform::Window* window);
// DEAL/DRAW: shuffles and deals a new hand.
void Deal(platform::Window* window);
// After every change of the hand: the tracker, the special bonus, what may be played, the end.
void HandChanged(platform::Window* window);
// A card (or its SELECT button) chosen: it starts flying to the pile.
void PlayCard(int index);
// A card has landed on the pile: the tracker, the marker, the count, and its slot refilled.
void CardOnPile(platform::Window* window, int index);
// Counts a card onto the SUCCESSES count as it lands on the pile (jokers count nothing); the
// empty card resets it at a new game.
void CountCardSucceeded(const Card& card);
// No card can be played: the win, the double-up offer or "GAME OVER".
void EndGame(platform::Window* window);

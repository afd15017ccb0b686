#pragma once
// The double-up: the offer, a turn with the dealer's card and four hidden ones, and the outcome.

#include "core/game_state.h"
#include "platform/window.h"

// The double-up offer with the win and what may be collected: after a game won, a half double,
// and a turn won or pushed. Collects at once when win and saved reach the forced-collect limit.
void OfferDouble(platform::Window* window, const GameState& state);
// Hides the "DEALER" and "PLAYER" captions under the cards: when a game is won and as each
// double-up turn starts or is collected at once.
void HideDoubleCaptions(platform::Window* window);
// Lets the four hidden cards be picked, or not: when the dealer's card is up, and when one is
// picked.
void EnablePicks(bool enable);
// "HALF DOUBLE": half the win is saved, the other half risked.
void HalfDouble(platform::Window* window);
// A turn: the dealer's card and four face down are dealt; on DEAL/DRAW or HALF DOUBLE at the
// offer, and again after a push.
void StartDoubleTurn(platform::Window* window);
// The dealer's card is face up: the player may pick one of the four.
void DealerShown(platform::Window* window);
// A hidden card picked: the four are turned over one by one.
void PickCard(int index);
// All turned: the picked card against the dealer's, won, pushed or lost.
void ResolveDouble(platform::Window* window, int pick);

#pragma once
// The double-up: the offer, a turn with the dealer's card and four hidden ones, and the outcome.

#include "core/game_state.h"
#include "platform/window.h"

void OfferDouble(platform::Window* window, const GameState& state);
void HalfDouble(platform::Window* window);
void StartDoubleTurn(platform::Window* window);
void DealerShown(platform::Window* window);
void PickCard(int index);
void ResolveDouble(platform::Window* window, int pick);

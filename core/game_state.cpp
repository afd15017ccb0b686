#include "core/game_state.h"

Deck deck;
GameState gameState;
SpecialBonusEntry specialBonus[kSpecialBonusRows];

std::int32_t cardsSucceeded = 0;
std::int32_t doubleMode = 0;
std::int32_t doublePick = 0;
Card* handSlots[kHandSize] = {};
Card* pileTop = nullptr;

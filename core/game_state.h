#pragma once
// The meters and variables of the game in play, shared by the game flow, the card windows and the
// painters.

#include <cstdint>

#include "core/card.h"
#include "core/deck.h"

struct GameState {
  std::int32_t credits = 0;
  std::int32_t bet = 0;
  std::int32_t lastBet = 0;
  std::int32_t cardBonusPay = 0;
  std::int32_t specialBonusPay = 0;
  std::int32_t win = 0;
  std::int32_t saved = 0;
  std::int32_t doubleTurn = 0;
};

struct SpecialBonusEntry {
  std::int32_t pay = 0;
  std::int32_t hits = 0;
};

inline constexpr int kHandSize = 5;
// The largest wager; its coin deals at once.
inline constexpr int kMaxBet = 10;
inline constexpr int kSpecialBonusRows = 5;
// Coins per coin wagered for the special-bonus rows: royal flush, straight flush, four (or five)
// of a kind, full house, flush.
inline constexpr int kSpecialBonusPays[kSpecialBonusRows] = {200, 20, 5, 2, 1};
// Win and saved coins that reach this together are collected at once instead of risked again.
inline constexpr int kForcedCollectCoins = 5000;

extern Deck deck;
extern GameState gameState;
extern SpecialBonusEntry specialBonus[kSpecialBonusRows];

extern std::int32_t cardsSucceeded;
extern std::int32_t doubleMode;
extern std::int32_t doublePick;
// The hand slots and the pile refer to cards of the deck, or to emptyCard or backCard.
extern Card* handSlots[kHandSize];
extern Card* pileTop;

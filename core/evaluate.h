#pragma once
// Hand evaluation, the pile-matching test and the double-up comparison. Pure functions.

#include "core/card.h"

// The result of EvaluateHand.
enum HandCategory : int {
  kHandNothing = 0,    // nothing, or a slot without a card
  kHandJokerPair = 1,  // one pair made with a joker
  kHandLowPair = 2,    // natural pair below tens
  kHandHighPair = 3,   // natural pair of tens or better
  kHandTwoPair = 4,
  kHandThreeOfAKind = 5,
  kHandStraight = 6,
  kHandFlush = 7,
  kHandFullHouse = 8,
  kHandFourOfAKind = 9,
  kHandStraightFlush = 10,
  kHandFiveOfAKind = 11,
  kHandJokerRoyalFlush = 12,  // royal flush with at least one joker
  kHandRoyalFlush = 13,       // natural royal flush
};

// Classifies the five cards of the hand slots 0..4, in slot order, as a poker hand with wild
// jokers. A null slot, or a card with rank -1 (empty or face-down), or an ordinary card whose suit
// or rank is out of range, gives kHandNothing.
HandCategory EvaluateHand(const Card* const hand[5]);

// 1 when card may be played onto pileTop, else 0.
int MatchesPile(const Card& pileTop, const Card& card);

// 1 when the player's card is higher, 0 when equal, -1 when lower (joker 14, ace 13, else rank).
int CompareForDouble(const Card& dealer, const Card& player);

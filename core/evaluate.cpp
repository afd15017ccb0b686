#include "core/evaluate.h"

HandCategory EvaluateHand(const Card* const hand[5]) {
  int rankCount[13] = {};
  int suitCount[4] = {};
  int jokers = 0;
  int pairs = 0;
  int highPair = 0;
  int maxSame = 1;
  int straightLow = -1;

  for (int slot = 0; slot < 5; ++slot) {
    const Card* card = hand[slot];
    if (card == nullptr || card->rank == -1) return kHandNothing;
    if (card->isJoker == 1) {
      ++jokers;
      continue;
    }
    // Not in the rule: an ordinary card out of range would index past the counters.
    if (card->suit < 0 || card->suit > 3 || card->rank < 0 || card->rank > 12) return kHandNothing;
    const int same = ++rankCount[card->rank];
    ++suitCount[card->suit];
    if (same > maxSame) maxSame = same;
    if (same == 2) {
      ++pairs;
      if (card->rank >= 9 || card->rank == 0) highPair = 1;
    }
  }

  int flush = 0;
  for (int suit = 0; suit < 4; ++suit) {
    if (suitCount[suit] + jokers == 5) flush = 1;
  }

  int straight = 0;
  if (pairs == 0) {
    for (int start = 0; start <= 9; ++start) {
      int spare = jokers;
      bool fits = true;
      for (int step = 0; step < 5; ++step) {
        if (rankCount[(start + step) % 13] != 0) continue;
        if (spare == 0) {
          fits = false;
          break;
        }
        --spare;
      }
      if (fits) {
        straight = 1;
        straightLow = start;
      }
    }
  }

  switch (maxSame) {
    case 1:
      if (flush && straight && straightLow == 9) {
        return jokers == 0 ? kHandRoyalFlush : kHandJokerRoyalFlush;
      }
      if (flush && straight) return kHandStraightFlush;
      if (straight) return kHandStraight;
      if (flush) return kHandFlush;
      if (jokers == 2) return kHandThreeOfAKind;
      if (jokers == 1) return kHandJokerPair;
      return kHandNothing;
    case 2:
      if (pairs == 1) {
        if (jokers == 0) return highPair ? kHandHighPair : kHandLowPair;
        if (jokers == 1) return kHandThreeOfAKind;
        if (jokers == 2) return kHandFourOfAKind;
      } else if (pairs == 2) {
        if (jokers == 0) return kHandTwoPair;
        if (jokers == 1) return kHandFullHouse;
      }
      return kHandNothing;
    case 3:
      if (pairs == 1) {
        if (jokers == 0) return kHandThreeOfAKind;
        if (jokers == 1) return kHandFourOfAKind;
        if (jokers == 2) return kHandFiveOfAKind;
      } else if (pairs == 2 && jokers == 0) {
        return kHandFullHouse;
      }
      return kHandNothing;
    case 4:
      if (pairs == 1) {
        if (jokers == 0) return kHandFourOfAKind;
        if (jokers == 1) return kHandFiveOfAKind;
      }
      return kHandNothing;
    default:
      return kHandNothing;
  }
}

int MatchesPile(const Card& pileTop, const Card& card) {
  if (!card.IsValid()) return 0;
  if (!pileTop.IsValid()) return 1;
  if (pileTop.isJoker == 1 || card.isJoker == 1) return 1;
  if (pileTop.suit == card.suit) return 1;
  if (pileTop.rank == card.rank) return 1;
  return 0;
}

namespace {

int DoubleValue(const Card& card) {
  if (card.isJoker == 1) return 14;
  if (card.rank == 0) return 13;
  return card.rank;
}

}  // namespace

int CompareForDouble(const Card& dealer, const Card& player) {
  const int dealerValue = DoubleValue(dealer);
  const int playerValue = DoubleValue(player);
  if (dealerValue < playerValue) return 1;
  if (dealerValue == playerValue) return 0;
  return -1;
}

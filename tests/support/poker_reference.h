#pragma once
// An independent classifier of five cards with wild jokers, written from the rules of poker and
// the game's table of hands: the tests hold the program's evaluation and pays to it.
//
// Each joker is tried as every one of the 52 ordinary cards (duplicates of cards in the hand
// allowed, so that five of a kind can arise); the five natural cards are classified the ordinary
// poker way (sorted ranks, multiplicity pattern, all suits equal, five consecutive ranks with the
// ace low or high) and the best is kept. Where the game's table differs from plain poker:
//   - a pair in a hand that holds a joker is "one pair made with a joker" (1), never a natural
//     pair; natural pairs split into 2 and 3 by ten-or-better (ace counts as better);
//   - five of a kind is 11;
//   - a royal flush is 13 without a joker, 12 with one.
// Best means highest game code; the table order is the poker order for every hand that can occur.

#include <algorithm>
#include <array>
#include <functional>

namespace reference {

// A card is 13 * suit + rank (spades, hearts, clubs, diamonds; rank 0 ace .. 12 king).
constexpr int kJoker = 52, kNone = -1;

// The game code of five natural cards (duplicates allowed); withJoker: the hand had a joker.
inline int Natural(const std::array<int, 5>& cards, bool withJoker) {
  std::array<int, 5> ranks;
  for (int i = 0; i < 5; ++i)
    ranks[i] = cards[i] % 13;
  std::sort(ranks.begin(), ranks.end());
  // Multiplicity pattern, largest group first, and the rank of the (only) pair if any.
  std::array<int, 5> groups = {0, 0, 0, 0, 0};
  int groupCount = 0, pairRank = -1;
  for (int i = 0; i < 5;) {
    int j = i;
    while (j < 5 && ranks[j] == ranks[i])
      ++j;
    if (j - i == 2) pairRank = ranks[i];
    groups[groupCount++] = j - i;
    i = j;
  }
  std::sort(groups.begin(), groups.end(), std::greater<>());
  bool sameSuit = true;
  for (int i = 1; i < 5; ++i)
    sameSuit = sameSuit && cards[i] / 13 == cards[0] / 13;

  if (groups[0] == 5) return 11;
  if (groups[0] == 4) return 9;
  if (groups[0] == 3 && groups[1] == 2) return 8;
  if (groups[0] == 3) return 5;
  if (groups[0] == 2 && groups[1] == 2) return 4;
  if (groups[0] == 2) return withJoker ? 1 : pairRank == 0 || pairRank >= 9 ? 3 : 2;
  const bool broadway = ranks == std::array<int, 5>{0, 9, 10, 11, 12};  // A T J Q K
  const bool straight = broadway || ranks[4] - ranks[0] == 4;           // includes A-2-3-4-5
  if (straight && sameSuit) return broadway ? (withJoker ? 12 : 13) : 10;
  if (sameSuit) return 7;
  return straight ? 6 : 0;
}

// The best game code over every value of the jokers; 0 when a slot holds no card.
inline int Category(const std::array<int, 5>& hand) {
  std::array<int, 5> plain;
  int naturals = 0;
  for (const int c : hand) {
    if (c == kNone) return 0;
    if (c != kJoker) plain[naturals++] = c;
  }
  if (naturals == 5) return Natural(plain, false);
  int best = 0;
  // With two jokers the two values are interchangeable, so the second from the first on.
  for (int v1 = 0; v1 < 52; ++v1) {
    plain[naturals] = v1;
    if (naturals == 4) {
      best = std::max(best, Natural(plain, true));
      continue;
    }
    for (int v2 = v1; v2 < 52; ++v2) {
      plain[4] = v2;
      best = std::max(best, Natural(plain, true));
    }
  }
  return best;
}

// What five cards pay per coin in the special bonus: royal flushes 200, a straight flush 20, four
// or five of a kind 5, a full house 2, a flush 1.
inline int SpecialPay(const std::array<int, 5>& hand) {
  switch (Category(hand)) {
    case 13:
    case 12:
      return 200;
    case 10:
      return 20;
    case 11:
    case 9:
      return 5;
    case 8:
      return 2;
    case 7:
      return 1;
    default:
      return 0;
  }
}

}  // namespace reference

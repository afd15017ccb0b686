// EvaluateHand over every 5-card hand of a 54-card deck (3,162,510 hands), checked hand
// by hand against an independent reference classifier written here.
//
// The reference knows nothing of the counters and windows of the rule. For each joker it tries
// every one of the 52 ordinary cards as the joker's value (duplicates of cards in the hand
// allowed, so that five of a kind can arise), classifies the resulting five natural cards in the
// ordinary poker way (sorted ranks, multiplicity pattern, all suits equal, five consecutive ranks
// with the ace low or high) and keeps the best. It is mapped onto the game's table where the
// table deliberately differs from plain poker:
//   - a pair in a hand that holds a joker is "one pair made with a joker" (1), never a natural
//     pair; natural pairs split into 2 and 3 by ten-or-better (ace counts as better);
//   - five of a kind is 11;
//   - a royal flush is 13 without a joker, 12 with one.
// Best means highest game code; the table order is the poker order for every hand that can occur.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "core/deck.h"
#include "core/evaluate.h"

namespace {

// A natural card for the reference: rank 0 ace .. 12 king, suit 0..3.
struct Plain {
  int rank;
  int suit;
};

// Classifies five natural cards (duplicates allowed). withJoker: the hand had a joker.
int ReferenceNatural(const std::array<Plain, 5>& cards, bool withJoker) {
  std::array<int, 5> ranks;
  for (int i = 0; i < 5; ++i)
    ranks[i] = cards[i].rank;
  std::sort(ranks.begin(), ranks.end());

  // Multiplicity pattern, largest group first, and the rank of the (only) pair if any.
  std::array<int, 5> groups = {0, 0, 0, 0, 0};
  int groupCount = 0;
  int pairRank = -1;
  for (int i = 0; i < 5;) {
    int j = i;
    while (j < 5 && ranks[j] == ranks[i])
      ++j;
    if (j - i == 2) pairRank = ranks[i];
    groups[groupCount++] = j - i;
    i = j;
  }
  // The unused entries are 0 and sort to the end.
  std::sort(groups.begin(), groups.end(), std::greater<>());

  bool sameSuit = true;
  for (int i = 1; i < 5; ++i)
    sameSuit = sameSuit && cards[i].suit == cards[0].suit;

  if (groups[0] == 5) return 11;
  if (groups[0] == 4) return 9;
  if (groups[0] == 3 && groups[1] == 2) return 8;
  if (groups[0] == 3) return 5;
  if (groups[0] == 2 && groups[1] == 2) return 4;
  if (groups[0] == 2) {
    if (withJoker) return 1;
    const bool tenOrBetter = pairRank == 0 || pairRank >= 9;
    return tenOrBetter ? 3 : 2;
  }
  // Five different ranks.
  const bool broadway = ranks == std::array<int, 5>{0, 9, 10, 11, 12};  // A T J Q K
  const bool run = ranks[4] - ranks[0] == 4;                            // includes A-2-3-4-5
  const bool straight = broadway || run;
  if (straight && sameSuit) {
    if (broadway) return withJoker ? 12 : 13;
    return 10;
  }
  if (sameSuit) return 7;
  if (straight) return 6;
  return 0;
}

// The best game code over every value of the jokers (each any of the 52 cards).
int Reference(const Card* const hand[5]) {
  std::array<Plain, 5> plain;
  int naturals = 0;
  for (int i = 0; i < 5; ++i) {
    if (hand[i]->isJoker != 1) plain[naturals++] = {hand[i]->rank, hand[i]->suit};
  }
  const int jokers = 5 - naturals;
  if (jokers == 0) return ReferenceNatural(plain, false);
  int best = -1;
  if (jokers == 1) {
    for (int v = 0; v < 52; ++v) {
      plain[4] = {v % 13, v / 13};
      best = std::max(best, ReferenceNatural(plain, true));
    }
    return best;
  }
  // Two jokers: the two values are interchangeable, so v2 >= v1 is enough.
  for (int v1 = 0; v1 < 52; ++v1) {
    plain[3] = {v1 % 13, v1 / 13};
    for (int v2 = v1; v2 < 52; ++v2) {
      plain[4] = {v2 % 13, v2 / 13};
      best = std::max(best, ReferenceNatural(plain, true));
    }
  }
  return best;
}

std::string Describe(const Card* const hand[5]) {
  std::string text;
  for (int i = 0; i < 5; ++i) {
    const Card& c = *hand[i];
    text += c.isJoker == 1 ? std::string("* ")
                           : std::string{"A23456789TJQK"[c.rank], "SHCD"[c.suit], ' '};
  }
  return text;
}

TEST(EvaluateHandExhaustive, EveryHandOf54CardsAgreesWithTheReference) {
  Deck deck;
  ASSERT_EQ(deck.Allocate(54), 1);
  deck.Build();
  std::int64_t hands = 0;
  std::int64_t mismatches = 0;
  std::string firstMismatches;
  // The hands without a joker, per category, to check the reference against the textbook counts.
  std::array<std::int64_t, 14> natural{};
  const Card* hand[5];
  for (int a = 0; a < 54; ++a) {
    hand[0] = &deck.cards[a];
    for (int b = a + 1; b < 54; ++b) {
      hand[1] = &deck.cards[b];
      for (int c = b + 1; c < 54; ++c) {
        hand[2] = &deck.cards[c];
        for (int d = c + 1; d < 54; ++d) {
          hand[3] = &deck.cards[d];
          for (int e = d + 1; e < 54; ++e) {
            hand[4] = &deck.cards[e];
            const int got = EvaluateHand(hand);
            const int want = Reference(hand);
            ++hands;
            if (e < 52) ++natural[want];
            if (got != want && ++mismatches <= 10) {
              firstMismatches += Describe(hand) + "engine " + std::to_string(got) + " reference " +
                                 std::to_string(want) + "\n";
            }
          }
        }
      }
    }
  }
  EXPECT_EQ(hands, 3162510);
  EXPECT_EQ(mismatches, 0) << firstMismatches;

  // The 2,598,960 hands without a joker give the textbook poker counts (pairs split 5:8 by
  // ten-or-better, aces included), and nothing of the joker categories.
  const std::array<std::int64_t, 14> textbook = {
      1302540, 0, 675840, 422400, 123552, 54912, 10200, 5108, 3744, 624, 36, 0, 0, 4};
  EXPECT_EQ(natural, textbook);
}

}  // namespace

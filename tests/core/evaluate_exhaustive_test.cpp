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
//   pair;
//     natural pairs split into 2 and 3 by ten-or-better (ace counts as better);
//   - five of a kind is 11;
//   - a royal flush is 13 without a joker, 12 with one.
// Best means highest game code; the table order is the poker order for every hand that can occur.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <sstream>

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
  std::sort(groups.begin(), groups.begin() + groupCount, [](int a, int b) { return a > b; });

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
  static const char kRanks[] = "A23456789TJQK";
  static const char kSuits[] = "SHCD";
  std::ostringstream out;
  for (int i = 0; i < 5; ++i) {
    if (hand[i]->isJoker == 1) {
      out << "* ";
    } else {
      out << kRanks[hand[i]->rank] << kSuits[hand[i]->suit] << ' ';
    }
  }
  return out.str();
}

struct Tally {
  std::array<std::int64_t, 14> engine{};
  std::array<std::int64_t, 14> reference{};
  std::int64_t hands = 0;
  std::int64_t mismatches = 0;
  std::string firstMismatches;
};

TEST(EvaluateHandExhaustive, EveryHandOf54CardsAgreesWithTheReference) {
  const auto start = std::chrono::steady_clock::now();
  Deck deck;
  ASSERT_EQ(deck.Allocate(54), 1);
  deck.Build();
  const Card* all[54];
  for (int i = 0; i < 54; ++i)
    all[i] = &deck.cards[i];

  Tally tally;
  // Separately: the hands without a joker, for the textbook counts.
  std::array<std::int64_t, 14> natural{};
  const Card* hand[5];
  for (int a = 0; a < 54; ++a) {
    hand[0] = all[a];
    for (int b = a + 1; b < 54; ++b) {
      hand[1] = all[b];
      for (int c = b + 1; c < 54; ++c) {
        hand[2] = all[c];
        for (int d = c + 1; d < 54; ++d) {
          hand[3] = all[d];
          for (int e = d + 1; e < 54; ++e) {
            hand[4] = all[e];
            const int got = EvaluateHand(hand);
            ASSERT_GE(got, 0);
            ASSERT_LE(got, 13);
            const int want = Reference(hand);
            ++tally.engine[got];
            ++tally.reference[want];
            ++tally.hands;
            if (e < 52) ++natural[got];
            if (got != want && ++tally.mismatches <= 10) {
              tally.firstMismatches += Describe(hand) + "engine " + std::to_string(got) +
                                       " reference " + std::to_string(want) + "\n";
            }
          }
        }
      }
    }
  }

  EXPECT_EQ(tally.hands, 3162510);
  EXPECT_EQ(tally.mismatches, 0) << tally.firstMismatches;
  for (int k = 0; k < 14; ++k) {
    EXPECT_EQ(tally.engine[k], tally.reference[k]) << "category " << k;
  }

  // The 2,598,960 hands without a joker give the textbook poker counts (pairs split 5:8 by
  // ten-or-better, aces included), and nothing of the joker categories.
  const std::array<std::int64_t, 14> textbook = {
      1302540, 0, 675840, 422400, 123552, 54912, 10200, 5108, 3744, 624, 36, 0, 0, 4};
  for (int k = 0; k < 14; ++k)
    EXPECT_EQ(natural[k], textbook[k]) << "category " << k;

  // All 3,162,510 hands, per category: a regression record (engine and reference agree on it).
  const std::array<std::int64_t, 14> all54 = {
      1302540, 339696, 675840, 422400, 123552, 232968, 34704, 11388, 9360, 9360, 540, 78, 80, 4};
  for (int k = 0; k < 14; ++k)
    EXPECT_EQ(tally.engine[k], all54[k]) << "category " << k;

  std::ostringstream counts;
  for (int k = 0; k < 14; ++k)
    counts << (k ? ", " : "") << tally.engine[k];
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  RecordProperty("counts", counts.str());
  std::printf("category counts: %s (%.2f s)\n", counts.str().c_str(), seconds);
}

}  // namespace

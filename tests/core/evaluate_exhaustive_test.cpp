// EvaluateHand over every 5-card hand of a 54-card deck (3,162,510 hands), checked hand by hand
// against the independent classifier of tests/support/poker_reference.h.

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>

#include "core/deck.h"
#include "core/evaluate.h"
#include "tests/support/poker_reference.h"

namespace {

int Reference(const Card* const hand[5]) {
  std::array<int, 5> codes;
  for (int i = 0; i < 5; ++i)
    codes[i] = hand[i]->isJoker == 1 ? reference::kJoker : 13 * hand[i]->suit + hand[i]->rank;
  return reference::Category(codes);
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

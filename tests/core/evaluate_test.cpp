// EvaluateHand on the hands a reader could get wrong, MatchesPile and CompareForDouble.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "core/evaluate.h"
#include "hand_text.h"

namespace {

struct HandCase {
  const char* hand;
  int category;
  const char* why;
};

class EvaluateHandTable : public testing::TestWithParam<HandCase> {};

TEST_P(EvaluateHandTable, Classifies) {
  const HandCase& c = GetParam();
  TextHand hand(c.hand);
  EXPECT_EQ(EvaluateHand(hand.slots), c.category) << c.hand << " (" << c.why << ")";
}

// The edge cases of Parts 1.2, then the categories one by one.
INSTANTIATE_TEST_SUITE_P(
    ReaderTraps, EvaluateHandTable,
    testing::Values(HandCase{"TH JH QH KH AH", 13, "natural royal flush"},
                    HandCase{"TH JH QH KH *", 12, "joker for the ace: window 9 wins over window 8"},
                    HandCase{"TS JS QS KS *", 12, "not 10"},
                    HandCase{"2S 3S 4S * *", 10, "straight flush, window 1"},
                    HandCase{"AS 2H 3C 4D 5S", 6, "wheel, mixed suits"},
                    HandCase{"JS QH KC AD 2S", 0, "no wrap past the ace"},
                    HandCase{"9S 9H 2C 5D KS", 2, "pair of nines"},
                    HandCase{"TS TH 2C 5D KS", 3, "pair of tens"},
                    HandCase{"AS AH 2C 5D 7S", 3, "pair of aces"},
                    HandCase{"7S 7H * 2C KD", 5, "pair of sevens + joker"},
                    HandCase{"7S 7H * * KD", 9, "pair of sevens + two jokers"},
                    HandCase{"KS KH KC * *", 11, "three kings + two jokers"},
                    HandCase{"QS QH QC QD *", 11, "four queens + joker"},
                    HandCase{"2S 4H 6C 9D *", 1, "one joker, four unmatched low cards"},
                    HandCase{"- TH JH QH KH", 0, "empty slot first"},
                    HandCase{"TH JH B QH KH", 0, "face-down card in the middle"},
                    HandCase{"AS AH AC AD -", 0, "empty slot last"}));

INSTANTIATE_TEST_SUITE_P(
    Categories, EvaluateHandTable,
    testing::Values(
        HandCase{"2S 5H 9C JD KS", 0, "nothing"},
        HandCase{"AS KH 9C 7D *", 1, "joker + high cards is still only 1"},
        HandCase{"KS 9H 5C 2D *", 1, "joker pair, never a high pair"},
        HandCase{"2S 2H 5C 9D KS", 2, "pair of twos"}, HandCase{"JS JH 5C 9D 2S", 3, "jacks"},
        HandCase{"QS QH 5C 9D 2S", 3, "queens"}, HandCase{"KS KH 5C 9D 2S", 3, "kings"},
        HandCase{"9S 9H 4C 4D KS", 4, "two pair"},
        HandCase{"AS AH 2C 2D KS", 4, "two pair, aces up"}, HandCase{"9S 9H 9C 4D KS", 5, "trips"},
        HandCase{"2S 7H KC * *", 5, "two jokers + three unmatched"},
        HandCase{"5S 6H 7C 8D 9S", 6, "straight"},
        HandCase{"TS JH QC KD AS", 6, "ace-high straight, mixed"},
        HandCase{"5S 6H 7C 8D *", 6, "open-ended with a joker"},
        HandCase{"5S 6H 8C 9D *", 6, "inside with a joker"},
        HandCase{"2S 4H 6C * *", 6, "two jokers fill the gaps"},
        HandCase{"AS 2H 3C 4D *", 6, "wheel with a joker"},
        HandCase{"TS JH QC KD *", 6, "broadway with a joker, mixed"},
        HandCase{"AS QH KC * *", 6, "broadway with two jokers, mixed"},
        HandCase{"2H 5H 9H JH KH", 7, "flush"}, HandCase{"2H 5H 9H JH *", 7, "flush with a joker"},
        HandCase{"2H 9H KH * *", 7, "flush with two jokers"},
        HandCase{"9S 9H 9C 4D 4S", 8, "full house"},
        HandCase{"9S 9H 4C 4D *", 8, "two pair + joker"}, HandCase{"9S 9H 9C 9D 4S", 9, "quads"},
        HandCase{"9S 9H 9C 4D *", 9, "trips + joker"},
        HandCase{"5C 6C 7C 8C 9C", 10, "straight flush"},
        HandCase{"AD 2D 3D 4D 5D", 10, "steel wheel"},
        HandCase{"AS 2S 3S 4S *", 10, "wheel straight flush with a joker"},
        HandCase{"AS 2S 3S * *", 10, "wheel straight flush with two jokers"},
        HandCase{"AS 3S 5S * *", 10, "wheel straight flush with gaps"},
        HandCase{"9H TH JH QH KH", 10, "king-high straight flush is no royal"},
        HandCase{"9H TH JH QH *", 10, "joker makes K-high, window 9 does not fit"},
        HandCase{"TH JH QH * *", 12, "two jokers to royal"},
        HandCase{"AH KH * * QH", 12, "two jokers to royal, any slots"},
        HandCase{"AH TH * * QH", 12, "royal with inside gaps"},
        HandCase{"AH * KH TH QH", 12, "order does not matter"},
        HandCase{"AS KS QS JS TS", 13, "royal in reverse order"},
        HandCase{"0 TH JH QH KH", 0, "null slot"}));

TEST(EvaluateHand, SlotWithoutACardGivesNothingAnywhere) {
  const std::array<std::string, 5> royal = {"TH", "JH", "QH", "KH", "AH"};
  for (const char* missing : {"-", "B", "0"}) {
    for (int slot = 0; slot < 5; ++slot) {
      std::string text;
      for (int i = 0; i < 5; ++i)
        text += (i == slot ? std::string(missing) : royal[i]) + " ";
      TextHand hand(text);
      EXPECT_EQ(EvaluateHand(hand.slots), HandNothing) << text;
    }
  }
}

TEST(EvaluateHand, OrdinaryCardsOutOfRangeGiveNothing) {
  TextHand hand("TH JH QH KH AH");
  hand.cards[2].rank = 13;  // left over by a failed Set
  EXPECT_EQ(EvaluateHand(hand.slots), HandNothing);
  hand.cards[2].rank = 11;
  hand.cards[2].suit = -1;  // Set(-1, 11, 0) succeeds: a rank without a suit
  EXPECT_EQ(EvaluateHand(hand.slots), HandNothing);
  hand.cards[2].suit = 4;
  EXPECT_EQ(EvaluateHand(hand.slots), HandNothing);
}

TEST(EvaluateHand, DoesNotChangeItsInput) {
  TextHand hand("TH * QH KH AH");
  EXPECT_EQ(EvaluateHand(hand.slots), HandJokerRoyalFlush);
  EXPECT_EQ(hand.cards[1].suit, -1);
  EXPECT_EQ(hand.cards[1].rank, 0);
  EXPECT_EQ(hand.cards[0].rank, 9);
}

// Every ordering of the five slots gives the same category (the rule reads them in slot order).
TEST(EvaluateHand, SlotOrderDoesNotMatter) {
  const char* hands[] = {"TH JH QH KH *",  "2S 3S 4S * *", "7S 7H * 2C KD", "9S 9H 4C 4D *",
                         "AS 2H 3C 4D 5S", "KS KH KC * *", "2S 4H 6C 9D *"};
  for (const char* text : hands) {
    TextHand hand(text);
    const int expected = EvaluateHand(hand.slots);
    std::array<int, 5> order = {0, 1, 2, 3, 4};
    do {
      const Card* slots[5];
      for (int i = 0; i < 5; ++i)
        slots[i] = hand.slots[order[i]];
      ASSERT_EQ(EvaluateHand(slots), expected) << text;
    } while (std::next_permutation(order.begin(), order.end()));
  }
}

// ---- MatchesPile ----

struct PileCase {
  const char* pileTop;  // card text, "-" empty, "B" back
  const char* card;
  int matches;
};

const Card& CardOf(const char* text, Card& storage) {
  if (std::string(text) == "-") return emptyCard;
  if (std::string(text) == "B") return backCard;
  SetCardFromText(storage, text);
  return storage;
}

TEST(MatchesPile, Table) {
  const PileCase cases[] = {
      {"-", "5S", 1},  {"-", "*", 1},   {"-", "KD", 1},  {"5S", "-", 0},  {"*", "-", 0},
      {"-", "-", 0},   {"5S", "B", 0},  {"B", "5S", 1},  {"*", "9C", 1},  {"*", "AD", 1},
      {"9C", "*", 1},  {"*", "*", 1},   {"2H", "9H", 1}, {"2H", "2C", 1}, {"2H", "9C", 0},
      {"KS", "KD", 1}, {"KS", "QS", 1}, {"KS", "QD", 0}, {"AS", "2H", 0},
  };
  for (const PileCase& c : cases) {
    Card pileStorage;
    Card cardStorage;
    const Card& pile = CardOf(c.pileTop, pileStorage);
    const Card& card = CardOf(c.card, cardStorage);
    EXPECT_EQ(MatchesPile(pile, card), c.matches) << c.pileTop << " <- " << c.card;
  }
}

TEST(MatchesPile, EmptyPileAcceptsEveryValidCardAndNoCardIsPlayable) {
  for (int i = 0; i < 54; ++i) {
    Card card;
    card.Set(i / 13, i % 13, i / 13 > 3 ? 1 : 0);
    EXPECT_EQ(MatchesPile(emptyCard, card), 1) << i;
    EXPECT_EQ(MatchesPile(backCard, card), 1) << i;
    EXPECT_EQ(MatchesPile(card, emptyCard), 0) << i;
    EXPECT_EQ(MatchesPile(card, backCard), 0) << i;
  }
}

// ---- CompareForDouble ----

TEST(CompareForDouble, Table) {
  struct Case {
    const char* dealer;
    const char* player;
    int result;
  };
  const Case cases[] = {
      {"KS", "AS", 1},  {"AS", "*", 1},   {"2S", "2H", 0}, {"3C", "2D", -1}, {"*", "*", 0},
      {"AS", "KH", -1}, {"2S", "3S", 1},  {"*", "AS", -1}, {"KS", "KH", 0},  {"AH", "AD", 0},
      {"2C", "AS", 1},  {"AS", "2C", -1}, {"TD", "JD", 1}, {"*", "2S", -1},  {"2S", "*", 1},
  };
  for (const Case& c : cases) {
    Card dealer;
    Card player;
    SetCardFromText(dealer, c.dealer, 0);
    SetCardFromText(player, c.player, 1);
    EXPECT_EQ(CompareForDouble(dealer, player), c.result) << c.dealer << " vs " << c.player;
  }
}

TEST(CompareForDouble, TwoIsLowAceIsHighAcrossAllRanks) {
  // Value order: 2 < 3 < ... < K < A < joker; suits never count.
  auto value = [](int rank) { return rank == 0 ? 13 : rank; };
  for (int a = 0; a < 13; ++a) {
    for (int b = 0; b < 13; ++b) {
      Card dealer;
      dealer.Set(a % 4, a, 0);
      Card player;
      player.Set((b + 1) % 4, b, 0);
      const int expected = value(a) < value(b) ? 1 : (value(a) == value(b) ? 0 : -1);
      EXPECT_EQ(CompareForDouble(dealer, player), expected) << a << " vs " << b;
    }
  }
}

}  // namespace

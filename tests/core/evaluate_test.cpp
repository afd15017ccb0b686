// EvaluateHand on the hands a reader could get wrong, in every slot order; MatchesPile and
// CompareForDouble.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <sstream>
#include <stdexcept>
#include <string>
#include <tuple>

#include "core/evaluate.h"

namespace {

// "TH" ten of hearts, "AS" ace of spades, "*" a joker with this number, "-" the empty card,
// "B" the back card, "0" no card at all (null). Ordinary cards and jokers are set in storage.
const Card* CardFromText(const std::string& text, Card& storage, int jokerNumber = 0) {
  if (text == "0") return nullptr;
  if (text == "-") return &emptyCard;
  if (text == "B") return &backCard;
  if (text == "*") {
    storage.Set(-1, jokerNumber, 1);
  } else {
    static const char kRanks[] = "A23456789TJQK", kSuits[] = "SHCD";
    const char* rank = std::strchr(kRanks, text.at(0));
    const char* suit = std::strchr(kSuits, text.at(1));
    if (rank == nullptr || suit == nullptr || text.size() != 2) throw std::invalid_argument(text);
    storage.Set(static_cast<int>(suit - kSuits), static_cast<int>(rank - kRanks), 0);
  }
  return &storage;
}

// Five cards from text; the jokers are numbered 0, 1 in order.
struct TextHand {
  Card cards[5];
  const Card* slots[5] = {};

  explicit TextHand(const std::string& text) {
    std::istringstream in(text);
    std::string word;
    for (int i = 0, jokers = 0; i < 5 && in >> word; ++i)
      slots[i] = CardFromText(word, cards[i], word == "*" ? jokers++ : 0);
  }
};

// The exhaustive check puts the jokers last; these hold in any order of the slots.
TEST(EvaluateHand, HandsAReaderCouldGetWrongInAnySlotOrder) {
  const std::pair<const char*, int> cases[] = {
      {"TH JH QH KH *", HandJokerRoyalFlush}, {"AH TH * * QH", HandJokerRoyalFlush},
      {"AS KS QS JS TS", HandRoyalFlush},     {"9H TH JH QH *", HandStraightFlush},
      {"AS 3S 5S * *", HandStraightFlush},    {"AS 2H 3C 4D 5S", HandStraight},
      {"AS QH KC * *", HandStraight},         {"JS QH KC AD 2S", HandNothing},
      {"KS 9H 5C 2D *", HandJokerPair},       {"KS KH KC * *", HandFiveOfAKind},
      {"QS QH QC QD *", HandFiveOfAKind},     {"7S 7H * 2C KD", HandThreeOfAKind},
      {"- TH JH QH KH", HandNothing},         {"TH JH B QH KH", HandNothing},
      {"0 TH JH QH KH", HandNothing},
  };
  for (const auto& [text, category] : cases) {
    TextHand hand(text);
    std::array<int, 5> order = {0, 1, 2, 3, 4};
    do {
      const Card* slots[5];
      for (int i = 0; i < 5; ++i)
        slots[i] = hand.slots[order[i]];
      ASSERT_EQ(EvaluateHand(slots), category)
          << text << " in order " << testing::PrintToString(order);
    } while (std::next_permutation(order.begin(), order.end()));
  }
}

// Left-overs of a failed Set, or a rank without a suit, never reach the counters.
TEST(EvaluateHand, OrdinaryCardsOutOfRangeGiveNothing) {
  for (const auto& [suit, rank] : {std::pair{1, 13}, {-1, 11}, {4, 11}, {1, -2}}) {
    TextHand hand("TH JH QH KH AH");
    hand.cards[2].suit = suit;
    hand.cards[2].rank = rank;
    EXPECT_EQ(EvaluateHand(hand.slots), HandNothing) << suit << " " << rank;
  }
}

// MatchesPile(pile top, card), and CompareForDouble(dealer, player): two is low, ace above king,
// a joker above all; suits never count.
TEST(MatchesPileAndCompareForDouble, Tables) {
  const std::tuple<const char*, const char*, int> matches[] = {
      {"-", "5S", 1},  {"-", "*", 1},   {"5S", "-", 0},  {"*", "-", 0},   {"-", "-", 0},
      {"5S", "B", 0},  {"B", "5S", 1},  {"*", "9C", 1},  {"9C", "*", 1},  {"2H", "9H", 1},
      {"2H", "2C", 1}, {"2H", "9C", 0}, {"KS", "QD", 0}, {"AS", "2H", 0},
  };
  const std::tuple<const char*, const char*, int> doubles[] = {
      {"KS", "AS", 1}, {"AS", "KH", -1}, {"2S", "3S", 1}, {"3C", "2D", -1}, {"2S", "2H", 0},
      {"2C", "AS", 1}, {"AS", "*", 1},   {"*", "AS", -1}, {"*", "*", 0},    {"2S", "*", 1},
  };
  Card a, b;
  for (const auto& [first, second, result] : matches)
    EXPECT_EQ(MatchesPile(*CardFromText(first, a), *CardFromText(second, b)), result)
        << first << " <- " << second;
  for (const auto& [first, second, result] : doubles)
    EXPECT_EQ(CompareForDouble(*CardFromText(first, a), *CardFromText(second, b)), result)
        << first << " vs " << second;
}

}  // namespace

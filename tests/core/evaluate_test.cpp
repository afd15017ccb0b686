// EvaluateHand on the hands a reader could get wrong, in every slot order; MatchesPile and
// CompareForDouble.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <sstream>
#include <string>
#include <string_view>
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
  } else {  // a letter outside these lists gives an invalid card
    storage.Set(static_cast<int>(std::string_view("SHCD").find(text.at(1))),
                static_cast<int>(std::string_view("A23456789TJQK").find(text.at(0))), 0);
  }
  return &storage;
}

// The exhaustive check puts the jokers last; these hold in any order of the slots.
TEST(EvaluateHand, HandsAReaderCouldGetWrongInAnySlotOrder) {
  const std::pair<const char*, int> cases[] = {
      {"TH JH QH KH *", kHandJokerRoyalFlush}, {"AH TH * * QH", kHandJokerRoyalFlush},
      {"AS 3S 5S * *", kHandStraightFlush},    {"KS 9H 5C 2D *", kHandJokerPair},
      {"7S 7H * 2C KD", kHandThreeOfAKind},    {"- TH JH QH KH", kHandNothing},
      {"TH JH B QH KH", kHandNothing},         {"0 TH JH QH KH", kHandNothing},
  };
  for (const auto& [text, category] : cases) {
    Card cards[5];
    std::array<const Card*, 5> slots;
    std::istringstream in(text);
    std::string word;
    for (int i = 0, jokers = 0; in >> word; ++i)  // the jokers are numbered 0, 1 in order
      slots[i] = CardFromText(word, cards[i], word == "*" ? jokers++ : 0);
    std::sort(slots.begin(), slots.end());
    do {
      ASSERT_EQ(EvaluateHand(slots.data()), category) << text;
    } while (std::next_permutation(slots.begin(), slots.end()));
  }
}

// MatchesPile(pile top, card), and CompareForDouble(dealer, player): two is low, ace above king,
// a joker above all; suits never count.
TEST(MatchesPileAndCompareForDouble, Tables) {
  const std::tuple<const char*, const char*, int> matches[] = {
      {"-", "5S", 1},  {"-", "*", 1},   {"5S", "-", 0},  {"-", "-", 0},
      {"5S", "B", 0},  {"B", "5S", 1},  {"*", "9C", 1},  {"9C", "*", 1},
      {"2H", "9H", 1}, {"2H", "2C", 1}, {"2H", "9C", 0},
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

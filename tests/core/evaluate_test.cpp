// EvaluateHand on the hands a reader could get wrong, MatchesPile and CompareForDouble.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <sstream>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>

#include "core/evaluate.h"

namespace {

// Cards from short text: "TH" ten of hearts, "AS" ace of spades, "*" a joker (numbered 0, 1, ...
// in order of appearance in a hand), "-" the empty card, "B" the back card, "0" no card at all.
// Sets storage from text and points at it, or points at the empty or back card, or is null.
const Card* CardFromText(const std::string& text, Card& storage, int jokerNumber = 0) {
  if (text == "0") return nullptr;
  if (text == "-") return &emptyCard;
  if (text == "B") return &backCard;
  if (text == "*") {
    storage.Set(-1, jokerNumber, 1);
    return &storage;
  }
  static const char kRanks[] = "A23456789TJQK";
  static const char kSuits[] = "SHCD";
  const char* rank = text.size() == 2 && text[0] ? std::strchr(kRanks, text[0]) : nullptr;
  const char* suit = text.size() == 2 && text[1] ? std::strchr(kSuits, text[1]) : nullptr;
  if (rank == nullptr || suit == nullptr) throw std::invalid_argument("bad card: " + text);
  storage.Set(static_cast<int>(suit - kSuits), static_cast<int>(rank - kRanks), 0);
  return &storage;
}

struct TextHand {
  Card cards[5];
  const Card* slots[5] = {};

  explicit TextHand(const std::string& text) {
    std::istringstream in(text);
    std::string word;
    int jokers = 0;
    for (int i = 0; i < 5; ++i) {
      if (!(in >> word)) throw std::invalid_argument("short hand: " + text);
      slots[i] = CardFromText(word, cards[i], word == "*" ? jokers++ : 0);
    }
  }
};

// Every ordering of the slots gives the same category (the exhaustive check puts jokers last).
TEST(EvaluateHand, HandsAReaderCouldGetWrongInAnySlotOrder) {
  const std::pair<const char*, int> cases[] = {
      {"TH JH QH KH *", HandJokerRoyalFlush}, {"TH JH QH * *", HandJokerRoyalFlush},
      {"AH TH * * QH", HandJokerRoyalFlush},  {"AS KS QS JS TS", HandRoyalFlush},
      {"9H TH JH QH *", HandStraightFlush},   {"AS 3S 5S * *", HandStraightFlush},
      {"AS 2H 3C 4D 5S", HandStraight},       {"AS QH KC * *", HandStraight},
      {"JS QH KC AD 2S", HandNothing},        {"KS 9H 5C 2D *", HandJokerPair},
      {"AS KH 9C 7D *", HandJokerPair},       {"KS KH KC * *", HandFiveOfAKind},
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
          << text << " in order " << order[0] << order[1] << order[2] << order[3] << order[4];
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

TEST(MatchesPile, Table) {
  const std::tuple<const char*, const char*, int> cases[] = {
      // pile top, card, matches
      {"-", "5S", 1},  {"-", "*", 1},   {"5S", "-", 0},  {"*", "-", 0},   {"-", "-", 0},
      {"5S", "B", 0},  {"B", "5S", 1},  {"*", "9C", 1},  {"9C", "*", 1},  {"*", "*", 1},
      {"2H", "9H", 1}, {"2H", "2C", 1}, {"2H", "9C", 0}, {"KS", "KD", 1}, {"KS", "QS", 1},
      {"KS", "QD", 0}, {"AS", "2H", 0},
  };
  for (const auto& [pileText, cardText, matches] : cases) {
    Card pile;
    Card card;
    EXPECT_EQ(MatchesPile(*CardFromText(pileText, pile), *CardFromText(cardText, card)), matches)
        << pileText << " <- " << cardText;
  }
}

// Two is low, ace above king, a joker above all; suits never count.
TEST(CompareForDouble, Table) {
  const std::tuple<const char*, const char*, int> cases[] = {
      // dealer, player, result
      {"KS", "AS", 1},  {"AS", "*", 1},   {"2S", "2H", 0}, {"3C", "2D", -1}, {"*", "*", 0},
      {"AS", "KH", -1}, {"2S", "3S", 1},  {"*", "AS", -1}, {"KS", "KH", 0},  {"AH", "AD", 0},
      {"2C", "AS", 1},  {"AS", "2C", -1}, {"TD", "JD", 1}, {"*", "2S", -1},  {"2S", "*", 1},
  };
  for (const auto& [dealerText, playerText, result] : cases) {
    Card dealer;
    Card player;
    EXPECT_EQ(
        CompareForDouble(*CardFromText(dealerText, dealer), *CardFromText(playerText, player)),
        result)
        << dealerText << " vs " << playerText;
  }
}

}  // namespace

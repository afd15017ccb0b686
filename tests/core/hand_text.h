#pragma once
// Builds hands and cards from short text for the evaluation tests: "TH" ten of hearts, "AS" ace of
// spades, "*" a joker (numbered 0, 1, ... in order of appearance), "-" the empty card, "B" the back
// card, "0" a null slot. Ranks A23456789TJQK, suits S H C D (spades, hearts, clubs, diamonds).

#include <cstring>
#include <sstream>
#include <stdexcept>
#include <string>

#include "core/card.h"

inline void SetCardFromText(Card& card, const std::string& text, int jokerNumber = 0) {
  if (text == "*") {
    card.Set(-1, jokerNumber, 1);
    return;
  }
  static const char kRanks[] = "A23456789TJQK";
  static const char kSuits[] = "SHCD";
  const char* rank = text.size() == 2 ? std::strchr(kRanks, text[0]) : nullptr;
  const char* suit = text.size() == 2 ? std::strchr(kSuits, text[1]) : nullptr;
  if (rank == nullptr || suit == nullptr || *rank == 0 || *suit == 0) {
    throw std::invalid_argument("bad card text: " + text);
  }
  card.Set(static_cast<int>(suit - kSuits), static_cast<int>(rank - kRanks), 0);
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
      if (word == "-") {
        slots[i] = &emptyCard;
      } else if (word == "B") {
        slots[i] = &backCard;
      } else if (word == "0") {
        slots[i] = nullptr;
      } else {
        SetCardFromText(cards[i], word, word == "*" ? jokers++ : 0);
        slots[i] = &cards[i];
      }
    }
  }
};

#include "core/deck.h"

#include <chrono>
#include <new>

namespace {

constinit std::uint32_t randomState = 0;

std::uint32_t SteadyTickCount() {
  const auto now = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<std::uint32_t>(
      std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

constinit TickSource tickSource = nullptr;

}  // namespace

int DeckSizeForJokers(int jokerNum) {
  return (jokerNum >= 0 && jokerNum <= 2) ? kFullDeckCards + jokerNum : kFullDeckCards;
}

void SeedRandom(std::uint32_t seed) {
  randomState = seed;
}

int NextRandom() {
  randomState = randomState * 214013u + 2531011u;
  return static_cast<int>((randomState >> 16) & 0x7FFFu);
}

void SetTickSource(TickSource source) {
  tickSource = source;
}

int Deck::Allocate(int n) {
  cards.reset();
  count = 0;
  next = 0;
  if (n < 0 || n > kMaxDeckCards) return 0;
  if (n == 0) return 1;
  cards.reset(new (std::nothrow) Card[static_cast<std::size_t>(n)]);
  if (!cards) return 0;
  count = n;
  next = 0;
  return 1;
}

void Deck::Build() {
  for (int i = 0; i < count; ++i) {
    const int group = i / kRanks;  // the suits, then the jokers
    cards[i].Set(group, i % kRanks, group >= kSuits ? 1 : 0);
  }
}

void Deck::ResetOrder() {
  int i = 0;
  while (i < count) {
    const int k = DeckIndex(cards[i]);
    if (k < 0 || k >= count) break;
    if (k != i) {
      if (DeckIndex(cards[k]) == k) break;  // two cards claim place k: no progress possible
      SwapCards(cards[i], cards[k]);
    } else {
      ++i;
    }
  }
  next = 0;
}

void Deck::Shuffle(int level) {
  SeedRandom(tickSource != nullptr ? tickSource() : SteadyTickCount());
  const int passes = level > kMaxShuffleLevel ? kMaxShuffleLevel : level;
  constexpr double c = 3.051850947599719e-05;  // the double nearest to 1 / 32767
  for (int pass = 0; pass < passes; ++pass) {
    for (int i = 0; i < count; ++i) {
      const int r = NextRandom();
      int j = static_cast<int>(static_cast<double>(r) * c * static_cast<double>(count - 1));
      if (j > count - 1) j = count - 1;  // cannot happen (r <= 32767); kept as a bound
      if (j != i) SwapCards(cards[i], cards[j]);
    }
  }
}

Card* Deck::DrawNext(int advance) {
  if (next < 0 || next >= count) return &emptyCard;
  Card* card = &cards[next];
  if (advance == 1) ++next;
  return card;
}

Card* Deck::CardAt(int position) {
  if (position < 1 || position > count - 1) return &emptyCard;
  return &cards[position];
}

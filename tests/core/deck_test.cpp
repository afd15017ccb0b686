// The deck: the random generator, the shuffle, the canonical order, drawing and bad input.

#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <vector>

#include "core/deck.h"
#include "fake_pictures.h"

namespace {

std::uint32_t tickValue = 1;
std::uint32_t FixedTick() {
  return tickValue;
}

// Every deck test runs with a known tick count.
class DeckTest : public testing::Test {
 protected:
  void SetUp() override {
    tickValue = 1;
    SetTickSource(&FixedTick);
  }
  void TearDown() override { SetTickSource(nullptr); }
};

std::vector<int> Order(const Deck& deck, int n = -1) {
  std::vector<int> order;
  for (int i = 0; i < (n < 0 ? deck.count : n); ++i)
    order.push_back(DeckIndex(deck.cards[i]));
  return order;
}

std::vector<int> Canonical(int count) {
  std::vector<int> order;
  for (int i = 0; i < count; ++i)
    order.push_back(i);
  return order;
}

void MakeDeck(Deck& deck, int jokers) {
  ASSERT_EQ(deck.Allocate(DeckSizeForJokers(jokers)), 1);
  deck.Build();
}

TEST(Random, GoldenValues) {
  SeedRandom(1);
  for (int expected : {41, 18467, 6334, 26500, 19169})
    EXPECT_EQ(NextRandom(), expected);
  SeedRandom(0);
  for (int expected : {38, 7719, 21238})
    EXPECT_EQ(NextRandom(), expected);
}

TEST_F(DeckTest, SizeForJokersAndBuiltOrder) {
  for (int jokers : {-1, 0, 1, 2, 3, INT_MIN, INT_MAX}) {
    const bool valid = jokers >= 0 && jokers <= 2;
    EXPECT_EQ(DeckSizeForJokers(jokers), valid ? 52 + jokers : 52) << jokers;
    Deck deck;
    MakeDeck(deck, jokers);
    EXPECT_EQ(Order(deck), Canonical(deck.count)) << jokers;  // jokers last, numbered 0, 1
  }
}

TEST_F(DeckTest, GoldenOrderReseededOnEveryShuffle) {
  const std::vector<int> golden = {5, 28, 34, 41, 16, 24, 21, 7, 13, 38};
  Deck deck;
  MakeDeck(deck, 0);
  for (std::uint32_t tick : {1u, 1u, 2u}) {
    tickValue = tick;
    deck.ResetOrder();
    deck.Shuffle(1);
    EXPECT_EQ(Order(deck, 10) == golden, tick == 1) << tick;
  }
}

// Level n is n passes of the level-1 swap on one generator stream; none at or below 0; levels
// above 5 are 5 and take no longer.
TEST_F(DeckTest, ShuffleLevels) {
  for (int level : {INT_MIN, -1, 0, 1, 2, 3, 4, 5}) {
    Deck deck;
    MakeDeck(deck, 1);
    deck.Shuffle(level);
    Deck manual;
    MakeDeck(manual, 1);
    SeedRandom(1);
    for (int pass = 0; pass < level; ++pass) {
      for (int i = 0; i < manual.count; ++i) {
        const int j = static_cast<int>(NextRandom() * 3.051850947599719e-05 * (manual.count - 1));
        SwapCards(manual.cards[i], manual.cards[j]);
      }
    }
    EXPECT_EQ(Order(deck), Order(manual)) << level;
  }
  Deck five;
  MakeDeck(five, 2);
  five.Shuffle(5);
  for (int level : {6, INT_MAX}) {
    Deck deck;
    MakeDeck(deck, 2);
    const auto start = std::chrono::steady_clock::now();
    deck.Shuffle(level);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(100));
    EXPECT_EQ(Order(deck), Order(five)) << level;
  }
}

// After every level, with 0, 1 and 2 jokers, ResetOrder restores canonical order and next = 0;
// every card keeps its own picture through all the moves, each released exactly once at the end.
TEST_F(DeckTest, ResetOrderRestoresCanonicalOrderAndPictures) {
  for (int jokers = 0; jokers <= 2; ++jokers) {
    FakePictures fakes;
    {
      Deck deck;
      MakeDeck(deck, jokers);
      std::vector<platform::Bitmap*> pictureOf(deck.count);
      for (int i = 0; i < deck.count; ++i) {
        ASSERT_EQ(deck.cards[i].LoadPicture(1, 1), 1);
        pictureOf[i] = deck.cards[i].picture;
      }
      for (int level = 0; level <= 6; ++level) {
        for (std::uint32_t seed : {0u, 1u, 12345u, 0xFFFFFFFFu}) {
          SCOPED_TRACE(testing::Message() << jokers << " jokers, level " << level << " " << seed);
          tickValue = seed;
          SetTickSource(seed == 0 ? nullptr : &FixedTick);  // the default clock too
          deck.next = 7;
          deck.Shuffle(level);
          EXPECT_EQ(deck.next, 7);
          for (int i = 0; i < deck.count; ++i)
            ASSERT_EQ(deck.cards[i].picture, pictureOf[DeckIndex(deck.cards[i])]) << i;
          deck.ResetOrder();
          EXPECT_EQ(deck.next, 0);
          EXPECT_EQ(Order(deck), Canonical(deck.count));
          for (int i = 0; i < deck.count; ++i)
            ASSERT_EQ(deck.cards[i].picture, pictureOf[i]);
        }
      }
      EXPECT_EQ(fakes.releases, 0);
    }
    EXPECT_EQ(fakes.loads, 52 + jokers);
    EXPECT_EQ(fakes.releases, fakes.loads);
    EXPECT_EQ(fakes.badReleases, 0);
  }
}

TEST_F(DeckTest, DrawNextAndCardAtNeverLeaveTheDeck) {
  Deck deck;
  MakeDeck(deck, 1);
  for (int i = 0; i < 53; ++i) {
    EXPECT_EQ(deck.DrawNext(0), &deck.cards[i]);  // peek
    EXPECT_EQ(deck.DrawNext(2), &deck.cards[i]);  // only 1 advances
    EXPECT_EQ(deck.DrawNext(1), &deck.cards[i]);
    EXPECT_EQ(deck.next, i + 1);
  }
  EXPECT_EQ(deck.DrawNext(1), &emptyCard);  // used up
  EXPECT_EQ(deck.next, 53);
  for (int bad : {-1, INT_MIN, INT_MAX}) {
    deck.next = bad;
    EXPECT_EQ(deck.DrawNext(1), &emptyCard) << bad;
  }
  for (int p = -1; p <= 54; ++p)
    EXPECT_EQ(deck.CardAt(p), p >= 1 && p <= 52 ? &deck.cards[p] : &emptyCard) << p;
  EXPECT_EQ(deck.CardAt(INT_MAX), &emptyCard);
  Deck unallocated;
  EXPECT_EQ(unallocated.DrawNext(1), &emptyCard);
  EXPECT_EQ(unallocated.CardAt(1), &emptyCard);
}

TEST_F(DeckTest, AllocateReplacesTheCardsAndRefusesBadSizes) {
  FakePictures fakes;
  Deck deck;
  MakeDeck(deck, 2);
  for (int i = 0; i < deck.count; ++i)
    deck.cards[i].LoadPicture(1, 1);
  deck.next = 9;
  EXPECT_EQ(deck.Allocate(10), 1);
  EXPECT_EQ(fakes.releases, 54);
  EXPECT_EQ(deck.next, 0);
  EXPECT_EQ(Order(deck), std::vector<int>(10, -1));  // ten empty cards
  for (int bad : {-1, INT_MIN, kMaxDeckCards + 1, INT_MAX}) {
    MakeDeck(deck, 0);
    EXPECT_EQ(deck.Allocate(bad), 0) << bad;
    EXPECT_EQ(deck.count, 0);
    EXPECT_EQ(deck.cards, nullptr);
    deck.Build();  // everything stays safe on the empty deck
    deck.Shuffle(5);
    deck.ResetOrder();
    EXPECT_EQ(deck.DrawNext(1), &emptyCard);
  }
}

// An unset card, a card whose place is past the end, or two cards claiming one place: the sort
// stops there, never swaps out of range and never loops for ever.
TEST_F(DeckTest, ResetOrderStopsAtACardWithoutAPlace) {
  Deck deck;
  MakeDeck(deck, 0);
  SwapCards(deck.cards[3], deck.cards[10]);
  deck.cards[0].Set(-1, -1, 0);
  deck.next = 5;
  deck.ResetOrder();
  EXPECT_EQ(deck.next, 0);
  EXPECT_EQ(DeckIndex(deck.cards[3]), 10);  // not reached

  MakeDeck(deck, 2);
  deck.count = 53;  // joker 1 now belongs past the end, at a place the array still has
  SwapCards(deck.cards[0], deck.cards[53]);
  deck.ResetOrder();
  EXPECT_EQ(DeckIndex(deck.cards[0]), 53);
  EXPECT_EQ(DeckIndex(deck.cards[53]), 0);

  for (int n : {51, 56, 66, 100}) {  // Allocate(52 + a Joker option outside 0..2)
    ASSERT_EQ(deck.Allocate(n), 1);
    deck.Build();
    deck.cards[n / 2].Set(0, 0, 0);  // and a second ace of spades
    for (int level = 1; level <= 5; ++level) {
      tickValue = static_cast<std::uint32_t>(level * 31 + n);
      deck.Shuffle(level);
      deck.ResetOrder();
      EXPECT_EQ(deck.next, 0);
    }
  }
}

}  // namespace

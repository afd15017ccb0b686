// The deck, its canonical order, the random generator, the shuffle and bad input.

#include <gtest/gtest.h>

#include <algorithm>
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

// Every deck test runs with a known tick count and without picture functions.
class DeckTest : public testing::Test {
 protected:
  void SetUp() override {
    tickValue = 1;
    SetTickSource(&FixedTick);
    SetPictureFunctions(nullptr, nullptr);
  }
  void TearDown() override {
    SetTickSource(nullptr);
    SetPictureFunctions(nullptr, nullptr);
  }
};

std::vector<int> Order(const Deck& deck) {
  std::vector<int> order;
  for (int i = 0; i < deck.count; ++i)
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

// ---- random generator ----

TEST(Random, GoldenValues) {
  SeedRandom(1);
  for (int expected : {41, 18467, 6334, 26500, 19169})
    EXPECT_EQ(NextRandom(), expected);
  SeedRandom(0);
  for (int expected : {38, 7719, 21238})
    EXPECT_EQ(NextRandom(), expected);
}

TEST(Random, StaysIn15BitsAndWrapsModulo2To32) {
  SeedRandom(0xFFFFFFFFu);
  // state = 0xFFFFFFFF * 214013 + 2531011 mod 2^32 = 2531011 - 214013 = 2316998 -> 2316998 >> 16
  EXPECT_EQ(NextRandom(), 35);
  for (int i = 0; i < 100000; ++i) {
    const int r = NextRandom();
    ASSERT_GE(r, 0);
    ASSERT_LE(r, 32767);
  }
}

// r = 32767 gives exactly count - 1 with the constant as given, so j never leaves the deck.
TEST(Random, ShuffleIndexArithmeticReachesCountMinusOneExactly) {
  constexpr double c = 3.051850947599719e-05;
  for (int count = 1; count <= kMaxDeckCards; ++count) {
    EXPECT_EQ(static_cast<int>(32767.0 * c * static_cast<double>(count - 1)), count - 1) << count;
    EXPECT_EQ(static_cast<int>(32766.0 * c * static_cast<double>(count - 1)) <= count - 1, true);
  }
}

// ---- building ----

TEST_F(DeckTest, BuildGivesCanonicalOrderWithJokersLast) {
  for (int jokers = 0; jokers <= 2; ++jokers) {
    Deck deck;
    MakeDeck(deck, jokers);
    EXPECT_EQ(deck.count, 52 + jokers);
    EXPECT_EQ(deck.next, 0);
    EXPECT_EQ(Order(deck), Canonical(52 + jokers));
    for (int i = 0; i < 52; ++i) {
      EXPECT_EQ(deck.cards[i].suit, i / 13);
      EXPECT_EQ(deck.cards[i].rank, i % 13);
      EXPECT_EQ(deck.cards[i].isJoker, 0);
    }
    for (int i = 52; i < deck.count; ++i) {
      EXPECT_EQ(deck.cards[i].isJoker, 1);
      EXPECT_EQ(deck.cards[i].rank, i - 52);
      EXPECT_EQ(deck.cards[i].suit, -1);  // a joker's suit is never set
      EXPECT_EQ(DeckIndex(deck.cards[i]), i);
    }
  }
}

TEST(DeckSize, ForJokers) {
  EXPECT_EQ(DeckSizeForJokers(0), 52);
  EXPECT_EQ(DeckSizeForJokers(1), 53);
  EXPECT_EQ(DeckSizeForJokers(2), 54);
  for (int bad : {-1, 3, 13, 100, INT_MIN, INT_MAX})
    EXPECT_EQ(DeckSizeForJokers(bad), 52) << bad;
}

// ---- shuffle ----

TEST_F(DeckTest, Seed1Level1GoldenOrder) {
  Deck deck;
  MakeDeck(deck, 0);
  deck.Shuffle(1);
  const std::vector<int> expected = {5, 28, 34, 41, 16, 24, 21, 7, 13, 38};
  const std::vector<int> order = Order(deck);
  EXPECT_EQ(std::vector<int>(order.begin(), order.begin() + 10), expected);
  EXPECT_EQ(deck.next, 0);

  // The same seed and level always give the same order.
  Deck again;
  MakeDeck(again, 0);
  again.Shuffle(1);
  EXPECT_EQ(Order(again), order);
}

TEST_F(DeckTest, ShuffleSeedsFromTheTickSourceEachTime) {
  Deck a;
  MakeDeck(a, 0);
  tickValue = 1000;
  a.Shuffle(3);
  Deck b;
  MakeDeck(b, 0);
  tickValue = 1001;
  b.Shuffle(3);
  EXPECT_NE(Order(a), Order(b));
  // The generator continues from the shuffle seed: seeding by hand reproduces the state.
  tickValue = 77;
  a.Shuffle(0);
  SeedRandom(77);
  const int expected = NextRandom();
  a.Shuffle(0);
  EXPECT_EQ(NextRandom(), expected);
}

TEST_F(DeckTest, DefaultTickSourceWorks) {
  SetTickSource(nullptr);
  Deck deck;
  MakeDeck(deck, 2);
  deck.Shuffle(2);
  std::vector<int> sorted = Order(deck);
  std::sort(sorted.begin(), sorted.end());
  EXPECT_EQ(sorted, Canonical(54));  // a permutation
}

TEST_F(DeckTest, LevelZeroAndBelowDealCanonicalOrder) {
  for (int level : {0, -1, INT_MIN}) {
    Deck deck;
    MakeDeck(deck, 2);
    deck.Shuffle(level);
    EXPECT_EQ(Order(deck), Canonical(54)) << level;
    // The first five cards dealt are ace to five of spades.
    for (int i = 0; i < 5; ++i) {
      const Card* card = deck.DrawNext(1);
      EXPECT_EQ(card->suit, 0);
      EXPECT_EQ(card->rank, i);
    }
  }
}

TEST_F(DeckTest, EachLevelAddsOnePass) {
  // Level n equals n consecutive level-1 passes from the same generator stream.
  for (int level = 1; level <= 5; ++level) {
    Deck deck;
    MakeDeck(deck, 1);
    deck.Shuffle(level);

    Deck manual;
    MakeDeck(manual, 1);
    SeedRandom(1);
    for (int pass = 0; pass < level; ++pass) {
      for (int i = 0; i < manual.count; ++i) {
        const int r = NextRandom();
        const int j = static_cast<int>(r * 3.051850947599719e-05 * (manual.count - 1));
        SwapCards(manual.cards[i], manual.cards[j]);
      }
    }
    EXPECT_EQ(Order(deck), Order(manual)) << level;
  }
}

TEST_F(DeckTest, LevelsAboveFiveAreCappedAndFast) {
  Deck five;
  MakeDeck(five, 2);
  five.Shuffle(5);
  for (int level : {6, 1000, INT_MAX}) {
    Deck deck;
    MakeDeck(deck, 2);
    const auto start = std::chrono::steady_clock::now();
    deck.Shuffle(level);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(Order(deck), Order(five)) << level;
    EXPECT_LT(elapsed, std::chrono::milliseconds(100)) << level;
  }
}

// ResetOrder after every level with 0, 1 and 2 jokers restores canonical order and next = 0, and
// every card keeps its own picture through all the moves; destroying the deck releases each
// picture exactly once.
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
        for (std::uint32_t seed : {1u, 2u, 12345u, 0xFFFFFFFFu}) {
          SCOPED_TRACE(testing::Message()
                       << "jokers " << jokers << " level " << level << " seed " << seed);
          tickValue = seed;
          deck.next = 7;
          deck.Shuffle(level);
          EXPECT_EQ(deck.next, 7);  // Shuffle leaves next alone
          for (int i = 0; i < deck.count; ++i) {
            const Card& card = deck.cards[i];
            ASSERT_EQ(card.picture, pictureOf[DeckIndex(card)]) << "position " << i;
            ASSERT_EQ(fakes.IdOf(card.picture), card.PictureId(1, 1));
          }
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
    EXPECT_TRUE(fakes.live.empty());
  }
}

// ---- drawing ----

TEST_F(DeckTest, DrawNextDealsInOrderThenYieldsTheEmptyCard) {
  Deck deck;
  MakeDeck(deck, 1);
  for (int i = 0; i < 53; ++i) {
    EXPECT_EQ(deck.DrawNext(0), &deck.cards[i]);  // peek
    EXPECT_EQ(deck.next, i);
    EXPECT_EQ(deck.DrawNext(1), &deck.cards[i]);
    EXPECT_EQ(deck.next, i + 1);
  }
  EXPECT_EQ(deck.DrawNext(0), &emptyCard);
  EXPECT_EQ(deck.DrawNext(1), &emptyCard);
  EXPECT_EQ(deck.next, 53);
  deck.ResetOrder();
  EXPECT_EQ(deck.DrawNext(1), &deck.cards[0]);
}

TEST_F(DeckTest, DrawNextAdvancesOnlyForExactlyOne) {
  Deck deck;
  MakeDeck(deck, 0);
  deck.DrawNext(2);
  deck.DrawNext(-1);
  EXPECT_EQ(deck.next, 0);
}

TEST_F(DeckTest, DrawNextNeverReadsOutsideTheArray) {
  Deck unallocated;
  EXPECT_EQ(unallocated.DrawNext(0), &emptyCard);
  EXPECT_EQ(unallocated.DrawNext(1), &emptyCard);
  EXPECT_EQ(unallocated.next, 0);

  Deck deck;
  MakeDeck(deck, 0);
  for (int bad : {-1, -100, 52, 53, INT_MAX, INT_MIN}) {
    deck.next = bad;
    EXPECT_EQ(deck.DrawNext(0), &emptyCard) << bad;
    EXPECT_EQ(deck.DrawNext(1), &emptyCard) << bad;
    EXPECT_EQ(deck.next, bad);
  }
}

TEST_F(DeckTest, CardAtReturnsPositionsOneToCountMinusOne) {
  Deck deck;
  MakeDeck(deck, 2);
  EXPECT_EQ(deck.CardAt(0), &emptyCard);  // position 0 is never returned
  for (int p = 1; p <= 53; ++p)
    EXPECT_EQ(deck.CardAt(p), &deck.cards[p]);
  for (int bad : {54, 55, -1, INT_MIN, INT_MAX})
    EXPECT_EQ(deck.CardAt(bad), &emptyCard) << bad;
  Deck unallocated;
  EXPECT_EQ(unallocated.CardAt(1), &emptyCard);
}

// ---- allocation and bad input ----

TEST_F(DeckTest, AllocateRefusesNegativeAndAbsurdSizes) {
  for (int bad : {-1, -52, INT_MIN, kMaxDeckCards + 1, INT_MAX}) {
    Deck deck;
    MakeDeck(deck, 0);
    EXPECT_EQ(deck.Allocate(bad), 0) << bad;
    EXPECT_EQ(deck.count, 0);
    EXPECT_EQ(deck.next, 0);
    EXPECT_EQ(deck.cards, nullptr);
    // Everything stays safe on the empty deck.
    deck.Build();
    deck.Shuffle(5);
    deck.ResetOrder();
    EXPECT_EQ(deck.DrawNext(1), &emptyCard);
    EXPECT_EQ(deck.CardAt(1), &emptyCard);
  }
  Deck zero;
  EXPECT_EQ(zero.Allocate(0), 1);
  EXPECT_EQ(zero.count, 0);
  EXPECT_EQ(zero.DrawNext(1), &emptyCard);
}

TEST_F(DeckTest, AllocateCreatesEmptyCardsAndReleasesOldPictures) {
  FakePictures fakes;
  Deck deck;
  MakeDeck(deck, 2);
  for (int i = 0; i < deck.count; ++i)
    deck.cards[i].LoadPicture(1, 1);
  deck.next = 9;
  EXPECT_EQ(deck.Allocate(10), 1);
  EXPECT_EQ(fakes.releases, 54);
  EXPECT_EQ(deck.count, 10);
  EXPECT_EQ(deck.next, 0);
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(deck.cards[i].suit, -1);
    EXPECT_EQ(deck.cards[i].rank, -1);
    EXPECT_EQ(deck.cards[i].isJoker, 0);
    EXPECT_EQ(deck.cards[i].picture, nullptr);
  }
  EXPECT_EQ(fakes.badReleases, 0);
}

TEST_F(DeckTest, ResetOrderStopsAtAnUnsetCard) {
  Deck deck;
  ASSERT_EQ(deck.Allocate(20), 1);  // never built: every DeckIndex is -1
  deck.next = 5;
  deck.ResetOrder();
  EXPECT_EQ(deck.next, 0);

  // Cards after an unset card stay where they are.
  Deck built;
  MakeDeck(built, 0);
  SwapCards(built.cards[3], built.cards[10]);
  built.cards[0].Set(-1, -1, 0);
  built.ResetOrder();
  EXPECT_EQ(DeckIndex(built.cards[3]), 10);
  EXPECT_EQ(DeckIndex(built.cards[10]), 3);
}

// A Joker option outside 0..2 written straight into Allocate (52 + jokerNum), a card hand-edited
// to an index past the end, or two cards claiming the same place: the sort stops, never swaps out
// of range and never loops for ever.
TEST_F(DeckTest, ResetOrderIsSafeOnBrokenDecks) {
  for (int n : {51, 50, 55, 56, 64, 65, 66, 70, 100}) {
    SCOPED_TRACE(n);
    Deck deck;
    ASSERT_EQ(deck.Allocate(n), 1);
    deck.Build();
    for (int level = 1; level <= 5; ++level) {
      tickValue = static_cast<std::uint32_t>(level * 31 + n);
      deck.Shuffle(level);
      deck.ResetOrder();
      EXPECT_EQ(deck.next, 0);
    }
  }
  Deck deck;
  MakeDeck(deck, 1);
  deck.cards[52].rank = 5;  // joker 5: DeckIndex 57 in a deck of 53
  deck.Shuffle(3);
  deck.ResetOrder();
  EXPECT_EQ(deck.next, 0);

  Deck duplicates;
  MakeDeck(duplicates, 0);
  duplicates.cards[40].Set(0, 0, 0);  // a second ace of spades
  for (int level = 1; level <= 5; ++level) {
    tickValue = static_cast<std::uint32_t>(level);
    duplicates.Shuffle(level);
    duplicates.ResetOrder();
  }
  EXPECT_EQ(duplicates.next, 0);
}

TEST_F(DeckTest, ShuffleKeepsEveryCard) {
  for (int jokers = 0; jokers <= 2; ++jokers) {
    Deck deck;
    MakeDeck(deck, jokers);
    for (std::uint32_t seed = 0; seed < 50; ++seed) {
      tickValue = seed;
      deck.Shuffle(static_cast<int>(seed % 6));
      std::vector<int> sorted = Order(deck);
      std::sort(sorted.begin(), sorted.end());
      ASSERT_EQ(sorted, Canonical(deck.count));
    }
  }
}

}  // namespace

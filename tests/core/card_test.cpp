// Cards and the deck: Set, validity, indices and picture ownership; the random generator, the
// shuffle, the canonical order, drawing and bad input.

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <map>
#include <numeric>
#include <tuple>
#include <vector>

#include "core/card.h"
#include "core/deck.h"

namespace {

// The card pictures: the loader hands out distinct fake handles (never dereferenced), the
// releaser counts releases and notices double or unknown ones. One at a time.
struct FakePictures {
  int loads = 0, releases = 0, badReleases = 0;
  int failId = -1;                        // the loader fails for this resource number
  std::map<platform::Bitmap*, int> live;  // live handle -> resource number
  static inline FakePictures* self = nullptr;

  FakePictures() {
    self = this;
    SetPictureFunctions(
        [](int id) -> platform::Bitmap* {
          if (id == self->failId) return nullptr;
          auto* bitmap = reinterpret_cast<platform::Bitmap*>(std::uintptr_t{16} * ++self->loads);
          self->live[bitmap] = id;
          return bitmap;
        },
        [](platform::Bitmap* bitmap) {
          ++(self->live.erase(bitmap) == 1 ? self->releases : self->badReleases);
        });
  }
  ~FakePictures() { SetPictureFunctions(nullptr, nullptr); }
};

using Fields = std::tuple<int, int, int>;  // suit, rank, isJoker

Fields Of(const Card& card) {
  return {card.suit, card.rank, card.isJoker};
}

void Assign(Card& card, Fields f) {
  std::tie(card.suit, card.rank, card.isJoker) = f;
}

// Set checks in this order: isJoker; store rank and isJoker; a joker succeeds; suit -1..3;
// store suit; rank -1..12.
TEST(Card, SetFollowsTheFailureOrder) {
  const std::tuple<Fields, Fields, int, Fields> cases[] = {
      // before, arguments, result, after
      {{-1, -1, 0}, {3, 12, 0}, 1, {3, 12, 0}},  // highest ordinary card
      {{2, 5, 0}, {-1, -1, 0}, 1, {-1, -1, 0}},  // back to no suit, no rank
      {{1, 4, 0}, {0, 0, 2}, 0, {1, 4, 0}},      // bad joker flag: nothing stored
      {{2, 9, 0}, {7, 40, 1}, 1, {2, 40, 1}},    // joker: suit neither checked nor stored
      {{1, 4, 1}, {4, 3, 0}, 0, {1, 3, 0}},      // bad suit: new rank and flag already stored
      {{1, 4, 0}, {-2, 5, 0}, 0, {1, 5, 0}},
      {{1, 4, 0}, {2, 13, 0}, 0, {2, 13, 0}},  // bad rank: suit and rank stored
      {{1, 4, 0}, {3, -2, 0}, 0, {3, -2, 0}},
  };
  for (const auto& [before, args, result, after] : cases) {
    Card card;
    Assign(card, before);
    const auto [suit, rank, isJoker] = args;
    EXPECT_EQ(card.Set(suit, rank, isJoker), result) << suit << " " << rank << " " << isJoker;
    EXPECT_EQ(Of(card), after) << suit << " " << rank << " " << isJoker;
  }
}

TEST(Card, ValidityPictureIdAndIndices) {
  for (int i = 0; i < 52; ++i) {
    Card card;
    card.Set(i / 13, i % 13, 0);
    EXPECT_EQ(std::tuple(card.IsValid(), card.PictureId(0, 1), DeckIndex(card), GridIndex(card)),
              std::tuple(1, 1 + i, i, i));
  }
  const std::tuple<Fields, int, int, int, int> cases[] = {
      // fields, valid, PictureId(1, 2) (-1 not checked), deck index, grid index
      {{-1, -1, 0}, 0, 0, -1, -1},    // the empty card
      {{-1, 0, 1}, 1, 252, 52, -1},   // joker 0
      {{-1, 1, 1}, 1, 252, 53, -1},   // joker 1
      {{-1, -1, 1}, 1, 252, -1, -1},  // joker without a number
      {{2, 5, 2}, 1, 332, 31, 31},    // flag 2 is no joker
      {{-1, 5, 0}, 0, 0, -1, -1},     // rank without a suit
      {{2, -1, 0}, 0, 0, -1, -1},     // suit without a rank
      {{4, 0, 0}, 0, 0, -1, -1},      // suit out of range
      {{0, 13, 0}, 0, -1, -1, -1},    // left-overs of failed Sets never index outside the deck
      {{2, -2, 0}, 0, -1, -1, -1},    //   or the 52-cell tracker
  };
  for (const auto& [fields, valid, pictureId, deckIndex, gridIndex] : cases) {
    Card card;
    Assign(card, fields);
    EXPECT_EQ(std::tuple(card.IsValid(), pictureId < 0 ? -1 : card.PictureId(1, 2), DeckIndex(card),
                         GridIndex(card)),
              std::tuple(valid, pictureId, deckIndex, gridIndex))
        << testing::PrintToString(fields);
  }
}

TEST(CardPicture, LoadReleaseAndOwnership) {
  Card orphan;  // outlives the loader and the releaser
  orphan.Set(0, 0, 0);
  EXPECT_EQ(orphan.LoadPicture(1, 1), 0);  // no loader installed
  {
    FakePictures fakes;
    {
      Card empty;
      EXPECT_EQ(empty.LoadPicture(1, 1), 0);  // picture 0 is never asked for
      fakes.failId = 301;
      EXPECT_EQ(orphan.LoadPicture(1, 1), 0);

      Card seven, target, joker;
      seven.Set(2, 6, 0);
      EXPECT_EQ(seven.LoadPicture(1, 1), 1);
      EXPECT_EQ(seven.LoadPicture(1, 1), 1);  // the first picture is released
      EXPECT_EQ(fakes.live.at(seven.picture), 333);
      target.MoveFrom(seven);
      EXPECT_EQ(Of(target), Of(seven));  // the fields are copied, only the picture moves
      EXPECT_EQ(seven.picture, nullptr);
      platform::Bitmap* sevenPicture = target.picture;
      target.MoveFrom(target);
      EXPECT_EQ(target.picture, sevenPicture);

      joker.Set(-1, 1, 1);
      EXPECT_EQ(joker.LoadPicture(1, 1), 1);
      platform::Bitmap* jokerPicture = joker.picture;
      EXPECT_EQ(fakes.live.at(jokerPicture), 251);
      SwapCards(target, joker);
      EXPECT_EQ(Of(target), Fields(-1, 1, 1));
      EXPECT_EQ(Of(joker), Fields(2, 6, 0));
      EXPECT_EQ(std::pair(target.picture, joker.picture), std::pair(jokerPicture, sevenPicture));
      EXPECT_EQ(fakes.releases, 1);

      target.MoveFrom(joker);  // the joker picture target held is released, once
      EXPECT_EQ(target.picture, sevenPicture);
      EXPECT_EQ(fakes.live.count(jokerPicture), 0u);
      target.ReleasePicture();
      target.ReleasePicture();
      EXPECT_EQ(target.picture, nullptr);
      EXPECT_EQ(fakes.releases, 3);
      joker.LoadPicture(1, 1);  // released with its card
      fakes.failId = -1;
      EXPECT_EQ(orphan.LoadPicture(1, 1), 1);
    }
    EXPECT_EQ(std::tuple(fakes.loads, fakes.releases, fakes.badReleases), std::tuple(5, 4, 0));
  }
  orphan.ReleasePicture();  // no releaser any more: the handle is only forgotten
  EXPECT_EQ(orphan.picture, nullptr);
}

// The tick count the shuffles of these tests are seeded from.
std::uint32_t tickValue = 1;
std::uint32_t FixedTick() {
  return tickValue;
}

std::vector<int> Order(const Deck& deck, int n = -1) {
  std::vector<int> order(n < 0 ? deck.count : n);
  for (size_t i = 0; i < order.size(); ++i)
    order[i] = DeckIndex(deck.cards[i]);
  return order;
}

std::vector<int> Canonical(int count) {
  std::vector<int> order(count);
  std::iota(order.begin(), order.end(), 0);
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

// Every Shuffle reseeds from the tick count; level n is n passes on one generator stream, none at
// or below 0, and levels above 5 are 5. Every card keeps its own picture through all the moves,
// ResetOrder restores the canonical order (jokers last) and next = 0, and each picture is released
// exactly once at the end.
TEST(Deck, GoldenOrdersKeepEveryPicture) {
  const std::vector<int> level5 = {29, 47, 22, 40, 52, 17, 5, 50, 19, 20};
  const std::tuple<int, int, std::uint32_t, std::vector<int>> cases[] = {
      // jokers, level, tick, first ten cards
      {0, 1, 1, {5, 28, 34, 41, 16, 24, 21, 7, 13, 38}},
      {0, 1, 2, {13, 45, 42, 15, 1, 32, 33, 41, 10, 26}},
      {1, 1, 1, {5, 29, 13, 42, 16, 24, 22, 12, 4, 2}},
      {2, 1, 1, {24, 29, 10, 34, 14, 25, 22, 11, 13, 2}},
      {2, 2, 1, {39, 25, 2, 20, 11, 33, 43, 8, 46, 16}},
      {2, 5, 1, level5},
      {2, 6, 1, level5},
      {2, INT_MAX, 1, level5},
      {2, 0, 1, Canonical(10)},
      {2, INT_MIN, 1, Canonical(10)},
  };
  SetTickSource(&FixedTick);
  for (const auto& [jokers, level, tick, golden] : cases) {
    SCOPED_TRACE(testing::Message() << jokers << " jokers, level " << level << " tick " << tick);
    FakePictures fakes;
    {
      Deck deck;
      MakeDeck(deck, jokers);
      ASSERT_EQ(deck.count, 52 + jokers);
      std::vector<platform::Bitmap*> pictureOf(deck.count);
      for (int i = 0; i < deck.count; ++i) {
        deck.cards[i].LoadPicture(1, 1);
        pictureOf[i] = deck.cards[i].picture;
      }
      for (int twice = 0; twice < 2; ++twice) {  // from the same order, the same result
        tickValue = tick;
        deck.next = 7;
        deck.Shuffle(level);
        EXPECT_EQ(deck.next, 7);
        EXPECT_EQ(Order(deck, 10), golden);
        for (int i = 0; i < deck.count; ++i)
          ASSERT_EQ(deck.cards[i].picture, pictureOf[DeckIndex(deck.cards[i])]) << i;
        deck.ResetOrder();
        EXPECT_EQ(deck.next, 0);
        EXPECT_EQ(Order(deck), Canonical(deck.count));
        for (int i = 0; i < deck.count; ++i)
          ASSERT_EQ(deck.cards[i].picture, pictureOf[i]) << i;
      }
      EXPECT_EQ(fakes.releases, 0);
    }
    EXPECT_EQ(std::tuple(fakes.loads, fakes.releases, fakes.badReleases),
              std::tuple(52 + jokers, 52 + jokers, 0));
  }
  for (int bad : {-1, 3, INT_MIN, INT_MAX})  // a hand-edited Joker option
    EXPECT_EQ(DeckSizeForJokers(bad), 52) << bad;
}

TEST(Deck, DrawNextAndCardAtNeverLeaveTheDeck) {
  Deck deck;
  MakeDeck(deck, 1);
  for (int i = 0; i < 53; ++i) {
    EXPECT_EQ(deck.DrawNext(0), &deck.cards[i]);  // peek
    EXPECT_EQ(deck.DrawNext(2), &deck.cards[i]);  // only 1 advances
    EXPECT_EQ(deck.DrawNext(1), &deck.cards[i]);
    EXPECT_EQ(deck.next, i + 1);
  }
  for (int bad : {53, -1, INT_MIN, INT_MAX}) {  // used up, or nonsense
    deck.next = bad;
    EXPECT_EQ(deck.DrawNext(1), &emptyCard) << bad;
    EXPECT_EQ(deck.next, bad);
  }
  for (int p : {-1, 0, 1, 52, 53, 54, INT_MAX})
    EXPECT_EQ(deck.CardAt(p), p >= 1 && p <= 52 ? &deck.cards[p] : &emptyCard) << p;
}

TEST(Deck, AllocateReplacesTheCardsAndRefusesBadSizes) {
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
    deck.next = 3;
    EXPECT_EQ(deck.Allocate(bad), 0) << bad;
    EXPECT_EQ(std::tuple(deck.count, deck.next, deck.cards.get()),
              std::tuple(0, 0, static_cast<Card*>(nullptr)));
    deck.Build();  // everything stays safe on the empty deck
    deck.Shuffle(5);
    deck.ResetOrder();
    EXPECT_EQ(deck.DrawNext(1), &emptyCard);
    EXPECT_EQ(deck.CardAt(1), &emptyCard);
  }
}

// An unset card, a card whose place is past the end, or two cards claiming one place: the sort
// stops there, never swaps out of range and never loops for ever.
TEST(Deck, ResetOrderStopsAtACardWithoutAPlace) {
  SetTickSource(&FixedTick);
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

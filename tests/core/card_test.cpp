// Cards and the deck: validity, indices and picture ownership; the random generator, the shuffle,
// the canonical order and drawing.

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
  int loads = 0, releases = 0, badReleases = 0, failId = -1;  // the loader fails for failId
  std::map<platform::Bitmap*, int> live;                      // live handle -> resource number
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

TEST(Card, ValidityPictureIdAndIndices) {
  for (int i = 0; i < 52; ++i) {
    Card card;
    EXPECT_EQ(card.Set(i / 13, i % 13, 0), 1);
    EXPECT_EQ(std::tuple(card.IsValid(), card.PictureId(0, 1), DeckIndex(card), GridIndex(card)),
              std::tuple(1, 1 + i, i, i));
  }
  // The empty card and the two jokers: fields, valid, PictureId(1, 2), deck index; no grid cell.
  const std::tuple<Fields, int, int, int> cases[] = {
      {{-1, -1, 0}, 0, 0, -1}, {{-1, 0, 1}, 1, 252, 52}, {{-1, 1, 1}, 1, 252, 53}};
  for (const auto& [fields, valid, pictureId, deckIndex] : cases) {
    Card card;
    std::tie(card.suit, card.rank, card.isJoker) = fields;
    EXPECT_EQ(std::tuple(card.IsValid(), card.PictureId(1, 2), DeckIndex(card), GridIndex(card)),
              std::tuple(valid, pictureId, deckIndex, -1))
        << testing::PrintToString(fields);
  }
}

TEST(CardPicture, LoadReleaseAndOwnership) {
  FakePictures fakes;
  {
    Card empty, seven, target, joker, missing;
    EXPECT_EQ(empty.LoadPicture(1, 1), 0);  // picture 0 is never asked for
    missing.Set(0, 0, 0);
    fakes.failId = 301;
    EXPECT_EQ(missing.LoadPicture(1, 1), 0);
    seven.Set(2, 6, 0);
    joker.Set(-1, 1, 1);
    EXPECT_EQ(seven.LoadPicture(1, 1) + seven.LoadPicture(1, 1) + joker.LoadPicture(1, 1), 3);
    platform::Bitmap *sevenPicture = seven.picture, *jokerPicture = joker.picture;
    EXPECT_EQ(std::pair(fakes.live.at(sevenPicture), fakes.live.at(jokerPicture)),
              std::pair(333, 251));
    target.MoveFrom(seven);  // the fields are copied, only the picture moves
    EXPECT_EQ(std::tuple(Of(target), seven.picture), std::tuple(Of(seven), nullptr));
    SwapCards(target, joker);
    EXPECT_EQ(std::tuple(Of(target), Of(joker), target.picture, joker.picture),
              std::tuple(Fields(-1, 1, 1), Fields(2, 6, 0), jokerPicture, sevenPicture));
    EXPECT_EQ(fakes.releases, 1);  // the seven's first picture, on reloading
    target.MoveFrom(joker);        // the joker picture target held is released, once
    EXPECT_EQ(std::tuple(target.picture, fakes.live.count(jokerPicture)),
              std::tuple(sevenPicture, 0u));
    target.ReleasePicture();
    target.ReleasePicture();
    EXPECT_EQ(std::tuple(target.picture, fakes.releases), std::tuple(nullptr, 3));
    joker.LoadPicture(1, 1);  // released with its card
  }
  EXPECT_EQ(std::tuple(fakes.loads, fakes.releases, fakes.badReleases), std::tuple(4, 4, 0));
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

// The generator and the shuffle held to golden orders. Every Shuffle reseeds from the tick count;
// level n is n passes on one generator stream, none at or below 0, and levels above 5 are 5. Every
// card keeps its own picture through all the moves, ResetOrder restores the canonical order (jokers
// last) and next = 0, and each picture is released exactly once at the end.
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
      {2, 0, 1, Canonical(10)},
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
  EXPECT_EQ(std::pair(DeckSizeForJokers(-1), DeckSizeForJokers(3)), std::pair(52, 52));
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
  EXPECT_EQ(std::pair(deck.DrawNext(1), deck.next), std::pair(&emptyCard, 53));  // used up
  for (int p : {-1, 0, 1, 52, 53, 54, INT_MAX})
    EXPECT_EQ(deck.CardAt(p), p >= 1 && p <= 52 ? &deck.cards[p] : &emptyCard) << p;
}

// A new Joker option, and the end of the program, replace the cards: every picture is released.
TEST(Deck, AllocateReleasesTheOldCardsAndLeavesAnEmptyDeckSafe) {
  FakePictures fakes;
  Deck deck;
  MakeDeck(deck, 2);
  for (int i = 0; i < deck.count; ++i)
    deck.cards[i].LoadPicture(1, 1);
  deck.next = 9;
  EXPECT_EQ(deck.Allocate(10), 1);
  EXPECT_EQ(std::pair(fakes.releases, deck.next), std::pair(54, 0));
  EXPECT_EQ(Order(deck), std::vector<int>(10, -1));  // ten empty cards
  EXPECT_EQ(deck.Allocate(0), 1);
  EXPECT_EQ(std::tuple(deck.count, deck.next, deck.cards.get()),
            std::tuple(0, 0, static_cast<Card*>(nullptr)));
  deck.Shuffle(5);
  deck.ResetOrder();
  EXPECT_EQ(std::pair(deck.DrawNext(1), deck.CardAt(1)), std::pair(&emptyCard, &emptyCard));
}

}  // namespace

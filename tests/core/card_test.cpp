// The Card record: Set, validity, picture numbers, indices and picture ownership.

#include <gtest/gtest.h>

#include "core/card.h"
#include "fake_pictures.h"

namespace {

struct Fields {
  int suit;
  int rank;
  int isJoker;
  bool operator==(const Fields&) const = default;
};

Fields Of(const Card& card) {
  return {card.suit, card.rank, card.isJoker};
}

void Assign(Card& card, Fields f) {
  card.suit = f.suit;
  card.rank = f.rank;
  card.isJoker = f.isJoker;
}

// Set checks in this order: isJoker; store rank and isJoker; a joker succeeds; suit -1..3;
// store suit; rank -1..12.
TEST(Card, SetFollowsTheFailureOrder) {
  struct Case {
    Fields before;
    Fields args;
    int result;
    Fields after;
  };
  const Case cases[] = {
      {{-1, -1, 0}, {3, 12, 0}, 1, {3, 12, 0}},  // highest ordinary card
      {{2, 5, 0}, {-1, -1, 0}, 1, {-1, -1, 0}},  // back to no suit, no rank
      {{1, 4, 0}, {0, 0, 2}, 0, {1, 4, 0}},      // bad joker flag: nothing stored
      {{2, 9, 0}, {7, 40, 1}, 1, {2, 40, 1}},    // joker: suit neither checked nor stored
      {{1, 4, 1}, {4, 3, 0}, 0, {1, 3, 0}},      // bad suit: new rank and flag already stored
      {{1, 4, 0}, {-2, 5, 0}, 0, {1, 5, 0}},     // suit below -1
      {{1, 4, 0}, {2, 13, 0}, 0, {2, 13, 0}},    // bad rank: suit and rank stored
      {{1, 4, 0}, {3, -2, 0}, 0, {3, -2, 0}},    // rank below -1
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.args.suit << " " << c.args.rank << " " << c.args.isJoker);
    Card card;
    Assign(card, c.before);
    EXPECT_EQ(card.Set(c.args.suit, c.args.rank, c.args.isJoker), c.result);
    EXPECT_TRUE(Of(card) == c.after);
  }
}

TEST(Card, ValidityPictureIdAndIndices) {
  for (int i = 0; i < 52; ++i) {
    Card card;
    ASSERT_EQ(card.Set(i / 13, i % 13, 0), 1);
    EXPECT_EQ(card.IsValid(), 1) << i;
    EXPECT_EQ(card.PictureId(0, 1), 1 + i) << i;
    EXPECT_EQ(DeckIndex(card), i) << i;
    EXPECT_EQ(GridIndex(card), i) << i;
  }
  struct Case {
    Fields f;
    int valid;
    int pictureId;  // faceStyle 1, jokerStyle 2; -1 not checked
    int deckIndex;
    int gridIndex;
  };
  const Case cases[] = {
      {{-1, -1, 0}, 0, 0, -1, -1},    // the empty card
      {{-1, 0, 1}, 1, 252, 52, -1},   // joker 0
      {{-1, 1, 1}, 1, 252, 53, -1},   // joker 1
      {{-1, -1, 1}, 1, 252, -1, -1},  // joker without a number
      {{2, 5, 2}, 1, 332, 31, 31},    // flag 2 is no joker
      {{-1, 5, 0}, 0, 0, -1, -1},     // rank without a suit
      {{2, -1, 0}, 0, 0, -1, -1},     // suit without a rank
      {{4, 0, 0}, 0, 0, -1, -1},      // suit out of range
      {{0, 13, 0}, 0, -1, -1, -1},    // left-overs of failed Sets never index outside
      {{3, 20, 0}, 0, -1, -1, -1},    //   the deck or the 52-cell tracker
      {{2, -2, 0}, 0, -1, -1, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.f.suit << " " << c.f.rank << " " << c.f.isJoker);
    Card card;
    Assign(card, c.f);
    EXPECT_EQ(card.IsValid(), c.valid);
    EXPECT_EQ(c.pictureId < 0 ? -1 : card.PictureId(1, 2), c.pictureId);
    EXPECT_EQ(DeckIndex(card), c.deckIndex);
    EXPECT_EQ(GridIndex(card), c.gridIndex);
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
      EXPECT_EQ(orphan.picture, nullptr);

      Card seven;
      seven.Set(2, 6, 0);
      EXPECT_EQ(seven.LoadPicture(1, 1), 1);
      EXPECT_EQ(seven.LoadPicture(1, 1), 1);  // the first picture is released
      EXPECT_EQ(fakes.live.at(seven.picture), 333);
      Card target;
      target.MoveFrom(seven);
      EXPECT_TRUE(Of(target) == Of(seven));  // the fields are copied, only the picture moves
      EXPECT_EQ(seven.picture, nullptr);
      platform::Bitmap* sevenPicture = target.picture;
      target.MoveFrom(target);
      EXPECT_EQ(target.picture, sevenPicture);

      Card joker;
      joker.Set(-1, 1, 1);
      EXPECT_EQ(joker.LoadPicture(1, 1), 1);
      platform::Bitmap* jokerPicture = joker.picture;
      EXPECT_EQ(fakes.live.at(jokerPicture), 251);
      SwapCards(target, joker);
      SwapCards(target, target);
      EXPECT_TRUE(Of(target) == (Fields{-1, 1, 1}));
      EXPECT_TRUE(Of(joker) == (Fields{2, 6, 0}));
      EXPECT_EQ(target.picture, jokerPicture);
      EXPECT_EQ(joker.picture, sevenPicture);
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
    EXPECT_EQ(fakes.loads, 5);
    EXPECT_EQ(fakes.releases, 4);
    EXPECT_EQ(fakes.badReleases, 0);
  }
  orphan.ReleasePicture();  // no releaser any more: the handle is only forgotten
  EXPECT_EQ(orphan.picture, nullptr);
}

}  // namespace

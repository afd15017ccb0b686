// The Card record, its picture numbering, validity, indices and picture ownership.

#include <gtest/gtest.h>

#include "core/card.h"
#include "fake_pictures.h"

namespace {

struct Fields {
  int suit;
  int rank;
  int isJoker;
};

void Assign(Card& card, Fields f) {
  card.suit = f.suit;
  card.rank = f.rank;
  card.isJoker = f.isJoker;
}

void ExpectFields(const Card& card, Fields f) {
  EXPECT_EQ(card.suit, f.suit);
  EXPECT_EQ(card.rank, f.rank);
  EXPECT_EQ(card.isJoker, f.isJoker);
}

TEST(Card, ConstructedCardIsTheEmptyCard) {
  Card card;
  ExpectFields(card, {-1, -1, 0});
  EXPECT_EQ(card.picture, nullptr);
  ExpectFields(emptyCard, {-1, -1, 0});
  ExpectFields(backCard, {-1, -1, 0});
}

// Set checks in this order: isJoker; store rank and isJoker; a joker succeeds; suit -1..3;
// store suit; rank -1..12.
struct SetCase {
  const char* name;
  Fields before;
  Fields args;  // suit, rank, isJoker passed to Set
  int result;
  Fields after;
};

class CardSet : public testing::TestWithParam<SetCase> {};

TEST_P(CardSet, FollowsTheFailureOrder) {
  const SetCase& c = GetParam();
  Card card;
  Assign(card, c.before);
  EXPECT_EQ(card.Set(c.args.suit, c.args.rank, c.args.isJoker), c.result);
  ExpectFields(card, c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CardSet,
    testing::Values(SetCase{"ordinary", {-1, -1, 0}, {1, 4, 0}, 1, {1, 4, 0}},
                    SetCase{"kingOfDiamonds", {-1, -1, 0}, {3, 12, 0}, 1, {3, 12, 0}},
                    SetCase{"noneNone", {2, 5, 0}, {-1, -1, 0}, 1, {-1, -1, 0}},
                    SetCase{"suitWithoutRank", {-1, -1, 0}, {0, -1, 0}, 1, {0, -1, 0}},
                    SetCase{"rankWithoutSuit", {-1, -1, 0}, {-1, 7, 0}, 1, {-1, 7, 0}},
                    SetCase{"jokerFlag2Unchanged", {1, 4, 0}, {0, 0, 2}, 0, {1, 4, 0}},
                    SetCase{"jokerFlagNegativeUnchanged", {1, 4, 0}, {0, 0, -1}, 0, {1, 4, 0}},
                    SetCase{"jokerKeepsSuit", {2, 9, 0}, {3, 1, 1}, 1, {2, 1, 1}},
                    SetCase{"jokerBadSuitStillSucceeds", {-1, -1, 0}, {7, 0, 1}, 1, {-1, 0, 1}},
                    SetCase{"jokerAnyRank", {-1, -1, 0}, {0, 40, 1}, 1, {-1, 40, 1}},
                    SetCase{"badSuitKeepsNewRank", {1, 4, 1}, {4, 3, 0}, 0, {1, 3, 0}},
                    SetCase{"suitBelowMinusOne", {1, 4, 0}, {-2, 5, 0}, 0, {1, 5, 0}},
                    SetCase{"badRankKeepsSuitAndRank", {1, 4, 0}, {2, 13, 0}, 0, {2, 13, 0}},
                    SetCase{"rankBelowMinusOne", {1, 4, 0}, {3, -2, 0}, 0, {3, -2, 0}}),
    [](const testing::TestParamInfo<SetCase>& info) { return std::string(info.param.name); });

TEST(Card, IsValid) {
  EXPECT_EQ(emptyCard.IsValid(), 0);
  EXPECT_EQ(backCard.IsValid(), 0);
  struct Case {
    Fields f;
    int valid;
  };
  const Case cases[] = {
      {{-1, 0, 1}, 1}, {{-1, 1, 1}, 1}, {{-1, -1, 1}, 1}, {{9, 99, 1}, 1},
      {{0, 0, 0}, 1},  {{3, 12, 0}, 1}, {{-1, 5, 0}, 0},  {{0, -1, 0}, 0},
      {{4, 0, 0}, 0},  {{0, 13, 0}, 0}, {{-1, -1, 0}, 0}, {{2, 5, 2}, 1},
  };
  for (const Case& c : cases) {
    Card card;
    Assign(card, c.f);
    // isJoker 2 is not a joker but suit 2 rank 5 is a valid ordinary card.
    EXPECT_EQ(card.IsValid(), c.valid) << c.f.suit << " " << c.f.rank << " " << c.f.isJoker;
  }
}

TEST(Card, PictureId) {
  struct Case {
    Fields f;
    int faceStyle;
    int jokerStyle;
    int id;
  };
  const Case cases[] = {
      {{-1, -1, 0}, 1, 1, 0},   // empty card
      {{0, 0, 0}, 1, 1, 301},   // ace of spades
      {{0, 12, 0}, 1, 1, 313},  // king of spades
      {{1, 0, 0}, 1, 1, 314},   // ace of hearts
      {{2, 12, 0}, 1, 1, 339},  // king of clubs
      {{3, 0, 0}, 1, 1, 340},   // ace of diamonds
      {{3, 12, 0}, 1, 1, 352},  // king of diamonds
      {{-1, 0, 1}, 1, 1, 251},  // joker 0
      {{-1, 1, 1}, 1, 1, 251},  // joker 1
      {{-1, 1, 1}, 1, 2, 252},  // jokerStyle counts
      {{0, 0, 0}, 0, 1, 1},     // faceStyle counts
      {{-1, 5, 0}, 1, 1, 0},    // no suit
      {{4, 5, 0}, 1, 1, 0},     // suit out of range
      {{2, -1, 0}, 1, 1, 0},    // no rank
  };
  for (const Case& c : cases) {
    Card card;
    Assign(card, c.f);
    EXPECT_EQ(card.PictureId(c.faceStyle, c.jokerStyle), c.id)
        << c.f.suit << " " << c.f.rank << " " << c.f.isJoker;
  }
  EXPECT_EQ(emptyCard.PictureId(1, 1), 0);
  EXPECT_EQ(backCard.PictureId(1, 1), 0);
}

TEST(Card, DeckIndexAndGridIndex) {
  for (int suit = 0; suit < 4; ++suit) {
    for (int rank = 0; rank < 13; ++rank) {
      Card card;
      ASSERT_EQ(card.Set(suit, rank, 0), 1);
      EXPECT_EQ(DeckIndex(card), 13 * suit + rank);
      EXPECT_EQ(GridIndex(card), 13 * suit + rank);
    }
  }
  Card joker0;
  joker0.Set(4, 0, 1);
  Card joker1;
  joker1.Set(4, 1, 1);
  EXPECT_EQ(DeckIndex(joker0), 52);
  EXPECT_EQ(DeckIndex(joker1), 53);
  EXPECT_EQ(GridIndex(joker0), -1);
  EXPECT_EQ(GridIndex(joker1), -1);
  EXPECT_EQ(DeckIndex(emptyCard), -1);
  EXPECT_EQ(GridIndex(emptyCard), -1);
  EXPECT_EQ(DeckIndex(backCard), -1);

  // Left-overs of a failed Set never index outside the deck or the 52-cell tracker.
  const Fields odd[] = {{0, 13, 0}, {3, 20, 0}, {-1, 5, 0}, {4, 0, 0}, {2, -2, 0}};
  for (Fields f : odd) {
    Card card;
    Assign(card, f);
    EXPECT_EQ(DeckIndex(card), -1) << f.suit << " " << f.rank;
    EXPECT_EQ(GridIndex(card), -1) << f.suit << " " << f.rank;
  }
  Card jokerNoNumber;
  Assign(jokerNoNumber, {-1, -1, 1});
  EXPECT_EQ(DeckIndex(jokerNoNumber), -1);
}

TEST(CardPicture, NoLoaderLeavesPictureZero) {
  SetPictureFunctions(nullptr, nullptr);
  Card card;
  card.Set(0, 0, 0);
  EXPECT_EQ(card.LoadPicture(1, 1), 0);
  EXPECT_EQ(card.picture, nullptr);
}

TEST(CardPicture, LoadsByPictureIdAndReleasesOnDestruction) {
  FakePictures fakes;
  {
    Card card;
    card.Set(3, 12, 0);
    EXPECT_EQ(card.LoadPicture(1, 1), 1);
    ASSERT_NE(card.picture, nullptr);
    EXPECT_EQ(fakes.IdOf(card.picture), 352);
    Card joker;
    joker.Set(-1, 1, 1);
    EXPECT_EQ(joker.LoadPicture(1, 1), 1);
    EXPECT_EQ(fakes.IdOf(joker.picture), 251);
    EXPECT_EQ(fakes.releases, 0);
  }
  EXPECT_EQ(fakes.loads, 2);
  EXPECT_EQ(fakes.releases, 2);
  EXPECT_EQ(fakes.badReleases, 0);
}

TEST(CardPicture, NoPictureForTheEmptyCardAndFailedLoads) {
  FakePictures fakes;
  Card empty;
  EXPECT_EQ(empty.LoadPicture(1, 1), 0);
  EXPECT_EQ(empty.picture, nullptr);
  EXPECT_EQ(fakes.loadRequests, 0);  // picture 0 is never asked for

  fakes.failId = 301;
  Card ace;
  ace.Set(0, 0, 0);
  EXPECT_EQ(ace.LoadPicture(1, 1), 0);
  EXPECT_EQ(ace.picture, nullptr);
  EXPECT_EQ(fakes.loadRequests, 1);
}

TEST(CardPicture, ReleaseIsIdempotentAndReloadReleasesTheOld) {
  FakePictures fakes;
  Card card;
  card.Set(1, 5, 0);
  card.LoadPicture(1, 1);
  platform::Bitmap* first = card.picture;
  card.LoadPicture(1, 1);  // a second load does not leak the first picture
  EXPECT_NE(card.picture, first);
  EXPECT_EQ(fakes.releases, 1);
  card.ReleasePicture();
  EXPECT_EQ(card.picture, nullptr);
  card.ReleasePicture();
  EXPECT_EQ(fakes.releases, 2);
  EXPECT_EQ(fakes.badReleases, 0);
}

TEST(CardPicture, MoveFromTransfersEverything) {
  FakePictures fakes;
  {
    Card source;
    source.Set(2, 7, 0);
    source.LoadPicture(1, 1);
    platform::Bitmap* picture = source.picture;
    Card target;
    target.MoveFrom(source);
    ExpectFields(target, {2, 7, 0});
    EXPECT_EQ(target.picture, picture);
    EXPECT_EQ(source.picture, nullptr);
    ExpectFields(source, {2, 7, 0});  // the fields are copied, only the picture moves
    EXPECT_EQ(fakes.releases, 0);

    target.MoveFrom(target);  // onto itself: nothing happens
    EXPECT_EQ(target.picture, picture);
    ExpectFields(target, {2, 7, 0});
  }
  EXPECT_EQ(fakes.loads, 1);
  EXPECT_EQ(fakes.releases, 1);
  EXPECT_EQ(fakes.badReleases, 0);
}

TEST(CardPicture, MoveFromOntoACardWithAPictureReleasesItOnce) {
  FakePictures fakes;
  {
    Card a;
    a.Set(0, 1, 0);
    a.LoadPicture(1, 1);
    Card b;
    b.Set(0, 2, 0);
    b.LoadPicture(1, 1);
    platform::Bitmap* bPicture = b.picture;
    a.MoveFrom(b);
    EXPECT_EQ(a.picture, bPicture);
    EXPECT_EQ(fakes.releases, 1);
  }
  EXPECT_EQ(fakes.loads, 2);
  EXPECT_EQ(fakes.releases, 2);
  EXPECT_EQ(fakes.badReleases, 0);
}

TEST(CardPicture, SwapCardsCarriesPictures) {
  FakePictures fakes;
  {
    Card a;
    a.Set(0, 0, 0);
    a.LoadPicture(1, 1);
    Card b;
    b.Set(-1, 1, 1);
    b.LoadPicture(1, 1);
    platform::Bitmap* aPicture = a.picture;
    platform::Bitmap* bPicture = b.picture;
    SwapCards(a, b);
    ExpectFields(a, {-1, 1, 1});
    ExpectFields(b, {0, 0, 0});
    EXPECT_EQ(a.picture, bPicture);
    EXPECT_EQ(b.picture, aPicture);
    SwapCards(a, a);
    EXPECT_EQ(a.picture, bPicture);
    EXPECT_EQ(fakes.releases, 0);
  }
  EXPECT_EQ(fakes.releases, 2);
  EXPECT_EQ(fakes.badReleases, 0);
}

TEST(CardPicture, ReleaseWithoutReleaserForgetsTheHandle) {
  Card card;
  {
    FakePictures fakes;
    card.Set(0, 0, 0);
    card.LoadPicture(1, 1);
    ASSERT_NE(card.picture, nullptr);
  }
  card.ReleasePicture();  // no releaser installed any more
  EXPECT_EQ(card.picture, nullptr);
}

}  // namespace

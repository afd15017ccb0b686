#include "core/card.h"

#include "core/pictures.h"

namespace {

constinit PictureLoader pictureLoader = nullptr;
constinit PictureReleaser pictureReleaser = nullptr;

}  // namespace

constinit Card emptyCard;
constinit Card backCard;

void SetPictureFunctions(PictureLoader loader, PictureReleaser releaser) {
  pictureLoader = loader;
  pictureReleaser = releaser;
}

Card::~Card() {
  ReleasePicture();
}

int Card::Set(int newSuit, int newRank, int newIsJoker) {
  if (newIsJoker != 0 && newIsJoker != 1) return 0;
  rank = newRank;
  isJoker = newIsJoker;
  if (isJoker == 1) return 1;
  if (newSuit < -1 || newSuit >= kSuits) return 0;
  suit = newSuit;
  if (newRank < -1 || newRank >= kRanks) return 0;
  return 1;
}

int Card::IsValid() const {
  if (isJoker == 1) return 1;
  return (suit >= 0 && suit < kSuits && rank >= 0 && rank < kRanks) ? 1 : 0;
}

int Card::PictureId(int faceStyle, int jokerStyle) const {
  if (isJoker == 1) return JokerPicture(jokerStyle);
  if (rank == -1 || suit < 0 || suit >= kSuits) return 0;
  return FacePicture(suit, rank, faceStyle);
}

int Card::LoadPicture(int faceStyle, int jokerStyle) {
  ReleasePicture();
  const int id = PictureId(faceStyle, jokerStyle);
  if (id != 0 && pictureLoader != nullptr) picture = pictureLoader(id);
  return picture != nullptr ? 1 : 0;
}

void Card::ReleasePicture() {
  if (picture == nullptr) return;
  platform::Bitmap* old = picture;
  picture = nullptr;
  if (pictureReleaser != nullptr) pictureReleaser(old);
}

void Card::MoveFrom(Card& other) {
  if (&other == this) return;
  if (picture != other.picture) ReleasePicture();
  suit = other.suit;
  rank = other.rank;
  isJoker = other.isJoker;
  picture = other.picture;
  other.picture = nullptr;
}

namespace {

// An ordinary card with a suit and a rank in range (a failed Set can leave e.g. rank 20 stored).
bool IsOrdinaryInRange(const Card& card) {
  return card.isJoker != 1 && card.suit >= 0 && card.suit < kSuits && card.rank >= 0 &&
         card.rank < kRanks;
}

}  // namespace

int DeckIndex(const Card& card) {
  if (card.isJoker == 1) return card.rank >= 0 ? kFullDeckCards + card.rank : -1;
  return IsOrdinaryInRange(card) ? kRanks * card.suit + card.rank : -1;
}

int GridIndex(const Card& card) {
  return IsOrdinaryInRange(card) ? kRanks * card.suit + card.rank : -1;
}

void SwapCards(Card& a, Card& b) {
  if (&a == &b) return;
  Card temp;
  temp.MoveFrom(a);
  a.MoveFrom(b);
  b.MoveFrom(temp);
}

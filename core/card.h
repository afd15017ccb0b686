#pragma once
// The Card record, its picture and the two static cards.
// Standard library only: the picture is an opaque window-layer handle, loaded and released through
// two functions the program installs once (SetPictureFunctions).

#include <cstdint>

namespace platform {
class Bitmap;
}

// The ordinary cards: four suits of thirteen ranks, ace to king.
inline constexpr int kSuits = 4;
inline constexpr int kRanks = 13;
inline constexpr int kFullDeckCards = kSuits * kRanks;

// Loads the bitmap resource with this number; null when there is none.
using PictureLoader = platform::Bitmap* (*)(int resourceId);
// Releases a bitmap obtained from the loader.
using PictureReleaser = void (*)(platform::Bitmap* bitmap);

// Installs the loader and releaser (either may be null). With no loader, LoadPicture leaves the
// picture 0; with no releaser, releasing only forgets the handle.
void SetPictureFunctions(PictureLoader loader, PictureReleaser releaser);

// One card. Owns its picture: not copyable, and MoveFrom is the only way a picture changes owner.
struct Card {
  std::int32_t suit = -1;    // 0 spades, 1 hearts, 2 clubs, 3 diamonds; -1 none
  std::int32_t rank = -1;    // 0 ace .. 12 king; -1 none; for a joker its joker number 0 or 1
  std::int32_t isJoker = 0;  // 1 joker, 0 ordinary card
  platform::Bitmap* picture = nullptr;  // owned; null when not loaded

  constexpr Card() noexcept = default;  // the empty card
  ~Card();                              // releases the picture
  Card(const Card&) = delete;
  Card& operator=(const Card&) = delete;

  // 1 on success, 0 on failure, checked in a fixed order (a failed Set may leave the new
  // rank and isJoker stored). The picture is not touched.
  int Set(int newSuit, int newRank, int newIsJoker);
  // 1 for a joker, or for suit 0..3 and rank 0..12; else 0.
  int IsValid() const;
  // JokerPicture(jokerStyle) for a joker; 0 for no picture; else FacePicture (core/pictures.h).
  int PictureId(int faceStyle, int jokerStyle) const;
  // Loads picture PictureId(faceStyle, jokerStyle) (a picture held already is released first).
  // Returns 1 when the card then holds a picture, else 0.
  int LoadPicture(int faceStyle, int jokerStyle);
  // Releases the picture, if any, and sets it to 0.
  void ReleasePicture();
  // Takes all four fields of other and sets other's picture to 0. A picture this card held before
  // (never the case in a three-MoveFrom swap) is released first. Moving a card onto itself does
  // nothing.
  void MoveFrom(Card& other);
};

// 52 + rank for a joker (rank >= 0); 13 * suit + rank for an ordinary card with suit 0..3 and
// rank 0..12; otherwise -1. Ascending DeckIndex is the canonical order.
int DeckIndex(const Card& card);
// 13 * suit + rank (0..51, the card tracker cell) for an ordinary card with suit 0..3 and rank
// 0..12; -1 for a joker or anything else.
int GridIndex(const Card& card);

// Swaps two cards through a temporary with three MoveFrom calls, pictures included.
void SwapCards(Card& a, Card& b);

// No card: a slot or the pile pointing here shows nothing. Never set.
extern Card emptyCard;
// A face-down card: not valid; the program gives it the back picture (BackPicture) at start-up.
extern Card backCard;

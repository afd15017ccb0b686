#pragma once
// The numbers of the embedded pictures: the program loads them by these numbers and the picture
// generator writes them under them.

#include "core/card.h"

// The one style of card pictures there is; the program asks for it and the generator draws it.
inline constexpr int kPictureStyle = 1;

inline constexpr int kIconPicture = 102;
inline constexpr int kTrackerStripPicture = 200;

constexpr int BackPicture(int style) {
  return 200 + style;
}
constexpr int JokerPicture(int style) {
  return 250 + style;
}
// suit 0..3, rank 0..12 (ace to king).
constexpr int FacePicture(int suit, int rank, int style) {
  return 300 * style + kRanks * suit + rank + 1;
}

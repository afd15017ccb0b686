#include "core/flow/card_bonus.h"

#include <string>

#include "core/game_state.h"
#include "ui/labels.h"
#include "ui/palette.h"
#include "ui/panels.h"

namespace {

constexpr int kScrollRow = 2;

// The row a count highlights, or 0 when the count starts no new range.
int RowForCount(int count) {
  switch (count) {
    case 10:
      return 7;
    case 14:
      return 6;
    case 17:
      return 5;
    case 20:
      return 4;
    case 23:
      return 3;
    case 26:
    case 29:
    case 31:
    case 33:
    case 35:
    case 37:
    case 39:
    case 41:
      return kScrollRow;
    case 52:
      return 1;
    default:
      return count >= 43 && count <= 51 ? kScrollRow : 0;
  }
}

// From 43 on every count is a range of its own; below, the ranges above 28 span two counts.
std::string RangeCaption(int count) {
  return count >= 43 ? SuccessCaption(count, count) : SuccessCaption(count, count + 1);
}

}  // namespace

void ShowCardBonusPays(platform::Window* window, std::int32_t bet) {
  for (int row = 1; row <= kSuccessRows; ++row)
    successesTable[kSuccessPayColumn + row].SetNumber(CardBonus(kSuccessRowLow[row - 1], bet),
                                                      window);
}

void ShowSuccessRow(platform::Window* window, int count) {
  const int row = RowForCount(count);
  if (row == 0) return;
  ResetSuccessPanel(window, kKeepTexts);

  if (row == kScrollRow && count != 26) {
    for (int r = kSuccessRows; r > kScrollRow; --r) {
      successesTable[kSuccessCountColumn + r].SetText(
          successesTable[kSuccessCountColumn + r - 1].text.c_str(), window);
      successesTable[kSuccessPayColumn + r].SetText(
          successesTable[kSuccessPayColumn + r - 1].text.c_str(), window);
    }
    successesTable[kSuccessPayColumn + kScrollRow].SetNumber(CardBonus(count, gameState.bet),
                                                             window);
    successesTable[kSuccessCountColumn + kScrollRow].SetText(RangeCaption(count).c_str(), window);
  }

  Label& caption = successesTable[kSuccessCountColumn + row];
  caption.SetColors(kRed, caption.textColor, window);
  successesTable[kSuccessPayColumn + row].SetColors(kWhite, kRed, window);
}

void ResetSuccessPanel(platform::Window* window, int resetTexts) {
  for (int r = 0; r <= kSuccessRows; ++r) {
    Label& label = successesTable[kSuccessCountColumn + r];
    label.SetColors(kPanelBlue, label.textColor, window);
    if (resetTexts != kResetTexts || r == 0) continue;
    const std::string initial = SuccessCaption(kSuccessRowLow[r - 1], kSuccessRowHigh[r - 1]);
    // A caption scrolled in the last game must be shown as restored, not only stored.
    if (label.text != initial) label.SetText(initial.c_str(), window);
  }
  for (int r = 1; r <= kSuccessRows; ++r)
    successesTable[kSuccessPayColumn + r].SetColors(kRed, kWhite, window);
}

#include "core/flow/card_bonus.h"

#include <string>

#include "core/game_state.h"
#include "ui/labels.h"
#include "ui/palette.h"
#include "ui/panels.h"

namespace {

// The row the pay ranges above the table's own scroll into, the newest at the top.
constexpr int kScrollRow = 2;

// The row a count highlights, or 0 when the count starts no new pay: the row whose range starts
// at it, else the scrolling row.
int RowForCount(int count) {
  if (CardBonusFactor(count) == CardBonusFactor(count - 1)) return 0;
  for (int row = 1; row <= kSuccessRows; ++row) {
    if (kSuccessRowLow[row - 1] == count) return row;
  }
  return kScrollRow;
}

// The counts that pay what `count` pays, from it up.
std::string RangeCaption(int count) {
  int high = count;
  while (high < kFullDeckCards && CardBonusFactor(high + 1) == CardBonusFactor(count))
    ++high;
  return SuccessCaption(count, high);
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

  if (row == kScrollRow && count != kSuccessRowLow[kScrollRow - 1]) {
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

#include "ui/panels.h"

#include <string>

#include "core/card_bonus_table.h"
#include "core/game_state.h"
#include "settings/players.h"
#include "ui/card_window.h"
#include "ui/labels.h"
#include "ui/palette.h"
#include "ui/pile_marker.h"

std::string SuccessCaption(int low, int high) {
  if (low == high) return std::string(15, ' ') + std::to_string(low) + "  CARDS";
  return std::to_string(low) + "    -    " + std::to_string(high) + "  CARDS";
}

namespace {

// Rows of a pay table start one pixel below its heading, under the rule that separates them, and
// are as high as the heading.
int RowTop(const Label& heading, int row) {
  return heading.rect.bottom + 1 + heading.rect.Height() * (row - 1);
}

using platform::Rect;

const char* const kHandNames[kSpecialBonusRows] = {" ROYAL FLUSH", " STRAIGHT FLUSH",
                                                   " FOUR OF A KIND", " FULL HOUSE", " FLUSH"};
const char* const kRankLetters[13] = {"A", "2", "3",  "4", "5", "6", "7",
                                      "8", "9", "10", "J", "Q", "K"};

void Place(Label& label, const Rect& box, int textInset) {
  label.rect = box;
  label.textRect = box.Inset(textInset);
}

void SetBoxColors(Label& label, Color back, Color border, Color text) {
  label.backColor = back;
  label.borderStyle = platform::PS_SOLID;
  label.borderColor = border;
  label.textColor = text;
}

int LayoutSuccessesTable(platform::Window* /*window*/) {
  Label& heading = successesTable[kSuccessCountColumn];
  Place(heading, {11, 10, 151, 23}, 1);
  heading.font = MakeFontSpec(2);
  heading.textFormat = kCentred;
  SetBoxColors(heading, kPanelBlue, kPanelBlue, kWhite);
  heading.SetText("S U C C E S S E S");

  Label& payHeading = successesTable[kSuccessPayColumn];
  payHeading.Assign(heading);
  Place(payHeading, {heading.rect.right + 1, heading.rect.top, 212, heading.rect.bottom}, 1);
  payHeading.SetText("P A Y S");

  for (int row = 1; row <= kSuccessRows; ++row) {
    const int top = RowTop(heading, row);
    Label& caption = successesTable[kSuccessCountColumn + row];
    caption.Assign(heading);
    caption.MoveTopTo(top);
    caption.SetText(SuccessCaption(kSuccessRowLow[row - 1], kSuccessRowHigh[row - 1]).c_str());

    Label& pay = successesTable[kSuccessPayColumn + row];
    pay.Assign(payHeading);
    pay.MoveTopTo(top);
    SetBoxColors(pay, kRed, kRed, kWhite);
    pay.SetNumber(CardBonus(kSuccessRowLow[row - 1], 1), nullptr);  // until the first wager
  }
  return 1;
}

int LayoutSpecialBonusPanel(platform::Window* window) {
  const int x0 = platform::GetClientRect(window).right - 210;

  Label& heading = specialBonusPanel[kSpecialNameColumn];
  Place(heading, {x0, 10, x0 + 109, 22}, 1);
  heading.font = MakeFontSpec(3);
  heading.textFormat = kCentred;
  SetBoxColors(heading, kPanelBlue, kPanelBlue, kWhite);
  heading.SetText("SPECIAL BONUS");

  Label& paysHeading = specialBonusPanel[kSpecialPayColumn];
  paysHeading.Assign(heading);
  Place(paysHeading, {heading.rect.right + 1, 10, heading.rect.right + 45, 22}, 1);
  paysHeading.SetText("PAYS");

  Label& hitsHeading = specialBonusPanel[kSpecialHitsColumn];
  hitsHeading.Assign(paysHeading);
  hitsHeading.MoveLeftTo(paysHeading.rect.right + 1);
  hitsHeading.SetText("HITS");

  for (int row = 1; row <= kSpecialBonusRows; ++row) {
    const int top = RowTop(heading, row);
    Label& name = specialBonusPanel[kSpecialNameColumn + row];
    name.Assign(heading);
    name.MoveTopTo(top);
    name.textFormat = kLeftCentred;
    name.SetText(kHandNames[row - 1]);

    Label& pay = specialBonusPanel[kSpecialPayColumn + row];
    pay.Assign(paysHeading);
    pay.MoveTopTo(top);
    SetBoxColors(pay, kRed, kRed, kWhite);
    pay.SetNumber(specialBonus[row - 1].pay, nullptr);

    Label& hits = specialBonusPanel[kSpecialHitsColumn + row];
    hits.Assign(hitsHeading);
    hits.MoveTopTo(top);
    hits.textFormat = kRightCentred;
    hits.SetNumber(0, nullptr);
  }
  return 1;
}

int LayoutCardTrackerFrame() {
  const Rect& lastName = specialBonusPanel[kSpecialNameColumn + kSpecialBonusRows].rect;
  const Rect& lastHits = specialBonusPanel[kSpecialHitsColumn + kSpecialBonusRows].rect;
  Label& frame = cardTrackerFrame;
  frame.rect = {lastName.left - 1, lastName.bottom + 5, lastHits.right + 1, lastName.bottom + 68};
  frame.textRect = frame.rect;
  frame.backColor = kPanelBlue;
  frame.borderStyle = platform::PS_SOLID;
  frame.borderColor = kLightGrey;
  frame.SetText(nullptr);
  return 1;
}

int LayoutCardTracker() {
  const Rect& frame = cardTrackerFrame.rect;
  // Room is left at each end of the rows for the end strips.
  const int w = (frame.Width() - 42) / 13;
  const int h = (frame.Height() - 15) / 4;
  for (int k = 0; k < kTrackerCells; ++k) {
    const int row = k / 13;
    const int column = k % 13;
    const int left = frame.left + 15 + column * (w + 1);
    const int top = frame.top + 6 + row * (h + 1);
    Label& cell = cardTracker[k];
    Place(cell, {left, top, left + w, top + h}, 0);
    cell.textFormat = kCentred;
    cell.font = MakeFontSpec(4);
    SetBoxColors(cell, kPanelBlue, kPanelBlue, kWhite);
    cell.SetText(kRankLetters[column]);
  }
  return 1;
}

int LayoutSucceededBox() {
  Label& frame = succeededFrame;
  Place(frame, {10, 119, 130, 150}, 0);
  SetBoxColors(frame, kGrey, kGrey, frame.textColor);
  frame.SetText(nullptr);

  Label* const captions[] = {&numberOfCaption, &succeededCaption, &cardsCaption};
  const char* const texts[] = {"NUMBER OF", "SUCCEEDED", "CARDS"};
  constexpr int kLineHeight = 10;
  for (int i = 0; i < 3; ++i) {
    Label& caption = *captions[i];
    caption.Assign(frame);
    const int top = frame.rect.top + i * kLineHeight;
    Place(caption, {frame.rect.left, top, frame.rect.right, top + kLineHeight}, 0);
    caption.textRect.left = frame.rect.left + 2;
    caption.font = MakeFontSpec(5);
    caption.textFormat = 0;
    caption.textColor = kWhite;
    caption.SetText(texts[i]);
  }
  return 1;
}

int LayoutSucceededMeter() {
  const Rect& payColumn = successesTable[kSuccessPayColumn + kSuccessRows].rect;
  const Rect& box = succeededFrame.rect;
  Label& meter = succeededMeter;
  Place(meter, {payColumn.left - 1, box.top, payColumn.right + 1, box.bottom}, 5);
  meter.textFormat = kRightCentred;
  meter.font = MakeFontSpec(6);
  SetBoxColors(meter, kPanelBlue, kLightGrey, kWhite);
  meter.SetText("52");
  return 1;
}

}  // namespace

int LayoutCardCaptions() {
  constexpr int kHeight = 20;
  for (int slot = 0; slot < kHandSize; ++slot) {
    const Rect& home = slotRects[slot];
    if (home.left == 0) break;
    for (int j : {slot, slot + kHandSize}) {
      Label& caption = cardCaptions[j];
      caption.rect = {home.left, home.bottom, home.left + kCardWidth, home.bottom + kHeight};
      caption.textRect = caption.rect.Inset(1);
      caption.textFormat = kCentred;
      caption.borderStyle = platform::PS_NULL;
      caption.backColor = currentPlayer.color;
      caption.visible = kHidden;
      const bool selectable = j < kHandSize;
      caption.font = MakeFontSpec(selectable ? 7 : 8);
      caption.textColor = j == kHandSize ? kWhite : kYellow;
      caption.SetText(selectable ? "SELECTABLE" : j == kHandSize ? "DEALER" : "PLAYER");
    }
  }
  return 1;
}

int LayoutTablePanels(platform::Window* window) {
  LayoutSuccessesTable(window);
  LayoutSpecialBonusPanel(window);
  LayoutCardTrackerFrame();
  LayoutCardTracker();
  ResetPileMarker();
  LayoutSucceededBox();
  LayoutSucceededMeter();
  return 1;
}

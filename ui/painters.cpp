#include "ui/painters.h"

#include <initializer_list>

#include "core/game_state.h"
#include "core/pictures.h"
#include "settings/players.h"
#include "ui/card_window.h"
#include "ui/labels.h"
#include "ui/palette.h"
#include "ui/pile_marker.h"

namespace {

using platform::GdiObject;
using platform::Rect;

// A pen and a brush selected for the life of the object, and deleted after it when they were
// made for it (stock objects are left alone).
struct DrawingTools {
  DrawingTools(platform::Dc* dc, platform::Pen* pen, GdiObject* brush)
      : pen_(dc, pen), brush_(dc, brush) {}
  bool ready() const { return pen_.selected() && brush_.selected(); }

  platform::Selection pen_;
  platform::Selection brush_;
};

GdiObject* NullBrush() {
  return platform::GetStockObject(platform::NULL_BRUSH);
}

bool Line(platform::Dc* dc, int x0, int y0, int x1, int y1) {
  return platform::MoveToEx(dc, x0, y0, nullptr) && platform::LineTo(dc, x1, y1);
}

void DrawAll(Label* labels, int count, platform::Window* window, platform::Dc* dc) {
  for (int i = 0; i < count; ++i)
    labels[i].Draw(window, dc);
}

// Thin light-grey frame lines of the pay tables.
platform::LogPen TablePen() {
  return {platform::PS_SOLID, 0, kLightGrey};
}

// The frame of a pay table from its first label `a` (the top left heading) to its last `z`: the
// outline, the rule under the headings, and a rule right of each column but the last.
bool DrawTableFrame(platform::Dc* dc, const Rect& a, const Rect& z,
                    std::initializer_list<const Rect*> columns) {
  DrawingTools tools(dc, platform::CreatePenIndirect(TablePen()), NullBrush());
  bool ok = tools.ready() &&
            platform::Rectangle(dc, a.left - 1, a.top, z.right + 1, z.bottom + 1) &&
            Line(dc, a.left, a.bottom, z.right, a.bottom);
  for (const Rect* column : columns)
    ok = ok && Line(dc, column->right, a.top, column->right, z.bottom);
  return ok;
}

int DrawCountTableFrame(platform::Window* window, platform::Dc* dc) {
  if (!window || !dc) return 0;
  const Rect& a = successesTable[kSuccessCountColumn].rect;
  return DrawTableFrame(dc, a, successesTable[kSuccessesLabels - 1].rect, {&a}) ? 1 : 0;
}

int DrawBonusTableFrame(platform::Window* window, platform::Dc* dc) {
  if (!window || !dc) return 0;
  const Rect& a = specialBonusPanel[kSpecialNameColumn].rect;
  const Rect& pays = specialBonusPanel[kSpecialPayColumn].rect;
  return DrawTableFrame(dc, a, specialBonusPanel[kSpecialBonusLabels - 1].rect, {&a, &pays}) ? 1
                                                                                             : 0;
}

int DrawGridEndStrips(platform::Window* window, platform::Dc* dc) {
  if (!window || !dc) return 0;
  platform::Bitmap* strip = platform::LoadBitmap(kTrackerStripPicture);
  if (!strip) return 0;
  int width = 0;
  int height = 0;
  platform::GetBitmapSize(strip, &width, &height);
  platform::Dc* memory = platform::CreateCompatibleDC(dc);
  bool ok = false;
  {
    const platform::Selection picture(memory, strip);
    if (picture.selected()) {
      // One pixel inside the frame line at either end.
      const Rect& frame = cardTrackerFrame.rect;
      ok = platform::BitBlt(dc, frame.left + 1, frame.top + 1, width, height, memory, 0, 0,
                            platform::SRCCOPY) &&
           platform::BitBlt(dc, frame.right - 1 - width, frame.top + 1, width, height, memory, 0, 0,
                            platform::SRCCOPY);
    }
  }
  if (memory) platform::DeleteDC(memory);
  return ok ? 1 : 0;
}

int DrawPileMarker(platform::Window* window, platform::Dc* dc) {
  if (!window || !dc) return 0;
  DrawingTools tools(dc, platform::CreatePen(platform::PS_SOLID, 1, pileMarker.color), NullBrush());
  if (!tools.ready()) return 0;
  for (const MarkerSegment& s : pileMarker.segments) {
    const platform::Point line[2] = {{s.x0, s.y0}, {s.x1, s.y1}};
    if (!platform::Polyline(dc, line, 2)) return 0;
  }
  return 1;
}

int DrawCounterArrow(platform::Dc* dc) {
  if (!dc) return 0;
  const Rect& box = succeededFrame.rect;
  // The tip stops two pixels short of the meter's frame.
  const platform::Point triangle[3] = {{box.right, box.top},
                                       {box.right, box.bottom - 1},
                                       {succeededMeter.rect.left - 2, box.top + box.Height() / 2}};
  DrawingTools tools(dc, platform::CreatePenIndirect(succeededFrame.BorderPen()),
                     platform::CreateSolidBrush(succeededFrame.backColor));
  return tools.ready() && platform::Polygon(dc, triangle, 3) ? 1 : 0;
}

int DrawPileFrame(platform::Dc* dc) {
  if (!dc) return 0;
  constexpr int kMargin = 10;
  const Rect& meter = succeededMeter.rect;
  const Rect& tracker = cardTrackerFrame.rect;
  constexpr int kTop = 20;  // ten pixels above the pile card window
  DrawingTools tools(dc, platform::CreatePen(platform::PS_SOLID, 5, kGreen), NullBrush());
  return tools.ready() && platform::Rectangle(dc, meter.right + kMargin, kTop,
                                              tracker.left - kMargin, tracker.bottom - kMargin)
             ? 1
             : 0;
}

}  // namespace

void PaintMainScreen(platform::Window* window, platform::Dc* dc) {
  DrawAll(successesTable, kSuccessesLabels, window, dc);
  DrawCountTableFrame(window, dc);
  DrawAll(specialBonusPanel, kSpecialBonusLabels, window, dc);
  DrawBonusTableFrame(window, dc);
  cardTrackerFrame.DrawBackground(window, dc);
  DrawGridEndStrips(window, dc);
  DrawAll(cardTracker, kTrackerCells, window, dc);
  DrawPileMarker(window, dc);
  succeededFrame.DrawBackground(window, dc);
  numberOfCaption.Draw(window, dc);
  succeededCaption.Draw(window, dc);
  cardsCaption.Draw(window, dc);
  DrawCounterArrow(dc);
  succeededMeter.Draw(window, dc);
  DrawPileFrame(dc);
  DrawAll(cardCaptions, kHandSize, window, dc);
  for (Label* message : {&goodLuckMessage, &winnerMessage, &selectCardPrompt,
                         &insertCoinOrDealPrompt, &insertCoinBetOrDealPrompt})
    message->Draw(window, dc);
}

void PaintDoubleScreen(platform::Window* window, platform::Dc* dc) {
  for (Label& bar : doubleTitleBars)
    bar.DrawBackground(window, dc);
  doubleTitle.Draw(window, dc);
  bonusCardsCaption.Draw(window, dc);
  collectableCaption.Draw(window, dc);
  tryLuckCaption.Draw(window, dc);
  if (cardWindows[kPileWindow]) platform::ShowWindow(cardWindows[kPileWindow], platform::SW_HIDE);
  tryLuckCount.backColor = currentPlayer.color;
  tryLuckCount.Draw(window, dc);
  DrawAll(coinsCaptions, kCoinsCaptions, window, dc);
  bonusCardsValue.Draw(window, dc);
  collectableValue.backColor = currentPlayer.color;
  collectableValue.Draw(window, dc);
  tryLuckValue.backColor = currentPlayer.color;
  tryLuckValue.Draw(window, dc);
  for (Label* message : {&doubleDownMessage, &doubleGoodLuckMessage, &doubleSelectCardMessage,
                         &doubleWinnerMessage, &doublePushMessage, &collectWinningsPrompt,
                         &higherQuestion, &doubleCollectPrompt, &doubleRulesNotice})
    message->Draw(window, dc);
  DrawAll(cardCaptions + kHandSize, kCardCaptions - kHandSize, window, dc);
}

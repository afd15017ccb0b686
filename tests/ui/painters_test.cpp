#include <gtest/gtest.h>

#include "platform/image.h"
#include "tests/ui/screen_fixture.h"
#include "ui/pile_marker.h"

using platform::Image;
using platform::Rect;

namespace {

bool IsBlue(Color c) {
  return c == kPanelBlue;
}

TEST_F(ScreenTest, TablesFramesAndDecorationsAtTheReferenceWidth) {
  Open(544);
  const Image shot = Shot();

  // Boxes, found as the extent of their fill among the grey rules and the table background. The
  // frame's top edge covers the first row of the headings.
  EXPECT_EQ(Where(shot, {325, 0, 443, 23}, IsBlue), (Rect{334, 11, 443, 22}));
  EXPECT_EQ(Where(shot, {0, 0, 151, 24}, IsBlue), (Rect{11, 11, 151, 23}));
  EXPECT_EQ(WhereColor(shot, {140, 20, 230, 120}, kRed), (Rect{152, 24, 212, 115}));
  EXPECT_EQ(WhereColor(shot, {0, 112, 160, 160}, kGrey), (Rect{10, 119, 150, 150}));
  EXPECT_TRUE(Inside(WhereColor(shot, {330, 0, 450, 23}, kWhite), {334, 10, 443, 22}));

  struct Probe {
    int x, y;
    Color color;
    const char* what;
  };
  const Probe probes[] = {
      {10, 60, kLightGrey, "count table, left edge"},
      {212, 60, kLightGrey, "count table, right edge"},
      {100, 10, kLightGrey, "count table, top edge over the heading"},
      {100, 115, kLightGrey, "count table, bottom edge"},
      {100, 23, kLightGrey, "count table, rule under the headings"},
      {151, 60, kLightGrey, "count table, column rule"},
      {9, 60, kTable, "outside the count table"},
      {333, 50, kLightGrey, "bonus table, left edge"},
      {533, 50, kLightGrey, "bonus table, right edge"},
      {400, 22, kLightGrey, "bonus table, rule under the headings"},
      {443, 50, kLightGrey, "bonus table, rule after the hand names"},
      {488, 50, kLightGrey, "bonus table, rule after the pays"},
      {400, 83, kLightGrey, "bonus table, bottom edge"},
      {534, 50, kTable, "right of the bonus table"},
      {333, 120, kLightGrey, "tracker frame"},
      {338, 120, kPanelBlue, "tracker end without its strip picture"},
      {135, 134, kGrey, "counter arrow"},
      {148, 134, kGrey, "counter arrow tip"},
      {140, 122, kTable, "above the arrow's slope"},
      {150, 134, kTable, "between the arrow and the meter"},
      {151, 134, kLightGrey, "succeeded meter frame"},
      {223, 80, kGreen, "pile frame, left"},
      {221, 80, kGreen, "pile frame, left, outer pixel of 5"},
      {225, 80, kGreen, "pile frame, left, inner pixel of 5"},
      {226, 80, kTable, "inside the pile frame"},
      {322, 80, kGreen, "pile frame, right"},
      {270, 20, kGreen, "pile frame, top"},
      {270, 140, kGreen, "pile frame, bottom"},
      {272, 80, kTable, "the pile window's place"},
  };
  for (const Probe& p : probes)
    EXPECT_EQ(shot.Pixel(p.x, p.y), p.color) << p.what << " at " << p.x << "," << p.y;
}

TEST_F(ScreenTest, TrackerCellsSitOnTheirGrid) {
  Open(544);
  for (int k : {0, 51}) {
    cardTracker[k].backColor = kRed;
    cardTracker[k].borderColor = kRed;
  }
  Repaint();
  const Image shot = Shot();
  EXPECT_EQ(WhereColor(shot, {333, 88, 534, 120}, kRed), (Rect{348, 94, 360, 106}));
  EXPECT_EQ(WhereColor(shot, {333, 120, 534, 151}, kRed), (Rect{504, 133, 516, 145}));
  EXPECT_TRUE(Inside(WhereColor(shot, {500, 130, 520, 150}, kWhite), {504, 133, 516, 145}));
}

TEST_F(ScreenTest, PileMarkerCrossesTheRowAndColumnOfItsCard) {
  Open(544);
  EXPECT_EQ(Count(Shot(), cardTrackerFrame.rect, kCyan), 0);
  EXPECT_EQ(Shot().Pixel(0, 0), kTable);

  const int fiveOfHearts = 13 + 4;  // cell (400, 107)-(412, 119)
  MovePileMarker(window, fiveOfHearts, kCyan);
  platform::RunUntilIdle();
  Image shot = Shot();
  EXPECT_EQ(shot.Pixel(343, 106), kCyan);  // row line, left part, from the strip's end
  EXPECT_EQ(shot.Pixel(342, 106), kPanelBlue);
  EXPECT_EQ(shot.Pixel(399, 106), kCyan);
  EXPECT_EQ(shot.Pixel(412, 119), kCyan);
  EXPECT_EQ(shot.Pixel(524, 119), kCyan);
  EXPECT_EQ(shot.Pixel(525, 119), kPanelBlue);
  EXPECT_EQ(shot.Pixel(523, 106), kCyan);
  EXPECT_EQ(shot.Pixel(524, 106), kPanelBlue);
  EXPECT_EQ(shot.Pixel(399, 89), kCyan);  // column lines from the frame's top to its bottom
  EXPECT_EQ(shot.Pixel(399, 149), kCyan);
  EXPECT_EQ(shot.Pixel(399, 150), kLightGrey);
  EXPECT_EQ(shot.Pixel(412, 95), kCyan);

  // Moving on repaints the old lines in the tracker's own colour.
  MovePileMarker(window, fiveOfHearts, kPanelBlue);
  MovePileMarker(window, 0, kCyan);
  platform::RunUntilIdle();
  shot = Shot();
  EXPECT_EQ(shot.Pixel(399, 149), kPanelBlue);
  EXPECT_EQ(shot.Pixel(347, 140), kCyan);

  // A card without a tracker cell leaves the marker alone.
  MovePileMarker(window, -1, kRed);
  EXPECT_EQ(pileMarker.color, kCyan);
  EXPECT_EQ(pileMarker.segments[4].x0, 347);
}

TEST_F(ScreenTest, MeterPanelAtStartUp) {
  Open(544);
  const Image shot = Shot();
  struct Text {
    Rect box;
    Color color;
    const char* what;
  };
  const Text texts[] = {
      {{10, 323, 70, 343}, kCyan, "WAGER"},     {{75, 323, 115, 343}, kWhite, "wager 0"},
      {{10, 343, 70, 363}, kYellow, "WIN"},     {{10, 363, 70, 383}, kYellow, "PAID"},
      {{464, 323, 534, 343}, kCyan, "CREDITS"}, {{464, 343, 534, 363}, kWhite, "credits 0"},
  };
  for (const Text& t : texts) {
    EXPECT_TRUE(Inside(WhereColor(shot, t.box, t.color), t.box)) << t.what;
    EXPECT_GT(Count(shot, t.box, t.color), 10) << t.what;
  }
  // Right-aligned numbers end at the right edge of their box.
  EXPECT_GE(WhereColor(shot, {75, 323, 115, 343}, kWhite).right, 112);

  // "GAME OVER": red letters outlined in white, centred in the message slot.
  const Rect slot{121, 323, 423, 353};
  const Rect red = WhereColor(shot, slot, kRed);
  const Rect white = WhereColor(shot, slot, kWhite);
  EXPECT_GT(Count(shot, slot, kRed), 200);
  EXPECT_TRUE(Inside(red, white)) << "the outline surrounds the letters";
  EXPECT_NEAR((white.left + white.right) / 2, 272, 2);
  EXPECT_EQ(Count(shot, {0, 150, 544, 300}, kYellow), 0) << "the card captions start hidden";
}

TEST_F(ScreenTest, WiderClientMovesTheRightHandDecorations) {
  Open(644);
  const Image shot = Shot();
  EXPECT_EQ(Where(shot, {425, 0, 543, 23}, IsBlue), (Rect{434, 11, 543, 22}));
  EXPECT_EQ(shot.Pixel(433, 50), kLightGrey);
  EXPECT_EQ(shot.Pixel(633, 50), kLightGrey);
  EXPECT_EQ(shot.Pixel(543, 50), kLightGrey);
  EXPECT_EQ(shot.Pixel(333, 50), kTable) << "nothing left at the old place";
  EXPECT_EQ(shot.Pixel(422, 80), kGreen) << "pile frame's right edge follows the tracker";
  EXPECT_EQ(shot.Pixel(322, 80), kTable);
  EXPECT_EQ(shot.Pixel(223, 80), kGreen);
  EXPECT_EQ(shot.Pixel(212, 60), kLightGrey) << "count table stays";
  EXPECT_EQ(shot.Pixel(148, 134), kGrey) << "arrow stays";
}

TEST_F(ScreenTest, DoubleScreenTitleBarsAndBonusBox) {
  Open(544, true);
  const Image shot = Shot();
  for (const Rect& bar : {Rect{10, 10, 160, 25}, Rect{384, 10, 534, 25}}) {
    EXPECT_EQ(WhereColor(shot, {bar.left - 2, 0, bar.right + 2, 35}, kRed),
              (Rect{bar.left + 1, bar.top + 1, bar.right - 1, bar.bottom - 1}));
    EXPECT_EQ(WhereColor(shot, {bar.left - 2, 0, bar.right + 2, 35}, kBlack), bar);
  }
  EXPECT_TRUE(Inside(WhereColor(shot, {0, 0, 544, 35}, kYellow), {160, 5, 384, 30}));
  EXPECT_TRUE(Inside(WhereColor(shot, {0, 38, 544, 62}, kWhite), {35, 40, 429, 60}));
  EXPECT_TRUE(Inside(WhereColor(shot, {0, 38, 544, 102}, kCyan), {35, 40, 510, 100}));
  EXPECT_GT(Count(shot, {429, 80, 509, 100}, kCyan), 10) << "COINS in the third row";
  EXPECT_EQ(Count(shot, {0, 100, 544, 150}, kRed), 0) << "the messages start hidden";
  EXPECT_GT(Count(shot, {121, 323, 423, 353}, kRed), 200) << "GAME OVER shows on both screens";
}

TEST_F(ScreenTest, DoubleScreenHidesThePileAndRepaintsValuesOnTheBackground) {
  Open(544, true);
  cardWindows[kPileWindow] = MakeChild(window, 232, 30, 80, 100);
  tryLuckCount.backColor = kRed;
  collectableValue.backColor = kRed;
  Repaint();
  EXPECT_FALSE(platform::IsWindowVisible(cardWindows[kPileWindow]));
  EXPECT_EQ(tryLuckCount.backColor, kTable);
  EXPECT_EQ(Count(Shot(), {215, 60, 429, 100}, kRed), 0);
}

TEST_F(ScreenTest, StripIsSkippedWithoutItsPicture) {
  Open(544);
  platform::Dc* dc = platform::GetDC(window);
  if (platform::LoadBitmap(200) == nullptr) {
    EXPECT_EQ(DrawGridEndStrips(window, dc), 0);
  }
  EXPECT_EQ(DrawGridEndStrips(nullptr, dc), 0);
  EXPECT_EQ(DrawPileFrame(nullptr), 0);
  platform::ReleaseDC(window, dc);
}

}  // namespace

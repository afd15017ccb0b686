// Retained surfaces: erase and no-erase invalidation, clipping to the update region, children,
// z-order, and moves with and without repainting.
#include <gtest/gtest.h>

#include "platform/events.h"
#include "tests/support/window_fixture.h"

using namespace platform;

namespace {
constexpr Color kRed = Rgb(255, 0, 0);
constexpr Color kGreen = Rgb(0, 255, 0);
constexpr Color kYellow = Rgb(255, 255, 0);
}  // namespace

TEST_F(WindowTest, EraseFillsWithTheClassBrushAndNoEraseKeepsOldPixels) {
  Window* w = MakeTopLevel(40, 40);
  RunUntilIdle();
  EXPECT_EQ(Screenshot(w).Pixel(5, 5), kBackground);  // first show erases everything

  Fill(w, {0, 0, 40, 40}, kRed);
  InvalidateRect(w, nullptr, false);
  RunUntilIdle();
  EXPECT_EQ(Screenshot(w).Pixel(5, 5), kRed);

  const Rect corner{0, 0, 10, 10};
  InvalidateRect(w, &corner, true);
  RunUntilIdle();
  const Image shot = Screenshot(w);
  EXPECT_EQ(shot.Pixel(5, 5), kBackground);
  EXPECT_EQ(shot.Pixel(10, 10), kRed);  // outside the update region
}

TEST_F(WindowTest, FillsShapesAndTextAreClippedToTheUpdateRegionAndPaintValidates) {
  Window* w = MakeTopLevel(60, 40);
  RunUntilIdle();
  onPaint = [](Window*, Dc* dc) {
    Brush* yellow = CreateSolidBrush(kYellow);
    FillRect(dc, {0, 0, 60, 40}, yellow);
    DeleteObject(yellow);
    Selection pen(dc, CreatePen(PS_SOLID, 1, kRed));
    Selection brush(dc, CreateSolidBrush(kGreen));
    Rectangle(dc, 0, 0, 60, 40);
    MoveToEx(dc, 0, 20, nullptr);
    LineTo(dc, 60, 20);
    Rect rect{0, 0, 60, 40};
    DrawText(dc, "WWWWWWW", -1, &rect, DT_SINGLELINE | DT_VCENTER);
  };
  const Rect corner{0, 0, 10, 10};
  InvalidateRect(w, &corner, false);
  UpdateWindow(w);               // paints at once, without the queue
  EXPECT_EQ(RunUntilIdle(), 0);  // and validates
  const Image shot = Screenshot(w);
  EXPECT_EQ(std::pair(shot.Pixel(0, 0), shot.Pixel(5, 5)), std::pair(kRed, kGreen));
  int outside = 0;
  for (int i = 0; i < 60 * 40; ++i)
    outside += (i % 60 >= 10 || i / 60 >= 10) && shot.Pixel(i % 60, i / 60) != kBackground;
  EXPECT_EQ(outside, 0);
}

TEST_F(WindowTest, ChildrenComposeOverTheParentAndOlderChildrenLieOnTop) {
  Window* parent = MakeTopLevel(100, 50);
  Window* older = MakeChild(parent, 0, 0, 30, 30);
  Window* newer = MakeChild(parent, 20, 0, 30, 30);
  RunUntilIdle();
  Fill(older, {0, 0, 30, 30}, kRed);
  Fill(newer, {0, 0, 30, 30}, kGreen);
  Image shot = Screenshot(parent);
  EXPECT_EQ(shot.Pixel(25, 5), kRed);
  EXPECT_EQ(shot.Pixel(45, 5), kGreen);
  EXPECT_EQ(shot.Pixel(60, 5), kBackground);

  ShowWindow(older, SW_HIDE);
  EXPECT_FALSE(IsWindowVisible(older));
  Fill(parent, {0, 0, 100, 50}, kYellow);
  RunUntilIdle();  // the area the hidden child leaves is erased at the next paint
  shot = Screenshot(parent);
  EXPECT_EQ(shot.Pixel(5, 5), kBackground);
  EXPECT_EQ(shot.Pixel(45, 5), kGreen);
  EXPECT_EQ(shot.Pixel(80, 5), kYellow);
}

TEST_F(WindowTest, MovesWithRepaintEraseTheVacatedAreaAndWithoutLeaveThePictureWhereItWas) {
  // A card flies over the pile, then jumps home without any repaint: the pile area keeps
  // showing the card and the home slot keeps showing what the parent had there.
  Window* parent = MakeTopLevel(120, 40);
  Window* card = MakeChild(parent, 0, 0, 20, 20);
  Window* pile = MakeChild(parent, 60, 0, 20, 20);
  RunUntilIdle();
  Fill(parent, {0, 0, 120, 40}, kYellow);
  Fill(card, {0, 0, 20, 20}, kRed);
  Fill(pile, {0, 0, 20, 20}, kGreen);
  MoveWindow(card, 60, 0, 20, 20, true);
  EXPECT_EQ(GetWindowRect(card), (Rect{60, 0, 80, 20}));
  RunUntilIdle();
  Image shot = Screenshot(parent);
  EXPECT_EQ(std::tuple(shot.Pixel(5, 5), shot.Pixel(65, 5), shot.Pixel(35, 5)),
            std::tuple(kBackground, kRed, kYellow));  // vacated strip erased, card kept

  MoveWindow(card, 0, 0, 20, 20, false);
  RunUntilIdle();  // nothing was invalidated
  shot = Screenshot(parent);
  EXPECT_EQ(std::pair(shot.Pixel(65, 5), shot.Pixel(5, 5)), std::pair(kRed, kBackground));

  InvalidateRect(pile, nullptr, true);  // the pile's next paint shows its own picture again
  RunUntilIdle();
  EXPECT_EQ(Screenshot(parent).Pixel(65, 5), kBackground);
}

TEST_F(WindowTest, HiddenWindowsAreNotPaintedUntilShown) {
  Window* parent = MakeTopLevel(60, 30);
  Window* child = MakeChild(parent, 0, 0, 10, 10);
  RunUntilIdle();
  ShowWindow(child, SW_HIDE);
  RunUntilIdle();
  delivered.clear();
  InvalidateRect(child, nullptr, true);
  RunUntilIdle();
  EXPECT_TRUE(delivered.empty());
  ShowWindow(child, SW_SHOW);
  RunUntilIdle();
  ASSERT_EQ(delivered.size(), 1u);
  EXPECT_EQ(delivered[0].window, child);
}

TEST_F(WindowTest, ChildrenHaveIdsParentsAndStateAndDieWithTheParent) {
  Window* parent = MakeTopLevel(60, 30);
  Window* child = MakeChild(parent, 0, 0, 10, 10, 105);
  EXPECT_EQ(std::pair(GetDlgItem(parent, 105), GetParent(child)), std::pair(child, parent));
  EXPECT_FALSE(EnableWindow(child, false) || IsWindowEnabled(child));
  EXPECT_TRUE(EnableWindow(child, true));  // was disabled
  SetFocus(child);
  EXPECT_EQ(GetFocus(), child);
  DestroyWindow(parent);
  EXPECT_FALSE(IsWindow(child) || GetFocus());
}

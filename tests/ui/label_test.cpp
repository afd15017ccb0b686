#include "ui/label.h"
#include "platform/events.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

#include "platform/image.h"
#include "tests/ui/screen_fixture.h"
#include "ui/palette.h"

using platform::Image;
using platform::Rect;

namespace {

constexpr Color kFill = platform::Rgb(0, 128, 0);

class LabelSurface : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    window = MakeTopLevel(200, 100);
    onPaint = [this](platform::Window* w, platform::Dc* dc) {
      ++paints;
      underLabel = platform::ImageOf(dc).Pixel(30, 30);
      label.Draw(w, dc);
    };
    label.rect = {10, 10, 60, 40};
    label.textRect = {11, 11, 59, 39};
    label.backColor = kFill;
    label.borderColor = kRed;
  }
  Image Paint() {
    platform::InvalidateRect(window, nullptr, true);
    platform::RunUntilIdle();
    paints = 0;
    return Now();
  }
  Image Now() { return platform::Screenshot(window); }
  bool Pending() {
    Rect dirty;
    return platform::GetUpdateRect(window, &dirty) && dirty == label.rect;
  }

  Label label;
  platform::Window* window = nullptr;
  int paints = 0;
  Color underLabel = 0;  // what the paint found inside the box before the label was drawn
};

TEST_F(LabelSurface, FillsTheBoxFramesItUnlessTheBorderIsOffAndWritesInTheTextRectangle) {
  for (int style : {platform::PS_SOLID, platform::PS_NULL}) {
    label.borderStyle = style;
    const Image image = Paint();
    const Color edge = style == platform::PS_NULL ? kFill : kRed;
    for (auto [x, y] : {std::pair{10, 10}, {59, 10}, {10, 39}, {59, 39}, {35, 10}, {10, 25}})
      EXPECT_EQ(image.Pixel(x, y), edge) << "style " << style << " at " << x << "," << y;
    EXPECT_EQ(Count(image, {11, 11, 59, 39}, kFill), 48 * 28);
    EXPECT_EQ(Ink(image, {0, 0, 200, 100}, kBackground), label.rect);
  }
  // The text goes in the text rectangle, wherever the box lies, on a cell of the back color.
  label.rect = {190, 90, 195, 95};
  label.textRect = {10, 10, 190, 90};
  label.font = MakeFontSpec(15);
  label.SetText("o");
  const Image image = Paint();
  EXPECT_EQ(image.Pixel(11, 11), kFill);
  EXPECT_TRUE(Inside(WhereColor(image, {0, 0, 200, 100}, kWhite), label.textRect));
}

TEST_F(LabelSurface, RefreshPaintsAtOnceOrMarksForTheNextPaint) {
  label.SetText("X");
  label.visible = 3;
  Paint();
  EXPECT_EQ(label.Refresh(window, kNow), 1);  // hidden, now: wiped to the bare box at once
  EXPECT_EQ(std::tuple(Now().Pixel(10, 10), Count(Now(), label.rect, kFill), label.visible),
            std::tuple(kRed, 48 * 28, 0));
  EXPECT_FALSE(Pending());

  label.visible = kShown;
  Paint();
  label.SetVisible(kHidden, window, kLater);  // hidden, later: erased at the next paint
  EXPECT_EQ(std::pair(Now().Pixel(30, 30), Pending()), std::pair(kFill, true));
  platform::RunUntilIdle();
  EXPECT_EQ(Count(Now(), label.rect, kBackground), 50 * 30);

  Fill(window, label.rect, kYellow);
  label.SetVisible(kShown, window, kLater);  // shown, later: repainted without erasing
  EXPECT_TRUE(Pending());
  platform::RunUntilIdle();
  EXPECT_EQ(std::pair(underLabel, Now().Pixel(30, 30)), std::pair(kYellow, kFill));

  label.visible = kHidden;
  Paint();
  label.SetVisible(kShown, window, kNow);  // shown, now
  EXPECT_EQ(std::pair(paints, Now().Pixel(30, 30)), std::pair(1, kFill));

  label.SetText("");
  Paint();
  EXPECT_EQ(label.SetText("88", window), 1);  // marks without painting
  EXPECT_EQ(std::tuple(paints, Pending(), Count(Now(), label.rect, kWhite)),
            std::tuple(0, true, 0));
  platform::RunUntilIdle();
  EXPECT_GT(Count(Now(), label.rect, kWhite), 0);
}

// Plain and outlined text select their own pen, brush and font and put the caller's back.
TEST_F(LabelSurface, DrawingLeavesTheCallersObjectsSelected) {
  label.SetText("Q");
  platform::Dc* dc = platform::GetDC(window);
  platform::GdiObject* mine[] = {platform::CreatePen(platform::PS_SOLID, 1, kYellow),
                                 platform::CreateSolidBrush(kYellow),
                                 platform::CreateFontIndirect(MakeFontSpec(1))};
  platform::GdiObject* first[3];
  for (int i = 0; i < 3; ++i)
    first[i] = platform::SelectObject(dc, mine[i]);
  for (int style : {kPlainLetters, kOutlinedLetters}) {
    label.drawStyle = style;
    label.Draw(window, dc);
    for (platform::GdiObject* object : mine)
      EXPECT_EQ(platform::SelectObject(dc, object), object) << "style " << style;
  }
  for (int i = 0; i < 3; ++i)
    platform::DeleteObject(platform::SelectObject(dc, first[i]));
  platform::ReleaseDC(window, dc);
}

// The meters and messages are laid out as copies of one another, moved down or across.
TEST(Label, AssignCopiesTheLookAndMovesCarryTheText) {
  Label label, copy;
  label.rect = {10, 119, 130, 129};
  label.textRect = {12, 120, 129, 128};
  label.font = MakeFontSpec(18);
  label.drawStyle = kOutlinedLetters;
  label.outlineColor = kFill;
  label.visible = 0;
  label.SetText("WINNER !");
  copy.Assign(label);
  EXPECT_EQ(std::tie(copy.rect, copy.textRect, copy.font.height, copy.font.width, copy.drawStyle,
                     copy.outlineColor, copy.visible, copy.text),
            std::tie(label.rect, label.textRect, label.font.height, label.font.width,
                     label.drawStyle, label.outlineColor, label.visible, label.text));
  label.MoveLeftTo(110);
  label.MoveTopTo(19);
  EXPECT_EQ(std::pair(label.rect, label.textRect),
            std::pair(Rect{110, 19, 230, 29}, Rect{112, 20, 229, 28}));
}

TEST(MakeFontSpec, GivesTheFontOfEachCode) {
  const int rows[][3] = {{27, -13, 0}, {1, -11, 0},  {4, -12, 0},  {5, -9, 7},    {6, -27, 13},
                         {14, -15, 0}, {15, -24, 0}, {16, -21, 0}, {18, -29, 16}, {20, -16, 0}};
  for (auto [code, height, width] : rows) {
    const FontSpec font = MakeFontSpec(code);
    EXPECT_EQ(std::tuple(font.height, font.width, font.weight, font.pitchAndFamily, font.quality,
                         font.outPrecision, std::string(font.faceName)),
              std::tuple(height, width, 700, 0x22, 2, 3, std::string("Arial")))
        << code;
  }
  EXPECT_EQ(std::tuple(Label{}.font.pitchAndFamily, Label{}.font.height), std::tuple(0x12, -12));
}

}  // namespace

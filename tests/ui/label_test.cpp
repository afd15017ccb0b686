#include "ui/label.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <tuple>
#include <utility>

#include "platform/image.h"
#include "tests/ui/screen_fixture.h"

using platform::Image;
using platform::Rect;

namespace {

constexpr Color kFill = platform::Rgb(0, 128, 0);

class LabelSurface : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    window = MakeTopLevel(200, 100);
    ASSERT_NE(window, nullptr);
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

TEST_F(LabelSurface, FillsTheBoxAndFramesItUnlessTheBorderIsOffAndHiddenDrawsNothing) {
  for (int style : {platform::PS_SOLID, platform::PS_NULL}) {
    label.borderStyle = style;
    const Image image = Paint();
    const Color edge = style == platform::PS_NULL ? kFill : kRed;
    for (auto [x, y] : {std::pair{10, 10}, {59, 10}, {10, 39}, {59, 39}, {35, 10}, {10, 25}})
      EXPECT_EQ(image.Pixel(x, y), edge) << "style " << style << " at " << x << "," << y;
    EXPECT_EQ(Count(image, {11, 11, 59, 39}, kFill), 48 * 28);
    EXPECT_EQ(Ink(image, {0, 0, 200, 100}, kBackground), label.rect);
  }
  label.SetText("X");
  for (int hidden : {0, 2, -1}) {
    label.visible = hidden;
    EXPECT_EQ(Count(Paint(), label.rect, kBackground), 50 * 30) << "visible " << hidden;
  }
}

TEST_F(LabelSurface, OpaqueTextPaintsItsCellInTheBackColour) {
  // The box lies elsewhere, so the window background shows around transparent letters.
  label.rect = {190, 90, 195, 95};
  label.textRect = {10, 10, 190, 90};
  label.font = MakeFontSpec(15);
  label.SetText("o");
  for (int mode : {platform::OPAQUE, platform::TRANSPARENT}) {
    label.backMode = mode;
    const Image image = Paint();
    EXPECT_EQ(image.Pixel(11, 11), mode == platform::OPAQUE ? kFill : kBackground);
    EXPECT_GT(Count(image, label.textRect, kWhite), 0);
  }
}

// How each format aligns and what the prefix characters do is DrawText's, tested with the window
// layer; the label lays its text out in its text rectangle with its own format.
TEST_F(LabelSurface, LaysTextOutInTheTextRectangleInItsFormat) {
  label.rect = {5, 5, 195, 95};
  label.borderStyle = platform::PS_NULL;
  label.textRect = {20, 10, 180, 90};
  auto draw = [&](const char* text, unsigned format) {
    label.SetText(text);
    label.textFormat = format;
    const Image image = Paint();
    return std::pair(Ink(image, label.rect, kFill), Count(image, label.rect, kWhite));
  };
  const Rect topLeft = draw("HH", 0).first, bottomRight = draw("HH", 0x2A).first;
  EXPECT_TRUE(Inside(topLeft, label.textRect) && topLeft.left <= 22 && topLeft.top <= 13);
  EXPECT_TRUE(Inside(bottomRight, label.textRect) && bottomRight.right >= 178 &&
              bottomRight.bottom >= 85);
  EXPECT_EQ(draw("A&&B", 0), draw("A&B", platform::DT_NOPREFIX));  // "&" marks a prefix
}

TEST_F(LabelSurface, OutlinedTextHasOutlineEdgesAndFilledLetters) {
  label.rect = label.textRect = {0, 0, 200, 100};
  label.borderStyle = platform::PS_NULL;
  label.font = MakeFontSpec(0);
  label.font.height = -60;
  label.textFormat = 0x25;
  label.textColor = kYellow;
  label.SetText("H");
  for (int style : {1, 0, 2}) {
    label.drawStyle = style;
    const Image image = Paint();
    const Rect ink = Ink(image, label.rect, kFill);
    SCOPED_TRACE(testing::Message() << "drawStyle " << style);
    ASSERT_FALSE(ink.IsEmpty());
    // A row through the two stems, above the bar.
    EXPECT_GT(Count(image, {ink.left, ink.top + 4, ink.right, ink.top + 5}, kYellow), 4);
    if (style == 1) {
      EXPECT_EQ(image.Pixel(ink.left, ink.top + 4), kRed);
      EXPECT_EQ(image.Pixel(ink.right - 1, ink.top + 4), kRed);
    } else {
      EXPECT_EQ(Count(image, ink, kRed), 0);
    }
  }
}

TEST_F(LabelSurface, RefreshPaintsAtOnceOrMarksForTheNextPaint) {
  label.SetText("X");
  label.visible = 3;
  Paint();
  EXPECT_EQ(label.Refresh(window, 1), 1);  // hidden, now: wiped to the bare box at once
  EXPECT_EQ(Now().Pixel(10, 10), kRed);
  EXPECT_EQ(Count(Now(), label.rect, kFill), 48 * 28);
  EXPECT_EQ(label.visible, 0);
  EXPECT_FALSE(Pending());

  label.visible = 1;
  Paint();
  label.SetVisible(0, window, 0);  // hidden, later: erased at the next paint
  EXPECT_EQ(Now().Pixel(30, 30), kFill);
  EXPECT_TRUE(Pending());
  platform::RunUntilIdle();
  EXPECT_EQ(Count(Now(), label.rect, kBackground), 50 * 30);

  Fill(window, label.rect, kYellow);
  label.SetVisible(1, window, 0);  // shown, later: repainted without erasing
  EXPECT_TRUE(Pending());
  platform::RunUntilIdle();
  EXPECT_EQ(underLabel, kYellow);
  EXPECT_EQ(Now().Pixel(30, 30), kFill);

  label.visible = 0;
  Paint();
  label.SetVisible(1, window, 1);  // shown, now
  EXPECT_EQ(paints, 1);
  EXPECT_EQ(Now().Pixel(30, 30), kFill);

  label.SetText("");
  Paint();
  EXPECT_EQ(label.SetText("88", window), 1);  // marks without painting
  EXPECT_EQ(paints, 0);
  EXPECT_TRUE(Pending());
  EXPECT_EQ(Count(Now(), label.rect, kWhite), 0);
  platform::RunUntilIdle();
  EXPECT_GT(Count(Now(), label.rect, kWhite), 0);
}

TEST_F(LabelSurface, DrawingLeavesTheContextAsItFoundIt) {
  label.SetText("Q");
  for (int style : {0, 1}) {
    label.drawStyle = style;
    platform::Dc* dc = platform::GetDC(window);
    platform::GdiObject* mine[] = {platform::CreatePen(platform::PS_SOLID, 1, kYellow),
                                   platform::CreateSolidBrush(kYellow),
                                   platform::CreateFontIndirect(MakeFontSpec(1))};
    platform::GdiObject* first[3];
    for (int i = 0; i < 3; ++i)
      first[i] = platform::SelectObject(dc, mine[i]);
    platform::SetBkColor(dc, kYellow);
    platform::SetBkMode(dc, platform::TRANSPARENT);
    platform::SetTextColor(dc, kRed);
    label.Draw(window, dc);
    EXPECT_EQ(std::tuple(platform::SetBkColor(dc, 0), platform::SetBkMode(dc, platform::OPAQUE),
                         platform::SetTextColor(dc, 0)),
              std::tuple(kYellow, platform::TRANSPARENT, kRed));
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(platform::SelectObject(dc, first[i]), mine[i]) << style << " object " << i;
      platform::DeleteObject(mine[i]);
    }
    platform::ReleaseDC(window, dc);
  }
}

TEST(Label, TextNumbersAssignAndMoves) {
  Label label;
  label.SetText("GOOD LUCK");
  label.SetText(label.text.c_str());
  EXPECT_EQ(label.text, "GOOD LUCK");
  EXPECT_EQ(label.SetText(nullptr), 1);
  EXPECT_TRUE(label.text.empty());
  label.SetNumber(INT_MIN, nullptr);
  EXPECT_EQ(label.text, "-2147483648");

  label.rect = {10, 119, 130, 129};
  label.textRect = {12, 120, 129, 128};
  label.font = MakeFontSpec(18);
  label.drawStyle = 1;
  label.outlineColor = kFill;
  label.visible = 0;
  label.SetText("WINNER !");
  Label copy;
  copy.Assign(label).SetText("PUSH !");
  EXPECT_EQ(label.text, "WINNER !");
  EXPECT_EQ(std::tie(copy.rect, copy.textRect, copy.font.height, copy.font.width, copy.drawStyle,
                     copy.outlineColor, copy.visible),
            std::tie(label.rect, label.textRect, label.font.height, label.font.width,
                     label.drawStyle, label.outlineColor, label.visible));
  copy.Assign(label).Assign(copy);
  EXPECT_EQ(copy.text, "WINNER !");

  label.MoveLeftTo(110);
  label.MoveTopTo(19);
  EXPECT_EQ(std::pair(label.rect, label.textRect),
            std::pair(Rect{110, 19, 230, 29}, Rect{112, 20, 229, 28}));
}

TEST(MakeFontSpec, GivesTheFontOfEachCode) {
  const int rows[][3] = {{0, -13, 0},  {27, -13, 0}, {-1, -13, 0},  {1, -11, 0},  {4, -12, 0},
                         {5, -9, 7},   {6, -27, 13}, {8, -12, 9},   {14, -15, 0}, {15, -24, 0},
                         {16, -21, 0}, {20, -16, 0}, {18, -29, 16}, {19, -15, 9}, {26, -21, 0}};
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

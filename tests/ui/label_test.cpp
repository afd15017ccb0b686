#include "ui/label.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <tuple>
#include <utility>

#include "platform/gdi.h"
#include "platform/image.h"
#include "platform/window.h"
#include "tests/support/window_fixture.h"

using platform::Image;
using platform::Rect;
using platform::Rgb;

namespace {

constexpr Color kFill = Rgb(0, 128, 0);
constexpr Color kRed = Rgb(255, 0, 0);
constexpr Color kYellow = Rgb(255, 255, 0);
constexpr Color kWhite = Rgb(255, 255, 255);

// Bounding box (right and bottom exclusive) of the pixels of `area` that differ from `ground`.
Rect InkBox(const Image& image, Rect area, Color ground) {
  Rect box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      if (image.Pixel(x, y) == ground) continue;
      box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
             std::max(box.bottom, y + 1)};
    }
  }
  return box.IsEmpty() ? Rect{} : box;
}

int CountPixels(const Image& image, Rect area, Color color) {
  int count = 0;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x)
      count += image.Pixel(x, y) == color;
  }
  return count;
}

class LabelSurface : public WindowTest {
 protected:
  static constexpr Color kWindowBack = kBackground;

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
    return platform::Screenshot(window);
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

TEST_F(LabelSurface, FillsTheBoxAndFramesItUnlessTheBorderIsOff) {
  for (int style : {platform::PS_SOLID, platform::PS_NULL}) {
    label.borderStyle = style;
    const Image image = Paint();
    const Color edge = style == platform::PS_NULL ? kFill : kRed;
    for (auto [x, y] : {std::pair{10, 10}, {59, 10}, {10, 39}, {59, 39}, {35, 10}, {10, 25}}) {
      EXPECT_EQ(image.Pixel(x, y), edge) << "style " << style << " at " << x << "," << y;
    }
    EXPECT_EQ(image.Pixel(11, 11), kFill);
    EXPECT_EQ(image.Pixel(58, 38), kFill);
    for (auto [x, y] : {std::pair{9, 9}, {60, 20}, {35, 40}, {60, 40}}) {
      EXPECT_EQ(image.Pixel(x, y), kWindowBack) << "outside at " << x << "," << y;
    }
  }
}

TEST_F(LabelSurface, AHiddenLabelDrawsNothing) {
  label.SetText("X");
  for (int hidden : {0, 2, -1}) {
    label.visible = hidden;
    EXPECT_EQ(CountPixels(Paint(), label.rect, kWindowBack), 50 * 30) << "visible " << hidden;
  }
}

TEST_F(LabelSurface, OpaqueTextPaintsItsCellInTheBackColour) {
  // The box lies elsewhere, so the window background shows around transparent letters.
  label.rect = {190, 90, 195, 95};
  label.textRect = {10, 10, 190, 90};
  label.font = MakeFontSpec(15);
  label.SetText("o");
  label.backMode = platform::OPAQUE;
  Image image = Paint();
  EXPECT_EQ(image.Pixel(11, 11), kFill);
  EXPECT_GT(CountPixels(image, label.textRect, kWhite), 0);
  label.backMode = platform::TRANSPARENT;
  image = Paint();
  EXPECT_EQ(image.Pixel(11, 11), kWindowBack);
  EXPECT_GT(CountPixels(image, label.textRect, kWhite), 0);
}

TEST_F(LabelSurface, LaysTextOutInTheTextRectangle) {
  enum Horizontal { kLeft, kCentre, kRight };
  struct Case {
    unsigned format;
    Horizontal horizontal;
    bool middle;
  };
  label.rect = {5, 5, 195, 95};
  label.borderStyle = platform::PS_NULL;
  label.textRect = {20, 10, 180, 90};
  label.SetText("HH");
  for (Case c : {Case{0x00, kLeft, false}, Case{0x01, kCentre, false}, Case{0x02, kRight, false},
                 Case{0x24, kLeft, true}, Case{0x25, kCentre, true}, Case{0x26, kRight, true}}) {
    label.textFormat = c.format;
    const Rect ink = InkBox(Paint(), label.textRect, kFill);
    SCOPED_TRACE(testing::Message() << "format " << c.format);
    ASSERT_FALSE(ink.IsEmpty());
    const int leftGap = ink.left - 20, rightGap = 180 - ink.right;
    const int topGap = ink.top - 10, bottomGap = 90 - ink.bottom;
    const int offCentre = std::abs(leftGap - rightGap);
    EXPECT_LE(c.horizontal == kLeft ? leftGap : c.horizontal == kRight ? rightGap : offCentre, 2);
    EXPECT_LE(c.middle ? std::abs(topGap - bottomGap) : topGap, 3);
  }
}

TEST_F(LabelSurface, AmpersandsArePrefixes) {
  auto draw = [&](const char* text, unsigned format) {
    label.SetText(text);
    label.textFormat = format;
    return Paint();
  };
  const Image doubled = draw("A&&B", 0);
  const Image literal = draw("A&B", platform::DT_NOPREFIX);
  EXPECT_EQ(InkBox(doubled, label.textRect, kFill), InkBox(literal, label.textRect, kFill));
  EXPECT_EQ(CountPixels(doubled, label.textRect, kWhite),
            CountPixels(literal, label.textRect, kWhite));

  const Rect underlined = InkBox(draw("A&B", 0), label.textRect, kFill);
  const Rect plain = InkBox(draw("AB", 0), label.textRect, kFill);
  EXPECT_EQ(underlined.left, plain.left);
  EXPECT_GT(underlined.bottom, plain.bottom);
}

TEST_F(LabelSurface, OutlinedTextHasOutlineEdgesAndFilledLetters) {
  label.rect = {0, 0, 200, 100};
  label.textRect = {0, 0, 200, 100};
  label.borderStyle = platform::PS_NULL;
  label.font = MakeFontSpec(0);
  label.font.height = -60;
  label.textFormat = 0x25;
  label.textColor = kYellow;
  label.SetText("H");
  for (int style : {1, 0, 2}) {
    label.drawStyle = style;
    const Image image = Paint();
    const Rect ink = InkBox(image, label.rect, kFill);
    SCOPED_TRACE(testing::Message() << "drawStyle " << style);
    ASSERT_FALSE(ink.IsEmpty());
    // A row through the two stems, above the bar.
    const Rect row{ink.left, ink.top + 4, ink.right, ink.top + 5};
    EXPECT_GT(CountPixels(image, row, kYellow), 4);
    if (style == 1) {
      EXPECT_EQ(image.Pixel(ink.left, ink.top + 4), kRed);
      EXPECT_EQ(image.Pixel(ink.right - 1, ink.top + 4), kRed);
    } else {
      EXPECT_EQ(CountPixels(image, ink, kRed), 0);
    }
  }
}

TEST_F(LabelSurface, RefreshOfAHiddenLabelWipesItsBoxAtOnceOrAtTheNextPaint) {
  label.SetText("X");
  label.visible = 3;
  Paint();
  EXPECT_EQ(label.Refresh(window, 1), 1);
  Image image = Now();
  EXPECT_EQ(image.Pixel(10, 10), kRed);
  EXPECT_EQ(CountPixels(image, label.rect, kFill), 48 * 28);
  EXPECT_EQ(label.visible, 0);
  EXPECT_FALSE(Pending());

  label.visible = 1;
  Paint();
  label.SetVisible(0, window, 0);
  EXPECT_EQ(Now().Pixel(30, 30), kFill);
  EXPECT_TRUE(Pending());
  platform::RunUntilIdle();
  EXPECT_EQ(underLabel, kWindowBack);
  EXPECT_EQ(CountPixels(Now(), label.rect, kWindowBack), 50 * 30);
}

TEST_F(LabelSurface, RefreshOfAShownLabelRepaintsWithoutErasing) {
  label.visible = 0;
  Paint();
  Fill(window, label.rect, kYellow);
  label.SetVisible(1, window, 0);
  EXPECT_EQ(Now().Pixel(30, 30), kYellow);
  EXPECT_TRUE(Pending());
  platform::RunUntilIdle();
  EXPECT_EQ(underLabel, kYellow);
  EXPECT_EQ(Now().Pixel(30, 30), kFill);

  label.visible = 0;
  Paint();
  label.SetVisible(1, window, 1);
  EXPECT_EQ(paints, 1);
  EXPECT_EQ(Now().Pixel(30, 30), kFill);
}

TEST_F(LabelSurface, SetTextMarksTheLabelButDoesNotPaint) {
  Paint();
  EXPECT_EQ(label.SetText("88", window), 1);
  EXPECT_EQ(paints, 0);
  EXPECT_TRUE(Pending());
  EXPECT_EQ(CountPixels(Now(), label.rect, kWhite), 0);
  platform::RunUntilIdle();
  EXPECT_GT(CountPixels(Now(), label.rect, kWhite), 0);
}

TEST_F(LabelSurface, DrawingLeavesTheContextAsItFoundIt) {
  label.SetText("Q");
  for (int style : {0, 1}) {
    label.drawStyle = style;
    platform::Dc* dc = platform::GetDC(window);
    ASSERT_NE(dc, nullptr);
    platform::Pen* pen = platform::CreatePen(platform::PS_SOLID, 1, kYellow);
    platform::Brush* brush = platform::CreateSolidBrush(kYellow);
    platform::Font* font = platform::CreateFontIndirect(MakeFontSpec(1));
    platform::GdiObject* firstPen = platform::SelectObject(dc, pen);
    platform::GdiObject* firstBrush = platform::SelectObject(dc, brush);
    platform::GdiObject* firstFont = platform::SelectObject(dc, font);
    platform::SetBkColor(dc, kYellow);
    platform::SetBkMode(dc, platform::TRANSPARENT);
    platform::SetTextColor(dc, kRed);

    label.Draw(window, dc);

    EXPECT_EQ(platform::SetBkColor(dc, 0), kYellow);
    EXPECT_EQ(platform::SetBkMode(dc, platform::OPAQUE), platform::TRANSPARENT);
    EXPECT_EQ(platform::SetTextColor(dc, 0), kRed);
    EXPECT_EQ(platform::SelectObject(dc, firstPen), pen);
    EXPECT_EQ(platform::SelectObject(dc, firstBrush), brush);
    EXPECT_EQ(platform::SelectObject(dc, firstFont), font);
    platform::DeleteObject(pen);
    platform::DeleteObject(brush);
    platform::DeleteObject(font);
    platform::ReleaseDC(window, dc);
  }
}

TEST(Label, SetTextAndSetNumberKeepTheirOwnCopy) {
  Label label;
  char buffer[] = "GOOD LUCK";
  label.SetText(buffer);
  buffer[0] = 'X';
  EXPECT_EQ(label.text, "GOOD LUCK");
  label.SetText(label.text.c_str());
  EXPECT_EQ(label.text, "GOOD LUCK");
  for (const char* none : {"", static_cast<const char*>(nullptr)}) {
    label.SetText("old");
    EXPECT_EQ(label.SetText(none), 1);
    EXPECT_TRUE(label.text.empty());
  }
  for (auto [value, shown] : {std::pair{-5, "-5"}, {0, "0"}, {INT_MIN, "-2147483648"}}) {
    label.SetNumber(value, nullptr);
    EXPECT_EQ(label.text, shown);
  }
}

TEST(Label, AssignCopiesTheFieldsWithASeparateText) {
  Label source;
  source.rect = {1, 2, 3, 4};
  source.textRect = {5, 6, 7, 8};
  source.font = MakeFontSpec(18);
  source.drawStyle = 1;
  source.outlineColor = kFill;
  source.visible = 0;
  source.SetText("WINNER !");
  Label copy;
  copy.Assign(source).SetText("PUSH !");
  EXPECT_EQ(source.text, "WINNER !");
  EXPECT_EQ(std::tie(copy.rect, copy.textRect, copy.font.height, copy.font.width, copy.drawStyle,
                     copy.outlineColor, copy.visible),
            std::tie(source.rect, source.textRect, source.font.height, source.font.width,
                     source.drawStyle, source.outlineColor, source.visible));
  copy.Assign(source).Assign(copy);
  EXPECT_EQ(copy.text, "WINNER !");
  copy.Assign(Label{});
  EXPECT_TRUE(copy.text.empty());
}

TEST(Label, MovesKeepSizesAndTextOffset) {
  Label label;
  label.rect = {10, 119, 130, 129};
  label.textRect = {12, 120, 129, 128};
  label.MoveLeftTo(110);
  label.MoveTopTo(19);
  EXPECT_EQ(label.rect, (Rect{110, 19, 230, 29}));
  EXPECT_EQ(label.textRect, (Rect{112, 20, 229, 28}));
}

TEST(MakeFontSpec, GivesTheFontOfEachCode) {
  const int rows[][3] = {{0, -13, 0},  {27, -13, 0}, {-1, -13, 0},  {1, -11, 0},  {4, -12, 0},
                         {5, -9, 7},   {6, -27, 13}, {8, -12, 9},   {14, -15, 0}, {15, -24, 0},
                         {16, -21, 0}, {20, -16, 0}, {18, -29, 16}, {19, -15, 9}, {26, -21, 0}};
  for (auto [code, height, width] : rows) {
    const FontSpec font = MakeFontSpec(code);
    SCOPED_TRACE(code);
    EXPECT_EQ(std::tuple(font.height, font.width, font.weight, font.pitchAndFamily, font.quality,
                         font.outPrecision),
              std::tuple(height, width, 700, 0x22, 2, 3));
    EXPECT_STREQ(font.faceName, "Arial");
  }
  EXPECT_EQ(Label{}.font.pitchAndFamily, 0x12);
  EXPECT_EQ(Label{}.font.height, -12);
}

}  // namespace

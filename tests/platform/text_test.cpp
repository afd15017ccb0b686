// Text layout, "&" prefixes, background modes, font sizes and outlined text through paths.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <utility>

#include "tests/platform/canvas.h"

using namespace platform;

namespace {

LogFont Arial(int height, int width = 0, int weight = 700) {
  LogFont font;
  font.height = height;
  font.width = width;
  font.weight = weight;
  std::strcpy(font.faceName, "Arial");
  return font;
}

// Black text; returns what DrawText returned.
int Write(Canvas& canvas, const char* text, Rect rect, unsigned format,
          const LogFont& font = Arial(-12), int bkMode = TRANSPARENT) {
  Selection selected(canvas.dc(), CreateFontIndirect(font));
  SetBkMode(canvas.dc(), bkMode);
  SetTextColor(canvas.dc(), Rgb(0, 0, 0));
  return DrawText(canvas.dc(), text, -1, &rect, format);
}

// The bounding box of the dark pixels of a single line at (2, 2), and their number.
std::pair<Rect, int> InkOf(const char* text, unsigned format, const LogFont& font = Arial(-12)) {
  Canvas canvas(300, 50);
  Write(canvas, text, {2, 2, 298, 48}, DT_SINGLELINE | format, font);
  int count = 0;
  const Rect box = canvas.Find(Dark, &count);
  return {box, count};
}

TextMetrics Metrics(const LogFont& font) {
  Canvas canvas(1, 1);
  Selection selected(canvas.dc(), CreateFontIndirect(font));
  TextMetrics metrics;
  EXPECT_TRUE(GetTextMetrics(canvas.dc(), &metrics));
  return metrics;
}

// The rectangle DT_CALCRECT gives for a single line at (left, top).
Rect Measure(const char* text, int left = 0, int top = 0) {
  Canvas canvas(1, 1);
  Selection selected(canvas.dc(), CreateFontIndirect(Arial(-12)));
  Rect rect{left, top, left, top};
  DrawText(canvas.dc(), text, -1, &rect, DT_CALCRECT | DT_SINGLELINE);
  return rect;
}

TEST(DrawText, PlacesTheTextInsideTheRectangle) {
  const struct {
    unsigned format;
    int left, top, right, bottom;  // where the ink must start or end; -1 where it does not matter
  } cases[] = {
      {DT_SINGLELINE | DT_VCENTER, 10, 26, -1, 34},  // the line box centred in 10..50
      {DT_SINGLELINE | DT_VCENTER | DT_CENTER, 10 + (180 - Measure("HHH").right) / 2, -1, -1, -1},
      {DT_SINGLELINE | DT_VCENTER | DT_RIGHT, -1, -1, 190, -1},
      {DT_TOP, 10, 13, -1, -1},
  };
  for (const auto& c : cases) {
    Canvas canvas(200, 60);
    Write(canvas, "HHH", {10, 10, 190, 50}, c.format);
    const Rect ink = canvas.Find(Dark);
    const int want[] = {c.left, c.top, c.right, c.bottom};
    const int got[] = {ink.left, ink.top, ink.right, ink.bottom};
    for (int i = 0; i < 4; ++i)
      EXPECT_LE(want[i] < 0 ? 0 : std::abs(got[i] - want[i]), 2 - i % 2) << c.format << " " << i;
  }
}

TEST(DrawText, MeasuresAndBreaksLinesUnlessSingleLine) {
  const int line = Metrics(Arial(-12)).height;
  Canvas canvas(100, 60);
  Selection font(canvas.dc(), CreateFontIndirect(Arial(-12)));
  Rect wide{7, 9, 7, 9}, narrow{7, 9, 7, 9};
  EXPECT_EQ(DrawText(canvas.dc(), "WW\nW", -1, &wide, DT_CALCRECT), 2 * line);
  EXPECT_EQ(DrawText(canvas.dc(), "ii\nW", -1, &narrow, DT_CALCRECT | DT_SINGLELINE), line);
  EXPECT_EQ(std::pair(wide.top, wide.bottom), std::pair(9, 9 + 2 * line));
  EXPECT_GT(wide.Width(), 15);
  EXPECT_LT(narrow.Width(), wide.Width());
  EXPECT_TRUE(canvas.Ink().IsEmpty());  // measuring draws nothing
  EXPECT_EQ(Write(canvas, "AB\nC", {0, 0, 100, 60}, 0), 2 * line);
  EXPECT_GT(canvas.Find(Dark).Height(), line);
}

TEST(DrawText, ProcessesAmpersandPrefixes) {
  EXPECT_EQ(InkOf("HIGH && LOW", 0), InkOf("HIGH & LOW", DT_NOPREFIX));
  // "&A" underlines the A alone, below the letters: white out the letters to find the line.
  const Rect plain = InkOf("AB", DT_NOPREFIX).first, letterA = InkOf("A", DT_NOPREFIX).first;
  Canvas canvas(300, 50);
  Write(canvas, "&AB", {2, 2, 298, 48}, DT_SINGLELINE);
  FillRect(canvas.dc(), {0, 0, 300, plain.bottom},
           static_cast<Brush*>(GetStockObject(WHITE_BRUSH)));
  const Rect under = canvas.Find(Dark);
  EXPECT_NEAR(under.left, letterA.left, 2);
  EXPECT_NEAR(under.right, letterA.right, 2);
}

TEST(DrawText, OpaqueModeFillsTheLineBoxAndIsClippedToTheRectangle) {
  for (int mode : {OPAQUE, TRANSPARENT}) {
    Canvas canvas(100, 30);
    SetBkColor(canvas.dc(), kRed);
    Write(canvas, "WIN 25", {5, 5, 95, 25}, DT_SINGLELINE, Arial(-12), mode);
    EXPECT_EQ(canvas.Find([](Color c) { return c == kRed; }),
              mode == OPAQUE ? Measure("WIN 25", 5, 5) : Rect{});
    EXPECT_FALSE(canvas.Find(Dark).IsEmpty());
  }
  Canvas clipped(200, 40);
  SetBkColor(clipped.dc(), kRed);
  Write(clipped, "A LONG LINE", {10, 10, 40, 20}, DT_SINGLELINE | DT_VCENTER, Arial(-15), OPAQUE);
  EXPECT_EQ(clipped.Ink(), (Rect{10, 10, 40, 20}));
}

TEST(Fonts, HeightIsTheCharacterSizeWidthStretchesAndWeightThickens) {
  for (int size : {11, 12, 15, 24, 29})
    EXPECT_NEAR(InkOf("H", 0, Arial(-size)).first.Height(), 0.72 * size, 1.5) << size;  // caps

  for (const auto& [height, width] : {std::pair{-9, 7}, {-27, 13}, {-29, 16}, {-12, 9}}) {
    SCOPED_TRACE(width);
    EXPECT_NEAR(Metrics(Arial(height, width)).aveCharWidth, width, 1);
    const Rect natural = InkOf("HHHH", 0, Arial(height)).first;
    const Rect stretched = InkOf("HHHH", 0, Arial(height, width)).first;
    EXPECT_NEAR(double(stretched.Width()) / natural.Width(),
                double(width) / Metrics(Arial(height)).aveCharWidth, 0.12);
    EXPECT_EQ(stretched.Height(), natural.Height());
  }
  EXPECT_GT(InkOf("HIT", 0, Arial(-15)).second, InkOf("HIT", 0, Arial(-15, 0, 400)).second * 5 / 4);
}

constexpr unsigned kCentred = DT_SINGLELINE | DT_CENTER | DT_VCENTER;

// "HIT" in the outlined letters of the meters, centred in 120 x 60: the text recorded as a path
// (which draws nothing), then stroked in the pen and filled in the brush.
void Outline(Canvas& canvas, int penWidth, Color pen, Color fill) {
  Dc* dc = canvas.dc();
  const Rect before = canvas.Ink();
  Selection font(dc, CreateFontIndirect(Arial(-29, 16)));
  ASSERT_TRUE(BeginPath(dc));
  SetBkMode(dc, TRANSPARENT);
  Rect rect{0, 0, 120, 60};
  DrawText(dc, "HIT", -1, &rect, kCentred);
  ASSERT_TRUE(EndPath(dc));
  EXPECT_EQ(canvas.Ink(), before);
  Selection stroke(dc, CreatePen(PS_SOLID, penWidth, pen));
  Selection brush(dc, CreateSolidBrush(fill));
  ASSERT_TRUE(StrokeAndFillPath(dc));
}

TEST(TextPath, OutlinedLettersHaveEdgesInThePenAndInsidesInTheBrush) {
  Canvas canvas(120, 60);
  Outline(canvas, 0, kRed, kBlue);
  int inside = 0, other = 0;
  canvas.Find([](Color c) { return c == kBlue; }, &inside);
  canvas.Find([](Color c) { return c != kRed && c != kBlue && c != kWhite; }, &other);
  EXPECT_GT(inside, 100);
  EXPECT_EQ(other, 0);  // not smoothed
  for (int y = 0; y < 60; ++y) {
    int x = 0;
    while (x < 120 && canvas.At(x, y) == kWhite)
      ++x;
    EXPECT_TRUE(x == 120 || canvas.At(x, y) == kRed) << "row " << y;
  }
  // The outline sits where the plain text would be.
  Canvas plain(120, 60);
  Write(plain, "HIT", {0, 0, 120, 60}, kCentred, Arial(-29, 16));
  const Rect outlined = canvas.Ink(), letters = plain.Find(Dark);
  for (auto [a, b] : {std::pair{outlined.left, letters.left},
                      {outlined.right, letters.right},
                      {outlined.top, letters.top},
                      {outlined.bottom, letters.bottom}})
    EXPECT_NEAR(a, b, 1);
}

// Text and outlines drawn again where they were drawn before come out as they did (the layer keeps
// what it drew); drawn on other pixels, they keep those pixels wherever they leave no ink.
TEST(DrawText, RepeatedDrawingsShowWhatLiesBeneathThemNow) {
  const auto stripes = [](int x, int) { return x % 2 ? kRed : kWhite; };
  for (bool outlined : {false, true}) {
    SCOPED_TRACE(outlined ? "outlined" : "plain");
    const auto draw = [outlined](Canvas& canvas) {
      outlined ? Outline(canvas, 2, kBlue, Rgb(0, 0, 0))
               : void(Write(canvas, "HIT", {0, 0, 120, 60}, kCentred, Arial(-29, 16)));
    };
    Canvas first(120, 60), again(120, 60), striped(120, 60);
    draw(first);
    draw(again);
    Brush* red = CreateSolidBrush(kRed);
    for (int x = 1; x < 120; x += 2)
      FillRect(striped.dc(), {x, 0, x + 1, 60}, red);
    DeleteObject(red);
    draw(striped);
    int inked = 0, kept = 0;
    for (int y = 0; y < 60; ++y) {
      for (int x = 0; x < 120; ++x) {
        ASSERT_EQ(again.At(x, y), first.At(x, y)) << x << "," << y;
        if (first.At(x, y) != kWhite) {
          ++inked;
        } else {
          kept += striped.At(x, y) == stripes(x, y);
        }
      }
    }
    EXPECT_GT(inked, 100);
    EXPECT_EQ(kept, 120 * 60 - inked);
  }
}

}  // namespace

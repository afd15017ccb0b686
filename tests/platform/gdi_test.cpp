// Shapes, lines, pixels, object selection, bitmap copies and embedded pictures.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/events.h"
#include "platform/gdi_objects.h"
#include "platform/image.h"
#include "tests/platform/canvas.h"

using namespace platform;

namespace {

constexpr Color kGrey = Rgb(128, 128, 128);

// Pixels from (x0, y0) to before (x1, y1) along a row or a column, one letter each.
std::string Run(const Canvas& canvas, int x0, int y0, int x1, int y1) {
  std::string run;
  for (int x = x0, y = y0; x < x1 || y < y1; x += x0 < x1, y += y0 < y1) {
    const Color c = canvas.At(x, y);
    run += c == kWhite   ? '.'
           : c == kRed   ? 'R'
           : c == kBlue  ? 'B'
           : c == kGreen ? 'G'
           : c == kGrey  ? 'g'
                         : '?';
  }
  return run;
}
std::string Row(const Canvas& c, int y, int x0, int x1) {
  return Run(c, x0, y, x1, y);
}
std::string Column(const Canvas& c, int x, int y0, int y1) {
  return Run(c, x, y0, x, y1);
}

TEST(Rectangle, FillsAndFramesWithoutTheRightAndBottomEdge) {
  const struct {
    int penStyle, penWidth;
    bool hollow;
    std::string edge, middle;  // rows 10 and 14, and row 12
  } cases[] = {
      {PS_SOLID, 1, false, "..RRRRRRRRRR..", "..RBBBBBBBBR.."},
      {PS_SOLID, 0, false, "..RRRRRRRRRR..", "..RBBBBBBBBR.."},
      {PS_NULL, 1, false, "..BBBBBBBBBB..", "..BBBBBBBBBB.."},
      {PS_SOLID, 1, true, "..RRRRRRRRRR..", "..R........R.."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "pen " << c.penStyle << "/" << c.penWidth << c.hollow);
    Canvas canvas(30, 20);
    Selection pen(canvas.dc(), CreatePen(c.penStyle, c.penWidth, kRed));
    Selection brush(canvas.dc(), c.hollow ? GetStockObject(NULL_BRUSH) : CreateSolidBrush(kBlue));
    EXPECT_TRUE(Rectangle(canvas.dc(), 10, 10, 20, 15));
    EXPECT_EQ(Row(canvas, 10, 8, 22) + Row(canvas, 12, 8, 22) + Row(canvas, 14, 8, 22),
              c.edge + c.middle + c.edge);
    EXPECT_EQ(canvas.Ink(), (Rect{10, 10, 20, 15}));
  }

  // A wide pen is centred on the outline.
  Canvas canvas(340, 160);
  Selection pen(canvas.dc(), CreatePen(PS_SOLID, 5, kGreen));
  Selection brush(canvas.dc(), GetStockObject(NULL_BRUSH));
  ASSERT_TRUE(Rectangle(canvas.dc(), 223, 20, 323, 141));
  for (const std::string& run : {Row(canvas, 80, 218, 228), Row(canvas, 80, 317, 327),
                                 Column(canvas, 270, 15, 25), Column(canvas, 270, 135, 145)})
    EXPECT_EQ(run, "...GGGGG..");
  EXPECT_EQ(canvas.Ink(), (Rect{221, 18, 325, 143}));
}

TEST(Lines, LeaveOutTheEndPointAndPolygonsFillAndOutline) {
  Canvas canvas(220, 40);
  Selection pen(canvas.dc(), CreatePen(PS_SOLID, 0, kRed));
  MoveToEx(canvas.dc(), 11, 23, nullptr);
  ASSERT_TRUE(LineTo(canvas.dc(), 212, 23));
  EXPECT_EQ(canvas.Ink(), (Rect{11, 23, 212, 24}));
  // The next line starts where the last one ended, in any direction.
  LineTo(canvas.dc(), 212, 10);
  EXPECT_EQ(Column(canvas, 212, 9, 25), "..RRRRRRRRRRRRR.");
  Point previous;
  MoveToEx(canvas.dc(), 5, 5, &previous);
  EXPECT_EQ(previous, (Point{212, 10}));
  LineTo(canvas.dc(), 0, 0);
  EXPECT_EQ(Row(canvas, 0, 0, 1) + Row(canvas, 1, 1, 2), ".R");

  Canvas poly(20, 20);
  Selection polyPen(poly.dc(), CreatePen(PS_SOLID, 1, kBlue));
  const Point points[] = {{2, 2}, {10, 2}, {10, 8}};
  ASSERT_TRUE(Polyline(poly.dc(), points, 3));
  EXPECT_EQ(Column(poly, 10, 1, 10), ".BBBBBB..");

  Canvas shape(160, 160);
  Selection shapePen(shape.dc(), CreatePen(PS_SOLID, 1, kRed));
  Selection brush(shape.dc(), CreateSolidBrush(kGrey));
  const Point arrow[] = {{130, 119}, {130, 149}, {149, 134}};
  ASSERT_TRUE(Polygon(shape.dc(), arrow, 3));
  EXPECT_EQ(Row(shape, 134, 128, 152), "..R" + std::string(18, 'g') + "R..");
  EXPECT_EQ(Column(shape, 130, 117, 152), ".." + std::string(31, 'R') + "..");
  EXPECT_EQ(shape.Ink(), (Rect{130, 119, 150, 150}));
}

TEST(Objects, SelectedObjectsCannotBeDeleted) {
  Dc* dc = CreateCompatibleDC(nullptr);
  Pen* pen = CreatePen(PS_SOLID, 1, kRed);
  GdiObject* stockPen = SelectObject(dc, pen);
  EXPECT_EQ(stockPen, GetStockObject(BLACK_PEN));
  EXPECT_FALSE(DeleteObject(pen));  // still selected
  EXPECT_EQ(SelectObject(dc, stockPen), pen);
  EXPECT_TRUE(DeleteObject(pen));
  EXPECT_FALSE(DeleteObject(pen));  // a stale handle is refused, not freed twice

  Bitmap* bitmap = CreateCompatibleBitmap(dc, 5, 3);
  GdiObject* initial = SelectObject(dc, bitmap);
  EXPECT_EQ(GetPixel(dc, 4, 2), Rgb(0, 0, 0));
  EXPECT_FALSE(DeleteObject(bitmap));
  EXPECT_EQ(SelectObject(dc, initial), bitmap);
  EXPECT_TRUE(DeleteObject(bitmap) && DeleteObject(GetStockObject(WHITE_BRUSH)) && DeleteDC(dc));
}

TEST(BitBlt, CopiesBetweenContextsClippedToBothPictures) {
  Canvas source(6, 6, kBlue);
  SetPixel(source.dc(), 0, 0, kRed);
  SetPixel(source.dc(), 5, 5, kGreen);
  Canvas dest(10, 10);
  // The source rectangle starts left of and above the source picture.
  ASSERT_TRUE(BitBlt(dest.dc(), 2, 2, 8, 8, source.dc(), -2, -2, SRCCOPY));
  EXPECT_EQ(dest.Ink(), (Rect{4, 4, 10, 10}));
  EXPECT_EQ(Row(dest, 4, 3, 10), ".RBBBBB");
  // An overlapping copy within one picture.
  ASSERT_TRUE(BitBlt(dest.dc(), 3, 3, 6, 6, dest.dc(), 4, 4, SRCCOPY));
  EXPECT_EQ(Row(dest, 3, 2, 10) + Row(dest, 8, 7, 10), ".RBBBBB.BGB");

  // A picture loaded by resource number, copied out.
  Bitmap* strip = LoadBitmap(990);
  ASSERT_NE(strip, nullptr);
  int width = 0, height = 0;
  ASSERT_TRUE(GetBitmapSize(strip, &width, &height));
  EXPECT_EQ(std::pair(width, height), std::pair(9, 61));
  Canvas canvas(30, 70);
  Dc* memory = CreateCompatibleDC(canvas.dc());
  GdiObject* initial = SelectObject(memory, strip);
  EXPECT_TRUE(BitBlt(canvas.dc(), 10, 5, 9, 61, memory, 0, 0, SRCCOPY));
  SelectObject(memory, initial);
  DeleteDC(memory);
  EXPECT_TRUE(DeleteObject(strip));
  EXPECT_EQ(canvas.Ink(), (Rect{10, 5, 19, 66}));
  EXPECT_EQ(canvas.At(14, 35), kRed);
  EXPECT_EQ(canvas.At(14, 45), Rgb(0, 0, 192));
}

}  // namespace

// On a picture of double density the same calls in the same coordinates draw at the device's
// resolution: boxes and lines exactly twice as large, letters with their own finer edges rather
// than the single-density letters doubled; copies between such pictures keep every device pixel.
TEST(Density, DoubleDensityDrawsTheSameCallsAtTwiceTheResolution) {
  const auto draw = [](qreal ratio) {
    Dc* dc = CreateCompatibleDC(nullptr);
    auto* bitmap = new BitmapImpl(detail::NewPicture(60, 30, ratio));
    bitmap->image.fill(Qt::white);
    SelectObject(dc, bitmap);
    Selection pen(dc, CreatePen(PS_SOLID, 1, Rgb(255, 0, 0)));
    Selection brush(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, 2, 3, 20, 12);
    const Point slope[2] = {{2, 16}, {20, 26}};
    Polyline(dc, slope, 2);
    LogFont font;
    font.height = -12;
    std::strcpy(font.faceName, "Arial");
    Selection letters(dc, CreateFontIndirect(font));
    SetBkMode(dc, TRANSPARENT);
    Rect rect{22, 2, 58, 28};
    DrawText(dc, "SAW", -1, &rect, DT_SINGLELINE);
    // Through a compatible bitmap and back, as the card slide's snapshot goes.
    Bitmap* kept = CreateCompatibleBitmap(dc, 60, 30);
    Dc* copy = CreateCompatibleDC(dc);
    GdiObject* previous = SelectObject(copy, kept);
    BitBlt(copy, 0, 0, 60, 30, dc, 0, 0, SRCCOPY);
    BitBlt(dc, 0, 0, 60, 30, copy, 0, 0, SRCCOPY);
    QImage result = bitmap->image;
    EXPECT_EQ(GetPixel(dc, 2, 3), Rgb(255, 0, 0));
    EXPECT_EQ(GetPixel(dc, 3, 4), Rgb(255, 255, 255));
    SelectObject(copy, previous);
    DeleteObject(kept);
    DeleteDC(copy);
    DeleteDC(dc);
    DeleteObject(bitmap);
    return result;
  };
  const QImage single = draw(1), twice = draw(2);
  ASSERT_EQ(twice.size(), QSize(120, 60));
  for (int y = 0; y < 14; ++y) {  // the frame: every pixel a 2 x 2 block
    for (int x = 0; x < 22; ++x) {
      const QRgb want = single.pixel(x, y);
      for (int d = 0; d < 4; ++d)
        ASSERT_EQ(twice.pixel(2 * x + d % 2, 2 * y + d / 2), want) << x << "," << y;
    }
  }
  const auto finerBlocks = [&](int left, int top, int right, int bottom) {
    int finer = 0;  // blocks that are not one color
    for (int y = top; y < bottom; ++y) {
      for (int x = left; x < right; ++x) {
        const QRgb corner = twice.pixel(2 * x, 2 * y);
        finer += twice.pixel(2 * x + 1, 2 * y) != corner ||
                 twice.pixel(2 * x, 2 * y + 1) != corner ||
                 twice.pixel(2 * x + 1, 2 * y + 1) != corner;
      }
    }
    return finer;
  };
  EXPECT_GT(finerBlocks(22, 0, 60, 30), 20);  // the letters
  EXPECT_GT(finerBlocks(0, 14, 22, 30), 5);   // the slope steps by device pixels
}

#include "ui/owner_button.h"

#include <gtest/gtest.h>

#include "core/messages.h"
#include "platform/image.h"
#include "tests/ui/screen_fixture.h"

using platform::Image;
using platform::Rect;

namespace {

constexpr unsigned kPressed = platform::ODS_SELECTED;
constexpr unsigned kDisabled = platform::ODS_DISABLED;
constexpr unsigned kFocus = platform::ODS_FOCUS;
const Color kFace = platform::GetSysColor(platform::COLOR_BTNFACE);
const Color kShadow = platform::GetSysColor(platform::COLOR_BTNSHADOW);
const Color kHighlight = platform::GetSysColor(platform::COLOR_BTNHIGHLIGHT);
const Color kFocusDot = kFace ^ 0x00FFFFFF;  // the focus rectangle inverts the face

// Paints one owner-drawn button into a memory bitmap of its size and returns the pixels.
// DEAL/DRAW is the wider button of the row.
Image DrawButton(int id, unsigned state, int width = 0, int height = 35) {
  if (width == 0) width = id == kCmdDealDraw ? 80 : 68;
  platform::Dc* dc = platform::CreateCompatibleDC(nullptr);
  platform::Bitmap* bitmap = platform::CreateCompatibleBitmap(dc, width, height);
  platform::GdiObject* initial = platform::SelectObject(dc, bitmap);
  platform::DrawItemStruct item;
  item.ctlId = static_cast<unsigned>(id);
  item.itemState = state;
  item.dc = dc;
  item.rcItem = {0, 0, width, height};
  DrawOwnerButton(id, item);
  Image image = platform::ImageOf(dc);
  platform::SelectObject(dc, initial);
  platform::DeleteObject(bitmap);
  platform::DeleteDC(dc);
  return image;
}

bool Same(const Image& a, const Image& b) {
  for (int y = 0; y < a.Height(); ++y) {
    for (int x = 0; x < a.Width(); ++x) {
      if (a.Pixel(x, y) != b.Pixel(x, y)) return false;
    }
  }
  return a.Width() == b.Width() && a.Height() == b.Height();
}

// Inside the two-pixel bevel and the frame lines; nothing else there is black or face-coloured
// but the caption (the focus rectangle's dots are the inverted face).
Rect Zone(const Image& image) {
  return {2, 2, image.Width() - 2, image.Height() - 2};
}

Rect Ink(const Image& image, Color color = kBlack) {
  return WhereColor(image, Zone(image), color);
}

Rect Shift(const Rect& r, int d) {
  return {r.left + d, r.top + d, r.right + d, r.bottom + d};
}

bool FramedIn(const Image& image, Color color, int inset) {
  const int right = image.Width() - 1 - inset;
  const int bottom = image.Height() - 1 - inset;
  for (int x = inset; x <= right; ++x) {
    if (image.Pixel(x, inset) != color || image.Pixel(x, bottom) != color) return false;
  }
  for (int y = inset; y <= bottom; ++y) {
    if (image.Pixel(inset, y) != color || image.Pixel(right, y) != color) return false;
  }
  return true;
}

class OwnerButtonTest : public testing::TestWithParam<int> {};

TEST_P(OwnerButtonTest, StatesShiftFrameAndEmbossTheCaption) {
  const int id = GetParam();
  const Image normal = DrawButton(id, 0);
  const Image focused = DrawButton(id, kFocus);
  const Image pressed = DrawButton(id, kPressed | kFocus);
  const Image disabled = DrawButton(id, kDisabled);

  EXPECT_FALSE(FramedIn(normal, kBlack, 0));
  EXPECT_EQ(normal.Pixel(4, 4), kFace) << "no focus rectangle";

  EXPECT_TRUE(FramedIn(focused, kBlack, 0));
  EXPECT_EQ(focused.Pixel(4, 4), kFocusDot);
  EXPECT_EQ(Ink(focused).left + Ink(focused).right, Ink(normal).left + Ink(normal).right)
      << "still centred across";
  EXPECT_EQ(Ink(focused).top, Ink(normal).top + 1) << "one pixel further in from the top";

  EXPECT_TRUE(FramedIn(pressed, kBlack, 0));
  EXPECT_TRUE(FramedIn(pressed, kGrey, 1));
  EXPECT_EQ(Ink(pressed), Shift(Ink(focused), 1)) << "the pressed caption sinks by one pixel";
  EXPECT_EQ(pressed.Pixel(4, 4), kFocusDot) << "the focus rectangle does not move";

  EXPECT_TRUE(Ink(disabled).IsEmpty()) << "no caption in the text colour";
  // The shadow copy lies where the normal caption does, the highlight copy one pixel lower right.
  auto notFace = [](Color c) { return c != kFace; };
  const Rect caption = Where(normal, Zone(normal), notFace);
  EXPECT_EQ(Where(disabled, Zone(disabled), notFace),
            (Rect{caption.left, caption.top, caption.right + 1, caption.bottom + 1}));
  EXPECT_GT(Count(disabled, Zone(disabled), kShadow), 20);
  EXPECT_GT(Count(disabled, Zone(disabled), kHighlight), 20);

  EXPECT_TRUE(Same(DrawButton(id, kDisabled | kFocus), disabled)) << "disabled wins over focus";
  EXPECT_TRUE(Same(DrawButton(id, kPressed | kDisabled | kFocus), pressed))
      << "pressed wins over disabled";
}

INSTANTIATE_TEST_SUITE_P(Buttons, OwnerButtonTest,
                         testing::Values(kCmdHalfDouble, kCmdRepeatBet, kCmdDealDraw));

TEST(OwnerButton, CaptionsAreTwoLinesFromTheTopOfTheCaptionArea) {
  for (int id : {kCmdHalfDouble, kCmdRepeatBet, kCmdDealDraw}) {
    const Image small = DrawButton(id, 0);
    const Image tall = DrawButton(id, 0, small.Width(), 60);
    const Rect ink = Ink(small);
    EXPECT_EQ(Ink(tall), ink) << id << ": not centred vertically";
    EXPECT_LE(ink.top, 7) << id;
    EXPECT_NEAR(ink.left + ink.right, small.Width(), 2) << id << ": centred across";
    // Two lines with blank rows between them.
    int blankRows = 0;
    for (int y = ink.top; y < ink.bottom; ++y)
      blankRows += Count(small, {3, y, small.Width() - 3, y + 1}, kBlack) == 0;
    EXPECT_GT(blankRows, 0) << id;
  }
}

TEST(OwnerButton, DealDrawRuleSpansTheCaptionLessTwoPixelsEachSide) {
  const Image image = DrawButton(kCmdDealDraw, 0);
  int ruleRow = -1;
  for (int y = 3; y < 32 && ruleRow < 0; ++y) {
    if (Count(image, {3, y, 77, y + 1}, kBlack) >= 70) ruleRow = y;
  }
  ASSERT_GE(ruleRow, 10);
  EXPECT_EQ(WhereColor(image, {0, ruleRow, 80, ruleRow + 1}, kBlack),
            (Rect{5, ruleRow, 75, ruleRow + 1}));
  EXPECT_GT(Count(image, {3, 3, 77, ruleRow}, kBlack), 20) << "DEAL/DRAW above";
  EXPECT_GT(Count(image, {3, ruleRow + 1, 77, 32}, kBlack), 20) << "DOUBLE below";
}

TEST(OwnerButton, UnknownIdDrawsFaceAndFramesWithoutCaption) {
  const Image normal = DrawButton(999, 0);
  EXPECT_EQ(normal.Pixel(30, 15), kFace);
  EXPECT_EQ(normal.Pixel(0, 0), kHighlight);
  EXPECT_TRUE(Ink(normal).IsEmpty());
  const Image focused = DrawButton(999, kFocus);
  EXPECT_TRUE(FramedIn(focused, kBlack, 0));
  EXPECT_EQ(focused.Pixel(4, 4), kFocusDot);
  EXPECT_TRUE(Ink(focused).IsEmpty());
}

}  // namespace

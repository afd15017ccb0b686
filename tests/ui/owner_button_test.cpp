#include "ui/owner_button.h"

#include <gtest/gtest.h>

#include <memory>
#include <utility>

#include "core/messages.h"
#include "platform/image.h"
#include "tests/ui/screen_fixture.h"
#include "ui/palette.h"

using platform::Image;
using platform::Rect;

namespace {

constexpr unsigned kPressed = platform::ODS_SELECTED, kDisabled = platform::ODS_DISABLED,
                   kFocus = platform::ODS_FOCUS;
const Color kFace = platform::GetSysColor(platform::COLOR_BTNFACE);
const Color kShadow = platform::GetSysColor(platform::COLOR_BTNSHADOW);
const Color kHighlight = platform::GetSysColor(platform::COLOR_BTNHIGHLIGHT);
const Color kFocusDot = kFace ^ 0x00FFFFFF;  // the focus rectangle inverts the face

// Paints one owner-drawn button into a memory bitmap of its size and returns the pixels.
// DEAL/DRAW is the wider button of the row.
Image DrawButton(int id, unsigned state, int width = 0, int height = 35) {
  if (width == 0) width = id == kCmdDealDraw ? 80 : 68;
  const std::unique_ptr<platform::Dc, decltype(&platform::DeleteDC)> dc{
      platform::CreateCompatibleDC(nullptr), &platform::DeleteDC};
  const platform::Selection bitmap(dc.get(),
                                   platform::CreateCompatibleBitmap(dc.get(), width, height));
  platform::Brush* white = platform::CreateSolidBrush(kWhite);  // shows what is not drawn
  platform::FillRect(dc.get(), {0, 0, width, height}, white);
  platform::DeleteObject(white);
  DrawOwnerButton(id, {.ctlId = static_cast<unsigned>(id),
                       .itemState = state,
                       .dc = dc.get(),
                       .rcItem = {0, 0, width, height}});
  return platform::ImageOf(dc.get());
}

bool Same(const Image& a, const Image& b) {  // of one size
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (a.Pixel(x, y) != b.Pixel(x, y)) return false;
  return true;
}

// The caption's ink: inside the two-pixel bevel and the frame lines nothing else is black.
Rect Caption(const Image& image) {
  return WhereColor(image, {2, 2, image.Width() - 2, image.Height() - 2}, kBlack);
}

// Every pixel of the ring `inset` pixels in from the edge has this color.
bool FramedIn(const Image& image, Color color, int inset) {
  const Rect outer{inset, inset, image.Width() - inset, image.Height() - inset};
  const Rect inner{outer.left + 1, outer.top + 1, outer.right - 1, outer.bottom - 1};
  return Count(image, outer, color) - Count(image, inner, color) ==
         2 * (outer.Width() + outer.Height()) - 4;
}

class OwnerButtonTest : public testing::TestWithParam<int> {};

TEST_P(OwnerButtonTest, CaptionStatesFrameAndEmboss) {
  const int id = GetParam();
  const Image normal = DrawButton(id, 0), focused = DrawButton(id, kFocus),
              pressed = DrawButton(id, kPressed | kFocus), disabled = DrawButton(id, kDisabled);
  const Rect ink = Caption(normal), focusedInk = Caption(focused);

  // Two lines from the top of the caption area, centred across but not vertically.
  EXPECT_EQ(Caption(DrawButton(id, 0, normal.Width(), 60)), ink);
  EXPECT_LE(ink.top, 7);
  EXPECT_NEAR(ink.left + ink.right, normal.Width(), 2);
  EXPECT_GT(ink.Height(), 16) << "one line of the 11-pixel font";

  EXPECT_FALSE(FramedIn(normal, kBlack, 0));
  EXPECT_EQ(normal.Pixel(4, 4), kFace) << "no focus rectangle";
  EXPECT_TRUE(FramedIn(focused, kBlack, 0));
  EXPECT_EQ(focused.Pixel(4, 4), kFocusDot);
  EXPECT_EQ(focusedInk.left + focusedInk.right, ink.left + ink.right) << "still centred across";
  EXPECT_EQ(focusedInk.top, ink.top + 1) << "one pixel further in from the top";

  EXPECT_TRUE(FramedIn(pressed, kBlack, 0));
  EXPECT_TRUE(FramedIn(pressed, kGrey, 1));
  const Rect& f = focusedInk;  // the pressed caption sinks by one pixel
  EXPECT_EQ(Caption(pressed), (Rect{f.left + 1, f.top + 1, f.right + 1, f.bottom + 1}));
  EXPECT_EQ(pressed.Pixel(4, 4), kFocusDot) << "the focus rectangle does not move";

  EXPECT_TRUE(Caption(disabled).IsEmpty()) << "no caption in the text color";
  // The shadow copy lies where the normal caption does, the highlight copy one pixel lower right.
  const Rect zone{2, 2, normal.Width() - 2, normal.Height() - 2};
  const Rect embossed = Ink(normal, zone, kFace);
  EXPECT_EQ(Ink(disabled, zone, kFace),
            (Rect{embossed.left, embossed.top, embossed.right + 1, embossed.bottom + 1}));
  EXPECT_GT(Count(disabled, zone, kShadow), 20);
  EXPECT_GT(Count(disabled, zone, kHighlight), 20);

  // A disabled button may keep the focus, but shows no focus rectangle; pressed wins over disabled.
  EXPECT_TRUE(Same(DrawButton(id, kDisabled | kFocus), disabled));
  EXPECT_TRUE(Same(DrawButton(id, kPressed | kDisabled | kFocus), pressed));
}

INSTANTIATE_TEST_SUITE_P(Buttons, OwnerButtonTest,
                         testing::Values(kCmdHalfDouble, kCmdRepeatBet, kCmdDealDraw));

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

}  // namespace

#include "ui/owner_button.h"

#include "core/messages.h"
#include "ui/labels.h"
#include "ui/palette.h"

namespace {

// One line of a stacked caption. An all-zero rect places the line under the previous one.
struct CaptionLine {
  const char* text = nullptr;
  FontSpec font;
  platform::Rect rect;
  Color color = 0;
};

using platform::Dc;
using platform::GdiObject;
using platform::Rect;

constexpr int kCaptionFont = 1;
constexpr unsigned kCentredLine = platform::DT_CENTER | platform::DT_SINGLELINE;

// Selects a caption font with its color on a transparent background, and puts everything back.
class CaptionText {
 public:
  CaptionText(Dc* dc, const FontSpec& lineFont, Color color)
      : dc_(dc), font_(dc, platform::CreateFontIndirect(lineFont)) {
    oldColor_ = platform::SetTextColor(dc_, color);
    oldMode_ = platform::SetBkMode(dc_, platform::TRANSPARENT);
  }
  ~CaptionText() {
    if (oldMode_) platform::SetBkMode(dc_, oldMode_);
    platform::SetTextColor(dc_, oldColor_);
  }
  CaptionText(const CaptionText&) = delete;
  CaptionText& operator=(const CaptionText&) = delete;

  // The bottom of the text laid out from top across left..right.
  int Measure(const char* text, int left, int top, int right) const {
    Rect box{left, top, right, top};
    platform::DrawText(dc_, text, -1, &box, platform::DT_CALCRECT | platform::DT_SINGLELINE);
    return box.bottom;
  }
  void Draw(const char* text, Rect box) const {
    platform::DrawText(dc_, text, -1, &box, kCentredLine);
  }

 private:
  Dc* dc_;
  platform::Selection font_;
  Color oldColor_ = 0;
  int oldMode_ = 0;
};

void DrawHollowRect(Dc* dc, const Rect& rect, Color color) {
  const platform::Selection pen(dc, platform::CreatePen(platform::PS_SOLID, 1, color));
  const platform::Selection brush(dc, platform::GetStockObject(platform::NULL_BRUSH), false);
  platform::Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
}

void DrawStackedCaption(Dc* dc, const Rect& area, const CaptionLine& first,
                        const CaptionLine& second) {
  int top = area.top;
  for (const CaptionLine* line : {&first, &second}) {
    CaptionText text(dc, line->font, line->color);
    Rect box = line->rect;
    if (box == Rect{})
      box = {area.left, top, area.right, text.Measure(line->text, area.left, top, area.right)};
    text.Draw(line->text, box);
    top = box.bottom;
  }
}

void DrawDealDrawCaption(Dc* dc, const Rect& area, Color color) {
  CaptionText text(dc, MakeFontSpec(kCaptionFont), color);
  const int top = area.top;
  const int bottom = text.Measure("DEAL/DRAW", area.left, top, area.right);
  text.Draw("DEAL/DRAW", {area.left, top, area.right, bottom});
  text.Draw("DOUBLE", {area.left, bottom, area.right, 2 * bottom - top});

  const platform::Selection pen(dc, platform::CreatePen(platform::PS_SOLID, 1, color));
  const platform::Point rule[2] = {{area.left + 2, bottom}, {area.right - 2, bottom}};
  platform::Polyline(dc, rule, 2);
}

void DrawButtonCaption(int controlId, Dc* dc, const Rect& area, Color color) {
  auto stacked = [&](const char* upper, const char* lower) {
    const FontSpec font = MakeFontSpec(kCaptionFont);
    DrawStackedCaption(dc, area, {upper, font, {}, color}, {lower, font, {}, color});
  };
  switch (controlId) {
    case kCmdHalfDouble:
      stacked("HALF", "DOUBLE");
      break;
    case kCmdRepeatBet:
      stacked("REPEAT", "BET");
      break;
    case kCmdDealDraw:
      DrawDealDrawCaption(dc, area, color);
      break;
    default:
      break;
  }
}

}  // namespace

void DrawOwnerButton(int controlId, const platform::DrawItemStruct& item) {
  Dc* dc = item.dc;
  if (!dc) return;
  const Rect& r = item.rcItem;
  const Color text = platform::GetSysColor(platform::COLOR_BTNTEXT);
  constexpr unsigned kPush = platform::DFCS_BUTTONPUSH;

  if (item.itemState & platform::ODS_SELECTED) {
    platform::DrawFrameControl(dc, r, platform::DFC_BUTTON, kPush | platform::DFCS_PUSHED);
    DrawHollowRect(dc, r, kBlack);
    DrawHollowRect(dc, r.Inset(1), kGrey);
    const Rect focus = r.Inset(4);
    DrawButtonCaption(controlId, dc, focus.Offset(1, 1), text);
    platform::DrawFocusRect(dc, focus);
  } else if (item.itemState & platform::ODS_DISABLED) {
    platform::DrawFrameControl(dc, r, platform::DFC_BUTTON, kPush | platform::DFCS_INACTIVE);
    const Rect area = r.Inset(3);
    DrawButtonCaption(controlId, dc, area.Offset(1, 1),
                      platform::GetSysColor(platform::COLOR_BTNHIGHLIGHT));
    DrawButtonCaption(controlId, dc, area, platform::GetSysColor(platform::COLOR_BTNSHADOW));
  } else if (item.itemState & platform::ODS_FOCUS) {
    DrawHollowRect(dc, r, kBlack);
    platform::DrawFrameControl(dc, r.Inset(1), platform::DFC_BUTTON, kPush);
    const Rect focus = r.Inset(4);
    DrawButtonCaption(controlId, dc, focus, text);
    platform::DrawFocusRect(dc, focus);
  } else {
    platform::DrawFrameControl(dc, r, platform::DFC_BUTTON, kPush);
    DrawButtonCaption(controlId, dc, r.Inset(3), text);
  }
}

#include "ui/label.h"

#include <cstring>
#include <new>
#include <string>

#include "platform/window.h"

using platform::Dc;
using platform::GdiObject;
using platform::Window;

namespace {

FontSpec BoldArial(std::int32_t height, std::int32_t width, std::uint8_t pitchAndFamily) {
  FontSpec result;
  result.height = height;
  result.width = width;
  result.weight = 700;
  result.outPrecision = 3;
  result.clipPrecision = 0;
  result.quality = 2;
  result.pitchAndFamily = pitchAndFamily;
  std::strncpy(result.faceName, "Arial", sizeof result.faceName - 1);
  return result;
}

}  // namespace

FontSpec MakeFontSpec(int code) {
  constexpr std::uint8_t kSwissVariable = 0x22;
  auto font = [](std::int32_t height, std::int32_t width = 0) {
    return BoldArial(height, width, kSwissVariable);
  };
  switch (code) {
    case 1:
    case 3:
    case 21:
      return font(-11);
    case 2:
    case 4:
    case 7:
    case 22:
    case 24:
      return font(-12);
    case 5:
      return font(-9, 7);
    case 6:
      return font(-27, 13);
    case 8:
      return font(-12, 9);
    case 9:
    case 10:
    case 11:
    case 12:
    case 13:
    case 14:
    case 23:
    case 25:
      return font(-15);
    case 15:
      return font(-24);
    case 16:
    case 26:
      return font(-21);
    case 17:
    case 20:
      return font(-16);
    case 18:
      return font(-29, 16);
    case 19:
      return font(-15, 9);
    default:
      return font(-13);
  }
}

Label::Label() : font(BoldArial(-12, 0, 0x12)) {}

Label& Label::Assign(const Label& source) {
  if (&source == this) return *this;
  rect = source.rect;
  backColor = source.backColor;
  borderStyle = source.borderStyle;
  borderWidth = source.borderWidth;
  borderColor = source.borderColor;
  font = source.font;
  textColor = source.textColor;
  textFormat = source.textFormat;
  textRect = source.textRect;
  backMode = source.backMode;
  drawStyle = source.drawStyle;
  outlineColor = source.outlineColor;
  SetText(source.text.c_str());
  visible = source.visible;
  return *this;
}

int Label::SetText(const char* newText, Window* window) {
  int result = 1;
  try {
    // Copied before the old text goes, so a caller may pass this label's own text.
    std::string copy = newText ? newText : "";
    text = std::move(copy);
  } catch (const std::bad_alloc&) {
    text.clear();
    result = 0;
  }
  if (window) Refresh(window, kLater);
  return result;
}

int Label::SetNumber(std::int32_t value, Window* window) {
  return SetText(std::to_string(value).c_str(), window);
}

void Label::SetVisible(std::int32_t newVisible, Window* window, int now) {
  visible = newVisible;
  if (window) Refresh(window, now);
}

bool Label::SetColors(Color back, Color text, Window* window) {
  if (backColor == back && textColor == text) return false;
  backColor = back;
  textColor = text;
  if (window) Refresh(window, kLater);
  return true;
}

int Label::Refresh(Window* window, int now) {
  if (!window) return 0;
  if (visible == kShown) {
    bool ok = platform::InvalidateRect(window, &rect, false);
    if (now == kNow) ok = platform::UpdateWindow(window) && ok;
    return ok ? 1 : 0;
  }
  if (now != kNow) return platform::InvalidateRect(window, &rect, true) ? 1 : 0;

  // Wipes the box at once, without a paint message, while the label stays hidden.
  Dc* dc = platform::GetDC(window);
  if (!dc) return 0;
  visible = kShown;
  DrawBackground(window, dc);
  visible = kHidden;
  platform::ReleaseDC(window, dc);
  return 1;
}

int Label::Draw(Window* window, Dc* dc) {
  DrawBackground(window, dc);
  if (drawStyle == kOutlinedLetters) {
    DrawOutlinedText(window, dc);
  } else {
    DrawPlainText(window, dc);
  }
  return 1;
}

int Label::DrawBackground(Window* window, Dc* dc) {
  if (!window || !dc || visible != kShown) return 1;
  const platform::Selection pen(dc, platform::CreatePenIndirect(BorderPen()));
  const platform::Selection brush(dc, platform::CreateSolidBrush(backColor));
  return platform::Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom) ? 1 : 0;
}

int Label::DrawPlainText(Window* window, Dc* dc) {
  if (!window || !dc || visible != kShown) return 1;
  const Color oldBkColor = platform::SetBkColor(dc, backColor);
  const int oldBkMode = platform::SetBkMode(dc, backMode);
  const platform::Selection textFont(dc, platform::CreateFontIndirect(font));
  const Color oldTextColor = platform::SetTextColor(dc, textColor);
  bool ok = true;
  if (!text.empty()) {
    platform::Rect layout = textRect;
    ok = platform::DrawText(dc, text.c_str(), -1, &layout, textFormat) != 0;
  }
  platform::SetBkColor(dc, oldBkColor);
  if (oldBkMode) platform::SetBkMode(dc, oldBkMode);
  platform::SetTextColor(dc, oldTextColor);
  return ok ? 1 : 0;
}

int Label::DrawOutlinedText(Window* window, Dc* dc) {
  if (!window || !dc || visible != kShown) return 1;
  bool ok = true;
  bool ended = false;
  {
    const platform::Selection textFont(dc, platform::CreateFontIndirect(font));
    const bool begun = platform::BeginPath(dc);
    const int oldBkMode = platform::SetBkMode(dc, platform::TRANSPARENT);
    if (begun && !text.empty()) {
      platform::Rect layout = textRect;
      ok = platform::DrawText(dc, text.c_str(), -1, &layout, textFormat) != 0;
    }
    ended = platform::EndPath(dc);
    if (oldBkMode) platform::SetBkMode(dc, oldBkMode);
  }
  if (!ended) return 0;

  const platform::Selection pen(dc, platform::CreatePenIndirect(OutlinePen()));
  const platform::Selection brush(dc, platform::CreateSolidBrush(textColor));
  if (!platform::StrokeAndFillPath(dc)) ok = false;
  return ok ? 1 : 0;
}

platform::LogPen Label::BorderPen() const {
  return {borderStyle, borderWidth, borderColor};
}

platform::LogPen Label::OutlinePen() const {
  return {platform::PS_SOLID, 0, outlineColor};
}

void Label::MoveLeftTo(int x) {
  const int d = x - rect.left;
  rect.left = x;
  rect.right += d;
  textRect.left += d;
  textRect.right += d;
}

void Label::MoveTopTo(int y) {
  const int d = y - rect.top;
  rect.top = y;
  rect.bottom += d;
  textRect.top += d;
  textRect.bottom += d;
}

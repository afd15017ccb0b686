// Standard button faces, focus rectangles and the colors they use.

#include "platform/controls.h"
#include "platform/gdi_objects.h"

namespace platform {
namespace {

// Two-pixel bevel: the outer and inner ring, each lit on the top and left edges.
void Bevel(detail::PixelWriter& out, const Rect& r, Color outerLit, Color outerDark, Color innerLit,
           Color innerDark) {
  auto ring = [&](int inset, Color lit, Color dark) {
    const int l = r.left + inset, t = r.top + inset, rr = r.right - inset, b = r.bottom - inset;
    if (rr - l < 2 || b - t < 2) return;
    out.Fill(l, t, rr - 1, t + 1, detail::ToQRgb(lit));
    out.Fill(l, t, l + 1, b - 1, detail::ToQRgb(lit));
    out.Fill(l, b - 1, rr, b, detail::ToQRgb(dark));
    out.Fill(rr - 1, t, rr, b, detail::ToQRgb(dark));
  };
  ring(0, outerLit, outerDark);
  ring(1, innerLit, innerDark);
}

}  // namespace

Color GetSysColor(int index) {
  switch (index) {
    case COLOR_BTNFACE:
      return Rgb(192, 192, 192);
    case COLOR_BTNSHADOW:
      return Rgb(128, 128, 128);
    case COLOR_BTNTEXT:
      return Rgb(0, 0, 0);
    case COLOR_BTNHIGHLIGHT:
      return Rgb(255, 255, 255);
    case COLOR_3DDKSHADOW:
      return Rgb(64, 64, 64);
    case COLOR_3DLIGHT:
      return Rgb(223, 223, 223);
    default:
      return Rgb(0, 0, 0);
  }
}

bool DrawFrameControl(Dc* dc, const Rect& rect, unsigned type, unsigned state) {
  if (!detail::IsLiveDc(dc) || type != DFC_BUTTON || (state & DFCS_BUTTONPUSH) == 0) return false;
  detail::PixelWriter out(dc);
  if (!out.valid()) return false;
  out.Fill(rect.left, rect.top, rect.right, rect.bottom,
           detail::ToQRgb(GetSysColor(COLOR_BTNFACE)));
  if ((state & DFCS_PUSHED) != 0) {
    Bevel(out, rect, GetSysColor(COLOR_3DDKSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT),
          GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_3DLIGHT));
  } else {
    Bevel(out, rect, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_3DDKSHADOW),
          GetSysColor(COLOR_3DLIGHT), GetSysColor(COLOR_BTNSHADOW));
  }
  return true;
}

bool DrawFocusRect(Dc* dc, const Rect& rect) {
  if (!detail::IsLiveDc(dc) || rect.IsEmpty()) return false;
  detail::PixelWriter out(dc);
  if (!out.valid()) return false;
  auto invert = [&](int x, int y) {
    const Color c = GetPixel(dc, x, y);
    if (c != 0xFFFFFFFF) out.Plot(x, y, detail::ToQRgb(c ^ 0x00FFFFFF));
  };
  // Every other pixel along the outline, walking round it.
  int step = 0;
  for (int x = rect.left; x < rect.right; ++x, ++step) {
    if (step % 2 == 0) invert(x, rect.top);
  }
  for (int y = rect.top + 1; y < rect.bottom; ++y, ++step) {
    if (step % 2 == 0) invert(rect.right - 1, y);
  }
  for (int x = rect.right - 2; x >= rect.left; --x, ++step) {
    if (step % 2 == 0) invert(x, rect.bottom - 1);
  }
  for (int y = rect.bottom - 2; y > rect.top; --y, ++step) {
    if (step % 2 == 0) invert(rect.left, y);
  }
  return true;
}

}  // namespace platform

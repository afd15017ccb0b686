// The drawing context on its own: one label-like sequence of calls on a main-window-sized bitmap.
#include <benchmark/benchmark.h>

#include <cstring>

#include "platform/gdi.h"

namespace {

using namespace platform;

void BM_GdiLabelSequence(benchmark::State& state) {
  Dc* dc = CreateCompatibleDC(nullptr);
  Bitmap* bitmap = CreateCompatibleBitmap(dc, 544, 436);
  GdiObject* initial = SelectObject(dc, bitmap);
  LogFont logFont;
  logFont.height = -12;
  logFont.weight = 700;
  std::strcpy(logFont.faceName, "Arial");
  for (auto _ : state) {
    Pen* pen = CreatePen(PS_SOLID, 1, Rgb(0, 0, 0));
    Brush* brush = CreateSolidBrush(Rgb(0, 0, 192));
    GdiObject* oldPen = SelectObject(dc, pen);
    GdiObject* oldBrush = SelectObject(dc, brush);
    Rectangle(dc, 11, 10, 151, 23);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(pen);
    DeleteObject(brush);

    Font* font = CreateFontIndirect(logFont);
    GdiObject* oldFont = SelectObject(dc, font);
    const Color oldBk = SetBkColor(dc, Rgb(0, 0, 192));
    const int oldMode = SetBkMode(dc, OPAQUE);
    const Color oldText = SetTextColor(dc, Rgb(255, 255, 0));
    Rect textRect{12, 11, 150, 22};
    DrawText(dc, "ROYAL FLUSH", -1, &textRect, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    SetTextColor(dc, oldText);
    SetBkMode(dc, oldMode);
    SetBkColor(dc, oldBk);
    SelectObject(dc, oldFont);
    DeleteObject(font);
    benchmark::ClobberMemory();
  }
  SelectObject(dc, initial);
  DeleteObject(bitmap);
  DeleteDC(dc);
}
BENCHMARK(BM_GdiLabelSequence);

}  // namespace

#include <benchmark/benchmark.h>

#include "platform/gdi.h"
#include "platform/window.h"
#include "ui/label.h"

namespace {

// A main-window-sized surface to draw on, made once for all runs.
platform::Window* BenchWindow() {
  static platform::Window* window = [] {
    platform::WindowClass windowClass;
    windowClass.name = "LabelBenchClass";
    windowClass.proc = platform::DefWindowProc;
    platform::RegisterClass(windowClass);
    return platform::CreateWindow("LabelBenchClass", "bench", platform::WS_VISIBLE, 0, 0, 544, 436,
                                  nullptr, 0);
  }();
  return window;
}

// The card tracker: 52 framed cells on blue, laid out as the game lays them out.
void DrawCardTracker(benchmark::State& state, bool withText) {
  static const char* const kRanks[13] = {"A", "2", "3",  "4", "5", "6", "7",
                                         "8", "9", "10", "J", "Q", "K"};
  Label cells[52];
  for (int k = 0; k < 52; ++k) {
    const int x = 348 + 13 * (k % 13), y = 94 + 13 * (k / 13);
    cells[k].rect = cells[k].textRect = {x, y, x + 12, y + 12};
    cells[k].textFormat = 0x25;
    cells[k].font = MakeFontSpec(4);
    cells[k].backColor = cells[k].borderColor = platform::Rgb(0, 0, 192);
    if (withText) cells[k].SetText(kRanks[k % 13]);
  }
  platform::Window* window = BenchWindow();
  platform::Dc* dc = platform::GetDC(window);
  for (auto _ : state) {
    for (Label& cell : cells)
      cell.Draw(window, dc);
    benchmark::ClobberMemory();
  }
  platform::ReleaseDC(window, dc);
  state.SetItemsProcessed(state.iterations() * 52);
}

void BM_CardTrackerCells(benchmark::State& state) {
  DrawCardTracker(state, true);
}
void BM_CardTrackerBoxesOnly(benchmark::State& state) {
  DrawCardTracker(state, false);
}

void BM_CentredMessage(benchmark::State& state) {
  Label message;
  message.rect = {10, 290, 534, 320};
  message.textRect = {11, 291, 533, 319};
  message.textFormat = 0x25;
  message.font = MakeFontSpec(16);
  message.borderStyle = platform::PS_NULL;
  message.SetText("INSERT COIN OR DEAL");
  platform::Window* window = BenchWindow();
  platform::Dc* dc = platform::GetDC(window);
  for (auto _ : state) {
    message.Draw(window, dc);
    benchmark::ClobberMemory();
  }
  platform::ReleaseDC(window, dc);
}

}  // namespace

BENCHMARK(BM_CardTrackerCells);
BENCHMARK(BM_CardTrackerBoxesOnly);
BENCHMARK(BM_CentredMessage);

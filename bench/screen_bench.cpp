// The screen's hot paths, each measured end to end: our paint, the toolkit's repaint of what
// changed and its transfer to the display, beside one copy of a whole-window surface.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "app/main_window.h"
#include "app/program.h"
#include "core/game_state.h"
#include "core/messages.h"
#include "platform/clock.h"
#include "platform/events.h"
#include "platform/gdi.h"
#include "platform/window.h"
#include "ui/card_window.h"
#include "ui/command_buttons.h"
#include "ui/labels.h"

namespace {

constexpr int kSurfaceWidth = 544;
constexpr int kSurfaceHeight = 436;

platform::FakeClock benchClock{1};

// Starts the program once, headless, with a player of many credits and the canonical deck.
bool EnsureProgram() {
  if (mainWindow != nullptr) return true;
  platform::SetClock(&benchClock);
  const auto dir = std::filesystem::temp_directory_path() / "quaxel_bench";
  std::filesystem::create_directories(dir);
  std::ofstream(dir / "Quaxel.ini")
      << "[Common Info]\nLastPlayer=1\n[Player 1]\nCredits=1000000\nLevel=0\nSound=0\n";
  ProgramOptions options;
  options.programPath = (dir / "quaxel").string();
  options.showSelectPlayer = false;
  if (StartProgram(options) != 0) return false;
  platform::RunUntilIdle();
  platform::FlushDisplay();
  return mainWindow != nullptr;
}

// The program is up for a benchmark; the benchmark is skipped with a reason when it is not.
bool Ready(benchmark::State& state) {
  if (EnsureProgram()) return true;
  state.SkipWithError("the program did not start");
  return false;
}

// Our queue, then the toolkit's: everything the step caused has reached the display.
void Settle() {
  platform::RunUntilIdle();
  platform::FlushDisplay();
}

void Command(int id) {
  platform::SendMessage(mainWindow, platform::WM_COMMAND, id, 0);
}

// Plays the first playable card until the game is over, then collects any win.
void PlayOneGame() {
  Command(kCmdOneBet);
  platform::AdvanceBy(1000);
  Command(kCmdDealDraw);
  platform::AdvanceBy(2000);
  for (int guard = 0; guard < 200; ++guard) {
    int playable = -1;
    for (int i = 0; i < kSelectButtons; ++i) {
      if (platform::IsWindowEnabled(selectButtons[i])) {
        playable = i;
        break;
      }
    }
    if (playable < 0) break;
    Command(kCmdCard0 + playable);
    platform::AdvanceBy(1000);
  }
  if (doubleMode != 0) Command(kCmdCollect);
  platform::AdvanceBy(2000);
}

// The yardstick: one copy of a main-window-sized picture with the toolkit's image blit.
void SurfaceCopy(benchmark::State& state) {
  platform::Dc* from = platform::CreateCompatibleDC(nullptr);
  platform::Dc* to = platform::CreateCompatibleDC(nullptr);
  platform::Bitmap* source = platform::CreateCompatibleBitmap(from, kSurfaceWidth, kSurfaceHeight);
  platform::Bitmap* target = platform::CreateCompatibleBitmap(to, kSurfaceWidth, kSurfaceHeight);
  platform::GdiObject* keptFrom = platform::SelectObject(from, source);
  platform::GdiObject* keptTo = platform::SelectObject(to, target);
  for (auto _ : state) {
    platform::BitBlt(to, 0, 0, kSurfaceWidth, kSurfaceHeight, from, 0, 0, platform::SRCCOPY);
    benchmark::ClobberMemory();
  }
  platform::SelectObject(from, keptFrom);
  platform::SelectObject(to, keptTo);
  platform::DeleteObject(source);
  platform::DeleteObject(target);
  platform::DeleteDC(from);
  platform::DeleteDC(to);
}
BENCHMARK(SurfaceCopy)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();

void PaintWholeScreen(benchmark::State& state, int mode) {
  if (!Ready(state)) return;
  const int before = doubleMode;
  doubleMode = mode;
  for (auto _ : state) {
    platform::InvalidateRect(mainWindow, nullptr, true);
    platform::UpdateWindow(mainWindow);
    platform::FlushDisplay();
  }
  doubleMode = before;
  platform::InvalidateRect(mainWindow, nullptr, true);
  Settle();
}

void MainScreenPaint(benchmark::State& state) {
  PaintWholeScreen(state, 0);
}
BENCHMARK(MainScreenPaint)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();

void DoubleScreenPaint(benchmark::State& state) {
  PaintWholeScreen(state, 1);
}
BENCHMARK(DoubleScreenPaint)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();

// One step of a flight: the card window moves 25 pixels and the table it uncovers is served from
// the snapshot.
void SlideStep(benchmark::State& state) {
  if (!Ready(state)) return;
  platform::Window* card = cardWindows[2];
  const platform::Rect home = slotRects[2];
  platform::Dc* dc = platform::GetDC(mainWindow);
  platform::Bitmap* snapshot =
      platform::CreateCompatibleBitmap(dc, slideRect.right, slideRect.bottom);
  platform::GdiObject* kept = platform::SelectObject(slideDC, snapshot);
  platform::BitBlt(slideDC, slideRect.left, slideRect.top, slideRect.Width(), slideRect.Height(),
                   dc, slideRect.left, slideRect.top, platform::SRCCOPY);
  platform::ReleaseDC(mainWindow, dc);
  slideInProgress = 1;
  int y = home.top;
  for (auto _ : state) {
    y = y <= slotRects[kPileWindow].top ? home.top : y - 25;
    platform::MoveWindow(card, home.left, y, kCardWidth, kCardHeight, true);
    Settle();
  }
  slideInProgress = 0;
  platform::SelectObject(slideDC, kept);
  platform::DeleteObject(snapshot);
  platform::MoveWindow(card, home.left, home.top, kCardWidth, kCardHeight, true);
  Settle();
}
BENCHMARK(SlideStep)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();

// A meter takes a new number: its box alone is painted and shown.
void LabelRefresh(benchmark::State& state) {
  if (!Ready(state)) return;
  int value = 0;
  for (auto _ : state) {
    creditsMeter.SetNumber(1000000 + (++value % 2), mainWindow);
    Settle();
  }
}
BENCHMARK(LabelRefresh)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();

// A card lands: its window goes from the pile back to its slot without a repaint, the screen
// keeping what it showed.
void CardArrival(benchmark::State& state) {
  if (!Ready(state)) return;
  platform::Window* card = cardWindows[2];
  const platform::Rect home = slotRects[2];
  const platform::Rect pile = slotRects[kPileWindow];
  bool atHome = true;
  for (auto _ : state) {
    const platform::Rect& to = atHome ? pile : home;
    platform::MoveWindow(card, to.left, to.top, kCardWidth, kCardHeight, false);
    atHome = !atHome;
    Settle();
  }
  platform::MoveWindow(card, home.left, home.top, kCardWidth, kCardHeight, true);
  Settle();
}
BENCHMARK(CardArrival)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();

void SimulatedGame(benchmark::State& state) {
  if (!Ready(state)) return;
  for (auto _ : state)
    PlayOneGame();
}
BENCHMARK(SimulatedGame)->Unit(benchmark::kMillisecond);

}  // namespace

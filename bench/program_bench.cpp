// The program's hot paths: a full paint of each screen, one step of a card's flight, and a whole
// game on the fake clock.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "app/main_window.h"
#include "app/program.h"
#include "core/game_state.h"
#include "core/messages.h"
#include "platform/clock.h"
#include "platform/dialog.h"
#include "platform/window.h"
#include "ui/card_window.h"

namespace {

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
  return mainWindow != nullptr;
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

void PaintWholeScreen(benchmark::State& state, int mode) {
  if (!EnsureProgram()) {
    state.SkipWithError("the program did not start");
    return;
  }
  const int before = doubleMode;
  doubleMode = mode;
  for (auto _ : state) {
    platform::InvalidateRect(mainWindow, nullptr, true);
    platform::UpdateWindow(mainWindow);
  }
  doubleMode = before;
  platform::InvalidateRect(mainWindow, nullptr, true);
  platform::RunUntilIdle();
}

void BM_PaintMainScreen(benchmark::State& state) {
  PaintWholeScreen(state, 0);
}
BENCHMARK(BM_PaintMainScreen)->Unit(benchmark::kMicrosecond);

void BM_PaintDoubleScreen(benchmark::State& state) {
  PaintWholeScreen(state, 1);
}
BENCHMARK(BM_PaintDoubleScreen)->Unit(benchmark::kMicrosecond);

// One step of a flight: the card window moves 25 pixels and the table it uncovers is served from
// the snapshot.
void BM_SlideStep(benchmark::State& state) {
  if (!EnsureProgram()) {
    state.SkipWithError("the program did not start");
    return;
  }
  platform::Window* card = cardWindows[2];
  const platform::Rect home = slotRects[2];
  platform::Dc* dc = platform::GetDC(mainWindow);
  platform::Bitmap* snapshot =
      platform::CreateCompatibleBitmap(dc, slideRect.Width(), slideRect.Height());
  platform::GdiObject* kept = platform::SelectObject(slideDC, snapshot);
  platform::BitBlt(slideDC, 0, 0, slideRect.Width(), slideRect.Height(), dc, 0, 0,
                   platform::SRCCOPY);
  platform::ReleaseDC(mainWindow, dc);
  slideInProgress = 1;
  int y = home.top;
  for (auto _ : state) {
    y = y <= slotRects[kPileWindow].top ? home.top : y - 25;
    platform::MoveWindow(card, home.left, y, kCardWidth, kCardHeight, true);
    platform::RunUntilIdle();
  }
  slideInProgress = 0;
  platform::SelectObject(slideDC, kept);
  platform::DeleteObject(snapshot);
  platform::MoveWindow(card, home.left, home.top, kCardWidth, kCardHeight, true);
  platform::RunUntilIdle();
}
BENCHMARK(BM_SlideStep)->Unit(benchmark::kMicrosecond);

void BM_SimulatedGame(benchmark::State& state) {
  if (!EnsureProgram()) {
    state.SkipWithError("the program did not start");
    return;
  }
  for (auto _ : state)
    PlayOneGame();
}
BENCHMARK(BM_SimulatedGame)->Unit(benchmark::kMillisecond);

}  // namespace

// The event model on the fake clock: queue order, one-shot timers, dispatch priority, waits; and
// on the steady clock in the toolkit's loop: timers on time, waits that sleep.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <fstream>

#include "platform/events.h"
#include "tests/support/window_fixture.h"

using namespace platform;

TEST_F(WindowTest, SentMessagesRunAtOncePostedInOrderThenPaintThenTimers) {
  Window* w = MakeTopLevel(50, 50);
  RunUntilIdle();
  delivered.clear();
  SetTimer(w, 5, 0);
  InvalidateRect(w, nullptr, false);
  PostMessage(w, WM_USER + 1, 10, 0);
  PostMessage(w, WM_USER + 2, 20, 0);
  EXPECT_EQ(SendMessage(w, WM_USER + 3, 30, 0), 0);
  ASSERT_EQ(delivered.size(), 1u);  // only the sent one so far
  RunUntilIdle();
  std::vector<unsigned> order;
  for (const Delivered& d : delivered)
    order.push_back(d.msg);
  EXPECT_EQ(order,
            (std::vector<unsigned>{WM_USER + 3, WM_USER + 1, WM_USER + 2, WM_PAINT, WM_TIMER}));
  EXPECT_EQ(delivered[2].wParam, 20u);
}

TEST_F(WindowTest, TimersFireOnceInDeadlineOrderRearmingReplacesAndDestroyingCancels) {
  Window* a = MakeTopLevel(20, 20);
  Window* b = MakeTopLevel(20, 20);
  Window* gone = MakeTopLevel(20, 20);
  std::vector<std::pair<Window*, unsigned>> fired;
  auto record = [&](Window* w, unsigned id) { fired.push_back({w, id}); };
  SetTimer(gone, 1, 10, record);
  PostMessage(gone, WM_USER, 0, 0);
  DestroyWindow(gone);
  EXPECT_FALSE(PostMessage(gone, WM_USER, 0, 0));
  RunUntilIdle();
  delivered.clear();

  SetTimer(a, 1, 300, record);
  SetTimer(b, 1, 100, record);  // same id, other window: a separate timer
  SetTimer(a, 2, 200);          // no callback: a WM_TIMER message
  SetTimer(a, 1, 50, record);   // replaces the 300 ms one
  SetTimer(b, 7, 100, record);  // same deadline as (b, 1), armed later
  SetTimer(b, 8, 10, record);
  EXPECT_TRUE(KillTimer(b, 8));

  AdvanceBy(49);
  EXPECT_TRUE(fired.empty());
  AdvanceBy(1000);
  EXPECT_EQ(fired, (std::vector<std::pair<Window*, unsigned>>{{a, 1}, {b, 1}, {b, 7}}));
  ASSERT_EQ(delivered.size(), 1u);
  EXPECT_EQ(std::tuple(delivered[0].msg, delivered[0].wParam, delivered[0].at),
            std::tuple(unsigned(WM_TIMER), 2u, 1200));  // at its own deadline
  EXPECT_EQ(NextTimerDelay(), -1);                      // all one-shot
}

TEST_F(WindowTest, BlockingWaitAdvancesTheFakeClockWithoutRunningTheQueue) {
  Window* w = MakeTopLevel(20, 20);
  RunUntilIdle();
  delivered.clear();
  int fired = 0;
  SetTimer(w, 1, 500, [&](Window*, unsigned) { ++fired; });
  PostMessage(w, WM_USER, 0, 0);
  Sleep(1000);
  EXPECT_EQ(std::tuple(clock.NowMs(), fired, delivered.size()), std::tuple(2000, 0, 0u));
  RunUntilIdle();  // the overdue timer and the message run afterwards
  EXPECT_EQ(std::tuple(fired, delivered.size()), std::tuple(1, 1u));
}

namespace {

// Times this thread has gone to sleep (given up the processor of its own accord).
long Sleeps() {
  std::ifstream status("/proc/thread-self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.starts_with("voluntary_ctxt_switches:")) return std::stol(line.substr(24));
  }
  return -1;
}

}  // namespace

TEST_F(WindowTest, OnTheSteadyClockTimersComeOnTimeAndWaitsSleepThrough) {
  SetClock(nullptr);
  using Steady = std::chrono::steady_clock;
  Window* w = MakeTopLevel(20, 20);
  RunUntilIdle();
  // A chain of 30 ms steps run by the loop: no step early, each from one wake-up. How late they
  // come depends on the machine's load; the end-to-end timing run measures it on the program.
  std::vector<Steady::time_point> at;
  std::vector<long> sleeps;
  std::function<void(Window*, unsigned)> step = [&](Window* win, unsigned id) {
    at.push_back(Steady::now());
    sleeps.push_back(Sleeps());
    if (at.size() < 8) {
      SetTimer(win, id, 30, step);
    } else {
      PostQuitMessage(0);
    }
  };
  SetTimer(w, 1, 30, step);
  RunMessageLoop();
  ASSERT_EQ(at.size(), 8u);
  for (std::size_t i = 1; i < at.size(); ++i) {
    EXPECT_GE(std::chrono::duration_cast<std::chrono::microseconds>(at[i] - at[i - 1]).count(),
              30000)
        << "step " << i;
    EXPECT_EQ(sleeps[i] - sleeps[i - 1], 1) << "step " << i;
  }

  // A blocking wait holds our queue and sleeps, from start to end, once.
  delivered.clear();
  PostMessage(w, WM_USER, 0, 0);
  SetTimer(w, 2, 10);
  const auto start = Steady::now();
  const long before = Sleeps();
  Sleep(100);
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(Steady::now() - start);
  EXPECT_LE(Sleeps() - before, 2);  // one sleep; the other is spare
  EXPECT_GE(ms.count(), 100);
  EXPECT_TRUE(delivered.empty());
  RunUntilIdle();
  EXPECT_EQ(delivered.size(), 2u);
}

TEST_F(WindowTest, QuitIsRecordedAndTakenByTheLoop) {
  PostQuitMessage(3);
  EXPECT_TRUE(QuitPosted());
  EXPECT_EQ(RunMessageLoop(), 3);
  EXPECT_FALSE(QuitPosted());
}

// The event model on the fake clock: queue order, one-shot timers, dispatch priority, waits.
#include <gtest/gtest.h>

#include "tests/support/window_fixture.h"

using namespace platform;

namespace {

std::vector<unsigned> Messages(const std::vector<Delivered>& delivered, unsigned from = WM_USER) {
  std::vector<unsigned> out;
  for (const Delivered& d : delivered) {
    if (d.msg >= from || d.msg == WM_TIMER || d.msg == WM_PAINT) out.push_back(d.msg);
  }
  return out;
}

}  // namespace

TEST_F(WindowTest, PostedMessagesArriveInOrderAndSentOnesAtOnce) {
  Window* w = MakeTopLevel(50, 50);
  RunUntilIdle();
  delivered.clear();
  PostMessage(w, WM_USER + 1, 10, 0);
  PostMessage(w, WM_USER + 2, 20, 0);
  EXPECT_EQ(SendMessage(w, WM_USER + 3, 30, 0), 0);
  ASSERT_EQ(delivered.size(), 1u);  // only the sent one so far
  EXPECT_EQ(delivered[0].msg, WM_USER + 3u);
  EXPECT_EQ(RunUntilIdle(), 2);
  EXPECT_EQ(Messages(delivered), (std::vector<unsigned>{WM_USER + 3, WM_USER + 1, WM_USER + 2}));
  EXPECT_EQ(delivered[2].wParam, 20u);
}

TEST_F(WindowTest, TimersFireOnceInDeadlineOrderAndRearmingReplaces) {
  Window* a = MakeTopLevel(20, 20);
  Window* b = MakeTopLevel(20, 20);
  RunUntilIdle();
  delivered.clear();
  std::vector<std::pair<Window*, unsigned>> fired;
  auto record = [&](Window* w, unsigned id) { fired.push_back({w, id}); };

  SetTimer(a, 1, 300, record);
  SetTimer(b, 1, 100, record);  // same id, other window: a separate timer
  SetTimer(a, 2, 200);          // no callback: a WM_TIMER message
  SetTimer(a, 1, 50, record);   // replaces the 300 ms one
  SetTimer(b, 7, 100, record);  // same deadline as (b, 1), armed later

  AdvanceBy(49);
  EXPECT_TRUE(fired.empty());
  AdvanceBy(1);
  ASSERT_EQ(fired.size(), 1u);
  AdvanceBy(1000);
  EXPECT_EQ(fired, (std::vector<std::pair<Window*, unsigned>>{{a, 1}, {b, 1}, {b, 7}}));
  ASSERT_EQ(delivered.size(), 1u);
  EXPECT_EQ(delivered[0].msg, static_cast<unsigned>(WM_TIMER));
  EXPECT_EQ(delivered[0].wParam, 2u);
  EXPECT_EQ(delivered[0].at, 1200);  // fired at its own deadline, not at the end of the advance
  EXPECT_EQ(NextTimerDelay(), -1);   // all one-shot
}

TEST_F(WindowTest, KilledAndDestroyedWindowsTimersNeverFire) {
  Window* a = MakeTopLevel(20, 20);
  Window* b = MakeTopLevel(20, 20);
  int fired = 0;
  SetTimer(a, 1, 10, [&](Window*, unsigned) { ++fired; });
  SetTimer(b, 1, 10, [&](Window*, unsigned) { ++fired; });
  PostMessage(b, WM_USER, 0, 0);
  EXPECT_TRUE(KillTimer(a, 1));
  EXPECT_FALSE(KillTimer(a, 1));
  DestroyWindow(b);
  AdvanceBy(100);
  EXPECT_EQ(fired, 0);
  EXPECT_FALSE(PostMessage(b, WM_USER, 0, 0));
}

TEST_F(WindowTest, DispatchOrderIsPostedThenPaintThenTimers) {
  Window* w = MakeTopLevel(20, 20);
  RunUntilIdle();
  delivered.clear();
  SetTimer(w, 5, 0);
  InvalidateRect(w, nullptr, false);
  PostMessage(w, WM_USER, 0, 0);
  RunUntilIdle();
  EXPECT_EQ(Messages(delivered), (std::vector<unsigned>{WM_USER, WM_PAINT, WM_TIMER}));
}

TEST_F(WindowTest, ChainedTimersArmedFromCallbacksKeepTheirSpacing) {
  Window* w = MakeTopLevel(20, 20);
  std::vector<std::int64_t> at;
  std::function<void(Window*, unsigned)> step = [&](Window* win, unsigned id) {
    KillTimer(win, id);
    at.push_back(clock.NowMs());
    if (at.size() < 4) SetTimer(win, id, 100, step);
  };
  SetTimer(w, 102, 0, step);
  AdvanceBy(1000);
  EXPECT_EQ(at, (std::vector<std::int64_t>{1000, 1100, 1200, 1300}));
}

TEST_F(WindowTest, BlockingWaitAdvancesTheFakeClockWithoutRunningTheQueue) {
  Window* w = MakeTopLevel(20, 20);
  RunUntilIdle();
  delivered.clear();
  int fired = 0;
  SetTimer(w, 1, 500, [&](Window*, unsigned) { ++fired; });
  PostMessage(w, WM_USER, 0, 0);
  const std::uint32_t before = GetTickCount();
  Sleep(1000);
  EXPECT_EQ(GetTickCount() - before, 1000u);
  EXPECT_EQ(fired, 0);
  EXPECT_TRUE(delivered.empty());
  RunUntilIdle();  // the overdue timer and the message run afterwards
  EXPECT_EQ(fired, 1);
  EXPECT_EQ(delivered.size(), 1u);
}

TEST_F(WindowTest, QuitIsRecordedAndTakenByTheLoop) {
  PostQuitMessage(3);
  EXPECT_TRUE(QuitPosted());
  EXPECT_EQ(RunMessageLoop(), 3);
  EXPECT_FALSE(QuitPosted());
}

// Our own message queue and one-shot timers, run by the host toolkit's loop in the program and by
// RunUntilIdle/AdvanceBy in tests.

#include <QApplication>
#include <algorithm>
#include <deque>
#include <limits>

#include "platform/clock.h"
#include "platform/events.h"
#include "platform/window_impl.h"

namespace platform {
namespace {

struct Posted {
  Window* window;
  unsigned msg;
  WParam wParam;
  LParam lParam;
};

struct Timer {
  Window* window;
  unsigned id;
  std::int64_t deadline;  // microseconds of the current clock
  std::uint64_t order;
  TimerProc callback;
};

struct Queue {
  std::deque<Posted> posted;
  std::vector<Timer> timers;
  std::uint64_t armed = 0;
  bool quit = false;
  int quitCode = 0;
  int held = 0;
  bool looping = false;  // inside RunMessageLoop
  // Runs the queue from the host loop: at once when something is posted or invalid, else when
  // the earliest timer falls due, and not at all when nothing waits.
  detail::Alarm* pump = nullptr;
  std::int64_t pumpAt = kIdle;  // what the pump is set for: kIdle, kAtOnce or a deadline
  static constexpr std::int64_t kIdle = std::numeric_limits<std::int64_t>::max();
  static constexpr std::int64_t kAtOnce = std::numeric_limits<std::int64_t>::min();
};

Queue& TheQueue() {
  static Queue queue;
  return queue;
}

std::vector<Timer>::iterator FindTimer(Window* window, unsigned id) {
  auto& timers = TheQueue().timers;
  return std::find_if(timers.begin(), timers.end(),
                      [&](const Timer& t) { return t.window == window && t.id == id; });
}

// The due timer with the earliest deadline, ties in arming order.
std::vector<Timer>::iterator DueTimer(std::int64_t now) {
  auto& timers = TheQueue().timers;
  auto best = timers.end();
  for (auto it = timers.begin(); it != timers.end(); ++it) {
    if (it->deadline > now) continue;
    if (best == timers.end() || it->deadline < best->deadline ||
        (it->deadline == best->deadline && it->order < best->order)) {
      best = it;
    }
  }
  return best;
}

// The deadline of the earliest timer, or Queue::kIdle.
std::int64_t EarliestDeadline() {
  std::int64_t earliest = Queue::kIdle;
  for (const Timer& t : TheQueue().timers)
    earliest = std::min(earliest, t.deadline);
  return earliest;
}

void RunPump() {
  Queue& q = TheQueue();
  q.pumpAt = Queue::kIdle;
  if (q.held > 0) return;
  RunUntilIdle();
  // Ending the toolkit's loops outside the program's loop would end the next one at its start.
  if (q.quit && q.looping) {
    QCoreApplication::exit(q.quitCode);
    return;
  }
  detail::QueueChanged();
}

}  // namespace

namespace detail {

void QueueChanged() {
  Queue& q = TheQueue();
  if (QCoreApplication::instance() == nullptr || q.held > 0) return;
  if (q.pump == nullptr) q.pump = new detail::Alarm(&RunPump);  // lives as long as the program
  std::int64_t at = Queue::kIdle;
  if (!q.posted.empty() || q.quit || NextWindowToPaint() != nullptr) {
    at = Queue::kAtOnce;
  } else if (CurrentClock().Runs()) {
    at = EarliestDeadline();
  }
  if (at == q.pumpAt) return;
  q.pumpAt = at;
  if (at == Queue::kIdle) {
    q.pump->Cancel();
  } else if (!q.pump->RingIn(at == Queue::kAtOnce ? 0 : at - CurrentClock().NowUs())) {
    q.pumpAt = Queue::kIdle;
  }
}

bool InMessageLoop() {
  return TheQueue().looping;
}

void HoldQueue(bool hold) {
  Queue& q = TheQueue();
  q.held += hold ? 1 : -1;
  if (q.held == 1 && hold && q.pump != nullptr) {  // no wake-up in the middle of the wait
    q.pump->Cancel();
    q.pumpAt = Queue::kIdle;
  }
  if (q.held == 0) QueueChanged();
}

void ForgetWindow(Window* window) {
  Queue& q = TheQueue();
  std::erase_if(q.posted, [&](const Posted& p) { return p.window == window; });
  std::erase_if(q.timers, [&](const Timer& t) { return t.window == window; });
  QueueChanged();
}

}  // namespace detail

bool PostMessage(Window* window, unsigned msg, WParam wParam, LParam lParam) {
  if (window != nullptr && !IsWindow(window)) return false;
  TheQueue().posted.push_back({window, msg, wParam, lParam});
  detail::QueueChanged();
  return true;
}

LResult SendMessage(Window* window, unsigned msg, WParam wParam, LParam lParam) {
  if (!IsWindow(window) || !window->windowClass || !window->windowClass->proc) return 0;
  // The handler may replace its own class record; keep the callable alive for the call.
  const auto windowClass = window->windowClass;
  return windowClass->proc(window, msg, wParam, lParam);
}

void PostQuitMessage(int exitCode) {
  Queue& q = TheQueue();
  q.quit = true;
  q.quitCode = exitCode;
  detail::QueueChanged();
}

bool QuitPosted() {
  return TheQueue().quit;
}

bool SetTimer(Window* window, unsigned id, unsigned delayMs, TimerProc callback) {
  if (window != nullptr && !IsWindow(window)) return false;
  Queue& q = TheQueue();
  const std::int64_t deadline = CurrentClock().NowUs() + std::int64_t{delayMs} * 1000;
  auto it = FindTimer(window, id);
  if (it != q.timers.end()) q.timers.erase(it);
  q.timers.push_back({window, id, deadline, q.armed++, std::move(callback)});
  detail::QueueChanged();
  return true;
}

bool KillTimer(Window* window, unsigned id) {
  auto it = FindTimer(window, id);
  if (it == TheQueue().timers.end()) return false;
  TheQueue().timers.erase(it);
  detail::QueueChanged();
  return true;
}

std::int64_t NextTimerDelay() {
  const std::int64_t earliest = EarliestDeadline();
  if (earliest == Queue::kIdle) return -1;
  const std::int64_t us = earliest - CurrentClock().NowUs();
  return us > 0 ? (us + 999) / 1000 : 0;
}

bool DispatchOne() {
  Queue& q = TheQueue();
  if (!q.posted.empty()) {
    const Posted p = q.posted.front();
    q.posted.pop_front();
    if (p.window != nullptr) SendMessage(p.window, p.msg, p.wParam, p.lParam);
    return true;
  }
  if (Window* window = detail::NextWindowToPaint()) {
    SendMessage(window, WM_PAINT, 0, 0);
    // A handler that never validates would be painted for ever.
    if (IsWindow(window)) ValidateRect(window, nullptr);
    return true;
  }
  auto due = DueTimer(CurrentClock().NowUs());
  if (due != q.timers.end()) {
    Timer timer = std::move(*due);
    q.timers.erase(due);
    if (timer.callback) {
      timer.callback(timer.window, timer.id);
    } else if (timer.window != nullptr) {
      SendMessage(timer.window, WM_TIMER, timer.id, 0);
    }
    return true;
  }
  return false;
}

int RunUntilIdle() {
  int count = 0;
  while (DispatchOne())
    ++count;
  return count;
}

void AdvanceBy(std::int64_t ms) {
  Clock& clock = CurrentClock();
  if (clock.Runs()) {
    Sleep(ms);
    RunUntilIdle();
    return;
  }
  // A clock that stands still moves only by its waits: timer by timer up to the target.
  const std::int64_t target = clock.NowMs() + std::max<std::int64_t>(ms, 0);
  RunUntilIdle();
  for (;;) {
    const std::int64_t delay = NextTimerDelay();
    if (delay < 0 || clock.NowMs() + delay > target) break;
    clock.Wait(delay);
    RunUntilIdle();
  }
  clock.Wait(target - clock.NowMs());
  RunUntilIdle();
}

void FlushDisplay() {
  QCoreApplication::sendPostedEvents();
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

int RunMessageLoop() {
  Queue& q = TheQueue();
  if (!q.quit) {
    q.looping = true;
    detail::WatchSessionEnd(true);
    detail::QueueChanged();
    QApplication::exec();
    detail::WatchSessionEnd(false);
    q.looping = false;
  }
  q.quit = false;  // the quit message is taken off the queue
  return q.quitCode;
}

}  // namespace platform

#include "platform/clock.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <chrono>
#include <thread>

#include "platform/window_impl.h"

namespace platform {
namespace {

SteadyClock& DefaultClock() {
  static SteadyClock clock;
  return clock;
}

Clock* current = nullptr;

}  // namespace

std::int64_t SteadyClock::NowMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void SteadyClock::Wait(std::int64_t ms) {
  if (ms <= 0) return;
  // Hold our queue and the user's input, but let the window system repaint exposed areas.
  detail::HoldQueue(true);
  QElapsedTimer elapsed;
  elapsed.start();
  while (elapsed.elapsed() < ms) {
    if (QCoreApplication::instance() != nullptr) {
      QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    const std::int64_t left = ms - elapsed.elapsed();
    if (left > 0)
      std::this_thread::sleep_for(std::chrono::milliseconds(std::min<std::int64_t>(left, 5)));
  }
  detail::HoldQueue(false);
}

Clock& CurrentClock() {
  return current != nullptr ? *current : DefaultClock();
}

void SetClock(Clock* clock) {
  current = clock;
  detail::QueueChanged();
}

std::uint32_t GetTickCount() {
  return static_cast<std::uint32_t>(CurrentClock().NowMs());
}

void Sleep(std::int64_t ms) {
  CurrentClock().Wait(ms);
}

}  // namespace platform

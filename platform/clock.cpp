#include "platform/clock.h"

#include <sys/timerfd.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QPointer>
#include <QSocketNotifier>
#include <QTimer>
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
  return NowUs() / 1000;
}

std::int64_t SteadyClock::NowUs() {
  using namespace std::chrono;
  return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

void SteadyClock::Wait(std::int64_t ms) {
  if (ms <= 0) return;
  const std::int64_t end = NowUs() + ms * 1000;
  // Hold our queue and the user's input, but let the window system repaint exposed areas; sleep
  // in the toolkit's loop until the end, which an alarm marks.
  detail::HoldQueue(true);
  bool over = false;
  detail::Alarm alarm([&over] { over = true; });
  if (alarm.RingIn(end - NowUs())) {
    while (!over) {
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents |
                                      QEventLoop::ExcludeUserInputEvents);
    }
  } else {
    std::this_thread::sleep_for(std::chrono::microseconds(end - NowUs()));
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

namespace detail {

// A timer of the kernel, read by the toolkit's loop like a socket; "at once" is the loop's own
// zero timer, which costs no call into the kernel.
struct Alarm::Impl {
  std::function<void()> ring;
  int fd = -1;
  bool fdArmed = false;
  QPointer<QSocketNotifier> notifier;  // the toolkit's; they go with the application
  QPointer<QTimer> soon;

  void Disarm() {
    if (soon != nullptr) soon->stop();
    if (!fdArmed) return;
    const itimerspec off{};
    ::timerfd_settime(fd, 0, &off, nullptr);
    fdArmed = false;
  }
};

Alarm::Alarm(std::function<void()> ring) : impl_(std::make_unique<Impl>()) {
  impl_->ring = std::move(ring);
}

Alarm::~Alarm() {
  delete impl_->notifier.data();
  delete impl_->soon.data();
  if (impl_->fd >= 0) ::close(impl_->fd);
}

bool Alarm::RingIn(std::int64_t us) {
  Impl& a = *impl_;
  if (QCoreApplication::instance() == nullptr) return false;
  a.Disarm();
  if (us <= 0) {
    if (a.soon == nullptr) {
      a.soon = new QTimer(QCoreApplication::instance());
      a.soon->setSingleShot(true);
      QObject::connect(a.soon, &QTimer::timeout, [&a] { a.ring(); });
    }
    a.soon->start(0);
    return true;
  }
  if (a.fd < 0) a.fd = ::timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
  if (a.fd < 0) return false;
  if (a.notifier == nullptr) {
    a.notifier = new QSocketNotifier(a.fd, QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(a.notifier, &QSocketNotifier::activated, [&a] {
      std::uint64_t expirations = 0;
      // Nothing to read when the alarm was set again or cancelled since it went off.
      if (::read(a.fd, &expirations, sizeof expirations) != sizeof expirations) return;
      a.fdArmed = false;
      a.ring();
    });
  }
  const std::int64_t ns = std::max<std::int64_t>(us * 1000, 1);  // zero would disarm it
  itimerspec when{};
  when.it_value.tv_sec = static_cast<time_t>(ns / 1'000'000'000);
  when.it_value.tv_nsec = static_cast<long>(ns % 1'000'000'000);
  a.fdArmed = ::timerfd_settime(a.fd, 0, &when, nullptr) == 0;
  return a.fdArmed;
}

void Alarm::Cancel() {
  impl_->Disarm();
}

}  // namespace detail
}  // namespace platform

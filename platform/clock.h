#pragma once
// Time source of the layer. The program runs on the steady clock; tests install a FakeClock and
// move time themselves, so every timer, tick count and blocking wait is deterministic.

#include <cstdint>
#include <functional>
#include <memory>

namespace platform {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual std::int64_t NowMs() = 0;
  // The same time in microseconds; timers fall due on it, so that a step armed for 30 ms comes
  // 30 ms later and not up to a millisecond early.
  virtual std::int64_t NowUs() { return NowMs() * 1000; }
  // Blocks for ms milliseconds. The real clock keeps repainting meanwhile; the fake clock just
  // moves its time forward.
  virtual void Wait(std::int64_t ms) = 0;
  // Whether time passes by itself, so that the host loop should wake when a timer falls due.
  virtual bool Runs() const { return true; }
};

class SteadyClock : public Clock {
 public:
  std::int64_t NowMs() override;
  std::int64_t NowUs() override;
  void Wait(std::int64_t ms) override;
};

class FakeClock : public Clock {
 public:
  explicit FakeClock(std::int64_t start = 0) : now_(start) {}
  std::int64_t NowMs() override { return now_; }
  void Wait(std::int64_t ms) override {
    if (ms > 0) now_ += ms;
  }
  void Set(std::int64_t ms) { now_ = ms; }
  bool Runs() const override { return false; }  // it stands still until a test moves it

 private:
  std::int64_t now_;
};

// The clock in force; a SteadyClock until SetClock is called. The layer does not own the clock.
Clock& CurrentClock();
void SetClock(Clock* clock);  // nullptr goes back to the steady clock

// Milliseconds of the current clock, wrapped to 32 bits like a system tick count.
std::uint32_t GetTickCount();
// A blocking wait: our queue and user input are held, the screen keeps repainting.
void Sleep(std::int64_t ms);

namespace detail {

// One wake-up of the host loop, to the microsecond: `ring` runs from the loop once the time set
// has passed. The toolkit's own timers count whole milliseconds and may come a millisecond or two
// late.
class Alarm {
 public:
  explicit Alarm(std::function<void()> ring);
  ~Alarm();
  Alarm(const Alarm&) = delete;
  Alarm& operator=(const Alarm&) = delete;
  // Rings `us` microseconds from now (at the loop's next turn when not positive), instead of at
  // the time set before; false when it cannot ring (no toolkit running).
  bool RingIn(std::int64_t us);
  void Cancel();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace detail
}  // namespace platform

// Waves played on the real (silent) audio device.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "platform/clock.h"
#include "platform/sound.h"

using namespace platform;

namespace {

// Threads of this process that run an audio device: each wakes for every buffer, paused or not.
int AudioThreads() {
  int count = 0;
  for (const auto& task : std::filesystem::directory_iterator("/proc/self/task")) {
    std::string name;
    std::getline(std::ifstream(task.path() / "comm"), name);
    if (name.starts_with("SDLAudio")) ++count;
  }
  return count;
}

// The audio threads once there are `want` of them, or after 200 ms: a new thread names itself
// a moment after it starts.
int AudioThreadsSoon(int want) {
  for (int tries = 0; tries < 200 && AudioThreads() != want; ++tries)
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  return AudioThreads();
}

}  // namespace

TEST(SoundTest, ASoundPlayedToTheEndWaitsItsLengthAndTheDeviceRunsOnlyWhileOnePlays) {
  constexpr unsigned kAsync = SND_ASYNC | SND_NODEFAULT | SND_MEMORY;
  constexpr unsigned kToTheEnd = SND_NODEFAULT | SND_MEMORY;
  ASSERT_EQ(WaveResourceLength(991), 100);
  EXPECT_EQ(AudioThreads(), 0);

  // On a clock that only the waits move: playing on takes no time, playing to the end its length.
  FakeClock clock(0);
  SetClock(&clock);
  ASSERT_TRUE(PlayWaveResource(991, kAsync));
  EXPECT_EQ(clock.NowMs(), 0);
  EXPECT_EQ(AudioThreadsSoon(1), 1);
  ASSERT_TRUE(PlayWaveResource(991, kToTheEnd));
  EXPECT_EQ(clock.NowMs(), 100);
  SetClock(nullptr);
  Sleep(1000);  // the toolkit runs meanwhile: the sound ends and the device closes
  EXPECT_EQ(AudioThreadsSoon(0), 0);

  const auto start = std::chrono::steady_clock::now();
  ASSERT_TRUE(PlayWaveResource(991, kToTheEnd));
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(100));
  EXPECT_EQ(AudioThreadsSoon(1), 1);  // open again, and still draining
  Sleep(1000);
  EXPECT_EQ(AudioThreadsSoon(0), 0);
}

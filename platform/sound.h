#pragma once
// Waveform sounds embedded in the program, played on one audio device: a new sound cuts off the
// one playing; a sound played to its end blocks (a blocking wait) for its length. The device is
// open only while sounds play, so an idle program does not wake.

#include <cstdint>
#include <functional>

namespace platform {

// Play flags.
inline constexpr unsigned SND_ASYNC = 0x1;
inline constexpr unsigned SND_NODEFAULT = 0x2;
inline constexpr unsigned SND_MEMORY = 0x4;

// Plays the wave resource with this number. Without an audio device, or with a wave that cannot be
// read, nothing plays and nothing waits. Returns whether the sound started.
bool PlayWaveResource(int resourceId, unsigned flags);
// Length in milliseconds of an embedded wave, or -1 when there is none or it cannot be read.
std::int64_t WaveResourceLength(int resourceId);

struct WaveFormat {
  int formatTag = 0;
  int channels = 0;
  int sampleRate = 0;
  int bitsPerSample = 0;
  std::int64_t frames = 0;
};
// The format of an embedded wave as its header states it; false when it cannot be read.
bool ReadWaveResourceFormat(int resourceId, WaveFormat* format);

// Test seam: when set, every request goes to the sink instead of the device. A request to play to
// the end still waits for the wave's length on the current clock.
using SoundSink = std::function<void(int resourceId, unsigned flags)>;
void SetSoundSink(SoundSink sink);

}  // namespace platform

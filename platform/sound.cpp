#include "platform/sound.h"

#include <SDL.h>
#include <QFile>
#include <cstring>
#include <map>
#include <vector>

#include "platform/clock.h"

namespace platform {
namespace {

SoundSink sink;

// How long the device stays open after the last sound has drained, so that the sounds of one
// chain of steps share it: closing waits for the device's thread (about 0.1 s).
constexpr std::int64_t kLingerMs = 500;

// The device is open only while something plays. An open device, paused or not, has a thread
// that wakes for every buffer, so a drained one is closed rather than paused.
struct Device {
  bool tried = false;
  bool audio = false;  // the audio subsystem started
  SDL_AudioDeviceID id = 0;
  SDL_AudioSpec spec{};
  detail::Alarm* drained = nullptr;  // looks at the queue when the sound should have ended
};

void CloseWhenDrained();

Device& TheDevice() {
  static Device device;
  return device;
}

// The open device, opened now if need be; nullptr when there is none.
Device* OpenDevice() {
  Device& device = TheDevice();
  if (!device.tried) {
    device.tried = true;
    device.audio = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
  }
  if (device.id == 0 && device.audio) {
    SDL_AudioSpec want{};
    want.freq = 22050;
    want.format = AUDIO_S16SYS;
    want.channels = 1;
    want.samples = 1024;
    device.id =
        SDL_OpenAudioDevice(nullptr, 0, &want, &device.spec, SDL_AUDIO_ALLOW_FREQUENCY_CHANGE);
    if (device.id != 0) SDL_PauseAudioDevice(device.id, 0);
  }
  if (device.id == 0) return nullptr;
  if (device.drained == nullptr) device.drained = new detail::Alarm(&CloseWhenDrained);
  return &device;
}

// Milliseconds of audio still queued on the device.
std::int64_t QueuedMs(const Device& device) {
  const int frameBytes = SDL_AUDIO_BITSIZE(device.spec.format) / 8 * device.spec.channels;
  if (frameBytes <= 0 || device.spec.freq <= 0) return 0;
  const std::int64_t frames = SDL_GetQueuedAudioSize(device.id) / frameBytes;
  return (frames * 1000 + device.spec.freq - 1) / device.spec.freq;
}

// Closes the device once nothing is queued; otherwise looks again when it should have drained.
// Without a running toolkit the device just stays open.
void CloseWhenDrained() {
  Device& device = TheDevice();
  if (device.id == 0) return;
  const std::int64_t left = QueuedMs(device);
  if (left > 0) {
    device.drained->RingIn((left + kLingerMs) * 1000);
    return;
  }
  SDL_CloseAudioDevice(device.id);
  device.id = 0;
}

QByteArray WaveBytes(int resourceId) {
  QFile file(QString(":/waves/%1.wav").arg(resourceId));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

// Parses the RIFF header only; enough to know the format and length without a device.
bool ParseWave(const QByteArray& bytes, WaveFormat* format) {
  auto u16 = [&](qsizetype at) {
    return static_cast<int>(static_cast<unsigned char>(bytes[at]) |
                            (static_cast<unsigned char>(bytes[at + 1]) << 8));
  };
  auto u32 = [&](qsizetype at) {
    return static_cast<std::uint32_t>(u16(at)) | (static_cast<std::uint32_t>(u16(at + 2)) << 16);
  };
  if (bytes.size() < 12 || std::memcmp(bytes.constData(), "RIFF", 4) != 0 ||
      std::memcmp(bytes.constData() + 8, "WAVE", 4) != 0) {
    return false;
  }
  bool haveFormat = false;
  for (qsizetype at = 12; at + 8 <= bytes.size();) {
    const std::uint32_t size = u32(at + 4);
    const qsizetype body = at + 8;
    if (std::memcmp(bytes.constData() + at, "fmt ", 4) == 0 && size >= 16 &&
        body + 16 <= bytes.size()) {
      format->formatTag = u16(body);
      format->channels = u16(body + 2);
      format->sampleRate = static_cast<int>(u32(body + 4));
      format->bitsPerSample = u16(body + 14);
      haveFormat = true;
    } else if (std::memcmp(bytes.constData() + at, "data", 4) == 0 && haveFormat) {
      const int frameBytes = format->channels * format->bitsPerSample / 8;
      const std::int64_t available = std::min<std::int64_t>(size, bytes.size() - body);
      format->frames = frameBytes > 0 ? available / frameBytes : 0;
      return format->sampleRate > 0;
    }
    at = body + size + (size & 1);
  }
  return false;
}

std::int64_t LengthMs(const WaveFormat& format) {
  return format.sampleRate > 0 ? format.frames * 1000 / format.sampleRate : -1;
}

// Starts the wave on the device, cutting off whatever plays; false when it cannot.
bool Start(const QByteArray& bytes) {
  Device* open = OpenDevice();
  if (open == nullptr) return false;
  Device& device = *open;
  // Whatever happens below, the device is closed once it has nothing left to play.
  device.drained->RingIn(kLingerMs * 1000);
  SDL_AudioSpec spec{};
  Uint8* buffer = nullptr;
  Uint32 length = 0;
  SDL_RWops* rw = SDL_RWFromConstMem(bytes.constData(), static_cast<int>(bytes.size()));
  if (rw == nullptr || SDL_LoadWAV_RW(rw, 1, &spec, &buffer, &length) == nullptr) return false;
  SDL_AudioCVT cvt;
  const int build = SDL_BuildAudioCVT(&cvt, spec.format, spec.channels, spec.freq,
                                      device.spec.format, device.spec.channels, device.spec.freq);
  bool ok = build >= 0;
  std::vector<Uint8> converted;
  if (ok) {
    converted.resize(static_cast<std::size_t>(length) * std::max(cvt.len_mult, 1));
    std::memcpy(converted.data(), buffer, length);
    cvt.buf = converted.data();
    cvt.len = static_cast<int>(length);
    ok = build == 0 || SDL_ConvertAudio(&cvt) == 0;
  }
  SDL_FreeWAV(buffer);
  if (!ok) return false;
  const Uint32 bytesOut = build == 0 ? length : static_cast<Uint32>(cvt.len_cvt);
  SDL_ClearQueuedAudio(device.id);
  if (SDL_QueueAudio(device.id, converted.data(), bytesOut) != 0) return false;
  device.drained->RingIn((QueuedMs(device) + kLingerMs) * 1000);
  return true;
}

}  // namespace

bool ReadWaveResourceFormat(int resourceId, WaveFormat* format) {
  WaveFormat parsed;
  if (!ParseWave(WaveBytes(resourceId), &parsed)) return false;
  if (format != nullptr) *format = parsed;
  return true;
}

std::int64_t WaveResourceLength(int resourceId) {
  WaveFormat format;
  return ReadWaveResourceFormat(resourceId, &format) ? LengthMs(format) : -1;
}

bool PlayWaveResource(int resourceId, unsigned flags) {
  const QByteArray bytes = WaveBytes(resourceId);
  WaveFormat format;
  if (!ParseWave(bytes, &format)) return false;
  bool started = true;
  if (sink) {
    sink(resourceId, flags);
  } else {
    started = Start(bytes);
  }
  if (started && (flags & SND_ASYNC) == 0) Sleep(LengthMs(format));
  return started;
}

void SetSoundSink(SoundSink newSink) {
  sink = std::move(newSink);
}

}  // namespace platform

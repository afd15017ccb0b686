#include "core/flow/sound.h"

#include "core/messages.h"
#include "core/sounds.h"
#include "platform/events.h"
#include "platform/sound.h"
#include "settings/players.h"

// The play modes are the window system's flags: from memory, no default sound, and for no wait,
// asynchronous.
static_assert(kPlayToEnd == (platform::SND_NODEFAULT | platform::SND_MEMORY));
static_assert(kPlayNoWait == (kPlayToEnd | platform::SND_ASYNC));

void PlaySoundResource(int soundId, unsigned playFlags, int soundOption) {
  if (soundOption != 1) return;
  platform::PlayWaveResource(soundId, playFlags);
}

void PostSound(platform::Window* mainWindow, int soundId, unsigned playFlags) {
  platform::PostMessage(mainWindow, MSG_PLAY_SOUND, EncodeSoundRequest(soundId, playFlags), 0);
}

void SendSound(platform::Window* mainWindow, int soundId, unsigned playFlags) {
  platform::SendMessage(mainWindow, MSG_PLAY_SOUND, EncodeSoundRequest(soundId, playFlags), 0);
}

void PlayRequestedSound(platform::WParam wParam) {
  const SoundRequest request = DecodeSoundRequest(wParam);
  PlaySoundResource(request.id, request.flags, currentPlayer.sound);
}

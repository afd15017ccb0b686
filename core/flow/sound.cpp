#include "core/flow/sound.h"

#include "core/messages.h"
#include "platform/sound.h"
#include "settings/players.h"

void PlaySoundResource(int soundId, unsigned playFlags, int soundOption) {
  if (soundOption != 1) return;
  platform::PlayWaveResource(soundId, playFlags);
}

void PostSound(platform::Window* mainWindow, int soundId, unsigned playFlags) {
  platform::PostMessage(mainWindow, MSG_PLAY_SOUND,
                        static_cast<platform::WParam>(soundId + 256 * playFlags), 0);
}

void SendSound(platform::Window* mainWindow, int soundId, unsigned playFlags) {
  platform::SendMessage(mainWindow, MSG_PLAY_SOUND,
                        static_cast<platform::WParam>(soundId + 256 * playFlags), 0);
}

void PlayRequestedSound(platform::WParam wParam) {
  PlaySoundResource(static_cast<int>(wParam & 0xFF), static_cast<unsigned>((wParam >> 8) & 0xFF),
                    currentPlayer.sound);
}

#pragma once
// Sounds of the game: played directly, or requested from the main window with MSG_PLAY_SOUND.

#include "platform/window.h"

// Plays sound id with the play flags when the Sound option is exactly 1.
void PlaySoundResource(int soundId, unsigned playFlags, int soundOption);
// MSG_PLAY_SOUND with the request in its wParam, posted (played when the loop reaches it) or sent.
void PostSound(platform::Window* mainWindow, int soundId, unsigned playFlags);
void SendSound(platform::Window* mainWindow, int soundId, unsigned playFlags);
// The handler of MSG_PLAY_SOUND.
void PlayRequestedSound(platform::WParam wParam);

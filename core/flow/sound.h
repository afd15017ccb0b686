#pragma once
// Sounds of the game: played directly, or requested from the main window with MSG_PLAY_SOUND.

#include "platform/window.h"

// Plays sound id with the play flags when the Sound option is exactly 1: the sounds that must be
// heard before the program goes on (a hit, the win, a card shown).
void PlaySoundResource(int soundId, unsigned playFlags, int soundOption);
// MSG_PLAY_SOUND with the request in its wParam to the main window: posted for sounds that go with
// what happens next (the deal, a card, the offer), sent for those that end a step (the paid
// coins, a double-up turn's outcome). Posted (played when the loop reaches it) or sent.
void PostSound(platform::Window* mainWindow, int soundId, unsigned playFlags);
void SendSound(platform::Window* mainWindow, int soundId, unsigned playFlags);
// The handler of MSG_PLAY_SOUND.
void PlayRequestedSound(platform::WParam wParam);

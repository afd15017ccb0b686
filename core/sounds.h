#pragma once
// The game's sounds: the numbers of the embedded waves, and how a request plays them.

#include <cstdint>

// Sounds: the numbers of the embedded waves.
inline constexpr int kSoundSilence = 100;  // one sample; nothing plays it
inline constexpr int kSoundFlush = 107;
inline constexpr int kSoundFullHouse = 108;
inline constexpr int kSoundFourOfAKind = 109;
inline constexpr int kSoundStraightFlush = 110;
inline constexpr int kSoundRoyalFlush = 112;
inline constexpr int kSoundTurnToBack = 121;
inline constexpr int kSoundDeal = 122;
inline constexpr int kSoundCard = 123;
inline constexpr int kSoundTenthCard = 124;
inline constexpr int kSoundWin = 125;
inline constexpr int kSoundOffer = 126;
inline constexpr int kSoundPick = 127;
inline constexpr int kSoundPush = 128;
inline constexpr int kSoundCongratulations = 129;
inline constexpr int kSoundPaid = 130;

// Play flags: 6 plays to the end, 7 without waiting.
inline constexpr unsigned kPlayToEnd = 6;
inline constexpr unsigned kPlayNoWait = 7;

// A request to play a sound, as MSG_PLAY_SOUND carries it in its wParam: the wave's number in the
// low byte, the play flags in the next.
struct SoundRequest {
  int id;
  unsigned flags;
};
inline constexpr std::uintptr_t EncodeSoundRequest(int id, unsigned flags) {
  return static_cast<std::uintptr_t>(id) + 256 * std::uintptr_t{flags};
}
inline constexpr SoundRequest DecodeSoundRequest(std::uintptr_t wParam) {
  return {static_cast<int>(wParam & 0xFF), static_cast<unsigned>((wParam >> 8) & 0xFF)};
}

#pragma once
// The program's private messages to the main window and its command ids.

#include <cstdint>

// The window system's first private message number is 1024.
inline constexpr unsigned MSG_FLIP_BACK_DONE = 1025;
inline constexpr unsigned MSG_CARD_ARRIVED = 1026;   // wParam = hand card window index
inline constexpr unsigned MSG_PLAY_SOUND = 1027;     // wParam: EncodeSoundRequest (core/sounds.h)
inline constexpr unsigned MSG_PLAYER_CHOSEN = 1028;  // lParam = address of the SettingsBlock

// Commands: 100 + i is hand card i (its SELECT button or the card window itself).
inline constexpr int kCmdCard0 = 100;
inline constexpr int kCmdQuit = 110;
inline constexpr int kCmdCollect = 111;
inline constexpr int kCmdHalfDouble = 112;
inline constexpr int kCmdOneBet = 114;
inline constexpr int kCmdRepeatBet = 115;
inline constexpr int kCmdDealDraw = 116;
inline constexpr int kCmdSelectUser = 120;
inline constexpr int kCmdSound = 121;
inline constexpr int kCmdShuffle0 = 130;  // 130..135
inline constexpr int kCmdHint = 140;
inline constexpr int kCmdJoker0 = 150;  // 150..152
inline constexpr int kCmdBackColor = 160;
inline constexpr int kCmdSavePosition = 161;
inline constexpr int kCmdAbout = 170;

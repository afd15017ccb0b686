#pragma once
// The settings file Quaxel.ini with the three player records, the common keys, and the player in
// play whose option fields are the program's live options.

#include <cstdint>
#include <string>

#include "platform/types.h"
#include "platform/window.h"

inline constexpr std::int32_t DEFAULT_POSITION = platform::kDefaultPosition;
inline constexpr std::int32_t kNewPlayerCredits = 60;
inline constexpr int kPlayerCount = 3;
inline constexpr std::size_t kUserNameSize = 64;  // with the terminating NUL

struct PlayerRecord {
  char userName[kUserNameSize];
  std::int32_t credits;
  std::int32_t sound;
  std::int32_t level;
  std::int32_t hint;
  std::int32_t jokerNum;
  platform::Color color;
};

struct SettingsBlock {
  std::int32_t lastPlayer;  // 1..3, or 0 for none
  std::int32_t xPos;
  std::int32_t yPos;
  PlayerRecord players[kPlayerCount];  // element n - 1 holds player n
};

static_assert(sizeof(SettingsBlock) == 69 * 4);

extern SettingsBlock settingsBlock;
extern PlayerRecord currentPlayer;
extern std::int32_t currentPlayerIndex;
extern std::int32_t windowX;
extern std::int32_t windowY;
extern std::int32_t savePosition;

// Copies the section and key names of entry 0..9 and returns 1; 0 for any other index. Entries
// 3..9 name "Player", to which the caller appends the player number.
int GetSettingKey(int index, std::string& section, std::string& key);

// The file every load and save uses; empty (the start) means no file: loading gives the defaults
// and saving writes nothing.
void SetSettingsPath(const std::string& path);
// Beside the program when argv0 has a directory part the user may write in, else in the desktop's
// configuration folder.
std::string SettingsPathForProgram(const std::string& argv0);

// Reads the file (once) into the block; the caller zeroes the block first. A file that exists but
// cannot be read gives the defaults, is never written, and is reported on standard error.
// Returns 1.
int LoadSettingsFile(SettingsBlock& block);
// Sets the common keys and the section of currentPlayerIndex in the file as read, then replaces the
// file in one step (nothing without a player in play). 1 when the file was written.
int SavePlayerToFile(PlayerRecord record);
// Whether the file (as read, and as saved since) holds credits for player 1..3.
bool HasStoredCredits(int player);
// Puts the block's lastPlayer in play, taking the record from settingsBlock.
int SelectPlayerFromBlock(SettingsBlock block);
// Brings the block up to date from the player in play, the credit meter and the window position.
int CaptureCurrentPlayer(platform::Window* mainWindow, SettingsBlock& block);

// The name as text, and the name stored from text: at most 63 bytes, never cutting a character.
std::string UserNameOf(const PlayerRecord& record);
void StoreUserName(PlayerRecord& record, const std::string& name);

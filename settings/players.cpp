#include "settings/players.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "core/game_state.h"
#include "platform/profile.h"

SettingsBlock settingsBlock;
PlayerRecord currentPlayer;
std::int32_t currentPlayerIndex = 0;
std::int32_t windowX = 0;
std::int32_t windowY = 0;
std::int32_t savePosition = 0;

namespace {

struct SettingKey {
  const char* section;
  const char* key;
};

constexpr SettingKey kSettingKeys[] = {
    {"Common Info", "LastPlayer"}, {"Common Info", "Xpos"}, {"Common Info", "Ypos"},
    {"Player", "User Name"},       {"Player", "Credits"},   {"Player", "Sound"},
    {"Player", "Level"},           {"Player", "Hint"},      {"Player", "Joker Num"},
    {"Player", "Color"},
};
constexpr int kSettingKeyCount = sizeof kSettingKeys / sizeof kSettingKeys[0];
static_assert(kSettingKeyCount == 10);

enum SettingIndex {
  kLastPlayer,
  kXpos,
  kYpos,
  kUserName,
  kCredits,
  kSound,
  kLevel,
  kHint,
  kJokerNum,
  kColor,
};

constexpr const char* kFileName = "Quaxel.ini";
constexpr const char* kDefaultName = "No Name";
constexpr std::size_t kNumberTextSize = 64;
// Wider than a name, so that a character straddling the cut is seen and left out whole.
constexpr std::size_t kNameTextSize = 4 * kUserNameSize;

constexpr std::int32_t kDefaultSound = 1;
constexpr std::int32_t kDefaultLevel = 3;
constexpr std::int32_t kDefaultHint = 0;
constexpr std::int32_t kDefaultJokerNum = 0;
constexpr platform::Color kDefaultColor = platform::Rgb(0, 128, 0);  // dark green

std::string settingsPath;
// The file as read at the start, with every save since; read at most once for a path.
platform::Profile settingsFile;
bool settingsFileRead = false;

void ReadSettingsFile() {
  settingsFile = platform::Profile::Load(settingsPath);
  settingsFileRead = true;
  if (settingsFile.source() == platform::Profile::Source::kUnreadable) {
    std::fprintf(stderr,
                 "Quaxel: %s cannot be read (%s); playing on the defaults, saving nothing\n",
                 settingsPath.c_str(), settingsFile.problem().c_str());
  }
}

struct SettingName {
  std::string section;
  std::string key;
};

// Player keys (player 1..3) get the numbered section "Player n".
SettingName NameOf(int index, int player = 0) {
  SettingName name;
  GetSettingKey(index, name.section, name.key);
  if (player != 0) {
    // Appended piece by piece: gcc 12 at -O3 reports a false overlap for " " + std::string.
    name.section += ' ';
    name.section += std::to_string(player);
  }
  return name;
}

std::int32_t ReadInt(int index, int player, std::int32_t fallback) {
  const SettingName name = NameOf(index, player);
  return platform::GetPrivateProfileInt(name.section, name.key, fallback, settingsFile);
}

std::string ReadText(int index, int player, const char* fallback, std::size_t size) {
  const SettingName name = NameOf(index, player);
  return platform::GetPrivateProfileString(name.section, name.key, fallback, size, settingsFile);
}

// In memory; the save writes the file once, after every key.
void Write(int index, int player, const std::string& value) {
  const SettingName name = NameOf(index, player);
  platform::WritePrivateProfileString(name.section, name.key, value, settingsFile);
}

void WriteNumber(int index, int player, std::int32_t value) {
  Write(index, player, std::to_string(value));
}

bool IsPlayerNumber(std::int32_t n) {
  return n >= 1 && n <= kPlayerCount;
}

bool IsContinuationByte(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The length of the longest prefix of at most `limit` bytes that does not end inside a UTF-8
// character.
std::size_t CharacterPrefix(const std::string& text, std::size_t limit) {
  if (text.size() <= limit) return text.size();
  std::size_t n = limit;
  for (int back = 0; back < 3 && n > 0 && IsContinuationByte(text[n]); ++back)
    --n;
  return IsContinuationByte(text[n]) ? limit : n;
}

void LoadPlayer(int player, PlayerRecord& record) {
  StoreUserName(record, ReadText(kUserName, player, kDefaultName, kNameTextSize));
  record.credits = platform::ParseDecimal(ReadText(kCredits, player, "0", kNumberTextSize));
  record.sound = ReadInt(kSound, player, kDefaultSound);
  record.level = ReadInt(kLevel, player, kDefaultLevel);
  record.hint = ReadInt(kHint, player, kDefaultHint);
  record.jokerNum = ReadInt(kJokerNum, player, kDefaultJokerNum);
  record.color = static_cast<platform::Color>(ReadInt(kColor, player, kDefaultColor));
}

}  // namespace

int GetSettingKey(int index, std::string& section, std::string& key) {
  if (index < 0 || index >= kSettingKeyCount) return 0;
  section = kSettingKeys[index].section;
  key = kSettingKeys[index].key;
  return 1;
}

void SetSettingsPath(const std::string& path) {
  settingsPath = path;
  settingsFile = platform::Profile{};
  settingsFileRead = false;
}

std::string SettingsPathForProgram(const std::string& argv0) {
  const auto slash = argv0.rfind('/');
  if (slash != std::string::npos) {
    const std::string folder = argv0.substr(0, slash + 1);
    if (platform::FolderIsWritable(folder)) return folder + kFileName;
  }
  const std::string config = platform::ConfigFolder();
  if (config.empty()) return kFileName;
  return (std::filesystem::path(config) / "Quaxel" / kFileName).string();
}

int LoadSettingsFile(SettingsBlock& block) {
  ReadSettingsFile();
  block.lastPlayer = ReadInt(kLastPlayer, 0, 0);
  // Only 0..3 can be in play; a hand-edited number beyond that means nobody.
  if (block.lastPlayer < 0 || block.lastPlayer > kPlayerCount) block.lastPlayer = 0;
  block.xPos = ReadInt(kXpos, 0, DEFAULT_POSITION);
  block.yPos = ReadInt(kYpos, 0, DEFAULT_POSITION);
  for (int player = 1; player <= kPlayerCount; ++player)
    LoadPlayer(player, block.players[player - 1]);
  return 1;
}

int SavePlayerToFile(PlayerRecord record) {
  const std::int32_t player = currentPlayerIndex;
  if (settingsPath.empty() || !IsPlayerNumber(player)) return 0;
  if (!settingsFileRead) ReadSettingsFile();
  WriteNumber(kLastPlayer, 0, player);
  WriteNumber(kXpos, 0, windowX);
  WriteNumber(kYpos, 0, windowY);
  Write(kUserName, player, UserNameOf(record));
  WriteNumber(kCredits, player, record.credits);
  WriteNumber(kSound, player, record.sound);
  WriteNumber(kLevel, player, record.level);
  WriteNumber(kHint, player, record.hint);
  WriteNumber(kJokerNum, player, record.jokerNum);
  WriteNumber(kColor, player, static_cast<std::int32_t>(record.color));
  return settingsFile.Save() ? 1 : 0;
}

bool HasStoredCredits(int player) {
  if (!IsPlayerNumber(player)) return false;
  const SettingName name = NameOf(kCredits, player);
  return settingsFile.Find(name.section, name.key).has_value();
}

int SelectPlayerFromBlock(SettingsBlock block) {
  currentPlayerIndex = IsPlayerNumber(block.lastPlayer) ? block.lastPlayer : 0;
  windowX = block.xPos;
  windowY = block.yPos;
  if (currentPlayerIndex == 0) {
    currentPlayer.credits = 0;
    currentPlayer.level = kDefaultLevel;
    currentPlayer.jokerNum = kDefaultJokerNum;
    currentPlayer.sound = kDefaultSound;
    currentPlayer.hint = kDefaultHint;
    currentPlayer.color = kDefaultColor;
    gameState.credits = 0;
    return 1;
  }
  currentPlayer = settingsBlock.players[currentPlayerIndex - 1];
  savePosition = block.xPos != DEFAULT_POSITION ? 1 : 0;
  gameState.credits = currentPlayer.credits;
  return 1;
}

int CaptureCurrentPlayer(platform::Window* mainWindow, SettingsBlock& block) {
  block.lastPlayer = currentPlayerIndex;
  if (savePosition == 1) {
    if (platform::IsWindow(mainWindow)) {
      // The corner the window is placed by when it opens again.
      const platform::Point corner = platform::GetWindowOrigin(mainWindow);
      windowX = corner.x;
      windowY = corner.y;
    }
    block.xPos = windowX;
    block.yPos = windowY;
  } else {
    block.xPos = windowX = DEFAULT_POSITION;
    block.yPos = windowY = DEFAULT_POSITION;
  }
  currentPlayer.credits = gameState.credits;
  if (!IsPlayerNumber(currentPlayerIndex)) return 0;
  PlayerRecord& record = block.players[currentPlayerIndex - 1];
  record.credits = gameState.credits;
  record.level = currentPlayer.level;
  record.jokerNum = currentPlayer.jokerNum;
  record.sound = currentPlayer.sound;
  record.hint = currentPlayer.hint;
  record.color = currentPlayer.color;
  return 1;
}

std::string UserNameOf(const PlayerRecord& record) {
  return std::string(record.userName, strnlen(record.userName, kUserNameSize - 1));
}

void StoreUserName(PlayerRecord& record, const std::string& name) {
  std::memset(record.userName, 0, sizeof record.userName);
  std::memcpy(record.userName, name.data(), CharacterPrefix(name, kUserNameSize - 1));
}

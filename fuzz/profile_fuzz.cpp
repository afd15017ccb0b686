// Loads arbitrary bytes as the settings file, saves a changed player, and checks that every key the
// save did not write keeps its value, that every key it wrote reads back, and that a second save
// changes nothing.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <tuple>

#include "platform/profile.h"
#include "settings/players.h"

namespace {

namespace fs = std::filesystem;

// QUAXEL_FUZZ_SCRATCH names the folder for the file every run writes; tools/fuzz.sh gives one in
// memory and removes it afterwards.
const std::string& ScratchFile() {
  static const std::string path = [] {
    const char* folder = std::getenv("QUAXEL_FUZZ_SCRATCH");
    const fs::path dir = folder != nullptr ? fs::path(folder) : fs::temp_directory_path();
    return (dir / "Quaxel.ini").string();
  }();
  return path;
}

std::string ReadFile(const std::string& path) {
  std::stringstream s;
  s << std::ifstream(path, std::ios::binary).rdbuf();
  return s.str();
}

void Require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "settings file fault: %s\n", what);
  std::abort();
}

std::string Lower(std::string s) {
  for (char& c : s)
    c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  return s;
}

// A name as the file keeps it: on one line, without blanks at its ends.
std::string AsStored(std::string name) {
  std::replace_if(
      name.begin(), name.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
  const auto first = name.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  return name.substr(first, name.find_last_not_of(" \t") - first + 1);
}

auto Fields(const PlayerRecord& p) {
  return std::tuple(UserNameOf(p), p.credits, p.sound, p.level, p.hint, p.jokerNum, p.color);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::string& path = ScratchFile();
  std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
  SetSettingsPath(path);
  SettingsBlock first{};
  LoadSettingsFile(first);
  settingsBlock = first;

  // The input's first bytes choose the player and the name saved for him.
  const int player = size > 0 ? data[0] % kPlayerCount + 1 : 1;
  const std::string playerSection = "Player " + std::to_string(player);
  // The keys a save writes, from the one table of names.
  std::set<std::pair<std::string, std::string>> written;
  std::string section;
  std::string key;
  for (int index = 0; GetSettingKey(index, section, key); ++index)
    written.emplace(Lower(section == "Player" ? playerSection : section), Lower(key));
  PlayerRecord record = first.players[player - 1];
  StoreUserName(record, text.substr(0, std::min<std::size_t>(size, 80)));
  record.credits = ~record.credits;
  record.sound ^= 1;
  record.level ^= 6;
  record.hint ^= 1;
  record.jokerNum ^= 3;
  record.color ^= 0x00FFFFFF;
  currentPlayerIndex = player;
  windowX = first.xPos ^ 0x55;
  windowY = first.yPos ^ 0xAA;
  Require(SavePlayerToFile(record) == 1, "a save of a readable file failed");
  const std::string saved = ReadFile(path);

  std::map<std::pair<std::string, std::string>, std::string> kept;
  for (auto& entry : platform::Profile::FromText(saved).Entries())
    kept[{Lower(entry.section), Lower(entry.key)}] = entry.value;
  for (const auto& entry : platform::Profile::FromText(text).Entries()) {
    const auto name = std::pair(Lower(entry.section), Lower(entry.key));
    if (written.contains(name)) continue;
    const auto found = kept.find(name);
    Require(found != kept.end() && found->second == entry.value, "a key not written changed");
  }

  SettingsBlock again{};
  LoadSettingsFile(again);
  Require(
      std::tuple(again.lastPlayer, again.xPos, again.yPos) == std::tuple(player, windowX, windowY),
      "the common keys do not read back");
  PlayerRecord expected = record;
  StoreUserName(expected, AsStored(UserNameOf(record)));
  for (int k = 1; k <= kPlayerCount; ++k) {
    const PlayerRecord& want = k == player ? expected : first.players[k - 1];
    Require(Fields(again.players[k - 1]) == Fields(want), "a player does not read back");
  }
  Require(SavePlayerToFile(record) == 1 && ReadFile(path) == saved,
          "a second save changed the file");
  return 0;
}

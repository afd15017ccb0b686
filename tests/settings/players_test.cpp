// The settings file: defaults, the order and content of a save, hand-edited and junk files, and
// where the file lives.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>
#include <tuple>

#include "core/game_state.h"
#include "settings/players.h"
#include "tests/support/window_fixture.h"

namespace fs = std::filesystem;

namespace {

// Name, credits, sound, level, hint, joker number and colour.
auto Fields(const PlayerRecord& p) {
  return std::tuple(UserNameOf(p), p.credits, p.sound, p.level, p.hint, p.jokerNum, p.color);
}

class SettingsTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    dir =
        fs::temp_directory_path() / ("settings_test_" + std::to_string(::getpid()) + "_" +
                                     testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
    path = (dir / "Quaxel.ini").string();
    SetSettingsPath(path);
    settingsBlock = {};
    currentPlayer = {};
    currentPlayerIndex = windowX = windowY = savePosition = 0;
    gameState = {};
  }
  void TearDown() override {
    SetSettingsPath("");
    fs::remove_all(dir);
    WindowTest::TearDown();
  }

  void Write(const std::string& text) { std::ofstream(path, std::ios::binary) << text; }
  std::string Read() {
    std::stringstream s;
    s << std::ifstream(path, std::ios::binary).rdbuf();
    return s.str();
  }
  SettingsBlock Load() {
    SettingsBlock block{};
    EXPECT_EQ(LoadSettingsFile(block), 1);
    return block;
  }
  // Start-up, then the player chosen: what the main window does with MSG_PLAYER_CHOSEN.
  void StartAndChoose(int player, const char* name, std::int32_t credits) {
    settingsBlock = Load();
    SelectPlayerFromBlock(settingsBlock);
    settingsBlock.lastPlayer = player;
    StoreUserName(settingsBlock.players[player - 1], name);
    settingsBlock.players[player - 1].credits = credits;
    SelectPlayerFromBlock(settingsBlock);
  }
  void LoadAndSelect() {
    settingsBlock = Load();
    SelectPlayerFromBlock(settingsBlock);
  }

  fs::path dir;
  std::string path;
};

}  // namespace

TEST_F(SettingsTest, NoFileGivesEveryDefaultAndNoPlayer) {
  const SettingsBlock block = Load();
  EXPECT_EQ(std::tuple(block.lastPlayer, block.xPos, block.yPos),
            std::tuple(0, DEFAULT_POSITION, DEFAULT_POSITION));
  for (const PlayerRecord& p : block.players)
    EXPECT_EQ(Fields(p), std::tuple("No Name", 0, 1, 3, 0, 0, 32768u));

  currentPlayer.sound = 0;
  gameState.credits = 77;
  SelectPlayerFromBlock(block);
  EXPECT_EQ(std::tuple(currentPlayerIndex, currentPlayer.sound, gameState.credits),
            std::tuple(0, 1, 0));
  EXPECT_EQ(SavePlayerToFile(currentPlayer), 0);
  EXPECT_FALSE(fs::exists(path));
}

TEST_F(SettingsTest, FirstSaveWritesCommonInfoAndThePlayerInOrder) {
  StartAndChoose(1, "Ann", kNewPlayerCredits);
  EXPECT_EQ(std::tuple(currentPlayerIndex, gameState.credits, savePosition), std::tuple(1, 60, 0));
  CaptureCurrentPlayer(nullptr, settingsBlock);
  SavePlayerToFile(currentPlayer);
  EXPECT_EQ(Read(),
            "[Common Info]\r\nLastPlayer=1\r\nXpos=-2147483648\r\nYpos=-2147483648\r\n\r\n"
            "[Player 1]\r\nUser Name=Ann\r\nCredits=60\r\nSound=1\r\nLevel=3\r\nHint=0\r\n"
            "Joker Num=0\r\nColor=32768\r\n");

  savePosition = 1;
  LoadAndSelect();
  EXPECT_EQ(std::tuple(currentPlayerIndex, savePosition, windowX, UserNameOf(currentPlayer)),
            std::tuple(1, 0, DEFAULT_POSITION, "Ann"));

  Write("[Common Info]\r\nLastPlayer=1\r\nXpos=40\r\n");  // Xpos alone turns Save Position on
  LoadAndSelect();
  EXPECT_EQ(std::tuple(savePosition, windowX, settingsBlock.yPos),
            std::tuple(1, 40, DEFAULT_POSITION));
}

TEST_F(SettingsTest, CaptureTakesMeterOptionsAndPositionButNotTheName) {
  StartAndChoose(2, "Bob", 10);
  platform::Window* mainWindow = platform::CreateWindow(className, "main", platform::WS_VISIBLE,
                                                        120, 80, 300, 200, nullptr, 0);
  ASSERT_NE(mainWindow, nullptr);
  const platform::Rect outer = platform::GetWindowRect(mainWindow);
  savePosition = 1;
  gameState.credits = 345;
  currentPlayer.sound = 0;
  currentPlayer.level = 5;
  currentPlayer.hint = 1;
  currentPlayer.jokerNum = 2;
  currentPlayer.color = 0x00123456;
  StoreUserName(currentPlayer, "Renamed elsewhere");

  CaptureCurrentPlayer(mainWindow, settingsBlock);
  platform::DestroyWindow(mainWindow);
  EXPECT_EQ(Fields(settingsBlock.players[1]), std::tuple("Bob", 345, 0, 5, 1, 2, 0x00123456u));
  EXPECT_EQ(currentPlayer.credits, 345);
  EXPECT_EQ(std::tuple(settingsBlock.xPos, settingsBlock.yPos, windowX),
            std::tuple(outer.left, outer.top, outer.left));

  SavePlayerToFile(currentPlayer);
  savePosition = 0;
  LoadAndSelect();
  EXPECT_EQ(std::tuple(savePosition, windowY, gameState.credits, currentPlayer.color),
            std::tuple(1, outer.top, 345, 0x00123456u));
}

TEST_F(SettingsTest, SavingPlayerTwoLeavesOtherSectionsAsWritten) {
  const std::string player3 =
      "[player 3]\r\n; edited by hand\r\nuser name = Cy \r\nCREDITS=999\r\nExtra=kept\r\n";
  Write("[Common Info]\r\nLastPlayer=3\r\n\r\n" + player3);
  StartAndChoose(2, "Dee", 7);
  CaptureCurrentPlayer(nullptr, settingsBlock);
  SavePlayerToFile(currentPlayer);

  const std::string text = Read();
  EXPECT_NE(text.find(player3), std::string::npos) << text;
  EXPECT_EQ(text.find("[Player 1]"), std::string::npos);
  const SettingsBlock block = Load();
  EXPECT_EQ(std::tuple(block.lastPlayer, UserNameOf(block.players[1]), block.players[1].credits,
                       UserNameOf(block.players[2]), block.players[2].credits),
            std::tuple(2, "Dee", 7, "Cy", 999));
}

TEST_F(SettingsTest, ValuesLoadAsReadWithNumbersSaturatedAndNamesCut) {
  const int kMax = std::numeric_limits<std::int32_t>::max();
  for (const auto& [text, credits] :
       {std::pair{"12abc", 12}, {"abc", 0}, {"-5", -5}, {"99999999999", kMax}}) {
    Write(std::string("[Player 1]\nCredits=") + text + "\n");
    EXPECT_EQ(Load().players[0].credits, credits) << text;
  }
  Write("[Player 3]\nSound=2\nLevel=-3\nHint=x\nJoker Num=7\n");
  EXPECT_EQ(Fields(Load().players[2]), std::tuple("No Name", 0, 2, -3, 0, 7, 32768u));

  for (const auto& [text, expected] :
       {std::pair{"7", 0}, {"-1", 0}, {"3", 3}, {"99999999999", 0}}) {
    Write(std::string("[Common Info]\r\nLastPlayer=") + text + "\r\n");
    EXPECT_EQ(Load().lastPlayer, expected) << text;
  }

  const std::string e = "\xC3\xA9";  // two bytes, never split
  for (const auto& [name, expected] : {std::pair{std::string(70, 'n'), std::string(63, 'n')},
                                       {std::string(62, 'a') + e, std::string(62, 'a')},
                                       {std::string(61, 'a') + e, std::string(61, 'a') + e}}) {
    Write("[Player 2]\r\nUser Name=" + name + "\r\n");
    EXPECT_EQ(UserNameOf(Load().players[1]), expected);
  }
}

TEST_F(SettingsTest, JunkFilesLoadWithoutHarm) {
  std::string binary;
  for (int i = 0; i < 256; ++i)
    binary += static_cast<char>(i);
  const std::tuple<std::string, std::string, std::int32_t> cases[] = {
      {binary + "\n[Player 1]\n" + binary, "No Name", 0},
      {"[Player 1]\nUser Name=" + std::string(100000, 'x') + "\nCredits=5\n", std::string(63, 'x'),
       5},
      {"[Player 1]\nUser Name\nCredits 5\n=\n[\n]\n", "No Name", 0},
      {"[Player 1]\nCredits=1\n[Player 1]\nCredits=2\n", "No Name", 1},
  };
  for (const auto& [text, name, credits] : cases) {
    Write(text);
    const SettingsBlock block = Load();
    EXPECT_EQ(std::tuple(block.lastPlayer, UserNameOf(block.players[0]), block.players[0].credits),
              std::tuple(0, name, credits));
  }
  std::string section = "s", key = "k";
  EXPECT_EQ(GetSettingKey(10, section, key) + GetSettingKey(-1, section, key), 0);
  EXPECT_EQ(section + key, "sk");
  EXPECT_EQ(GetSettingKey(8, section, key), 1);
  EXPECT_EQ(section + "/" + key, "Player/Joker Num");
}

TEST_F(SettingsTest, FileLivesBesideTheProgramOrInTheConfigFolder) {
  EXPECT_EQ(SettingsPathForProgram("./quaxel"), "./Quaxel.ini");
  EXPECT_EQ(SettingsPathForProgram("/opt/q/quaxel"), "/opt/q/Quaxel.ini");

  const char* oldConfig = std::getenv("XDG_CONFIG_HOME");
  const std::string savedConfig = oldConfig ? oldConfig : "";
  setenv("XDG_CONFIG_HOME", (dir / "cfg").c_str(), 1);
  const std::string configPath = SettingsPathForProgram("quaxel");
  setenv("XDG_CONFIG_HOME", "relative/ignored", 1);
  const std::string homePath = SettingsPathForProgram("quaxel");
  oldConfig ? setenv("XDG_CONFIG_HOME", savedConfig.c_str(), 1) : unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(configPath, (dir / "cfg" / "Quaxel" / "Quaxel.ini").string());
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] == '/') {
    EXPECT_EQ(homePath, (fs::path(home) / ".config" / "Quaxel" / "Quaxel.ini").string());
  }

  SetSettingsPath(configPath);
  currentPlayerIndex = 1;
  EXPECT_EQ(SavePlayerToFile(currentPlayer), 1);
  EXPECT_TRUE(fs::exists(configPath));
}

// The settings file: defaults, the content of a save, hand-edited and junk files, files that cannot
// be read, saves cut short by a kill, the first-start credits, and where the file lives.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <numeric>
#include <sstream>
#include <thread>
#include <tuple>

#include "core/game_state.h"
#include "platform/profile.h"
#include "settings/players.h"
#include "settings/select_player.h"
#include "tests/support/person.h"
#include "tests/support/window_fixture.h"

namespace fs = std::filesystem;

namespace {

// Name, credits, sound, level, hint, joker number and color.
auto Fields(const PlayerRecord& p) {
  return std::tuple(UserNameOf(p), p.credits, p.sound, p.level, p.hint, p.jokerNum, p.color);
}

class SettingsTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    dir = fs::temp_directory_path() / ("settings_test_" + std::to_string(::getpid()));
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
    return (std::ostringstream() << std::ifstream(path, std::ios::binary).rdbuf()).str();
  }
  SettingsBlock Load() {
    SettingsBlock block{};
    EXPECT_EQ(LoadSettingsFile(block), 1);
    return block;
  }
  void StartUp() {
    settingsBlock = Load();
    SelectPlayerFromBlock(settingsBlock);
  }
  // Start-up, then the player chosen: what the main window does with MSG_PLAYER_CHOSEN.
  void StartAndChoose(int player, const char* name, std::int32_t credits) {
    StartUp();
    settingsBlock.lastPlayer = player;
    StoreUserName(settingsBlock.players[player - 1], name);
    settingsBlock.players[player - 1].credits = credits;
    SelectPlayerFromBlock(settingsBlock);
  }

  fs::path dir;
  std::string path;
};

}  // namespace

TEST_F(SettingsTest, WithoutAFileOrAPlayerNothingIsWrittenThenASaveWritesCommonInfoAndThePlayer) {
  currentPlayer.sound = 0;
  gameState.credits = 77;
  StartUp();
  EXPECT_EQ(std::tuple(settingsBlock.lastPlayer, settingsBlock.xPos, settingsBlock.yPos,
                       currentPlayerIndex, currentPlayer.sound, gameState.credits),
            std::tuple(0, DEFAULT_POSITION, DEFAULT_POSITION, 0, 1, 0));
  EXPECT_EQ(SavePlayerToFile(currentPlayer), 0);
  EXPECT_FALSE(fs::exists(path));

  StartAndChoose(1, " Ann\n[Common Info]\r\nLastPlayer=3", kNewPlayerCredits);
  EXPECT_EQ(std::tuple(currentPlayerIndex, gameState.credits, savePosition), std::tuple(1, 60, 0));
  Write("[Player 3]\nCredits=1\n");  // too late: the file is read once
  CaptureCurrentPlayer(nullptr, settingsBlock);
  SavePlayerToFile(currentPlayer);
  EXPECT_EQ(Read(),
            "[Common Info]\nLastPlayer=1\nXpos=-2147483648\nYpos=-2147483648\n\n[Player 1]\n"
            "User Name=Ann [Common Info]  LastPlayer=3\nCredits=60\nSound=1\nLevel=3\nHint=0\n"
            "Joker Num=0\nColor=32768\n");

  savePosition = 1;
  StartUp();
  EXPECT_EQ(std::tuple(currentPlayerIndex, savePosition, windowX, UserNameOf(currentPlayer)),
            std::tuple(1, 0, DEFAULT_POSITION, "Ann [Common Info]  LastPlayer=3"));
  Write("[Common Info]\r\nLastPlayer=1\r\nXpos=40\r\n");  // Xpos alone turns Save Position on
  StartUp();
  EXPECT_EQ(std::tuple(savePosition, windowX, settingsBlock.yPos),
            std::tuple(1, 40, DEFAULT_POSITION));
}

TEST_F(SettingsTest, CaptureTakesMeterOptionsAndPositionButNotTheName) {
  StartAndChoose(2, "Bob", 10);
  platform::Window* mainWindow = platform::CreateWindow(className, "main", platform::WS_VISIBLE,
                                                        120, 80, 300, 200, nullptr, 0);
  savePosition = 1;
  gameState.credits = 345;
  currentPlayer = {{}, 0, 0, 5, 1, 2, 0x00123456};
  StoreUserName(currentPlayer, "Renamed elsewhere");

  CaptureCurrentPlayer(mainWindow, settingsBlock);
  platform::DestroyWindow(mainWindow);
  EXPECT_EQ(std::tuple(Fields(settingsBlock.players[1]), currentPlayer.credits),
            std::tuple(std::tuple("Bob", 345, 0, 5, 1, 2, 0x00123456u), 345));
  // Where the window was created: a window opened at the saved place comes back to it.
  EXPECT_EQ(std::tuple(settingsBlock.xPos, settingsBlock.yPos, windowX), std::tuple(120, 80, 120));
}

TEST_F(SettingsTest, ValuesLoadAsReadWithNumbersSaturatedNamesCutAndJunkPassedOver) {
  std::string junk(256, 0);
  std::iota(junk.begin(), junk.end(), 0);
  for (const auto& [text, credits] : {std::pair{"12abc", 12},
                                      {"abc", 0},
                                      {" -5", -5},
                                      {"99999999999", INT32_MAX},
                                      {"-99999999999", INT32_MIN}}) {
    // Junk, a key again and a section again change nothing.
    Write("[Player 1]\nUser Name\n=\n[\nCredits=" + std::string(text) + "\n" + junk +
          "\nCredits=6\n" + junk + "\n[Player 1]\nCredits=7\n");
    EXPECT_EQ(Fields(Load().players[0]), std::tuple("No Name", credits, 1, 3, 0, 0, 32768u));
  }
  Write("[Player 3]\nSound=2\nLevel=-3\nHint=x\nJoker Num=7\n");
  EXPECT_EQ(Fields(Load().players[2]), std::tuple("No Name", 0, 2, -3, 0, 7, 32768u));

  const std::string e = "\xC3\xA9";  // two bytes, never split
  for (const auto& [name, expected] : {std::pair{std::string(70, 'n'), std::string(63, 'n')},
                                       {std::string(62, 'a') + e, std::string(62, 'a')}}) {
    Write("[Player 2]\r\nUser Name=" + name + "\r\n");
    EXPECT_EQ(UserNameOf(Load().players[1]), expected);
  }
}

TEST_F(SettingsTest, AFileThatCannotBeReadIsReportedOnceAndNeverOverwritten) {
  const std::string text = "[Common Info]\nLastPlayer=2\n[Player 2]\nCredits=777\n";
  const std::pair<const char*, std::function<void()>> cases[] = {
      {"no read permission", [&] { Write(text), fs::permissions(path, fs::perms::none); }},
      {"a folder", [&] { fs::create_directory(path); }},
      {"a pipe", [&] { ASSERT_EQ(std::system(("mkfifo '" + path + "'").c_str()), 0); }},
      {"over 1 MB", [&] { Write(text), fs::resize_file(path, platform::kMaxProfileBytes + 1); }}};
  for (const auto& [what, make] : cases) {
    fs::remove_all(path);
    make();
    const auto before = fs::status(path);
    const auto size = fs::is_regular_file(before) ? fs::file_size(path) : 0;
    testing::internal::CaptureStderr();
    StartAndChoose(2, "Ann", 5);  // played on the defaults: nothing stored for him
    EXPECT_FALSE(HasStoredCredits(2) || SavePlayerToFile(currentPlayer) ||
                 SavePlayerToFile(currentPlayer));
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << what << said;
    EXPECT_NE(said.find(path), std::string::npos) << said;
    EXPECT_EQ(std::tuple(fs::status(path).type(), fs::status(path).permissions(),
                         fs::is_regular_file(before) ? fs::file_size(path) : 0),
              std::tuple(before.type(), before.permissions(), size))
        << what;
  }
}

TEST_F(SettingsTest, FirstStartCreditsGoOnlyToAPlayerWithoutStoredCredits) {
  platform::Window* owner = MakeTopLevel(200, 100);
  for (const auto& [text, credits] :
       {std::pair{"[Common Info]\nLastPlayer=7\n[Player 1]\nCredits=777\n", 777},
        {"[Common Info]\nLastPlayer=-1\n[player 1]\ncredits = 0\n", 0},
        {"[Player 1]\nUser Name=Ann\n[Player 2]\nCredits=5\n", kNewPlayerCredits}}) {
    Write(text);
    settingsBlock = Load();
    EXPECT_EQ(settingsBlock.lastPlayer, 0);  // only 1..3 can be in play
    person::WhenModal([] { person::ClickModalButton("OK"); });
    RunSelectPlayerDialog(owner, &settingsBlock);
    EXPECT_EQ(std::tuple(settingsBlock.lastPlayer, settingsBlock.players[0].credits),
              std::tuple(1, credits))
        << text;
  }
}

// Saves one numbered record after another, and is killed a few milliseconds after the first save.
[[noreturn]] void SaveUntilKilled(int milliseconds) {
  currentPlayerIndex = 1;
  for (std::int32_t i = 1;; ++i) {
    currentPlayer = {{}, i, i, i, i, i, static_cast<platform::Color>(i)};
    StoreUserName(currentPlayer, std::to_string(i));
    windowX = windowY = i;
    SavePlayerToFile(currentPlayer);
    if (i > 1) continue;
    std::thread([milliseconds] {
      std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
      std::raise(SIGKILL);
    }).detach();
  }
}

TEST_F(SettingsTest, AKilledSaveLeavesTheOldFileOrTheNewOneWhole) {
  Write("[Common Info]\nLastPlayer=1\n[Player 1]\nCredits=0\n[Player 3]\nCredits=3\n");
  const auto mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
  fs::permissions(path, mode);
  for (int round = 0; round < 6; ++round) {
    EXPECT_EXIT(SaveUntilKilled(round), testing::KilledBySignal(SIGKILL), "");
    std::ofstream(dir / ".Quaxel.ini.tmp-Ab12Cd") << "[Player 1]\nCred";  // as a crash leaves it
    const SettingsBlock block = Load();
    const std::int32_t i = block.players[0].credits;
    EXPECT_GT(i, 0);
    const auto record =
        std::tuple(std::to_string(i), i, i, i, i, i, static_cast<platform::Color>(i));
    EXPECT_EQ(
        std::tuple(Fields(block.players[0]), block.xPos, block.yPos, block.players[2].credits),
        std::tuple(record, i, i, 3));
    EXPECT_EQ(
        std::tuple(std::distance(fs::directory_iterator(dir), {}), fs::status(path).permissions()),
        std::tuple(1, mode));
  }
}

TEST_F(SettingsTest, FileLivesBesideTheProgramWhereItMayBeWrittenElseInTheConfigFolder) {
  const char* oldConfig = std::getenv("XDG_CONFIG_HOME");
  const std::string savedConfig = oldConfig ? oldConfig : "";
  const std::string configPath = (dir / "cfg" / "Quaxel" / "Quaxel.ini").string();
  setenv("XDG_CONFIG_HOME", (dir / "cfg").c_str(), 1);
  EXPECT_EQ(SettingsPathForProgram((dir / "quaxel").string()), path);
  EXPECT_EQ(SettingsPathForProgram("quaxel"), configPath);
  EXPECT_EQ(SettingsPathForProgram((dir / "none" / "quaxel").string()), configPath);
  oldConfig ? setenv("XDG_CONFIG_HOME", savedConfig.c_str(), 1) : unsetenv("XDG_CONFIG_HOME");
  SetSettingsPath(configPath);
  currentPlayerIndex = 1;  // the first save makes the folder
  EXPECT_EQ(SavePlayerToFile(currentPlayer), 1);
  EXPECT_TRUE(fs::exists(configPath));
}

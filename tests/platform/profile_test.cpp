// Profiles: lookup rules and line ends, changes kept in memory until one replacement writes them,
// modes, links and read-only files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/profile.h"

using namespace platform;
namespace fs = std::filesystem;

namespace {

class ProfileTest : public testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("profile_test_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir / "real");
    path = (dir / "Quaxel.ini").string();
  }
  void TearDown() override { fs::remove_all(dir); }

  static void Write(const fs::path& file, const std::string& text) {
    std::ofstream(file, std::ios::binary) << text;
  }
  static std::string Read(const fs::path& file) {
    return (std::ostringstream() << std::ifstream(file, std::ios::binary).rdbuf()).str();
  }

  fs::path dir;
  std::string path;
};

}  // namespace

TEST_F(ProfileTest, AnyLineEndAndAByteOrderMarkReadAlikeAndSavesWriteLF) {
  for (const std::string eol : {"\n", "\r\n", "\r"}) {
    for (const std::string start : {"", "\xEF\xBB\xBF"}) {
      Write(path, start + "[ common info ]" + eol + "  lastplayer =  2 " + eol + ";Xpos=5" + eol +
                      eol + "[Player 1]" + eol + "User Name = Ann Lee" + eol + "Sound=");
      Profile p = Profile::Load(path);
      EXPECT_EQ(GetPrivateProfileInt("Common Info", "LastPlayer", 0, p), 2);
      EXPECT_EQ(GetPrivateProfileInt("Common Info", "Xpos", -7, p), -7);
      EXPECT_EQ(GetPrivateProfileString("PLAYER 1", "user name", "No Name", 64, p), "Ann Lee");
      EXPECT_EQ(GetPrivateProfileString("Player 1", "Sound", "x", 64, p), "");
      EXPECT_TRUE(p.Set("player 1", "sound", "1") && p.Save());
      EXPECT_EQ(Read(path), start +
                                "[ common info ]\n  lastplayer =  2 \n;Xpos=5\n\n"
                                "[Player 1]\nUser Name = Ann Lee\nSound=1\n");
    }
  }
}

TEST_F(ProfileTest, ChangesStayInMemoryUntilOneSaveWritesThemAll) {
  Write(path, "[Player 3]\n; hand edited\nCredits=999\nExtra=keep me\n");
  Profile p = Profile::Load(path);
  fs::remove(path);
  EXPECT_TRUE(p.Set("Common Info", "LastPlayer", "2") && p.Set("Player 2", "Credits", "60"));
  EXPECT_TRUE(p.Set("player 3", "CREDITS", "5") && p.Set("Player 2", "Sound", "0"));
  EXPECT_FALSE(p.Set("Player 1", "a=b", "1") || p.Set(" ", "k", "1"));
  EXPECT_FALSE(fs::exists(path));
  EXPECT_TRUE(p.Save());
  EXPECT_EQ(Read(path),
            "[Player 3]\n; hand edited\nCredits=5\nExtra=keep me\n\n[Common Info]\nLastPlayer=2\n"
            "\n[Player 2]\nCredits=60\nSound=0\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 2);  // real/ and the file, nothing left
}

TEST_F(ProfileTest, SavesKeepTheModeFollowLinksAndLeaveReadOnlyFilesAlone) {
  using fs::perms;
  const fs::path real = dir / "real" / "Quaxel.ini";
  for (const auto& [mode, linked, written] :
       {std::tuple(perms::owner_read | perms::owner_write, false, true),
        {perms::owner_read | perms::owner_write | perms::group_read, true, true},
        {perms::owner_read | perms::group_read | perms::others_read, false, false}}) {
    Write(real, "[S]\nk=1\n");
    fs::permissions(real, mode);
    linked ? fs::create_symlink("real/Quaxel.ini", path) : fs::rename(real, path);
    const fs::path target = linked ? real : fs::path(path);
    Profile p = Profile::Load(path);
    EXPECT_EQ(p.Set("S", "k", "2") && p.Save(), written);
    EXPECT_EQ(Read(target), written ? "[S]\nk=2\n" : "[S]\nk=1\n");
    EXPECT_EQ(std::tuple(fs::status(target).permissions(), fs::is_symlink(path)),
              std::tuple(mode, linked));
    EXPECT_EQ(std::distance(fs::recursive_directory_iterator(dir), {}), linked ? 3 : 2);
    fs::remove(target);
    fs::remove(path);
  }
}

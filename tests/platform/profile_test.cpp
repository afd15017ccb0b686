// Profile files: lookup rules, numbers, writes that keep everything else, and junk input.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/profile.h"

using namespace platform;

namespace {

class ProfileTest : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("profile_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir_);
    path = (dir_ / "Quaxel.ini").string();
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  void Write(const std::string& text) { std::ofstream(path, std::ios::binary) << text; }
  std::string Read() {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }

  std::string path;

 private:
  std::filesystem::path dir_;
};

}  // namespace

TEST_F(ProfileTest, LookupIgnoresCaseBlanksAndComments) {
  Write(
      "; a comment\r\n[ common info ]\r\n  lastplayer =  2 \r\n;Xpos=5\r\n[Player 1]\r\n"
      "User Name = Ann Lee\r\n");
  EXPECT_EQ(GetPrivateProfileInt("Common Info", "LastPlayer", 0, path), 2);
  EXPECT_EQ(GetPrivateProfileInt("Common Info", "Xpos", -7, path), -7);
  EXPECT_EQ(GetPrivateProfileString("PLAYER 1", "user name", "No Name", 64, path), "Ann Lee");
  EXPECT_EQ(GetPrivateProfileString("Player 2", "User Name", "No Name", 64, path), "No Name");
  EXPECT_EQ(GetPrivateProfileString("x", "y", "fallback", 64, "/nonexistent/dir/Quaxel.ini"),
            "fallback");
}

TEST_F(ProfileTest, NumbersParseLikeADecimalConversionAndSaturate) {
  struct Case {
    const char* text;
    std::int32_t value;
  } cases[] = {{"12abc", 12},
               {"abc", 0},
               {"  -5", -5},
               {"+7", 7},
               {"", 0},
               {"-2147483648", INT32_MIN},
               {"99999999999", INT32_MAX},
               {"-99999999999", INT32_MIN},
               {"2147483647", INT32_MAX},
               {"- 3", 0}};
  for (const Case& c : cases)
    EXPECT_EQ(ParseDecimal(c.text), c.value) << c.text;
  Write("[S]\nk=12abc\n");
  EXPECT_EQ(GetPrivateProfileInt("S", "k", 99, path), 12);
}

TEST_F(ProfileTest, LongValuesAreCutLikeAFixedBuffer) {
  Write("[Player 1]\nUser Name=" + std::string(70, 'x') + "\n");
  EXPECT_EQ(GetPrivateProfileString("Player 1", "User Name", "", 64, path).size(), 63u);
}

TEST_F(ProfileTest, WritesCreateReplaceAndKeepTheRest) {
  EXPECT_TRUE(WritePrivateProfileString("Common Info", "LastPlayer", "2", path));
  EXPECT_TRUE(WritePrivateProfileString("Player 2", "Credits", "60", path));
  Write(Read() + "[Player 3]\r\n; hand edited\r\nCredits=999\r\nExtra=keep me\r\n");
  EXPECT_TRUE(WritePrivateProfileString("common info", "lastplayer", "3", path));
  EXPECT_TRUE(WritePrivateProfileString("Player 2", "Sound", "0", path));
  EXPECT_EQ(Read(),
            "[Common Info]\r\nLastPlayer=3\r\n\r\n[Player 2]\r\nCredits=60\r\nSound=0\r\n"
            "[Player 3]\r\n; hand edited\r\nCredits=999\r\nExtra=keep me\r\n");
}

TEST_F(ProfileTest, WritesCannotForgeKeysAndFailQuietlyWhereNoFileCanBe) {
  EXPECT_TRUE(WritePrivateProfileString("Player 1", "User Name", "Bob\r\n[Common Info]", path));
  EXPECT_EQ(GetPrivateProfileString("Player 1", "User Name", "", 64, path), "Bob  [Common Info]");
  EXPECT_EQ(GetPrivateProfileString("Common Info", "User Name", "none", 64, path), "none");
  EXPECT_FALSE(WritePrivateProfileString("S", "k", "v", "/nonexistent/dir/Quaxel.ini"));
}

TEST_F(ProfileTest, JunkFilesReadWithoutHarm) {
  std::string junk;
  for (int i = 0; i < 5000; ++i)
    junk += static_cast<char>((i * 7919) % 256);
  junk += "\n[Common Info]\nLastPlayer\n" + std::string(100000, '=') + "\n[Common Info]\n";
  junk += "LastPlayer=1\n";
  Write(junk);
  EXPECT_EQ(GetPrivateProfileInt("Common Info", "LastPlayer", 7, path), 7);
  EXPECT_TRUE(WritePrivateProfileString("Common Info", "LastPlayer", "2", path));
  EXPECT_EQ(GetPrivateProfileInt("Common Info", "LastPlayer", 7, path), 2);
}

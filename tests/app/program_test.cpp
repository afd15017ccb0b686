// The program from start-up to close: the players' file, the Select Player dialog at first start,
// the first states of the buttons, and the table it shows.
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "core/game_state.h"
#include "platform/controls.h"
#include "platform/image.h"
#include "tests/app/program_fixture.h"
#include "ui/card_window.h"

using namespace platform;

namespace {

constexpr int kOk = 112, kCancel = 113, kNewRegister = 114;

std::string Normalised(std::string text) {
  std::erase(text, '\r');
  return text;
}

}  // namespace

TEST_F(ProgramTest, FirstStartOffersPlayerOneAndQuitSavesExactlyItsSections) {
  Start([](Window* dialog) {
    EXPECT_TRUE(IsDlgButtonChecked(dialog, 116));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, 117)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, 118)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, kNewRegister)));
    EXPECT_EQ(GetDlgItemText(dialog, 119, 63), "No Name");
    ClickDialogButton(dialog, kOk);
  });
  EXPECT_TRUE(dialogOpened);
  EXPECT_EQ(GetWindowText(mainWindow), "Quaxel? - [No Name]");
  EXPECT_EQ(gameState.credits, 60);
  EXPECT_TRUE(IsWindowEnabled(oneBetButton));
  EXPECT_EQ(GetFocus(), oneBetButton);
  EXPECT_FALSE(SettingsExist());  // choosing a player writes nothing yet
  Quit();
  EXPECT_EQ(mainWindow, nullptr);
  EXPECT_EQ(Normalised(ReadSettings()),
            "[Common Info]\nLastPlayer=1\nXpos=-2147483648\nYpos=-2147483648\n\n"
            "[Player 1]\nUser Name=No Name\nCredits=60\nSound=1\nLevel=3\nHint=0\n"
            "Joker Num=0\nColor=32768\n");
}

TEST_F(ProgramTest, WithoutAPlayerOnlyQuitIsEnabledAndNothingIsWritten) {
  Start([](Window* dialog) { ClickDialogButton(dialog, kCancel); });
  for (Window* b : {collectButton, halfDoubleButton, oneBetButton, repeatBetButton, dealDrawButton})
    EXPECT_FALSE(IsWindowEnabled(b));
  for (Window* b : selectButtons)
    EXPECT_FALSE(IsWindowEnabled(b));
  EXPECT_TRUE(IsWindowEnabled(quitButton));
  EXPECT_EQ(GetFocus(), quitButton);
  for (Window* w : cardWindows)
    EXPECT_FALSE(IsWindowEnabled(w));
  Quit();
  EXPECT_FALSE(SettingsExist());
}

TEST_F(ProgramTest, TabFromQuitSkipsTheDisabledButtons) {
  WriteSettings("[Common Info]\nLastPlayer=1\n[Player 1]\nCredits=5\n");
  Start();
  EXPECT_FALSE(dialogOpened);
  SetFocus(quitButton);
  PressKey(VK_TAB);
  EXPECT_EQ(GetFocus(), oneBetButton);
  PressKey(VK_TAB, true);
  EXPECT_EQ(GetFocus(), quitButton);
  PressKey(VK_RIGHT);  // arrows move among the buttons as Tab does
  EXPECT_EQ(GetFocus(), oneBetButton);
}

TEST_F(ProgramTest, SavingOnePlayerKeepsTheOthersSectionsAsTheyWere) {
  WriteSettings(
      "[Common Info]\nLastPlayer=2\nXpos=-2147483648\nYpos=-2147483648\n"
      "[Player 2]\nUser Name=Ann\nCredits=12abc\n"
      "[Player 3]\n; kept by hand\nUser Name=Bob\nCredits=999\nMood=fine\n");
  Start();
  EXPECT_EQ(GetWindowText(mainWindow), "Quaxel? - [Ann]");
  EXPECT_EQ(gameState.credits, 12);
  Quit();
  const std::string text = Normalised(ReadSettings());
  EXPECT_NE(text.find("[Player 3]\n; kept by hand\nUser Name=Bob\nCredits=999\nMood=fine\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("Credits=12\n"), std::string::npos);
}

TEST_F(ProgramTest, JunkSettingsStartSafely) {
  std::string junk = "[Common Info]\nLastPlayer=99999999999\nXpos=123456789\nYpos=-5\n";
  for (int i = 0; i < 3000; ++i)
    junk += static_cast<char>((i * 31) % 256);
  junk += "\n[Player 1]\nCredits=" + std::string(100000, '9') + "\nJoker Num=7\nLevel=99\n";
  WriteSettings(junk);
  Start([](Window* dialog) { ClickDialogButton(dialog, kCancel); });
  EXPECT_TRUE(dialogOpened);  // LastPlayer out of range counts as no player
  EXPECT_NE(GetWindowRect(mainWindow).left, 123456789);  // no screen there
  EXPECT_EQ(deck.count, 52);
}

TEST_F(ProgramTest, TheTableShowsItsPanelsAndCardSlots) {
  WriteSettings("[Common Info]\nLastPlayer=1\n[Player 1]\nCredits=60\n");
  Start();
  const Image shot = Screenshot(mainWindow);
  ASSERT_EQ(shot.Width(), 544);
  ASSERT_EQ(shot.Height(), 436);
  shot.Save((dir / "table.png").string());
  EXPECT_EQ(shot.Pixel(223, 80), Rgb(0, 255, 0));  // the pile frame
  EXPECT_EQ(shot.Pixel(335, 11), Rgb(0, 0, 192));  // SPECIAL BONUS heading
  EXPECT_EQ(shot.Pixel(349, 95), Rgb(0, 0, 192));  // ace of spades tracker cell
  EXPECT_EQ(shot.Pixel(240, 60), Rgb(0, 128, 0));  // the empty pile: background only
  EXPECT_EQ(GetWindowRect(cardWindows[kPileWindow]), (Rect{232, 30, 312, 130}));
  for (int i = 0; i < kSelectButtons; ++i) {
    EXPECT_EQ(GetWindowRect(cardWindows[i]).left, 10 + 111 * i);
    EXPECT_EQ(GetWindowRect(selectButtons[i]), (Rect{10 + 111 * i, 280, 90 + 111 * i, 308}));
  }
  EXPECT_EQ(GetWindowRect(dealDrawButton), (Rect{454, 391, 534, 426}));
}

TEST_F(ProgramTest, AWiderClientMovesTheRightHandSideAndTheCardColumns) {
  WriteSettings("[Common Info]\nLastPlayer=1\n[Player 1]\nCredits=60\n");
  Start({}, 644);
  const int expected[] = {10, 146, 282, 418, 554};
  for (int i = 0; i < kSelectButtons; ++i) {
    EXPECT_EQ(GetWindowRect(cardWindows[i]).left, expected[i]);
  }
  EXPECT_EQ(GetWindowRect(cardWindows[kPileWindow]).left, 232);
  EXPECT_EQ(GetWindowRect(dealDrawButton), (Rect{554, 391, 634, 426}));
  EXPECT_EQ(GetWindowRect(collectButton).left, 242);
  EXPECT_EQ(GetWindowRect(quitButton).left, 10);
}

TEST_F(ProgramTest, ClosingWhileACardFliesSavesTheCreditsAndLeavesNothingBehind) {
  WriteSettings("[Common Info]\nLastPlayer=1\n[Player 1]\nCredits=60\nSound=0\n");
  Start();
  SendMessage(mainWindow, WM_COMMAND, 114, 0);
  AdvanceBy(1000);
  SendMessage(mainWindow, WM_COMMAND, 116, 0);
  AdvanceBy(2000);
  SendMessage(mainWindow, WM_COMMAND, 100, 0);  // the pile is empty: every card plays
  AdvanceBy(60);
  ASSERT_EQ(slideInProgress, 1);
  Quit();
  EXPECT_EQ(mainWindow, nullptr);
  EXPECT_EQ(slideInProgress, 0);
  EXPECT_NE(Normalised(ReadSettings()).find("Credits=59\n"), std::string::npos);
}

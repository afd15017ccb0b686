// The program from start-up to close as a person meets it: the players' file, the Select Player
// dialog over a window it keeps from taking input, the menu, the About box, the buttons' first
// states and the table it shows.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/main_window.h"
#include "core/game_state.h"
#include "core/messages.h"
#include "platform/controls.h"
#include "platform/events.h"
#include "platform/image.h"
#include "platform/menu.h"
#include "settings/select_player.h"
#include "tests/app/game_driver.h"
#include "tests/support/person.h"
#include "ui/card_window.h"
#include "ui/command_buttons.h"

using namespace platform;

TEST_F(ProgramTest, FirstStartRegistersTheTypedNameAndQuitSavesExactlyItsSections) {
  person::WhenModal([] {
    person::Click(GetDlgItem(person::ModalDialog(), kIdPlayerRadio1));
    person::Type("Zed");
    person::ClickModalButton("OK");
  });
  Start();
  EXPECT_EQ(std::tuple(GetWindowText(mainWindow), gameState.credits, GetFocus()),
            std::tuple("Quaxel? - [Zed]", 60, oneBetButton));
  EXPECT_FALSE(std::filesystem::exists(dir / "Quaxel.ini"));  // choosing a player writes nothing
  Quit();
  EXPECT_EQ(mainWindow, nullptr);
  EXPECT_EQ(ReadSettings(),
            "[Common Info]\nLastPlayer=1\nXpos=-2147483648\nYpos=-2147483648\n\n"
            "[Player 1]\nUser Name=Zed\nCredits=60\nSound=1\nLevel=3\nHint=0\n"
            "Joker Num=0\nColor=32768\n");
}

TEST_F(GameTest, WithoutAPlayerOnlyQuitIsEnabledAndNothingIsWritten) {
  Start();  // the person cancels the first-start dialog
  Check();  // no credits and no wager: nothing is enabled
  EXPECT_EQ(GetFocus(), quitButton);
  Quit();
  EXPECT_FALSE(std::filesystem::exists(dir / "Quaxel.ini"));
}

TEST_F(ProgramTest, BehindTheOpenDialogTheWindowTakesNoBetNoCloseAndNoSecondDialog) {
  StartAs("User Name=Ann\nCredits=57\n");
  person::Click(oneBetButton);
  ASSERT_EQ(gameState.credits, 56);
  int dialogs = 0;
  person::WhenModal([&] {
    ++dialogs;
    person::Click(oneBetButton);
    person::Click(quitButton);
    person::CloseBox(mainWindow);
    EXPECT_FALSE(person::ChooseMenu(mainWindow, kCmdSelectUser));
    RunUntilIdle();
    EXPECT_EQ(std::tuple(gameState.credits, gameState.bet, IsWindow(mainWindow)),
              std::tuple(56, 1, true));
    person::ClickModalButton("OK");
  });
  ASSERT_TRUE(person::ChooseMenu(mainWindow, kCmdSelectUser));
  EXPECT_EQ(dialogs, 1);
  // OK takes the player's credits as they were saved before the dialog: the wager stays out.
  EXPECT_EQ(std::tuple(gameState.credits, gameState.bet), std::tuple(56, 1));
  Quit();
  EXPECT_NE(ReadSettings().find("Credits=56\n"), std::string::npos);
}

TEST_F(ProgramTest, ChoosingTheChosenShuffleOrJokerKeepsItsMark) {
  StartAs("Level=3\nJoker Num=2\n");
  for (int id : {kCmdShuffle0 + 3, kCmdJoker0 + 2}) {
    person::ChooseMenu(mainWindow, id);
    EXPECT_TRUE(IsMenuItemChecked(mainWindow, id)) << id;
  }
  person::ChooseMenu(mainWindow, kCmdShuffle0 + 1);
  for (int level = 0; level < 6; ++level)
    EXPECT_EQ(IsMenuItemChecked(mainWindow, kCmdShuffle0 + level), level == 1);
}

TEST_F(ProgramTest, TheAboutBoxShowsTheTitleAndVersionAndOnlyOkOrEnterCloseIt) {
  StartAs("Credits=5\n");
  for (const char* how : {"Enter", "OK"}) {
    bool open = false;
    person::WhenModal([&] {
      Window* box = person::ModalDialog();
      EXPECT_EQ(person::ModalTitle(), "About Quaxel?");
      EXPECT_EQ(GetFocus(), GetDlgItem(box, 109));
      EXPECT_EQ(GetDlgItemText(box, 105, 63) + "|" + GetDlgItemText(box, 106, 63),
                "Quaxel?|Version 0.2.3b");
      EXPECT_NE(GetDlgItemText(box, 108, 200).find('\n'), std::string::npos);  // two lines
      person::Key("Escape");
      open = person::ModalTitle() == "About Quaxel?";
      std::string(how) == "Enter" ? person::Key("Return") : person::Click(GetDlgItem(box, 109));
    });
    EXPECT_TRUE(person::ChooseMenu(mainWindow, kCmdAbout));
    EXPECT_TRUE(open) << how;
    EXPECT_EQ(person::ModalTitle(), "") << how;
  }
}

TEST_F(GameTest, BackColorShowsOnTheScreenAndInTheCutCornersOfTheCards) {
  StartWith({});
  Bet(1);
  Act(dealDrawButton);
  person::WhenModal([] {
    person::ClickEditHolding("#008000");
    person::Key("Ctrl+A");
    person::Type("#204060");
    person::Key("Tab");
    person::ClickModalButton("OK");
  });
  person::ChooseMenu(mainWindow, kCmdBackColor);
  RunUntilIdle();
  const Image shot = Screenshot(mainWindow);
  const Rect card = GetWindowRect(cardWindows[0]);
  EXPECT_EQ(shot.Pixel(card.left, card.top), Rgb(0x20, 0x40, 0x60));
  EXPECT_EQ(shot.Pixel(card.right - 1, card.bottom - 1), Rgb(0x20, 0x40, 0x60));
  EXPECT_EQ(shot.Pixel(card.left + 1, card.top + 1), Rgb(0, 0, 0));  // the edge of the card
  // The new color reaches the screen everywhere, round the rounded buttons too.
  EXPECT_EQ(person::ScreenDifferences(mainWindow), 0);
}

TEST_F(ProgramTest, ASavedPositionOffEveryScreenBringsTheWholeWindowOntoOne) {
  WriteSettings("[Common Info]\nLastPlayer=1\nXpos=100000\nYpos=-3000\n[Player 1]\nCredits=5\n");
  Start();
  const Rect outer = GetWindowRect(mainWindow);
  EXPECT_GE(outer.left, 0);
  EXPECT_GE(outer.top, 0);
  EXPECT_LE(outer.right, 800);  // the headless screen
  EXPECT_LE(outer.bottom, 600);
}

TEST_F(ProgramTest, TheTableShowsItsPanelsAndCardSlots) {
  StartAs("Credits=60\n");
  const Image shot = Screenshot(mainWindow);
  ASSERT_EQ(shot.Width(), 544);
  ASSERT_EQ(shot.Height(), 436);
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

TEST_F(GameTest, ClosingWhileACardFliesSavesTheCreditsAndLeavesNothingBehind) {
  StartWith({});
  Bet(1);
  Act(dealDrawButton);
  person::Click(cardWindows[0]);  // the pile is empty: every card plays
  AdvanceBy(60);
  ASSERT_EQ(slideInProgress, 1);
  Quit();
  EXPECT_EQ(std::tuple(mainWindow, slideInProgress), std::tuple(nullptr, 0));
  EXPECT_NE(ReadSettings().find("Credits=99\n"), std::string::npos);
}

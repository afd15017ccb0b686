// The program from start-up to close as a person meets it: the players' file, the Select Player
// dialog over a window it keeps from taking input, the menu, the About box, the buttons' first
// states and the table it shows.
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "core/game_state.h"
#include "core/messages.h"
#include "platform/controls.h"
#include "platform/events.h"
#include "platform/image.h"
#include "platform/menu.h"
#include "tests/app/program_fixture.h"
#include "tests/support/person.h"
#include "ui/card_window.h"
#include "ui/command_buttons.h"

using namespace platform;

namespace {

constexpr int kOk = 112, kNewRegister = 114;

std::string Normalised(std::string text) {
  std::erase(text, '\r');
  return text;
}

}  // namespace

TEST_F(ProgramTest, FirstStartRegistersTheTypedNameAndQuitSavesExactlyItsSections) {
  Start([](Window* dialog) {
    EXPECT_TRUE(IsDlgButtonChecked(dialog, 116));
    for (int id : {117, 118, kNewRegister})
      EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, id)));
    person::Click(GetDlgItem(dialog, 116));
    person::Type("Zed");
    person::Click(GetDlgItem(dialog, kOk));
  });
  EXPECT_TRUE(dialogOpened);
  EXPECT_EQ(std::tuple(GetWindowText(mainWindow), gameState.credits, GetFocus()),
            std::tuple("Quaxel? - [Zed]", 60, oneBetButton));
  EXPECT_FALSE(SettingsExist());  // choosing a player writes nothing yet
  Quit();
  EXPECT_EQ(mainWindow, nullptr);
  EXPECT_EQ(Normalised(ReadSettings()),
            "[Common Info]\nLastPlayer=1\nXpos=-2147483648\nYpos=-2147483648\n\n"
            "[Player 1]\nUser Name=Zed\nCredits=60\nSound=1\nLevel=3\nHint=0\n"
            "Joker Num=0\nColor=32768\n");
}

TEST_F(ProgramTest, WithoutAPlayerOnlyQuitIsEnabledAndNothingIsWritten) {
  Start();  // the person cancels the first-start dialog
  for (Window* b : {collectButton, halfDoubleButton, oneBetButton, repeatBetButton, dealDrawButton})
    EXPECT_FALSE(IsWindowEnabled(b));
  for (int i = 0; i < kSelectButtons; ++i)
    EXPECT_FALSE(IsWindowEnabled(selectButtons[i]) || IsWindowEnabled(cardWindows[i]));
  EXPECT_EQ(GetFocus(), quitButton);
  Quit();
  EXPECT_FALSE(SettingsExist());
}

TEST_F(ProgramTest, BehindTheOpenDialogTheWindowTakesNoBetNoCloseAndNoSecondDialog) {
  WriteSettings("[Common Info]\nLastPlayer=1\n[Player 1]\nUser Name=Ann\nCredits=57\n");
  Start();
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
  EXPECT_NE(Normalised(ReadSettings()).find("Credits=56\n"), std::string::npos);
}

TEST_F(ProgramTest, AnotherPlayersCreditsThatCannotCoverRepeatBetDisableIt) {
  WriteSettings(
      "[Common Info]\nLastPlayer=1\n[Player 1]\nCredits=60\nSound=0\n"
      "[Player 2]\nUser Name=Bob\nCredits=2\n");
  Start();
  for (int coin = 0; coin < 6; ++coin)
    person::Click(oneBetButton);
  person::Click(dealDrawButton);
  AdvanceBy(2000);
  for (int played = 0; played < 60; ++played) {
    const auto playable = std::find_if(std::begin(selectButtons), std::end(selectButtons),
                                       [](Window* b) { return IsWindowEnabled(b); });
    if (playable == std::end(selectButtons)) break;
    person::Click(*playable);
    AdvanceBy(3000);
  }
  person::Click(oneBetButton);  // collects any win, then a wager of 1 on the table
  ASSERT_EQ(std::tuple(gameState.bet, gameState.lastBet), std::tuple(1, 6));
  person::WhenModal([] {
    person::Click(GetDlgItem(person::ModalDialog(), 117));
    person::ClickModalButton("OK");
  });
  person::ChooseMenu(mainWindow, kCmdSelectUser);
  ASSERT_EQ(gameState.credits, 2);
  EXPECT_FALSE(IsWindowEnabled(repeatBetButton));
  person::Click(repeatBetButton);
  EXPECT_GE(gameState.credits, 0);
}

TEST_F(ProgramTest, ChoosingTheChosenShuffleOrJokerKeepsItsMark) {
  WriteSettings("[Common Info]\nLastPlayer=1\n[Player 1]\nLevel=3\nJoker Num=2\n");
  Start();
  for (int id : {kCmdShuffle0 + 3, kCmdJoker0 + 2}) {
    person::ChooseMenu(mainWindow, id);
    EXPECT_TRUE(IsMenuItemChecked(mainWindow, id)) << id;
  }
  person::ChooseMenu(mainWindow, kCmdShuffle0 + 1);
  for (int level = 0; level < 6; ++level)
    EXPECT_EQ(IsMenuItemChecked(mainWindow, kCmdShuffle0 + level), level == 1);
}

TEST_F(ProgramTest, TheAboutBoxShowsTheTitleAndVersionAndOnlyOkOrEnterCloseIt) {
  WriteSettings("[Common Info]\nLastPlayer=1\n[Player 1]\nCredits=5\n");
  Start();
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
      if (std::string(how) == "Enter") {
        person::Key("Return");
      } else {
        person::Click(GetDlgItem(box, 109));
      }
    });
    EXPECT_TRUE(person::ChooseMenu(mainWindow, kCmdAbout));
    EXPECT_TRUE(open) << how;
    EXPECT_EQ(person::ModalTitle(), "") << how;
  }
}

TEST_F(ProgramTest, BackColorShowsOnTheScreenAndInTheCutCornersOfTheCards) {
  WriteSettings("[Common Info]\nLastPlayer=1\n[Player 1]\nCredits=60\nSound=0\nLevel=0\n");
  Start();
  person::Click(oneBetButton);
  person::Click(dealDrawButton);
  AdvanceBy(2000);
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

TEST_F(ProgramTest, ClosingWhileACardFliesSavesTheCreditsAndLeavesNothingBehind) {
  WriteSettings("[Common Info]\nLastPlayer=1\n[Player 1]\nCredits=60\nSound=0\n");
  Start();
  person::Click(oneBetButton);
  person::Click(dealDrawButton);
  AdvanceBy(2000);
  person::Click(cardWindows[0]);  // the pile is empty: every card plays
  AdvanceBy(60);
  ASSERT_EQ(slideInProgress, 1);
  Quit();
  EXPECT_EQ(mainWindow, nullptr);
  EXPECT_EQ(slideInProgress, 0);
  EXPECT_NE(Normalised(ReadSettings()).find("Credits=59\n"), std::string::npos);
}

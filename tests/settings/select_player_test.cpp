// The Select Player dialog driven headlessly: first start, choosing, naming, clearing credits and
// the ways out that choose nothing.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>

#include "core/messages.h"
#include "platform/controls.h"
#include "platform/dialog.h"
#include "settings/select_player.h"
#include "tests/support/window_fixture.h"

using namespace platform;

namespace {

class SelectPlayerTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    owner = MakeTopLevel(200, 100);
    SetSettingsPath("");
    block = {};
    LoadSettingsFile(block);  // no file: every default
  }
  void TearDown() override {
    SetDialogHook(nullptr);
    SetMessageBoxHook(nullptr);
    WindowTest::TearDown();
  }

  std::intptr_t Run(std::function<void(Window*)> act) {
    SetDialogHook(std::move(act));
    delivered.clear();
    return RunSelectPlayerDialog(owner, &block);
  }
  int ChosenMessages() const {
    int n = 0;
    for (const Delivered& d : delivered) {
      if (d.msg != MSG_PLAYER_CHOSEN) continue;
      EXPECT_EQ(d.wParam, 0u);
      EXPECT_EQ(d.lParam, reinterpret_cast<LParam>(&block));
      ++n;
    }
    return n;
  }
  static void Click(Window* dialog, int id) { EXPECT_TRUE(ClickButton(GetDlgItem(dialog, id))); }
  static bool Enabled(Window* dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)); }

  Window* owner = nullptr;
  SettingsBlock block;
};

}  // namespace

TEST_F(SelectPlayerTest, FirstStartOffersOnlyPlayerOneAndOkRegistersHim) {
  const std::intptr_t result = Run([](Window* dialog) {
    for (int id = kIdNameEdit1; id < kIdNameEdit1 + 3; ++id)
      EXPECT_EQ(GetDlgItemText(dialog, id, 100), "No Name");
    EXPECT_TRUE(IsDlgButtonChecked(dialog, kIdPlayerRadio1) && Enabled(dialog, kIdNameEdit1));
    for (int id : {kIdNameEdit1 + 1, kIdNameEdit1 + 2, kIdPlayerRadio1 + 1, kIdPlayerRadio1 + 2,
                   kIdNewRegister})
      EXPECT_FALSE(Enabled(dialog, id)) << id;
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog, kIdOk));
    SetDlgItemText(dialog, kIdNameEdit1, "Ann");
    Click(dialog, kIdOk);
  });
  EXPECT_EQ(std::tuple(result, ChosenMessages(), block.lastPlayer, UserNameOf(block.players[0]),
                       block.players[0].credits),
            std::tuple(1, 1, 1, "Ann", kNewPlayerCredits));
}

TEST_F(SelectPlayerTest, ChoosingAnotherRowKeepsHisCredits) {
  block.lastPlayer = 2;
  block.players[2].credits = 480;
  Run([](Window* dialog) {
    EXPECT_TRUE(IsDlgButtonChecked(dialog, kIdPlayerRadio1 + 1));
    Click(dialog, kIdPlayerRadio1 + 2);
    EXPECT_TRUE(IsDlgButtonChecked(dialog, kIdPlayerRadio1 + 2));
    EXPECT_FALSE(IsDlgButtonChecked(dialog, kIdPlayerRadio1 + 1));
    EXPECT_FALSE(Enabled(dialog, kIdNameEdit1 + 1));
    EXPECT_TRUE(Enabled(dialog, kIdNameEdit1 + 2));
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog, kIdNameEdit1 + 2));
    Click(dialog, kIdOk);
  });
  EXPECT_EQ(std::tuple(ChosenMessages(), block.lastPlayer, block.players[2].credits),
            std::tuple(1, 3, 480));
}

TEST_F(SelectPlayerTest, NamesAreCutToSixtyThreeBytesAndMayBeEmpty) {
  const std::string e = "\xC3\xA9";
  std::string accents;
  for (int i = 0; i < 40; ++i)
    accents += e;
  for (const auto& [typed, stored] : {std::pair{std::string(100, 'z'), std::string(63, 'z')},
                                      {accents, accents.substr(0, 62)},
                                      {std::string(), std::string()}}) {
    block.lastPlayer = 1;
    Run([&typed](Window* dialog) {
      SetDlgItemText(dialog, kIdNameEdit1, typed);
      Click(dialog, kIdOk);
    });
    EXPECT_EQ(UserNameOf(block.players[0]), stored);
  }
}

TEST_F(SelectPlayerTest, WaysOutThatChooseNothing) {
  const struct {
    const char* how;
    std::function<void(Window*)> leave;
    std::intptr_t result;  // 0: the dialog was never ended
  } cases[] = {
      {"Cancel", [](Window* d) { Click(d, kIdCancel); }, 1},
      {"close box", [](Window* d) { SendMessage(d, WM_CLOSE, 0, 0); }, 1},
      {"Escape", [](Window* d) { SendMessage(d, WM_COMMAND, IDCANCEL, 0); }, 0},
  };
  for (const auto& c : cases) {
    block.lastPlayer = 1;
    const std::intptr_t result = Run([&c](Window* dialog) {
      SetDlgItemText(dialog, kIdNameEdit1, "Typed");
      c.leave(dialog);
    });
    EXPECT_EQ(std::tuple(result, ChosenMessages(), UserNameOf(block.players[0])),
              std::tuple(c.result, 0, "No Name"))
        << c.how;
  }
}

TEST_F(SelectPlayerTest, NewRegisterAsksThenClearsCreditsOnYes) {
  for (const auto& [answer, credits] : {std::pair{IDYES, kNewPlayerCredits}, {IDNO, 5}}) {
    block.lastPlayer = 2;
    StoreUserName(block.players[1], "Bob");
    block.players[1].credits = 5;
    std::string asked;
    bool nameEditFocused = false;
    SetMessageBoxHook(
        [&, answer = answer](const std::string& text, const std::string& caption, unsigned type) {
          asked = text + "|" + caption + "|" + std::to_string(type);
          return answer;
        });
    Run([&nameEditFocused](Window* dialog) {
      SetDlgItemText(dialog, kIdNameEdit1 + 1, "Robert %s%n");
      SetFocus(GetDlgItem(dialog, kIdOk));
      Click(dialog, kIdNewRegister);
      nameEditFocused = GetFocus() == GetDlgItem(dialog, kIdNameEdit1 + 1);
      Click(dialog, kIdCancel);
    });
    EXPECT_EQ(asked, "Clear Data? Player 2 : Robert %s%n|Quaxel?|" +
                         std::to_string(MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(std::tuple(block.players[1].credits, nameEditFocused, UserNameOf(block.players[1]),
                         ChosenMessages()),
              std::tuple(credits, answer == IDYES, "Bob", 0));
  }
}

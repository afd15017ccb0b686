// The Select Player dialog as a person uses it: inside its modal loop, names typed as keys,
// buttons clicked, Enter and Escape pressed.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>

#include "core/messages.h"
#include "platform/controls.h"
#include "platform/dialog.h"
#include "settings/select_player.h"
#include "tests/support/person.h"
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

  // Opens the dialog and lets `act` play the person inside it; the dialog is found by its focus.
  std::intptr_t Run(std::function<void(Window* dialog)> act) {
    person::WhenModal([act] { act(person::ModalDialog()); });
    delivered.clear();
    return RunSelectPlayerDialog(owner, &block);
  }
  int ChosenMessages() const {
    int n = 0;
    for (const Delivered& d : delivered) {
      if (d.msg != MSG_PLAYER_CHOSEN) continue;
      EXPECT_EQ(std::pair(d.wParam, d.lParam),
                std::pair(WParam{0}, reinterpret_cast<LParam>(&block)));
      ++n;
    }
    return n;
  }
  static bool Enabled(Window* dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)); }
  // Clicks a player's row, which selects the whole name, and types over it.
  static void Rename(Window* dialog, int row, const std::string& name) {
    person::Click(GetDlgItem(dialog, kIdPlayerRadio1 + row - 1));
    person::Type(name);
  }

  Window* owner = nullptr;
  SettingsBlock block;
};

}  // namespace

TEST_F(SelectPlayerTest, FirstStartOffersOnlyPlayerOneAndTheTypedNameIsRegistered) {
  const std::intptr_t result = Run([](Window* dialog) {
    for (int id = kIdNameEdit1; id < kIdNameEdit1 + 3; ++id)
      EXPECT_EQ(GetDlgItemText(dialog, id, 100), "No Name");
    EXPECT_TRUE(IsDlgButtonChecked(dialog, kIdPlayerRadio1) && Enabled(dialog, kIdNameEdit1));
    for (int id : {kIdNameEdit1 + 1, kIdNameEdit1 + 2, kIdPlayerRadio1 + 1, kIdPlayerRadio1 + 2,
                   kIdNewRegister})
      EXPECT_FALSE(Enabled(dialog, id)) << id;
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog, kIdOk));
    Rename(dialog, 1, "Zed");
    person::Key("Return");  // in the edit: OK is the default button
  });
  EXPECT_EQ(std::tuple(result, ChosenMessages(), block.lastPlayer, UserNameOf(block.players[0]),
                       block.players[0].credits),
            std::tuple(1, 1, 1, "Zed", kNewPlayerCredits));
}

TEST_F(SelectPlayerTest, ChoosingAnotherRowKeepsHisCreditsAndNamesAreCutAtACharacter) {
  std::string accents;
  for (int i = 0; i < 40; ++i)
    accents += "\xC3\xA9";
  block.lastPlayer = 2;
  block.players[2].credits = 480;
  Run([&accents](Window* dialog) {
    EXPECT_TRUE(IsDlgButtonChecked(dialog, kIdPlayerRadio1 + 1));
    Rename(dialog, 3, accents);
    EXPECT_FALSE(IsDlgButtonChecked(dialog, kIdPlayerRadio1 + 1));
    EXPECT_FALSE(Enabled(dialog, kIdNameEdit1 + 1));
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog, kIdNameEdit1 + 2));
    person::Click(GetDlgItem(dialog, kIdOk));
  });
  EXPECT_EQ(std::tuple(ChosenMessages(), block.lastPlayer, block.players[2].credits,
                       UserNameOf(block.players[2])),
            std::tuple(1, 3, 480, accents.substr(0, 62)));
}

TEST_F(SelectPlayerTest, WaysOutThatChooseNothing) {
  const struct {
    const char* how;
    std::function<void(Window*)> leave;
  } cases[] = {
      {"Cancel", [](Window* d) { person::Click(GetDlgItem(d, kIdCancel)); }},
      {"close box", [](Window* d) { person::CloseBox(d); }},
  };
  for (const auto& c : cases) {
    block.lastPlayer = 1;
    const std::intptr_t result = Run([&c](Window* dialog) {
      Rename(dialog, 1, "Typed");
      person::Key("Escape");  // does nothing: the dialog stays open
      EXPECT_EQ(person::ModalTitle(), "Select Player");
      c.leave(dialog);
    });
    EXPECT_EQ(std::tuple(result, ChosenMessages(), UserNameOf(block.players[0])),
              std::tuple(1, 0, "No Name"))
        << c.how;
  }
}

TEST_F(SelectPlayerTest, NewRegisterAsksWithTheTypedNameThenClearsCreditsOnYes) {
  for (const auto& [answer, credits] : {std::pair{"Yes", kNewPlayerCredits}, {"No", 5}}) {
    block.lastPlayer = 2;
    StoreUserName(block.players[1], "Bob");
    block.players[1].credits = 5;
    std::string asked;
    bool nameEditFocused = false;
    Run([&, answer = answer](Window* dialog) {
      Rename(dialog, 2, "Robert %s%n");
      person::WhenModal([&] {
        asked = person::ModalTitle() + "|" + person::ModalText();
        person::ClickModalButton(answer);
      });
      person::Click(GetDlgItem(dialog, kIdNewRegister));
      nameEditFocused = GetFocus() == GetDlgItem(dialog, kIdNameEdit1 + 1);
      person::Click(GetDlgItem(dialog, kIdCancel));
    });
    EXPECT_EQ(asked, "Quaxel?|Clear Data? Player 2 : Robert %s%n");
    EXPECT_EQ(std::tuple(block.players[1].credits, nameEditFocused, UserNameOf(block.players[1]),
                         ChosenMessages()),
              std::tuple(credits, std::string(answer) == "Yes", "Bob", 0));
  }
}

// The toolkit's controls, owner-drawn buttons, menus and dialogs, reached as a person reaches
// them: clicks and keys through the window system, dialogs answered inside their modal loop.
#include <gtest/gtest.h>

#include "platform/controls.h"
#include "platform/dialog.h"
#include "platform/menu.h"
#include "tests/platform/canvas.h"
#include "tests/support/person.h"
#include "tests/support/window_fixture.h"

using namespace platform;

namespace {

class ControlsTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    parent = MakeTopLevel(300, 200);
    for (int i = 0; i < 3; ++i) {
      buttons[i] = CreateWindow("BUTTON", "B" + std::to_string(i),
                                WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 10 + 70 * i,
                                150, 60, 30, parent, 110 + i);
    }
    person::Settle();
    delivered.clear();
  }
  std::vector<int> Commands() const {
    std::vector<int> ids;
    for (const Delivered& d : delivered) {
      if (d.msg == WM_COMMAND) ids.push_back(LowWord(d.wParam));
    }
    return ids;
  }
  static DialogTemplate NameDialog() {
    DialogTemplate t;
    t.title = "Name";
    t.cx = 206;
    t.cy = 76;
    t.controls = {{"BUTTON", "OK", 112, 150, 5, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
                  {"EDIT", "", 119, 55, 25, 85, 12, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP}};
    return t;
  }

  Window* parent = nullptr;
  Window* buttons[3] = {};
};

}  // namespace

TEST_F(ControlsTest, ClicksAndEnterReachTheParentOnlyFromEnabledButtons) {
  person::Click(buttons[1]);
  SetFocus(buttons[2]);
  person::Key("Return");
  person::Key("Space");
  EnableWindow(buttons[0], false);
  person::Click(buttons[0]);
  EXPECT_EQ(Commands(), (std::vector<int>{111, 112, 112}));
  EXPECT_EQ(delivered.front().lParam, reinterpret_cast<LParam>(buttons[1]));
}

TEST_F(ControlsTest, ADisabledFocusedButtonKeepsTheFocusAndKeysDoNothingUntilItIsGivenAgain) {
  SetFocus(buttons[0]);
  EnableWindow(buttons[0], false);
  EXPECT_EQ(GetFocus(), buttons[0]);
  for (const char* key : {"Tab", "Return", "Backtab", "Space", "Left", "Right"})
    person::Key(key);
  EXPECT_EQ(Commands(), std::vector<int>{});
  EXPECT_EQ(GetFocus(), buttons[0]);
  EnableWindow(buttons[0], true);  // keys work again on the same button
  person::Key("Return");
  EXPECT_EQ(Commands(), std::vector<int>{110});
  EnableWindow(buttons[0], false);
  SetFocus(buttons[1]);  // the program gives the focus elsewhere
  person::Key("Space");
  EXPECT_EQ(Commands(), (std::vector<int>{110, 111}));
  person::Key("Tab");
  EXPECT_EQ(GetFocus(), buttons[2]);
}

TEST_F(ControlsTest, ButtonsShowTheirStateAndTheFocusOnlyInTheActiveWindow) {
  // A focused push button: a dotted black rectangle inside its face, plain to see.
  const auto blackOnFocusLine = [this] {
    const Image shot = Screenshot(parent);
    int black = 0;
    for (int x = 10 + 70 + 4; x < 10 + 70 + 55; ++x)
      black += shot.Pixel(x, 150 + 4) == Rgb(0, 0, 0);
    return black;
  };
  SetFocus(buttons[1]);
  EXPECT_GT(blackOnFocusLine(), 15);
  SetFocus(buttons[0]);
  EXPECT_EQ(blackOnFocusLine(), 0);

  Window* owned = CreateWindow("BUTTON", "DEAL/DRAW", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, 220, 10,
                               80, 35, parent, 116);
  std::vector<unsigned> states;
  onMessage = [&](Window*, unsigned msg, WParam wp, LParam lp) -> LResult {
    if (msg != WM_DRAWITEM) return 0;
    const auto& item = *reinterpret_cast<const DrawItemStruct*>(lp);
    EXPECT_EQ(std::pair(wp, item.rcItem), std::pair(WParam{116}, Rect{0, 0, 80, 35}));
    states.push_back(item.itemState);
    Brush* brush = CreateSolidBrush(Rgb(0, 200, 0));
    FillRect(item.dc, {2, 2, 78, 33}, brush);
    DeleteObject(brush);
    return 1;
  };
  EnableWindow(owned, false);
  EXPECT_EQ(Screenshot(parent).Pixel(250, 25), Rgb(0, 200, 0));
  EXPECT_EQ(states.back(), static_cast<unsigned>(ODS_DISABLED));
  EnableWindow(owned, true);
  SetFocus(owned);
  EXPECT_EQ(OwnerDrawState(owned), static_cast<unsigned>(ODS_FOCUS));
  // Another window takes the activation: the button keeps the focus it will get back, unseen.
  Window* other = MakeTopLevel(50, 50);
  person::Activate(other);
  EXPECT_EQ(GetFocus(), owned);
  EXPECT_EQ(OwnerDrawState(owned), 0u);
  SetFocus(buttons[1]);
  EXPECT_EQ(blackOnFocusLine(), 0);
}

TEST_F(ControlsTest, ChoosingAMarkedMenuItemLeavesTheMarkToTheProgram) {
  ASSERT_TRUE(SetMenu(parent, {{"S&huffle", 0, {{"0", 130, {}}, {"1", 131, {}}}}}));
  EXPECT_EQ(GetClientRect(parent), (Rect{0, 0, 300, 200}));  // the menu bar does not eat the client
  CheckMenuItem(parent, 131, true);
  EXPECT_TRUE(person::ChooseMenu(parent, 131));
  EXPECT_TRUE(IsMenuItemChecked(parent, 131));
  EXPECT_TRUE(person::ChooseMenu(parent, 130));
  EXPECT_FALSE(IsMenuItemChecked(parent, 130));
  EXPECT_EQ(Commands(), (std::vector<int>{131, 130}));
}

TEST_F(ControlsTest, ADialogIsModalCentredAndReadsWhatWasTyped) {
  std::string typed;
  std::vector<unsigned> seen;
  LParam initParam = 0;
  auto proc = [&](Window* dialog, unsigned msg, WParam wp, LParam lp) -> LResult {
    seen.push_back(msg);
    if (msg == WM_INITDIALOG) {
      initParam = lp;
      SetDlgItemText(dialog, 119, "No Name");
      return 1;
    }
    if (msg == WM_COMMAND && LowWord(wp) == 112) {
      typed = GetDlgItemText(dialog, 119, 63);
      EndDialog(dialog, 42);
      return 1;
    }
    return 0;
  };
  person::WhenModal([&] {
    EXPECT_EQ(person::ModalTitle(), "Name");
    Window* dialog = person::ModalDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog, 112));  // the first enabled tab stop
    const Rect outer = GetWindowRect(dialog), under = GetWindowRect(parent);
    EXPECT_NEAR((outer.left + outer.right) / 2, (under.left + under.right) / 2, 2);
    EXPECT_NEAR((outer.top + outer.bottom) / 2, (under.top + under.bottom) / 2, 30);
    person::Click(buttons[0]);  // the owner takes no input meanwhile
    person::CloseBox(parent);
    person::Key("Escape");     // unhandled cancel: the dialog stays
    person::CloseBox(dialog);  // unhandled close: the same
    EXPECT_TRUE(IsWindow(dialog));
    person::Click(GetDlgItem(dialog, 119));
    person::Key("Ctrl+A");
    person::Type("Zoë");
    person::Key("Return");  // the default button
  });
  EXPECT_EQ(DialogBoxParam(NameDialog(), parent, proc, 1234), 42);
  EXPECT_EQ(std::tuple(initParam, typed, Commands()),
            std::tuple(LParam{1234}, "Zoë", std::vector<int>{}));
  EXPECT_NE(std::find(seen.begin(), seen.end(), WM_CLOSE), seen.end());
}

TEST_F(ControlsTest, DestroyingTheOwnerEndsItsOpenDialogs) {
  bool ended = false;
  person::WhenModal([&] {
    person::WhenModal([&] { DestroyWindow(parent); });
    MessageBox(parent, "Clear Data?", "Quaxel?", MB_YESNO | MB_ICONQUESTION);
    ended = true;
  });
  EXPECT_EQ(
      DialogBoxParam(
          NameDialog(), parent, [](Window*, unsigned, WParam, LParam) -> LResult { return 0; }, 0),
      0);
  EXPECT_TRUE(ended);
  EXPECT_FALSE(IsWindow(parent));
}

TEST_F(ControlsTest, TheColorChooserAnswersInItsOwnLoopAndTheCustomColorsAreTheCallers) {
  Color custom[16] = {};
  custom[15] = Rgb(9, 9, 9);
  Color color = Rgb(0, 128, 0);
  for (const bool confirm : {false, true}) {
    person::WhenModal([confirm] {
      ASSERT_TRUE(person::ClickEditHolding("#008000"));  // starts on the current color
      person::Key("Ctrl+A");
      person::Type("#010203");
      person::Key("Tab");
      person::ClickModalButton("Add to Custom Colors");
      person::ClickModalButton(confirm ? "OK" : "Cancel");
    });
    EXPECT_EQ(ChooseColor(parent, &color, custom), confirm);
    EXPECT_EQ(color, confirm ? Rgb(1, 2, 3) : Rgb(0, 128, 0));
  }
  // The custom colors are the caller's: what the chooser added, and what it was given.
  EXPECT_EQ(std::pair(custom[0], custom[15]), std::pair(Rgb(1, 2, 3), Rgb(9, 9, 9)));
}

TEST(ButtonFaceTest, FacesAndFocusRectanglesHaveTheirShape) {
  Canvas canvas(40, 30);
  Dc* dc = canvas.dc();
  const Rect r{0, 0, 40, 30};
  ASSERT_TRUE(DrawFrameControl(dc, r, DFC_BUTTON, DFCS_BUTTONPUSH));
  EXPECT_EQ(canvas.At(0, 0), GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(canvas.At(39, 29), GetSysColor(COLOR_3DDKSHADOW));
  EXPECT_EQ(canvas.At(20, 15), GetSysColor(COLOR_BTNFACE));
  ASSERT_TRUE(DrawFrameControl(dc, r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED));
  EXPECT_EQ(canvas.At(0, 0), GetSysColor(COLOR_3DDKSHADOW));  // sunken: dark on the top left
  EXPECT_EQ(canvas.At(39, 29), GetSysColor(COLOR_BTNHIGHLIGHT));

  ASSERT_TRUE(DrawFocusRect(dc, {4, 4, 36, 26}));
  const Color face = GetSysColor(COLOR_BTNFACE);
  EXPECT_EQ(canvas.At(4, 4), face ^ 0x00FFFFFF);
  EXPECT_EQ(canvas.At(5, 4), face);
  EXPECT_EQ(canvas.At(20, 15), face);
  DrawFocusRect(dc, {4, 4, 36, 26});  // drawing it twice takes it away
  EXPECT_EQ(canvas.At(4, 4), face);
}

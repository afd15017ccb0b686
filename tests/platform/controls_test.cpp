// The toolkit's controls, owner-drawn buttons, menus and template dialogs as the program sees them.
#include <gtest/gtest.h>

#include "platform/controls.h"
#include "platform/dialog.h"
#include "platform/menu.h"
#include "tests/support/window_fixture.h"

using namespace platform;

namespace {

std::vector<Delivered> Commands(const std::vector<Delivered>& all) {
  std::vector<Delivered> out;
  for (const Delivered& d : all) {
    if (d.msg == WM_COMMAND || d.msg == WM_DRAWITEM) out.push_back(d);
  }
  return out;
}

}  // namespace

TEST_F(WindowTest, ButtonClicksReachTheParentAsCommands) {
  Window* parent = MakeTopLevel(200, 100);
  Window* button = CreateWindow("BUTTON", "QUIT", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 68,
                                35, parent, 110);
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(GetWindowText(button), "QUIT");
  delivered.clear();
  EXPECT_TRUE(ClickButton(button));
  auto commands = Commands(delivered);
  ASSERT_EQ(commands.size(), 1u);
  EXPECT_EQ(commands[0].wParam, 110u);  // BN_CLICKED in the high word is 0
  EXPECT_EQ(commands[0].lParam, reinterpret_cast<LParam>(button));

  EnableWindow(button, false);
  delivered.clear();
  EXPECT_FALSE(ClickButton(button));  // a disabled button takes no click
  EXPECT_TRUE(Commands(delivered).empty());
}

TEST_F(WindowTest, OwnerDrawnButtonsArePaintedByTheirParentWithTheirState) {
  Window* parent = MakeTopLevel(200, 100);
  Window* button = CreateWindow("BUTTON", "DEAL/DRAW", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, 10, 10,
                                80, 35, parent, 116);
  std::vector<unsigned> states;
  onMessage = [&](Window*, unsigned msg, WParam wp, LParam lp) -> LResult {
    if (msg != WM_DRAWITEM) return 0;
    const auto& item = *reinterpret_cast<const DrawItemStruct*>(lp);
    EXPECT_EQ(wp, 116u);
    EXPECT_EQ(item.rcItem, (Rect{0, 0, 80, 35}));
    states.push_back(item.itemState);
    Brush* brush = CreateSolidBrush(Rgb(0, 200, 0));
    FillRect(item.dc, {2, 2, 78, 33}, brush);
    DeleteObject(brush);
    return 1;
  };
  EnableWindow(button, false);
  const Image shot = Screenshot(parent);  // grabbing the control makes it paint
  ASSERT_FALSE(states.empty());
  EXPECT_EQ(states.back(), static_cast<unsigned>(ODS_DISABLED));
  EXPECT_EQ(shot.Pixel(50, 25), Rgb(0, 200, 0));
  EnableWindow(button, true);
  SetFocus(button);
  Screenshot(parent);
  EXPECT_EQ(states.back(), static_cast<unsigned>(ODS_FOCUS));
}

TEST_F(WindowTest, FocusMovesAmongControlsAndIsReported) {
  Window* parent = MakeTopLevel(200, 100);
  Window* a =
      CreateWindow("BUTTON", "A", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 50, 20, parent, 1);
  Window* b =
      CreateWindow("BUTTON", "B", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 60, 0, 50, 20, parent, 2);
  SetFocus(b);
  EXPECT_EQ(GetFocus(), b);
  EXPECT_EQ(SetFocus(a), b);
  EXPECT_EQ(GetFocus(), a);
  EXPECT_NE(OwnerDrawState(a) & ODS_FOCUS, 0u);
}

TEST_F(WindowTest, MenusSendTheirIdsAndKeepCheckMarks) {
  Window* w = MakeTopLevel(100, 50);
  ASSERT_TRUE(SetMenu(
      w,
      {{"&Option", 0, {{"&Sound", 121, {}}, {"S&huffle", 0, {{"0", 130, {}}, {"1", 131, {}}}}}}}));
  EXPECT_TRUE(MenuItemExists(w, 131));
  EXPECT_FALSE(MenuItemExists(w, 999));
  EXPECT_EQ(GetClientRect(w), (Rect{0, 0, 100, 50}));  // the menu bar does not eat the client
  delivered.clear();
  EXPECT_TRUE(ChooseMenuItem(w, 131));
  auto commands = Commands(delivered);
  ASSERT_EQ(commands.size(), 1u);
  EXPECT_EQ(commands[0].wParam, 131u);
  EXPECT_FALSE(IsMenuItemChecked(w, 121));
  CheckMenuItem(w, 121, true);
  EXPECT_TRUE(IsMenuItemChecked(w, 121));
  CheckMenuItem(w, 121, false);
  EXPECT_FALSE(IsMenuItemChecked(w, 121));
}

TEST_F(WindowTest, TemplateDialogsRunTheirProcedureAndReturnTheEndResult) {
  Window* owner = MakeTopLevel(300, 200);
  DialogTemplate t;
  t.title = "Select Player";
  t.cx = 206;
  t.cy = 76;
  t.controls = {{"STATIC", "Input Player's Name", 111, 5, 5, 130, 10, 0},
                {"BUTTON", "OK", 112, 150, 5, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
                {"EDIT", "", 119, 55, 25, 85, 12, ES_AUTOHSCROLL | WS_BORDER | WS_DISABLED},
                {"BUTTON", "Player 1", 116, 10, 25, 40, 10, BS_AUTORADIOBUTTON},
                {"BUTTON", "Player 2", 117, 10, 40, 40, 10, BS_AUTORADIOBUTTON}};
  std::vector<unsigned> seen;
  LParam initParam = 0;
  auto proc = [&](Window* dialog, unsigned msg, WParam wp, LParam lp) -> LResult {
    seen.push_back(msg);
    if (msg == WM_INITDIALOG) {
      initParam = lp;
      SetDlgItemText(dialog, 119, "No Name");
      CheckRadioButton(dialog, 116, 117, 117);
      return 1;
    }
    if (msg == WM_COMMAND && LowWord(wp) == 112) {
      EndDialog(dialog, 42);
      return 1;
    }
    return 0;
  };
  Window* seenDialog = nullptr;
  SetDialogHook([&](Window* dialog) {
    seenDialog = dialog;
    EXPECT_EQ(GetWindowText(dialog), "Select Player");
    EXPECT_EQ(GetDlgItemText(dialog, 119, 63), "No Name");
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, 119)));
    EXPECT_TRUE(IsDlgButtonChecked(dialog, 117));
    EXPECT_FALSE(IsDlgButtonChecked(dialog, 116));
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog, 112));  // the first enabled tab stop
    const Rect ok = GetWindowRect(GetDlgItem(dialog, 112));
    EXPECT_EQ(ok, MapDialogRect(dialog, {150, 5, 200, 19}));
    EXPECT_GT(ok.Width(), 50);            // dialog units are larger than pixels at this font
    SendMessage(dialog, WM_CLOSE, 0, 0);  // unhandled: becomes IDCANCEL, which stays open
    EXPECT_TRUE(IsWindow(dialog));
    ClickButton(GetDlgItem(dialog, 112));
  });
  EXPECT_EQ(DialogBoxParam(t, owner, proc, 1234), 42);
  SetDialogHook(nullptr);
  EXPECT_EQ(initParam, 1234);
  EXPECT_FALSE(IsWindow(seenDialog));
  EXPECT_NE(std::find(seen.begin(), seen.end(), WM_CLOSE), seen.end());
}

TEST_F(WindowTest, MessageBoxAndColourChooserCanBeAnsweredByTests) {
  SetMessageBoxHook([](const std::string& text, const std::string& caption, unsigned type) {
    EXPECT_EQ(text, "Clear Data?");
    EXPECT_EQ(caption, "Quaxel?");
    EXPECT_EQ(type, MB_YESNO | MB_ICONQUESTION);
    return IDYES;
  });
  EXPECT_EQ(MessageBox(nullptr, "Clear Data?", "Quaxel?", MB_YESNO | MB_ICONQUESTION), IDYES);
  SetMessageBoxHook(nullptr);
  SetChooseColorHook([](Color* c) {
    *c = Rgb(1, 2, 3);
    return true;
  });
  Color color = 0;
  EXPECT_TRUE(ChooseColor(nullptr, &color, nullptr));
  EXPECT_EQ(color, Rgb(1, 2, 3));
  SetChooseColorHook(nullptr);
}

TEST(ButtonFaceTest, FacesAndFocusRectanglesHaveTheirShape) {
  Dc* dc = CreateCompatibleDC(nullptr);
  Bitmap* bitmap = CreateCompatibleBitmap(dc, 40, 30);
  GdiObject* old = SelectObject(dc, bitmap);
  const Rect r{0, 0, 40, 30};
  ASSERT_TRUE(DrawFrameControl(dc, r, DFC_BUTTON, DFCS_BUTTONPUSH));
  EXPECT_EQ(GetPixel(dc, 0, 0), GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(GetPixel(dc, 39, 29), GetSysColor(COLOR_3DDKSHADOW));
  EXPECT_EQ(GetPixel(dc, 20, 15), GetSysColor(COLOR_BTNFACE));
  ASSERT_TRUE(DrawFrameControl(dc, r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED));
  EXPECT_EQ(GetPixel(dc, 0, 0), GetSysColor(COLOR_3DDKSHADOW));  // sunken: dark on the top left
  EXPECT_EQ(GetPixel(dc, 39, 29), GetSysColor(COLOR_BTNHIGHLIGHT));

  ASSERT_TRUE(DrawFocusRect(dc, {4, 4, 36, 26}));
  const Color face = GetSysColor(COLOR_BTNFACE);
  EXPECT_EQ(GetPixel(dc, 4, 4), face ^ 0x00FFFFFF);
  EXPECT_EQ(GetPixel(dc, 5, 4), face);
  EXPECT_EQ(GetPixel(dc, 20, 15), face);
  DrawFocusRect(dc, {4, 4, 36, 26});  // drawing it twice takes it away
  EXPECT_EQ(GetPixel(dc, 4, 4), face);
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
}

#include "settings/about_box.h"

#include <cstdio>
#include <string>

#include "core/pictures.h"
#include "platform/controls.h"

using platform::LParam;
using platform::LResult;
using platform::Window;
using platform::WParam;

namespace {

// The project's version, set by the build (CMakeLists.txt at the top).
constexpr const char* kAboutVersion = "Version " QUAXEL_VERSION_TEXT;

struct AboutState {
  const std::string* title = nullptr;
  const platform::LogFont* titleFont = nullptr;
};

void InitAbout(Window* box, const AboutState& state) {
  platform::SetDlgItemText(box, kIdAboutTitle, *state.title);
  // The control keeps its own copy of the font.
  platform::Font* font = platform::CreateFontIndirect(*state.titleFont);
  platform::SetWindowFont(platform::GetDlgItem(box, kIdAboutTitle), font, true);
  platform::DeleteObject(font);
  platform::SetDlgItemText(box, kIdAboutVersion, kAboutVersion);
  platform::SetDlgItemText(box, kIdAboutCopyright, kAboutCopyright);
  char contacts[160];
  std::snprintf(contacts, sizeof contacts, "%s\r\n%s", kAboutContact1, kAboutContact2);
  platform::SetDlgItemText(box, kIdAboutContacts, contacts);
  platform::SetFocus(platform::GetDlgItem(box, kIdAboutOk));
}

}  // namespace

platform::DialogTemplate AboutBoxTemplate() {
  using namespace platform;
  DialogTemplate t;
  t.title = "About Quaxel?";
  t.fontFace = "Arial";
  t.pointSize = 9;
  t.cx = 126;
  t.cy = 93;
  t.controls = {
      {"STATIC", std::to_string(kIconPicture), kIdAboutIcon, 5, 5, 20, 20, SS_ICON},
      {"STATIC", "Title", kIdAboutTitle, 35, 5, 55, 15, SS_CENTER},
      {"STATIC", "Version", kIdAboutVersion, 35, 20, 55, 8, SS_CENTER},
      {"STATIC", "Copyright", kIdAboutCopyright, 5, 35, 115, 8, SS_CENTER},
      {"EDIT", "", kIdAboutContacts, 15, 50, 95, 18, ES_MULTILINE | ES_READONLY | WS_BORDER},
      {"BUTTON", "OK", kIdAboutOk, 35, 75, 50, 13, BS_PUSHBUTTON | WS_TABSTOP},
  };
  return t;
}

std::intptr_t RunAboutBox(Window* owner, const std::string& title,
                          const platform::LogFont& titleFont) {
  AboutState state{&title, &titleFont};
  return platform::DialogBoxParam(
      AboutBoxTemplate(), owner,
      [&state](Window* box, unsigned msg, WParam wParam, LParam) -> LResult {
        if (msg == platform::WM_INITDIALOG) {
          InitAbout(box, state);
          return 1;
        }
        // OK and the close box close it; Escape's cancel command does not.
        const bool ok = msg == platform::WM_COMMAND && platform::LowWord(wParam) == kIdAboutOk;
        if (ok || msg == platform::WM_CLOSE) {
          platform::EndDialog(box, 1);
          return 1;
        }
        return 0;
      },
      0);
}

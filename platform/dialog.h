#pragma once
// Modal dialogs built from templates in dialog units, message boxes and the color chooser.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/types.h"

namespace platform {

class Window;

enum : unsigned { WM_INITDIALOG = 0x0110 };
enum : int { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };

struct DialogControl {
  std::string className;  // "BUTTON", "STATIC" or "EDIT"
  std::string text;
  int id = 0;
  int x = 0, y = 0, cx = 0, cy = 0;  // dialog units
  unsigned style = 0;                // control style | WS_TABSTOP | WS_DISABLED | WS_BORDER
};

struct DialogTemplate {
  std::string title;
  std::string fontFace = "Arial";
  int pointSize = 9;
  int cx = 0, cy = 0;  // dialog units
  std::vector<DialogControl> controls;
};

// The dialog's handler: answers non-zero for a message it handled. WM_INITDIALOG gets the caller's
// parameter in lParam; answering non-zero gives the focus to the first enabled tab-stop control.
// An unhandled WM_CLOSE (the close box) becomes WM_COMMAND IDCANCEL; Escape sends IDCANCEL and
// Enter the default button's command.
using DialogProc = std::function<LResult(Window* dialog, unsigned msg, WParam, LParam)>;

// Runs the dialog modally over its owner; returns what EndDialog was given, -1 on failure.
std::intptr_t DialogBoxParam(const DialogTemplate& dialogTemplate, Window* owner, DialogProc proc,
                             LParam param);
bool EndDialog(Window* dialog, std::intptr_t result);
// Pixels of a rectangle in dialog units, for this dialog's font.
Rect MapDialogRect(Window* dialog, const Rect& units);

enum : unsigned { MB_OK = 0x0, MB_YESNO = 0x4, MB_ICONQUESTION = 0x20 };
int MessageBox(Window* owner, const std::string& text, const std::string& caption, unsigned type);

// Offers a color starting from `color`, with 16 custom colors kept by the caller; true when the
// user confirmed one.
bool ChooseColor(Window* owner, Color* color, Color customColors[16]);

}  // namespace platform

#pragma once
// The toolkit's own controls as child windows of the predefined classes "BUTTON", "STATIC" and
// "EDIT", the owner-drawn button protocol, and the drawing of standard button faces.

#include <string>

#include "platform/gdi.h"
#include "platform/types.h"

namespace platform {

class Window;

// Control styles (the low bits of the window style).
inline constexpr unsigned BS_PUSHBUTTON = 0x0;
inline constexpr unsigned BS_DEFPUSHBUTTON = 0x1;
inline constexpr unsigned BS_GROUPBOX = 0x7;
inline constexpr unsigned BS_AUTORADIOBUTTON = 0x9;
inline constexpr unsigned BS_OWNERDRAW = 0xB;
inline constexpr unsigned SS_LEFT = 0x0;
inline constexpr unsigned SS_CENTER = 0x1;
inline constexpr unsigned SS_ICON = 0x3;  // the text is the number of an icon resource
inline constexpr unsigned ES_MULTILINE = 0x4;
inline constexpr unsigned ES_AUTOHSCROLL = 0x80;
inline constexpr unsigned ES_READONLY = 0x800;

// A click on a button reaches its parent as WM_COMMAND with wParam = id | (BN_CLICKED << 16) and
// lParam = the button's window handle.
enum : unsigned { BN_CLICKED = 0 };

// WM_DRAWITEM (wParam = control id, lParam = address of this record) asks the parent of an
// owner-drawn button to paint it.
enum : unsigned { ODT_BUTTON = 4, ODA_DRAWENTIRE = 1 };
enum : unsigned { ODS_SELECTED = 0x0001, ODS_DISABLED = 0x0004, ODS_FOCUS = 0x0010 };
struct DrawItemStruct {
  unsigned ctlType = ODT_BUTTON;
  unsigned ctlId = 0;
  unsigned itemAction = ODA_DRAWENTIRE;
  unsigned itemState = 0;
  Window* item = nullptr;
  Dc* dc = nullptr;
  Rect rcItem;
};

// Gives a control a font (the control keeps its own copy; the font may be deleted afterwards).
bool SetWindowFont(Window* control, Font* font, bool redraw);

// Buttons and edits of a dialog or window, by id.
bool CheckRadioButton(Window* parent, int firstId, int lastId, int checkId);
bool IsDlgButtonChecked(Window* parent, int id);
bool SetDlgItemText(Window* parent, int id, const std::string& text);
// At most maxChars characters of the control's text.
std::string GetDlgItemText(Window* parent, int id, std::size_t maxChars);
bool SelectAllText(Window* edit);
// The state flags an owner-drawn button is painted with now.
unsigned OwnerDrawState(Window* button);

enum : unsigned {
  DFC_BUTTON = 4,
  DFCS_BUTTONPUSH = 0x0010,
  DFCS_INACTIVE = 0x0100,
  DFCS_PUSHED = 0x0200,
};
// A standard push-button face in the rectangle: raised, pushed (sunken) or inactive.
bool DrawFrameControl(Dc* dc, const Rect& rect, unsigned type, unsigned state);
// The dotted focus rectangle, drawn by inverting every other pixel of the outline.
bool DrawFocusRect(Dc* dc, const Rect& rect);

enum : int {
  COLOR_BTNFACE = 15,
  COLOR_BTNSHADOW = 16,
  COLOR_BTNTEXT = 18,
  COLOR_BTNHIGHLIGHT = 20,
  COLOR_3DDKSHADOW = 21,
  COLOR_3DLIGHT = 22,
};
Color GetSysColor(int index);

}  // namespace platform

#pragma once
// Windows: classes with a handler and a background brush, top-level and child windows with
// retained surfaces, invalidation, painting and input state. The message queue and timers that
// deliver to them are in platform/events.h.

#include <functional>
#include <string>

#include "platform/types.h"

namespace platform {

class Window;  // opaque handle; lives from CreateWindow to DestroyWindow
class Image;

using WindowProc = std::function<LResult(Window*, unsigned msg, WParam, LParam)>;

struct WindowClass {
  std::string name;
  WindowProc proc;
  Color background = Rgb(255, 255, 255);  // solid brush that erases the window
};

bool RegisterClass(const WindowClass& windowClass);
bool UnregisterClass(const std::string& name);
bool IsClassRegistered(const std::string& name);
// Replaces the background brush of a class (and of every window of it).
bool SetClassBackground(const std::string& name, Color background);

// Window styles.
inline constexpr unsigned WS_CHILD = 0x4000'0000;
inline constexpr unsigned WS_VISIBLE = 0x1000'0000;
inline constexpr unsigned WS_DISABLED = 0x0800'0000;
inline constexpr unsigned WS_TABSTOP = 0x0001'0000;
inline constexpr unsigned WS_BORDER = 0x0080'0000;
inline constexpr unsigned WS_DIALOG =
    0x0000'8000;  // a top-level window that is a modal dialog of its `parent` (owner)

// Creates a window of a registered class. A top-level window (no parent) gets a client area of
// width x height (below its menu bar, if it gets one) and its origin (GetWindowOrigin) at (x, y)
// on the desktop, moved so that the whole window is on a screen when it would not fit there when
// shown; where the desktop puts it when x or y is kDefaultPosition. A
// child is placed at (x, y) in its parent's client area. The class handler receives WM_CREATE
// before this returns; a handler answering -1 makes creation fail.
constexpr int kDefaultPosition = static_cast<int>(0x8000'0000);
Window* CreateWindow(const std::string& className, const std::string& title, unsigned style, int x,
                     int y, int width, int height, Window* parent, int id);
// Sends WM_DESTROY, drops the window's timers and posted messages, and frees it and its children.
bool DestroyWindow(Window* window);
bool IsWindow(Window* window);

Window* GetParent(Window* window);  // for a dialog, its owner
Window* GetDlgItem(Window* parent, int id);
std::string GetClassName(Window* window);

bool SetWindowText(Window* window, const std::string& text);
std::string GetWindowText(Window* window);

enum : int { SW_HIDE = 0, SW_SHOW = 5, SW_MINIMIZE = 6, SW_RESTORE = 9 };
// Returns whether the window was visible before.
bool ShowWindow(Window* window, int command);
bool IsWindowVisible(Window* window);            // its own flag and every ancestor's
bool EnableWindow(Window* window, bool enable);  // returns whether it was disabled before
bool IsWindowEnabled(Window* window);

Rect GetClientRect(Window* window);  // (0, 0, width, height)
// The window's rectangle in its parent's client coordinates; for a top-level window its outer
// rectangle on the desktop, frame included.
Rect GetWindowRect(Window* window);
// Where CreateWindow's x and y put the window: for a top-level window the top left corner inside
// its frame (of the menu bar, where it has one), on the desktop.
Point GetWindowOrigin(Window* window);
// Moves and sizes a window. With repaint, the area it leaves is invalidated (erased) in the parent
// and the window repaints at once. Without, nothing is repainted: the screen keeps showing what it
// showed, the moved window's old pixels stay where they were and its new place keeps the picture
// that was there before.
bool MoveWindow(Window* window, int x, int y, int width, int height, bool repaint);
// The icon of a top-level window, from the icon resource with that number.
bool SetWindowIcon(Window* window, int resourceId);

Window* SetFocus(Window* window);  // returns the window that had the focus
Window* GetFocus();
Window* SetCapture(Window* window);
bool ReleaseCapture();
Window* GetCapture();

// Marks a rectangle (the whole client area when rect is null) for repainting. With erase, the
// next paint first fills the invalid region with the class background.
bool InvalidateRect(Window* window, const Rect* rect, bool erase);
bool ValidateRect(Window* window, const Rect* rect);
// The bounding box of the invalid region; false when nothing is invalid.
bool GetUpdateRect(Window* window, Rect* rect);
// Paints the window at once (a sent WM_PAINT) if any part of it is invalid.
bool UpdateWindow(Window* window);

LResult DefWindowProc(Window* window, unsigned msg, WParam wParam, LParam lParam);

// --- Screens -------------------------------------------------------------------------------------

// What the window shows, with its visible children composed over it.
Image Screenshot(Window* window);

}  // namespace platform

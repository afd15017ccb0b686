#pragma once
// Acts on the program the way a person does: clicks and keys go through the window system's input
// path (so a window behind a modal dialog never gets them, and keys reach whatever has the focus),
// menus are chosen as the menu chooses, and dialogs are answered from inside their own modal loop.

#include <functional>
#include <string>

namespace platform {
class Window;
}

namespace person {

// A left click at the centre of a window (a button, a card window).
void Click(platform::Window* window);
// Keys pressed and released in the active window, delivered to its focus: "Return", "Space",
// "Tab", "Backtab", "Left", "Right", "Up", "Down", "Escape", a single character, or "Ctrl+" and
// a letter.
void Key(const std::string& key);
// Text typed key by key into the focus.
void Type(const std::string& text);
// Chooses a menu item of the window by id, as a click in the open menu does.
bool ChooseMenu(platform::Window* window, int id);
// Brings a top-level window to the front and waits until it is the active one.
void Activate(platform::Window* window);
// Asks the window's frame to close, as its close box or Alt+F4 does.
void CloseBox(platform::Window* window);

// Runs `act` once the next modal window has opened and its loop runs (acts queue up in order).
void WhenModal(std::function<void()> act);
// Drops the acts that found no modal window to act in.
void ForgetPendingActs();
// The dialog on top when it is one of the program's own, else null.
platform::Window* ModalDialog();
// The title of the modal window on top, or "" when none is open.
std::string ModalTitle();
// The text of the message box on top, or "".
std::string ModalText();
// Clicks the push button labelled `text` (mnemonics ignored) in the modal window on top.
bool ClickModalButton(const std::string& text);
// Clicks the line edit of the modal window on top that holds exactly `text`.
bool ClickEditHolding(const std::string& text);
// Lets the window system deliver what is pending.
void Settle();
// Pixels of the window's client area that the screen, as the toolkit has it for the display, shows
// otherwise than the window's surfaces and controls make them: what a person sees, against what
// the program drew.
int ScreenDifferences(platform::Window* window);

}  // namespace person

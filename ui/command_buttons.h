#pragma once
// The command buttons of the main window: five SELECT buttons under the hand, QUIT and the five
// betting and play buttons. Made when the window's contents are built; the game flow enables
// them and gives them the focus.

#include "platform/window.h"

// The command buttons of the main window, made when its contents are built.
inline constexpr int kSelectButtons = 5;
extern platform::Window* selectButtons[kSelectButtons];
extern platform::Window* quitButton;
extern platform::Window* collectButton;
extern platform::Window* halfDoubleButton;
extern platform::Window* oneBetButton;
extern platform::Window* repeatBetButton;
extern platform::Window* dealDrawButton;

// A hand card is chosen by its SELECT button or by a click on the card: both are enabled, or
// disabled, together.
void EnableCardChoice(int index, bool enable);
// Gives the keyboard focus to the first enabled SELECT button, left to right: when a hand has
// playable cards, and when the double-up's hidden cards may be picked without Hint.
void FocusFirstSelectButton();

#pragma once
// The main window: its message handler and the state it keeps for painting and focus.

#include "platform/gdi.h"
#include "platform/window.h"

inline constexpr const char* kMainClassName = "Quaxel_MainClass";
inline constexpr const char* kTitle = "Quaxel?";

extern platform::Window* mainWindow;
extern platform::Font* buttonFont;

platform::LResult MainWindowProc(platform::Window* window, unsigned msg, platform::WParam wParam,
                                 platform::LParam lParam);

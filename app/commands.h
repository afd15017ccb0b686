#pragma once
// The command dispatcher of the main window, the menu with its option check marks, and the
// background color.

#include <cstdint>
#include <vector>

#include "platform/menu.h"
#include "platform/types.h"
#include "platform/window.h"

// The menu bar of the main window.
const std::vector<platform::MenuItem>& MainMenu();

int DispatchCommand(platform::Window* window, platform::WParam wParam);
// Title "<title> - [<name>]", the option check marks of the player in play, and the credits.
int ApplyPlayerToWindow(platform::Window* window, const char* title, const char* name,
                        std::int32_t credits);
void SetBackgroundColor(platform::Window* window, platform::Color color);

#pragma once
// What the main window holds: panels, card windows and buttons, laid out once at creation.

#include <string>

#include "platform/window.h"

int BuildWindowContents(platform::Window* window);
// The window class of card window i.
std::string CardWindowClassName(int i);

#pragma once
// What the main window holds: panels, card windows and buttons, laid out once at creation.

#include "platform/window.h"

int BuildWindowContents(platform::Window* window);

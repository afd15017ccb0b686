#pragma once
// The two screen painters. The normal screen's frames and decorations are drawn from the current
// rectangles of the labels they surround; nothing is drawn without a window or dc.

#include "platform/gdi.h"
#include "platform/window.h"

void PaintMainScreen(platform::Window* window, platform::Dc* dc);
// Also hides the pile card window, which the double-up screen does not show.
void PaintDoubleScreen(platform::Window* window, platform::Dc* dc);

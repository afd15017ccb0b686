#pragma once
// The two screen painters and the frames and decorations of the normal screen. Each decoration is
// drawn from the current rectangles of the labels it surrounds. The routines report 1 when every
// drawing call succeeded, else 0; nothing is drawn without a window or dc.

#include "platform/gdi.h"
#include "platform/window.h"

// Thin light-grey frame lines of the pay tables.
platform::LogPen TablePen();

void PaintMainScreen(platform::Window* window, platform::Dc* dc);
// Also hides the pile card window, which the double-up screen does not show.
void PaintDoubleScreen(platform::Window* window, platform::Dc* dc);

int DrawCountTableFrame(platform::Window* window, platform::Dc* dc);
int DrawBonusTableFrame(platform::Window* window, platform::Dc* dc);
// The strip picture (kTrackerStripPicture) at both ends of the card tracker; nothing without the
// picture.
int DrawGridEndStrips(platform::Window* window, platform::Dc* dc);
int DrawPileMarker(platform::Window* window, platform::Dc* dc);
int DrawCounterArrow(platform::Dc* dc);
int DrawPileFrame(platform::Dc* dc);

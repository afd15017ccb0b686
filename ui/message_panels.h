#pragma once
// The meters and messages below the cards, and the double-up screen's title, bonus box and
// messages.

#include "platform/gdi.h"
#include "platform/window.h"

// The meter panel and its message slot, in the columns of the card captions (lay those out first).
int LayoutMeterPanel(platform::Window* window);
// Title bars, title, bonus box and the double-up messages, from the client width.
int LayoutDoubleScreen(platform::Window* window);

// The labels both screens show, drawn after the screen's painter: the banner, the meters and
// "GAME OVER", in that order.
void DrawMeterLabels(platform::Window* window, platform::Dc* dc);

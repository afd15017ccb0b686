#pragma once
// The layout of the table's panels and of the card captions, made once while the main window is
// created; the captions read the card windows' places.

#include <string>

#include "platform/window.h"

// Needs slotRects; stops at the first hand card window that was not created (left edge 0).
int LayoutCardCaptions();
// The panels above the card row, in the order their rectangles depend on each other: the two
// pay tables, the card tracker with its frame and marker, the succeeded box and meter.
int LayoutTablePanels(platform::Window* window);

// The caption of a SUCCESSES row for the counts low..high: "26    -    28  CARDS", or for a
// single count "               52  CARDS".
std::string SuccessCaption(int low, int high);
// The count each row 1..7 stands for at the start of a game, and where its range ends.
inline constexpr int kSuccessRowLow[] = {52, 26, 23, 20, 17, 14, 10};
inline constexpr int kSuccessRowHigh[] = {52, 28, 25, 22, 19, 16, 13};

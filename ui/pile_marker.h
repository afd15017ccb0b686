#pragma once
// The pile marker: eight one-pixel lines across the card tracker along the row and the column of
// the pile's top card, drawn by DrawPileMarker in the marker color.

#include "platform/window.h"
#include "ui/label.h"

inline constexpr int kMarkerSegments = 8;

struct MarkerSegment {
  int x0 = 0;
  int y0 = 0;
  int x1 = 0;
  int y1 = 0;
};

struct PileMarker {
  Color color = 0;
  MarkerSegment segments[kMarkerSegments];
};

extern PileMarker pileMarker;

// Tracker background color and all segments zero: nothing shows. Returns 1.
int ResetPileMarker();

// Moves the marker to the cross of tracker cell gridIndex in the color and marks the old and new
// lines for repainting without erasing. Outside 0..51 (a joker, no card) nothing changes.
void MovePileMarker(platform::Window* window, int gridIndex, Color color);

#include "ui/pile_marker.h"

#include <algorithm>

#include "ui/labels.h"
#include "ui/palette.h"

PileMarker pileMarker;

namespace {

// Lines are drawn without their end point, so a line's box is one pixel thick across it.
void InvalidateSegment(platform::Window* window, const MarkerSegment& s) {
  platform::Rect box{std::min(s.x0, s.x1), std::min(s.y0, s.y1), std::max(s.x0, s.x1),
                     std::max(s.y0, s.y1)};
  if (box.right == box.left) ++box.right;
  if (box.bottom == box.top) ++box.bottom;
  platform::InvalidateRect(window, &box, false);
}

}  // namespace

int ResetPileMarker() {
  pileMarker = PileMarker{};
  pileMarker.color = kPanelBlue;
  return 1;
}

void MovePileMarker(platform::Window* window, int gridIndex, Color color) {
  if (gridIndex < 0 || gridIndex >= kTrackerCells) return;
  const platform::Rect& cell = cardTracker[gridIndex].rect;
  const platform::Rect& frame = cardTrackerFrame.rect;
  // The horizontal lines run between the end strips of the tracker (10 pixels in); the lower
  // right one reaches one pixel further.
  const MarkerSegment lines[kMarkerSegments] = {
      {frame.left + 10, cell.top - 1, cell.left, cell.top - 1},
      {cell.right, cell.top - 1, frame.right - 10, cell.top - 1},
      {frame.left + 10, cell.bottom, cell.left, cell.bottom},
      {cell.right, cell.bottom, frame.right - 9, cell.bottom},
      {cell.left - 1, frame.top + 1, cell.left - 1, cell.top},
      {cell.left - 1, cell.bottom, cell.left - 1, frame.bottom - 1},
      {cell.right, frame.top + 1, cell.right, cell.top},
      {cell.right, cell.bottom, cell.right, frame.bottom - 1},
  };
  if (window) {
    for (const MarkerSegment& old : pileMarker.segments)
      InvalidateSegment(window, old);
  }
  std::copy(std::begin(lines), std::end(lines), std::begin(pileMarker.segments));
  pileMarker.color = color;
  if (window) {
    for (const MarkerSegment& line : pileMarker.segments)
      InvalidateSegment(window, line);
  }
}

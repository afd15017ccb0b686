#pragma once
// A main window of a chosen client width with every panel laid out as at creation, painted by the
// normal or the double-up screen painter followed by the meter labels.

#include <algorithm>
#include <climits>

#include "core/game_state.h"
#include "platform/events.h"
#include "settings/players.h"
#include "tests/support/window_fixture.h"
#include "ui/card_window.h"
#include "ui/labels.h"
#include "ui/message_panels.h"
#include "ui/painters.h"
#include "ui/panels.h"

class ScreenTest : public WindowTest {
 protected:
  static constexpr Color kTable = platform::Rgb(0, 96, 0);

  void SetUp() override {
    WindowTest::SetUp();
    platform::SetClassBackground(className, kTable);
    currentPlayer.color = kTable;
    const int pays[kSpecialBonusRows] = {200, 20, 5, 2, 1};
    for (int i = 0; i < kSpecialBonusRows; ++i)
      specialBonus[i].pay = pays[i];
  }

  void TearDown() override {
    std::fill(std::begin(cardWindows), std::end(cardWindows), nullptr);
    std::fill(std::begin(slotRects), std::end(slotRects), platform::Rect{});
    WindowTest::TearDown();
  }

  // Lays out the panels in creation order for a client of this width, with the card slots where
  // the main window puts them.
  platform::Window* Open(int width, bool doubleScreen = false) {
    window = MakeTopLevel(width, 436);
    LayoutTablePanels(window);
    for (int i = 0; i < kCardWindows; ++i)
      slotRects[i] = HomeRect(i, width, succeededFrame.rect.bottom + 10);
    LayoutCardCaptions();
    LayoutMeterPanel(window);
    LayoutDoubleScreen(window);
    onPaint = [this, doubleScreen](platform::Window* w, platform::Dc* dc) {
      if (w != window) return;
      doubleScreen ? PaintDoubleScreen(w, dc) : PaintMainScreen(w, dc);
      DrawMeterLabels(w, dc);
    };
    Repaint();
    return window;
  }

  void Repaint() {
    platform::InvalidateRect(window, nullptr, true);
    platform::RunUntilIdle();
  }

  platform::Image Shot() const { return platform::Screenshot(window); }

  platform::Window* window = nullptr;
};

// Bounding box (right and bottom exclusive) of the pixels of area that have this color, or with
// `differ` that do not; empty when none.
inline platform::Rect WhereColor(const platform::Image& image, platform::Rect area, Color color,
                                 bool differ = false) {
  platform::Rect box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      if ((image.Pixel(x, y) == color) == differ) continue;
      box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
             std::max(box.bottom, y + 1)};
    }
  }
  return box.IsEmpty() ? platform::Rect{} : box;
}

// Bounding box of the pixels of area that differ from its ground color.
inline platform::Rect Ink(const platform::Image& image, platform::Rect area, Color ground) {
  return WhereColor(image, area, ground, true);
}

inline int Count(const platform::Image& image, platform::Rect area, Color color) {
  int n = 0;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x)
      n += image.Pixel(x, y) == color;
  }
  return n;
}

inline bool Inside(const platform::Rect& inner, const platform::Rect& outer) {
  return !inner.IsEmpty() && inner.left >= outer.left && inner.top >= outer.top &&
         inner.right <= outer.right && inner.bottom <= outer.bottom;
}

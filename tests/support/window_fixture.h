#pragma once
// A fake clock and a scratch window class for tests that drive the window system headlessly.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/gdi.h"
#include "platform/image.h"
#include "platform/window.h"

struct Delivered {
  platform::Window* window;
  unsigned msg;
  platform::WParam wParam;
  platform::LParam lParam;
  std::int64_t at;
};

class WindowTest : public testing::Test {
 protected:
  static constexpr platform::Color kBackground = platform::Rgb(0, 0, 192);

  void SetUp() override;
  void TearDown() override;

  // A visible top-level window of the scratch class; its handler records every message and runs
  // `onPaint` (when set) between BeginPaint and EndPaint.
  platform::Window* MakeTopLevel(int width, int height);
  platform::Window* MakeChild(platform::Window* parent, int x, int y, int width, int height,
                              int id = 0);

  // Paints a rectangle of the window's surface with a color, at once, through GetDC.
  static void Fill(platform::Window* window, platform::Rect rect, platform::Color color);

  std::vector<Delivered> delivered;
  std::function<void(platform::Window*, platform::Dc*)> onPaint;
  // Runs first for every other message; a non-zero answer ends the handling.
  std::function<platform::LResult(platform::Window*, unsigned, platform::WParam, platform::LParam)>
      onMessage;
  platform::FakeClock clock{1000};
  std::string className;

 private:
  std::vector<platform::Window*> windows_;
};

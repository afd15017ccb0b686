#include "tests/support/window_fixture.h"
#include "platform/events.h"

using namespace platform;

void WindowTest::SetUp() {
  SetClock(&clock);
  RunUntilIdle();
  static int serial = 0;
  className = "TestClass_" + std::to_string(serial++);
  WindowClass windowClass;
  windowClass.name = className;
  windowClass.background = kBackground;
  windowClass.proc = [this](Window* w, unsigned msg, WParam wp, LParam lp) -> LResult {
    delivered.push_back({w, msg, wp, lp, clock.NowMs()});
    if (msg != WM_PAINT && onMessage) {
      if (const LResult r = onMessage(w, msg, wp, lp)) return r;
    }
    if (msg == WM_PAINT) {
      PaintStruct paint;
      Dc* dc = BeginPaint(w, &paint);
      if (onPaint) onPaint(w, dc);
      EndPaint(w, &paint);
      return 0;
    }
    return DefWindowProc(w, msg, wp, lp);
  };
  ASSERT_TRUE(RegisterClass(windowClass));
}

void WindowTest::TearDown() {
  for (Window* w : windows_)
    DestroyWindow(w);
  RunUntilIdle();
  UnregisterClass(className);
  SetClock(nullptr);
}

Window* WindowTest::MakeTopLevel(int width, int height) {
  Window* w = CreateWindow(className, "test", WS_VISIBLE, 0, 0, width, height, nullptr, 0);
  windows_.push_back(w);
  return w;
}

Window* WindowTest::MakeChild(Window* parent, int x, int y, int width, int height, int id) {
  return CreateWindow(className, "", WS_CHILD | WS_VISIBLE, x, y, width, height, parent, id);
}

void WindowTest::Fill(Window* window, Rect rect, Color color) {
  Dc* dc = GetDC(window);
  Brush* brush = CreateSolidBrush(color);
  FillRect(dc, rect, brush);
  DeleteObject(brush);
  ReleaseDC(window, dc);
}

#pragma once
// Basic vocabulary of the window-system layer: rectangles, colors, messages.

#include <cstdint>

namespace platform {

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

// Right and bottom are exclusive.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool IsEmpty() const { return right <= left || bottom <= top; }
  bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  // n pixels inside on every side (outside for a negative n).
  Rect Inset(int n) const { return {left + n, top + n, right - n, bottom - n}; }
  Rect Offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// 0x00BBGGRR, red in the low byte.
using Color = std::uint32_t;

constexpr Color Rgb(int r, int g, int b) {
  return static_cast<Color>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int RedOf(Color c) {
  return static_cast<int>(c & 0xFF);
}
constexpr int GreenOf(Color c) {
  return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int BlueOf(Color c) {
  return static_cast<int>((c >> 16) & 0xFF);
}

using WParam = std::uintptr_t;
using LParam = std::intptr_t;
using LResult = std::intptr_t;

constexpr LParam MakeLParam(int low, int high) {
  return static_cast<LParam>((static_cast<std::uint32_t>(low) & 0xFFFF) |
                             ((static_cast<std::uint32_t>(high) & 0xFFFF) << 16));
}
constexpr int LowWord(std::uintptr_t v) {
  return static_cast<int>(v & 0xFFFF);
}
constexpr int HighWord(std::uintptr_t v) {
  return static_cast<int>((v >> 16) & 0xFFFF);
}

// Message numbers, as the game code knows them.
enum : unsigned {
  WM_CREATE = 0x0001,
  WM_DESTROY = 0x0002,
  WM_ACTIVATE = 0x0006,
  WM_PAINT = 0x000F,
  WM_CLOSE = 0x0010,
  WM_QUERYENDSESSION = 0x0011,
  WM_DRAWITEM = 0x002B,
  WM_MEASUREITEM = 0x002C,
  WM_COMMAND = 0x0111,
  WM_SYSCOMMAND = 0x0112,
  WM_TIMER = 0x0113,
  WM_LBUTTONDOWN = 0x0201,
  WM_LBUTTONUP = 0x0202,
  WM_USER = 0x0400,
};

// WM_ACTIVATE low word.
enum : unsigned { WA_INACTIVE = 0, WA_ACTIVE = 1 };
// WM_SYSCOMMAND wParam.
enum : unsigned { SC_MINIMIZE = 0xF020 };

}  // namespace platform

#pragma once
// A memory drawing context on a white bitmap, and helpers that find where ink landed.

#include <algorithm>
#include <functional>
#include <memory>

#include "platform/gdi.h"

inline constexpr platform::Color kRed = platform::Rgb(255, 0, 0);
inline constexpr platform::Color kGreen = platform::Rgb(0, 255, 0);
inline constexpr platform::Color kBlue = platform::Rgb(0, 0, 255);
inline constexpr platform::Color kWhite = platform::Rgb(255, 255, 255);

class Canvas {
 public:
  Canvas(int width, int height, platform::Color paper = kWhite) : width_(width), height_(height) {
    platform::Brush* brush = platform::CreateSolidBrush(paper);
    platform::FillRect(dc(), {0, 0, width, height}, brush);
    platform::DeleteObject(brush);
  }

  platform::Dc* dc() const { return dc_.get(); }
  platform::Color At(int x, int y) const { return platform::GetPixel(dc(), x, y); }

  // Bounding box of the matching pixels, and their number.
  platform::Rect Find(const std::function<bool(platform::Color)>& match,
                      int* count = nullptr) const {
    platform::Rect box{width_, height_, 0, 0};
    if (count) *count = 0;
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) {
        if (!match(At(x, y))) continue;
        if (count) ++*count;
        box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
               std::max(box.bottom, y + 1)};
      }
    }
    return box.IsEmpty() ? platform::Rect{} : box;
  }
  platform::Rect Ink(platform::Color paper = kWhite) const {
    return Find([paper](platform::Color c) { return c != paper; });
  }

 private:
  int width_;
  int height_;
  std::unique_ptr<platform::Dc, decltype(&platform::DeleteDC)> dc_{
      platform::CreateCompatibleDC(nullptr), &platform::DeleteDC};
  platform::Selection bitmap_{dc(), platform::CreateCompatibleBitmap(dc(), width_, height_)};
};

inline bool Dark(platform::Color c) {
  return platform::RedOf(c) + platform::GreenOf(c) + platform::BlueOf(c) < 384;
}

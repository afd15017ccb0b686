#include "tools/pictures/canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace pictures {

const Palette& StandardPalette() {
  static const Palette palette = {{{0, 0, 0},
                                   {128, 0, 0},
                                   {0, 128, 0},
                                   {128, 128, 0},
                                   {0, 0, 128},
                                   {128, 0, 128},
                                   {0, 128, 128},
                                   {192, 192, 192},
                                   {128, 128, 128},
                                   {255, 0, 0},
                                   {0, 255, 0},
                                   {255, 255, 0},
                                   {0, 0, 255},
                                   {255, 0, 255},
                                   {0, 255, 255},
                                   {255, 255, 255}}};
  return palette;
}

const Palette& CardPalette() {
  static const Palette palette = [] {
    Palette p = StandardPalette();
    p[kSkin] = {248, 200, 152};
    return p;
  }();
  return palette;
}

const Palette& PanelPalette() {
  static const Palette palette = [] {
    Palette p = StandardPalette();
    p[kPanel] = {0, 0, 192};
    return p;
  }();
  return palette;
}

Mask Mask::FromRows(const std::vector<const char*>& rows) {
  Mask mask(static_cast<int>(std::strlen(rows.front())), static_cast<int>(rows.size()));
  for (int y = 0; y < mask.height; ++y) {
    for (int x = 0; x < mask.width; ++x) {
      mask.Set(x, y, rows[y][x] == '#');
    }
  }
  return mask;
}

Mask Mask::Turned() const {
  Mask turned(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      turned.Set(width - 1 - x, height - 1 - y, At(x, y));
    }
  }
  return turned;
}

Canvas::Canvas(int width, int height, uint8_t fill, const Palette& palette)
    : width_(width),
      height_(height),
      palette_(palette),
      pixels_(static_cast<std::size_t>(width) * height, fill) {}

uint8_t Canvas::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return kClear;
  return pixels_[static_cast<std::size_t>(y) * width_ + x];
}

void Canvas::Set(int x, int y, uint8_t ink) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  pixels_[static_cast<std::size_t>(y) * width_ + x] = ink;
}

void Canvas::FillRect(int x, int y, int w, int h, uint8_t ink) {
  for (int row = y; row < y + h; ++row) {
    for (int col = x; col < x + w; ++col) {
      Set(col, row, ink);
    }
  }
}

void Canvas::FrameRect(int x, int y, int w, int h, uint8_t ink) {
  Line(x, y, x + w - 1, y, ink);
  Line(x, y + h - 1, x + w - 1, y + h - 1, ink);
  Line(x, y, x, y + h - 1, ink);
  Line(x + w - 1, y, x + w - 1, y + h - 1, ink);
}

void Canvas::Line(int x0, int y0, int x1, int y1, uint8_t ink) {
  const int dx = std::abs(x1 - x0);
  const int dy = -std::abs(y1 - y0);
  const int sx = x0 < x1 ? 1 : -1;
  const int sy = y0 < y1 ? 1 : -1;
  int error = dx + dy;
  for (;;) {
    Set(x0, y0, ink);
    if (x0 == x1 && y0 == y1) return;
    const int twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      x0 += sx;
    }
    if (twice <= dx) {
      error += dx;
      y0 += sy;
    }
  }
}

void Canvas::FillEllipse(int x, int y, int w, int h, uint8_t ink) {
  const double rx = w / 2.0;
  const double ry = h / 2.0;
  for (int row = 0; row < h; ++row) {
    for (int col = 0; col < w; ++col) {
      const double u = (col + 0.5 - rx) / rx;
      const double v = (row + 0.5 - ry) / ry;
      if (u * u + v * v <= 1.0) Set(x + col, y + row, ink);
    }
  }
}

void Canvas::FillPolygon(const std::vector<Point>& corners, uint8_t ink) {
  if (corners.size() < 3) return;
  double top = corners[0].y;
  double bottom = corners[0].y;
  for (const Point& p : corners) {
    top = std::min(top, p.y);
    bottom = std::max(bottom, p.y);
  }
  std::vector<double> crossings;
  for (int row = static_cast<int>(std::floor(top)); row <= static_cast<int>(bottom); ++row) {
    const double cy = row + 0.5;
    crossings.clear();
    for (size_t i = 0; i < corners.size(); ++i) {
      const Point& a = corners[i];
      const Point& b = corners[(i + 1) % corners.size()];
      if ((a.y <= cy) != (b.y <= cy)) {
        crossings.push_back(a.x + (cy - a.y) * (b.x - a.x) / (b.y - a.y));
      }
    }
    std::sort(crossings.begin(), crossings.end());
    for (size_t i = 0; i + 1 < crossings.size(); i += 2) {
      // Pixel centres strictly between the crossings: col + 0.5 in (left, right].
      const int first = static_cast<int>(std::ceil(crossings[i] - 0.5));
      const int last = static_cast<int>(std::floor(crossings[i + 1] - 0.5));
      for (int col = first; col <= last; ++col) {
        Set(col, row, ink);
      }
    }
  }
}

void Canvas::Stamp(const Mask& mask, int x, int y, uint8_t ink) {
  for (int row = 0; row < mask.height; ++row) {
    for (int col = 0; col < mask.width; ++col) {
      if (mask.At(col, row)) Set(x + col, y + row, ink);
    }
  }
}

void Canvas::Draw(const Canvas& source, int x, int y) {
  const int w = source.width();
  const int h = source.height();
  for (int row = 0; row < h; ++row) {
    for (int col = 0; col < w; ++col) {
      const uint8_t ink = source.At(col, row);
      if (ink != kClear) Set(x + col, y + row, ink);
    }
  }
}

void Canvas::TurnCopy(int x, int y, int w, int h) {
  for (int row = y; row < y + h; ++row) {
    for (int col = x; col < x + w; ++col) {
      const uint8_t ink = At(col, row);
      if (ink != kClear) Set(width_ - 1 - col, height_ - 1 - row, ink);
    }
  }
}

void Canvas::Outline(uint8_t ink) {
  const Canvas before = *this;
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      if (before.At(x, y) != kClear) continue;
      if (before.At(x - 1, y) != kClear || before.At(x + 1, y) != kClear ||
          before.At(x, y - 1) != kClear || before.At(x, y + 1) != kClear) {
        Set(x, y, ink);
      }
    }
  }
}

}  // namespace pictures

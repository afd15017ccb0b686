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
  Mask turned(width, height, scale);
  const int w = width * scale, h = height * scale;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      turned.Set(w - 1 - x, h - 1 - y, At(x, y));
    }
  }
  return turned;
}

Canvas::Canvas(int width, int height, uint8_t fill, const Palette& palette, int scale)
    : width_(width),
      height_(height),
      scale_(scale),
      palette_(palette),
      pixels_(static_cast<std::size_t>(width) * scale * height * scale, fill) {}

uint8_t Canvas::DeviceAt(int x, int y) const {
  const int w = width_ * scale_, h = height_ * scale_;
  if (x < 0 || y < 0 || x >= w || y >= h) return kClear;
  return pixels_[static_cast<std::size_t>(y) * w + x];
}

void Canvas::SetDevice(int x, int y, uint8_t ink) {
  const int w = width_ * scale_, h = height_ * scale_;
  if (x < 0 || y < 0 || x >= w || y >= h) return;
  pixels_[static_cast<std::size_t>(y) * w + x] = ink;
}

uint8_t Canvas::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return kClear;
  return DeviceAt(x * scale_, y * scale_);
}

Canvas Canvas::Flattened() const {
  Canvas flat(width_ * scale_, height_ * scale_, kClear, palette_);
  flat.pixels_ = pixels_;
  return flat;
}

void Canvas::Set(int x, int y, uint8_t ink) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  for (int dy = 0; dy < scale_; ++dy) {
    for (int dx = 0; dx < scale_; ++dx)
      SetDevice(x * scale_ + dx, y * scale_ + dy, ink);
  }
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

// Steps through device pixels, each step a square as large as a pixel of the picture.
void Canvas::Line(int x0, int y0, int x1, int y1, uint8_t ink) {
  x0 *= scale_, y0 *= scale_, x1 *= scale_, y1 *= scale_;
  const int dx = std::abs(x1 - x0);
  const int dy = -std::abs(y1 - y0);
  const int sx = x0 < x1 ? 1 : -1;
  const int sy = y0 < y1 ? 1 : -1;
  int error = dx + dy;
  for (;;) {
    for (int py = 0; py < scale_; ++py) {
      for (int px = 0; px < scale_; ++px)
        SetDevice(x0 + px, y0 + py, ink);
    }
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
  const double rx = w * scale_ / 2.0;
  const double ry = h * scale_ / 2.0;
  for (int row = 0; row < h * scale_; ++row) {
    for (int col = 0; col < w * scale_; ++col) {
      const double u = (col + 0.5 - rx) / rx;
      const double v = (row + 0.5 - ry) / ry;
      if (u * u + v * v <= 1.0) SetDevice(x * scale_ + col, y * scale_ + row, ink);
    }
  }
}

void Canvas::FillPolygon(const std::vector<Point>& points, uint8_t ink) {
  if (points.size() < 3) return;
  std::vector<Point> corners = points;
  for (Point& p : corners) {
    p.x *= scale_;
    p.y *= scale_;
  }
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
        SetDevice(col, row, ink);
      }
    }
  }
}

void Canvas::Stamp(const Mask& mask, int x, int y, uint8_t ink) {
  if (mask.scale == scale_) {  // bit for device pixel
    for (int row = 0; row < mask.height * scale_; ++row) {
      for (int col = 0; col < mask.width * scale_; ++col) {
        if (mask.At(col, row)) SetDevice(x * scale_ + col, y * scale_ + row, ink);
      }
    }
    return;
  }
  for (int row = 0; row < mask.height; ++row) {
    for (int col = 0; col < mask.width; ++col) {
      if (mask.At(col * mask.scale, row * mask.scale)) Set(x + col, y + row, ink);
    }
  }
}

void Canvas::Draw(const Canvas& source, int x, int y) {
  if (source.scale_ == scale_) {
    for (int row = 0; row < source.height_ * scale_; ++row) {
      for (int col = 0; col < source.width_ * scale_; ++col) {
        const uint8_t ink = source.DeviceAt(col, row);
        if (ink != kClear) SetDevice(x * scale_ + col, y * scale_ + row, ink);
      }
    }
    return;
  }
  for (int row = 0; row < source.height_; ++row) {
    for (int col = 0; col < source.width_; ++col) {
      const uint8_t ink = source.At(col, row);
      if (ink != kClear) Set(x + col, y + row, ink);
    }
  }
}

void Canvas::TurnCopy(int x, int y, int w, int h) {
  const int right = width_ * scale_ - 1, bottom = height_ * scale_ - 1;
  for (int row = y * scale_; row < (y + h) * scale_; ++row) {
    for (int col = x * scale_; col < (x + w) * scale_; ++col) {
      const uint8_t ink = DeviceAt(col, row);
      if (ink != kClear) SetDevice(right - col, bottom - row, ink);
    }
  }
}

// As thick as a pixel of the picture: device pixels up to `scale` away from a drawn one, along
// a row or a column.
void Canvas::Outline(uint8_t ink) {
  const Canvas before = *this;
  for (int y = 0; y < height_ * scale_; ++y) {
    for (int x = 0; x < width_ * scale_; ++x) {
      if (before.DeviceAt(x, y) != kClear) continue;
      bool touches = false;
      for (int d = 1; d <= scale_ && !touches; ++d) {
        touches = before.DeviceAt(x - d, y) != kClear || before.DeviceAt(x + d, y) != kClear ||
                  before.DeviceAt(x, y - d) != kClear || before.DeviceAt(x, y + d) != kClear;
      }
      if (touches) SetDevice(x, y, ink);
    }
  }
}

}  // namespace pictures

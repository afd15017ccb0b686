#pragma once
// Shared between the files of the layer only; never included from outside platform/.

#include <QImage>
#include <QRegion>
#include <algorithm>
#include <cmath>

#include "platform/gdi.h"
#include "platform/image.h"
#include "platform/window.h"

namespace platform {

struct Image::Data {
  QImage image;  // Format_RGB32
};

namespace detail {

// A drawing context that draws on `surface` (owned by the window), clipped to `clip` when it is
// not empty. Freed with FreeSurfaceDc.
Dc* MakeSurfaceDc(Window* owner, QImage* surface, const QRegion& clip);
void FreeSurfaceDc(Dc* dc);

// The window's retained surface, and the notice that part of it changed and must reach the screen.
QImage* SurfaceOf(Window* window);
void SurfaceChanged(Window* window, const QRegion& area);

QImage& BitmapImage(Bitmap* bitmap);

// Surfaces and pictures hold device pixels: ratio of them to a pixel of the program's coordinates
// (2 on a screen of double density, 1.5...). The program draws in its own coordinates; these map
// them to device pixels, the same way everywhere so that neighbouring boxes meet exactly.
inline int DeviceEdge(int x, qreal ratio) {
  return ratio == 1.0 ? x : qRound(x * ratio);
}
inline QRect DeviceRect(const QRect& r, qreal ratio) {
  if (ratio == 1.0) return r;
  const int left = DeviceEdge(r.left(), ratio), top = DeviceEdge(r.top(), ratio);
  return QRect(left, top, DeviceEdge(r.left() + r.width(), ratio) - left,
               DeviceEdge(r.top() + r.height(), ratio) - top);
}
// The density of the surfaces for a screen of `screenRatio`: the next whole number, so that every
// box of the program's coordinates covers whole device pixels and copies between surfaces never
// fall between two of them; the toolkit scales the result to a fractional screen (1.5) once.
inline qreal SurfaceRatio(qreal screenRatio) {
  return std::max<qreal>(1, std::ceil(screenRatio - 1e-6));
}

// A picture's extent in the program's coordinates.
inline QRect LogicalRect(const QImage& image) {
  const qreal ratio = image.devicePixelRatio();
  if (ratio == 1.0) return image.rect();
  return QRect(0, 0, qRound(image.width() / ratio), qRound(image.height() / ratio));
}
// A picture of width x height of the program's pixels at `ratio` device pixels each, not filled.
inline QImage NewPicture(int width, int height, qreal ratio) {
  QImage image(std::max(DeviceEdge(width, ratio), 1), std::max(DeviceEdge(height, ratio), 1),
               QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  return image;
}

inline QColor ToQColor(Color c) {
  return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}
inline Color FromQRgb(QRgb v) {
  return Rgb(qRed(v), qGreen(v), qBlue(v));
}

}  // namespace detail
}  // namespace platform

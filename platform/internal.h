#pragma once
// Shared between the files of the layer only; never included from outside platform/.

#include <QImage>
#include <QRegion>

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

inline QColor ToQColor(Color c) {
  return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}
inline Color FromQRgb(QRgb v) {
  return Rgb(qRed(v), qGreen(v), qBlue(v));
}

}  // namespace detail
}  // namespace platform

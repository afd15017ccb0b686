// Pictures embedded in the program with the resource system, found by their resource number.

#include <QGuiApplication>
#include <QHash>
#include <QString>

#include "platform/gdi_objects.h"

namespace platform {

Bitmap* LoadBitmap(int resourceId) {
  // On a screen of more than single density the double-density picture, where there is one.
  const bool dense = qApp != nullptr && qApp->devicePixelRatio() > 1.0;
  // Decoded once: every load after the first shares the picture until someone draws on it.
  static QHash<QPair<int, bool>, QImage> decoded;
  const auto key = qMakePair(resourceId, dense);
  auto found = decoded.constFind(key);
  if (found == decoded.constEnd()) {
    QImage picture;
    for (const char* suffix : {".bmp", ".png"}) {
      const QString name = QStringLiteral(":/bitmaps/%1").arg(resourceId);
      if (dense) picture = QImage(name + QStringLiteral("@2x") + QLatin1String(suffix));
      if (!picture.isNull()) {
        picture.setDevicePixelRatio(2);
        break;
      }
      picture = QImage(name + QLatin1String(suffix));
      if (!picture.isNull()) {
        picture.setDevicePixelRatio(1);
        break;
      }
    }
    if (picture.isNull()) return nullptr;
    QImage converted = picture.convertToFormat(QImage::Format_RGB32);
    converted.setDevicePixelRatio(picture.devicePixelRatio());
    found = decoded.insert(key, converted);
  }
  return new BitmapImpl(*found);
}

}  // namespace platform

// Pictures embedded in the program with the resource system, found by their resource number.

#include <QHash>
#include <QString>

#include "platform/gdi_objects.h"

namespace platform {

Bitmap* LoadBitmap(int resourceId) {
  // Decoded once: every load after the first shares the picture until someone draws on it.
  static QHash<int, QImage> decoded;
  auto found = decoded.constFind(resourceId);
  if (found == decoded.constEnd()) {
    QImage picture;
    for (const char* suffix : {".bmp", ".png"}) {
      picture = QImage(QStringLiteral(":/bitmaps/%1%2").arg(resourceId).arg(QLatin1String(suffix)));
      if (!picture.isNull()) break;
    }
    if (picture.isNull()) return nullptr;
    found = decoded.insert(resourceId, picture.convertToFormat(QImage::Format_RGB32));
  }
  return new BitmapImpl(*found);
}

}  // namespace platform

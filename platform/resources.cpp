// Pictures embedded in the program with the resource system, found by their resource number.

#include <QString>

#include "platform/gdi_objects.h"

namespace platform {

Bitmap* LoadBitmap(int resourceId) {
  for (const char* suffix : {".bmp", ".png"}) {
    QImage picture(QStringLiteral(":/bitmaps/%1%2").arg(resourceId).arg(QLatin1String(suffix)));
    if (!picture.isNull()) return new BitmapImpl(picture.convertToFormat(QImage::Format_RGB32));
  }
  return nullptr;
}

}  // namespace platform

#include "platform/gdi_objects.h"

namespace platform {

GdiObject* AsGdiObject(Pen* object) {
  return object;
}
GdiObject* AsGdiObject(Brush* object) {
  return object;
}
GdiObject* AsGdiObject(Font* object) {
  return object;
}
GdiObject* AsGdiObject(Bitmap* object) {
  return object;
}

}  // namespace platform

// Drawing objects and contexts: creation, selection, deletion, bitmap copies and pictures.

#include <QCoreApplication>
#include <QPainter>
#include <cstring>
#include <memory>
#include <unordered_map>
#include <unordered_set>

#include "platform/gdi_objects.h"

namespace platform {
namespace {

using detail::As;
using detail::IsLiveDc;
using detail::Tracked;

// Handles from the program are checked against these, so a stale or doubled delete is refused
// instead of freeing twice.
std::unordered_map<const GdiObject*, Tracked*>& Objects() {
  static auto* objects = new std::unordered_map<const GdiObject*, Tracked*>;
  return *objects;
}

std::unordered_set<const Dc*>& Contexts() {
  static auto* contexts = new std::unordered_set<const Dc*>;
  return *contexts;
}

constexpr int kMaxBitmapSide = 16384;

template <typename T>
T* MakeStock(T* object) {
  object->stock = true;
  return object;
}

// Stock objects live for the whole process; they are never freed, so none outlives Qt.
FontImpl* DefaultFont() {
  static FontImpl* font = [] {
    LogFont log;
    log.height = -16;
    log.weight = 400;
    std::memcpy(log.faceName, "Arial", 6);
    return MakeStock(new FontImpl(log));
  }();
  return font;
}

BitmapImpl* DefaultBitmap() {
  static BitmapImpl* bitmap = [] {
    QImage image(1, 1, QImage::Format_RGB32);
    image.fill(Qt::black);
    return MakeStock(new BitmapImpl(std::move(image)));
  }();
  return bitmap;
}

void Take(Tracked* object) {
  if (object) ++object->selections;
}

void Drop(Tracked* object) {
  if (object && object->selections > 0) --object->selections;
}

template <typename T>
GdiObject* Swap(T*& slot, T* next) {
  T* previous = slot;
  Take(next);
  Drop(previous);
  slot = next;
  return previous;
}

void AttachDefaults(Dc* dc) {
  dc->pen = static_cast<PenImpl*>(GetStockObject(BLACK_PEN));
  dc->brush = static_cast<BrushImpl*>(GetStockObject(WHITE_BRUSH));
  dc->font = DefaultFont();
  Take(dc->pen);
  Take(dc->brush);
  Take(dc->font);
}

Image MakeImage(const QImage& picture) {
  auto data = std::make_unique<Image::Data>();
  data->image = picture.convertToFormat(QImage::Format_RGB32);
  return Image(std::move(data));
}

}  // namespace

GdiObject::~GdiObject() {
  Objects().erase(this);
}

Dc::Dc(bool isMemory) : memory(isMemory) {
  Contexts().insert(this);
}

Dc::~Dc() {
  Drop(pen);
  Drop(brush);
  Drop(font);
  Drop(bitmap);
  Contexts().erase(this);
}

namespace detail {

bool IsLiveDc(const Dc* dc) {
  return dc && Contexts().count(dc) > 0;
}

Tracked* TrackOf(const GdiObject* object) {
  if (!object) return nullptr;
  const auto found = Objects().find(object);
  return found == Objects().end() ? nullptr : found->second;
}

void Track(GdiObject* object, Tracked* tracked) {
  Objects()[object] = tracked;
}

bool IsLiveObject(const GdiObject* object) {
  return TrackOf(object) != nullptr;
}

const QFont* QFontOf(Font* font) {
  FontImpl* impl = As<FontImpl>(font, Tracked::Kind::kFont);
  return impl && QCoreApplication::instance() ? &impl->Resolve().font : nullptr;
}

bool BeginPainter(QPainter& painter, Dc* dc, const QRect& bounds) {
  if (!IsLiveDc(dc) || !dc->target || dc->target->isNull()) return false;
  if (!painter.begin(dc->target)) return false;
  Touch(dc, bounds);
  painter.setRenderHint(QPainter::Antialiasing, false);
  if (!dc->clip.isEmpty()) painter.setClipRegion(dc->clip);
  return true;
}

Dc* MakeSurfaceDc(Window* owner, QImage* surface, const QRegion& clip) {
  if (!surface) return nullptr;
  if (surface->format() != QImage::Format_RGB32) {
    *surface = surface->convertToFormat(QImage::Format_RGB32);
  }
  auto* dc = new Dc(false);
  dc->owner = owner;
  dc->target = surface;
  dc->clip = clip;
  AttachDefaults(dc);
  return dc;
}

void FreeSurfaceDc(Dc* dc) {
  if (IsLiveDc(dc) && !dc->memory) delete dc;
}

QImage& BitmapImage(Bitmap* bitmap) {
  if (auto* impl = As<BitmapImpl>(bitmap, Tracked::Kind::kBitmap)) return impl->image;
  static QImage none;
  none = QImage();
  return none;
}

}  // namespace detail

Pen* CreatePen(int style, int width, Color color) {
  return CreatePenIndirect(LogPen{style, width, color});
}

Pen* CreatePenIndirect(const LogPen& pen) {
  if (pen.width < 0) return nullptr;
  return new PenImpl(pen);
}

Brush* CreateSolidBrush(Color color) {
  return new BrushImpl(color & 0xFFFFFF, false);
}

Font* CreateFontIndirect(const LogFont& font) {
  return new FontImpl(font);
}

Bitmap* CreateCompatibleBitmap(Dc* dc, int width, int height) {
  if (width < 0 || height < 0 || width > kMaxBitmapSide || height > kMaxBitmapSide) {
    return nullptr;
  }
  // As dense as what the context draws on, so copies between them keep every device pixel.
  const qreal ratio =
      IsLiveDc(dc) && dc->target != nullptr ? dc->target->devicePixelRatio() : qreal(1);
  QImage image = detail::NewPicture(width ? width : 1, height ? height : 1, ratio);
  if (image.isNull()) return nullptr;
  image.fill(Qt::black);
  return new BitmapImpl(std::move(image));
}

bool GetBitmapSize(Bitmap* bitmap, int* width, int* height) {
  const auto* impl = As<BitmapImpl>(bitmap, Tracked::Kind::kBitmap);
  if (!impl) return false;
  const QRect area = detail::LogicalRect(impl->image);
  if (width) *width = area.width();
  if (height) *height = area.height();
  return true;
}

GdiObject* GetStockObject(int which) {
  static BrushImpl* white = MakeStock(new BrushImpl(Rgb(255, 255, 255), false));
  static BrushImpl* black = MakeStock(new BrushImpl(Rgb(0, 0, 0), false));
  static BrushImpl* hollow = MakeStock(new BrushImpl(Rgb(0, 0, 0), true));
  static PenImpl* blackPen = MakeStock(new PenImpl(LogPen{PS_SOLID, 1, Rgb(0, 0, 0)}));
  static PenImpl* nullPen = MakeStock(new PenImpl(LogPen{PS_NULL, 1, Rgb(0, 0, 0)}));
  switch (which) {
    case WHITE_BRUSH:
      return white;
    case BLACK_BRUSH:
      return black;
    case NULL_BRUSH:
      return hollow;
    case BLACK_PEN:
      return blackPen;
    case NULL_PEN:
      return nullPen;
    default:
      return nullptr;
  }
}

GdiObject* SelectObject(Dc* dc, GdiObject* object) {
  const Tracked* tracked = detail::TrackOf(object);
  if (!IsLiveDc(dc) || !tracked) return nullptr;
  switch (tracked->kind) {
    case Tracked::Kind::kPen:
      return Swap(dc->pen, static_cast<PenImpl*>(object));
    case Tracked::Kind::kBrush:
      return Swap(dc->brush, static_cast<BrushImpl*>(object));
    case Tracked::Kind::kFont:
      return Swap(dc->font, static_cast<FontImpl*>(object));
    case Tracked::Kind::kBitmap: {
      auto* bitmap = static_cast<BitmapImpl*>(object);
      if (!dc->memory) return nullptr;
      if (bitmap == dc->bitmap) return bitmap;
      // A bitmap lives in one context at a time; only the shared 1 x 1 default is exempt.
      if (bitmap->selections > 0 && !bitmap->stock) return nullptr;
      GdiObject* previous = Swap(dc->bitmap, bitmap);
      dc->target = &bitmap->image;
      return previous;
    }
  }
  return nullptr;
}

bool DeleteObject(GdiObject* object) {
  const Tracked* tracked = detail::TrackOf(object);
  if (!tracked) return false;
  if (tracked->stock) return true;
  if (tracked->selections > 0) return false;
  delete object;
  return true;
}

Dc* CreateCompatibleDC(Dc*) {
  auto* dc = new Dc(true);
  AttachDefaults(dc);
  dc->bitmap = DefaultBitmap();
  Take(dc->bitmap);
  dc->target = &dc->bitmap->image;
  return dc;
}

bool DeleteDC(Dc* dc) {
  if (!IsLiveDc(dc) || !dc->memory) return false;
  delete dc;
  return true;
}

bool BitBlt(Dc* dest, int x, int y, int width, int height, Dc* source, int sx, int sy,
            unsigned rop) {
  if (rop != SRCCOPY || width < 0 || height < 0 || !IsLiveDc(source)) return false;
  if (!source->target || source->target->isNull()) return false;
  const QImage& from = *source->target;
  // Clip the source rectangle to its picture and move the destination with it.
  const QRect part = QRect(sx, sy, width, height).intersected(detail::LogicalRect(from));
  if (part.isEmpty()) return IsLiveDc(dest);
  const QPoint to(x + part.left() - sx, y + part.top() - sy);

  QPainter painter;
  if (!detail::BeginPainter(painter, dest, QRect(to, part.size()))) return false;
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  const qreal ratio = from.devicePixelRatio();
  if (ratio == 1.0 && dest->target->devicePixelRatio() == 1.0) {
    if (source->target == dest->target) {
      painter.drawImage(to, from.copy(part));
    } else {
      painter.drawImage(to, from, part);
    }
    return true;
  }
  const QRect devicePart = detail::DeviceRect(part, ratio);
  if (source->target == dest->target) {
    painter.drawImage(QRectF(QRect(to, part.size())), from.copy(devicePart));
  } else {
    painter.drawImage(QRectF(QRect(to, part.size())), from, QRectF(devicePart));
  }
  return true;
}

bool TransparentBlt(Dc* dest, int x, int y, int width, int height, Dc* source, int sx, int sy,
                    Color transparent) {
  if (width < 0 || height < 0 || !IsLiveDc(source)) return false;
  if (!source->target || source->target->isNull()) return false;
  const QRect part = QRect(sx, sy, width, height).intersected(detail::LogicalRect(*source->target));
  if (part.isEmpty()) return IsLiveDc(dest);
  QImage piece = source->target->copy(detail::DeviceRect(part, source->target->devicePixelRatio()))
                     .convertToFormat(QImage::Format_ARGB32);
  const QRgb key = detail::ToQColor(transparent).rgb();
  for (int row = 0; row < piece.height(); ++row) {
    auto* pixel = reinterpret_cast<QRgb*>(piece.scanLine(row));
    for (int col = 0; col < piece.width(); ++col) {
      if ((pixel[col] | 0xFF000000u) == key) pixel[col] = 0;
    }
  }
  const QPoint to(x + part.left() - sx, y + part.top() - sy);
  QPainter painter;
  if (!detail::BeginPainter(painter, dest, QRect(to, part.size()))) return false;
  if (piece.devicePixelRatio() == 1.0 && dest->target->devicePixelRatio() == 1.0) {
    painter.drawImage(to, piece);
  } else {
    painter.drawImage(QRectF(QRect(to, part.size())), piece);
  }
  return true;
}

Image ImageOf(Dc* dc) {
  if (!IsLiveDc(dc) || !dc->target || dc->target->isNull()) return Image();
  return MakeImage(*dc->target);
}

Image ImageOfBitmap(Bitmap* bitmap) {
  const auto* impl = As<BitmapImpl>(bitmap, Tracked::Kind::kBitmap);
  return impl ? MakeImage(impl->image) : Image();
}

}  // namespace platform

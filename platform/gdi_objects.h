#pragma once
// Pens, brushes, fonts, bitmaps and drawing contexts as the files of the drawing code see them;
// private to the layer.

#include <QByteArray>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainterPath>
#include <QRegion>
#include <cstdint>
#include <cwchar>
#include <memory>
#include <vector>

#include "platform/internal.h"

class QPainter;

namespace platform {

namespace detail {

struct ResolvedFont {
  QFont font;
  QFontMetrics metrics;
  int ascent;
  int descent;
  int em;  // the character height without internal leading
  int aveCharWidth;
  std::uint64_t serial;  // unique for the life of the process: names the font in caches
};

// What the layer keeps for every drawing object besides its contents.
struct Tracked {
  enum class Kind { kPen, kBrush, kFont, kBitmap };

  explicit Tracked(Kind k) : kind(k) {}

  const Kind kind;
  bool stock = false;
  int selections = 0;  // contexts that hold the object selected; it cannot be deleted meanwhile
};

// The bookkeeping of a live object, or null for a pointer that is no object (any more).
Tracked* TrackOf(const GdiObject* object);
void Track(GdiObject* object, Tracked* tracked);

// The object as its implementation when it is live and of that kind, else null.
template <typename Impl>
Impl* As(GdiObject* object, Tracked::Kind kind) {
  const Tracked* tracked = TrackOf(object);
  return tracked && tracked->kind == kind ? static_cast<Impl*>(object) : nullptr;
}

}  // namespace detail

class PenImpl final : public Pen, public detail::Tracked {
 public:
  explicit PenImpl(const LogPen& pen) : Tracked(Kind::kPen), log(pen) { detail::Track(this, this); }
  bool IsNull() const { return log.style == PS_NULL; }
  int Width() const { return log.width > 1 ? log.width : 1; }
  bool IsPlainHairline() const { return Width() == 1 && log.style == PS_SOLID; }

  LogPen log;
};

class BrushImpl final : public Brush, public detail::Tracked {
 public:
  BrushImpl(Color c, bool isNull) : Tracked(Kind::kBrush), color(c), null(isNull) {
    detail::Track(this, this);
  }

  Color color;
  bool null;
};

class FontImpl final : public Font, public detail::Tracked {
 public:
  explicit FontImpl(const LogFont& font) : Tracked(Kind::kFont), log(font) {
    detail::Track(this, this);
  }

  // Resolved on first use; fonts of the same description share one resolution, so a font made
  // and dropped in every draw call costs a lookup.
  const detail::ResolvedFont& Resolve();

  LogFont log;

 private:
  std::shared_ptr<const detail::ResolvedFont> resolved_;
};

class BitmapImpl final : public Bitmap, public detail::Tracked {
 public:
  explicit BitmapImpl(QImage picture) : Tracked(Kind::kBitmap), image(std::move(picture)) {
    detail::Track(this, this);
  }

  QImage image;  // Format_RGB32
};

class Dc {
 public:
  enum class PathState { kNone, kRecording, kClosed };

  explicit Dc(bool isMemory);
  ~Dc();
  Dc(const Dc&) = delete;
  Dc& operator=(const Dc&) = delete;

  const bool memory;

  QImage* target = nullptr;  // the window surface, or the image of the selected bitmap
  Window* owner = nullptr;   // null for a memory context
  QRegion clip;              // empty: unclipped
  QRect touched;             // what the drawing calls changed on a window's surface
  PenImpl* pen = nullptr;
  BrushImpl* brush = nullptr;
  FontImpl* font = nullptr;
  BitmapImpl* bitmap = nullptr;  // memory contexts only
  Color textColor = Rgb(0, 0, 0);
  Color bkColor = Rgb(255, 255, 255);
  int bkMode = OPAQUE;
  Point position;
  PathState pathState = PathState::kNone;
  QPainterPath path;
};

namespace detail {

// Whether the pointer is a drawing context or object that exists now (guards stale handles).
bool IsLiveDc(const Dc* dc);
bool IsLiveObject(const GdiObject* object);
// The toolkit font a font object resolves to; null when it is not a live font.
const QFont* QFontOf(Font* font);

// Starts a painter on the context's target with its clip and without antialiasing; false when
// the context has nothing to draw on. `bounds` holds what the drawing may change (null: anything).
bool BeginPainter(QPainter& painter, Dc* dc, const QRect& bounds = QRect());

// Notes that the drawing changed `area` of a window's surface, so that just that reaches the
// screen; a null area stands for the whole surface.
inline void Touch(Dc* dc, const QRect& area) {
  if (dc->owner != nullptr) dc->touched |= area.isNull() ? dc->target->rect() : area;
}

// A drawing repeated on the same pixels gives the same pixels. What a drawing confined to a box
// made of it is kept, under a key that describes the drawing, with what the box showed before.
// Whether drawing in `box` can be kept: the box lies within the picture and the clip.
bool Keepable(const Dc* dc, const QRect& box);
// When the drawing kept under `key` was made on what `box` shows now, puts its result there.
bool PutKeptBlock(Dc* dc, const QByteArray& key, const QRect& box);
// What `box` shows before the drawing, and the keeping of the drawing once made.
QImage BlockBefore(const Dc* dc, const QRect& box);
void KeepBlock(const Dc* dc, QByteArray key, QImage before, const QRect& box);

// Appends the bytes of a plain value to a key.
template <typename T>
void AddToKey(QByteArray& key, const T& value) {
  key.append(reinterpret_cast<const char*>(&value), sizeof value);
}
// Adds the box's size and density to a key, and its place where the density rounds places.
inline void AddBoxToKey(QByteArray& key, const Dc* dc, const QRect& box) {
  const qreal ratio = dc->target->devicePixelRatio();
  AddToKey(key, ratio);
  AddToKey(key, ratio == 1.0 ? QRect(QPoint(), box.size()) : box);
}

// Sets `count` pixels from `row` on to one color, with the C library's fast fill.
inline void FillPixels(QRgb* row, int count, QRgb color) {
  static_assert(sizeof(wchar_t) == sizeof(QRgb));
  std::wmemset(reinterpret_cast<wchar_t*>(row), static_cast<wchar_t>(color), size_t(count));
}

inline QRgb ToQRgb(Color c) {
  return qRgb(RedOf(c), GreenOf(c), BlueOf(c));
}

// Writes pixels straight into a context's target, honouring the image bounds and the clip.
class PixelWriter {
 public:
  explicit PixelWriter(Dc* dc);
  bool valid() const { return bits_ != nullptr; }
  void Fill(int left, int top, int right, int bottom, QRgb color);  // right, bottom exclusive
  bool Plot(int x, int y, QRgb color);  // false when the point is outside
  // Device pixels per pixel of the program's coordinates, and a square of `size` device pixels
  // with its top left at device pixel (x, y), for lines finer than the program's pixels.
  qreal ratio() const { return ratio_; }
  void PlotDevice(int x, int y, int size, QRgb color);

 private:
  Dc* dc_ = nullptr;
  uchar* bits_ = nullptr;
  qreal ratio_ = 1;
  qsizetype stride_ = 0;
  std::vector<QRect> clipRects_;  // the writable parts of the picture
};

}  // namespace detail
}  // namespace platform

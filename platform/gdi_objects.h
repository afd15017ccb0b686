#pragma once
// Pens, brushes, fonts, bitmaps and drawing contexts as the files of the drawing code see them;
// private to the layer.

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainterPath>
#include <QRegion>
#include <optional>
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

  // Resolved on first use and kept for the life of the object.
  const detail::ResolvedFont& Resolve();

  LogFont log;

 private:
  std::optional<detail::ResolvedFont> resolved_;
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
// the context has nothing to draw on.
bool BeginPainter(QPainter& painter, Dc* dc);

inline QRgb ToQRgb(Color c) {
  return qRgb(RedOf(c), GreenOf(c), BlueOf(c));
}

// Writes pixels straight into a context's target, honouring the image bounds and the clip.
class PixelWriter {
 public:
  explicit PixelWriter(Dc* dc);
  bool valid() const { return bits_ != nullptr; }
  void Fill(int left, int top, int right, int bottom, QRgb colour);  // right, bottom exclusive
  bool Plot(int x, int y, QRgb colour);  // false when the point is outside

 private:
  uchar* bits_ = nullptr;
  qsizetype stride_ = 0;
  std::vector<QRect> clipRects_;  // the writable parts of the picture
};

}  // namespace detail
}  // namespace platform

// Lines, rectangles, polygons, pixels and paths. One-pixel pens are rasterised here pixel by pixel
// so that end points and right and bottom edges come out exactly as the game's layout expects.

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/gdi_objects.h"

namespace platform {
namespace detail {

PixelWriter::PixelWriter(Dc* dc) {
  if (!IsLiveDc(dc) || !dc->target || dc->target->isNull() || dc->target->depth() != 32) return;
  QImage& image = *dc->target;
  dc_ = dc;
  bits_ = image.bits();
  stride_ = image.bytesPerLine();
  ratio_ = image.devicePixelRatio();
  const QRect bounds = LogicalRect(image);
  if (dc->clip.isEmpty()) {
    clipRects_.push_back(bounds);
    return;
  }
  for (const QRect& r : dc->clip) {
    const QRect inside = r.intersected(bounds);
    if (!inside.isEmpty()) clipRects_.push_back(inside);
  }
}

void PixelWriter::Fill(int left, int top, int right, int bottom, QRgb color) {
  if (!bits_) return;
  for (const QRect& c : clipRects_) {
    const int x0 = std::max(left, c.left());
    const int x1 = std::min(right, c.right() + 1);
    const int y0 = std::max(top, c.top());
    const int y1 = std::min(bottom, c.bottom() + 1);
    if (x0 >= x1 || y0 >= y1) continue;
    const QRect box(x0, y0, x1 - x0, y1 - y0);
    Touch(dc_, box);
    const QRect device = DeviceRect(box, ratio_);
    for (int y = device.top(); y <= device.bottom(); ++y) {
      FillPixels(reinterpret_cast<QRgb*>(bits_ + y * stride_) + device.left(), device.width(),
                 color);
    }
  }
}

bool PixelWriter::Plot(int x, int y, QRgb color) {
  if (!bits_) return false;
  for (const QRect& c : clipRects_) {
    if (c.contains(x, y)) {
      if (ratio_ == 1.0) {
        reinterpret_cast<QRgb*>(bits_ + y * stride_)[x] = color;
      } else {
        Fill(x, y, x + 1, y + 1, color);
      }
      Touch(dc_, QRect(x, y, 1, 1));
      return true;
    }
  }
  return false;
}

void PixelWriter::PlotDevice(int x, int y, int size, QRgb color) {
  if (!bits_) return;
  const QRect square(x, y, size, size);
  for (const QRect& c : clipRects_) {
    const QRect part = square.intersected(DeviceRect(c, ratio_));
    if (part.isEmpty()) continue;
    const QRect covered(int(std::floor(part.left() / ratio_)), int(std::floor(part.top() / ratio_)),
                        int(std::ceil(part.width() / ratio_)) + 1,
                        int(std::ceil(part.height() / ratio_)) + 1);
    Touch(dc_, covered);
    for (int row = part.top(); row <= part.bottom(); ++row) {
      FillPixels(reinterpret_cast<QRgb*>(bits_ + row * stride_) + part.left(), part.width(), color);
    }
  }
}

}  // namespace detail

namespace {

using detail::IsLiveDc;
using detail::PixelWriter;

// Beyond this the pixel loop would take too long; the painter clips such lines analytically.
constexpr int kRasterLimit = 1 << 16;
// Keeps edge arithmetic (right - 1 + width ...) far from overflow.
constexpr int kCoordLimit = 1 << 24;

bool DashOn(int style, int step) {
  switch (style) {
    case PS_DASH:
      return step % 24 < 18;
    case PS_DOT:
      return step % 6 < 3;
    default:
      return true;
  }
}

QPointF Centre(Point p) {
  return QPointF(p.x + 0.5, p.y + 0.5);
}

QPen WidePen(const PenImpl& pen) {
  QPen qpen(detail::ToQColor(pen.log.color), pen.Width());
  qpen.setCapStyle(Qt::RoundCap);
  qpen.setJoinStyle(Qt::RoundJoin);
  return qpen;
}

bool FarOut(Point p) {
  return std::abs(p.x) > kRasterLimit || std::abs(p.y) > kRasterLimit;
}

// A one-pixel line from a to b without the pixel at b.
void Hairline(Dc* dc, PixelWriter& out, Point a, Point b, const PenImpl& pen, int& step) {
  const QRgb color = detail::ToQRgb(pen.log.color);
  if (FarOut(a) || FarOut(b)) {
    QPainter painter;
    if (!detail::BeginPainter(painter, dc)) return;
    painter.setPen(QPen(detail::ToQColor(pen.log.color), 0));
    painter.drawLine(Centre(a), Centre(b));
    return;
  }
  if (pen.log.style == PS_SOLID && (a.x == b.x || a.y == b.y)) {
    if (a.y == b.y) {
      out.Fill(a.x < b.x ? a.x : b.x + 1, a.y, a.x < b.x ? b.x : a.x + 1, a.y + 1, color);
    } else {
      out.Fill(a.x, a.y < b.y ? a.y : b.y + 1, a.x + 1, a.y < b.y ? b.y : a.y + 1, color);
    }
    return;
  }
  // On a denser surface the line steps through device pixels, as wide as a pixel of the program,
  // so that a slope comes out finer than the program's pixels doubled.
  const int rounded = static_cast<int>(std::lround(out.ratio()));
  const int scale = rounded > 1 && std::abs(out.ratio() - rounded) < 1e-6 ? rounded : 1;
  const Point from{a.x * scale, a.y * scale}, to{b.x * scale, b.y * scale};
  const int dx = std::abs(to.x - from.x), sx = from.x < to.x ? 1 : -1;
  const int dy = -std::abs(to.y - from.y), sy = from.y < to.y ? 1 : -1;
  int err = dx + dy, substep = 0;
  for (int x = from.x, y = from.y; x != to.x || y != to.y;) {
    if (DashOn(pen.log.style, step)) {
      if (scale == 1) {
        out.Plot(x, y, color);
      } else {
        out.PlotDevice(x, y, scale, color);
      }
    }
    if (++substep == scale) substep = 0, ++step;
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y += sy;
    }
  }
}

bool StrokePoints(Dc* dc, const Point* points, int count, bool closed) {
  const PenImpl& pen = *dc->pen;
  if (pen.IsNull()) return true;
  if (pen.Width() == 1) {
    PixelWriter out(dc);
    if (!out.valid()) return false;
    int step = 0;
    for (int i = 0; i + 1 < count; ++i)
      Hairline(dc, out, points[i], points[i + 1], pen, step);
    if (closed) Hairline(dc, out, points[count - 1], points[0], pen, step);
    return true;
  }
  QPolygonF polygon;
  for (int i = 0; i < count; ++i)
    polygon << Centre(points[i]);
  const int reach = pen.Width() + 1;
  QPainter painter;
  if (!detail::BeginPainter(
          painter, dc,
          polygon.boundingRect().toAlignedRect().adjusted(-reach, -reach, reach, reach))) {
    return false;
  }
  painter.setPen(WidePen(pen));
  painter.setBrush(Qt::NoBrush);
  if (closed) {
    painter.drawPolygon(polygon);
  } else {
    painter.drawPolyline(polygon);
  }
  return true;
}

bool Recording(Dc* dc) {
  return dc->pathState == Dc::PathState::kRecording;
}

void RecordFigure(Dc* dc, const Point* points, int count, bool closed) {
  dc->path.moveTo(points[0].x, points[0].y);
  for (int i = 1; i < count; ++i)
    dc->path.lineTo(points[i].x, points[i].y);
  if (closed) dc->path.closeSubpath();
}

QPen OutlinePen(const PenImpl& pen) {
  if (pen.Width() > 1) return WidePen(pen);
  QPen qpen(detail::ToQColor(pen.log.color), 0);
  if (pen.log.style == PS_DASH) qpen.setStyle(Qt::DashLine);
  if (pen.log.style == PS_DOT) qpen.setStyle(Qt::DotLine);
  return qpen;
}

// Everything the pixels of a rendered path in `bounds` depend on, with the path taken relative to
// the corner of `bounds`.
QByteArray PathKey(const Dc* dc, const QPainterPath& path, const QRect& bounds, bool fill,
                   bool stroke) {
  QByteArray key("path");
  key.reserve(64 + path.elementCount() * 20);
  detail::AddToKey(key, fill);
  detail::AddToKey(key, stroke);
  detail::AddToKey(key, dc->pen->log);
  detail::AddToKey(key, dc->brush->null);
  detail::AddToKey(key, dc->brush->color);
  detail::AddBoxToKey(key, dc, bounds);
  detail::AddToKey(key, path.fillRule());
  for (int i = 0; i < path.elementCount(); ++i) {
    const QPainterPath::Element e = path.elementAt(i);
    detail::AddToKey(key, e.type);
    detail::AddToKey(key, e.x - bounds.left());
    detail::AddToKey(key, e.y - bounds.top());
  }
  return key;
}

bool RenderPath(Dc* dc, bool fill, bool stroke) {
  if (!IsLiveDc(dc) || dc->pathState != Dc::PathState::kClosed) return false;
  QPainterPath path;
  std::swap(path, dc->path);
  dc->pathState = Dc::PathState::kNone;
  const int reach = dc->pen->Width() + 1;
  const QRect bounds = path.boundingRect().toAlignedRect().adjusted(-reach, -reach, reach, reach);
  // A path wholly outside the clip would change nothing.
  if (!dc->clip.isEmpty() && !dc->clip.intersects(bounds)) return IsLiveDc(dc);
  QByteArray key;
  QImage before;
  if (detail::Keepable(dc, bounds)) {
    key = PathKey(dc, path, bounds, fill, stroke);
    if (detail::PutKeptBlock(dc, key, bounds)) return true;
    before = detail::BlockBefore(dc, bounds);
  }
  {
    QPainter painter;
    if (!detail::BeginPainter(painter, dc, bounds)) return false;
    if (fill && !dc->brush->null) {
      painter.fillPath(path, detail::ToQColor(dc->brush->color));
    }
    if (stroke && !dc->pen->IsNull()) painter.strokePath(path, OutlinePen(*dc->pen));
  }
  if (!key.isEmpty()) detail::KeepBlock(dc, std::move(key), std::move(before), bounds);
  return true;
}

}  // namespace

bool Rectangle(Dc* dc, int left, int top, int right, int bottom) {
  if (!IsLiveDc(dc)) return false;
  left = std::clamp(left, -kCoordLimit, kCoordLimit);
  right = std::clamp(right, -kCoordLimit, kCoordLimit);
  top = std::clamp(top, -kCoordLimit, kCoordLimit);
  bottom = std::clamp(bottom, -kCoordLimit, kCoordLimit);
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
  if (Recording(dc)) {
    dc->path.addRect(left, top, right - left, bottom - top);
    return true;
  }
  // A box wholly outside the clip would change nothing.
  const int reach = dc->pen->IsNull() ? 0 : dc->pen->Width();
  if (!dc->clip.isEmpty() && dc->target != nullptr && !dc->target->isNull() &&
      !dc->clip.intersects(
          QRect(QPoint(left - reach, top - reach), QPoint(right + reach, bottom + reach)))) {
    return true;
  }
  PixelWriter out(dc);
  if (!out.valid()) return false;
  if (left == right || top == bottom) return true;
  if (!dc->brush->null) out.Fill(left, top, right, bottom, detail::ToQRgb(dc->brush->color));
  const PenImpl& pen = *dc->pen;
  if (pen.IsNull()) return true;
  const QRgb color = detail::ToQRgb(pen.log.color);
  if (pen.IsPlainHairline()) {
    out.Fill(left, top, right, top + 1, color);
    out.Fill(left, bottom - 1, right, bottom, color);
    out.Fill(left, top, left + 1, bottom, color);
    out.Fill(right - 1, top, right, bottom, color);
  } else if (pen.Width() == 1) {
    const Point corners[] = {
        {left, top}, {right - 1, top}, {right - 1, bottom - 1}, {left, bottom - 1}};
    StrokePoints(dc, corners, 4, true);
  } else {
    // A wide pen is centred on the outline through the outermost pixels of the box.
    const int w = pen.Width(), half = w / 2;
    const int l = left - half, t = top - half, r = right - 1 - half + w, b = bottom - 1 - half + w;
    out.Fill(l, t, r, t + w, color);
    out.Fill(l, b - w, r, b, color);
    out.Fill(l, t, l + w, b, color);
    out.Fill(r - w, t, r, b, color);
  }
  return true;
}

bool FillRect(Dc* dc, const Rect& rect, Brush* brush) {
  const auto* impl = detail::As<BrushImpl>(brush, detail::Tracked::Kind::kBrush);
  if (!IsLiveDc(dc) || !impl) return false;
  PixelWriter out(dc);
  if (!out.valid()) return false;
  if (!impl->null) {
    out.Fill(rect.left, rect.top, rect.right, rect.bottom, detail::ToQRgb(impl->color));
  }
  return true;
}

bool MoveToEx(Dc* dc, int x, int y, Point* previous) {
  if (!IsLiveDc(dc)) return false;
  if (previous) *previous = dc->position;
  dc->position = Point{x, y};
  if (Recording(dc)) dc->path.moveTo(x, y);
  return true;
}

bool LineTo(Dc* dc, int x, int y) {
  if (!IsLiveDc(dc)) return false;
  const Point line[] = {dc->position, Point{x, y}};
  dc->position = line[1];
  if (Recording(dc)) {
    if (dc->path.elementCount() == 0) dc->path.moveTo(line[0].x, line[0].y);
    dc->path.lineTo(x, y);
    return true;
  }
  return StrokePoints(dc, line, 2, false);
}

bool Polyline(Dc* dc, const Point* points, int count) {
  if (!IsLiveDc(dc) || !points || count < 2) return false;
  if (Recording(dc)) {
    RecordFigure(dc, points, count, false);
    return true;
  }
  return StrokePoints(dc, points, count, false);
}

bool Polygon(Dc* dc, const Point* points, int count) {
  if (!IsLiveDc(dc) || !points || count < 2) return false;
  if (Recording(dc)) {
    RecordFigure(dc, points, count, true);
    return true;
  }
  if (!dc->brush->null) {
    QPolygonF polygon;
    for (int i = 0; i < count; ++i)
      polygon << Centre(points[i]);
    QPainter painter;  // ends before the outline is written pixel by pixel
    if (!detail::BeginPainter(painter, dc,
                              polygon.boundingRect().toAlignedRect().adjusted(-1, -1, 1, 1)))
      return false;
    QPainterPath area;
    area.addPolygon(polygon);
    area.setFillRule(Qt::OddEvenFill);
    painter.fillPath(area, detail::ToQColor(dc->brush->color));
  }
  return StrokePoints(dc, points, count, true);
}

Color SetPixel(Dc* dc, int x, int y, Color color) {
  PixelWriter out(dc);
  if (!out.Plot(x, y, detail::ToQRgb(color))) return CLR_INVALID;
  return color & 0xFFFFFF;
}

Color GetPixel(Dc* dc, int x, int y) {
  if (!IsLiveDc(dc) || !dc->target || !detail::LogicalRect(*dc->target).contains(x, y)) {
    return CLR_INVALID;
  }
  if (!dc->clip.isEmpty() && !dc->clip.contains(QPoint(x, y))) return CLR_INVALID;
  const qreal ratio = dc->target->devicePixelRatio();
  return detail::FromQRgb(
      dc->target->pixel(detail::DeviceEdge(x, ratio), detail::DeviceEdge(y, ratio)));
}

bool BeginPath(Dc* dc) {
  if (!IsLiveDc(dc)) return false;
  dc->path = QPainterPath();
  // Glyph outlines are drawn for the non-zero rule.
  dc->path.setFillRule(Qt::WindingFill);
  dc->pathState = Dc::PathState::kRecording;
  return true;
}

bool EndPath(Dc* dc) {
  if (!IsLiveDc(dc) || !Recording(dc)) return false;
  dc->pathState = Dc::PathState::kClosed;
  return true;
}

bool StrokeAndFillPath(Dc* dc) {
  return RenderPath(dc, true, true);
}

}  // namespace platform

// Fonts from font descriptions, text layout with "&" prefixes, and text drawn or recorded as a
// path.

#include <QCoreApplication>
#include <QHash>
#include <QPainter>
#include <QString>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/gdi_objects.h"

namespace platform {
namespace {

using detail::IsLiveDc;

constexpr int kDefaultEm = 16;
constexpr int kMaxEm = 2048;
// Bounds of the caches below; when one is full it starts afresh.
constexpr size_t kMaxCachedFonts = 64;
constexpr qsizetype kMaxShapedLines = 1024;

// Faces the program may ask for, mapped to installed metric-compatible ones here rather than by
// the desktop's font substitution, which differs from host to host.
QString FamilyFor(const LogFont& log) {
  const QString face =
      QString::fromLatin1(log.faceName, qsizetype(strnlen(log.faceName, sizeof log.faceName)))
          .trimmed();
  struct Mapping {
    const char* face;
    const char* family;
  };
  static constexpr Mapping kMappings[] = {
      {"", "Liberation Sans"},
      {"Arial", "Liberation Sans"},
      {"Times New Roman", "Liberation Serif"},
      {"Courier New", "Liberation Mono"},
  };
  for (const Mapping& m : kMappings) {
    if (face.compare(QLatin1String(m.face), Qt::CaseInsensitive) == 0) {
      return QString::fromLatin1(m.family);
    }
  }
  return face;
}

int EmFor(const QFont& base, std::int32_t height) {
  if (height == 0) return kDefaultEm;
  const std::int64_t h = height;
  if (h < 0) return int(std::min<std::int64_t>(-h, kMaxEm));
  // A positive height is the cell, ascent plus descent; find the em that gives it.
  QFont probe(base);
  probe.setPixelSize(1000);
  const QFontMetricsF m(probe);
  const double cell = m.ascent() + m.descent();
  const double em = cell > 0 ? double(std::min<std::int64_t>(h, kMaxEm)) * 1000.0 / cell : h;
  return std::clamp(int(em + 0.5), 1, kMaxEm);
}

struct TextLine {
  QString text;
  std::vector<qsizetype> marks;  // characters underlined by an "&" prefix
  int x = 0;
  int top = 0;
  int width = 0;
};

TextLine TakePrefixes(const QString& raw) {
  TextLine line;
  line.text.reserve(raw.size());
  for (qsizetype i = 0; i < raw.size(); ++i) {
    if (raw[i] != QLatin1Char('&')) {
      line.text += raw[i];
      continue;
    }
    if (++i >= raw.size()) break;  // a lone "&" at the end shows nothing
    if (raw[i] != QLatin1Char('&')) line.marks.push_back(line.text.size());
    line.text += raw[i];
  }
  return line;
}

std::vector<TextLine> SplitLines(const QString& text, unsigned format) {
  QStringList raw;
  if (format & DT_SINGLELINE) {
    QString joined = text;
    joined.remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
    raw << joined;
  } else {
    raw = text.split(QLatin1Char('\n'));
    for (QString& r : raw) {
      if (r.endsWith(QLatin1Char('\r'))) r.chop(1);
    }
  }
  std::vector<TextLine> lines;
  lines.reserve(size_t(raw.size()));
  for (const QString& r : raw) {
    if (format & DT_NOPREFIX) {
      lines.push_back(TextLine{r, {}, 0, 0, 0});
    } else {
      lines.push_back(TakePrefixes(r));
    }
  }
  return lines;
}

// A line of text in a font, shaped once and kept: its width and its glyphs ready to draw with the
// baseline at the origin.
struct ShapedLine {
  int width = 0;
  std::shared_ptr<QTextLayout> layout;
};

const ShapedLine& Shaped(const detail::ResolvedFont& font, const QString& text) {
  static QHash<QPair<quint64, QString>, ShapedLine> cache;
  const auto key = qMakePair(quint64(font.serial), text);
  auto found = cache.find(key);
  if (found != cache.end()) return *found;
  if (cache.size() >= kMaxShapedLines) cache.clear();
  ShapedLine shaped;
  shaped.width = font.metrics.horizontalAdvance(text);
  shaped.layout = std::make_shared<QTextLayout>(text, font.font);
  QTextOption option;
  option.setWrapMode(QTextOption::NoWrap);
  shaped.layout->setTextOption(option);
  shaped.layout->setCacheEnabled(true);
  shaped.layout->beginLayout();
  QTextLine line = shaped.layout->createLine();
  if (line.isValid()) {
    line.setLineWidth(1e6);
    line.setPosition(QPointF(0, -line.ascent()));
  }
  shaped.layout->endLayout();
  return *cache.insert(key, std::move(shaped));
}

// Places every line in rect; returns the height of the text.
int Layout(std::vector<TextLine>& lines, const detail::ResolvedFont& font, const Rect& rect,
           unsigned format) {
  const int lineHeight = font.ascent + font.descent;
  const int total = lineHeight * int(lines.size());
  int top = rect.top;
  if (format & DT_SINGLELINE) {
    if (format & DT_VCENTER) {
      top = rect.top + (rect.Height() - lineHeight) / 2;
    } else if (format & DT_BOTTOM) {
      top = rect.bottom - lineHeight;
    }
  }
  for (TextLine& line : lines) {
    line.width = Shaped(font, line.text).width;
    line.top = top;
    top += lineHeight;
    if (format & DT_CENTER) {
      line.x = rect.left + (rect.Width() - line.width) / 2;
    } else if (format & DT_RIGHT) {
      line.x = rect.right - line.width;
    } else {
      line.x = rect.left;
    }
  }
  return total;
}

QRect Underline(const TextLine& line, qsizetype mark, const detail::ResolvedFont& font) {
  const qsizetype length = line.text[mark].isHighSurrogate() ? 2 : 1;
  const int x = line.x + font.metrics.horizontalAdvance(line.text.left(mark));
  const int width = font.metrics.horizontalAdvance(line.text.mid(mark, length));
  const int y = line.top + font.ascent + font.metrics.underlinePos();
  return QRect(x, y, width, std::max(1, font.metrics.lineWidth()));
}

// Whether two paths hold exactly the same elements (the toolkit's own comparison allows a little).
bool SameElements(const QPainterPath& a, const QPainterPath& b) {
  if (a.isEmpty() || a.elementCount() != b.elementCount()) return false;
  for (int i = 0; i < a.elementCount(); ++i) {
    const QPainterPath::Element p = a.elementAt(i), q = b.elementAt(i);
    if (p.type != q.type || p.x != q.x || p.y != q.y) return false;
  }
  return true;
}

// The letters of a line as a path, with the baseline's left end at `origin`. The font engine gives
// outlines with roundings that may change once it has drawn those letters, so an outline is asked
// for afresh until two in a row agree; that one is kept and used from then on.
QPainterPath Outline(const detail::ResolvedFont& font, const QString& text, QPointF origin) {
  struct Kept {
    QPainterPath path;
    bool settled = false;
  };
  static QHash<QPair<QPair<quint64, QString>, QPair<qreal, qreal>>, Kept> kept;
  const auto key =
      qMakePair(qMakePair(quint64(font.serial), text), qMakePair(origin.x(), origin.y()));
  Kept& entry = kept[key];
  if (entry.settled) return entry.path;
  if (kept.size() > kMaxShapedLines) {
    kept.clear();
    QPainterPath fresh;
    fresh.addText(origin, font.font, text);
    return fresh;
  }
  QPainterPath fresh;
  fresh.addText(origin, font.font, text);
  entry.settled = SameElements(fresh, entry.path);
  entry.path = fresh;
  return fresh;
}

void RecordLines(Dc* dc, const std::vector<TextLine>& lines, const detail::ResolvedFont& font) {
  const int lineHeight = font.ascent + font.descent;
  for (const TextLine& line : lines) {
    if (dc->bkMode == OPAQUE && line.width > 0) {
      dc->path.addRect(line.x, line.top, line.width, lineHeight);
    }
    dc->path.addPath(Outline(font, line.text, QPointF(line.x, line.top + font.ascent)));
    for (qsizetype mark : line.marks)
      dc->path.addRect(Underline(line, mark, font));
  }
}

bool DrawLines(Dc* dc, const std::vector<TextLine>& lines, const detail::ResolvedFont& font,
               const QRect& box) {
  QPainter painter;
  if (!detail::BeginPainter(painter, dc, box)) return false;
  painter.setClipRect(box, Qt::IntersectClip);
  painter.setFont(font.font);
  const QColor ink = detail::ToQColor(dc->textColor);
  painter.setPen(ink);
  const int lineHeight = font.ascent + font.descent;
  for (const TextLine& line : lines) {
    if (dc->bkMode == OPAQUE && line.width > 0) {
      painter.fillRect(QRect(line.x, line.top, line.width, lineHeight),
                       detail::ToQColor(dc->bkColor));
    }
    Shaped(font, line.text).layout->draw(&painter, QPointF(line.x, line.top + font.ascent));
    for (qsizetype mark : line.marks)
      painter.fillRect(Underline(line, mark, font), ink);
  }
  return true;
}

bool PaintLines(Dc* dc, const std::vector<TextLine>& lines, const detail::ResolvedFont& font,
                const QString& text, unsigned format, const Rect& rect) {
  const QRect box(rect.left, rect.top, rect.Width(), rect.Height());
  if (!detail::Keepable(dc, box)) return DrawLines(dc, lines, font, box);
  QByteArray key("text");
  detail::AddToKey(key, font.serial);
  detail::AddToKey(key, format);
  detail::AddBoxToKey(key, dc, box);
  detail::AddToKey(key, dc->textColor);
  detail::AddToKey(key, dc->bkColor);
  detail::AddToKey(key, dc->bkMode);
  key.append(reinterpret_cast<const char*>(text.constData()), text.size() * 2);
  if (detail::PutKeptBlock(dc, key, box)) return true;
  QImage before = detail::BlockBefore(dc, box);
  if (!DrawLines(dc, lines, font, box)) return false;
  detail::KeepBlock(dc, std::move(key), std::move(before), box);
  return true;
}

}  // namespace

namespace {

// Everything of a description that the resolution reads.
std::string FontKey(const LogFont& log) {
  std::string key(reinterpret_cast<const char*>(&log.height), sizeof log.height);
  key.append(reinterpret_cast<const char*>(&log.width), sizeof log.width);
  key.append(reinterpret_cast<const char*>(&log.weight), sizeof log.weight);
  key += char(log.italic);
  key += char(log.underline);
  key += char(log.strikeOut);
  key.append(log.faceName, strnlen(log.faceName, sizeof log.faceName));
  return key;
}

std::shared_ptr<const detail::ResolvedFont> ResolveFont(const LogFont& log) {
  QFont font(FamilyFor(log));
  font.setStyleStrategy(QFont::PreferOutline);
  font.setKerning(false);
  font.setWeight(QFont::Weight(log.weight <= 0 ? 400 : std::clamp<int>(log.weight, 1, 1000)));
  font.setItalic(log.italic != 0);
  font.setUnderline(log.underline != 0);
  font.setStrikeOut(log.strikeOut != 0);
  const int em = EmFor(font, log.height);
  font.setPixelSize(em);
  if (log.width != 0) {
    const double natural = QFontMetricsF(font).averageCharWidth();
    const double wanted = std::min<double>(std::abs(double(log.width)), 4.0 * kMaxEm);
    if (natural > 0) font.setStretch(std::clamp(int(100.0 * wanted / natural + 0.5), 1, 4000));
  }
  QFontMetrics metrics(font);
  const int ascent = metrics.ascent(), descent = metrics.descent();
  const int average = metrics.averageCharWidth();
  static std::uint64_t serial = 0;
  return std::make_shared<const detail::ResolvedFont>(
      detail::ResolvedFont{font, metrics, ascent, descent, em, average, ++serial});
}

}  // namespace

const detail::ResolvedFont& FontImpl::Resolve() {
  if (resolved_) return *resolved_;
  static std::map<std::string, std::shared_ptr<const detail::ResolvedFont>> fonts;
  const std::string key = FontKey(log);
  auto found = fonts.find(key);
  if (found == fonts.end()) {
    if (fonts.size() >= kMaxCachedFonts) fonts.clear();
    found = fonts.emplace(key, ResolveFont(log)).first;
  }
  resolved_ = found->second;
  return *resolved_;
}

Color SetTextColor(Dc* dc, Color color) {
  if (!IsLiveDc(dc)) return CLR_INVALID;
  return std::exchange(dc->textColor, color & 0xFFFFFF);
}

Color SetBkColor(Dc* dc, Color color) {
  if (!IsLiveDc(dc)) return CLR_INVALID;
  return std::exchange(dc->bkColor, color & 0xFFFFFF);
}

int SetBkMode(Dc* dc, int mode) {
  if (!IsLiveDc(dc) || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
  return std::exchange(dc->bkMode, mode);
}

int DrawText(Dc* dc, const char* text, int length, Rect* rect, unsigned format) {
  // Fonts cannot be resolved before the window system has started.
  if (!IsLiveDc(dc) || !text || !rect || !QCoreApplication::instance()) return 0;
  const size_t bytes = length < 0 ? std::strlen(text) : strnlen(text, size_t(length));
  const detail::ResolvedFont& font = dc->font->Resolve();
  // Text drawn outside the clip would change nothing: it is not even read.
  const QRect box(rect->left, rect->top, rect->Width(), rect->Height());
  if (!(format & DT_CALCRECT) && dc->pathState != Dc::PathState::kRecording &&
      !dc->clip.isEmpty() && !dc->clip.intersects(box)) {
    const auto breaks = (format & DT_SINGLELINE) ? 0 : std::count(text, text + bytes, '\n');
    return (font.ascent + font.descent) * int(1 + breaks);
  }
  const QString all = QString::fromUtf8(text, qsizetype(bytes));
  std::vector<TextLine> lines = SplitLines(all, format);
  const int height = Layout(lines, font, *rect, format);
  if (format & DT_CALCRECT) {
    int widest = 0;
    for (const TextLine& line : lines)
      widest = std::max(widest, line.width);
    rect->right = rect->left + widest;
    rect->bottom = rect->top + height;
    return height;
  }
  if (dc->pathState == Dc::PathState::kRecording) {
    RecordLines(dc, lines, font);
    return height;
  }
  return PaintLines(dc, lines, font, all, format, *rect) ? height : 0;
}

bool GetTextMetrics(Dc* dc, TextMetrics* metrics) {
  if (!IsLiveDc(dc) || !metrics || !QCoreApplication::instance()) return false;
  const detail::ResolvedFont& font = dc->font->Resolve();
  metrics->ascent = font.ascent;
  metrics->descent = font.descent;
  metrics->height = font.ascent + font.descent;
  metrics->internalLeading = std::max(0, metrics->height - font.em);
  metrics->aveCharWidth = font.aveCharWidth;
  return true;
}

}  // namespace platform

// A drawing repeated on the same pixels gives the same pixels: what a drawing made of a box is kept
// with what the box showed before, and copied back when the same drawing meets the same box again.

#include <QHash>
#include <cstring>

#include "platform/gdi_objects.h"

namespace platform::detail {
namespace {

constexpr qsizetype kMaxKeptBytes = 16 << 20;

struct Block {
  QImage before;
  QImage after;
};

struct Kept {
  QHash<QByteArray, Block> blocks;
  qsizetype bytes = 0;
};

Kept& TheKept() {
  static Kept kept;
  return kept;
}

bool Shows(const QImage& image, QRect box, const QImage& picture) {
  box = DeviceRect(box, image.devicePixelRatio());
  if (picture.size() != box.size()) return false;
  const size_t bytes = size_t(box.width()) * 4;
  for (int row = 0; row < box.height(); ++row) {
    if (std::memcmp(image.constScanLine(box.top() + row) + qsizetype(box.left()) * 4,
                    picture.constScanLine(row), bytes) != 0) {
      return false;
    }
  }
  return true;
}

}  // namespace

bool Keepable(const Dc* dc, const QRect& box) {
  if (dc->target == nullptr || dc->target->format() != QImage::Format_RGB32) return false;
  if (box.isEmpty() || !LogicalRect(*dc->target).contains(box)) return false;
  if (dc->clip.isEmpty()) return true;
  return dc->clip.rectCount() == 1 ? dc->clip.boundingRect().contains(box)
                                   : QRegion(box).subtracted(dc->clip).isEmpty();
}

bool PutKeptBlock(Dc* dc, const QByteArray& key, const QRect& box) {
  const Kept& kept = TheKept();
  const auto found = kept.blocks.constFind(key);
  if (found == kept.blocks.constEnd() || !Shows(*dc->target, box, found->before)) return false;
  const QImage& after = found->after;
  QImage& target = *dc->target;
  const QRect device = DeviceRect(box, target.devicePixelRatio());
  const size_t bytes = size_t(device.width()) * 4;
  for (int row = 0; row < device.height(); ++row) {
    std::memcpy(target.scanLine(device.top() + row) + qsizetype(device.left()) * 4,
                after.constScanLine(row), bytes);
  }
  Touch(dc, box);
  return true;
}

QImage BlockBefore(const Dc* dc, const QRect& box) {
  return dc->target->copy(DeviceRect(box, dc->target->devicePixelRatio()));
}

void KeepBlock(const Dc* dc, QByteArray key, QImage before, const QRect& box) {
  Kept& kept = TheKept();
  QImage after = dc->target->copy(DeviceRect(box, dc->target->devicePixelRatio()));
  const qsizetype bytes = before.sizeInBytes() + after.sizeInBytes();
  if (kept.bytes + bytes > kMaxKeptBytes) {
    kept.blocks.clear();
    kept.bytes = 0;
  }
  auto found = kept.blocks.find(key);
  if (found != kept.blocks.end()) {
    kept.bytes -= qsizetype(found->before.sizeInBytes() + found->after.sizeInBytes());
    kept.blocks.erase(found);
  }
  kept.blocks.insert(std::move(key), Block{std::move(before), std::move(after)});
  kept.bytes += bytes;
}

}  // namespace platform::detail

#include "tools/pictures/bmp.h"

namespace pictures {

namespace {

constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kPaletteSize = 16 * 4;

void Put16(Bytes& out, uint32_t value) {
  out.push_back(static_cast<uint8_t>(value));
  out.push_back(static_cast<uint8_t>(value >> 8));
}

void Put32(Bytes& out, uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

// Rows of BMP pixel data are padded to whole 32-bit words.
uint32_t RowBytes(int width, int bitsPerPixel) {
  return static_cast<uint32_t>((width * bitsPerPixel + 31) / 32 * 4);
}

uint32_t ColorBytes(const Canvas& c) {
  return RowBytes(c.width(), 4) * c.height();
}
uint32_t MaskBytes(const Canvas& c) {
  return RowBytes(c.width(), 1) * c.height();
}

// The info header, the palette and the pixels, bottom row first; an icon image adds the
// transparency mask after the pixels and counts it in the header's doubled height.
void AppendDib(const Canvas& canvas, bool withMask, Bytes& out) {
  const int w = canvas.width();
  const int h = canvas.height();
  const uint32_t imageBytes = ColorBytes(canvas) + (withMask ? MaskBytes(canvas) : 0);
  Put32(out, kInfoHeaderSize);
  Put32(out, static_cast<uint32_t>(w));
  Put32(out, static_cast<uint32_t>(withMask ? 2 * h : h));
  Put16(out, 1);
  Put16(out, 4);
  Put32(out, 0);
  Put32(out, imageBytes);
  Put32(out, 2835);  // 72 dots per inch
  Put32(out, 2835);
  Put32(out, 16);
  Put32(out, 0);
  for (const Rgb& rgb : canvas.palette()) {
    out.insert(out.end(), {rgb.b, rgb.g, rgb.r, 0});
  }
  for (int y = h - 1; y >= 0; --y) {
    Bytes row(RowBytes(w, 4), 0);
    for (int x = 0; x < w; ++x) {
      const uint8_t ink = canvas.At(x, y);
      const uint8_t index = ink == kClear ? 0 : ink;
      row[x / 2] |= x % 2 == 0 ? static_cast<uint8_t>(index << 4) : index;
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  if (!withMask) return;
  for (int y = h - 1; y >= 0; --y) {
    Bytes row(RowBytes(w, 1), 0);
    for (int x = 0; x < w; ++x) {
      if (canvas.At(x, y) == kClear) row[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
    }
    out.insert(out.end(), row.begin(), row.end());
  }
}

}  // namespace

Bytes EncodeBmp(const Canvas& canvas) {
  const uint32_t offset = 14 + kInfoHeaderSize + kPaletteSize;
  Bytes out = {'B', 'M'};
  Put32(out, offset + ColorBytes(canvas));
  Put32(out, 0);
  Put32(out, offset);
  AppendDib(canvas, false, out);
  return out;
}

Bytes EncodeIco(const std::vector<Canvas>& images) {
  constexpr uint32_t kDirectorySize = 6;
  constexpr uint32_t kEntrySize = 16;
  Bytes out;
  Put16(out, 0);
  Put16(out, 1);
  Put16(out, static_cast<uint32_t>(images.size()));
  uint32_t offset = kDirectorySize + kEntrySize * static_cast<uint32_t>(images.size());
  for (const Canvas& image : images) {
    const uint32_t size = kInfoHeaderSize + kPaletteSize + ColorBytes(image) + MaskBytes(image);
    out.insert(out.end(),
               {static_cast<uint8_t>(image.width()), static_cast<uint8_t>(image.height()), 16, 0});
    Put16(out, 1);
    Put16(out, 4);
    Put32(out, size);
    Put32(out, offset);
    offset += size;
  }
  for (const Canvas& image : images) {
    AppendDib(image, true, out);
  }
  return out;
}

}  // namespace pictures

#include "tools/pictures/png.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace pictures {

namespace {

// The palette entry after the canvas's 16 colors, fully transparent.
constexpr uint8_t kTransparentIndex = 16;
// The largest block that deflate stores uncompressed.
constexpr size_t kStoredBlockMax = 65535;

void PutBig32(Bytes& out, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8)
    out.push_back(static_cast<uint8_t>(value >> shift));
}

uint32_t Crc32(const uint8_t* data, size_t size) {
  static const std::array<uint32_t, 256> table = [] {
    std::array<uint32_t, 256> t{};
    for (uint32_t n = 0; n < 256; ++n) {
      uint32_t c = n;
      for (int k = 0; k < 8; ++k)
        c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  uint32_t crc = 0xFFFFFFFFu;
  for (size_t i = 0; i < size; ++i)
    crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
  return crc ^ 0xFFFFFFFFu;
}

uint32_t Adler32(const Bytes& data) {
  uint32_t a = 1, b = 0;
  for (const uint8_t byte : data) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  return b << 16 | a;
}

// Length, type, data and the CRC of type and data.
void PutChunk(Bytes& out, std::string_view type, const Bytes& data) {
  PutBig32(out, static_cast<uint32_t>(data.size()));
  const size_t start = out.size();
  for (const char c : type)
    out.push_back(static_cast<uint8_t>(c));
  out.insert(out.end(), data.begin(), data.end());
  PutBig32(out, Crc32(out.data() + start, out.size() - start));
}

// A zlib stream of stored deflate blocks.
Bytes Stored(const Bytes& raw) {
  Bytes z = {0x78, 0x01};
  size_t at = 0;
  do {
    const size_t length = std::min(kStoredBlockMax, raw.size() - at);
    const bool last = at + length == raw.size();
    z.push_back(last ? 1 : 0);
    z.push_back(static_cast<uint8_t>(length));
    z.push_back(static_cast<uint8_t>(length >> 8));
    z.push_back(static_cast<uint8_t>(~length));
    z.push_back(static_cast<uint8_t>(~length >> 8));
    z.insert(z.end(), raw.begin() + static_cast<std::ptrdiff_t>(at),
             raw.begin() + static_cast<std::ptrdiff_t>(at + length));
    at += length;
  } while (at < raw.size());
  PutBig32(z, Adler32(raw));
  return z;
}

}  // namespace

Bytes EncodePng(const Canvas& canvas) {
  Bytes out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  Bytes header;
  PutBig32(header, static_cast<uint32_t>(canvas.width()));
  PutBig32(header, static_cast<uint32_t>(canvas.height()));
  header.insert(header.end(),
                {8, 3, 0, 0, 0});  // 8 bits, indexed, deflate, no filter, no interlace
  PutChunk(out, "IHDR", header);

  Bytes palette;
  for (const Rgb& rgb : canvas.palette())
    palette.insert(palette.end(), {rgb.r, rgb.g, rgb.b});
  palette.insert(palette.end(), {0, 0, 0});
  PutChunk(out, "PLTE", palette);
  Bytes alpha(kTransparentIndex, 0xFF);
  alpha.push_back(0);
  PutChunk(out, "tRNS", alpha);

  Bytes raw;
  for (int y = 0; y < canvas.height(); ++y) {
    raw.push_back(0);  // the row is not filtered
    for (int x = 0; x < canvas.width(); ++x) {
      const uint8_t ink = canvas.At(x, y);
      raw.push_back(ink == kClear ? kTransparentIndex : ink);
    }
  }
  PutChunk(out, "IDAT", Stored(raw));
  PutChunk(out, "IEND", {});
  return out;
}

}  // namespace pictures

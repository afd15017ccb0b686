// Writers of 4-bit indexed BMP files and of icon files holding 4-bit images.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/pictures/canvas.h"

namespace pictures {

using Bytes = std::vector<uint8_t>;

// A bottom-up BMP with the canvas's 16-color palette; undrawn pixels are written as entry 0.
Bytes EncodeBmp(const Canvas& canvas);
// An icon file with one 4-bit image per canvas (each at most 255 pixels square); undrawn
// pixels are transparent.
Bytes EncodeIco(const std::vector<Canvas>& images);

}  // namespace pictures

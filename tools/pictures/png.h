// A writer of PNG files, for the desktop's icon theme.
#pragma once

#include "tools/pictures/bmp.h"
#include "tools/pictures/canvas.h"

namespace pictures {

// An 8-bit indexed PNG with the canvas's 16 colors; undrawn pixels are transparent. The image
// data is stored without compression: the icons are small and the writer stays short.
Bytes EncodePng(const Canvas& canvas);

}  // namespace pictures

// A 16-color indexed picture with the few drawing primitives the card pictures need.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace pictures {

struct Rgb {
  uint8_t r, g, b;
  bool operator==(const Rgb&) const = default;
};

using Palette = std::array<Rgb, 16>;

// Indices into the standard palette; the card and panel palettes change one entry each.
enum Ink : uint8_t {
  kBlack,
  kDarkRed,
  kDarkGreen,
  kOlive,
  kNavy,
  kPurple,
  kTeal,
  kSilver,
  kGrey,
  kRed,
  kGreen,
  kYellow,
  kBlue,
  kMagenta,
  kCyan,
  kWhite,
};

// The card palette puts a skin tone where the standard one has olive.
inline constexpr Ink kSkin = kOlive;
// The panel palette matches the blue of the card tracker where the standard one has navy.
inline constexpr Ink kPanel = kNavy;
// A pixel nothing was drawn on: transparent in icons, never left in a finished bitmap.
inline constexpr uint8_t kClear = 0xFF;

const Palette& StandardPalette();
const Palette& CardPalette();
const Palette& PanelPalette();

struct Point {
  double x, y;
};

// A shape to stamp in any ink: true where the shape covers the pixel. A mask of scale 2 holds
// 2 x 2 of its bits for each pixel of its width and height (drawn for a double-density picture).
struct Mask {
  int width = 0;
  int height = 0;
  int scale = 1;
  std::vector<bool> bits;

  Mask() = default;
  Mask(int w, int h, int s = 1)
      : width(w), height(h), scale(s), bits(static_cast<std::size_t>(w) * s * h * s, false) {}
  // These address the bits, width * scale by height * scale of them.
  bool At(int x, int y) const { return bits[static_cast<std::size_t>(y) * width * scale + x]; }
  void Set(int x, int y, bool on) { bits[static_cast<std::size_t>(y) * width * scale + x] = on; }
  // Rows given as strings, '#' for a covered pixel.
  static Mask FromRows(const std::vector<const char*>& rows);
  Mask Turned() const;  // rotated by 180 degrees
};

// Coordinates are the picture's pixels; a canvas of scale 2 holds 2 x 2 device pixels for each, so
// the same drawing comes out at double density: shapes with finer edges, lines as thick as a pixel.
class Canvas {
 public:
  Canvas(int width, int height, uint8_t fill = kClear, const Palette& palette = StandardPalette(),
         int scale = 1);

  int width() const { return width_; }
  int height() const { return height_; }
  int scale() const { return scale_; }
  const Palette& palette() const { return palette_; }
  // kClear outside the picture; at scale 2 the top left device pixel of the pixel.
  uint8_t At(int x, int y) const;
  // The device pixels as a picture of scale 1, for the encoders.
  Canvas Flattened() const;
  Rgb ColorAt(int x, int y) const { return palette_[At(x, y)]; }
  bool operator==(const Canvas&) const = default;

  // Every primitive clips to the picture; rectangles and ellipses take (left, top, width, height).
  void Set(int x, int y, uint8_t ink);
  void FillRect(int x, int y, int w, int h, uint8_t ink);
  void FrameRect(int x, int y, int w, int h, uint8_t ink);
  void Line(int x0, int y0, int x1, int y1, uint8_t ink);  // both end points drawn
  void FillEllipse(int x, int y, int w, int h, uint8_t ink);
  // Fills the pixels whose centres lie inside the polygon; corners in pixel-edge coordinates.
  void FillPolygon(const std::vector<Point>& corners, uint8_t ink);
  void Stamp(const Mask& mask, int x, int y, uint8_t ink);
  // Copies the drawn pixels of `source` with its top left corner at (x, y).
  void Draw(const Canvas& source, int x, int y);
  // Turns every drawn pixel of the rectangle by 180 degrees about the picture's centre,
  // so a picture drawn in its upper half becomes point-symmetric.
  void TurnCopy(int x, int y, int w, int h);
  // Draws `ink` on every undrawn pixel that touches a drawn one along an edge.
  void Outline(uint8_t ink);

 private:
  uint8_t DeviceAt(int x, int y) const;
  void SetDevice(int x, int y, uint8_t ink);

  int width_;
  int height_;
  int scale_;
  Palette palette_;
  std::vector<uint8_t> pixels_;  // width_ * scale_ by height_ * scale_
};

}  // namespace pictures

// A 16-colour indexed picture with the few drawing primitives the card pictures need.
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

// A shape to stamp in any ink: true where the shape covers the pixel.
struct Mask {
  int width = 0;
  int height = 0;
  std::vector<bool> bits;

  Mask() = default;
  Mask(int w, int h) : width(w), height(h), bits(static_cast<std::size_t>(w) * h, false) {}
  bool At(int x, int y) const { return bits[static_cast<std::size_t>(y) * width + x]; }
  void Set(int x, int y, bool on) { bits[static_cast<std::size_t>(y) * width + x] = on; }
  // Rows given as strings, '#' for a covered pixel.
  static Mask FromRows(const std::vector<const char*>& rows);
  Mask Turned() const;  // rotated by 180 degrees
};

class Canvas {
 public:
  Canvas(int width, int height, uint8_t fill = kClear, const Palette& palette = StandardPalette());

  int width() const { return width_; }
  int height() const { return height_; }
  const Palette& palette() const { return palette_; }
  // kClear outside the picture.
  uint8_t At(int x, int y) const;
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
  int width_;
  int height_;
  Palette palette_;
  std::vector<uint8_t> pixels_;
};

}  // namespace pictures

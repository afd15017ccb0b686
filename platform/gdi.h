#pragma once
// The drawing context: pens, brushes, fonts, bitmaps and the operations that draw with them, with
// the results of the classic 2-D drawing interface (pixel-exact lines and shapes, right and bottom
// edges excluded, text with "&" prefix processing, text paths, memory contexts and bitmap copies).

#include <cstdint>
#include <string>

#include "platform/types.h"

namespace platform {

class Window;
class Image;
class Dc;  // a drawing context on a window surface or on a memory bitmap

// Drawing objects are handles: made by the Create functions (or GetStockObject), freed by
// DeleteObject. What they hold is private to the layer.
class GdiObject {
 public:
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  virtual ~GdiObject();

 protected:
  GdiObject() = default;
};
class Pen : public GdiObject {
 protected:
  Pen() = default;
};
class Brush : public GdiObject {
 protected:
  Brush() = default;
};
class Font : public GdiObject {
 protected:
  Font() = default;
};
class Bitmap : public GdiObject {
 protected:
  Bitmap() = default;
};

enum : int { PS_SOLID = 0, PS_DASH = 1, PS_DOT = 2, PS_NULL = 5 };

struct LogPen {
  int style = PS_SOLID;
  int width = 0;  // 0 and 1 are both one pixel
  Color color = 0;
};

// A font description. A negative height is the character height in pixels without internal
// leading, a positive one the cell height; a non-zero width is the average character width.
struct LogFont {
  std::int32_t height = 0;
  std::int32_t width = 0;
  std::int32_t escapement = 0;
  std::int32_t orientation = 0;
  std::int32_t weight = 0;  // 700 is bold
  std::uint8_t italic = 0;
  std::uint8_t underline = 0;
  std::uint8_t strikeOut = 0;
  std::uint8_t charSet = 0;
  std::uint8_t outPrecision = 0;
  std::uint8_t clipPrecision = 0;
  std::uint8_t quality = 0;
  std::uint8_t pitchAndFamily = 0;
  char faceName[32] = {};
};

Pen* CreatePen(int style, int width, Color color);
Pen* CreatePenIndirect(const LogPen& pen);
Brush* CreateSolidBrush(Color color);
Font* CreateFontIndirect(const LogFont& font);
Bitmap* CreateCompatibleBitmap(Dc* dc, int width, int height);
// A picture embedded in the program under its resource number; null when there is none.
Bitmap* LoadBitmap(int resourceId);
bool GetBitmapSize(Bitmap* bitmap, int* width, int* height);

enum : int { WHITE_BRUSH = 0, BLACK_BRUSH = 4, NULL_BRUSH = 5, NULL_PEN = 8, BLACK_PEN = 7 };
// Stock objects are never deleted; DeleteObject on one does nothing.
GdiObject* GetStockObject(int which);

// Selects a pen, brush, font or bitmap (bitmaps into memory contexts only) and returns the one
// selected before; null on failure. A selected object must not be deleted.
GdiObject* SelectObject(Dc* dc, GdiObject* object);
bool DeleteObject(GdiObject* object);

// Selects `object` into `dc` for the life of the guard, then selects back what it replaced and,
// when `owned`, deletes the object (a stock object is never deleted). A null object selects
// nothing; one that could not be selected is still deleted.
class Selection {
 public:
  Selection(Dc* dc, GdiObject* object, bool owned = true)
      : dc_(dc),
        object_(object),
        owned_(owned),
        previous_(object != nullptr ? SelectObject(dc, object) : nullptr) {}
  ~Selection() {
    if (previous_ != nullptr) SelectObject(dc_, previous_);
    if (owned_ && object_ != nullptr) DeleteObject(object_);
  }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

  // Whether the object is selected now.
  bool selected() const { return previous_ != nullptr; }

 private:
  Dc* dc_;
  GdiObject* object_;
  bool owned_;
  GdiObject* previous_;
};

// Drawing contexts of a window (made with the windows' surfaces, in window.cpp). BeginPaint erases
// the invalid region when it was marked with erase, clips drawing to it and validates the window;
// EndPaint shows the result.
struct PaintStruct {
  Dc* dc = nullptr;  // the context BeginPaint handed out; EndPaint releases it
  Rect paintRect;
  bool erase = false;
};
Dc* BeginPaint(Window* window, PaintStruct* paint);
void EndPaint(Window* window, const PaintStruct* paint);
Dc* GetDC(Window* window);  // unclipped; shown when released
bool ReleaseDC(Window* window, Dc* dc);

Dc* CreateCompatibleDC(Dc* dc);  // a memory context holding a 1 x 1 bitmap; dc may be null
bool DeleteDC(Dc* dc);

enum : unsigned { SRCCOPY = 0x00CC0020 };
bool BitBlt(Dc* dest, int x, int y, int width, int height, Dc* source, int sx, int sy,
            unsigned rop);
// As BitBlt, but the source pixels of the color `transparent` leave the destination as it was.
bool TransparentBlt(Dc* dest, int x, int y, int width, int height, Dc* source, int sx, int sy,
                    Color transparent);

// Filled with the brush, outlined with the pen; right and bottom edges excluded.
bool Rectangle(Dc* dc, int left, int top, int right, int bottom);
bool FillRect(Dc* dc, const Rect& rect, Brush* brush);
bool MoveToEx(Dc* dc, int x, int y, Point* previous);
bool LineTo(Dc* dc, int x, int y);  // the end point is not drawn
bool Polyline(Dc* dc, const Point* points, int count);
bool Polygon(Dc* dc, const Point* points, int count);
// Both answer CLR_INVALID for a point outside the picture or the clip.
constexpr Color CLR_INVALID = 0xFFFF'FFFF;
Color SetPixel(Dc* dc, int x, int y, Color color);
Color GetPixel(Dc* dc, int x, int y);

Color SetTextColor(Dc* dc, Color color);
Color SetBkColor(Dc* dc, Color color);
enum : int { TRANSPARENT = 1, OPAQUE = 2 };
int SetBkMode(Dc* dc, int mode);  // returns the previous mode

enum : unsigned {
  DT_TOP = 0x0000,
  DT_CENTER = 0x0001,
  DT_RIGHT = 0x0002,
  DT_VCENTER = 0x0004,
  DT_BOTTOM = 0x0008,
  DT_SINGLELINE = 0x0020,
  DT_CALCRECT = 0x0400,
  DT_NOPREFIX = 0x0800,
};
// Lays out text (length -1: up to the NUL) in rect with the format flags: lines break at "\n"
// unless single-line; "&" underlines the next character and "&&" shows one "&" unless
// DT_NOPREFIX. DT_CALCRECT only measures: rect's right and bottom become the extent of the text.
// Returns the height of the text, 0 on failure.
int DrawText(Dc* dc, const char* text, int length, Rect* rect, unsigned format);

struct TextMetrics {
  int height = 0;  // ascent + descent
  int ascent = 0;
  int descent = 0;
  int internalLeading = 0;
  int aveCharWidth = 0;
};
bool GetTextMetrics(Dc* dc, TextMetrics* metrics);

// Paths: between BeginPath and EndPath, text drawn with DrawText is recorded as outlines instead
// of being drawn; StrokeAndFillPath fills the path with the brush and strokes it with the pen.
bool BeginPath(Dc* dc);
bool EndPath(Dc* dc);
bool StrokeAndFillPath(Dc* dc);

// The pixels a context draws on (its window surface or its selected bitmap).
Image ImageOf(Dc* dc);
// A copy of a bitmap's pixels.
Image ImageOfBitmap(Bitmap* bitmap);

}  // namespace platform

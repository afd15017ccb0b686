#pragma once
// A box of the main window's client area with a fill, an optional frame, and a line or block of
// text: every meter, message, table cell and colored panel of the game is one of these.

#include <cstdint>
#include <string>

#include "platform/gdi.h"
#include "platform/types.h"
#include "ui/palette.h"

namespace platform {
class Window;
}

using Color = platform::Color;
using FontSpec = platform::LogFont;

// Label::visible, and the first argument of SetVisible.
inline constexpr std::int32_t kHidden = 0;
inline constexpr std::int32_t kShown = 1;
// The `now` of SetVisible and Refresh: repaint with the next paint, or at once.
inline constexpr int kLater = 0;
inline constexpr int kNow = 1;
// Label::textFormat: one line, centred in height, and left, centred or right in width.
inline constexpr unsigned kLeftCentred = platform::DT_SINGLELINE | platform::DT_VCENTER;
inline constexpr unsigned kCentred = kLeftCentred | platform::DT_CENTER;
inline constexpr unsigned kRightCentred = kLeftCentred | platform::DT_RIGHT;
// Label::drawStyle: letters filled in the text color, or outlined.
inline constexpr std::int32_t kPlainLetters = 0;
inline constexpr std::int32_t kOutlinedLetters = 1;

// The program's fonts by code (0..26); every other code gives the code 0 font.
FontSpec MakeFontSpec(int code);

struct Label {
  platform::Rect rect{0, 0, 100, 40};
  Color backColor = kLightGrey;
  std::int32_t borderStyle = platform::PS_SOLID;
  std::int32_t borderWidth = 1;
  Color borderColor = kBlack;
  FontSpec font;
  Color textColor = kWhite;
  unsigned textFormat = 0;
  platform::Rect textRect{1, 1, 99, 39};
  std::int32_t backMode = platform::OPAQUE;
  std::int32_t drawStyle = kPlainLetters;
  Color outlineColor = kRed;
  std::string text;  // empty = no text
  std::int32_t visible = 1;

  Label();
  // Labels stand for fixed places on the screen; an implicit copy would let a caller edit a
  // temporary believing it edits the shown label, so copies are made only through Assign.
  Label(const Label&) = delete;
  Label& operator=(const Label&) = delete;

  Label& Assign(const Label& source);

  // Replaces the text (null or "" leaves none) and, with a window, marks the label for repainting.
  int SetText(const char* newText, platform::Window* window = nullptr);
  int SetNumber(std::int32_t value, platform::Window* window);
  void SetVisible(std::int32_t newVisible, platform::Window* window, int now);
  // Sets the fill and the text color; with a window, marks the label for repainting when either
  // changed. Returns whether either changed.
  bool SetColors(Color back, Color text, platform::Window* window);
  int Refresh(platform::Window* window, int now);

  int Draw(platform::Window* window, platform::Dc* dc);
  int DrawBackground(platform::Window* window, platform::Dc* dc);

  platform::LogPen BorderPen() const;
  platform::LogPen OutlinePen() const;

  void MoveLeftTo(int x);
  void MoveTopTo(int y);

 private:
  // The two ways Draw writes the text, by drawStyle.
  int DrawPlainText(platform::Window* window, platform::Dc* dc);
  int DrawOutlinedText(platform::Window* window, platform::Dc* dc);
};

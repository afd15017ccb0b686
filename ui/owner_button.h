#pragma once
// The three owner-drawn push buttons ("HALF DOUBLE", "REPEAT BET", "DEAL/DRAW"): a standard face
// for the state, frame lines, the focus rectangle and a two-line caption in a small bold font.

#include "platform/controls.h"
#include "platform/gdi.h"
#include "ui/label.h"

// One line of a stacked caption. An all-zero rect places the line under the previous one.
struct CaptionLine {
  const char* text = nullptr;
  FontSpec font;
  platform::Rect rect;
  Color color = 0;
};

void DrawOwnerButton(int controlId, const platform::DrawItemStruct& item);
// Any other id than the three owner-drawn buttons draws nothing.
void DrawButtonCaption(int controlId, platform::Dc* dc, const platform::Rect& area, Color color);
// The two lines top-aligned in area, each centred across its full width.
void DrawStackedCaption(platform::Dc* dc, const platform::Rect& area, const CaptionLine& first,
                        const CaptionLine& second);
// "DEAL/DRAW" over a thin rule over "DOUBLE".
void DrawDealDrawCaption(platform::Dc* dc, const platform::Rect& area, Color color);
void DrawHollowRect(platform::Dc* dc, const platform::Rect& rect, Color color);

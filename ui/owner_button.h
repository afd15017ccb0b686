#pragma once
// The three owner-drawn push buttons ("HALF DOUBLE", "REPEAT BET", "DEAL/DRAW"): a standard face
// for the state, frame lines, the focus rectangle and a two-line caption in a small bold font.

#include "platform/controls.h"
#include "platform/gdi.h"
#include "ui/label.h"

// Draws button `controlId` as its WM_DRAWITEM asks; any other id draws nothing.
void DrawOwnerButton(int controlId, const platform::DrawItemStruct& item);

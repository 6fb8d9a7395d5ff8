// Small vector figures of the default (skinless) look: arrows, check marks, the
// frame buttons' and system menu's glyphs, and frames of a multi-frame picture.
// Lines are drawn with the pen set to Color; a line's end point is not painted.
#pragma once

#include "gui/core/color.h"
#include "gui/core/types.h"
#include "gui/graphics/bitmap.h"
#include "gui/graphics/canvas.h"

namespace sk {

// Arrow kinds of DrawArrow.
enum { kArrowLeft = 1, kArrowRight = 2, kArrowUp = 3, kArrowDown = 4 };

// A filled 7-pixel arrow centred in `rect`, made of lines 1, 3, 5 and 7 pixels long;
// other kinds draw nothing (the pen is set all the same).
void DrawArrow(gui::TCanvas& canvas, const gui::TRect& rect, gui::TColor color, int kind);
// Three parallel polylines: a check mark 8 pixels wide whose top-left is (x, y).
void DrawCheckMark(gui::TCanvas& canvas, int x, int y, gui::TColor color);

// Glyphs in a 10 x 10 cell whose top-left corner is (x, y); the maximize glyph is
// one pixel wider and higher. Hollow rectangles leave the brush clear; the tray
// glyph leaves it set to `color`.
void DrawCloseGlyph(gui::TCanvas& canvas, int x, int y, gui::TColor color);
void DrawSysMenuGlyph(gui::TCanvas& canvas, int x, int y, gui::TColor color);
void DrawMinimizeGlyph(gui::TCanvas& canvas, int x, int y, gui::TColor color);
void DrawMaximizeGlyph(gui::TCanvas& canvas, int x, int y, gui::TColor color);
void DrawRestoreGlyph(gui::TCanvas& canvas, int x, int y, gui::TColor color);
void DrawRollDownGlyph(gui::TCanvas& canvas, int x, int y, gui::TColor color);
void DrawRollUpGlyph(gui::TCanvas& canvas, int x, int y, gui::TColor color);
void DrawMinimizeToTrayGlyph(gui::TCanvas& canvas, int x, int y, gui::TColor color);

// Frame `frameIndex` (from 1) of a picture made of `frameCount` equal frames side
// by side, drawn at (x, y) with its bottom-left pixel's colour transparent. A count
// below 1 counts as 1; an empty picture draws nothing.
void DrawFrameImage(gui::TCanvas& canvas, int x, int y, gui::TBitmap& picture, int frameCount, int frameIndex);

}  // namespace sk

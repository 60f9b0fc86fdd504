#pragma once
// Small drawing helpers of skinned elements: cells of glyph strips, arrows and marks.

#include "base/Color.h"
#include "base/Geometry.h"
#include "gfx/Bitmap.h"
#include "gfx/Canvas.h"

namespace skin {

// Draws cell n (from 1) of a strip of k equally wide cells at (x, y), leaving out the
// colour of the cell's bottom-left pixel. Nothing for a cell outside the strip.
void DrawGlyphCell(gfx::Canvas& canvas, int x, int y, int n, int k, const gfx::Bitmap& strip);

// A small arrow of four strokes centred in the rectangle: direction 1 left, 2 right,
// 3 up, 4 down; other directions draw nothing.
void DrawArrow(gfx::Canvas& canvas, const TRect& r, TColor color, int direction);
// A check mark: three parallel ticks from (x, y+5-i) over (x+2, y+7-i) to (x+7, y+2-i).
void DrawCheckMark(gfx::Canvas& canvas, int x, int y, TColor color);
// A filled 6 x 6 square with its top-left at (x, y).
void DrawSquareMark(gfx::Canvas& canvas, int x, int y, TColor color);

}  // namespace skin

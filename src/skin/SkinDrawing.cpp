#include "skin/SkinDrawing.h"

#include "skin/SkinTiling.h"

namespace skin {

void DrawGlyphCell(gfx::Canvas& canvas, int x, int y, int n, int k, const gfx::Bitmap& strip) {
    if (k <= 0 || n < 1 || n > k || strip.IsEmpty()) return;
    const int w = strip.Width() / k;
    if (w <= 0) return;
    gfx::Bitmap cell(w, strip.Height());
    CopyUnscaled(cell, 0, 0, strip, {(n - 1) * w, 0, n * w, strip.Height()});
    canvas.DrawTransparent(x, y, cell, cell.Pixel(0, cell.Height() - 1));
}

void DrawArrow(gfx::Canvas& canvas, const TRect& r, TColor color, int direction) {
    if (direction < 1 || direction > 4) return;
    canvas.Save();
    canvas.Pen().color = color;
    canvas.Pen().style = gfx::PenStyle::Solid;
    canvas.Pen().mode = gfx::RasterOp::Copy;
    const int cx = r.Left + r.Width() / 2;
    const int cy = r.Top + r.Height() / 2;
    // Stroke i is 2i+1 pixels long; the tip (i = 0) points in the arrow's direction.
    for (int i = 0; i <= 3; ++i) {
        switch (direction) {
        case 1: canvas.MoveTo(cx - 2 + i, cy - i); canvas.LineTo(cx - 2 + i, cy + i + 1); break;
        case 2: canvas.MoveTo(cx + 2 - i, cy - i); canvas.LineTo(cx + 2 - i, cy + i + 1); break;
        case 3: canvas.MoveTo(cx - i, cy - 2 + i); canvas.LineTo(cx + i + 1, cy - 2 + i); break;
        case 4: canvas.MoveTo(cx - i, cy + 2 - i); canvas.LineTo(cx + i + 1, cy + 2 - i); break;
        }
    }
    canvas.Restore();
}

void DrawCheckMark(gfx::Canvas& canvas, int x, int y, TColor color) {
    canvas.Save();
    canvas.Pen().color = color;
    canvas.Pen().style = gfx::PenStyle::Solid;
    canvas.Pen().mode = gfx::RasterOp::Copy;
    for (int i = 0; i < 3; ++i) {
        canvas.MoveTo(x, y + 5 - i);
        canvas.LineTo(x + 2, y + 7 - i);
        canvas.LineTo(x + 7, y + 2 - i);
    }
    canvas.Restore();
}

void DrawSquareMark(gfx::Canvas& canvas, int x, int y, TColor color) {
    canvas.Save();
    canvas.Brush().color = color;
    canvas.Brush().style = gfx::BrushStyle::Solid;
    canvas.FillRect({x, y, x + 6, y + 6});
    canvas.Restore();
}

}  // namespace skin

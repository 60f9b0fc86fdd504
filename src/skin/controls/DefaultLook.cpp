#include "skin/controls/DefaultLook.h"

#include "skin/controls/SkinControlTypes.h"

namespace skin {

void FillSolid(gfx::Canvas& canvas, const TRect& r, TColor color) {
    canvas.Save();
    canvas.Brush().style = gfx::BrushStyle::Solid;
    canvas.Brush().color = color;
    canvas.FillRect(r);
    canvas.Restore();
}

void FillFramed(gfx::Canvas& canvas, const TRect& r, TColor frame, TColor fill) {
    FillSolid(canvas, r, frame);
    FillSolid(canvas, r.Inflate(-1, -1), fill);
}

void DrawPlainButtonFace(gfx::Canvas& canvas, const TRect& r, bool hot, bool pressed) {
    if (hot && pressed)
        FillFramed(canvas, r, kNavy, kPressedFill);
    else if (hot)
        FillFramed(canvas, r, kNavy, kHotFill);
    else
        FillFramed(canvas, r, clBtnShadow, clBtnFace);
}

void DrawBevel(gfx::Canvas& canvas, const TRect& r, TColor topLeft, TColor bottomRight) {
    if (r.IsEmpty()) return;
    FillSolid(canvas, {r.Left, r.Top, r.Right, r.Top + 1}, topLeft);
    FillSolid(canvas, {r.Left, r.Top, r.Left + 1, r.Bottom}, topLeft);
    FillSolid(canvas, {r.Left, r.Bottom - 1, r.Right, r.Bottom}, bottomRight);
    FillSolid(canvas, {r.Right - 1, r.Top, r.Right, r.Bottom}, bottomRight);
}

}  // namespace skin

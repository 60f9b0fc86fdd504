#pragma once
// Pieces of the look without skin that several controls share.

#include "base/Geometry.h"
#include "gfx/Canvas.h"

namespace skin {

// A one-pixel frame in `frame` with the inside filled with `fill`.
void FillFramed(gfx::Canvas& canvas, const TRect& r, TColor frame, TColor fill);
// The face of a small button without skin: navy frame with a dark fill when pressed and
// hot, navy with a light fill when hot, else a button-shadow frame on button face.
void DrawPlainButtonFace(gfx::Canvas& canvas, const TRect& r, bool hot, bool pressed);
// A one-pixel bevel: topLeft on the top and left edges, bottomRight on the others.
void DrawBevel(gfx::Canvas& canvas, const TRect& r, TColor topLeft, TColor bottomRight);
// A filled rectangle.
void FillSolid(gfx::Canvas& canvas, const TRect& r, TColor color);

}  // namespace skin

#pragma once
// Geometry the pie and doughnut share: positions on the (flat) ellipse, the largest pie
// that fits an area, the doughnut's ring ellipses and the darker shade of 3D surfaces.
//
// A position is a percentage of the full turn: 0 at 12 o'clock, growing clockwise on
// screen.

#include "base/Color.h"
#include "base/Geometry.h"

namespace chart {

// The offset from the centre of position `percent` on an ellipse of horizontal radius r;
// flat ellipses (3D) are half as high.
TPoint PointOnEllipse(int r, bool flat, float percent);

struct TPieSize {
    int SX = 0;
    int SY = 0;
};

// 2D: the largest square. 3D: the top ellipse plus a depth of a tenth of the width.
TPieSize FitSize(int width, int height, bool chart3D);

// The ellipse of doughnut ring `ring` (0 = the hole, rings = the outermost = r itself).
TRect RingRect(const TRect& r, int ring, int rings, bool chart3D);

// Each channel less 32, not below 0; system colours resolved first.
TColor DarkenColor(TColor color);

}  // namespace chart

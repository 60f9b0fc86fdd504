#pragma once
// Alternate (even-odd) filling of a closed polygon with integer vertices.
//
// Rule: vertices are pixel centres, and pixel (x, y) is filled when a ray from its
// centre crosses the polygon's edges an odd number of times. Crossings on row y are
// counted for edges with min(y0, y1) <= y < max(y0, y1), so shared vertices and
// horizontal edges count correctly; a centre exactly on a left edge is filled, one on a
// right edge is not (the pen outline, which passes through every such centre, covers
// both). Only rows inside the working window [-kLimit, kLimit) are visited.

#include <span>

#include "base/Geometry.h"
#include "gfx/Span.h"

namespace gfx::raster::detail {

// The filled pixels, sorted by y then x, without overlaps.
Spans EvenOddFill(std::span<const TPoint> points);

}  // namespace gfx::raster::detail

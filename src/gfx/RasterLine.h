#pragma once
// One-pixel lines between integer points, as runs per row.
//
// Rule: the line from a to b takes max(|dx|, |dy|) pixels, one per step along its major
// axis, starting with a and leaving out b (so connected segments set every joint once and
// Line(a, a) is empty). At step t the minor coordinate moves by |minor| * t / |major|
// rounded to the nearest integer, halves away from a. Pixels outside the working window
// [-kLimit, kLimit) are left out, and only the rows inside it are visited.

#include <span>

#include "base/Geometry.h"
#include "gfx/Span.h"

namespace gfx::raster::detail {

// Appends the line's spans to `out`, one per row, in no particular order.
void AppendLine(TPoint from, TPoint to, Spans& out);
// Appends the segments p0-p1, p1-p2, ... (and pn-p0 when `closed`).
void AppendPolyline(std::span<const TPoint> points, bool closed, Spans& out);

}  // namespace gfx::raster::detail

#pragma once
// Scan conversion of the canvas's shapes into spans, with the classic rules:
//  - every shape lies inside its bounding rectangle, whose Right and Bottom are
//    exclusive (an Ellipse of (0,0,10,10) touches columns 0..9);
//  - an empty or inverted rectangle gives no spans;
//  - Pie and Arc run counter-clockwise on screen from the ray (centre -> p1) to the ray
//    (centre -> p2); only the directions of p1 and p2 matter, whatever their distance;
//    coinciding rays give the whole ellipse;
//  - lines leave out their end pixel; polygons are filled with the alternate (even-odd)
//    rule and closed automatically;
//  - outline spans are the 1-pixel pen; interior spans the brush area, disjoint from it.
// Spans come sorted by y, then x, and never overlap within one list.

#include <span>

#include "base/Geometry.h"
#include "gfx/Span.h"

namespace gfx::raster {

ShapeSpans Rectangle(const TRect& r);
ShapeSpans Ellipse(const TRect& r);
ShapeSpans Pie(const TRect& r, TPoint p1, TPoint p2);
Spans Arc(const TRect& r, TPoint p1, TPoint p2);
ShapeSpans Polygon(std::span<const TPoint> points);
Spans Polyline(std::span<const TPoint> points);
Spans Line(TPoint from, TPoint to);

}  // namespace gfx::raster

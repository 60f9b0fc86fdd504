#pragma once
// Scan conversion of the canvas's shapes into spans, with the classic rules:
//  - every shape lies inside its bounding rectangle, whose Right and Bottom are
//    exclusive (an Ellipse of (0,0,10,10) touches columns 0..9 and rows 0..9);
//  - an empty or inverted rectangle gives no spans;
//  - Pie and Arc run counter-clockwise on screen from the ray (centre -> p1) to the ray
//    (centre -> p2); only the directions of p1 and p2 matter, whatever their distance;
//    coinciding rays give the whole ellipse;
//  - lines leave out their end pixel; polygons are filled with the alternate (even-odd)
//    rule and closed automatically;
//  - outline spans are the 1-pixel pen; interior spans the brush area, disjoint from it.
// Spans come sorted by y, then x, and never overlap within one list.
//
// Working window: spans are produced only for rows and columns in [-2^20, 2^20); larger
// shapes are clipped there (their geometry is still that of the whole shape), so any
// input finishes quickly and the output stays bounded (a few spans per row).
//
// Pixel rules in detail (the internals' headers give the exact formulas):
//  - Rectangle: outline = the 1-pixel frame (columns Left and Right-1, rows Top and
//    Bottom-1); interior = the rectangle inset by 1.
//  - Ellipse: pixels whose centre lies in the ellipse touching the rectangle's border,
//    widened where needed so the shape touches all four sides (RasterEllipse.h).
//  - Closed shapes (Rectangle, Ellipse, Pie): the outline is every pixel of the shape with
//    a left, right, upper or lower neighbour outside it, which makes it a closed,
//    8-connected, 1-pixel boundary; the interior is the rest.
//  - Pie: the ellipse's pixels inside the sector plus its two radius lines; a radius
//    line is the digital line nearest to its ray, ties going inside the sector
//    (RasterSector.h). So Pie((0,0,100,100), (100,50), (50,0)) is exactly the ellipse's
//    pixels with x >= 50 and y <= 49, and the slices of a pie together give exactly the
//    Ellipse's pixels.
//  - Arc: the Ellipse's outline pixels that belong to the Pie of the same arguments.
//  - Line: Bresenham-style, end pixel left out (RasterLine.h). Polyline: the segments'
//    pixels, each pixel once, the last point left out (unless another segment sets it).
//  - Polygon: vertices are pixel centres; outline = the closed polyline (every vertex
//    set); interior = pixels filled by the even-odd rule and not on the outline
//    (RasterPolygon.h). The polygon (0,0),(10,0),(10,10),(0,10) thus covers the same
//    pixels as Rectangle((0,0,11,11)).

#include <span>

#include "base/Geometry.h"
#include "gfx/Span.h"

namespace gfx::raster {

ShapeSpans Rectangle(const TRect& r);
ShapeSpans Ellipse(const TRect& r);
// Points equal to the centre pixel (Left + Width div 2, Top + Height div 2) count as
// pointing to 3 o'clock.
ShapeSpans Pie(const TRect& r, TPoint p1, TPoint p2);
Spans Arc(const TRect& r, TPoint p1, TPoint p2);
// Fewer than two points give nothing.
ShapeSpans Polygon(std::span<const TPoint> points);
Spans Polyline(std::span<const TPoint> points);
Spans Line(TPoint from, TPoint to);

}  // namespace gfx::raster

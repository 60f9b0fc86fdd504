#pragma once
// The angular part of a pie, one row at a time.
//
// Geometry. The apex is the centre of the bounding rectangle, ((Left + Right) / 2,
// (Top + Bottom) / 2) in continuous coordinates (pixel x covers [x, x + 1)). A direction
// point p gives the ray direction p - m, m = (Left + Width div 2, Top + Height div 2) being
// the centre pixel the callers compute (for an even size m is exactly the apex, for an odd
// size m's pixel centre is). Only directions matter, and they are used exactly, so p and
// m + k (p - m) give the same pixels for any k > 0. A point equal to m points to 3 o'clock.
//
// The sector runs counter-clockwise on screen (y down: from 3 o'clock towards 12) from
// ray 1 to ray 2, both rays included; coinciding rays give the whole plane.
//
// Which pixels a sector takes: every pixel whose centre lies in the closed sector, plus
// the two radius lines. Radius line i is the thinnest 8-connected digital line along the
// ray: along the ray's major axis (rows for a steep ray, columns for a flat one), from
// the apex outwards, the one pixel whose centre is nearest to the ray, a tie (the ray
// exactly halfway between two pixel centres) going to the pixel inside the sector.
// Consequences:
//  - a ray along a pixel border (an even-sized pie's axes) keeps its radius line inside
//    the sector: Pie((0,0,100,100), (100,50), (50,0)) takes exactly the pixels of the
//    ellipse with x >= 50 and y <= 49;
//  - a radius line lies at most half a pixel outside its ray, so a thin slice still shows
//    both radii as solid lines instead of a dotted trail of centre samples;
//  - slices sharing rays cover every pixel: the union of the slices of a pie is the
//    whole ellipse.

#include <cstdint>
#include <memory>

#include "base/Geometry.h"
#include "gfx/RasterRows.h"

namespace gfx::raster::detail {

class SectorRows {
public:
    SectorRows(const TRect& r, TPoint p1, TPoint p2);
    ~SectorRows();
    SectorRows(const SectorRows&) = delete;
    SectorRows& operator=(const SectorRows&) = delete;

    // Appends the sector's pixels of row y (sector and radius lines), limited to the
    // columns [clip.x0, clip.x1), to `out` as sorted, merged runs.
    // Any row may be asked for; asking for the rows in order (y, y + 1, ...) needs no
    // division per row.
    void Row(int64_t y, const Run& clip, Runs& out) const;

    class Impl;  // the geometry, in 64-bit or 128-bit integers

private:
    std::unique_ptr<Impl> impl_;
};

}  // namespace gfx::raster::detail

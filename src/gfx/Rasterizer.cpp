#include "gfx/Rasterizer.h"

#include <algorithm>

#include "gfx/RasterEllipse.h"
#include "gfx/RasterLine.h"
#include "gfx/RasterPolygon.h"
#include "gfx/RasterRows.h"
#include "gfx/RasterSector.h"

namespace gfx::raster {

using detail::EllipseRows;
using detail::Runs;
using detail::SectorRows;

ShapeSpans Rectangle(const TRect& r) {
    ShapeSpans shape;
    if (r.IsEmpty()) return shape;
    // The frame and the inset, written directly: the canvas fills most of its areas
    // through here.
    const detail::RowRange rows = detail::ClipRows(r.Top, r.Bottom);
    const int x0 = static_cast<int>(std::max<int64_t>(r.Left, -detail::kLimit));
    const int x1 = static_cast<int>(std::min<int64_t>(r.Right, detail::kLimit));
    if (rows.first >= rows.end || x0 >= x1) return shape;
    const bool hasInside = int64_t(r.Right) - r.Left > 2 && int64_t(r.Bottom) - r.Top > 2;
    if (hasInside) {
        shape.outline.reserve(static_cast<size_t>(2 * (rows.end - rows.first)));
        shape.interior.reserve(static_cast<size_t>(rows.end - rows.first));
    }
    for (int64_t row = rows.first; row < rows.end; ++row) {
        const int y = static_cast<int>(row);
        if (!hasInside || y == r.Top || y == r.Bottom - 1) {
            shape.outline.push_back({y, x0, x1});
            continue;
        }
        if (r.Left >= x0) shape.outline.push_back({y, r.Left, r.Left + 1});
        const int inside0 = std::max(x0, r.Left + 1);
        const int inside1 = std::min(x1, r.Right - 1);
        if (inside0 < inside1) shape.interior.push_back({y, inside0, inside1});
        if (r.Right <= x1) shape.outline.push_back({y, r.Right - 1, r.Right});
    }
    return shape;
}

ShapeSpans Ellipse(const TRect& r) {
    if (r.IsEmpty()) return {};
    EllipseRows ellipse(r);
    return detail::BuildShape(ellipse.Top(), ellipse.Bottom(),
                              [&](int64_t y, Runs& out) { out.push_back(ellipse.Row(y)); });
}

ShapeSpans Pie(const TRect& r, TPoint p1, TPoint p2) {
    if (r.IsEmpty()) return {};
    EllipseRows ellipse(r);
    SectorRows sector(r, p1, p2);
    return detail::BuildShape(ellipse.Top(), ellipse.Bottom(), [&](int64_t y, Runs& out) {
        sector.Row(y, ellipse.Row(y), out);
    });
}

Spans Arc(const TRect& r, TPoint p1, TPoint p2) {
    if (r.IsEmpty()) return {};
    EllipseRows ellipse(r);
    SectorRows sector(r, p1, p2);
    Spans result;
    Runs inSector, arc;
    detail::ForEachShapeRow(
        ellipse.Top(), ellipse.Bottom(),
        [&](int64_t y, Runs& out) { out.push_back(ellipse.Row(y)); },
        [&](int64_t y, const Runs& filled, const Runs& outline, const Runs&) {
            inSector.clear();
            sector.Row(y, filled.front(), inSector);
            detail::IntersectRuns(outline, inSector, arc);
            detail::AppendSpans(y, arc, result);
        });
    return result;
}

ShapeSpans Polygon(std::span<const TPoint> points) {
    ShapeSpans shape;
    if (points.size() < 2) return shape;
    detail::AppendPolyline(points, /*closed=*/true, shape.outline);
    detail::SortAndMergeSpans(shape.outline);
    shape.interior = detail::SubtractSpans(detail::EvenOddFill(points), shape.outline);
    return shape;
}

Spans Polyline(std::span<const TPoint> points) {
    Spans result;
    detail::AppendPolyline(points, /*closed=*/false, result);
    detail::SortAndMergeSpans(result);
    return result;
}

Spans Line(TPoint from, TPoint to) {
    Spans result;
    detail::AppendLine(from, to, result);
    std::sort(result.begin(), result.end(),
              [](const Span& a, const Span& b) { return a.y < b.y; });
    return result;
}

}  // namespace gfx::raster

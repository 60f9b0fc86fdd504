#pragma once
// Row-wise pixel sets, the working form of every shape in the rasterizer: a shape is
// described by the runs of pixels it fills in each row, and its pen outline and brush
// interior are derived from three consecutive rows at a time.

#include <algorithm>
#include <cstdint>
#include <vector>

#include "gfx/RasterMath.h"
#include "gfx/Span.h"

namespace gfx::raster::detail {

// Pixels x0 .. x1 - 1 of one row. Wider than int so that bounds far outside the window
// need no care until the spans are emitted.
struct Run {
    int64_t x0 = 0;
    int64_t x1 = 0;
};

// Sorted by x0, disjoint and not touching (a row's pixels in the fewest runs).
using Runs = std::vector<Run>;

// Sorts and merges overlapping or touching runs; drops empty ones.
void NormalizeRunsGeneral(Runs& runs);
inline void NormalizeRuns(Runs& runs) {
    if (runs.size() > 1) {
        NormalizeRunsGeneral(runs);
    } else if (runs.size() == 1 && runs.front().x1 <= runs.front().x0) {
        runs.clear();
    }
}
void IntersectRuns(const Runs& a, const Runs& b, Runs& out);
void SubtractRuns(const Runs& a, const Runs& b, Runs& out);
// Keeps the pixels whose left and right neighbours are in `a` too.
void ErodeRuns(const Runs& a, Runs& out);
// Appends the runs as spans of row y, clipped to the columns [-kLimit, kLimit).
inline void AppendSpans(int64_t y, const Runs& runs, Spans& out) {
    for (const Run& run : runs) {
        const int64_t x0 = std::max(run.x0, -kLimit);
        const int64_t x1 = std::min(run.x1, kLimit);
        if (x0 < x1) {
            out.push_back({static_cast<int>(y), static_cast<int>(x0), static_cast<int>(x1)});
        }
    }
}

// Span lists: sorts by y then x and merges overlapping or touching spans of a row, so
// no pixel appears twice.
void SortAndMergeSpans(Spans& spans);
// The pixels of `a` not in `b`; both sorted and merged as above.
Spans SubtractSpans(const Spans& a, const Spans& b);

// The rows top .. bottom - 1 that lie in the working window [-kLimit, kLimit).
struct RowRange {
    int64_t first = 0;
    int64_t end = 0;
};
RowRange ClipRows(int64_t top, int64_t bottom);

// Outline and interior of the row `current` between `above` and `below` (see below);
// `eroded` and `scratch` are working space.
void SplitRowGeneral(const Runs& above, const Runs& current, const Runs& below, Runs& eroded,
                     Runs& scratch, Runs& outline, Runs& interior);
inline void SplitRow(const Runs& above, const Runs& current, const Runs& below, Runs& eroded,
                     Runs& scratch, Runs& outline, Runs& interior) {
    outline.clear();
    interior.clear();
    if (current.size() != 1 || above.size() != 1 || below.size() != 1) {
        SplitRowGeneral(above, current, below, eroded, scratch, outline, interior);
        return;
    }
    // The common case of convex shapes, without the general list operations.
    const Run c = current.front();
    const int64_t x0 = std::max({c.x0 + 1, above.front().x0, below.front().x0});
    const int64_t x1 = std::min({c.x1 - 1, above.front().x1, below.front().x1});
    if (x0 >= x1) {
        outline.push_back(c);
        return;
    }
    if (c.x0 < x0) outline.push_back({c.x0, x0});
    interior.push_back({x0, x1});
    if (x1 < c.x1) outline.push_back({x1, c.x1});
}

// Walks the rows of a filled pixel set and splits each into outline and interior: a
// pixel is interior when its four neighbours (left, right, above, below) are filled too,
// otherwise it is on the outline. For a convex set the outline is then a closed,
// 8-connected, one-pixel-thin boundary, and the interior never touches the outside.
//
// fillRow(y, runs) writes the filled runs of row y (normalized); it is called once per
// row, in order, for the clipped rows and their two neighbours.
// visit(y, filled, outline, interior) is called for every clipped row.
template <typename FillRow, typename Visit>
void ForEachShapeRow(int64_t top, int64_t bottom, FillRow&& fillRow, Visit&& visit) {
    const RowRange rows = ClipRows(top, bottom);
    if (rows.first >= rows.end) return;
    auto fill = [&](int64_t y, Runs& out) {
        out.clear();
        if (y >= top && y < bottom) fillRow(y, out);
    };
    // Rows are filled a block at a time and then split, which keeps the two loops free
    // of each other's latencies. buffer[i + 1] holds row base + i.
    constexpr int64_t kBlock = 32;
    std::vector<Runs> buffer(kBlock + 2);
    Runs eroded, scratch, outline, interior;
    fill(rows.first - 1, buffer[0]);
    fill(rows.first, buffer[1]);
    for (int64_t base = rows.first; base < rows.end;) {
        const int64_t count = std::min(kBlock, rows.end - base);
        for (int64_t i = 1; i <= count; ++i) fill(base + i, buffer[i + 1]);
        for (int64_t i = 0; i < count; ++i) {
            SplitRow(buffer[i], buffer[i + 1], buffer[i + 2], eroded, scratch, outline, interior);
            visit(base + i, buffer[i + 1], outline, interior);
        }
        std::swap(buffer[0], buffer[count]);
        std::swap(buffer[1], buffer[count + 1]);
        base += count;
    }
}

// Outline and interior spans of a filled pixel set given row by row (see above).
template <typename FillRow>
ShapeSpans BuildShape(int64_t top, int64_t bottom, FillRow&& fillRow) {
    ShapeSpans shape;
    RowRange rows = ClipRows(top, bottom);
    if (rows.first < rows.end) {
        auto count = static_cast<size_t>(rows.end - rows.first);
        shape.outline.reserve(2 * count + 2);
        shape.interior.reserve(count);
    }
    ForEachShapeRow(top, bottom, fillRow,
                    [&](int64_t y, const Runs&, const Runs& outline, const Runs& interior) {
                        AppendSpans(y, outline, shape.outline);
                        AppendSpans(y, interior, shape.interior);
                    });
    return shape;
}

}  // namespace gfx::raster::detail

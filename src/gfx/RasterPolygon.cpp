#include "gfx/RasterPolygon.h"

#include <algorithm>
#include <vector>

#include "gfx/RasterRows.h"

namespace gfx::raster::detail {
namespace {

struct Edge {
    int64_t x0, y0;  // upper end (y0 < y1)
    int64_t x1, y1;
};

// Integer part of the first pixel at or right of the edge's crossing of row y.
template <typename Int>
int64_t CrossingCeil(const Edge& e, int64_t y) {
    const Int offset = CeilDiv<Int>(Int(y - e.y0) * (e.x1 - e.x0), Int(e.y1 - e.y0));
    return ClampToInt64Range(Int(e.x0) + offset);
}

template <typename Int>
Spans Fill(std::vector<Edge>& edges, int64_t top, int64_t bottom) {
    std::sort(edges.begin(), edges.end(), [](const Edge& a, const Edge& b) { return a.y0 < b.y0; });
    Spans result;
    std::vector<Edge> active;
    std::vector<int64_t> crossings;
    Runs runs;
    RowRange rows = ClipRows(top, bottom);
    size_t next = 0;
    for (int64_t y = rows.first; y < rows.end; ++y) {
        while (next < edges.size() && edges[next].y0 <= y) {
            if (edges[next].y1 > y) active.push_back(edges[next]);
            ++next;
        }
        std::erase_if(active, [y](const Edge& e) { return e.y1 <= y; });
        crossings.clear();
        for (const Edge& e : active) crossings.push_back(CrossingCeil<Int>(e, y));
        std::sort(crossings.begin(), crossings.end());
        runs.clear();
        for (size_t i = 0; i + 1 < crossings.size(); i += 2) {
            runs.push_back({crossings[i], crossings[i + 1]});
        }
        NormalizeRuns(runs);
        AppendSpans(y, runs, result);
    }
    return result;
}

}  // namespace

Spans EvenOddFill(std::span<const TPoint> points) {
    std::vector<Edge> edges;
    int64_t top = 0, bottom = 0;
    bool small = true;
    constexpr int64_t kSmall = int64_t(1) << 30;
    for (size_t i = 0; i < points.size(); ++i) {
        const TPoint a = points[i];
        const TPoint b = points[(i + 1) % points.size()];
        small = small && Abs(int64_t(a.X)) <= kSmall && Abs(int64_t(a.Y)) <= kSmall;
        if (a.Y == b.Y) continue;
        Edge e = a.Y < b.Y ? Edge{a.X, a.Y, b.X, b.Y} : Edge{b.X, b.Y, a.X, a.Y};
        if (edges.empty()) {
            top = e.y0;
            bottom = e.y1;
        }
        top = std::min(top, e.y0);
        bottom = std::max(bottom, e.y1);
        edges.push_back(e);
    }
    if (edges.empty()) return {};
    return small ? Fill<int64_t>(edges, top, bottom) : Fill<Int128>(edges, top, bottom);
}

}  // namespace gfx::raster::detail

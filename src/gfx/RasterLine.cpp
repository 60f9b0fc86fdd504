#include "gfx/RasterLine.h"

#include <algorithm>

#include "gfx/RasterMath.h"

namespace gfx::raster::detail {
namespace {

// The rows' range of steps: the steps t in [0, count) whose row start + sign * t lies in
// the working window.
struct StepRange {
    int64_t first;
    int64_t last;  // inclusive
};

StepRange StepsInWindow(int64_t start, int sign, int64_t count) {
    int64_t lo, hi;
    if (sign > 0) {
        lo = -kLimit - start;
        hi = kLimit - 1 - start;
    } else {
        lo = start - (kLimit - 1);
        hi = start + kLimit;
    }
    return {std::max<int64_t>(lo, 0), std::min<int64_t>(hi, count - 1)};
}

void PushClipped(int64_t y, int64_t x0, int64_t x1, Spans& out) {
    x0 = std::max(x0, -kLimit);
    x1 = std::min(x1, kLimit);
    if (x0 < x1) out.push_back({static_cast<int>(y), static_cast<int>(x0), static_cast<int>(x1)});
}

template <typename Int>
void AppendLineImpl(int64_t ax, int64_t ay, int64_t dx, int64_t dy, Spans& out) {
    const int sx = dx < 0 ? -1 : 1;
    const int sy = dy < 0 ? -1 : 1;
    const int64_t major = std::max(Abs(dx), Abs(dy));
    const int64_t minor = std::min(Abs(dx), Abs(dy));
    // Minor offset at step t: round(minor * t / major), halves up.
    auto minorAt = [&](int64_t t) {
        return static_cast<int64_t>(
            FloorDiv<Int>(Int(2) * minor * t + major, Int(2) * major));
    };
    if (Abs(dy) > Abs(dx)) {
        // Steep: one pixel per row.
        StepRange steps = StepsInWindow(ay, sy, major);
        for (int64_t t = steps.first; t <= steps.last; ++t) {
            const int64_t x = ax + sx * minorAt(t);
            PushClipped(ay + sy * t, x, x + 1, out);
        }
        return;
    }
    // Flat: one run per row; row k holds the steps from firstStep(k) to firstStep(k+1)-1,
    // firstStep(k) being the first step whose rounded minor offset reaches k.
    auto firstStep = [&](int64_t k) -> int64_t {
        if (k == 0) return 0;
        if (minor == 0 || k > minor) return major;
        return static_cast<int64_t>(CeilDiv<Int>((Int(2) * k - 1) * major, Int(2) * minor));
    };
    StepRange rows = StepsInWindow(ay, sy, minor + 1);
    for (int64_t k = rows.first; k <= rows.last; ++k) {
        const int64_t t0 = firstStep(k);
        const int64_t t1 = std::min(firstStep(k + 1), major) - 1;
        if (t0 > t1) continue;
        const int64_t x0 = sx > 0 ? ax + t0 : ax - t1;
        const int64_t x1 = sx > 0 ? ax + t1 : ax - t0;
        PushClipped(ay + sy * k, x0, x1 + 1, out);
    }
}

}  // namespace

void AppendLine(TPoint from, TPoint to, Spans& out) {
    const int64_t dx = int64_t(to.X) - from.X;
    const int64_t dy = int64_t(to.Y) - from.Y;
    if (dx == 0 && dy == 0) return;
    constexpr int64_t kSmall = int64_t(1) << 29;
    if (Abs(dx) <= kSmall && Abs(dy) <= kSmall) {
        AppendLineImpl<int64_t>(from.X, from.Y, dx, dy, out);
    } else {
        AppendLineImpl<Int128>(from.X, from.Y, dx, dy, out);
    }
}

void AppendPolyline(std::span<const TPoint> points, bool closed, Spans& out) {
    if (points.size() < 2) return;
    for (size_t i = 0; i + 1 < points.size(); ++i) AppendLine(points[i], points[i + 1], out);
    if (closed) AppendLine(points.back(), points.front(), out);
}

}  // namespace gfx::raster::detail

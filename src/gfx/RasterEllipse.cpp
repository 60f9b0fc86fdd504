#include "gfx/RasterEllipse.h"

#include <cmath>

namespace gfx::raster::detail {

EllipseRows::EllipseRows(const TRect& r)
    : left_(r.Left),
      top_(r.Top),
      right_(r.Right),
      bottom_(r.Bottom),
      width_(right_ - left_),
      height_(bottom_ - top_) {
    if (width_ <= (int64_t(1) << 15) && height_ <= (int64_t(1) << 15)) FillHalfWidths();
}

// One walk from the middle row outwards: the widths only shrink on the way, so the walk
// takes O(width + height) exact tests and no square root.
void EllipseRows::FillHalfWidths() {
    const uint64_t w = static_cast<uint64_t>(width_), h = static_cast<uint64_t>(height_);
    const int64_t firstV = height_ & 1 ? 0 : 1;  // |v| of the middle row(s)
    const int64_t minimum = (width_ & 1) ? 0 : 1;
    halfWidths_.resize(static_cast<size_t>((height_ - 1 - firstV) / 2 + 1));
    int64_t u = width_;
    for (size_t k = 0; k < halfWidths_.size(); ++k) {
        const auto v = static_cast<uint64_t>(firstV) + 2 * k;
        if (v <= 1) {
            halfWidths_[k] = width_ - 1;
            continue;
        }
        const uint64_t limit = w * w * ((h - v) * (h + v));
        while (u > 0 && static_cast<uint64_t>(u) * static_cast<uint64_t>(u) * h * h > limit) --u;
        const int64_t centred = (u & 1) == (width_ & 1) ? u - 1 : u;  // parity of the centres
        halfWidths_[k] = std::max(centred, minimum);
    }
}

// The largest doubled horizontal offset u (of the row's parity) whose pixel lies inside
// the ellipse in the row with doubled vertical offset v, |v| > 1; at least the middle
// pixel(s). Widths and heights below 2^32 keep every product below 2^128.
int64_t EllipseRows::HalfWidthOutsideMiddle(int64_t v) const {
    const auto w = static_cast<UInt128>(width_);
    const auto h = static_cast<UInt128>(height_);
    const auto av = static_cast<UInt128>(Abs(v));
    // u² H² <= W² (H² - v²); |v| < H, so the right side is never negative.
    const UInt128 limit = w * w * ((h - av) * (h + av));
    auto fits = [&](int64_t u) {
        const auto uu = static_cast<UInt128>(u);
        return uu * uu * h * h <= limit;
    };
    // Neighbouring rows differ little except near the top and bottom: walk from the
    // previous row's answer for a few steps, and start from the square root otherwise.
    int64_t u = lastHalfWidth_;
    constexpr int kWalk = 4;
    bool settled = false;
    if (u >= 0) {
        if (fits(u)) {
            int steps = 0;
            while (u < width_ && steps < kWalk && fits(u + 1)) ++u, ++steps;
            settled = u == width_ || !fits(u + 1);
        } else {
            int steps = 0;
            while (u > 0 && steps < kWalk && !fits(u)) --u, ++steps;
            settled = fits(u) || u == 0;
        }
    }
    if (!settled) {
        const double ratio = static_cast<double>(v) / static_cast<double>(height_);
        const double estimate = static_cast<double>(width_) * std::sqrt(1.0 - ratio * ratio);
        u = std::min<int64_t>(static_cast<int64_t>(estimate), width_);
        while (u > 0 && !fits(u)) --u;
        while (u < width_ && fits(u + 1)) ++u;
    }
    lastHalfWidth_ = u;
    // u must have the parity of the pixel centres: odd for an even width, even otherwise.
    if ((u & 1) == (width_ & 1)) --u;
    return std::max<int64_t>(u, (width_ & 1) ? 0 : 1);
}

}  // namespace gfx::raster::detail

#pragma once
// The pixels of an ellipse inscribed in a rectangle, one row at a time.
//
// Rule: pixel (x, y) belongs to the ellipse of (Left, Top, Right, Bottom) when its centre
// lies inside or on the ellipse that touches the rectangle's outer border, i.e. with
// W = Right - Left, H = Bottom - Top, and the doubled offsets from the centre
//   u = 2x + 1 - (Left + Right),  v = 2y + 1 - (Top + Bottom),
// when u² H² + v² W² <= W² H². Evaluated exactly in integers, so the ellipse is symmetric
// left/right and top/bottom. Two additions keep every ellipse touching all four sides of
// its rectangle, which the centre test alone misses for very flat or very narrow ones:
// every row holds at least the middle pixel (two for an even width), and the middle row
// (two for an even height) spans the whole width.

#include <cstdint>
#include <vector>

#include "base/Geometry.h"
#include "gfx/RasterRows.h"

namespace gfx::raster::detail {

class EllipseRows {
public:
    explicit EllipseRows(const TRect& r);

    int64_t Top() const { return top_; }
    int64_t Bottom() const { return bottom_; }
    // The ellipse's pixels in row y, Top() <= y < Bottom(): always one run. Fastest when
    // called for neighbouring rows in turn (each row starts from the previous answer).
    Run Row(int64_t y) const {
        const int64_t v = 2 * y + 1 - (top_ + bottom_);
        // Pixels with 2x + 1 - (Left + Right) in [-u, u]; u has the parity that makes
        // both ends whole numbers.
        const int64_t u = !halfWidths_.empty() ? halfWidths_[static_cast<size_t>(Abs(v) >> 1)]
                          : Abs(v) <= 1            ? width_ - 1
                                                   : HalfWidthOutsideMiddle(v);
        const int64_t sum = left_ + right_ - 1;
        return {(sum - u) / 2, (sum + u) / 2 + 1};
    }

private:
    void FillHalfWidths();
    int64_t HalfWidthOutsideMiddle(int64_t v) const;

    int64_t left_, top_, right_, bottom_;
    int64_t width_, height_;
    // Up to 2^15 pixels wide and high (exact tests in 64 bits): the answer for every
    // row, indexed by |v| / 2. Larger ellipses compute each row on its own.
    std::vector<int64_t> halfWidths_;
    mutable int64_t lastHalfWidth_ = -1;  // the previous row's answer, a starting guess
};

}  // namespace gfx::raster::detail

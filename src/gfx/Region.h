#pragma once
// Sets of pixels for clipping and window shapes, kept as sorted rectangle bands
// (pixman's region code). Value type: copying duplicates the region.

#include <memory>
#include <span>
#include <vector>

#include "base/Geometry.h"
#include "gfx/Span.h"

namespace gfx {

enum class RegionOp { And, Or, Xor, Diff, Copy };

class Region {
public:
    Region();  // empty
    ~Region();
    Region(const Region& other);
    Region& operator=(const Region& other);
    Region(Region&& other) noexcept;
    Region& operator=(Region&& other) noexcept;

    static Region FromRect(const TRect& r);
    // Exactly the pixels an Ellipse fill (outline and interior) of the same rectangle sets.
    static Region FromEllipse(const TRect& r);
    static Region FromRects(std::span<const TRect> rects);
    static Region FromSpans(const Spans& spans);
    static Region FromShape(const ShapeSpans& shape);

    // a op b: And = intersection, Or = union, Xor = symmetric difference,
    // Diff = a without b, Copy = a.
    static Region Combine(const Region& a, const Region& b, RegionOp op);

    void Offset(int dx, int dy);
    bool Contains(int x, int y) const;
    bool Contains(TPoint p) const { return Contains(p.X, p.Y); }
    bool IsEmpty() const;
    // Bounding box; all zero when empty.
    TRect Bounds() const;
    // The rectangles the region consists of, in band order (y, then x).
    std::vector<TRect> Rects() const;
    // Spans of one row range, clipped: calls sink(y, x0, x1) for every covered run of
    // the given spans inside the region.
    template <typename Sink>
    void ClipSpans(const Spans& spans, Sink&& sink) const;

    friend bool operator==(const Region& a, const Region& b);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
    // Rectangles of the band that contains row y (empty when none).
    std::span<const TRect> RowRects(int y, std::vector<TRect>& scratch) const;
};

template <typename Sink>
void Region::ClipSpans(const Spans& spans, Sink&& sink) const {
    std::vector<TRect> scratch;
    for (const Span& s : spans) {
        for (const TRect& r : RowRects(s.y, scratch)) {
            int a = s.x0 > r.Left ? s.x0 : r.Left;
            int b = s.x1 < r.Right ? s.x1 : r.Right;
            if (a < b) sink(s.y, a, b);
        }
    }
}

}  // namespace gfx

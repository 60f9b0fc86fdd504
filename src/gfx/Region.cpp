#include "gfx/Region.h"

#include <pixman.h>

#include <algorithm>

#include "gfx/Rasterizer.h"

namespace gfx {

struct Region::Impl {
    pixman_region32_t r;
    Impl() { pixman_region32_init(&r); }
    ~Impl() { pixman_region32_fini(&r); }
    Impl(const Impl&) = delete;
    Impl& operator=(const Impl&) = delete;
};

namespace {

pixman_box32_t ToBox(const TRect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }

// Builds a region from boxes that may overlap and come in any order.
void InitFromBoxes(pixman_region32_t* dst, std::vector<pixman_box32_t>& boxes) {
    boxes.erase(std::remove_if(boxes.begin(), boxes.end(),
                               [](const pixman_box32_t& b) { return b.x2 <= b.x1 || b.y2 <= b.y1; }),
                boxes.end());
    // pixman_region32_init_rects validates its input and builds the union of the boxes.
    pixman_region32_fini(dst);
    pixman_region32_init_rects(dst, boxes.data(), static_cast<int>(boxes.size()));
}

}  // namespace

Region::Region() : impl_(std::make_unique<Impl>()) {}
Region::~Region() = default;

Region::Region(const Region& other) : impl_(std::make_unique<Impl>()) {
    pixman_region32_copy(&impl_->r, &other.impl_->r);
}

Region& Region::operator=(const Region& other) {
    if (this != &other) pixman_region32_copy(&impl_->r, &other.impl_->r);
    return *this;
}

Region::Region(Region&& other) noexcept : impl_(std::move(other.impl_)) {
    other.impl_ = std::make_unique<Impl>();
}

Region& Region::operator=(Region&& other) noexcept {
    std::swap(impl_, other.impl_);
    return *this;
}

Region Region::FromRect(const TRect& rect) {
    Region region;
    TRect n = rect.Normalized();
    if (!n.IsEmpty()) pixman_region32_init_rect(&region.impl_->r, n.Left, n.Top,
                                                unsigned(n.Width()), unsigned(n.Height()));
    return region;
}

Region Region::FromRects(std::span<const TRect> rects) {
    std::vector<pixman_box32_t> boxes;
    boxes.reserve(rects.size());
    for (const TRect& r : rects) boxes.push_back(ToBox(r));
    Region region;
    InitFromBoxes(&region.impl_->r, boxes);
    return region;
}

Region Region::FromSpans(const Spans& spans) {
    std::vector<pixman_box32_t> boxes;
    boxes.reserve(spans.size());
    for (const Span& s : spans) boxes.push_back({s.x0, s.y, s.x1, s.y + 1});
    Region region;
    InitFromBoxes(&region.impl_->r, boxes);
    return region;
}

Region Region::FromShape(const ShapeSpans& shape) {
    Spans all = shape.interior;
    all.insert(all.end(), shape.outline.begin(), shape.outline.end());
    return FromSpans(all);
}

Region Region::FromEllipse(const TRect& r) { return FromShape(raster::Ellipse(r)); }

Region Region::Combine(const Region& a, const Region& b, RegionOp op) {
    Region result;
    pixman_region32_t* dst = &result.impl_->r;
    switch (op) {
        case RegionOp::And:
            pixman_region32_intersect(dst, &a.impl_->r, &b.impl_->r);
            break;
        case RegionOp::Or:
            pixman_region32_union(dst, &a.impl_->r, &b.impl_->r);
            break;
        case RegionOp::Diff:
            pixman_region32_subtract(dst, &a.impl_->r, &b.impl_->r);
            break;
        case RegionOp::Xor: {
            Region aNotB, bNotA;
            pixman_region32_subtract(&aNotB.impl_->r, &a.impl_->r, &b.impl_->r);
            pixman_region32_subtract(&bNotA.impl_->r, &b.impl_->r, &a.impl_->r);
            pixman_region32_union(dst, &aNotB.impl_->r, &bNotA.impl_->r);
            break;
        }
        case RegionOp::Copy:
            pixman_region32_copy(dst, &a.impl_->r);
            break;
    }
    return result;
}

void Region::Offset(int dx, int dy) { pixman_region32_translate(&impl_->r, dx, dy); }

bool Region::Contains(int x, int y) const {
    return pixman_region32_contains_point(&impl_->r, x, y, nullptr) != 0;
}

bool Region::IsEmpty() const { return !pixman_region32_not_empty(&impl_->r); }

TRect Region::Bounds() const {
    if (IsEmpty()) return {};
    const pixman_box32_t* b = pixman_region32_extents(&impl_->r);
    return {b->x1, b->y1, b->x2, b->y2};
}

std::vector<TRect> Region::Rects() const {
    int n = 0;
    const pixman_box32_t* boxes = pixman_region32_rectangles(&impl_->r, &n);
    std::vector<TRect> rects;
    rects.reserve(size_t(n));
    for (int i = 0; i < n; ++i) rects.push_back({boxes[i].x1, boxes[i].y1, boxes[i].x2, boxes[i].y2});
    return rects;
}

std::span<const TRect> Region::RowRects(int y, std::vector<TRect>& scratch) const {
    // Boxes are sorted in bands by y; find the band holding row y with a binary search.
    int n = 0;
    const pixman_box32_t* boxes = pixman_region32_rectangles(&impl_->r, &n);
    const pixman_box32_t* end = boxes + n;
    const pixman_box32_t* it = std::upper_bound(
        boxes, end, y, [](int row, const pixman_box32_t& b) { return row < b.y2; });
    scratch.clear();
    for (; it != end && it->y1 <= y; ++it)
        if (y < it->y2) scratch.push_back({it->x1, it->y1, it->x2, it->y2});
    return scratch;
}

bool operator==(const Region& a, const Region& b) {
    return pixman_region32_equal(&a.impl_->r, &b.impl_->r) != 0;
}

}  // namespace gfx

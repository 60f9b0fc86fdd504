#include <gtest/gtest.h>

#include "gfx/Rasterizer.h"
#include "gfx/Region.h"

using gfx::Region;
using gfx::RegionOp;

TEST(Region, RectangleContainsLeftTopButNotRightBottom) {
    Region r = Region::FromRect({10, 20, 30, 40});
    EXPECT_TRUE(r.Contains(10, 20));
    EXPECT_TRUE(r.Contains(29, 39));
    EXPECT_FALSE(r.Contains(30, 39));
    EXPECT_FALSE(r.Contains(29, 40));
    EXPECT_EQ(r.Bounds(), TRect(10, 20, 30, 40));
    EXPECT_TRUE(Region::FromRect({5, 5, 5, 9}).IsEmpty());
    EXPECT_EQ(Region().Bounds(), TRect());
}

TEST(Region, CombinationsPointByPoint) {
    Region a = Region::FromRect({0, 0, 10, 10});
    Region b = Region::FromRect({5, 0, 15, 10});
    struct Case { RegionOp op; bool at2, at7, at12; };
    // Columns 2 (only a), 7 (both), 12 (only b).
    for (Case c : {Case{RegionOp::And, false, true, false}, Case{RegionOp::Or, true, true, true},
                   Case{RegionOp::Xor, true, false, true}, Case{RegionOp::Diff, true, false, false},
                   Case{RegionOp::Copy, true, true, false}}) {
        Region r = Region::Combine(a, b, c.op);
        EXPECT_EQ(r.Contains(2, 5), c.at2) << int(c.op);
        EXPECT_EQ(r.Contains(7, 5), c.at7) << int(c.op);
        EXPECT_EQ(r.Contains(12, 5), c.at12) << int(c.op);
    }
    EXPECT_EQ(Region::Combine(a, b, RegionOp::Or).Bounds(), TRect(0, 0, 15, 10));
}

TEST(Region, OffsetMovesEveryPixel) {
    Region r = Region::FromRect({0, 0, 2, 2});
    r.Offset(5, -1);
    EXPECT_TRUE(r.Contains(5, -1));
    EXPECT_TRUE(r.Contains(6, 0));
    EXPECT_FALSE(r.Contains(0, 0));
    EXPECT_EQ(r.Bounds(), TRect(5, -1, 7, 1));
}

TEST(Region, FromOverlappingRectanglesIsTheirUnion) {
    std::vector<TRect> rects = {{0, 0, 4, 4}, {2, 2, 6, 6}, {10, 10, 10, 20}};
    Region r = Region::FromRects(rects);
    EXPECT_TRUE(r.Contains(1, 1));
    EXPECT_TRUE(r.Contains(5, 5));
    EXPECT_FALSE(r.Contains(5, 1));
    EXPECT_EQ(r.Bounds(), TRect(0, 0, 6, 6));  // the empty rectangle adds nothing
    // Copies are independent values.
    Region copy = r;
    copy.Offset(100, 0);
    EXPECT_TRUE(r.Contains(1, 1));
    EXPECT_FALSE(copy.Contains(1, 1));
    EXPECT_FALSE(r == copy);
}

TEST(Region, EllipseRegionIsExactlyTheEllipseFill) {
    for (TRect rect : {TRect(0, 0, 10, 10), TRect(3, 5, 40, 22), TRect(0, 0, 1, 1),
                       TRect(-7, -3, 12, 30), TRect(0, 0, 2, 9)}) {
        gfx::ShapeSpans shape = gfx::raster::Ellipse(rect);
        Region region = Region::FromEllipse(rect);
        // Every pixel of the bounding box (and a margin) is in the region exactly when the
        // ellipse's outline or interior sets it.
        for (int y = rect.Top - 2; y < rect.Bottom + 2; ++y)
            for (int x = rect.Left - 2; x < rect.Right + 2; ++x) {
                bool drawn = false;
                for (const auto* list : {&shape.interior, &shape.outline})
                    for (const gfx::Span& s : *list)
                        if (s.y == y && x >= s.x0 && x < s.x1) drawn = true;
                EXPECT_EQ(region.Contains(x, y), drawn) << x << "," << y;
            }
    }
    EXPECT_TRUE(Region::FromEllipse({5, 5, 2, 9}).IsEmpty());  // inverted rectangle
}

TEST(Region, ClipSpansKeepsOnlyCoveredRuns) {
    Region r = Region::Combine(Region::FromRect({0, 0, 10, 10}), Region::FromRect({4, 0, 6, 10}),
                               RegionOp::Diff);
    std::vector<gfx::Span> out;
    r.ClipSpans({{5, -3, 20}, {12, 0, 10}}, [&](int y, int x0, int x1) { out.push_back({y, x0, x1}); });
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[0], (gfx::Span{5, 0, 4}));
    EXPECT_EQ(out[1], (gfx::Span{5, 6, 10}));
}

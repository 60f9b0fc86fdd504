#include "gfx/Rasterizer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <utility>
#include <vector>

namespace {

using gfx::ShapeSpans;
using gfx::Spans;
namespace raster = gfx::raster;

using Pixel = std::pair<int, int>;  // (x, y)
using Pixels = std::set<Pixel>;

Pixels ToPixels(const Spans& spans) {
    Pixels pixels;
    for (const gfx::Span& s : spans)
        for (int x = s.x0; x < s.x1; ++x) pixels.insert({x, s.y});
    return pixels;
}

Pixels Filled(const ShapeSpans& shape) {
    Pixels pixels = ToPixels(shape.outline);
    Pixels inside = ToPixels(shape.interior);
    pixels.insert(inside.begin(), inside.end());
    return pixels;
}

bool Has(const Pixels& p, int x, int y) { return p.count({x, y}) != 0; }

// Sorted by y then x and not overlapping, so no pixel comes twice.
void ExpectWellFormed(const Spans& spans) {
    for (size_t i = 0; i < spans.size(); ++i) {
        EXPECT_LT(spans[i].x0, spans[i].x1);
        if (i > 0) {
            const gfx::Span& a = spans[i - 1];
            const gfx::Span& b = spans[i];
            EXPECT_TRUE(a.y < b.y || (a.y == b.y && a.x1 <= b.x0)) << "span " << i;
        }
    }
}

// Outline and interior disjoint; the interior never touches the outside; the outline is
// one 8-connected piece, and thin: each outline pixel has a 4-neighbour outside.
void ExpectClosedShape(const ShapeSpans& shape) {
    ExpectWellFormed(shape.outline);
    ExpectWellFormed(shape.interior);
    Pixels outline = ToPixels(shape.outline);
    Pixels inside = ToPixels(shape.interior);
    Pixels all = Filled(shape);
    EXPECT_EQ(all.size(), outline.size() + inside.size()) << "outline and interior overlap";
    const int dx[] = {1, -1, 0, 0};
    const int dy[] = {0, 0, 1, -1};
    for (auto [x, y] : inside)
        for (int k = 0; k < 4; ++k)
            EXPECT_TRUE(Has(all, x + dx[k], y + dy[k])) << "interior at edge " << x << "," << y;
    for (auto [x, y] : outline) {
        bool touchesOutside = false;
        for (int k = 0; k < 4; ++k) touchesOutside |= !Has(all, x + dx[k], y + dy[k]);
        EXPECT_TRUE(touchesOutside) << "thick outline at " << x << "," << y;
    }
    if (outline.empty()) return;
    Pixels seen{*outline.begin()};
    std::vector<Pixel> todo{*outline.begin()};
    while (!todo.empty()) {
        auto [x, y] = todo.back();
        todo.pop_back();
        for (int ny = y - 1; ny <= y + 1; ++ny)
            for (int nx = x - 1; nx <= x + 1; ++nx)
                if (Has(outline, nx, ny) && seen.insert({nx, ny}).second) todo.push_back({nx, ny});
    }
    EXPECT_EQ(seen.size(), outline.size()) << "outline has gaps";
}

Pixels Window(const Pixels& p, int x0, int y0, int x1, int y1) {
    Pixels r;
    for (auto [x, y] : p)
        if (x >= x0 && x < x1 && y >= y0 && y < y1) r.insert({x, y});
    return r;
}

// The chart's way to turn a percentage (0 at 12 o'clock, clockwise) into a point.
TPoint PointAt(TPoint centre, int rx, int ry, double percent, int scale = 1) {
    double a = percent * 0.01 * 2 * M_PI - M_PI / 2;
    return {centre.X + scale * static_cast<int>(std::lround(std::cos(a) * rx)),
            centre.Y + scale * static_cast<int>(std::lround(std::sin(a) * ry))};
}

// Slices of `percents` drawn the chart's way: pie(rect, end point, start point).
std::vector<ShapeSpans> Slices(const TRect& r, const std::vector<double>& percents, int scale = 1) {
    const int rx = r.Width() / 2, ry = r.Height() / 2;
    const TPoint m{r.Left + rx, r.Top + ry};
    std::vector<ShapeSpans> slices;
    double start = 0;
    for (double p : percents) {
        double end = start + p;
        TPoint s = start == 0 ? TPoint{m.X, r.Top} : PointAt(m, rx, ry, start, scale);
        TPoint e = end >= 100 ? TPoint{m.X, r.Top + 1} : PointAt(m, rx, ry, end, scale);
        slices.push_back(raster::Pie(r, e, s));
        start = end;
    }
    return slices;
}

TEST(Rasterizer, RectangleRightAndBottomAreExclusive) {
    ShapeSpans rect = raster::Rectangle({2, 3, 7, 9});
    Pixels outline = ToPixels(rect.outline), inside = ToPixels(rect.interior);
    EXPECT_TRUE(Has(outline, 2, 3));   // top-left corner
    EXPECT_TRUE(Has(outline, 6, 8));   // last pixel inside: (Right-1, Bottom-1)
    EXPECT_FALSE(Has(Filled(rect), 7, 8));
    EXPECT_FALSE(Has(Filled(rect), 6, 9));
    EXPECT_TRUE(Has(outline, 4, 3));   // frame row Top
    EXPECT_TRUE(Has(inside, 3, 4));    // inset by one
    EXPECT_TRUE(Has(inside, 5, 7));
    EXPECT_EQ(inside.size(), 3u * 4u);
    EXPECT_EQ(outline.size(), 5u * 6u - 12u);
    ExpectClosedShape(rect);
    // One pixel wide: all outline.
    ShapeSpans line = raster::Rectangle({0, 0, 1, 5});
    EXPECT_TRUE(line.interior.empty());
    EXPECT_EQ(ToPixels(line.outline).size(), 5u);
}

TEST(Rasterizer, EmptyOrInvertedRectanglesGiveNothing) {
    for (TRect r : {TRect{5, 5, 5, 10}, TRect{5, 5, 10, 5}, TRect{10, 10, 0, 0}, TRect{0, 0, -3, 4}}) {
        EXPECT_TRUE(Filled(raster::Rectangle(r)).empty());
        EXPECT_TRUE(Filled(raster::Ellipse(r)).empty());
        EXPECT_TRUE(Filled(raster::Pie(r, {0, 0}, {10, 10})).empty());
        EXPECT_TRUE(raster::Arc(r, {0, 0}, {10, 10}).empty());
    }
}

TEST(Rasterizer, EllipseTouchesAllFourEdgesAndIsSymmetric) {
    for (TRect r : {TRect{0, 0, 10, 10}, TRect{3, 2, 14, 9}, TRect{0, 0, 40, 3}, TRect{0, 0, 2, 30},
                    TRect{-5, -7, 96, 44}, TRect{0, 0, 1, 1}, TRect{0, 0, 2, 2}, TRect{0, 0, 1, 6}}) {
        SCOPED_TRACE(testing::Message() << r.Left << "," << r.Top << "," << r.Right << "," << r.Bottom);
        ShapeSpans e = raster::Ellipse(r);
        ExpectClosedShape(e);
        Pixels p = Filled(e);
        EXPECT_EQ(Window(p, r.Left, r.Top, r.Right, r.Bottom).size(), p.size());  // inside r
        bool left = false, right = false, top = false, bottom = false;
        for (auto [x, y] : p) {
            left |= x == r.Left;
            right |= x == r.Right - 1;
            top |= y == r.Top;
            bottom |= y == r.Bottom - 1;
            EXPECT_TRUE(Has(p, r.Left + r.Right - 1 - x, y)) << "mirror left/right";
            EXPECT_TRUE(Has(p, x, r.Top + r.Bottom - 1 - y)) << "mirror top/bottom";
        }
        EXPECT_TRUE(left && right && top && bottom);
    }
    Pixels circle = Filled(raster::Ellipse({0, 0, 10, 10}));
    EXPECT_FALSE(Has(circle, 0, 0));  // corners lie outside the circle
    EXPECT_FALSE(Has(circle, 9, 9));
    EXPECT_TRUE(Has(circle, 0, 4) && Has(circle, 9, 5) && Has(circle, 4, 0) && Has(circle, 5, 9));
}

TEST(Rasterizer, EllipseTakesThePixelsWhoseCentreIsInside) {
    // Away from the flat or narrow cases, exactly the centre-sampled inscribed ellipse.
    for (TRect r : {TRect{0, 0, 31, 20}, TRect{0, 0, 24, 17}}) {
        const long w = r.Width(), h = r.Height();
        Pixels expected;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                long u = 2 * x + 1 - w, v = 2 * y + 1 - h;
                if (u * u * h * h + v * v * w * w <= w * w * h * h) expected.insert({x, y});
            }
        EXPECT_EQ(Filled(raster::Ellipse(r)), expected);
    }
    // Beyond 2^15 pixels every row is computed on its own: check each row's left end.
    const uint64_t n = 40000;
    auto inside = [&](int64_t x, int64_t y) {
        const auto u = static_cast<uint64_t>(std::abs(2 * x + 1 - int64_t(n)));
        const auto v = static_cast<uint64_t>(std::abs(2 * y + 1 - int64_t(n)));
        return u * u * n * n + v * v * n * n <= n * n * n * n;
    };
    Spans outline = raster::Ellipse({0, 0, int(n), int(n)}).outline;
    int rows = 0;
    for (size_t i = 0; i < outline.size(); ++i) {
        if (i > 0 && outline[i].y == outline[i - 1].y) continue;  // the row's first span
        ++rows;
        const gfx::Span s = outline[i];
        ASSERT_TRUE(inside(s.x0, s.y)) << s.y;
        ASSERT_FALSE(inside(s.x0 - 1, s.y)) << s.y;
    }
    EXPECT_EQ(rows, int(n));
}

TEST(Rasterizer, QuarterPieStaysInItsQuarter) {
    const TRect r{0, 0, 100, 100};
    // From 3 o'clock counter-clockwise to 12 o'clock: the upper-right quarter. The radii
    // run along pixel borders here, and their lines are taken inside the sector.
    ShapeSpans quarter = raster::Pie(r, {100, 50}, {50, 0});
    ExpectClosedShape(quarter);
    Pixels ellipse = Filled(raster::Ellipse(r));
    Pixels q = Filled(quarter);
    EXPECT_EQ(q, Window(ellipse, 50, 0, 100, 50));
    EXPECT_TRUE(Has(ToPixels(quarter.outline), 50, 49));  // corner at the centre
    EXPECT_TRUE(Has(ToPixels(quarter.outline), 70, 49));  // 3 o'clock radius
    EXPECT_TRUE(Has(ToPixels(quarter.outline), 50, 20));  // 12 o'clock radius
    EXPECT_TRUE(Has(ToPixels(quarter.interior), 70, 30));
    // The other way round: the three remaining quarters, sharing no pixel with it.
    Pixels rest = Filled(raster::Pie(r, {50, 0}, {100, 50}));
    EXPECT_TRUE(Window(rest, 50, 0, 100, 50).empty());
    EXPECT_EQ(rest.size() + q.size(), ellipse.size());
    // Odd size: the centre pixel (50, 50) lies on both rays and belongs to the pie.
    Pixels odd = Filled(raster::Pie({0, 0, 101, 101}, {100, 50}, {50, 0}));
    EXPECT_EQ(odd, Window(Filled(raster::Ellipse({0, 0, 101, 101})), 50, 0, 101, 51));
}

TEST(Rasterizer, PieWithCoincidingRaysIsTheWholeEllipse) {
    const TRect r{10, 20, 111, 71};
    ShapeSpans ellipse = raster::Ellipse(r);
    for (auto [p1, p2] : {std::pair{TPoint{60, 20}, TPoint{60, 21}},  // both straight up
                          std::pair{TPoint{111, 45}, TPoint{211, 45}},
                          std::pair{TPoint{70, 55}, TPoint{80, 65}}}) {
        ShapeSpans pie = raster::Pie(r, p1, p2);
        EXPECT_EQ(pie.outline, ellipse.outline);
        EXPECT_EQ(pie.interior, ellipse.interior);
        EXPECT_EQ(raster::Arc(r, p1, p2), ellipse.outline);
    }
}

TEST(Rasterizer, PieDependsOnlyOnTheDirectionOfItsPoints) {
    for (TRect r : {TRect{0, 0, 982, 982}, TRect{5, 5, 406, 205}}) {
        std::vector<ShapeSpans> near = Slices(r, {35, 65});
        std::vector<ShapeSpans> far = Slices(r, {35, 65}, 1000);
        std::vector<ShapeSpans> twice = Slices(r, {35, 65}, 2);
        for (size_t i = 0; i < near.size(); ++i) {
            EXPECT_EQ(near[i].outline, far[i].outline);
            EXPECT_EQ(near[i].interior, far[i].interior);
            EXPECT_EQ(near[i].outline, twice[i].outline);
        }
    }
}

TEST(Rasterizer, SlicesOfAPieTileTheEllipse) {
    // Flat odd (3D top face), square even and a thin slice among them.
    for (TRect r : {TRect{0, 0, 200, 200}, TRect{3, 4, 204, 104}, TRect{0, 0, 81, 81}}) {
        for (const std::vector<double>& parts :
             {std::vector<double>{20, 30, 50}, std::vector<double>{1, 62.5, 36.5}}) {
            Pixels ellipse = Filled(raster::Ellipse(r));
            Pixels all;
            for (const ShapeSpans& slice : Slices(r, parts)) {
                ExpectWellFormed(slice.outline);
                ExpectWellFormed(slice.interior);
                Pixels p = Filled(slice);
                EXPECT_EQ(p.size(), ToPixels(slice.outline).size() + ToPixels(slice.interior).size());
                all.insert(p.begin(), p.end());
            }
            EXPECT_EQ(all, ellipse);
        }
    }
}

TEST(Rasterizer, ThinSliceShowsSolidRadii) {
    // A 1 % slice is narrower than a pixel over much of its length; its radius lines must
    // still join the centre to the arc without a gap.
    const TRect r{0, 0, 400, 400};
    ShapeSpans thin = Slices(r, {1, 99})[0];
    ExpectClosedShape(thin);
    Pixels p = Filled(thin);
    EXPECT_TRUE(Has(p, 200, 1) || Has(p, 200, 0));  // reaches the top of the ellipse
    EXPECT_TRUE(Has(p, 200, 199) || Has(p, 199, 199) || Has(p, 200, 200));  // and the centre
    // A wide reflex slice is a closed shape too.
    ExpectClosedShape(Slices(r, {70, 30})[0]);
}

TEST(Rasterizer, ArcIsTheEllipseOutlineInsideThePie) {
    const TRect r{0, 0, 100, 60};
    Pixels ellipseOutline = ToPixels(raster::Ellipse(r).outline);
    Spans arc = raster::Arc(r, {100, 30}, {50, 0});  // 3 o'clock to 12 o'clock
    ExpectWellFormed(arc);
    Pixels a = ToPixels(arc);
    EXPECT_EQ(a, Window(ellipseOutline, 50, 0, 100, 30));
    EXPECT_TRUE(Has(a, 99, 29) && Has(a, 50, 0));  // both ends of the quarter
    Pixels pieOutline = ToPixels(raster::Pie(r, {100, 30}, {50, 0}).outline);
    for (Pixel px : a) EXPECT_TRUE(pieOutline.count(px));
}

TEST(Rasterizer, LineLeavesOutItsEndPixel) {
    EXPECT_TRUE(raster::Line({3, 3}, {3, 3}).empty());
    EXPECT_EQ(raster::Line({0, 0}, {5, 0}), (Spans{{0, 0, 5}}));  // x 0..4, not 5
    EXPECT_EQ(raster::Line({5, 0}, {0, 0}), (Spans{{0, 1, 6}}));  // x 5..1, not 0
    EXPECT_EQ(ToPixels(raster::Line({0, 0}, {4, 4})), (Pixels{{0, 0}, {1, 1}, {2, 2}, {3, 3}}));
    // Steep: one pixel per row, the end row left out; halves round away from the start.
    Spans steep = raster::Line({0, 0}, {2, 6});
    EXPECT_EQ(steep.size(), 6u);
    EXPECT_EQ(ToPixels(steep), (Pixels{{0, 0}, {0, 1}, {1, 2}, {1, 3}, {1, 4}, {2, 5}}));
    // Upwards: rows come out sorted.
    Spans up = raster::Line({0, 4}, {8, 0});
    ExpectWellFormed(up);
    EXPECT_EQ(up.front(), (gfx::Span{0, 7, 8}));  // (8, 0) left out
    EXPECT_EQ(up.back(), (gfx::Span{4, 0, 1}));
}

TEST(Rasterizer, PolylineSetsEveryPixelOnce) {
    std::vector<TPoint> path{{0, 0}, {5, 0}, {5, 5}, {0, 0}, {8, 0}};
    Spans spans = raster::Polyline(path);
    ExpectWellFormed(spans);  // the segments overlap on row 0 and the diagonal crosses
    Pixels p = ToPixels(spans);
    EXPECT_TRUE(Has(p, 5, 0));  // joint
    EXPECT_TRUE(Has(p, 5, 4));
    EXPECT_FALSE(Has(p, 8, 0));  // the very last end pixel
    EXPECT_TRUE(Has(p, 7, 0));
    EXPECT_TRUE(raster::Polyline(std::vector<TPoint>{{4, 4}}).empty());
}

TEST(Rasterizer, PolygonMatchesTheRectangleItOutlines) {
    std::vector<TPoint> square{{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    ShapeSpans polygon = raster::Polygon(square);
    ShapeSpans rect = raster::Rectangle({0, 0, 11, 11});
    EXPECT_EQ(polygon.outline, rect.outline);  // the pen includes every corner point
    EXPECT_EQ(polygon.interior, rect.interior);
}

TEST(Rasterizer, PolygonIsFilledEvenOdd) {
    // A five-pointed star drawn in one stroke overlaps itself around the centre.
    std::vector<TPoint> star{{50, 0}, {79, 90}, {2, 34}, {98, 34}, {21, 90}};
    ShapeSpans shape = raster::Polygon(star);
    ExpectWellFormed(shape.outline);
    ExpectWellFormed(shape.interior);
    Pixels inside = ToPixels(shape.interior), all = Filled(shape);
    EXPECT_EQ(all.size(), inside.size() + ToPixels(shape.outline).size());
    EXPECT_FALSE(Has(all, 50, 50));   // centre: crossed twice
    EXPECT_TRUE(Has(inside, 50, 15));  // top point
    EXPECT_TRUE(Has(inside, 20, 38));  // left point
    EXPECT_FALSE(Has(all, 50, 85));   // between the two lower points
    // A triangle: interior strictly inside its outline.
    ShapeSpans tri = raster::Polygon(std::vector<TPoint>{{0, 0}, {20, 0}, {0, 20}});
    ExpectClosedShape(tri);
    EXPECT_TRUE(Has(ToPixels(tri.interior), 5, 5));
    EXPECT_FALSE(Has(Filled(tri), 11, 11));
}

TEST(Rasterizer, HugeShapesAreClippedToTheWorkingWindow) {
    // Spans exist only in [-2^20, 2^20); beyond that a shape is cut off, not computed.
    const int kLimit = 1 << 20;
    ShapeSpans big = raster::Rectangle({0, 0, 1000000, 1000000});
    EXPECT_EQ(big.interior.size(), 999998u);  // one span per inner row
    EXPECT_EQ(big.outline.size(), 2u + 2u * 999998u);
    // Sizes and directions beyond 32-bit products; shapes reaching far past the window.
    const int huge = 1 << 30;
    const std::vector<TPoint> sliver{{INT32_MIN, 0}, {INT32_MAX, 3}, {0, 6}};
    for (const Spans& spans : {raster::Rectangle({-huge, -3, huge, 3}).outline,
                               raster::Ellipse({-huge, 0, huge, 4}).outline,
                               raster::Pie({-huge, 0, huge, 5}, {INT32_MAX, 1}, {INT32_MIN, 2}).outline,
                               raster::Line({INT32_MIN, -5}, {INT32_MAX, 7}),
                               raster::Line({-7, INT32_MAX}, {5, kLimit - 3}),
                               raster::Polygon(sliver).interior}) {
        ExpectWellFormed(spans);
        ASSERT_FALSE(spans.empty());
        EXPECT_LE(spans.size(), 2u * kLimit);
        EXPECT_GE(spans.front().y, -kLimit);
        EXPECT_LT(spans.back().y, kLimit);
        for (const gfx::Span& s : spans) ASSERT_TRUE(s.x0 >= -kLimit && s.x1 <= kLimit);
    }
    // Rows: only the top three rows of this ellipse lie in the window.
    ShapeSpans tall = raster::Ellipse({-huge, kLimit - 3, huge, kLimit - 3 + huge});
    ASSERT_EQ(tall.outline.size(), 5u);  // the top row, then a left and a right end per row
    EXPECT_EQ(tall.outline.front().y, kLimit - 3);
    EXPECT_EQ(tall.outline.back().y, kLimit - 1);
    EXPECT_EQ(tall.outline[3].x0, -tall.outline[4].x1);  // still centred on 0
    // The last row's interior is bounded by the (unclipped) row below it.
    ASSERT_EQ(tall.interior.size(), 2u);
    EXPECT_EQ(tall.interior[1].x0, tall.outline[3].x1);
}

}  // namespace

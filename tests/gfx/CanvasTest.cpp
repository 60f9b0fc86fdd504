#include <gtest/gtest.h>

#include <vector>

#include "gfx/Canvas.h"

using gfx::Bitmap;
using gfx::Canvas;
using gfx::PixelFormat;
using gfx::RasterOp;

namespace {

Bitmap White(int w, int h, PixelFormat f = PixelFormat::Bgr24) {
    Bitmap b(w, h, f);
    b.Fill(clWhite);
    return b;
}

// Draws the same picture into a colour bitmap and a mask with black pen and brush and
// expects both to set the same pixels.
template <typename Draw>
void ExpectMaskMatchesColour(int w, int h, Draw draw) {
    Bitmap colour = White(w, h), mask = White(w, h, PixelFormat::Mono1);
    for (Bitmap* b : {&colour, &mask}) {
        Canvas c(*b);
        c.Pen().color = clBlack;
        c.Brush().color = clBlack;
        draw(c);
    }
    int set = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            ASSERT_EQ(colour.Pixel(x, y) == clBlack, mask.IsBlack(x, y)) << x << "," << y;
            set += mask.IsBlack(x, y);
        }
    EXPECT_GT(set, 0);
}

}  // namespace

TEST(Canvas, FillRectLeavesRightAndBottomEdgesOut) {
    Bitmap b = White(20, 20);
    Canvas c(b);
    c.Brush().color = clRed;
    c.FillRect({2, 3, 7, 9});
    EXPECT_EQ(b.Pixel(2, 3), clRed);
    EXPECT_EQ(b.Pixel(6, 8), clRed);
    EXPECT_EQ(b.Pixel(7, 8), clWhite);
    EXPECT_EQ(b.Pixel(6, 9), clWhite);
    EXPECT_EQ(b.Pixel(1, 3), clWhite);
    // A clear brush, an empty or an inverted rectangle draw nothing.
    c.Brush().color = clBlue;
    c.FillRect({9, 9, 9, 15});
    c.FillRect({12, 12, 10, 10});
    c.Brush().style = gfx::BrushStyle::Clear;
    c.FillRect({0, 0, 20, 20});
    EXPECT_EQ(b.Pixel(10, 10), clWhite);
    EXPECT_EQ(b.Pixel(0, 0), clWhite);
}

TEST(Canvas, RectangleOutlinesWithThePenAndFillsWithTheBrush) {
    Bitmap b = White(20, 20);
    Canvas c(b);
    c.Pen().color = clBlack;
    c.Brush().color = clRed;
    c.Rectangle({2, 3, 7, 9});
    EXPECT_EQ(b.Pixel(2, 3), clBlack);  // top-left corner: pen
    EXPECT_EQ(b.Pixel(6, 8), clBlack);  // last column and row: pen
    EXPECT_EQ(b.Pixel(3, 4), clRed);    // inside: brush
    EXPECT_EQ(b.Pixel(7, 8), clWhite);  // right edge is exclusive
    EXPECT_EQ(b.Pixel(6, 9), clWhite);  // bottom edge is exclusive
}

TEST(Canvas, NotXorDrawnTwiceRestoresThePicture) {
    Bitmap b(60, 60);
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 60; ++x) b.SetPixel(x, y, base::RGB(x * 4, y * 4, (x + y) * 2));
    Bitmap before = b;
    Canvas c(b);
    c.Pen().color = base::RGB(10, 200, 90);
    c.Pen().mode = RasterOp::NotXor;
    c.Brush().color = clWhite;  // white in not-xor leaves the inside unchanged
    for (int pass = 0; pass < 2; ++pass) {
        c.Pie({5, 5, 55, 55}, {55, 30}, {30, 5});
        c.Ellipse({10, 12, 40, 30});
        c.MoveTo(0, 59);
        c.LineTo(59, 0);
        c.DrawFocusRect({3, 3, 50, 20});
        if (pass == 0) {
            EXPECT_FALSE(b == before);
            // The pie's inside kept its colour: white not-xor is the identity.
            EXPECT_EQ(b.Pixel(40, 20), before.Pixel(40, 20));
        }
    }
    EXPECT_TRUE(b == before);
}

TEST(Canvas, InvertAndXorModes) {
    Bitmap b = White(10, 10);
    Canvas c(b);
    c.Pen().mode = RasterOp::Invert;
    c.MoveTo(0, 0);
    c.LineTo(5, 0);
    EXPECT_EQ(b.Pixel(0, 0), clBlack);
    EXPECT_EQ(b.Pixel(4, 0), clBlack);
    EXPECT_EQ(b.Pixel(5, 0), clWhite);  // the end pixel is left out
    EXPECT_EQ(c.PenPos(), TPoint(5, 0));
    c.Pen().mode = RasterOp::Xor;
    c.Pen().color = base::RGB(255, 0, 0);
    c.MoveTo(0, 1);
    c.LineTo(1, 1);
    EXPECT_EQ(b.Pixel(0, 1), base::RGB(0, 255, 255));
}

TEST(Canvas, SameShapesSetTheSamePixelsInAMaskAndAColourBitmap) {
    ExpectMaskMatchesColour(70, 50, [](Canvas& c) { c.Pie({3, 2, 63, 46}, {63, 10}, {10, 0}); });
    ExpectMaskMatchesColour(70, 50, [](Canvas& c) { c.Ellipse({1, 1, 68, 33}); });
    ExpectMaskMatchesColour(70, 50, [](Canvas& c) {
        std::vector<TPoint> pts = {{2, 2}, {60, 10}, {30, 45}, {8, 30}};
        c.Polygon(pts);
    });
    ExpectMaskMatchesColour(70, 50, [](Canvas& c) { c.Arc({0, 0, 70, 50}, {70, 0}, {0, 50}); });
}

TEST(Canvas, ClipRegionAndOriginLimitWhereShapesLand) {
    Bitmap b = White(30, 30);
    Canvas c(b);
    gfx::Region clip = gfx::Region::FromRect({10, 10, 20, 20});
    c.SetClipRegion(&clip);
    c.Brush().color = clRed;
    c.FillRect({0, 0, 30, 30});
    EXPECT_EQ(b.Pixel(10, 10), clRed);
    EXPECT_EQ(b.Pixel(19, 19), clRed);
    EXPECT_EQ(b.Pixel(20, 19), clWhite);
    EXPECT_EQ(b.Pixel(9, 10), clWhite);

    // The origin moves logical coordinates; the clip stays in device pixels.
    c.Save();
    c.SetOrigin({15, 15});
    c.Brush().color = clBlue;
    c.FillRect({0, 0, 10, 10});  // device 15..24, clipped to 15..19
    EXPECT_EQ(b.Pixel(15, 15), clBlue);
    EXPECT_EQ(b.Pixel(19, 19), clBlue);
    EXPECT_EQ(b.Pixel(21, 21), clWhite);
    EXPECT_EQ(c.Pixel(0, 0), clBlue);  // read back in logical coordinates too
    c.Restore();
    EXPECT_EQ(c.Origin(), TPoint(0, 0));
    EXPECT_EQ(c.Brush().color, clRed);

    // IntersectClipRect narrows further; removing the clip restores the whole bitmap.
    c.IntersectClipRect({0, 0, 12, 12});
    c.Brush().color = clGreen;
    c.FillRect({0, 0, 30, 30});
    EXPECT_EQ(b.Pixel(11, 11), clGreen);
    EXPECT_EQ(b.Pixel(13, 13), clRed);
    c.SetClipRegion(nullptr);
    c.FillRect({0, 0, 1, 1});
    EXPECT_EQ(b.Pixel(0, 0), clGreen);
    c.Restore();  // unbalanced: harmless
}

TEST(Canvas, ShapesOutsideTheBitmapAreClippedSafely) {
    Bitmap b = White(10, 10);
    Canvas c(b);
    c.Brush().color = clRed;
    c.Ellipse({-1000, -1000, 1000, 1000});
    c.Pie({-5, -5, 5, 5}, {100, 0}, {0, -100});
    c.Rectangle({20, 20, 40, 40});
    c.MoveTo(-50, -50);
    c.LineTo(50, 50);
    EXPECT_EQ(b.Pixel(5, 5), clBlack);  // on the diagonal line
    EXPECT_EQ(b.Pixel(9, 0), clRed);     // inside the huge ellipse
}

TEST(Canvas, FocusRectangleInvertsEveryOtherPixel) {
    Bitmap b = White(20, 20);
    Canvas c(b);
    c.DrawFocusRect({2, 2, 12, 8});
    EXPECT_EQ(b.Pixel(2, 2), clBlack);
    EXPECT_EQ(b.Pixel(3, 2), clWhite);
    EXPECT_EQ(b.Pixel(4, 2), clBlack);
    EXPECT_EQ(b.Pixel(2, 4), clBlack);
    EXPECT_EQ(b.Pixel(2, 3), clWhite);
    EXPECT_EQ(b.Pixel(5, 5), clWhite);    // inside is untouched
    EXPECT_EQ(b.Pixel(12, 2), clWhite);   // right edge exclusive
    c.DrawFocusRect({2, 2, 12, 8});
    EXPECT_TRUE(b == White(20, 20));
}

TEST(Canvas, CopiesAreClippedAndTransparentCopiesSkipTheKey) {
    Bitmap src(4, 4);
    src.Fill(clRed);
    src.SetPixel(0, 0, clFuchsia);
    Bitmap b = White(10, 10);
    Canvas c(b);
    gfx::Region clip = gfx::Region::FromRect({0, 0, 6, 10});
    c.SetClipRegion(&clip);
    c.CopyRect({4, 0, 8, 4}, src, src.Bounds());
    EXPECT_EQ(b.Pixel(5, 1), clRed);
    EXPECT_EQ(b.Pixel(6, 1), clWhite);  // clipped
    c.SetClipRegion(nullptr);
    c.DrawTransparent(0, 5, src, clFuchsia);
    EXPECT_EQ(b.Pixel(0, 5), clWhite);
    EXPECT_EQ(b.Pixel(1, 5), clRed);
    // Stretching doubles each source pixel.
    c.CopyRect({0, 0, 8, 2}, src, {0, 0, 4, 1});
    EXPECT_EQ(b.Pixel(1, 1), clFuchsia);
    EXPECT_EQ(b.Pixel(2, 0), clRed);
}

TEST(Canvas, ClippedCopiesTakeTheRightSourcePixelsWithOriginAndPartSources) {
    // Every source pixel a different colour, so a shifted copy shows.
    Bitmap src(6, 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x) src.SetPixel(x, y, static_cast<TColor>(0x010000 * (x + 1) + 0x000100 * (y + 1)));
    for (bool stretched : {false, true}) {
        Bitmap b = White(12, 12);
        Canvas c(b);
        c.SetOrigin({1, 2});
        gfx::Region clip = gfx::Region::Combine(gfx::Region::FromRect({0, 0, 12, 12}),
                                                gfx::Region::FromRect({4, 4, 6, 6}), gfx::RegionOp::Diff);
        c.SetClipRegion(&clip);  // in device pixels: a hole at (4,4)-(6,6)
        const TRect part{2, 1, 5, 4};  // 3 x 3 source pixels from (2,1)
        c.CopyRect(stretched ? TRect{2, 1, 8, 7} : TRect{2, 1, 5, 4}, src, part);
        const int scale = stretched ? 2 : 1;
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 12; ++x) {
                const int lx = x - 1 - 2, ly = y - 2 - 1;  // position inside the copy
                const bool inCopy = lx >= 0 && ly >= 0 && lx < 3 * scale && ly < 3 * scale;
                const bool inHole = x >= 4 && x < 6 && y >= 4 && y < 6;
                const TColor want = inCopy && !inHole ? src.Pixel(2 + lx / scale, 1 + ly / scale) : clWhite;
                ASSERT_EQ(b.Pixel(x, y), want) << x << "," << y << (stretched ? " stretched" : "");
            }
    }
}

#include <gtest/gtest.h>

#include "ChartTestSupport.h"

using namespace chart;

namespace {

void TwoSlices(TSCPie& pie, int w, int h, bool chart3D, TAntiAlias aa) {
    pie.SetBounds(0, 0, w, h);
    pie.SetBorderWidth(0);
    pie.SetChart3D(chart3D);
    pie.SetAntiAlias(aa);
    pie.SetExploded(false);
    pie.Legend().SetVisible(false);
    pie.SetNSeries(2);
    pie.SetValue(1, 1, 25);
    pie.SetValue(2, 1, 75);
}

bool Between(TColor c, TColor a, TColor b) {
    auto in = [](int v, int x, int y) { return v > std::min(x, y) && v < std::max(x, y); };
    return in(base::GetRValue(c), base::GetRValue(a), base::GetRValue(b)) ||
           in(base::GetGValue(c), base::GetGValue(a), base::GetGValue(b)) ||
           in(base::GetBValue(c), base::GetBValue(a), base::GetBValue(b));
}

}  // namespace

TEST(Render, SmoothingBlendsTheRimButKeepsSolidInteriors) {
    for (TAntiAlias aa : {aaLo, aaHi}) {
        TSCPie pie;
        TwoSlices(pie, 200, 200, false, aa);
        pie.SetForeColor(clRed);  // the slice 2 fill is red too: only the rim meets white
        charttest::FakeHost host(pie);
        pie.Paint(host.canvas);
        EXPECT_EQ(host.screen.Pixel(50, 150), clRed);
        EXPECT_EQ(host.screen.Pixel(150, 50), clBlue);
        // Along the rim, between 7 and 8 o'clock, some pixel is a blend of red and white.
        int blended = 0;
        for (int x = 10; x < 40; ++x)
            for (int y = 140; y < 180; ++y) blended += Between(host.screen.Pixel(x, y), clRed, clWhite);
        EXPECT_GT(blended, 5) << int(aa);
        // Unsmoothed, the rim has no blends.
        pie.SetAntiAlias(aaNone);
        pie.Paint(host.canvas);
        blended = 0;
        for (int x = 10; x < 40; ++x)
            for (int y = 140; y < 180; ++y) blended += Between(host.screen.Pixel(x, y), clRed, clWhite);
        EXPECT_EQ(blended, 0);
    }
}

TEST(Render, ThreeDWallsAreDarkened) {
    TSCPie pie;
    TwoSlices(pie, 400, 300, true, aaNone);
    charttest::FakeHost host(pie);
    pie.Paint(host.canvas);
    const TRect r = pie.PieRect();
    const int mx = r.Left + r.Width() / 2, d = r.Width() / 10;
    // The front rim under 6 o'clock belongs to slice 2 (red): its wall is darker red.
    EXPECT_EQ(host.screen.Pixel(mx - 20, r.Bottom + d / 2), DarkenColor(clRed));
    EXPECT_EQ(host.screen.Pixel(mx + r.Width() / 4, r.Top + r.Height() / 4), clBlue);  // top face
}

TEST(Render, ThreeDDoughnutHoleShowsTheFarWall) {
    TSCPie pie;
    TwoSlices(pie, 400, 300, true, aaNone);
    pie.SetKind(ckDoughnut);
    pie.SetValue(1, 1, 50);
    pie.SetValue(2, 1, 50);
    pie.SetBackColor(clWhite);
    charttest::FakeHost host(pie);
    pie.Paint(host.canvas);
    const TRect hole = pie.RingRect(pie.PieRect(), 0);
    const int hx = hole.Left + hole.Width() / 2;
    // Just under the hole's top edge: series 1's wall right of centre, series 2's left.
    EXPECT_EQ(host.screen.Pixel(hx + 6, hole.Top + 3), DarkenColor(clBlue));
    EXPECT_EQ(host.screen.Pixel(hx - 6, hole.Top + 3), DarkenColor(clRed));
    // The floor fills the rest of the hole.
    EXPECT_EQ(host.screen.Pixel(hx, hole.Top + hole.Height() * 3 / 4), clWhite);
}

TEST(Render, TinyTargetsAreDrawnWithoutSmoothing) {
    TSCPie pie;
    TwoSlices(pie, 200, 200, false, aaHi);
    gfx::Bitmap tiny;
    EXPECT_NO_THROW(pie.DrawToGraphic(tiny, aaHi, 1, 1, 0));
    EXPECT_EQ(tiny.Width(), 1);
    EXPECT_NO_THROW(pie.DrawToGraphic(tiny, aaLo, 0, -5, 0));
    EXPECT_EQ(tiny.Height(), 0);
    pie.SetBounds(0, 0, 1, 0);
    charttest::FakeHost host(pie);
    EXPECT_NO_THROW(pie.Paint(host.canvas));
}

TEST(Render, PaintRedrawsOnlyAfterChangesAndResizes) {
    TSCPie pie;
    TwoSlices(pie, 200, 200, false, aaNone);
    charttest::FakeHost host(pie);
    int afterDraw = 0;
    pie.OnAfterDraw = [&](TSCMain&) { ++afterDraw; };
    pie.Paint(host.canvas);
    EXPECT_EQ(pie.RedrawLevel(), 0);
    pie.Paint(host.canvas);  // only copied
    EXPECT_EQ(afterDraw, 2);
    pie.SetBounds(0, 0, 100, 100);  // a new size alone forces the relayout
    pie.Paint(host.canvas);
    EXPECT_EQ(pie.PieRect().Width(), 100);
    EXPECT_EQ(pie.ChartBitmap().Width(), 100);
}

TEST(Render, LegendMarkersAndTextsAreDrawn) {
    TSCPie pie;
    TwoSlices(pie, 400, 200, true, aaNone);
    pie.SetFont(charttest::Font14());
    pie.Legend().SetVisible(true);
    pie.Legend().SetColor(clWhite);
    pie.SetSeriesName(1, "Frei");
    charttest::FakeHost host(pie);
    pie.Paint(host.canvas);
    const TRect lr = pie.LegendRect();
    const ChartUnits u = ChartUnits::From(14, 1);
    // Item 1 at the top of the side legend: front face, then the darker right face.
    const int rh = lr.Height() / 2, y = lr.Top + (rh - u.Th) / 2;
    EXPECT_EQ(host.screen.Pixel(lr.Left + 3, y + u.Th - 3), clBlue);
    EXPECT_EQ(host.screen.Pixel(lr.Left + u.Th - u.Q + 1, y + u.Th - 3), DarkenColor(clBlue));
    // The frame's margin keeps the legend colour; the text leaves ink right of the marker.
    EXPECT_EQ(host.screen.Pixel(lr.Left - 3, lr.Top - 3), clWhite);
    int ink = 0;
    for (int x = lr.Left + u.Th + u.G; x < lr.Right; ++x)
        for (int yy = y; yy < y + u.Th; ++yy) ink += host.screen.Pixel(x, yy) != clWhite;
    EXPECT_GT(ink, 10);
}

TEST(Render, OddSizesAndDataDrawWithoutFaults) {
    struct Case {
        int w, h, border;
        bool chart3D;
        TPieKind kind;
        std::vector<float> values;
    };
    const Case cases[] = {
        {200, 150, 500, true, ckPie, {1, 2}},          // border larger than the control
        {3, 3, 0, true, ckDoughnut, {1, 2, 3}},        // a few pixels
        {300, 200, 0, true, ckDoughnut, {0, 0, 0}},    // all zero
        {300, 200, 0, false, ckPie, {-5, 0, 1e30f}},   // negative and huge values
        {300, 40, 0, true, ckPie, {1, 1}},             // lower than the labels
    };
    for (const Case& c : cases) {
        TSCPie pie;
        pie.SetBounds(0, 0, c.w, c.h);
        pie.SetBorderWidth(c.border);
        pie.SetChart3D(c.chart3D);
        pie.SetKind(c.kind);
        pie.SetAntiAlias(aaHi);
        pie.SetOptions({coShowLabel, coShowValue, coShowPercent});
        pie.SetTopCaption("<font size=90>Big");
        pie.SetShowHint(true);
        pie.SetNSeries(int(c.values.size()));
        pie.SetNPoint(2);
        for (size_t i = 0; i < c.values.size(); ++i) pie.SetValue(int(i) + 1, 1, c.values[i]);
        pie.SetSliceExploded(1, true);
        charttest::FakeHost host(pie);
        pie.Paint(host.canvas);
        EXPECT_EQ(pie.ChartBitmap().Width(), c.w);
        for (int y = -2; y < c.h + 2; y += 7)
            for (int x = -2; x < c.w + 2; x += 7) pie.MouseMove(0, x, y);
        pie.MouseLeft();
    }
}

TEST(Render, ThreeDSingleFullSliceHasAFrontRimAndEdgeLines) {
    TSCPie pie;
    TwoSlices(pie, 400, 300, true, aaNone);
    pie.SetNSeries(1);
    pie.SetValue(1, 1, 5);
    charttest::FakeHost host(pie);
    pie.Paint(host.canvas);
    const TRect r = pie.PieRect();
    const int rx = r.Width() / 2, ry = rx / 2, d = r.Width() / 10;
    const int mx = r.Left + rx, my = r.Top + ry;
    const TColor fore = base::ColorToRGB(clWindowText);
    EXPECT_EQ(host.screen.Pixel(mx, my), clBlue);                        // the top face
    EXPECT_EQ(host.screen.Pixel(mx, r.Bottom + d / 2), DarkenColor(clBlue));  // the front wall
    EXPECT_EQ(host.screen.Pixel(r.Left, my + d / 2), fore);             // edge line at 9 o'clock
    EXPECT_EQ(host.screen.Pixel(r.Right - 1, my + d / 2), fore);        // and at 3 o'clock
    EXPECT_EQ(host.screen.Pixel(mx, r.Bottom + d - 1), fore);           // the rim's lower arc
    EXPECT_EQ(host.screen.Pixel(mx, r.Bottom + d + 1), base::ColorToRGB(clWindow));
}

TEST(Render, PulledOutThreeDSliceMovesHalfAsFarDown) {
    TSCPie pie;
    TwoSlices(pie, 400, 300, true, aaNone);
    pie.SetNSeries(4);
    for (int s = 1; s <= 4; ++s) pie.SetValue(s, 1, 1);
    pie.SetSliceExploded(3, true);  // 50 % to 75 %: between 6 and 9 o'clock
    charttest::FakeHost host(pie);
    pie.Paint(host.canvas);
    const TRect r = pie.PieRect();
    const int rx = r.Width() / 2, ry = rx / 2, d = r.Width() / 10;
    const int e = base::rnd(rx * 0.3);  // PercentExplode 30
    const TPoint move = PointOnEllipse(e, true, 62.5f);
    EXPECT_LT(move.X, 0);
    EXPECT_GT(move.Y, 0);
    EXPECT_NEAR(move.Y, -move.X / 2, 1);
    // The moved slice's top face just down-left of the moved centre, and its front wall
    // below its rim at 7:30; the centre it left is background.
    const TPoint m{r.Left + rx + move.X, r.Top + ry + move.Y};
    EXPECT_EQ(host.screen.Pixel(m.X - 10, m.Y + 3), clLime);
    const TPoint rim = m + PointOnEllipse(rx, true, 62.5f);
    EXPECT_EQ(host.screen.Pixel(rim.X + 2, rim.Y + d / 2), DarkenColor(clLime));
    TChartHit hit;
    ASSERT_TRUE(pie.HitTest(rim.X + 2, rim.Y + d / 2, hit));
    EXPECT_EQ(hit.Series, 3);
    // Where its corner lay before, the gap shows slice 4's start wall at 9 o'clock, and
    // that is what a hit there finds.
    EXPECT_EQ(host.screen.Pixel(r.Left + rx - 3, r.Top + ry + 3), DarkenColor(clAqua));
    ASSERT_TRUE(pie.HitTest(r.Left + rx - 3, r.Top + ry + 3, hit));
    EXPECT_EQ(hit.Series, 4);
}

#include <gtest/gtest.h>

#include "ChartTestSupport.h"
#include "chart/PieGeometry.h"

using namespace chart;

TEST(PieGeometry, PointOnEllipse) {
    EXPECT_EQ(PointOnEllipse(100, false, 0), (TPoint{0, -100}));
    EXPECT_EQ(PointOnEllipse(100, true, 0), (TPoint{0, -50}));
    EXPECT_EQ(PointOnEllipse(100, false, 25), (TPoint{100, 0}));
    EXPECT_EQ(PointOnEllipse(100, true, 50), (TPoint{0, 50}));
    EXPECT_EQ(PointOnEllipse(100, false, 75), (TPoint{-100, 0}));
    EXPECT_EQ(PointOnEllipse(100, false, 12.5f), (TPoint{71, -71}));
}

TEST(PieGeometry, FitSize) {
    EXPECT_EQ(FitSize(300, 200, false).SX, 200);
    TPieSize wide = FitSize(400, 500, true);
    EXPECT_EQ(wide.SX, 400);
    EXPECT_EQ(wide.SY, 240);
    TPieSize flat = FitSize(400, 100, true);  // too low: t = 100 - 20
    EXPECT_EQ(flat.SX, 160);
    EXPECT_EQ(flat.SY, 96);
}

TEST(PieGeometry, ThreeDPieInALowAreaIs160By80) {
    TSCPie pie;
    pie.SetBounds(0, 0, 400, 100);
    pie.SetBorderWidth(0);
    pie.SetExploded(false);
    pie.Legend().SetVisible(false);
    pie.SetNSeries(1);
    gfx::Bitmap b(400, 100);
    gfx::Canvas c(b);
    pie.Changed(3);
    pie.Layout(c, b.Bounds(), 0);
    EXPECT_EQ(pie.PieRect(), TRect(120, 2, 280, 82));  // centred, the depth band below
}

TEST(PieGeometry, RingRectsOfThreeRings) {
    const TRect r(0, 0, 400, 400);
    const int half = 200;
    const int d0 = base::rnd(0.65 * half), d1 = base::rnd(2.0 / 3 * 0.65 * half),
              d2 = base::rnd(1.0 / 3 * 0.65 * half);
    EXPECT_EQ(d0, 130);
    EXPECT_EQ(RingRect(r, 0, 3, false), r.Inflate(-d0, -d0));
    EXPECT_EQ(RingRect(r, 1, 3, false), r.Inflate(-d1, -d1));
    EXPECT_EQ(RingRect(r, 2, 3, false), r.Inflate(-d2, -d2));
    EXPECT_EQ(RingRect(r, 3, 3, false), r);
    EXPECT_EQ(RingRect(TRect(0, 0, 400, 200), 0, 3, true), TRect(2 * 65, 65, 400 - 2 * 65, 200 - 65));
    EXPECT_EQ(RingRect(r, 0, 1, false), r.Inflate(-100, -100));  // one ring: half the radius
}

TEST(PieGeometry, DarkenedColours) {
    EXPECT_EQ(DarkenColor(clBlue), base::RGB(0, 0, 223));
    EXPECT_EQ(DarkenColor(clOlive), base::RGB(96, 96, 0));
    EXPECT_EQ(DarkenColor(clBlack), clBlack);
    EXPECT_EQ(DarkenColor(clWindow), DarkenColor(base::ColorToRGB(clWindow)));
}

TEST(PieGeometry, ExplodeReserveAndPulledOutSlice) {
    // Plot 400 x 400, 2D, PercentExplode 20: b1 = 40, b2 = 32, so 36 on each side.
    TSCPie pie;
    pie.SetBounds(0, 0, 400, 400);
    pie.SetBorderWidth(0);
    pie.SetChart3D(false);
    pie.SetAntiAlias(aaNone);
    pie.Legend().SetVisible(false);
    pie.SetPercentExplode(20);
    pie.SetNSeries(2);
    pie.SetValue(1, 1, 1.0f);
    pie.SetValue(2, 1, 3.0f);
    charttest::FakeHost host(pie);
    pie.Paint(host.canvas);
    EXPECT_EQ(pie.PieRect(), TRect(36, 36, 364, 364));

    // Slice 1 (12 to 3 o'clock) pulled out moves rnd(164 x 0.2) = 33 pixels along 1:30.
    pie.SetSliceExploded(1, true);
    pie.Paint(host.canvas);
    const TPoint move = PointOnEllipse(33, false, 12.5f);
    EXPECT_EQ(move, (TPoint{23, -23}));
    const TColor back = base::ColorToRGB(clWindow);
    // The moved slice's corner at the centre, and just inside its two radii.
    EXPECT_EQ(host.screen.Pixel(200 + 23 + 5, 200 - 23 - 5), clBlue);
    EXPECT_EQ(host.screen.Pixel(200 + 5, 200 - 5), back);  // the gap it left
    EXPECT_EQ(host.screen.Pixel(363 + 23 - 1, 200 - 23 - 2) != back, true);  // rim moved right
    EXPECT_EQ(host.screen.Pixel(150, 250), clRed);  // slice 2 stays put
}

TEST(PieGeometry, TwoSlicesInASquare) {
    TSCPie pie;
    pie.SetBounds(0, 0, 200, 200);
    pie.SetBorderWidth(0);
    pie.SetChart3D(false);
    pie.SetExploded(false);
    pie.SetAntiAlias(aaNone);
    pie.Legend().SetVisible(false);
    pie.SetNSeries(2);
    pie.SetValue(1, 1, 25.0f);
    pie.SetValue(2, 1, 75.0f);
    charttest::FakeHost host(pie);
    pie.Paint(host.canvas);
    EXPECT_EQ(pie.PieRect(), TRect(0, 0, 200, 200));
    EXPECT_EQ(host.screen.Pixel(150, 50), clBlue);    // 12 to 3 o'clock
    EXPECT_EQ(host.screen.Pixel(50, 50), clRed);      // the rest
    EXPECT_EQ(host.screen.Pixel(150, 150), clRed);
    EXPECT_EQ(host.screen.Pixel(2, 2), base::ColorToRGB(clWindow));  // outside the circle
    EXPECT_EQ(host.screen.Pixel(0, 100), base::ColorToRGB(clWindowText));  // the outline touches the left edge
}

TEST(PieGeometry, SingleFullSliceAndZeroSlicesLeaveNoGap) {
    TSCPie pie;
    pie.SetBounds(0, 0, 200, 200);
    pie.SetBorderWidth(0);
    pie.SetChart3D(false);
    pie.SetExploded(false);
    pie.SetAntiAlias(aaNone);
    pie.Legend().SetVisible(false);
    pie.SetNSeries(3);
    pie.SetValue(1, 1, 5.0f);
    pie.SetValue(3, 1, 5.0f);
    charttest::FakeHost host(pie);
    pie.Paint(host.canvas);
    EXPECT_EQ(host.screen.Pixel(150, 100), clBlue);
    EXPECT_EQ(host.screen.Pixel(50, 100), clLime);
    pie.SetNSeries(1);
    pie.Paint(host.canvas);
    for (TPoint p : {TPoint{100, 20}, TPoint{180, 100}, TPoint{100, 180}, TPoint{20, 100}})
        EXPECT_EQ(host.screen.Pixel(p.X, p.Y), clBlue);  // one full disc
}

#include <gtest/gtest.h>

#include "ChartTestSupport.h"

using namespace chart;

namespace {

// Lays a pie out on a bitmap of the given size at scale 1.
struct LaidOut {
    LaidOut(int w, int h, int series, TLegendAlignment align) : bitmap(w, h), canvas(bitmap) {
        pie.SetBounds(0, 0, w, h);
        pie.SetFont(charttest::Font14());
        pie.SetBorderWidth(0);
        pie.SetChart3D(false);
        pie.SetNSeries(series);
        for (int s = 1; s <= series; ++s) {
            pie.SetSeriesName(s, "Item");
            pie.SetValue(s, 1, 1.0f);
        }
        pie.Legend().SetAlignment(align);
    }
    void Layout() {
        pie.Changed(3);
        pie.Layout(canvas, bitmap.Bounds(), pie.BorderWidth());
    }
    TSCPie pie;
    gfx::Bitmap bitmap;
    gfx::Canvas canvas;
};

}  // namespace

TEST(ChartLayout, UnitSizesFromTextHeight) {
    ChartUnits u = ChartUnits::From(14, 1);
    EXPECT_EQ(u.Th, 14);
    EXPECT_EQ(u.G, 7);
    EXPECT_EQ(u.V, 10);
    EXPECT_EQ(u.Q, 3);
    EXPECT_EQ(u.Dp, 3);
    ChartUnits twice = ChartUnits::From(14, 2);
    EXPECT_EQ(twice.Th, 28);
    EXPECT_EQ(twice.V, 20);
    EXPECT_EQ(twice.Dp, 6);
    LaidOut l(400, 300, 2, laBottom);
    l.Layout();  // sets the chart font on the canvas
    EXPECT_EQ(l.pie.Units(l.canvas).T, 14);  // the test font really is 14 pixels high
}

TEST(ChartLayout, BottomLegendOfTwoSeriesCosts42Pixels) {
    LaidOut l(600, 300, 2, laBottom);
    l.Layout();
    EXPECT_EQ(l.pie.LegendColumns(), 2);
    EXPECT_EQ(l.pie.LegendRect().Height(), 14);
    EXPECT_EQ(l.pie.PlotRect(), TRect(0, 0, 600, 300 - 42));  // margin, row, margin, spacing
    EXPECT_EQ(l.pie.LegendRect().Bottom, 300 - 7);
}

TEST(ChartLayout, FiveSeriesWrapThreeAndTwo) {
    LaidOut l(10, 300, 5, laBottom);
    l.Layout();
    const int tw = l.pie.LegendTextWidth();
    // Room for exactly four items: 4 rows would also need 2 rows with 3 columns.
    l.pie.SetBounds(0, 0, 4 * (2 * 14 + tw + 7) + 3, 300);
    l.bitmap.SetSize(l.pie.Width(), 300);
    l.Layout();
    EXPECT_EQ(l.pie.LegendColumns(), 3);
    EXPECT_EQ(l.pie.LegendRect().Height(), 2 * 14 + 10);
    EXPECT_EQ(l.pie.LegendRect().Width(), 3 * (2 * 14 + tw));

    // Items 1-3 on the first row, 4-5 on the second.
    TChartHit hit;
    const TRect lr = l.pie.LegendRect();
    EXPECT_TRUE(l.pie.HitTest(lr.Left + 1, lr.Top + 3, hit));
    EXPECT_EQ(hit.LegendItem, 1);
    EXPECT_TRUE(l.pie.HitTest(lr.Left + 2 * lr.Width() / 3 + 1, lr.Top + 3, hit));
    EXPECT_EQ(hit.LegendItem, 3);
    EXPECT_TRUE(l.pie.HitTest(lr.Left + lr.Width() / 3 + 1, lr.Bottom - 5, hit));
    EXPECT_EQ(hit.LegendItem, 5);
    EXPECT_FALSE(l.pie.HitTest(lr.Left + 2 * lr.Width() / 3 + 1, lr.Bottom - 5, hit));
}

TEST(ChartLayout, SideLegendIsCappedByMaxWidth) {
    LaidOut l(400, 300, 3, laRight);
    l.pie.Legend().SetMaxWidth(0);
    l.Layout();
    EXPECT_EQ(l.pie.LegendRect().Width(), 0);
    EXPECT_EQ(l.pie.PlotRect().Right, 400 - 7 - 14 - 7);  // still loses Th + 2G
    EXPECT_EQ(l.pie.LegendRect().Height(), 3 * 14 + 2 * 10);

    l.pie.Legend().SetMaxWidth(50);
    l.pie.Legend().SetAlignment(laLeft);
    l.Layout();
    const int g = l.pie.LegendTextWidth() + 14 + 7;
    EXPECT_EQ(l.pie.LegendRect(), TRect(7, (300 - 62) / 2, 7 + g, (300 - 62) / 2 + 62));
    EXPECT_EQ(l.pie.PlotRect().Left, 7 + g + 14 + 7);
}

TEST(ChartLayout, HiddenLegendTakesNoRoomAndIsNeverHit) {
    LaidOut l(400, 300, 3, laRight);
    l.pie.Legend().SetVisible(false);
    l.Layout();
    EXPECT_EQ(l.pie.PlotRect(), TRect(0, 0, 400, 300));
    TChartHit hit;
    const TRect lr = l.pie.LegendRect();
    EXPECT_FALSE(l.pie.HitTest(lr.Left + 1, lr.Top + 1, hit) && hit.LegendItem != 0);
}

TEST(ChartLayout, CaptionsTakeTheirMarkupHeight) {
    LaidOut l(400, 300, 0, laRight);
    l.pie.SetBorderWidth(10);
    l.pie.SetTopCaption("Title<br>second line");
    l.pie.SetBottomCaption("C:");
    l.Layout();
    EXPECT_EQ(l.pie.PlotRect(), TRect(10, 10 + 28, 390, 290 - 14));
    EXPECT_EQ(l.pie.BottomCaptionTop(), 290 - 14);
    l.pie.SetTopCaption("");
    l.Layout();
    EXPECT_EQ(l.pie.PlotRect().Top, 10);
}

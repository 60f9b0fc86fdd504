#include <gtest/gtest.h>

#include "ChartTestSupport.h"

using namespace chart;

namespace {

// A pie without border and legend, drawn unsmoothed.
void Plain(TSCPie& pie, int w, int h, bool chart3D, std::initializer_list<float> values) {
    pie.SetBounds(0, 0, w, h);
    pie.SetBorderWidth(0);
    pie.SetChart3D(chart3D);
    pie.SetAntiAlias(aaNone);
    pie.Legend().SetVisible(false);
    pie.SetNSeries(int(values.size()));
    int s = 1;
    for (float v : values) pie.SetValue(s++, 1, v);
}

struct Clicks {
    explicit Clicks(TSCMain& chart) {
        chart.OnClickOnChart = [this](TSCMain&, TShiftState, int s, int p, int l) {
            ++count;
            series = s;
            point = p;
            legend = l;
        };
    }
    int count = 0, series = -1, point = -1, legend = -1;
};

}  // namespace

TEST(HitTest, PulledOutSliceIsHitWhereDrawnAndItsGapIsEmpty) {
    TSCPie pie;
    Plain(pie, 400, 400, false, {1, 3});
    pie.SetPercentExplode(20);
    pie.SetSliceExploded(1, true);
    charttest::FakeHost host(pie);
    pie.Paint(host.canvas);
    TChartHit hit;
    ASSERT_TRUE(pie.HitTest(228, 172, hit));  // inside the moved slice
    EXPECT_EQ(hit.Series, 1);
    EXPECT_EQ(hit.Point, 1);
    EXPECT_FALSE(pie.HitTest(205, 195, hit));  // where it was
    EXPECT_EQ(hit.Series, 0);
    ASSERT_TRUE(pie.HitTest(150, 250, hit));
    EXPECT_EQ(hit.Series, 2);
    EXPECT_FALSE(pie.HitTest(2, 2, hit));  // the pie's empty corner
}

TEST(HitTest, ThreeDFrontWallHitsItsSlice) {
    TSCPie pie;
    Plain(pie, 400, 300, true, {60, 40});
    pie.SetExploded(false);
    charttest::FakeHost host(pie);
    pie.Paint(host.canvas);
    const TRect r = pie.PieRect();
    const int rx = r.Width() / 2, ry = rx / 2, d = r.Width() / 10;
    const int mx = r.Left + rx, my = r.Top + ry;
    TChartHit hit;
    // Below the top face's bottom, on the wall: slice 1 covers 6 o'clock.
    ASSERT_TRUE(pie.HitTest(mx + 3, r.Bottom + d / 2, hit));
    EXPECT_EQ(hit.Series, 1);
    // The wall at about 65 % (left of 6 o'clock) belongs to slice 2.
    const int x = mx - rx * 8 / 10, y = my + ry * 6 / 10 + d / 2;
    ASSERT_TRUE(pie.HitTest(x, y, hit));
    EXPECT_EQ(hit.Series, 2);
    EXPECT_FALSE(pie.HitTest(mx, r.Bottom + d + 3, hit));  // below the disc
}

TEST(HitTest, DoughnutRimMapsToTheRingAbove) {
    TSCPie pie;
    pie.SetBounds(0, 0, 400, 300);
    pie.SetBorderWidth(0);
    pie.SetAntiAlias(aaNone);
    pie.Legend().SetVisible(false);
    pie.SetKind(ckDoughnut);
    pie.SetNSeries(2);
    pie.SetNPoint(3);
    for (int p = 1; p <= 3; ++p) {
        pie.SetValue(1, p, 30);
        pie.SetValue(2, p, 70);
    }
    charttest::FakeHost host(pie);
    pie.Paint(host.canvas);
    const TRect r = pie.PieRect();
    const int mx = r.Left + r.Width() / 2, d = r.Width() / 10;
    TChartHit hit;
    ASSERT_TRUE(pie.HitTest(mx + 3, r.Bottom + d / 2, hit));
    EXPECT_EQ(hit.Point, 3);   // the outermost ring's segment above the pointer
    EXPECT_EQ(hit.Series, 2);  // at 6 o'clock: 30 % < 50 %
    // Ring 1 just outside the hole, at 3 o'clock: series 1 (0..30 %).
    const TRect hole = pie.RingRect(r, 0);
    const int my = r.Top + r.Height() / 2;
    ASSERT_TRUE(pie.HitTest(hole.Right + 2, my, hit));
    EXPECT_EQ(hit.Point, 1);
    EXPECT_EQ(hit.Series, 1);
    // The hole's floor, more than the depth below the ring behind it.
    EXPECT_FALSE(pie.HitTest(mx, hole.Bottom - 2, hit));
}

TEST(HitTest, ClicksMustStartAndEndOnTheSameThing) {
    TSCPie pie;
    Plain(pie, 200, 200, false, {25, 75});
    pie.SetExploded(false);
    charttest::FakeHost host(pie);
    pie.Paint(host.canvas);
    Clicks clicks(pie);
    pie.MouseDown(TMouseButton::mbLeft, ssLeft, 150, 50);  // slice 1
    pie.MouseUp(TMouseButton::mbLeft, 0, 50, 150);         // slice 2
    EXPECT_EQ(clicks.count, 0);
    pie.MouseDown(TMouseButton::mbLeft, ssLeft, 150, 50);
    pie.MouseUp(TMouseButton::mbLeft, ssCtrl, 160, 40);
    EXPECT_EQ(clicks.count, 1);
    EXPECT_EQ(clicks.series, 1);
    EXPECT_EQ(clicks.point, 1);
    EXPECT_EQ(clicks.legend, 0);
    pie.MouseDown(TMouseButton::mbRight, ssRight, 150, 50);  // left to the host's menu
    pie.MouseUp(TMouseButton::mbRight, 0, 150, 50);
    EXPECT_EQ(clicks.count, 1);
}

TEST(HitTest, LegendClickReportsTheEntry) {
    TSCPie pie;
    Plain(pie, 400, 200, false, {1, 1, 1});
    pie.SetFont(charttest::Font14());
    pie.Legend().SetVisible(true);
    pie.SetSeriesName(2, "Zwei");
    charttest::FakeHost host(pie);
    pie.Paint(host.canvas);
    Clicks clicks(pie);
    const TRect lr = pie.LegendRect();
    // Rows of 14 + 10 pixels: the second entry's middle.
    const int y = lr.Top + lr.Height() / 2;
    pie.MouseDown(TMouseButton::mbLeft, ssLeft, lr.Left + 3, y);
    pie.MouseUp(TMouseButton::mbLeft, 0, lr.Left + 3, y);
    EXPECT_EQ(clicks.count, 1);
    EXPECT_EQ(clicks.series, 0);
    EXPECT_EQ(clicks.point, 0);
    EXPECT_EQ(clicks.legend, 2);
}

TEST(HitTest, HoverSkipsTheFirstMoveAfterAChangeThenShowsHintAndFocus) {
    TSCPie pie;
    Plain(pie, 200, 200, false, {25, 75});
    pie.SetExploded(false);
    pie.SetShowHint(true);
    pie.SetNumberSeparators({".", ""});
    pie.SetHintOptions({hoSeries, hoPercent, hoFocus});
    pie.SetSeriesName(2, "Belegt");
    charttest::FakeHost host(pie);
    pie.Paint(host.canvas);
    const TColor outline = base::ColorToRGB(clWindowText);
    ASSERT_EQ(host.screen.Pixel(0, 100), outline);

    pie.SetForeColor(clWindowText);  // any change arms the skip
    pie.Paint(host.canvas);
    EXPECT_TRUE(pie.SkipNextMove());
    pie.MouseMove(0, 50, 150);
    EXPECT_EQ(host.hintsShown, 0);
    EXPECT_EQ(pie.CurrentHit().Series, 0);
    pie.MouseMove(0, 50, 151);
    EXPECT_EQ(host.hintsShown, 1);
    EXPECT_EQ(host.shownText, "Belegt<br>75%");
    EXPECT_EQ(host.shownBounds.Left, 100 + 50);        // at the pointer on screen...
    EXPECT_EQ(host.shownBounds.Top, 50 + 151 + 18);    // ...18 pixels below it
    // The focus outline inverts the slice's outline on screen only.
    EXPECT_NE(host.screen.Pixel(0, 100), outline);
    EXPECT_EQ(pie.ChartBitmap().Pixel(0, 100), outline);
    pie.MouseMove(0, 52, 152);  // same slice: nothing new
    EXPECT_EQ(host.hintsShown, 1);
    pie.MouseLeft();
    EXPECT_EQ(host.screen.Pixel(0, 100), outline);  // drawn twice: gone
    EXPECT_EQ(host.hintsHidden, 1);
    EXPECT_EQ(pie.HintWindow(), nullptr);
}

TEST(HitTest, GetHintCanEmptyTheTextAndNoWindowShows) {
    TSCPie pie;
    Plain(pie, 200, 200, false, {25, 75});
    pie.SetShowHint(true);
    charttest::FakeHost host(pie);
    pie.Paint(host.canvas);
    pie.OnGetHint = [](TSCMain&, int s, int, int, std::string& text) {
        if (s == 2) text.clear();
    };
    pie.MouseMove(0, 1, 1);  // the skipped move
    pie.MouseMove(0, 50, 150);
    EXPECT_EQ(pie.CurrentHit().Series, 2);
    EXPECT_EQ(host.hintsShown, 0);
    pie.MouseMove(0, 150, 50);
    EXPECT_EQ(host.hintsShown, 1);
}

TEST(HitTest, DoughnutHintNamesTheRing) {
    TSCPie pie;
    pie.SetKind(ckDoughnut);
    pie.SetNSeries(1);
    pie.SetNPoint(2);
    pie.SetHintOptions({hoPoint});
    EXPECT_EQ(pie.GetHintText({1, 2, 0, {}}), "Point 2");
    pie.PointNames()[1] = "Aussen";
    EXPECT_EQ(pie.GetHintText({1, 2, 0, {}}), "Aussen");
}

TEST(HitTest, ForeignSizedRenderKeepsScreenHitTesting) {
    TSCPie pie;
    Plain(pie, 400, 300, false, {25, 75});
    pie.SetExploded(false);
    charttest::FakeHost host(pie);
    pie.Paint(host.canvas);
    const TRect before = pie.PieRect();
    gfx::Bitmap big;
    pie.DrawToGraphic(big, aaHi, 800, 600, -1);
    EXPECT_EQ(big.Width(), 800);
    EXPECT_EQ(big.Height(), 600);
    EXPECT_EQ(pie.PieRect(), before);
    TChartHit hit;
    ASSERT_TRUE(pie.HitTest(before.Left + before.Width() * 3 / 4, before.Top + before.Height() / 4, hit));
    EXPECT_EQ(hit.Series, 1);
}

TEST(HitTest, DoughnutFocusOutlineIsUndoneByDrawingItAgain) {
    TSCPie pie;
    pie.SetBounds(0, 0, 200, 200);
    pie.SetBorderWidth(0);
    pie.SetChart3D(false);
    pie.SetAntiAlias(aaNone);
    pie.Legend().SetVisible(false);
    pie.SetKind(ckDoughnut);
    pie.SetNSeries(2);
    pie.SetValue(1, 1, 25);
    pie.SetValue(2, 1, 75);
    charttest::FakeHost host(pie);
    pie.Paint(host.canvas);
    const gfx::Bitmap before = host.screen;
    auto changedIn = [&](const TRect& r) {
        int n = 0;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x) n += host.screen.Pixel(x, y) != before.Pixel(x, y);
        return n;
    };
    auto changed = [&] { return changedIn({0, 0, 200, 200}); };
    const TChartHit slice1{1, 1, 0, {}};
    pie.DrawFocus(host.canvas, slice1, true);
    EXPECT_GT(changed(), 100);
    // The outline runs along slice 1's edges (12 to 3 o'clock) only.
    EXPECT_GT(changedIn({101, 0, 200, 99}), 100);
    EXPECT_EQ(changedIn({0, 102, 98, 200}), 0);
    pie.DrawFocus(host.canvas, slice1, false);
    EXPECT_EQ(changed(), 0);
    pie.SetHintOptions({hoSeries});  // without hoFocus nothing is drawn
    pie.DrawFocus(host.canvas, slice1, true);
    EXPECT_EQ(changed(), 0);
}

// With hover on, a press is hit-tested where it happens: a click can arrive with no move
// before it (a warped pointer, a tap, or the one move swallowed after a change), and the
// last move's hit then names another place or nothing.
TEST(HitTest, PressWithoutAMoveBeforeItHitsWhatIsUnderThePress) {
    TSCPie pie;
    Plain(pie, 400, 200, false, {25, 75});
    pie.SetExploded(false);
    pie.SetFont(charttest::Font14());
    pie.Legend().SetVisible(true);
    pie.SetShowHint(true);
    charttest::FakeHost host(pie);
    pie.Paint(host.canvas);
    Clicks clicks(pie);
    const TRect r = pie.PieRect();
    const TPoint onSlice1{r.Left + r.Width() * 3 / 4, r.Top + r.Height() / 4};
    const TPoint onSlice2{r.Left + r.Width() / 4, r.Top + r.Height() * 3 / 4};
    const TRect lr = pie.LegendRect();
    const TPoint onEntry2{lr.Left + 3, lr.Top + lr.Height() * 3 / 4};
    ASSERT_TRUE(pie.SkipNextMove());

    // No hover yet (the first move after a change is ignored): the press finds slice 1.
    pie.MouseMove(0, onSlice1.X, onSlice1.Y);
    EXPECT_EQ(pie.CurrentHit().Series, 0);
    pie.MouseDown(TMouseButton::mbLeft, ssLeft, onSlice1.X, onSlice1.Y);
    pie.MouseUp(TMouseButton::mbLeft, 0, onSlice1.X, onSlice1.Y);
    EXPECT_EQ(clicks.count, 1);
    EXPECT_EQ(clicks.series, 1);
    EXPECT_EQ(clicks.point, 1);
    EXPECT_EQ(clicks.legend, 0);

    // Hovering slice 2, then pressing on the legend's second entry without a move.
    pie.MouseMove(0, onSlice2.X, onSlice2.Y);
    ASSERT_EQ(pie.CurrentHit().Series, 2);
    pie.MouseDown(TMouseButton::mbLeft, ssLeft, onEntry2.X, onEntry2.Y);
    EXPECT_EQ(pie.CurrentHit().LegendItem, 2);
    pie.MouseUp(TMouseButton::mbLeft, 0, onEntry2.X, onEntry2.Y);
    EXPECT_EQ(clicks.count, 2);
    EXPECT_EQ(clicks.series, 0);
    EXPECT_EQ(clicks.legend, 2);

    // Hovering slice 1, pressing on slice 2 and releasing on slice 1: the press and the
    // release name different slices, so nothing is clicked.
    pie.MouseMove(0, onSlice1.X, onSlice1.Y);
    pie.MouseDown(TMouseButton::mbLeft, ssLeft, onSlice2.X, onSlice2.Y);
    pie.MouseUp(TMouseButton::mbLeft, 0, onSlice1.X, onSlice1.Y);
    EXPECT_EQ(clicks.count, 2);
    // A press with nothing under it clicks nothing, whatever was hovered before.
    pie.MouseMove(0, onSlice1.X, onSlice1.Y);
    pie.MouseDown(TMouseButton::mbLeft, ssLeft, 2, 2);
    EXPECT_EQ(pie.CurrentHit().Series, 0);
    pie.MouseUp(TMouseButton::mbLeft, 0, onSlice1.X, onSlice1.Y);
    EXPECT_EQ(clicks.count, 2);
}

// The focus outline follows the press, so it always matches the current hit: the old
// target's outline goes, the pressed one's appears, and the click removes it again.
TEST(HitTest, PressMovesTheFocusOutlineAndTheClickRemovesIt) {
    TSCPie pie;
    Plain(pie, 200, 200, false, {25, 75});
    pie.SetExploded(false);
    pie.SetShowHint(true);
    charttest::FakeHost host(pie);
    pie.Paint(host.canvas);
    const gfx::Bitmap clean = host.screen;
    auto changedIn = [&](const TRect& rect) {
        int n = 0;
        for (int y = rect.Top; y < rect.Bottom; ++y)
            for (int x = rect.Left; x < rect.Right; ++x) n += host.screen.Pixel(x, y) != clean.Pixel(x, y);
        return n;
    };
    const TRect upperRight{101, 0, 200, 99}, lowerLeft{0, 102, 98, 200};
    pie.MouseMove(0, 1, 1);  // the skipped move
    pie.MouseMove(0, 50, 150);
    ASSERT_EQ(pie.CurrentHit().Series, 2);
    ASSERT_GT(changedIn(lowerLeft), 50);
    ASSERT_NE(pie.HintWindow(), nullptr);

    pie.MouseDown(TMouseButton::mbLeft, ssLeft, 150, 50);  // slice 1, no move before
    EXPECT_EQ(pie.HintWindow(), nullptr);                  // the press closes the hint
    EXPECT_EQ(changedIn(lowerLeft), 0);
    EXPECT_GT(changedIn(upperRight), 50);
    pie.MouseMove(0, 151, 51);  // moves while pressed do no hover work
    EXPECT_EQ(pie.HintWindow(), nullptr);
    pie.MouseUp(TMouseButton::mbLeft, 0, 151, 51);
    EXPECT_EQ(changedIn({0, 0, 200, 200}), 0);
    EXPECT_EQ(pie.CurrentHit().Series, 0);
}

// The main window's chart: start-up settings, one refresh with the drive figures, and the
// click rule that toggles a slice from the slice itself or its legend entry.
#include <gtest/gtest.h>

#include <memory>

#include "chart/control/MainWindowChart.h"
#include "vcl/TApplication.h"
#include "vcl/TForm.h"
#include "wm/headless/HeadlessSession.h"

using namespace chart;

namespace {

class MainWindowChartTest : public ::testing::Test {
protected:
    wm::headless::HeadlessSession h{1000, 700};
    std::unique_ptr<vcl::TApplication> app = std::make_unique<vcl::TApplication>();
    TSCPieControl* chart = nullptr;

    void SetUp() override {
        form = app->CreateForm<vcl::TForm>();
        form->SetBorderStyle(vcl::bsNone);
        form->SetBoundsRect({100, 50, 100 + 742, 50 + 534});
        chart = new TSCPieControl(form);
        chart->SetParent(form);
        chart->SetBounds(177 + 1, 22 + 1, 563, 491);  // the panel's client area
        SetUpMainWindowChart(*chart);
        chart->Chart().SetNumberSeparators({".", ""});
        chart->Chart().OnAfterDraw = [this](TSCMain&) { ++paints; };
        chart->Chart().OnChange = [this](TSCMain&) { ++changes; };
        form->Show();
        h.ProcessPending();
    }

    // Two moves: the first after a change is ignored, the second finds what lies there.
    void Aim(TPoint screen) {
        h.MoveTo(screen.X - 1, screen.Y);
        h.MoveTo(screen.X, screen.Y);
    }

    TPoint ScreenOf(TPoint client) const { return {100 + 178 + client.X, 50 + 23 + client.Y}; }

    vcl::TForm* form = nullptr;
    int paints = 0;
    int changes = 0;
};

}  // namespace

TEST_F(MainWindowChartTest, StartUpSettings) {
    const TSCPie& pie = chart->Chart();
    EXPECT_EQ(pie.Kind(), ckPie);
    EXPECT_TRUE(pie.Chart3D());
    EXPECT_EQ(pie.Options(), (TPieOptions{coShowLabel, coShowPercent}));
    EXPECT_TRUE(pie.Exploded());
    EXPECT_EQ(pie.PercentExplode(), 20);
    EXPECT_EQ(pie.HintOptions(), (THintOptions{hoSeries, hoPercent, hoFocus}));
    EXPECT_EQ(pie.NSeries(), 2);
    EXPECT_EQ(pie.NPoint(), 1);
    EXPECT_EQ(pie.BorderWidth(), 15);
    EXPECT_EQ(pie.ForeColor(), clWindowText);
    EXPECT_EQ(pie.BackColor(), clWindow);
    EXPECT_EQ(pie.Legend().Alignment(), laBottom);
    EXPECT_EQ(pie.Legend().Color(), clWindow);
    EXPECT_TRUE(pie.Legend().Frame());
    EXPECT_TRUE(pie.Legend().Visible());
    EXPECT_EQ(pie.Legend().MaxWidth(), 50);
    EXPECT_EQ(pie.AntiAlias(), aaHi);
    EXPECT_EQ(pie.Font().name, "Arial");
    EXPECT_EQ(pie.Font().height, -11);
    EXPECT_TRUE(pie.ShowHint());
    EXPECT_EQ(pie.GetSeriesColor(1), clBlue);
    EXPECT_EQ(pie.GetSeriesColor(2), clRed);
}

TEST_F(MainWindowChartTest, ARefreshFillsTheChartAndRepaintsOnce) {
    paints = changes = 0;
    ShowDriveSpace(chart->Chart(), 41203, 78552, cuMB, "c: [System]");
    EXPECT_EQ(changes, 6);  // caption, two values, two names, the end of the update
    h.ProcessPending();
    EXPECT_EQ(paints, 1);
    const TSCPie& pie = chart->Chart();
    EXPECT_EQ(pie.BottomCaption(), "Laufwerk: c: [System]");
    EXPECT_EQ(pie.GetValue(1, 1), 41203.0f);
    EXPECT_EQ(pie.GetValue(2, 1), 78552.0f);
    EXPECT_EQ(pie.GetSeriesName(1), "Frei (41203 MB)");
    EXPECT_EQ(pie.GetSeriesName(2), "Belegt (78552 MB)");
    EXPECT_NEAR(pie.GetPercent(1, 1), 34.41f, 0.01f);

    ShowDriveSpace(chart->Chart(), 1023, 0, cuKB, "d:");
    EXPECT_EQ(pie.GetSeriesName(1), "Frei (1023 KB)");
    EXPECT_EQ(pie.GetSeriesName(2), "Belegt (0 KB)");
    EXPECT_EQ(pie.BottomCaption(), "Laufwerk: d:");

    // A drive without a medium: two zero slices, no slice drawn, no fault.
    ShowDriveSpace(chart->Chart(), 0, 0, cuMB, "a:");
    h.ProcessPending();
    EXPECT_EQ(pie.GetPercent(1, 1), 0.0f);
}

TEST_F(MainWindowChartTest, ClicksWithoutAHoverBeforeThemToggleWhatIsUnderThePress) {
    TSCPie& pie = chart->Chart();
    ShowDriveSpace(pie, 25, 75, cuMB, "c:");
    h.ProcessPending();
    pie.OnClickOnChart = [&](TSCMain&, TShiftState, int s, int, int l) { ToggleClickedSlice(pie, s, l); };
    const TRect r = pie.PieRect();
    const TPoint onSlice2 = ScreenOf({r.Left + r.Width() / 5, r.Top + r.Height() / 2});
    const TRect lr = pie.LegendRect();
    const TPoint entry1 = ScreenOf({lr.Left + 4, lr.Top + lr.Height() / 2});
    // Straight after the refresh, one move and the click (a warped pointer, a script).
    h.Click(onSlice2.X, onSlice2.Y);
    EXPECT_TRUE(pie.GetSliceExploded(2));
    h.ProcessPending();
    // Pressed on the chart and released on the legend: no click. Pressed again on the
    // legend entry with no move before it: the entry's slice toggles.
    Aim({onSlice2.X + 1, onSlice2.Y});
    h.Press();
    h.MoveTo(entry1.X, entry1.Y);
    h.Release();
    EXPECT_FALSE(pie.GetSliceExploded(1));
    h.Press();
    h.Release();
    EXPECT_TRUE(pie.GetSliceExploded(1));
    EXPECT_TRUE(pie.GetSliceExploded(2));
}

TEST_F(MainWindowChartTest, SliceAndLegendClicksToggleTheSlice) {
    TSCPie& pie = chart->Chart();
    ShowDriveSpace(pie, 25, 75, cuMB, "c:");
    h.ProcessPending();
    int lastLegend = -1;
    pie.OnClickOnChart = [&](TSCMain&, TShiftState, int s, int, int l) {
        lastLegend = l;
        ToggleClickedSlice(pie, s, l);
    };
    // Slice 2 (75 %) lies left of the centre.
    const TRect r = pie.PieRect();
    const TPoint onSlice2 = ScreenOf({r.Left + r.Width() / 5, r.Top + r.Height() / 2});
    Aim(onSlice2);
    h.Click(onSlice2.X, onSlice2.Y);
    EXPECT_TRUE(pie.GetSliceExploded(2));
    EXPECT_EQ(lastLegend, 0);

    // The legend's first entry: its marker at the left of the bottom legend.
    h.ProcessPending();
    const TRect lr = pie.LegendRect();
    const TPoint entry1 = ScreenOf({lr.Left + 4, lr.Top + lr.Height() / 2});
    Aim(entry1);
    // Hovering the entry outlines it with an inverting pen, on the screen only.
    const TChartHit& hover = pie.CurrentHit();
    ASSERT_EQ(hover.LegendItem, 1);
    const TPoint edge{hover.LegendRect.Left + 5, hover.LegendRect.Top};
    const TColor picture = pie.ChartBitmap().Pixel(edge.X, edge.Y);
    const TPoint edgeOnScreen = ScreenOf(edge);
    EXPECT_EQ(h.ScreenPixel(edgeOnScreen.X, edgeOnScreen.Y), TColor(~picture & 0xFFFFFF));
    h.Click(entry1.X, entry1.Y);
    EXPECT_EQ(lastLegend, 1);
    EXPECT_TRUE(pie.GetSliceExploded(1));
    h.ProcessPending();
    Aim({entry1.X + 1, entry1.Y});
    h.Click(entry1.X + 1, entry1.Y);
    EXPECT_FALSE(pie.GetSliceExploded(1));  // and back

    ToggleClickedSlice(pie, 0, 0);  // nothing under the pointer: nothing changes
    EXPECT_TRUE(pie.GetSliceExploded(2));
}

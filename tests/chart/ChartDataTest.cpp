#include <gtest/gtest.h>

#include "ChartTestSupport.h"

using namespace chart;
using charttest::FakeHost;

TEST(ChartData, DefaultsOfANewPie) {
    TSCPie pie;
    EXPECT_EQ(pie.NSeries(), 0);
    EXPECT_EQ(pie.NPoint(), 1);
    EXPECT_EQ(pie.PointNames().size(), 1u);
    EXPECT_EQ(pie.BorderWidth(), 15);
    EXPECT_EQ(pie.AntiAlias(), aaLo);
    EXPECT_TRUE(pie.Chart3D());
    EXPECT_EQ(pie.Kind(), ckPie);
    EXPECT_TRUE(pie.Exploded());
    EXPECT_EQ(pie.PercentExplode(), 30);
    EXPECT_EQ(pie.HintOptions().Mask(), 31u);
    EXPECT_EQ(pie.Legend().Alignment(), laRight);
    EXPECT_EQ(pie.Legend().MaxWidth(), 50);
    EXPECT_EQ(pie.Width(), 320);
    EXPECT_EQ(pie.Height(), 220);
}

TEST(ChartData, DesignTimePieStartsWithSixSampleSlices) {
    TSCPie pie(true);
    ASSERT_EQ(pie.NSeries(), 6);
    EXPECT_EQ(pie.GetSeriesName(3), "Slice 3");
    for (int s = 1; s <= 6; ++s) {
        EXPECT_GE(pie.GetValue(s, 1), 1.0f);
        EXPECT_LE(pie.GetValue(s, 1), 10.0f);
    }
}

TEST(ChartData, SeriesColoursCycleThroughTwelveDefaults) {
    TSCPie pie;
    pie.SetNSeries(3);
    EXPECT_EQ(pie.GetSeriesColor(1), clBlue);
    EXPECT_EQ(pie.GetSeriesColor(2), clRed);
    EXPECT_EQ(pie.GetSeriesColor(3), clLime);
    pie.SetNSeries(14);
    EXPECT_EQ(pie.GetSeriesColor(12), clPurple);
    EXPECT_EQ(pie.GetSeriesColor(13), clBlue);
    EXPECT_EQ(pie.GetSeriesColor(14), clRed);
    pie.SetNSeries(0);     // out of range: ignored
    pie.SetNSeries(1025);
    EXPECT_EQ(pie.NSeries(), 14);
}

TEST(ChartData, ResizingKeepsTheFirstSeriesAndPoints) {
    TSCPie pie;
    pie.SetNSeries(3);
    pie.SetNPoint(3);
    pie.SetValue(2, 2, 5.0f);
    pie.SetValue(2, 3, 7.0f);
    pie.SetSeriesName(2, "two");
    pie.SetSeriesColor(2, clTeal);
    pie.SetNSeries(2);
    pie.SetNPoint(2);
    EXPECT_EQ(pie.GetValue(2, 2), 5.0f);
    pie.SetNPoint(3);
    EXPECT_EQ(pie.GetValue(2, 3), 0.0f);  // the dropped point comes back as 0
    pie.SetNSeries(3);
    EXPECT_EQ(pie.GetSeriesName(2), "two");
    EXPECT_EQ(pie.GetSeriesColor(2), clTeal);
    EXPECT_EQ(pie.GetSeriesName(3), "");
    EXPECT_EQ(pie.GetValue(3, 2), 0.0f);
    EXPECT_EQ(pie.PointNames().size(), 3u);
}

TEST(ChartData, InvalidNumbersAreIgnoredButStillNotify) {
    TSCPie pie;
    pie.SetNSeries(2);
    FakeHost host(pie);
    int changes = 0;
    pie.OnChange = [&](TSCMain&) { ++changes; };
    pie.SetValue(5, 1, 10.0f);
    pie.SetSeriesName(0, "x");
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(host.invalidations, 2);
    EXPECT_EQ(pie.GetValue(5, 1), 0.0f);
    EXPECT_EQ(pie.GetSeriesName(-1), "");
    EXPECT_EQ(pie.GetPercent(1, 9), 0.0f);
    EXPECT_EQ(pie.GetSeriesColor(3), 0);
    EXPECT_EQ(pie.GetPointName(2), "");
}

TEST(ChartData, UpdatesNotifyButDoNotInvalidateUntilTheEnd) {
    TSCPie pie;
    pie.SetNSeries(2);
    FakeHost host(pie);
    gfx::Bitmap target;
    pie.DrawToGraphic(target, aaNone, 50, 50, 0);  // settles the redraw level at 0
    int changes = 0;
    pie.OnChange = [&](TSCMain&) { ++changes; };
    pie.BeginUpdate();
    pie.SetValue(1, 1, 3.0f);
    pie.SetForeColor(clRed);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(host.invalidations, 0);
    EXPECT_EQ(pie.RedrawLevel(), 0);
    pie.EndUpdate();
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(host.invalidations, 1);
    EXPECT_EQ(pie.RedrawLevel(), 3);
}

TEST(ChartData, PercentsComeFromTheLastFullRelayout) {
    TSCPie pie;
    FakeHost host(pie);
    pie.SetNSeries(2);
    pie.SetValue(1, 1, -30.0f);
    pie.SetValue(2, 1, 10.0f);
    EXPECT_EQ(pie.GetPercent(1, 1), 0.0f);  // not laid out yet
    pie.Paint(host.canvas);
    EXPECT_FLOAT_EQ(pie.GetPercent(1, 1), 75.0f);  // magnitudes count
    EXPECT_FLOAT_EQ(pie.GetPercent(2, 1), 25.0f);
    pie.SetValue(1, 1, 0.0f);
    pie.SetValue(2, 1, 0.0f);
    EXPECT_FLOAT_EQ(pie.GetPercent(1, 1), 75.0f);
    pie.Paint(host.canvas);
    EXPECT_EQ(pie.GetPercent(1, 1), 0.0f);  // all zero: no division by zero
    EXPECT_EQ(pie.GetPercent(2, 1), 0.0f);
}

TEST(ChartData, SliceFlagsFollowKindAndExploded) {
    TSCPie pie;
    pie.SetNSeries(3);
    pie.SetExploded(false);
    pie.SetSliceExploded(2, true);
    EXPECT_TRUE(pie.GetSliceExploded(2));
    EXPECT_TRUE(pie.Exploded());  // turned on with the flag
    pie.SetExploded(false);
    EXPECT_FALSE(pie.GetSliceExploded(2));
    pie.SetExploded(true);
    EXPECT_FALSE(pie.GetSliceExploded(2));  // not restored

    pie.SetSliceExploded(1, true);
    pie.SetKind(ckDoughnut);
    EXPECT_FALSE(pie.GetSliceExploded(1));
    pie.SetSliceExploded(1, true);
    EXPECT_FALSE(pie.GetSliceExploded(1));  // doughnuts have no pulled-out slices
    pie.SetKind(ckPie);
    EXPECT_FALSE(pie.GetSliceExploded(1));
    pie.SetNSeries(5);
    pie.SetSliceExploded(5, true);
    EXPECT_TRUE(pie.GetSliceExploded(5));
}

TEST(ChartData, PropertySettersCheckTheirRanges) {
    TSCPie pie;
    pie.SetPercentExplode(51);
    pie.SetBorderWidth(-1);
    pie.Legend().SetMaxWidth(60);
    EXPECT_EQ(pie.PercentExplode(), 30);
    EXPECT_EQ(pie.BorderWidth(), 15);
    EXPECT_EQ(pie.Legend().MaxWidth(), 50);
    pie.Legend().SetMaxWidth(0);
    EXPECT_EQ(pie.Legend().MaxWidth(), 0);
}

TEST(ChartData, ShiftExchangeAndClear) {
    TSCPie pie;
    pie.SetNSeries(2);
    pie.SetNPoint(4);
    for (int p = 1; p <= 4; ++p) {
        pie.SetValue(1, p, float(p));
        pie.PointNames()[size_t(p - 1)] = "P" + std::to_string(p);
    }
    pie.ShiftPointsDown(1);
    EXPECT_EQ(pie.GetValue(1, 1), 2.0f);
    EXPECT_EQ(pie.GetValue(1, 3), 4.0f);
    EXPECT_EQ(pie.GetValue(1, 4), 0.0f);
    EXPECT_EQ(pie.GetPointName(1), "P2");
    EXPECT_EQ(pie.GetPointName(4), "P4");  // the last name keeps its text
    pie.ShiftPointsUp(2);
    EXPECT_EQ(pie.GetValue(1, 1), 0.0f);
    EXPECT_EQ(pie.GetValue(1, 2), 0.0f);
    EXPECT_EQ(pie.GetValue(1, 3), 2.0f);
    EXPECT_EQ(pie.GetPointName(1), "P2");  // the first names keep theirs
    EXPECT_EQ(pie.GetPointName(3), "P2");
    pie.ShiftPointsUp(5);  // not a point: nothing moves
    EXPECT_EQ(pie.GetValue(1, 3), 2.0f);

    pie.SetSeriesName(1, "one");
    pie.SetSeriesColor(2, clOlive);
    pie.ExchangeSeries(1, 2);
    EXPECT_EQ(pie.GetSeriesName(2), "one");
    EXPECT_EQ(pie.GetSeriesColor(1), clOlive);
    pie.ExchangeSeries(1, 3);  // invalid
    EXPECT_EQ(pie.GetSeriesColor(1), clOlive);

    pie.ClearData(3);
    EXPECT_EQ(pie.GetPointName(1), "");
    EXPECT_EQ(pie.GetSeriesName(2), "one");
    pie.ClearData(2);
    EXPECT_EQ(pie.GetSeriesName(2), "");
    EXPECT_EQ(pie.GetValue(2, 3), 2.0f);
    pie.ClearData(1);
    EXPECT_EQ(pie.GetValue(2, 3), 0.0f);
}

TEST(ChartData, LabelAndHintTextsFollowTheirOptions) {
    TSCPie pie;
    FakeHost host(pie);
    pie.SetNumberSeparators({".", ""});
    pie.SetNSeries(2);
    pie.SetSeriesName(1, "Frei");
    pie.SetValue(1, 1, 12.0f);
    pie.SetValue(2, 1, 18.0f);
    pie.Paint(host.canvas);
    pie.SetOptions({coShowLabel, coShowValue, coShowPercent});
    EXPECT_EQ(pie.LabelText(1, 1), "Frei<br>12 (40%)");
    pie.SetOptions({coShowLabel, coShowPercent});
    EXPECT_EQ(pie.LabelText(1, 1), "Frei<br>40%");
    pie.SetOptions({coShowValue, coShowPercent});
    EXPECT_EQ(pie.LabelText(1, 1), "12<br>40%");
    pie.SetOptions({});
    EXPECT_EQ(pie.LabelText(1, 1), "");

    pie.SetHintOptions({hoSeries, hoPercent, hoFocus});
    EXPECT_EQ(pie.GetHintText({1, 1, 0, {}}), "Frei<br>40%");
    EXPECT_EQ(pie.GetHintText({2, 1, 0, {}}), "60%");  // no name, no empty line
    pie.SetHintOptions({hoPoint, hoValue});
    EXPECT_EQ(pie.GetHintText({1, 1, 0, {}}), "12");  // the point only for doughnuts
    pie.SetKind(ckDoughnut);
    EXPECT_EQ(pie.GetHintText({1, 1, 0, {}}), "Point 1<br>12");
}

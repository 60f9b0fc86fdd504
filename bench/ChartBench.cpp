// What the user feels of the chart: a full paint of the main window's chart (563 x 491)
// at each smoothing quality in 2D and 3D, one hover hit test, and, as the memory floor,
// one copy of the supersampled scratch bitmap's bytes.
//
// Run: ChartBench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
//      ChartBench --screenshots docs/screenshots   (writes the chart-*.png pictures)

#include <benchmark/benchmark.h>

#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "chart/ChartHost.h"
#include "chart/ResampleFilters.h"
#include "chart/TSCPie.h"
#include "gfx/ImageFile.h"
#include "gfx/PngCodec.h"

namespace {

constexpr int kWidth = 563;
constexpr int kHeight = 491;

class ScreenHost : public chart::ChartHost {
public:
    ScreenHost() : screen(kWidth, kHeight), canvas(screen) {}
    void InvalidateChart() override {}
    gfx::Canvas* ChartScreenCanvas() override { return &canvas; }
    TPoint ChartClientToScreen(TPoint p) override { return p; }
    TRect DesktopWorkArea() override { return {0, 0, 1920, 1080}; }
    void ShowHintWindow(chart::TSCHintWindow&) override {}
    void HideHintWindow(chart::TSCHintWindow&) override {}
    gfx::Bitmap screen;
    gfx::Canvas canvas;
};

// The drive chart with the main window's settings: a pie with labels and percentages,
// slices pulled out by 20 %, the legend at the bottom, Arial 8 point, hints on.
void DriveChart(chart::TSCPie& pie, bool chart3D, chart::TAntiAlias aa) {
    pie.BeginUpdate();
    pie.SetBounds(0, 0, kWidth, kHeight);
    gfx::FontSpec font;
    font.name = "Arial";
    font.height = -11;
    pie.SetFont(font);
    pie.SetChart3D(chart3D);
    pie.SetAntiAlias(aa);
    pie.SetOptions({chart::coShowLabel, chart::coShowPercent});
    pie.SetPercentExplode(20);
    pie.SetHintOptions({chart::hoSeries, chart::hoPercent, chart::hoFocus});
    pie.Legend().SetAlignment(chart::laBottom);
    pie.SetNSeries(2);
    pie.SetSeriesName(1, "Frei (41203 MB)");
    pie.SetSeriesName(2, "Belegt (78552 MB)");
    pie.SetValue(1, 1, 41203.0f);
    pie.SetValue(2, 1, 78552.0f);
    pie.SetBottomCaption("Laufwerk: c: [System]");
    pie.SetShowHint(true);
    pie.EndUpdate();
}

void BM_FullPaint(benchmark::State& state) {
    chart::TSCPie pie;
    DriveChart(pie, state.range(1) != 0, chart::TAntiAlias(state.range(0)));
    ScreenHost host;
    pie.SetHost(&host);
    for (auto _ : state) {
        pie.Changed(3);
        pie.Paint(host.canvas);
        benchmark::DoNotOptimize(host.screen.Data());
    }
}
BENCHMARK(BM_FullPaint)
    ->ArgNames({"aa", "3d"})
    ->Args({chart::aaNone, 0})
    ->Args({chart::aaLo, 0})
    ->Args({chart::aaHi, 0})
    ->Args({chart::aaNone, 1})
    ->Args({chart::aaLo, 1})
    ->Args({chart::aaHi, 1})
    ->Unit(benchmark::kMillisecond);

void BM_HoverHitTest(benchmark::State& state) {
    chart::TSCPie pie;
    DriveChart(pie, state.range(0) != 0, chart::aaHi);
    ScreenHost host;
    pie.SetHost(&host);
    pie.Paint(host.canvas);
    const TRect r = pie.PieRect();
    // A point on the left half, where the search draws the most slices.
    const int x = r.Left + r.Width() / 4, y = r.Top + r.Height() * 3 / 4;
    chart::TChartHit hit;
    for (auto _ : state) benchmark::DoNotOptimize(pie.HitTest(x, y, hit));
}
BENCHMARK(BM_HoverHitTest)->ArgName("3d")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// What a hover that changes slice costs in all: hit test, removing and drawing the focus
// outline on screen, the hint text and measuring the hint window.
void BM_HoverMoveAcrossSlices(benchmark::State& state) {
    chart::TSCPie pie;
    DriveChart(pie, true, chart::aaHi);
    ScreenHost host;
    pie.SetHost(&host);
    pie.Paint(host.canvas);
    const TRect r = pie.PieRect();
    const TPoint a{r.Left + r.Width() / 4, r.Top + r.Height() * 3 / 4};
    const TPoint b{r.Left + r.Width() * 3 / 4, r.Top + r.Height() / 4};
    pie.MouseMove(0, a.X, a.Y);  // the move after the last change is skipped
    bool flip = false;
    for (auto _ : state) {
        const TPoint p = flip ? a : b;
        flip = !flip;
        pie.MouseMove(0, p.X, p.Y);
    }
}
BENCHMARK(BM_HoverMoveAcrossSlices)->Unit(benchmark::kMicrosecond);

// The two filters alone, on the scratch of a smoothed paint.
void BM_Filter(benchmark::State& state) {
    gfx::Bitmap scratch(2 * kWidth, 2 * kHeight), target(kWidth, kHeight);
    for (int y = 0; y < scratch.Height(); ++y)
        for (int x = 0; x < scratch.Width(); ++x) scratch.Row(y)[3 * x + 1] = uint8_t(x ^ y);
    for (auto _ : state) {
        if (state.range(0) == chart::aaLo) chart::BoxFilterReduce(scratch, target);
        else chart::TentFilterReduce(scratch, target);
        benchmark::DoNotOptimize(target.Data());
    }
}
BENCHMARK(BM_Filter)->ArgName("aa")->Arg(chart::aaLo)->Arg(chart::aaHi)->Unit(benchmark::kMillisecond);

// The floor of a smoothed paint: touching the 2x scratch bitmap's bytes once.
void BM_ScratchCopyFloor(benchmark::State& state) {
    gfx::Bitmap from(2 * kWidth, 2 * kHeight), to(2 * kWidth, 2 * kHeight);
    const size_t bytes = size_t(from.Stride()) * size_t(from.Height());
    for (auto _ : state) {
        std::memcpy(to.Data(), from.Data(), bytes);
        benchmark::DoNotOptimize(to.Data());
    }
}
BENCHMARK(BM_ScratchCopyFloor)->Unit(benchmark::kMillisecond);

// --- Screenshots -------------------------------------------------------------------------

void Save(chart::TSCPie& pie, const std::string& dir, const std::string& name) {
    ScreenHost host;
    pie.SetHost(&host);
    pie.Paint(host.canvas);
    gfx::WriteImageFile(dir + "/" + name, gfx::EncodePng(host.screen));
    std::cout << dir << "/" << name << "\n";
}

void WriteScreenshots(const std::string& dir) {
    {
        chart::TSCPie pie;
        DriveChart(pie, false, chart::aaHi);
        Save(pie, dir, "chart-pie-2d.png");
        pie.SetAntiAlias(chart::aaLo);
        Save(pie, dir, "chart-pie-2d-aalo.png");
    }
    {
        chart::TSCPie pie;
        DriveChart(pie, true, chart::aaHi);
        Save(pie, dir, "chart-pie-3d.png");
        pie.SetSliceExploded(1, true);
        Save(pie, dir, "chart-pie-3d-pulled-out.png");
        pie.SetAntiAlias(chart::aaLo);
        Save(pie, dir, "chart-pie-3d-pulled-out-aalo.png");
        pie.SetAntiAlias(chart::aaHi);
        pie.SetChart3D(false);
        Save(pie, dir, "chart-pie-2d-pulled-out.png");
    }
    {
        chart::TSCPie pie;
        DriveChart(pie, false, chart::aaHi);
        pie.SetKind(chart::ckDoughnut);
        pie.SetOptions({chart::coShowPercent});
        Save(pie, dir, "chart-doughnut-2d.png");
    }
    {
        chart::TSCPie pie;
        DriveChart(pie, true, chart::aaHi);
        pie.SetKind(chart::ckDoughnut);
        pie.SetOptions({chart::coShowPercent});
        pie.SetNSeries(3);
        pie.SetNPoint(3);
        pie.SetSeriesName(3, "Reserviert");
        const float values[3][3] = {{40, 30, 20}, {50, 45, 60}, {10, 25, 20}};
        for (int s = 1; s <= 3; ++s)
            for (int p = 1; p <= 3; ++p) pie.SetValue(s, p, values[s - 1][p - 1]);
        Save(pie, dir, "chart-doughnut-3d-three-rings.png");
    }
    const std::pair<chart::TLegendAlignment, const char*> legends[] = {
        {chart::laLeft, "left"}, {chart::laRight, "right"}, {chart::laTop, "top"}, {chart::laBottom, "bottom"}};
    for (auto [align, name] : legends) {
        chart::TSCPie pie;
        DriveChart(pie, true, chart::aaHi);
        pie.SetNSeries(5);
        const char* names[5] = {"Frei", "Belegt", "System", "Papierkorb", "Auslagerung"};
        for (int s = 1; s <= 5; ++s) {
            pie.SetSeriesName(s, names[s - 1]);
            pie.SetValue(s, 1, float(10 + 7 * s));
        }
        pie.SetOptions({chart::coShowPercent});
        pie.Legend().SetAlignment(align);
        Save(pie, dir, std::string("chart-legend-") + name + ".png");
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--screenshots") {
        WriteScreenshots(argv[2]);
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

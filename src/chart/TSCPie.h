#pragma once
// The pie and doughnut chart: series are slices, points are the doughnut's rings (the
// pie shows point 1). Slices can be pulled out of a pie; 3D draws a thick flat disc.

#include <random>
#include <string>
#include <vector>

#include "chart/PieGeometry.h"
#include "chart/TSCMain.h"

namespace chart {

class TSCPie : public TSCMain {
public:
    // `designing`: placed in a designer, which starts with six sample slices.
    explicit TSCPie(bool designing = false);

    TPieKind Kind() const { return kind_; }
    void SetKind(TPieKind kind);
    TPieOptions Options() const { return options_; }
    void SetOptions(TPieOptions options);
    bool Exploded() const { return exploded_; }
    void SetExploded(bool value);
    int PercentExplode() const { return percentExplode_; }
    void SetPercentExplode(int value);
    THintOptions HintOptions() const { return hintOptions_; }
    void SetHintOptions(THintOptions options) { hintOptions_ = options; }

    void SetSliceExploded(int series, bool exploded);
    bool GetSliceExploded(int series) const;

    // Layout results.
    const TRect& PieRect() const { return pieRect_; }
    int LabelWidth() const { return labelWidth_; }
    int LabelHeight() const { return labelHeight_; }

    // The marked-up label of one slice.
    std::string LabelText(int series, int point) const;
    TPieSize FitSize(int width, int height) const { return chart::FitSize(width, height, Chart3D()); }
    TRect RingRect(const TRect& r, int ring) const { return chart::RingRect(r, ring, NPoint(), Chart3D()); }

    void ResizeSeries(int count) override;
    void PointsResized(int oldCount) override;
    std::string GetLegendText(int series) override { return GetSeriesName(series); }
    void LayoutPlot(gfx::Canvas& canvas, const TRect& plot) override;
    void RefreshData() override {}
    void DrawChart(gfx::Canvas& canvas, bool textPass) override;
    bool HitTestChart(gfx::Canvas& canvas, TPoint point, TChartHit& hit) override;
    std::string GetHintText(const TChartHit& hit) override;
    void DrawFocus(gfx::Canvas& canvas, const TChartHit& hit, bool show) override;

private:
    // A slice between two positions: its (possibly moved) rectangle, centre, and the
    // points and directions of its start and end on the top rim.
    struct Slice {
        TRect R;
        TPoint m;
        TPoint ps, startDir;
        TPoint pe, endDir;
    };

    int Rx() const { return pieRect_.Width() / 2; }
    int Ry() const { return Chart3D() ? Rx() / 2 : Rx(); }
    TPoint Centre() const { return {pieRect_.Left + Rx(), pieRect_.Top + Ry()}; }
    int Depth() const { return pieRect_.Width() / 10; }
    int ExplodeOffset() const;
    bool IsPulledOut(int series) const;
    Slice SliceGeometry(int series, float start, float end) const;
    // The colour to draw with: black while drawing into the hit mask.
    TColor Ink(TColor color) const;

    void DrawTopFace(gfx::Canvas& canvas, const Slice& slice) const;
    void DrawSides(gfx::Canvas& canvas, int series, float start, float end);
    void DrawSidePass(gfx::Canvas& canvas);
    void DrawPieSlices(gfx::Canvas& canvas);
    void DrawRings(gfx::Canvas& canvas);
    void DrawHole3D(gfx::Canvas& canvas);
    void DrawLabels(gfx::Canvas& canvas);
    void DrawPieSliceForHit(gfx::Canvas& canvas, int series, float start, float end);
    bool HitTestPie(gfx::Canvas& canvas, TPoint point, TChartHit& hit);
    bool HitTestDoughnut(TPoint point, TChartHit& hit);

    TPieKind kind_ = ckPie;
    TPieOptions options_;
    bool exploded_ = true;
    int percentExplode_ = 30;
    THintOptions hintOptions_{hoSeries, hoPoint, hoValue, hoPercent, hoFocus};
    std::vector<bool> explodedSlices_;  // one per series while Kind is ckPie
    TRect pieRect_;
    int labelWidth_ = 0;
    int labelHeight_ = 0;
    bool drawingMask_ = false;
    std::minstd_rand sampleValues_{20240601u};
};

}  // namespace chart

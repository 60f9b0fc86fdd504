#pragma once
// Shared fixtures of the chart tests: a host with a screen bitmap, and pies with fonts of
// known height.

#include <string>
#include <vector>

#include "chart/ChartHost.h"
#include "chart/TSCHintWindow.h"
#include "chart/TSCPie.h"
#include "gfx/Bitmap.h"
#include "gfx/Canvas.h"

namespace charttest {

// A cell height of 14 pixels: T = 14.
inline gfx::FontSpec Font14() {
    gfx::FontSpec fontSpec;
    fontSpec.name = "Arial";
    fontSpec.height = 14;
    return fontSpec;
}

class FakeHost : public chart::ChartHost {
public:
    explicit FakeHost(chart::TSCMain& chart, TPoint screenOffset = {100, 50})
        : screen(chart.Width(), chart.Height()), canvas(screen), offset(screenOffset) {
        chart.SetHost(this);
    }
    void InvalidateChart() override { ++invalidations; }
    gfx::Canvas* ChartScreenCanvas() override { return &canvas; }
    TPoint ChartClientToScreen(TPoint p) override { return p + offset; }
    TRect DesktopWorkArea() override { return desktop; }
    void ShowHintWindow(chart::TSCHintWindow& w) override {
        shownText = w.Text();
        shownBounds = w.BoundsRect();
        ++hintsShown;
    }
    void HideHintWindow(chart::TSCHintWindow&) override { ++hintsHidden; }

    gfx::Bitmap screen;
    gfx::Canvas canvas;
    TPoint offset;
    TRect desktop{0, 0, 1280, 1024};
    int invalidations = 0;
    int hintsShown = 0;
    int hintsHidden = 0;
    std::string shownText;
    TRect shownBounds;
};

// A pie of the given shares (values), no border, no legend, 2D, aaNone, laid out.
inline void FillPie(chart::TSCPie& pie, const std::vector<float>& values) {
    pie.BeginUpdate();
    pie.SetFont(Font14());
    pie.SetNSeries(int(values.size()));
    for (size_t i = 0; i < values.size(); ++i) {
        pie.SetValue(int(i) + 1, 1, values[i]);
        pie.SetSeriesName(int(i) + 1, "S" + std::to_string(i + 1));
    }
    pie.EndUpdate();
}

inline void Relayout(chart::TSCMain& chart, gfx::Canvas& screen) {
    chart.Changed(3);
    chart.Paint(screen);
}

}  // namespace charttest

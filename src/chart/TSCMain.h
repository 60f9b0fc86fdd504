#pragma once
// The chart base: series x points of data, captions, legend, the off-screen picture with
// supersampled smoothing, mouse handling with focus outlines and the hover hint.
// The concrete chart kind implements the hooks (ResizeSeries ... DrawFocus).
//
// Sizes while the supersampled picture is drawn are in scratch pixels: every size
// derived from the font is multiplied by ScaleFactor() (2 then, else 1).

#include <memory>
#include <string>
#include <vector>

#include "base/Geometry.h"
#include "chart/ChartHost.h"
#include "chart/ChartTypes.h"
#include "chart/NumberText.h"
#include "chart/SeriesData.h"
#include "chart/TLegend.h"
#include "chart/TSCHintWindow.h"
#include "gfx/Bitmap.h"
#include "gfx/Canvas.h"
#include "gfx/FontSpec.h"

namespace chart {

// Sizes derived from the text height T of "Wg" and the scale factor k.
struct ChartUnits {
    int T = 0;
    int Th = 0;  // T k: marker, legend row, spacing next to the legend
    int G = 0;   // (T div 2) k: marker-text gap, legend margin
    int V = 0;   // ((T div 2) + (T div 2) div 2) k: between legend rows
    int Q = 0;   // (T div 4) k: 3D marker's front face inset
    int Dp = 0;  // ((T - T div 4) div 3) k: 3D marker's depth
    static ChartUnits From(int textHeight, int scale);
};

class TSCMain {
public:
    static constexpr int kMaxCount = 1024;

    TSCMain();
    virtual ~TSCMain();
    TSCMain(const TSCMain&) = delete;
    TSCMain& operator=(const TSCMain&) = delete;

    // --- Placement -------------------------------------------------------------------
    void SetHost(ChartHost* host) { host_ = host; }
    ChartHost* Host() const { return host_; }
    int Left() const { return bounds_.Left; }
    int Top() const { return bounds_.Top; }
    int Width() const { return bounds_.Width(); }
    int Height() const { return bounds_.Height(); }
    void SetBounds(int left, int top, int width, int height);
    TRect ClientRect() const { return {0, 0, Width(), Height()}; }

    // --- Published properties -----------------------------------------------------------
    int NSeries() const { return int(series_.size()); }
    void SetNSeries(int count);
    int NPoint() const { return nPoint_; }
    void SetNPoint(int count);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int width);
    const std::string& TopCaption() const { return topCaption_; }
    void SetTopCaption(const std::string& text);
    const std::string& BottomCaption() const { return bottomCaption_; }
    void SetBottomCaption(const std::string& text);
    TColor ForeColor() const { return foreColor_; }
    void SetForeColor(TColor color);
    TColor BackColor() const { return backColor_; }
    void SetBackColor(TColor color);
    TLegend& Legend() { return legend_; }
    const TLegend& Legend() const { return legend_; }
    TAntiAlias AntiAlias() const { return antiAlias_; }
    void SetAntiAlias(TAntiAlias value);
    bool Chart3D() const { return chart3D_; }
    void SetChart3D(bool value);
    const std::string& ValueFormat() const { return valueFormat_; }
    void SetValueFormat(const std::string& format);
    // The font of captions, legend texts and labels, and its colour.
    const gfx::FontSpec& Font() const { return font_; }
    void SetFont(const gfx::FontSpec& font);
    TColor FontColor() const { return fontColor_; }
    void SetFontColor(TColor color);
    // Takes font and colour from the control that shows the chart, which keeps the
    // parent-font rule itself; relays out once.
    void AssignControlFont(const gfx::FontSpec& font, TColor color);
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool value) { parentFont_ = value; }
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool value) { showHint_ = value; }

    TClickOnChartEvent OnClickOnChart;
    TGetHintEvent OnGetHint;
    TNotifyEvent OnChange;
    TNotifyEvent OnAfterDraw;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;

    // --- Data -----------------------------------------------------------------------------
    void SetValue(int series, int point, float value);
    float GetValue(int series, int point) const;
    float GetPercent(int series, int point) const;
    void SetSeriesName(int series, const std::string& name);
    std::string GetSeriesName(int series) const;
    std::string GetPointName(int point) const;
    void SetSeriesColor(int series, TColor color);
    TColor GetSeriesColor(int series) const;
    const std::vector<std::string>& PointNames() const { return pointNames_; }
    std::vector<std::string>& PointNames() { return pointNames_; }

    void BeginUpdate() { redrawEnabled_ = false; }
    void EndUpdate();
    // Fires OnChange; unless updates are suspended raises the redraw level (1 colours,
    // 2 data refresh, 3 full relayout), closes the hint and asks for a paint.
    void Changed(int level);

    std::string FormatValue(float value) const;
    std::string FormatPercent(float percent, bool inParentheses) const;
    // The separators of value and percent texts; from the user's locale by default.
    void SetNumberSeparators(const NumberSeparators& sep) { separators_ = sep; }

    // --- Rendering ------------------------------------------------------------------------
    // Shows the chart on `screen` (logical (0, 0) = the chart's top-left), redrawing the
    // off-screen picture first when something changed.
    void Paint(gfx::Canvas& screen);
    // Renders into `graphic` (made 24-bit): width/height 0 = the client size, border < 0 =
    // BorderWidth. Any smoothing other than aaNone supersamples with the chart's own
    // AntiAlias filter.
    void DrawToGraphic(gfx::Bitmap& graphic, TAntiAlias antiAlias, int width, int height, int border);
    const gfx::Bitmap& ChartBitmap() const { return chartBitmap_; }
    int RedrawLevel() const { return redrawLevel_; }
    int ScaleFactor() const { return scaleFactor_; }
    const TRect& PlotRect() const { return plotRect_; }
    const TRect& LegendRect() const { return legendRect_; }
    int LegendColumns() const { return legendColumns_; }
    int LegendTextWidth() const { return legendTextWidth_; }
    int BottomCaptionTop() const { return bottomCaptionTop_; }

    // --- Mouse ----------------------------------------------------------------------------
    bool HitTest(int x, int y, TChartHit& hit);
    void MouseMove(TShiftState shift, int x, int y);
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    const TChartHit& CurrentHit() const { return hit_; }
    const TSCHintWindow* HintWindow() const { return hintWindow_.get(); }
    bool SkipNextMove() const { return skipNextMove_; }
    const gfx::Bitmap* HitMask() const { return hitMask_.get(); }

    // --- Hooks, in slot order -----------------------------------------------------------------
    virtual void ResizeSeries(int count) = 0;
    virtual void PointsResized(int oldCount) = 0;
    virtual std::string GetLegendText(int series) = 0;
    virtual void LayoutPlot(gfx::Canvas& canvas, const TRect& plot) = 0;
    virtual void RefreshData() = 0;
    virtual void DrawChart(gfx::Canvas& canvas, bool textPass) = 0;
    virtual bool HitTestChart(gfx::Canvas& canvas, TPoint point, TChartHit& hit) = 0;
    virtual std::string GetHintText(const TChartHit& hit) = 0;
    virtual void DrawFocus(gfx::Canvas& canvas, const TChartHit& hit, bool show) = 0;
    virtual void MouseLeft();
    virtual void ExchangeSeries(int a, int b);
    virtual void ShiftPointsDown(int n);
    virtual void ShiftPointsUp(int n);
    virtual void ClearData(int what);

    // The chart's layout and passes on any canvas (also used by tests and benchmarks).
    void Layout(gfx::Canvas& canvas, const TRect& rect, int border);
    void DrawBackgroundAndLegend(gfx::Canvas& canvas, const TRect& rect, int border, bool textPass);
    ChartUnits Units(const gfx::Canvas& canvas) const;

protected:
    enum class LegendMode { Draw = 0, Focus = 1, HitTest = 2 };

    bool ValidSeries(int s) const { return s >= 1 && s <= NSeries(); }
    bool ValidPoint(int p) const { return p >= 1 && p <= nPoint_; }
    TSeriesData& Series(int s) { return series_[size_t(s - 1)]; }
    const TSeriesData& Series(int s) const { return series_[size_t(s - 1)]; }
    // The share of a series at a point from the last full relayout; 0 when out of range.
    float Share(int series, int point) const;
    void AddSeries();
    void DeleteSeries(int series);

    // The chart font and colour on a canvas.
    void ApplyFont(gfx::Canvas& canvas) const;
    // The mask hit tests draw into: client-sized, white, black brush and pen, chart font.
    gfx::Canvas& PrepareHitMask();
    bool MaskIsHit(int x, int y) const { return hitMask_ && hitMask_->IsBlack(x, y); }
    bool LegendRoutine(gfx::Canvas& canvas, LegendMode mode, bool textPass, TChartHit& hit, TPoint point);
    // The chart's own surface on screen; null when not shown.
    gfx::Canvas* ScreenCanvas() const { return host_ ? host_->ChartScreenCanvas() : nullptr; }
    void HideHint();
    void ShowHintAt(TPoint screen, const std::string& text);

    bool designing_ = false;
    int redrawLevel_ = 0;
    int scaleFactor_ = 1;

private:
    void DrawLegendItemShapes(gfx::Canvas& canvas, const ChartUnits& u, int x, int y, TColor color);
    void RenderUnsmoothed(gfx::Bitmap& target, const TRect& rect, int border, bool relayout);

    ChartHost* host_ = nullptr;
    TRect bounds_{0, 0, 320, 220};
    std::vector<TSeriesData> series_;
    int nPoint_ = 0;
    std::vector<std::string> pointNames_;
    int borderWidth_ = 15;
    std::string topCaption_;
    std::string bottomCaption_;
    int bottomCaptionTop_ = 0;
    TColor foreColor_ = clWindowText;
    TColor backColor_ = clWindow;
    TLegend legend_;
    TAntiAlias antiAlias_ = aaLo;
    bool chart3D_ = true;
    std::string valueFormat_;
    gfx::FontSpec font_;
    TColor fontColor_ = clWindowText;
    bool parentFont_ = true;
    bool showHint_ = false;
    NumberSeparators separators_;

    bool redrawEnabled_ = true;
    int lastClientWidth_ = 0;
    int lastClientHeight_ = 0;
    TRect legendRect_;
    int legendColumns_ = 0;
    int legendTextWidth_ = 0;
    TRect plotRect_;
    gfx::Bitmap chartBitmap_;
    std::unique_ptr<gfx::Bitmap> hitMask_;
    std::unique_ptr<gfx::Canvas> maskCanvas_;

    TChartHit hit_;
    std::unique_ptr<TSCHintWindow> hintWindow_;
    bool mousePressed_ = false;
    bool skipNextMove_ = true;
};

}  // namespace chart

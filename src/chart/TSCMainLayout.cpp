// The chart frame: dividing the area between border, captions, legend and plot, and the
// legend's drawing, focus outline and hit test.

#include <algorithm>
#include <array>

#include "base/Rounding.h"
#include "chart/MarkupRenderer.h"
#include "chart/PieGeometry.h"
#include "chart/TSCMain.h"

namespace chart {

using base::div;

ChartUnits ChartUnits::From(int t, int k) {
    ChartUnits u;
    u.T = t;
    u.Th = t * k;
    u.G = div(t, 2) * k;
    u.V = (div(t, 2) + div(div(t, 2), 2)) * k;
    u.Q = div(t, 4) * k;
    u.Dp = div(t - div(t, 4), 3) * k;
    return u;
}

ChartUnits TSCMain::Units(const gfx::Canvas& canvas) const {
    return ChartUnits::From(canvas.TextHeight("Wg"), scaleFactor_);
}

void TSCMain::ApplyFont(gfx::Canvas& canvas) const {
    canvas.SetFont(font_);
    canvas.SetFontColor(base::ColorToRGB(fontColor_));
}

void TSCMain::Layout(gfx::Canvas& canvas, const TRect& area, int border) {
    const int k = scaleFactor_;
    if (redrawLevel_ == 3) {
        TRect r = area.Inflate(-border * k, -border * k);
        ApplyFont(canvas);
        if (!topCaption_.empty()) r.Top += MeasureMarkup(canvas, topCaption_).Y * k;
        if (!bottomCaption_.empty()) {
            r.Bottom -= MeasureMarkup(canvas, bottomCaption_).Y * k;
            bottomCaptionTop_ = r.Bottom;
        }

        const int n = NSeries();
        if (n > 0) {
            const ChartUnits u = Units(canvas);
            const TLegendAlignment align = legend_.Alignment();
            const bool side = align == laLeft || align == laRight;
            if (legend_.Visible()) {
                int widest = 0;
                for (int s = 1; s <= n; ++s) widest = std::max(widest, canvas.TextWidth(GetLegendText(s)));
                legendTextWidth_ = widest * k;
                if (side) {
                    const int w = base::rnd((r.Right - r.Left) * legend_.MaxWidth() * 0.01);
                    int g = legendTextWidth_ + u.Th + u.G;
                    if (w < g) {
                        legendTextWidth_ = w - u.Th - u.G;
                        g = w;
                    }
                    if (align == laLeft) {
                        legendRect_.Left = r.Left + u.G;
                        legendRect_.Right = legendRect_.Left + g;
                        r.Left = legendRect_.Right + u.Th + u.G;
                    } else {
                        legendRect_.Right = r.Right - u.G;
                        legendRect_.Left = legendRect_.Right - g;
                        r.Right = legendRect_.Left - u.Th - u.G;
                    }
                } else {
                    int cols = div(r.Right - r.Left, 2 * u.Th + legendTextWidth_ + u.G);
                    cols = std::clamp(cols, 1, n);
                    const int rows = div(n - 1, cols) + 1;
                    // As few columns as the same number of rows needs.
                    if (cols > 1) cols = div(n - 1, rows) + 1;
                    legendColumns_ = cols;
                    const int h = rows * u.Th + (rows - 1) * u.V;
                    if (align == laTop) {
                        legendRect_.Top = r.Top + u.G;
                        legendRect_.Bottom = legendRect_.Top + h;
                        r.Top = legendRect_.Bottom + u.G + u.Th;
                    } else {
                        legendRect_.Bottom = r.Bottom - u.G;
                        legendRect_.Top = legendRect_.Bottom - h;
                        r.Bottom = legendRect_.Top - u.G - u.Th;
                    }
                }
            }
            // The other extent is centred in what is left, shown or not.
            if (side) {
                const int total = n * u.Th + (n - 1) * u.V;
                legendRect_.Top = r.Top + div(r.Bottom - r.Top, 2) - div(total, 2);
                legendRect_.Bottom = legendRect_.Top + total;
            } else {
                const int width = (2 * u.Th + legendTextWidth_) * legendColumns_;
                legendRect_.Left = r.Left + div(r.Right - r.Left - width, 2);
                legendRect_.Right = legendRect_.Left + width;
            }
        }
        plotRect_ = r;
        LayoutPlot(canvas, r);
        redrawLevel_ = 2;
    }
    if (redrawLevel_ == 2) {
        RefreshData();
        redrawLevel_ = 0;
    }
}

void TSCMain::DrawBackgroundAndLegend(gfx::Canvas& canvas, const TRect& area, int border, bool textPass) {
    ApplyFont(canvas);
    canvas.Pen().mode = gfx::RasterOp::Copy;
    TChartHit none;
    if (!textPass) {
        canvas.Brush().style = gfx::BrushStyle::Solid;
        canvas.Brush().color = base::ColorToRGB(backColor_);
        canvas.FillRect(area);
        if (NSeries() > 0 && legend_.Visible()) LegendRoutine(canvas, LegendMode::Draw, false, none, {});
        DrawChart(canvas, false);
        return;
    }
    const int k = scaleFactor_;
    TRect r = area.Inflate(-border * k, -border * k);
    canvas.Brush().style = gfx::BrushStyle::Clear;
    if (!topCaption_.empty()) RenderMarkup(canvas, topCaption_, r, true);
    if (!bottomCaption_.empty()) {
        r.Top = bottomCaptionTop_;
        RenderMarkup(canvas, bottomCaption_, r, true);
    }
    if (NSeries() > 0 && legend_.Visible()) LegendRoutine(canvas, LegendMode::Draw, true, none, {});
    DrawChart(canvas, true);
}

void TSCMain::DrawLegendItemShapes(gfx::Canvas& canvas, const ChartUnits& u, int x, int y, TColor color) {
    const int th = u.Th, q = u.Q, dp = u.Dp;
    canvas.Brush().style = gfx::BrushStyle::Solid;
    canvas.Brush().color = base::ColorToRGB(color);
    if (!chart3D_) {
        const std::array<TPoint, 4> square{TPoint{x, y}, {x + th, y}, {x + th, y + th}, {x, y + th}};
        canvas.Polygon(square);
        return;
    }
    const std::array<TPoint, 4> front{TPoint{x, y + q}, {x + th - q, y + q}, {x + th - q, y + th}, {x, y + th}};
    canvas.Polygon(front);
    const std::array<TPoint, 4> top{TPoint{x, y + q}, {x + th - q, y + q}, {x + th - q + dp, y + q - dp},
                                    {x + dp, y + q - dp}};
    canvas.Polygon(top);
    canvas.Brush().color = DarkenColor(color);
    const std::array<TPoint, 4> right{TPoint{x + th - q, y + th}, {x + th - q, y + q},
                                      {x + th - q + dp, y + q - dp}, {x + th - q + dp, y + th - dp}};
    canvas.Polygon(right);
}

bool TSCMain::LegendRoutine(gfx::Canvas& canvas, LegendMode mode, bool textPass, TChartHit& hit, TPoint point) {
    canvas.Pen().color = base::ColorToRGB(foreColor_);
    if (mode == LegendMode::Focus) {
        const TRect& f = hit.LegendRect;
        canvas.Pen().mode = gfx::RasterOp::Invert;
        canvas.MoveTo(f.Left, f.Top);
        canvas.LineTo(f.Right, f.Top);
        canvas.LineTo(f.Right, f.Bottom);
        canvas.LineTo(f.Left, f.Bottom);
        canvas.LineTo(f.Left, f.Top);
        canvas.Pen().mode = gfx::RasterOp::Copy;
        return false;
    }
    const int n = NSeries();
    const int k = scaleFactor_;
    const ChartUnits u = Units(canvas);
    const TRect& lr = legendRect_;
    if (mode == LegendMode::Draw && !textPass && legend_.Frame()) {
        canvas.Brush().style = gfx::BrushStyle::Solid;
        canvas.Brush().color = base::ColorToRGB(legend_.Color());
        const int l = lr.Left - u.G, t = lr.Top - u.G, rr = lr.Right + u.G, b = lr.Bottom + u.G;
        const std::array<TPoint, 4> frame{TPoint{l, t}, {rr, t}, {rr, b}, {l, b}};
        canvas.Polygon(frame);
    }
    int widest = 0;
    for (int s = 1; s <= n; ++s) widest = std::max(widest, canvas.TextWidth(GetLegendText(s)));
    const int iw = widest * k + u.Th + u.G;

    const bool side = legend_.Alignment() == laLeft || legend_.Alignment() == laRight;
    const int columns = std::max(legendColumns_, 1);
    const int rows = side ? n : div(n - 1, columns) + 1;
    const int x0 = lr.Left + div(lr.Width() - iw, 2);
    const int rh = div(lr.Height(), rows);
    const int ro = div(rh - u.Th, 2);
    for (int i = 1; i <= n; ++i) {
        const int idx = i - 1;
        int x, y;
        if (side) {
            x = x0;
            y = lr.Top + base::rnd(double(idx) / n * lr.Height()) + ro;
        } else {
            const int col = idx % columns, row = idx / columns;
            x = lr.Left + base::rnd(double(col) / columns * lr.Width());
            y = lr.Top + base::rnd(double(row) / rows * lr.Height()) + ro;
        }
        if (mode == LegendMode::HitTest) {
            if (TRect(x, y, x + iw, y + u.Th).Contains(point)) {
                hit.LegendItem = i;
                hit.LegendRect = TRect(x, y, x + iw, y + u.Th).Inflate(2, 2);
                return true;
            }
        } else if (textPass) {
            const int tx = x + u.Th + u.G;
            canvas.TextRect({tx, y, tx + legendTextWidth_, y + u.Th}, GetLegendText(i), {.endEllipsis = true});
        } else {
            canvas.Pen().color = base::ColorToRGB(foreColor_);
            DrawLegendItemShapes(canvas, u, x, y, GetSeriesColor(i));
        }
    }
    return false;
}

}  // namespace chart

// Drawing the pie and doughnut: slice geometry, the 2D top faces and rings, the 3D side
// walls, rim and hole, and the slice labels.

#include <array>
#include <cmath>

#include "base/Rounding.h"
#include "chart/MarkupRenderer.h"
#include "chart/TSCPie.h"

namespace chart {

namespace {

constexpr TPoint Down(TPoint p, int d) { return {p.X, p.Y + d}; }

}  // namespace

int TSCPie::ExplodeOffset() const {
    return base::rnd(double(static_cast<long double>(Rx()) * (percentExplode_ * 0.01L)));
}

bool TSCPie::IsPulledOut(int series) const {
    return kind_ == ckPie && series >= 1 && size_t(series) <= explodedSlices_.size() &&
           explodedSlices_[size_t(series - 1)];
}

TColor TSCPie::Ink(TColor color) const { return drawingMask_ ? clBlack : base::ColorToRGB(color); }

TSCPie::Slice TSCPie::SliceGeometry(int series, float start, float end) const {
    Slice s;
    const int rx = Rx(), ry = Ry();
    const bool flat = Chart3D();
    s.R = pieRect_;
    if (IsPulledOut(series)) {
        TPoint move = PointOnEllipse(ExplodeOffset(), flat, (start + end) * 0.5f);
        s.R = s.R.Offset(move.X, move.Y);
    }
    s.m = {s.R.Left + rx, s.R.Top + ry};
    if (series == 1) {
        s.ps = {s.m.X, s.R.Top};
        s.startDir = {0, -ry};
    } else {
        s.startDir = PointOnEllipse(rx, flat, start);
        s.ps = s.m + s.startDir;
    }
    if (series == NSeries() || end == 100.0f) {
        s.pe = {s.m.X, s.R.Top + 1};
        s.endDir = {0, -ry};
    } else {
        s.endDir = PointOnEllipse(rx, flat, end);
        s.pe = s.m + s.endDir;
    }
    return s;
}

void TSCPie::DrawTopFace(gfx::Canvas& canvas, const Slice& slice) const {
    canvas.Pie(slice.R, slice.pe + slice.endDir, slice.ps + slice.startDir);
}

void TSCPie::DrawChart(gfx::Canvas& canvas, bool textPass) {
    if (textPass) {
        DrawLabels(canvas);
        return;
    }
    canvas.Pen() = {Ink(ForeColor()), gfx::PenStyle::Solid, gfx::RasterOp::Copy};
    canvas.Brush().style = gfx::BrushStyle::Solid;
    if (Chart3D()) DrawSidePass(canvas);
    if (kind_ == ckPie) {
        DrawPieSlices(canvas);
        return;
    }
    DrawRings(canvas);
    if (Chart3D()) {
        DrawHole3D(canvas);
    } else {
        canvas.Pen().color = Ink(ForeColor());
        canvas.Brush().color = Ink(BackColor());
        canvas.Ellipse(RingRect(pieRect_, 0));
    }
}

void TSCPie::DrawPieSlices(gfx::Canvas& canvas) {
    canvas.Pen().color = Ink(ForeColor());
    float cum = 0.0f;
    for (int i = 1; i <= NSeries(); ++i) {
        const float start = cum, end = cum + Share(i, 1);
        cum = end;
        if (start == end) continue;
        canvas.Brush().color = Ink(GetSeriesColor(i));
        DrawTopFace(canvas, SliceGeometry(i, start, end));
    }
}

void TSCPie::DrawRings(gfx::Canvas& canvas) {
    const TPoint m = Centre();
    const int w = pieRect_.Width();
    canvas.Pen().color = Ink(ForeColor());
    for (int ring = NPoint(); ring >= 1; --ring) {
        const TRect rr = RingRect(pieRect_, ring);
        TPoint prev{m.X, pieRect_.Top};
        float cum = 0.0f;
        for (int j = 1; j <= NSeries(); ++j) {
            cum += Share(j, ring);
            const TPoint pt = (j == NSeries() || cum == 100.0f) ? TPoint{m.X, pieRect_.Top + 1}
                                                                 : m + PointOnEllipse(w, Chart3D(), cum);
            canvas.Brush().color = Ink(GetSeriesColor(j));
            if (!(pt == prev)) canvas.Pie(rr, pt, prev);
            prev = pt;
        }
    }
}

// --- 3D ------------------------------------------------------------------------------------

void TSCPie::DrawSidePass(gfx::Canvas& canvas) {
    const int point = kind_ == ckPie ? 1 : NPoint();
    const int n = NSeries();
    float cum = 0.0f;
    int i = 1;
    // The right half from the top down...
    for (; i <= n; ++i) {
        const float end = cum + Share(i, point);
        if (end > 50.0f) break;
        DrawSides(canvas, i, cum, end);
        cum = end;
    }
    // ...then the left half from the top down, ending with the slice at 6 o'clock.
    float end = 100.0f;
    for (int j = n; j >= i && j >= 1; --j) {
        const float start = end - Share(j, point);
        DrawSides(canvas, j, start, end);
        end = start;
    }
}

void TSCPie::DrawSides(gfx::Canvas& canvas, int series, float start, float end) {
    if (start == end) return;
    const Slice s = SliceGeometry(series, start, end);
    const int d = Depth();
    const TColor wall = Ink(DarkenColor(GetSeriesColor(series)));
    const TColor fore = Ink(ForeColor());
    canvas.Brush().style = gfx::BrushStyle::Solid;
    canvas.Brush().color = wall;
    canvas.Pen().color = wall;

    // Bottom face.
    canvas.Pie(s.R.Offset(0, d), Down(s.pe + s.endDir, d), Down(s.ps + s.startDir, d));

    // A radial wall from the centre to rim point p, with its inner vertical edge.
    auto radialWall = [&](TPoint p) {
        canvas.Pen().color = wall;
        const std::array<TPoint, 4> face{s.m, p, Down(p, d), Down(s.m, d)};
        canvas.Polygon(face);
        canvas.Pen().color = fore;
        canvas.MoveTo(Down(s.m, d));
        canvas.LineTo(s.m);
    };
    radialWall(s.ps);
    if (start > 50.0f) {
        canvas.MoveTo(Down(s.m, d));
        canvas.LineTo(Down(s.ps, d));
    }
    radialWall(s.pe);
    if (end < 50.0f) {
        canvas.MoveTo(Down(s.m, d));
        canvas.LineTo(Down(s.pe, d));
    }
    const int ry = Ry(), rx = Rx();
    // Where the slice reaches 3 or 9 o'clock its silhouette edge is a wall too.
    auto silhouette = [&](TPoint p) {
        radialWall(p);
        canvas.MoveTo(p);
        canvas.LineTo(Down(p, d));
    };
    if (start <= 25.0f && 25.0f <= end) silhouette({s.R.Right - 1, s.R.Top + ry});
    if (start <= 75.0f && 75.0f <= end) silhouette({s.R.Left, s.R.Top + ry});

    canvas.Pen().color = fore;
    if (start >= 25.0f) {
        canvas.MoveTo(s.ps);
        canvas.LineTo(Down(s.ps, d));
    }
    if (end <= 75.0f) {
        canvas.MoveTo(s.pe);
        canvas.LineTo(Down(s.pe, d));
    }

    // The visible lower edge of the rim.
    TPoint pe = s.pe, endDir = s.endDir, ps = s.ps, startDir = s.startDir;
    if (end >= 75.0f) {
        pe = {s.R.Left, s.R.Top + ry};
        endDir = {-rx, 0};
    }
    if (start <= 25.0f) {
        ps = {s.R.Right, s.R.Top + ry};
        startDir = {rx, 0};
    }
    if (start < 75.0f && end > 25.0f) canvas.Arc(s.R.Offset(0, d), Down(pe + endDir, d), Down(ps + startDir, d));
}

void TSCPie::DrawHole3D(gfx::Canvas& canvas) {
    const TRect h = RingRect(pieRect_, 0);
    const int hw = h.Width() / 2;
    const int d = Depth();
    canvas.Save();
    gfx::Region clip = gfx::Region::FromEllipse(h);
    clip.Offset(canvas.Origin().X, canvas.Origin().Y);
    canvas.SetClipRegion(&clip);
    canvas.Pen().color = Ink(ForeColor());
    canvas.Brush().style = gfx::BrushStyle::Solid;

    // The far inner wall: right part clockwise from 12 o'clock, left part anticlockwise,
    // each up to the first boundary that lies in the near half.
    int x0 = h.Left + hw;
    float cum = 0.0f;
    for (int i = 1; i <= NSeries(); ++i) {
        cum += Share(i, 1);
        const TPoint v = PointOnEllipse(hw, true, cum);
        canvas.Brush().color = Ink(DarkenColor(GetSeriesColor(i)));
        if (v.Y > 0) {
            canvas.Rectangle({x0, h.Top, h.Right, h.Bottom});
            break;
        }
        const int x1 = h.Left + hw + v.X;
        canvas.Rectangle({x0, h.Top, x1 + 1, h.Bottom});
        x0 = x1;
    }
    x0 = h.Left + hw;
    cum = 100.0f;
    for (int i = NSeries(); i >= 1; --i) {
        cum -= Share(i, 1);
        const TPoint v = PointOnEllipse(hw, true, cum);
        canvas.Brush().color = Ink(DarkenColor(GetSeriesColor(i)));
        if (v.Y > 0) {
            canvas.Rectangle({h.Left, h.Top, x0 + 1, h.Bottom});
            break;
        }
        const int x1 = h.Left + hw + v.X;
        canvas.Rectangle({x1, h.Top, x0 + 1, h.Bottom});
        x0 = x1;
    }
    // The floor leaves only a crescent of wall at the top.
    canvas.Brush().color = Ink(BackColor());
    canvas.Ellipse(h.Offset(0, d - 1));
    canvas.Restore();

    canvas.Pen().color = Ink(ForeColor());
    canvas.Arc(h, {h.Left + hw, h.Top + 1}, {h.Left + hw, h.Top});
}

// --- Labels --------------------------------------------------------------------------------

void TSCPie::DrawLabels(gfx::Canvas& canvas) {
    canvas.Brush().style = gfx::BrushStyle::Clear;
    if (options_.Empty()) return;
    const int t = canvas.TextHeight("Wg");
    const int w = pieRect_.Width();
    const int ry = Ry();
    const TPoint m = Centre();
    const bool flat = Chart3D();
    auto draw = [&](TPoint topLeft, int series, int point) {
        TRect cell = TRect::FromSize(topLeft.X, topLeft.Y, labelWidth_, labelHeight_);
        RenderMarkup(canvas, "<center>" + LabelText(series, point), cell, true);
    };

    if (kind_ == ckPie) {
        const int depth = flat ? base::div(t, 2) + base::div(w, 10) : 0;
        const int hw = base::div(labelWidth_, 2), hh = base::div(labelHeight_, 2);
        int radius = base::div(t, 2) + base::div(w, 2) + base::rnd(std::sqrt(double(hw) * hw + double(hh) * hh));
        if (exploded_) radius += ExplodeOffset();
        float cum = 0.0f;
        for (int i = 1; i <= NSeries(); ++i) {
            const float mid = Share(i, 1) * 0.5f + cum;
            TPoint q = m + PointOnEllipse(radius, flat, mid);
            if (mid >= 25.0f && mid < 75.0f) q.Y += depth;
            draw({q.X - hw, q.Y - hh}, i, 1);
            cum += Share(i, 1);
        }
        return;
    }

    const int rings = NPoint();
    const int g = rings == 1 ? base::rnd(ry * 0.25) : base::rnd(1.0 / rings * (ry * 0.65) * 0.5);
    for (int ring = 1; ring <= rings; ++ring) {
        const TRect r = RingRect(pieRect_, ring).Inflate(flat ? -2 * g : -g, -g);
        const int mx = r.Width() / 2;
        const TPoint origin{r.Left + mx - base::div(labelWidth_, 2),
                            r.Top - base::div(labelHeight_, 2) + (flat ? mx / 2 : mx)};
        float cum = 0.0f;
        for (int j = 1; j <= NSeries(); ++j) {
            const float mid = Share(j, ring) * 0.5f + cum;
            draw(origin + PointOnEllipse(mx, flat, mid), j, ring);
            cum += Share(j, ring);
        }
    }
}

}  // namespace chart

// Hit testing by drawing into the mask, and the focus outlines drawn on screen.

#include <cmath>
#include <numbers>

#include "base/Rounding.h"
#include "chart/TSCPie.h"

namespace chart {

namespace {

// Restores normal drawing however a mask drawing ends.
class MaskInk {
public:
    explicit MaskInk(bool& flag) : flag_(flag) { flag_ = true; }
    ~MaskInk() { flag_ = false; }
    MaskInk(const MaskInk&) = delete;
    MaskInk& operator=(const MaskInk&) = delete;

private:
    bool& flag_;
};

}  // namespace

bool TSCPie::HitTestChart(gfx::Canvas& canvas, TPoint point, TChartHit& hit) {
    MaskInk ink(drawingMask_);
    return kind_ == ckPie ? HitTestPie(canvas, point, hit) : HitTestDoughnut(point, hit);
}

void TSCPie::DrawPieSliceForHit(gfx::Canvas& canvas, int series, float start, float end) {
    if (start == end) return;
    if (Chart3D()) DrawSides(canvas, series, start, end);
    canvas.Pen().color = clBlack;
    canvas.Brush() = {clBlack, gfx::BrushStyle::Solid};
    DrawTopFace(canvas, SliceGeometry(series, start, end));
}

bool TSCPie::HitTestPie(gfx::Canvas& canvas, TPoint point, TChartHit& hit) {
    const int n = NSeries();
    // The slice at 6 o'clock is the front-most of both halves.
    float cum = 0.0f;
    int k = n + 1;
    for (int i = 1; i <= n; ++i) {
        cum += Share(i, 1);
        if (cum > 50.0f) {
            k = i;
            break;
        }
    }
    auto found = [&](int i) {
        if (!MaskIsHit(point.X, point.Y)) return false;
        hit.Series = i;
        hit.Point = 1;
        return true;
    };
    if (point.X < pieRect_.Left + Rx()) {
        float start = cum - Share(k, 1);
        for (int i = k; i <= n; ++i) {
            const float end = start + Share(i, 1);
            DrawPieSliceForHit(canvas, i, start, end);
            if (found(i)) return true;
            start = end;
        }
    } else {
        float end = cum;
        for (int i = std::min(k, n); i >= 1; --i) {
            const float start = end - Share(i, 1);
            DrawPieSliceForHit(canvas, i, start, end);
            if (found(i)) return true;
            end = start;
        }
    }
    return false;
}

bool TSCPie::HitTestDoughnut(TPoint point, TChartHit& hit) {
    gfx::Canvas* mask = &PrepareHitMask();
    mask->Pen().color = clBlack;
    mask->Brush().color = clBlack;
    mask->Ellipse(pieRect_);
    mask->Pen().color = clWhite;
    mask->Brush().color = clWhite;
    mask->Ellipse(RingRect(pieRect_, 0));
    int x = point.X, y = point.Y;
    bool inside = MaskIsHit(x, y);
    if (Chart3D() && !inside) {
        // A point on the rim below a ring maps onto the ring's top face above it.
        const int d = Depth();
        if (MaskIsHit(x, y - d) || MaskIsHit(x, y - d / 2)) {
            for (int steps = 0; steps <= d && !MaskIsHit(x, y); ++steps) --y;
            inside = MaskIsHit(x, y);
        }
    }
    if (!inside) return false;

    mask = &PrepareHitMask();
    for (int ring = 1; ring <= NPoint(); ++ring) {
        mask->Pen().color = clBlack;
        mask->Brush().color = clBlack;
        mask->Ellipse(RingRect(pieRect_, ring));
        if (MaskIsHit(x, y)) {
            hit.Point = ring;
            break;
        }
    }

    const TPoint m = Centre();
    const int dx = x - m.X;
    const int dy = (y - m.Y) * (Chart3D() ? 2 : 1);
    const float pi = std::numbers::pi_v<float>;
    float a;
    if (dx == 0) {
        a = dy < 0 ? -pi / 2 : pi / 2;
    } else if (dy == 0) {
        a = dx < 0 ? pi : 0.0f;
    } else {
        const float t = std::atan(std::fabs(float(dy) / float(dx)));
        if (dx > 0) a = dy > 0 ? t : -t;
        else a = dy > 0 ? pi - t : pi + t;
    }
    const float pos = (a + pi / 2) / (2 * pi) * 100.0f;
    float cum = 0.0f;
    for (int j = 1; j <= NSeries(); ++j) {
        cum += Share(j, hit.Point);
        if (pos < cum) {
            hit.Series = j;
            break;
        }
    }
    return true;
}

void TSCPie::DrawFocus(gfx::Canvas& canvas, const TChartHit& hit, bool /*show: outlines invert*/) {
    if (!hintOptions_.Contains(hoFocus)) return;
    if (hit.LegendItem > 0) {
        TChartHit copy = hit;
        LegendRoutine(canvas, LegendMode::Focus, false, copy, {});
    }
    if (hit.Series <= 0 || hit.Point <= 0) return;
    canvas.Save();
    canvas.Pen() = {base::ColorToRGB(ForeColor()), gfx::PenStyle::Solid, gfx::RasterOp::NotXor};
    if (kind_ == ckPie) {
        float start = 0.0f;
        for (int i = 1; i < hit.Series; ++i) start += Share(i, 1);
        const float end = start + Share(hit.Series, 1);
        if (start != end) {
            // White in not-xor leaves the interior as it is; only the outline shows.
            canvas.Brush() = {clWhite, gfx::BrushStyle::Solid};
            DrawTopFace(canvas, SliceGeometry(hit.Series, start, end));
        }
        canvas.Restore();
        return;
    }
    canvas.Brush().style = gfx::BrushStyle::Clear;
    float start = 0.0f;
    for (int i = 1; i < hit.Series; ++i) start += Share(i, hit.Point);
    const float end = start + Share(hit.Series, hit.Point);
    const TPoint m = Centre();
    const int rx = Rx(), ry = Ry();
    const TPoint startDir = hit.Series == 1 ? TPoint{0, -ry} : PointOnEllipse(2 * rx, Chart3D(), start);
    const TPoint endDir = PointOnEllipse(2 * rx, Chart3D(), end);
    const TPoint ps = m + startDir + startDir, pe = m + endDir + endDir;
    const TRect inner = RingRect(pieRect_, hit.Point - 1);
    canvas.Arc(inner, pe, ps);
    // The outer outline without the part inside the inner edge.
    gfx::Region outside = gfx::Region::Combine(gfx::Region::FromRect(ClientRect()), gfx::Region::FromEllipse(inner),
                                               gfx::RegionOp::Diff);
    outside.Offset(canvas.Origin().X, canvas.Origin().Y);
    canvas.SetClipRegion(&outside);
    canvas.Pie(RingRect(pieRect_, hit.Point), pe, ps);
    canvas.Restore();
}

}  // namespace chart

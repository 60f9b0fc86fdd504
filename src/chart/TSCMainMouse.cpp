// Hover, focus outline, hint and click handling. Hits are found by drawing: the
// candidate shape goes black into a white mask and the pixel under the pointer is read.

#include "chart/MarkupRenderer.h"
#include "chart/TSCMain.h"

namespace chart {

gfx::Canvas& TSCMain::PrepareHitMask() {
    if (!hitMask_) {
        hitMask_ = std::make_unique<gfx::Bitmap>(0, 0, gfx::PixelFormat::Mono1);
        maskCanvas_ = std::make_unique<gfx::Canvas>(*hitMask_);
    }
    hitMask_->SetSize(Width(), Height());
    gfx::Canvas& c = *maskCanvas_;
    c.Pen() = {clBlack, gfx::PenStyle::Solid, gfx::RasterOp::Copy};
    c.Brush() = {clWhite, gfx::BrushStyle::Solid};
    c.FillRect(ClientRect());
    c.Brush().color = clBlack;
    ApplyFont(c);
    return c;
}

bool TSCMain::HitTest(int x, int y, TChartHit& hit) {
    hit = {};
    gfx::Canvas& mask = PrepareHitMask();
    const TPoint p{x, y};
    if (legend_.Visible() && legendRect_.Contains(p)) return LegendRoutine(mask, LegendMode::HitTest, false, hit, p);
    if (!plotRect_.Contains(p)) return false;
    return HitTestChart(mask, p, hit);
}

void TSCMain::HideHint() {
    if (!hintWindow_) return;
    if (host_) host_->HideHintWindow(*hintWindow_);
    hintWindow_.reset();
}

void TSCMain::ShowHintAt(TPoint screen, const std::string& text) {
    hintWindow_ = std::make_unique<TSCHintWindow>();
    if (host_) hintWindow_->SetFont(host_->HintFont());
    TPoint size = MeasureMarkup(hintWindow_->Canvas(), text);
    TRect r = TRect::FromSize(screen.X, screen.Y + 18, size.X + 8, size.Y + 2);
    hintWindow_->SetColor(clInfoBk);
    const TRect desktop = host_ ? host_->DesktopWorkArea() : TRect(-(1 << 20), -(1 << 20), 1 << 20, 1 << 20);
    hintWindow_->ActivateHint(r, text, desktop);
    if (host_) host_->ShowHintWindow(*hintWindow_);
}

void TSCMain::MouseMove(TShiftState shift, int x, int y) {
    if (OnMouseMove) OnMouseMove(*this, shift, x, y);
    if (!showHint_) return;
    if (skipNextMove_) {
        skipNextMove_ = false;
        return;
    }
    if (mousePressed_) return;
    const TChartHit old = hit_;
    const bool found = HitTest(x, y, hit_);
    if (hit_.SameTarget(old)) return;
    HideHint();
    gfx::Canvas* screen = ScreenCanvas();
    if (screen) DrawFocus(*screen, old, false);
    if (!found) return;
    if (screen) DrawFocus(*screen, hit_, true);
    std::string text = hit_.LegendItem > 0 ? GetLegendText(hit_.LegendItem) : GetHintText(hit_);
    if (OnGetHint) OnGetHint(*this, hit_.Series, hit_.Point, hit_.LegendItem, text);
    const TPoint at = host_ ? host_->ChartClientToScreen({x, y}) : TPoint{x, y};
    if (!text.empty()) ShowHintAt(at, text);
}

void TSCMain::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseDown) OnMouseDown(*this, button, shift, x, y);
    if (button != TMouseButton::mbLeft) return;
    mousePressed_ = true;
    // The press is hit-tested where it happens, hover or not: a click can come without a
    // move before it (a warped pointer, a tap, the move swallowed after a change), and
    // the last move's hit would then name another place or nothing.
    if (!showHint_) {
        HitTest(x, y, hit_);
        return;
    }
    HideHint();
    const TChartHit old = hit_;
    const bool found = HitTest(x, y, hit_);
    if (hit_.SameTarget(old)) return;
    // The outline follows the press, so it keeps matching the current hit (the release
    // or the next move removes it by drawing it again).
    gfx::Canvas* screen = ScreenCanvas();
    if (!screen) return;
    DrawFocus(*screen, old, false);
    if (found) DrawFocus(*screen, hit_, true);
}

void TSCMain::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseUp) OnMouseUp(*this, button, shift, x, y);
    if (!mousePressed_) return;
    mousePressed_ = false;
    TChartHit released;
    const bool found = HitTest(x, y, released);
    if (!found || !released.SameTarget(hit_)) return;
    if (OnClickOnChart) OnClickOnChart(*this, shift, released.Series, released.Point, released.LegendItem);
    if (showHint_)
        if (gfx::Canvas* screen = ScreenCanvas()) DrawFocus(*screen, hit_, false);
    hit_ = {};
}

void TSCMain::MouseLeft() {
    if (showHint_) {
        if (gfx::Canvas* screen = ScreenCanvas()) DrawFocus(*screen, hit_, false);
        HideHint();
    }
    hit_ = {};
}

}  // namespace chart

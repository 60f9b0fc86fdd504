#include "chart/control/TSCPieControl.h"

#include "chart/MarkupRenderer.h"
#include "vcl/TScreen.h"

namespace chart {

namespace {

TShiftState ToChartShift(vcl::TShiftState s) {
    TShiftState out = 0;
    if (s.Contains(vcl::ssShift)) out |= chart::ssShift;
    if (s.Contains(vcl::ssAlt)) out |= chart::ssAlt;
    if (s.Contains(vcl::ssCtrl)) out |= chart::ssCtrl;
    if (s.Contains(vcl::ssLeft)) out |= chart::ssLeft;
    if (s.Contains(vcl::ssRight)) out |= chart::ssRight;
    if (s.Contains(vcl::ssMiddle)) out |= chart::ssMiddle;
    return out;
}

TMouseButton ToChartButton(vcl::TMouseButton b) {
    switch (b) {
    case vcl::mbRight: return TMouseButton::mbRight;
    case vcl::mbMiddle: return TMouseButton::mbMiddle;
    default: return TMouseButton::mbLeft;
    }
}

}  // namespace

void TSCHintWindowControl::Paint() {
    gfx::Canvas* c = Canvas()->Native();
    if (!c) return;
    c->Brush() = {base::ColorToRGB(Color()), gfx::BrushStyle::Solid};
    const TRect client = ClientRect();
    c->FillRect(client);
    c->SetFont(Font()->Resolved().Attributes());
    c->SetFontColor(base::ColorToRGB(clInfoText));
    TRect r = client.Inflate(-3, -1);
    RenderMarkup(*c, Text(), r, true);
}

TSCPieControl::TSCPieControl(vcl::TComponent* owner) : vcl::TCustomControl(owner) {
    vcl::TCustomControl::SetBounds(0, 0, 320, 220);
    chart_.SetBounds(0, 0, 320, 220);
    SetControlStyle(ControlStyle() + vcl::TControlStyle{vcl::csCaptureMouse, vcl::csOpaque});
    chart_.SetHost(this);
    chart_.AssignControlFont(Font()->Attributes(), Font()->Color());
}

TSCPieControl::~TSCPieControl() { chart_.SetHost(nullptr); }

void TSCPieControl::SetBounds(int left, int top, int width, int height) {
    vcl::TCustomControl::SetBounds(left, top, width, height);
    chart_.SetBounds(0, 0, ClientWidth(), ClientHeight());
}

void TSCPieControl::SetShowHint(bool on) {
    vcl::TCustomControl::SetShowHint(on);
    SyncShowHint();
}

void TSCPieControl::ParentShowHintChanged() {
    vcl::TCustomControl::ParentShowHintChanged();
    SyncShowHint();
}

void TSCPieControl::Loaded() {
    vcl::TCustomControl::Loaded();
    SyncShowHint();
}

void TSCPieControl::FontChanged() {
    vcl::TCustomControl::FontChanged();
    chart_.AssignControlFont(Font()->Attributes(), Font()->Color());
}

void TSCPieControl::Paint() {
    if (gfx::Canvas* c = Canvas()->Native()) chart_.Paint(*c);
}

void TSCPieControl::MouseDown(vcl::TMouseButton button, vcl::TShiftState shift, int x, int y) {
    SyncShowHint();
    vcl::TCustomControl::MouseDown(button, shift, x, y);
    chart_.MouseDown(ToChartButton(button), ToChartShift(shift), x, y);
}

void TSCPieControl::MouseMove(vcl::TShiftState shift, int x, int y) {
    SyncShowHint();
    vcl::TCustomControl::MouseMove(shift, x, y);
    chart_.MouseMove(ToChartShift(shift), x, y);
}

void TSCPieControl::MouseUp(vcl::TMouseButton button, vcl::TShiftState shift, int x, int y) {
    SyncShowHint();
    vcl::TCustomControl::MouseUp(button, shift, x, y);
    chart_.MouseUp(ToChartButton(button), ToChartShift(shift), x, y);
}

void TSCPieControl::MouseLeave() {
    vcl::TCustomControl::MouseLeave();
    chart_.MouseLeft();
}

gfx::Canvas* TSCPieControl::ChartScreenCanvas() { return HandleAllocated() ? Canvas()->Native() : nullptr; }

gfx::FontSpec TSCPieControl::HintFont() { return vcl::Screen->HintFont()->Attributes(); }

TRect TSCPieControl::DesktopWorkArea() { return vcl::Screen->WorkAreaRect(); }

void TSCPieControl::ShowHintWindow(TSCHintWindow& window) {
    HideHintWindow(window);
    hintWindow_ = new TSCHintWindowControl(this);
    hintWindow_->Font()->SetSpec(window.Font());
    // The framework's activation adds the 4 pixels and keeps the window on the desktop.
    TRect r = window.BoundsRect();
    r.Bottom -= 4;
    hintWindow_->ActivateHint(r, window.Text());
}

void TSCPieControl::HideHintWindow(TSCHintWindow&) {
    if (!hintWindow_) return;
    hintWindow_->ReleaseHandle();
    delete hintWindow_;
    hintWindow_ = nullptr;
}

}  // namespace chart

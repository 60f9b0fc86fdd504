#include "vcl/TStatusBar.h"

#include <algorithm>

namespace vcl {

TStatusBar::TStatusBar(TComponent* owner) : TCustomControl(owner) {
    SetBounds(0, 0, 200, 19);
    SetAlign(alBottom);
    SetDoubleBuffered(true);
}

TStatusBar::~TStatusBar() = default;

void TStatusBar::CreateParams(wm::CreateParams& p) {
    TCustomControl::CreateParams(p);
    p.className = "TStatusBar";
}

TStatusPanel* TStatusBar::Panels(int index) const {
    if (index < 0 || index >= PanelCount()) return nullptr;
    return panels_[static_cast<size_t>(index)].get();
}

TStatusPanel* TStatusBar::AddPanel() {
    panels_.push_back(std::make_unique<TStatusPanel>(this));
    Invalidate();
    return panels_.back().get();
}

void TStatusBar::ClearPanels() {
    panels_.clear();
    Invalidate();
}

TRect TStatusBar::PanelRect(int index) const {
    if (index < 0 || index >= PanelCount()) return {};
    int x = 0;
    for (int i = 0; i < index; ++i) x += panels_[static_cast<size_t>(i)]->Width();
    TRect client = ClientRect();
    int right = index == PanelCount() - 1 ? client.Right - (sizeGrip_ ? kGripWidth : 0)
                                          : x + panels_[static_cast<size_t>(index)]->Width() - kPanelGap;
    right = std::min(right, client.Right);
    return {x, kTopMargin, std::max(x, right), client.Bottom};
}

void TStatusBar::PaintPanel(const TRect& frame, const std::string& text, TAlignment alignment) {
    if (frame.IsEmpty()) return;
    TCanvas* c = Canvas();
    // Sunken: shadow on the top and left, highlight on the bottom and right.
    c->Pen()->SetColor(clBtnShadow);
    c->MoveTo(frame.Left, frame.Bottom - 1);
    c->LineTo(frame.Left, frame.Top);
    c->LineTo(frame.Right, frame.Top);
    c->Pen()->SetColor(clBtnHighlight);
    c->MoveTo(frame.Right - 1, frame.Top + 1);
    c->LineTo(frame.Right - 1, frame.Bottom - 1);
    c->LineTo(frame.Left, frame.Bottom - 1);
    TRect inner = frame.Inflate(-2, -1);
    if (inner.IsEmpty() || text.empty()) return;
    c->Brush()->SetStyle(bsClear);
    int w = c->TextWidth(text);
    int x = alignment == taLeftJustify ? inner.Left
          : alignment == taRightJustify ? inner.Right - w
          : inner.Left + (inner.Width() - w) / 2;
    int y = inner.Top + (inner.Height() - c->TextHeight(text)) / 2;
    c->TextRect(inner, x, y, text);
    c->Brush()->SetStyle(bsSolid);
}

void TStatusBar::PaintGrip() {
    TCanvas* c = Canvas();
    TRect r = ClientRect();
    // Three diagonal ridges in the bottom-right corner.
    for (int k = 0; k < 3; ++k) {
        int off = 4 * k + 2;
        c->Pen()->SetColor(clBtnHighlight);
        c->MoveTo(r.Right - off - 1, r.Bottom);
        c->LineTo(r.Right, r.Bottom - off - 2);
        c->Pen()->SetColor(clBtnShadow);
        c->MoveTo(r.Right - off, r.Bottom);
        c->LineTo(r.Right, r.Bottom - off - 1);
    }
}

void TStatusBar::Paint() {
    TCanvas* c = Canvas();
    c->Brush()->SetColor(Color());
    c->FillRect(ClientRect());
    c->Font()->Assign(Font());
    if (simplePanel_ || panels_.empty()) {
        TRect frame = ClientRect();
        frame.Top = kTopMargin;
        if (sizeGrip_) frame.Right -= kGripWidth;
        PaintPanel(frame, simplePanel_ ? simpleText_ : std::string(), taLeftJustify);
    } else {
        for (int i = 0; i < PanelCount(); ++i) {
            TStatusPanel* p = panels_[static_cast<size_t>(i)].get();
            PaintPanel(PanelRect(i), p->Text(), p->Alignment());
        }
    }
    if (sizeGrip_) PaintGrip();
}

}  // namespace vcl

#include "vcl/TLabel.h"

#include "base/Encoding.h"
#include "vcl/Accelerators.h"
#include "vcl/TWinControl.h"

namespace vcl {

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
    SetBounds(0, 0, 65, 13);
    SetParentColor(true);
    SetControlStyle(ControlStyle() + TControlStyle{csOpaque});
}

std::string TLabel::DisplayText() const { return showAccelChar_ ? StripHotkey(Caption()) : Caption(); }

void TLabel::SetAutoSize(bool on) {
    autoSize_ = on;
    AdjustSize();
}

void TLabel::SetTransparent(bool on) {
    transparent_ = on;
    TControlStyle style = ControlStyle();
    SetControlStyle(style.Set(csOpaque, !on));
    Invalidate();
}

void TLabel::SetFocusControl(TWinControl* control) {
    if (focusControl_) RemoveFreeNotification(focusControl_);
    focusControl_ = control;
    if (control) FreeNotification(control);
}

void TLabel::Notification(TComponent* component, TOperation operation) {
    TGraphicControl::Notification(component, operation);
    if (operation == opRemove && component == focusControl_) focusControl_ = nullptr;
}

bool TLabel::DialogChar(char32_t ch, TShiftState) {
    if (!showAccelChar_ || !focusControl_ || !IsAccel(ch, Caption())) return false;
    if (!focusControl_->CanFocus()) return false;
    focusControl_->SetFocus();
    return true;
}

void TLabel::AdjustSize() {
    if (!autoSize_ || IsLoading()) return;
    gfx::Font font = Font()->Resolved();
    std::string text = DisplayText();
    int w = font.TextWidth(text.empty() ? " " : text);
    int h = font.Height();
    // Right-aligned labels keep their right edge.
    int left = alignment_ == taRightJustify ? Left() + Width() - w : Left();
    SetBounds(left, Top(), w, h);
}

void TLabel::TextChanged() {
    AdjustSize();
    Invalidate();
}

void TLabel::FontChanged() {
    AdjustSize();
    Invalidate();
}

void TLabel::Loaded() {
    TGraphicControl::Loaded();
    AdjustSize();
}

void TLabel::Paint() {
    TCanvas* c = Canvas();
    TRect r = ClientRect();
    if (!transparent_) {
        c->Brush()->SetColor(Color());
        c->FillRect(r);
    }
    c->Brush()->SetStyle(bsClear);
    std::string text = DisplayText();
    int w = c->TextWidth(text), h = c->TextHeight(text);
    int x = alignment_ == taLeftJustify ? 0 : alignment_ == taRightJustify ? r.Width() - w : (r.Width() - w) / 2;
    int y = layout_ == tlTop ? 0 : layout_ == tlBottom ? r.Height() - h : (r.Height() - h) / 2;
    if (!Enabled()) {
        c->Font()->SetColor(clBtnHighlight);
        c->TextOut(x + 1, y + 1, text);
        c->Font()->SetColor(clBtnShadow);
    }
    c->TextOut(x, y, text);
    UnderlineAccelerator(x, y);
}

void TLabel::UnderlineAccelerator(int x, int y) {
    if (!showAccelChar_ || GetHotkey(Caption()) == 0) return;
    // The accelerator is the character after the first single "&"; measure what comes
    // before it in the text as drawn.
    std::string_view caption = Caption();
    size_t amp = 0;
    while ((amp = caption.find('&', amp)) != std::string_view::npos && amp + 1 < caption.size() &&
           caption[amp + 1] == '&')
        amp += 2;
    if (amp == std::string_view::npos || amp + 1 >= caption.size()) return;
    std::string before = StripHotkey(caption.substr(0, amp));
    size_t next = amp + 1;
    base::Utf8Next(caption, next);
    std::string accel(caption.substr(amp + 1, next - amp - 1));
    TCanvas* c = Canvas();
    int left = x + c->TextWidth(before);
    int baseline = y + Font()->Resolved().Ascent() + 1;
    c->Pen()->SetColor(Enabled() ? Font()->Color() : clBtnShadow);
    c->MoveTo(left, baseline);
    c->LineTo(left + c->TextWidth(accel), baseline);
}

}  // namespace vcl

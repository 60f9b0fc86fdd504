#include "vcl/THintWindow.h"

#include <algorithm>

#include "vcl/TScreen.h"
#include "wm/Paint.h"
#include "wm/Windows.h"

namespace vcl {

THintWindow::THintWindow(TComponent* owner) : TCustomControl(owner) {
    SetVisible(false);
    SetColor(clInfoBk);
    Font()->Assign(Screen->HintFont());
}

void THintWindow::CreateParams(wm::CreateParams& p) {
    TCustomControl::CreateParams(p);
    p.className = "THintWindow";
    p.style &= ~(wm::WS_CHILD | wm::WS_VISIBLE | wm::WS_TABSTOP);
    p.style |= wm::WS_POPUP | wm::WS_BORDER | wm::WS_EX_TOPMOST | wm::WS_EX_NOACTIVATE |
               wm::WS_EX_TRANSPARENTINPUT;
    p.parent = 0;
}

TRect THintWindow::CalcHintRect(int maxWidth, const std::string& text) {
    gfx::Font font = Font()->Resolved();
    int w = std::min(font.TextWidth(text), std::max(0, maxWidth));
    return {0, 0, w + 6, font.Height() + 2};
}

void THintWindow::ActivateHint(TRect rect, const std::string& text) {
    SetCaption(text);
    rect.Bottom += 4;
    TRect area = Screen->WorkAreaRect();
    int w = rect.Width(), h = rect.Height();
    if (rect.Left + w > area.Right) rect.Left = area.Right - w;
    if (rect.Top + h > area.Bottom) rect.Top = area.Bottom - h;
    if (rect.Left < area.Left) rect.Left = area.Left;
    if (rect.Top < area.Top) rect.Top = area.Top;
    SetBounds(rect.Left, rect.Top, w, h);
    HWND h0 = Handle();
    wm::SetWindowPos(h0, wm::HWND_TOPMOST, Left(), Top(), Width(), Height(),
                     wm::SWP_SHOWWINDOW | wm::SWP_NOACTIVATE);
    // The window is shown without going through Visible's activating path.
    StoreVisible(true);
    Invalidate();
    Update();
}

void THintWindow::ReleaseHandle() {
    StoreVisible(false);
    DestroyHandle();
}

void THintWindow::WndProc(TMessage& m) {
    if (m.Msg == wm::WM_NCPAINT) {
        NCPaint();
        m.Result = 0;
        return;
    }
    TCustomControl::WndProc(m);
}

void THintWindow::NCPaint() {
    wm::HDC dc = wm::GetWindowDC(Handle());
    if (gfx::Canvas* c = wm::GetCanvas(dc)) {
        int w = Width(), h = Height();
        c->Pen().color = clBtnHighlight;
        c->MoveTo(0, h - 1);
        c->LineTo(0, 0);
        c->LineTo(w, 0);
        c->Pen().color = clBtnShadow;
        c->MoveTo(w - 1, 1);
        c->LineTo(w - 1, h - 1);
        c->LineTo(0, h - 1);
    }
    wm::ReleaseDC(Handle(), dc);
}

void THintWindow::Paint() {
    TCanvas* c = Canvas();
    TRect r = ClientRect();
    c->Brush()->SetColor(Color());
    c->FillRect(r);
    c->Brush()->SetStyle(bsClear);
    c->Font()->SetColor(clInfoText);
    c->TextRect(r, 2, 0, Caption());
}

}  // namespace vcl

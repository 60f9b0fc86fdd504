#include "vcl/MessageBox.h"

#include <algorithm>
#include <vector>

#include "base/ShortCut.h"
#include "gfx/Canvas.h"
#include "vcl/TScreen.h"
#include "wm/DefWindowProc.h"
#include "wm/DefaultFrame.h"
#include "wm/Input.h"
#include "wm/MessageLoop.h"
#include "wm/Paint.h"
#include "wm/Windows.h"

namespace vcl {

namespace {

constexpr int kMargin = 12;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;

struct BoxState {
    bool done = false;
    bool pressed = false;
    gfx::Font font;
    std::vector<std::string> lines;
};

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (true) {
        size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return lines;
}

bool IsClosingKey(wm::WPARAM key) {
    return key == base::VK_RETURN || key == base::VK_ESCAPE || key == base::VK_SPACE;
}

void PaintText(wm::HWND h, BoxState& s) {
    wm::PAINTSTRUCT ps;
    wm::HDC dc = wm::BeginPaint(h, ps);
    if (gfx::Canvas* c = wm::GetCanvas(dc)) {
        c->Brush().color = clBtnFace;
        c->FillRect(wm::GetClientRect(h));
        c->Brush().style = gfx::BrushStyle::Clear;
        c->SetFont(s.font);
        c->SetFontColor(clWindowText);
        int y = 0;
        for (const std::string& line : s.lines) {
            c->TextOut(0, y, line);
            y += s.font.Height();
        }
    }
    wm::EndPaint(h, ps);
}

// The classic push button: a black frame as the default button, a raised 3D edge (sunken
// while pressed), the caption centred, the dotted focus frame inside.
void PaintButton(wm::HWND h, BoxState& s) {
    wm::PAINTSTRUCT ps;
    wm::HDC dc = wm::BeginPaint(h, ps);
    if (gfx::Canvas* c = wm::GetCanvas(dc)) {
        TRect r = wm::GetClientRect(h);
        c->Brush().color = clBtnFace;
        c->FillRect(r);
        c->Brush().color = cl3DDkShadow;
        c->FrameRect(r);
        TRect face = r.Inflate(-1, -1);
        auto line = [&](int x1, int y1, int x2, int y2, TColor color) {
            c->Pen().color = color;
            c->MoveTo(x1, y1);
            c->LineTo(x2, y2);
        };
        if (s.pressed) {
            c->Brush().color = clBtnShadow;
            c->FrameRect(face);
        } else {
            line(face.Left, face.Bottom - 1, face.Left, face.Top, clBtnHighlight);
            line(face.Left, face.Top, face.Right - 1, face.Top, clBtnHighlight);
            line(face.Right - 1, face.Top, face.Right - 1, face.Bottom - 1, cl3DDkShadow);
            line(face.Left, face.Bottom - 1, face.Right, face.Bottom - 1, cl3DDkShadow);
            line(face.Right - 2, face.Top + 1, face.Right - 2, face.Bottom - 2, clBtnShadow);
            line(face.Left + 1, face.Bottom - 2, face.Right - 1, face.Bottom - 2, clBtnShadow);
        }
        std::string caption = wm::GetWindowText(h);
        c->SetFont(s.font);
        c->SetFontColor(clBtnText);
        c->Brush().style = gfx::BrushStyle::Clear;
        int shift = s.pressed ? 1 : 0;
        int tx = (r.Width() - s.font.TextWidth(caption)) / 2 + shift;
        int ty = (r.Height() - s.font.Height()) / 2 + shift;
        c->TextOut(tx, ty, caption);
        if (wm::GetFocus() == h) c->DrawFocusRect(r.Inflate(-4, -4));
    }
    wm::EndPaint(h, ps);
}

}  // namespace

int MessageBox(const std::string& text, const std::string& caption, unsigned) {
    BoxState state;
    state.font = Screen->MessageFont()->Resolved();
    state.lines = SplitLines(text);

    int textWidth = 0;
    for (const std::string& line : state.lines) textWidth = std::max(textWidth, state.font.TextWidth(line));
    int textHeight = static_cast<int>(state.lines.size()) * state.font.Height();
    int clientWidth = std::max({textWidth + 2 * kMargin, kButtonWidth + 2 * kMargin, 120});
    int clientHeight = kMargin + textHeight + kMargin + kButtonHeight + kMargin;

    wm::WindowStyle style = wm::WS_POPUP | wm::WS_CAPTION;
    TRect probe{0, 0, 1000, 1000};
    TRect inner = wm::DefaultFrame::ClientRect(style, probe);
    int width = clientWidth + probe.Width() - inner.Width();
    int height = clientHeight + probe.Height() - inner.Height();

    wm::HWND owner = wm::GetActiveWindow();
    TRect area = owner ? wm::GetWindowRect(owner) : wm::GetWorkArea();
    if (area.IsEmpty()) area = wm::GetScreenRect();
    TRect bounds = TRect::FromSize(area.Left + (area.Width() - width) / 2,
                                   area.Top + (area.Height() - height) / 2, width, height);

    wm::CreateParams box;
    box.className = "TMessageForm";
    box.text = caption;
    box.style = style;
    box.bounds = bounds;
    box.owner = owner;
    box.proc = [&state](wm::HWND h, wm::UINT msg, wm::WPARAM wp, wm::LPARAM lp) -> wm::LRESULT {
        if (msg == wm::WM_CLOSE) { state.done = true; return 0; }
        if (msg == wm::WM_KEYDOWN && IsClosingKey(wp)) { state.done = true; return 0; }
        return wm::DefWindowProc(h, msg, wp, lp);
    };
    wm::HWND hwnd = wm::CreateWindow(box);
    if (!hwnd) return 0;

    wm::CreateParams label;
    label.className = "TMessageText";
    label.text = text;
    label.style = wm::WS_CHILD | wm::WS_VISIBLE;
    label.parent = hwnd;
    label.bounds = TRect::FromSize(kMargin, kMargin, clientWidth - 2 * kMargin, textHeight);
    label.proc = [&state](wm::HWND h, wm::UINT msg, wm::WPARAM wp, wm::LPARAM lp) -> wm::LRESULT {
        if (msg == wm::WM_PAINT) { PaintText(h, state); return 0; }
        return wm::DefWindowProc(h, msg, wp, lp);
    };
    wm::CreateWindow(label);

    wm::CreateParams button;
    button.className = "TMessageButton";
    button.text = "OK";
    button.style = wm::WS_CHILD | wm::WS_VISIBLE | wm::WS_TABSTOP;
    button.parent = hwnd;
    button.bounds = TRect::FromSize((clientWidth - kButtonWidth) / 2, clientHeight - kMargin - kButtonHeight,
                                    kButtonWidth, kButtonHeight);
    button.proc = [&state](wm::HWND h, wm::UINT msg, wm::WPARAM wp, wm::LPARAM lp) -> wm::LRESULT {
        switch (msg) {
            case wm::WM_PAINT: PaintButton(h, state); return 0;
            case wm::WM_KEYDOWN:
                if (IsClosingKey(wp)) { state.done = true; return 0; }
                break;
            case wm::WM_LBUTTONDOWN:
                state.pressed = true;
                wm::SetCapture(h);
                wm::InvalidateRect(h, nullptr, false);
                return 0;
            case wm::WM_LBUTTONUP: {
                bool inside = wm::GetClientRect(h).Contains(wm::PointFromParam(lp));
                if (state.pressed && inside) state.done = true;
                state.pressed = false;
                wm::ReleaseCapture();
                wm::InvalidateRect(h, nullptr, false);
                return 0;
            }
            case wm::WM_SETFOCUS:
            case wm::WM_KILLFOCUS: wm::InvalidateRect(h, nullptr, false); break;
            default: break;
        }
        return wm::DefWindowProc(h, msg, wp, lp);
    };
    wm::HWND okButton = wm::CreateWindow(button);

    wm::ShowWindow(hwnd, wm::SW_SHOWNORMAL);
    wm::SetFocus(okButton);
    bool closedByUser = wm::RunModalLoop(hwnd, [&state] { return state.done; });
    wm::DestroyWindow(hwnd);
    return closedByUser && state.done ? IDOK : 0;
}

}  // namespace vcl

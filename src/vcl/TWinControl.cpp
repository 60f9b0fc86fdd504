#include "vcl/TWinControl.h"

#include <unordered_map>

#include "vcl/Errors.h"
#include "vcl/TApplication.h"
#include "vcl/TCanvas.h"
#include "vcl/TCustomControl.h"
#include "vcl/VclMessages.h"
#include "wm/DefWindowProc.h"
#include "wm/DefaultFrame.h"
#include "wm/Input.h"
#include "wm/MessageLoop.h"
#include "wm/Paint.h"
#include "wm/Windows.h"

namespace vcl {

namespace {
std::unordered_map<HWND, TWinControl*>& Registry() {
    static std::unordered_map<HWND, TWinControl*> registry;
    return registry;
}
}  // namespace

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
    SetComponentStateFlag(csDestroying, true);
    // Owned components first, while this object is still whole; then children that
    // belong to someone else but live inside this control; then the window.
    DestroyComponents();
    while (!controls_.empty()) {
        TControl* child = controls_.back();
        RemoveControl(child);
        Free(child);
    }
    // Leave the parent while this is still a windowed control (its tab list).
    if (Parent()) Parent()->RemoveControl(this);
    if (handle_) {
        HWND h = handle_;
        Registry().erase(h);
        handle_ = 0;
        wm::SetWindowProc(h, wm::DefWindowProc);  // no calls into a half-destroyed object
        wm::DestroyWindow(h);
    }
}

TWinControl* TWinControl::FindControl(HWND hwnd) {
    auto it = Registry().find(hwnd);
    return it == Registry().end() ? nullptr : it->second;
}

HWND TWinControl::Handle() {
    if (!handle_) CreateHandle();
    return handle_;
}

void TWinControl::CreateParams(wm::CreateParams& p) {
    p.className = "TWinControl";
    p.text = Text();
    p.style = wm::WS_CHILD | wm::WS_CLIPCHILDREN | wm::WS_CLIPSIBLINGS | wm::CS_DBLCLKS;
    if (Visible()) p.style |= wm::WS_VISIBLE;
    if (!Enabled()) p.style |= wm::WS_DISABLED;
    if (tabStop_) p.style |= wm::WS_TABSTOP;
    p.bounds = BoundsRect();
    p.background = Color();
}

void TWinControl::CreateHandle() {
    if (handle_) return;
    wm::CreateParams p;
    CreateParams(p);
    if (p.style & wm::WS_CHILD) {
        if (!Parent())
            throw EInvalidOperation("Element '" + Name() + "' hat kein übergeordnetes Fenster");
        p.parent = Parent()->Handle();
        if (handle_) return;  // the parent's creation made this window already
    }
    p.proc = [this](HWND h, UINT msg, WPARAM wp, LPARAM lp) { return MainWndProc(h, msg, wp, lp); };
    HWND h = wm::CreateWindow(p);
    if (!h) throw EInvalidOperation("Fenster für '" + Name() + "' kann nicht erstellt werden");
    handle_ = h;
    Registry()[h] = this;
    if (Cursor() != crDefault) wm::SetWindowCursor(h, CursorShapeOf(Cursor()));
    CreateWnd();
    UpdateShowing();
    SyncBoundsFromWindow();
    Realign();
}

void TWinControl::UpdateShowing() {
    if (!handle_) return;
    for (TWinControl* child : tabList_)
        if (child->Visible() && !child->handle_) child->CreateHandle();
}

void TWinControl::DestroyHandle() {
    if (!handle_) return;
    DestroyWnd();
    HWND h = handle_;
    wm::DestroyWindow(h);  // WM_NCDESTROY clears handle_ (and the children's)
    Registry().erase(h);
    handle_ = 0;
}

void TWinControl::RecreateWnd() {
    if (!handle_) return;
    DestroyHandle();
    CreateHandle();
    // Top-level windows are created hidden; show the new one as the old one was.
    if (IsTopLevel() && Visible()) wm::ShowWindow(handle_, wm::SW_SHOWNA);
}

LRESULT TWinControl::MainWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!handle_) {  // messages sent while CreateWindow runs
        handle_ = hwnd;
        Registry()[hwnd] = this;
    }
    if (msg == CM_RELEASE) {
        Free(this);  // nothing of this object may be touched afterwards
        return 0;
    }
    TMessage m{msg, wParam, lParam, 0};
    static int depth = 0;
    ++depth;
    try {
        WindowProc(m);
    } catch (const std::exception& e) {
        // No error may pass through the window system's frames: the application shows it.
        HandleException(this, e);
    }
    // Drawing a handler did outside the paint cycle is shown once the message is done.
    if (--depth == 0) TCustomControl::ReleaseDeviceContexts();
    if (msg == wm::WM_NCDESTROY && handle_ == hwnd) {
        Registry().erase(hwnd);
        handle_ = 0;
        captureControl_ = nullptr;
        hoverControl_ = nullptr;
    }
    return m.Result;
}

void TWinControl::DefaultHandler(TMessage& m) {
    if (handle_) m.Result = wm::DefWindowProc(handle_, m.Msg, m.WParam, m.LParam);
}

TRect TWinControl::ClientRectWithoutHandle() const {
    wm::CreateParams p;
    const_cast<TWinControl*>(this)->CreateParams(p);
    TRect window{0, 0, Width(), Height()};
    TRect client = wm::DefaultFrame::HasFrame(p.style) ? wm::DefaultFrame::ClientRect(p.style, window) : window;
    return {0, 0, std::max(0, client.Width()), std::max(0, client.Height())};
}

TRect TWinControl::ClientRect() const {
    if (handle_) return wm::GetClientRect(handle_);
    return ClientRectWithoutHandle();
}

TPoint TWinControl::ClientOrigin() const {
    if (handle_) return wm::ClientToScreen(handle_, {0, 0});
    wm::CreateParams p;
    const_cast<TWinControl*>(this)->CreateParams(p);
    TPoint inset{0, 0};
    if (wm::DefaultFrame::HasFrame(p.style))
        inset = wm::DefaultFrame::ClientRect(p.style, {0, 0, Width(), Height()}).TopLeft();
    TPoint origin = Parent() ? Parent()->ClientOrigin() + TPoint{Left(), Top()} : TPoint{Left(), Top()};
    return origin + inset;
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
    if (width < 0) width = 0;
    if (height < 0) height = 0;
    if (left == Left() && top == Top() && width == Width() && height == Height()) return;
    bool sized = width != Width() || height != Height();
    StoreBounds(TRect::FromSize(left, top, width, height));
    if (handle_) wm::MoveWindow(handle_, BoundsRect());
    BoundsChanged(sized);
}

void TWinControl::BoundsChanged(bool sizeChanged) {
    if (Align() != alNone || sizeChanged) RequestAlign();
    if (sizeChanged) {
        Realign();
        Resize();
    }
}

void TWinControl::SyncBoundsFromWindow() {
    if (!handle_) return;
    TRect r = wm::GetWindowBounds(handle_);
    bool sized = false;
    if (r != BoundsRect()) {
        sized = r.Width() != Width() || r.Height() != Height();
        StoreBounds(r);
        BoundsChanged(sized);
    }
    // The frame may have changed alone (a frame component's WM_NCCALCSIZE): the client
    // area then has a new size although the window kept its own, and whoever lays out
    // by the client size must hear of it.
    TRect client = wm::GetClientRect(handle_);
    if (client != lastClientRect_) {
        bool clientSized = client.Width() != lastClientRect_.Width() || client.Height() != lastClientRect_.Height();
        lastClientRect_ = client;
        Realign();
        if (clientSized && !sized) Resize();
    }
}

void TWinControl::SetCursor(TCursor cursor) {
    TControl::SetCursor(cursor);
    if (handle_) wm::SetWindowCursor(handle_, CursorShapeOf(cursor));
}

void TWinControl::TextChanged() {
    if (handle_) wm::SetWindowText(handle_, Text());
    Invalidate();
}

void TWinControl::FontChanged() {
    Invalidate();
    for (TControl* c : std::vector<TControl*>(controls_)) c->ParentFontChanged();
}

void TWinControl::ColorChanged() {
    if (handle_) wm::SetWindowBackground(handle_, Color());
    Invalidate();
    for (TControl* c : std::vector<TControl*>(controls_)) c->ParentColorChanged();
}

void TWinControl::EnabledChanged() {
    if (handle_) wm::EnableWindow(handle_, Enabled());
    Invalidate();
}

void TWinControl::VisibleChanged() {
    RequestAlign();
    if (Visible()) {
        bool parentHasWindow = IsTopLevel() || (Parent() && Parent()->HandleAllocated());
        if (!handle_ && parentHasWindow) CreateHandle();
        if (handle_) wm::ShowWindow(handle_, IsTopLevel() ? wm::SW_SHOWNORMAL : wm::SW_SHOWNA);
    } else if (handle_) {
        wm::ShowWindow(handle_, wm::SW_HIDE);
    }
}

void TWinControl::Loaded() {
    TControl::Loaded();
    Realign();
}

void TWinControl::Invalidate() {
    if (handle_) wm::InvalidateRect(handle_, nullptr, !ControlStyle().Contains(csOpaque));
}

void TWinControl::Update() {
    if (handle_) wm::UpdateWindow(handle_);
}

// --- messages ------------------------------------------------------------------------

static bool IsClientMouseMessage(UINT msg) {
    return msg >= wm::WM_MOUSEMOVE && msg <= wm::WM_MBUTTONDBLCLK;
}

void TWinControl::WndProc(TMessage& m) {
    using namespace wm;
    if (IsClientMouseMessage(m.Msg) && RouteMouseToChild(m)) return;
    switch (m.Msg) {
        case WM_PAINT: PaintHandler(m); return;
        case WM_SETFOCUS: DoEnter(); break;
        case WM_KILLFOCUS: DoExit(); break;
        case WM_MOUSELEAVE: SetHoverControl(nullptr, 0); break;
        case WM_WINDOWPOSCHANGED: SyncBoundsFromWindow(); break;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN: {
            auto key = static_cast<uint16_t>(m.WParam);
            if (DoKeyDown(key, CurrentShiftState())) return;
            m.WParam = key;
            break;
        }
        case WM_KEYUP:
        case WM_SYSKEYUP: {
            auto key = static_cast<uint16_t>(m.WParam);
            if (DoKeyUp(key, CurrentShiftState())) return;
            m.WParam = key;
            break;
        }
        case WM_CHAR: {
            auto ch = static_cast<char32_t>(m.WParam);
            if (DoKeyPress(ch)) return;
            m.WParam = ch;
            break;
        }
        case WM_SETCURSOR:
            // A windowless child's own pointer shape.
            if (static_cast<int16_t>(LowWord(static_cast<uintptr_t>(m.LParam))) == HTCLIENT) {
                TControl* child = ControlAtPos(ScreenToClient(GetCursorPos()));
                if (child && child->Cursor() != crDefault) {
                    wm::SetCursor(CursorShapeOf(child->Cursor()));
                    m.Result = 1;
                    return;
                }
            }
            break;
        case WM_CAPTURECHANGED:
            if (captureControl_ && static_cast<HWND>(m.LParam) != handle_) captureControl_ = nullptr;
            break;
        default: break;
    }
    TControl::WndProc(m);
}

bool TWinControl::RouteMouseToChild(TMessage& m) {
    TPoint p = wm::PointFromParam(m.LParam);
    TControl* target = captureControl_;
    if (!target) {
        target = ControlAtPos(p);
        if (target && dynamic_cast<TWinControl*>(target)) target = nullptr;
    }
    if (m.Msg == wm::WM_MOUSEMOVE) SetHoverControl(target && target->BoundsRect().Contains(p) ? target : nullptr, m.LParam);
    if (!target) return false;
    TMessage child{m.Msg, m.WParam, wm::MakePointParam(p.X - target->Left(), p.Y - target->Top()), 0};
    target->WindowProc(child);
    m.Result = child.Result;
    return true;
}

void TWinControl::SetHoverControl(TControl* control, LPARAM lParam) {
    if (control == hoverControl_) return;
    if (hoverControl_) hoverControl_->Perform(wm::WM_MOUSELEAVE);
    hoverControl_ = control;
    if (control) {
        TPoint p = wm::PointFromParam(lParam);
        control->Perform(wm::WM_MOUSEENTER, 0, wm::MakePointParam(p.X - control->Left(), p.Y - control->Top()));
    }
}

void TWinControl::SetCaptureControl(TControl* control) {
    captureControl_ = control;
    if (!handle_) return;
    if (control) wm::SetCapture(handle_);
    else if (wm::GetCapture() == handle_) wm::ReleaseCapture();
}

void TWinControl::SetMouseCapture(bool capture) {
    if (!handle_) return;
    if (capture) wm::SetCapture(handle_);
    else if (wm::GetCapture() == handle_) wm::ReleaseCapture();
}

// --- painting -------------------------------------------------------------------------

void TWinControl::PaintHandler(TMessage& m) {
    wm::PAINTSTRUCT ps;
    wm::HDC dc = wm::BeginPaint(handle_, ps);
    if (gfx::Canvas* surface = wm::GetCanvas(dc)) {
        PaintWindow(*surface);
        PaintControls(*surface);
    }
    wm::EndPaint(handle_, ps);
    m.Result = 0;
}

void TWinControl::PaintControls(gfx::Canvas& surface) {
    for (TControl* c : std::vector<TControl*>(controls_)) {
        if (dynamic_cast<TWinControl*>(c) || !c->Visible()) continue;
        if (c->Width() <= 0 || c->Height() <= 0) continue;
        c->Perform(wm::WM_PAINT, 0, reinterpret_cast<LPARAM>(&surface));
    }
}

void TWinControl::PaintTo(TCanvas* canvas, int x, int y) {
    if (!canvas) return;
    if (gfx::Canvas* surface = canvas->Native()) PaintTo(*surface, x, y);
}

void TWinControl::PaintTo(gfx::Canvas& surface, int x, int y) {
    surface.Save();
    surface.SetOrigin(surface.Origin() + TPoint{x, y});
    surface.IntersectClipRect({0, 0, Width(), Height()});
    TRect client = ClientRect();
    if (Color() != clNone) {
        surface.Brush().color = Color();
        surface.Brush().style = gfx::BrushStyle::Solid;
        surface.FillRect(client);
    }
    PaintWindow(surface);
    PaintControls(surface);
    for (TControl* c : std::vector<TControl*>(controls_))
        if (auto* w = dynamic_cast<TWinControl*>(c); w && w->Visible())
            w->PaintTo(surface, w->Left(), w->Top());
    surface.Restore();
}

}  // namespace vcl

// Coordinate mapping and finding the window under a point.
#include <algorithm>

#include "wm/MessageLoop.h"
#include "wm/WindowInternals.h"
#include "wm/Windows.h"

namespace wm {

namespace {

WindowSystem* WS() { return WindowSystem::Current(); }

Window* Live(HWND hwnd) {
    WindowSystem* ws = WS();
    return ws ? ws->FindLive(hwnd) : nullptr;
}

// Client top-left on the screen.
TPoint ClientOrigin(const WindowSystem& ws, const Window& w) {
    return ws.ScreenOrigin(w) + w.clientRect.TopLeft();
}

bool ShapeContains(const Window& w, TPoint windowPoint) {
    if (!w.WindowRectLocal().Contains(windowPoint)) return false;
    return !w.region || w.region->Contains(windowPoint);
}

// Searches the tree of `w` (which contains the point) from the top child down.
detail::HitResult HitInTree(WindowSystem& ws, HWND hwnd, TPoint screen) {
    Window* w = ws.FindLive(hwnd);
    if (!w) return {};
    TPoint origin = ws.ScreenOrigin(*w);
    TPoint local = screen - origin;
    if (w->clientRect.Contains(local)) {
        std::vector<HWND> children = w->children;
        for (auto it = children.rbegin(); it != children.rend(); ++it) {
            Window* c = ws.FindLive(*it);
            if (!c || !c->HasFlag(WS_VISIBLE) || c->HasFlag(WS_DISABLED)) continue;
            if (!ShapeContains(*c, screen - ws.ScreenOrigin(*c))) continue;
            detail::HitResult r = HitInTree(ws, *it, screen);
            if (r.hwnd) return r;
        }
    }
    LRESULT hit = SendMessage(hwnd, WM_NCHITTEST, 0, MakePointParam(screen));
    if (!ws.FindLive(hwnd) || hit == HTTRANSPARENT) return {};
    return {hwnd, static_cast<int>(hit)};
}

}  // namespace

namespace detail {

HitResult HitTestScreen(WindowSystem& ws, TPoint screen) {
    std::vector<HWND> tops = ws.topLevels;
    for (auto it = tops.rbegin(); it != tops.rend(); ++it) {
        Window* w = ws.FindLive(*it);
        if (!w || !w->HasFlag(WS_VISIBLE) || w->HasFlag(WS_EX_TRANSPARENTINPUT)) continue;
        if (!ShapeContains(*w, screen - w->bounds.TopLeft())) continue;
        if (w->HasFlag(WS_DISABLED)) return {*it, HTERROR};  // takes the point, gets no input
        HitResult r = HitInTree(ws, *it, screen);
        if (r.hwnd) return r;
    }
    return {};
}

}  // namespace detail

TRect GetWindowRect(HWND hwnd) {
    Window* w = Live(hwnd);
    if (!w) return {};
    TPoint o = WS()->ScreenOrigin(*w);
    return TRect::FromSize(o.X, o.Y, w->bounds.Width(), w->bounds.Height());
}

TRect GetClientRect(HWND hwnd) {
    Window* w = Live(hwnd);
    return w ? TRect{0, 0, w->clientRect.Width(), w->clientRect.Height()} : TRect{};
}

TRect GetWindowBounds(HWND hwnd) {
    Window* w = Live(hwnd);
    return w ? w->bounds : TRect{};
}

TRect GetClientRectInWindow(HWND hwnd) {
    Window* w = Live(hwnd);
    return w ? w->clientRect : TRect{};
}

TPoint ClientToScreen(HWND hwnd, TPoint p) {
    Window* w = Live(hwnd);
    return w ? p + ClientOrigin(*WS(), *w) : p;
}

TPoint ScreenToClient(HWND hwnd, TPoint p) {
    Window* w = Live(hwnd);
    return w ? p - ClientOrigin(*WS(), *w) : p;
}

TPoint MapWindowPoints(HWND from, HWND to, TPoint p) {
    TPoint screen = from ? ClientToScreen(from, p) : p;
    return to ? ScreenToClient(to, screen) : screen;
}

TRect MapWindowRect(HWND from, HWND to, const TRect& r) {
    TPoint a = MapWindowPoints(from, to, r.TopLeft());
    return TRect::FromSize(a.X, a.Y, r.Width(), r.Height());
}

HWND WindowFromPoint(TPoint screen) {
    WindowSystem* ws = WS();
    return ws ? detail::HitTestScreen(*ws, screen).hwnd : 0;
}

HWND ChildWindowFromPoint(HWND parent, TPoint client) {
    WindowSystem* ws = WS();
    Window* w = Live(parent);
    if (!w) return 0;
    if (!TRect(0, 0, w->clientRect.Width(), w->clientRect.Height()).Contains(client)) return 0;
    TPoint screen = ClientToScreen(parent, client);
    for (auto it = w->children.rbegin(); it != w->children.rend(); ++it) {
        Window* c = ws->FindLive(*it);
        if (c && c->HasFlag(WS_VISIBLE) && ShapeContains(*c, screen - ws->ScreenOrigin(*c)))
            return *it;
    }
    return parent;
}

}  // namespace wm

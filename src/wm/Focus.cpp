// Keyboard focus, activation of top-level windows and the tab order helper.
#include <algorithm>

#include "wm/Input.h"
#include "wm/MessageLoop.h"
#include "wm/WindowInternals.h"
#include "wm/Windows.h"

namespace wm {

namespace {

WindowSystem* WS() { return WindowSystem::Current(); }

// The window and all its ancestors are enabled.
bool EnabledChain(const WindowSystem& ws, const Window& w) {
    for (const Window* c = &w; c; c = c->IsChild() ? ws.Find(c->parent) : nullptr)
        if (c->HasFlag(WS_DISABLED)) return false;
    return true;
}

void MoveFocus(WindowSystem& ws, HWND target) {
    HWND old = ws.focus;
    if (old == target) return;
    if (ws.FindLive(old)) SendMessage(old, WM_KILLFOCUS, target);
    Window* w = ws.FindLive(target);
    if (!w) {
        if (ws.focus == old) ws.focus = 0;
        return;
    }
    ws.focus = target;
    ws.RootOf(*w)->lastFocus = target;
    SendMessage(target, WM_SETFOCUS, ws.FindLive(old) ? old : 0);
}

}  // namespace

namespace detail {

bool CanActivate(const WindowSystem& ws, const Window& w) {
    return w.IsTopLevel() && !w.destroying && !w.HasFlag(WS_EX_NOACTIVATE) &&
           !w.HasFlag(WS_DISABLED);
}

void ActivateTopLevel(WindowSystem& ws, HWND top, WPARAM how, bool tellDisplay) {
    Window* w = ws.FindLive(top);
    if (!w || !CanActivate(ws, *w) || ws.active == top) return;
    HWND old = ws.active;
    ws.active = top;
    if (ws.FindLive(old)) {
        SendMessage(old, WM_NCACTIVATE, 0, static_cast<LPARAM>(top));
        SendMessage(old, WM_ACTIVATE, WA_INACTIVE, static_cast<LPARAM>(top));
    }
    if (!ws.FindLive(top) || ws.active != top) return;
    SendMessage(top, WM_NCACTIVATE, 1, static_cast<LPARAM>(old));
    SendMessage(top, WM_ACTIVATE, how, static_cast<LPARAM>(old));
    if (!(w = ws.FindLive(top)) || ws.active != top) return;
    if (!ws.focus || !ws.IsAncestorOf(top, ws.focus)) {
        Window* last = ws.FindLive(w->lastFocus);
        bool usable = last && ws.IsAncestorOf(top, last->handle) && ws.IsShown(*last) &&
                      EnabledChain(ws, *last);
        MoveFocus(ws, usable ? last->handle : top);
    }
    if (tellDisplay && (w = ws.FindLive(top)) && w->surface) ws.GetDisplay().Activate(w->surface);
}

void Deactivate(WindowSystem& ws) {
    HWND old = ws.active;
    if (!old) return;
    ws.active = 0;
    if (ws.FindLive(old)) {
        SendMessage(old, WM_NCACTIVATE, 0, 0);
        SendMessage(old, WM_ACTIVATE, WA_INACTIVE, 0);
    }
    if (ws.focus && ws.IsAncestorOf(old, ws.focus)) MoveFocus(ws, 0);
}

void ActivateNext(WindowSystem& ws, HWND leaving, HWND ownerHint) {
    if (ws.active == leaving) Deactivate(ws);
    if (ws.active) return;
    auto usable = [&](HWND h) {
        Window* w = ws.FindLive(h);
        return h != leaving && w && ws.IsShown(*w) && CanActivate(ws, *w);
    };
    HWND next = usable(ownerHint) ? ownerHint : 0;
    for (auto it = ws.topLevels.rbegin(); !next && it != ws.topLevels.rend(); ++it)
        if (usable(*it)) next = *it;
    if (next) ActivateTopLevel(ws, next, WA_ACTIVE, true);
}

void DetachInput(WindowSystem& ws, HWND hwnd) {
    if (ws.capture && ws.IsAncestorOf(hwnd, ws.capture)) ReleaseCapture();
    if (ws.focus && ws.IsAncestorOf(hwnd, ws.focus)) {
        Window* w = ws.Find(hwnd);
        // A child giving up the focus hands it to its top-level; a top-level drops it.
        HWND heir = 0;
        if (w && w->IsChild()) {
            Window* root = ws.RootOf(*w);
            if (root && root->handle == ws.active) heir = root->handle;
        }
        MoveFocus(ws, heir);
    }
    if (ws.active == hwnd) Deactivate(ws);
}

}  // namespace detail

HWND SetFocus(HWND hwnd) {
    WindowSystem* ws = WS();
    if (!ws) return 0;
    HWND old = ws->focus;
    if (hwnd == 0) {
        MoveFocus(*ws, 0);
        return old;
    }
    Window* w = ws->FindLive(hwnd);
    if (!w || !ws->IsShown(*w) || !EnabledChain(*ws, *w)) return 0;
    Window* root = ws->RootOf(*w);
    if (root->handle != ws->active) {
        if (!detail::CanActivate(*ws, *root)) return 0;
        detail::ActivateTopLevel(*ws, root->handle, WA_ACTIVE, true);
        if (ws->active != root->handle || !ws->FindLive(hwnd)) return 0;
    }
    MoveFocus(*ws, hwnd);
    return old;
}

HWND GetFocus() {
    WindowSystem* ws = WS();
    return ws && ws->FindLive(ws->focus) ? ws->focus : 0;
}

HWND SetActiveWindow(HWND hwnd) {
    WindowSystem* ws = WS();
    if (!ws) return 0;
    HWND old = ws->active;
    Window* w = ws->FindLive(hwnd);
    if (!w) return 0;
    detail::ActivateTopLevel(*ws, ws->RootOf(*w)->handle, WA_ACTIVE, true);
    return old;
}

HWND GetActiveWindow() {
    WindowSystem* ws = WS();
    return ws && ws->FindLive(ws->active) ? ws->active : 0;
}

bool SetForegroundWindow(HWND hwnd) {
    WindowSystem* ws = WS();
    Window* w = ws ? ws->FindLive(hwnd) : nullptr;
    if (!w) return false;
    Window* root = ws->RootOf(*w);
    SetWindowPos(root->handle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    detail::ActivateTopLevel(*ws, root->handle, WA_ACTIVE, true);
    return ws->active == root->handle;
}

HWND GetNextTabStop(HWND container, HWND from, bool backwards) {
    WindowSystem* ws = WS();
    if (!ws || !ws->FindLive(container)) return 0;
    std::vector<HWND> order = ws->TreeOf(container);
    order.erase(order.begin());  // the container itself
    auto isStop = [&](HWND h) {
        Window* w = ws->FindLive(h);
        return w && w->HasFlag(WS_TABSTOP) && ws->IsShown(*w) && EnabledChain(*ws, *w);
    };
    if (backwards) std::reverse(order.begin(), order.end());
    auto start = std::find(order.begin(), order.end(), from);
    size_t n = order.size();
    size_t first = start == order.end() ? 0 : static_cast<size_t>(start - order.begin()) + 1;
    for (size_t i = 0; i < n; ++i) {
        HWND h = order[(first + i) % n];
        if (h != from && isStop(h)) return h;
    }
    return 0;
}

}  // namespace wm

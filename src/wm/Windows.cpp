// Creating and destroying windows, and their simple properties.
#include "wm/Windows.h"

#include <algorithm>

#include "wm/DefWindowProc.h"
#include "wm/Input.h"
#include "wm/MessageLoop.h"
#include "wm/Paint.h"
#include "wm/VisibleRegion.h"
#include "wm/WindowInternals.h"

namespace wm {

namespace {

WindowSystem* WS() { return WindowSystem::Current(); }

Window* Live(HWND hwnd) {
    WindowSystem* ws = WS();
    return ws ? ws->FindLive(hwnd) : nullptr;
}

SurfaceOptions SurfaceOptionsFor(const Window& w) {
    SurfaceOptions o;
    o.popup = w.HasFlag(WS_POPUP);
    o.topMost = w.HasFlag(WS_EX_TOPMOST);
    o.noActivate = w.HasFlag(WS_EX_NOACTIVATE);
    o.noDecorations = true;  // every frame is drawn by us
    o.noInput = w.HasFlag(WS_EX_TRANSPARENTINPUT);
    o.owner = w.owner;
    return o;
}

}  // namespace

namespace detail {

void RecalcClientRect(WindowSystem& ws, Window& w) {
    NCCALCSIZE_PARAMS params;
    params.rgrc[0] = w.bounds;
    SendMessage(w.handle, WM_NCCALCSIZE, 0, reinterpret_cast<LPARAM>(&params));
    Window* still = ws.Find(w.handle);
    if (!still) return;
    TRect c = params.rgrc[0].Offset(-w.bounds.Left, -w.bounds.Top);
    c.Right = std::max(c.Right, c.Left);
    c.Bottom = std::max(c.Bottom, c.Top);
    w.clientRect = c;
}

void InsertTopLevel(WindowSystem& ws, HWND hwnd) {
    Window* w = ws.Find(hwnd);
    std::erase(ws.topLevels, hwnd);
    if (!w) return;
    if (w->HasFlag(WS_EX_TOPMOST)) {
        ws.topLevels.push_back(hwnd);
        return;
    }
    auto firstTopMost = std::find_if(ws.topLevels.begin(), ws.topLevels.end(), [&](HWND h) {
        Window* o = ws.Find(h);
        return o && o->HasFlag(WS_EX_TOPMOST);
    });
    ws.topLevels.insert(firstTopMost, hwnd);
}

void NotifyParents(WindowSystem& ws, HWND child, UINT message, LPARAM lParam) {
    Window* w = ws.Find(child);
    if (!w || !w->IsChild()) return;
    WPARAM wParam = MakeLong(message, static_cast<unsigned>(w->id));
    for (HWND p = w->parent; Window* pw = ws.FindLive(p); p = pw->IsChild() ? pw->parent : 0) {
        SendMessage(p, WM_PARENTNOTIFY, wParam, lParam);
        if (!ws.FindLive(p)) break;
    }
}

}  // namespace detail

HWND CreateWindow(const CreateParams& params) {
    WindowSystem* ws = WS();
    if (!ws) return 0;
    bool child = (params.style & WS_CHILD) != 0;
    if (child && !ws->FindLive(params.parent)) return 0;

    auto owned = std::make_unique<Window>();
    Window& w = *owned;
    w.handle = ws->nextHandle++;
    w.parent = child ? params.parent : 0;
    w.owner = !child && ws->FindLive(params.owner) ? params.owner : 0;
    w.className = params.className;
    w.text = params.text;
    w.style = params.style & ~WS_VISIBLE;
    w.id = params.id;
    w.userData = params.userData;
    w.proc = params.proc ? params.proc : WindowProc(DefWindowProc);
    w.background = params.background;
    w.bounds = params.bounds.Normalized();
    w.clientRect = w.WindowRectLocal();
    w.params = params;
    HWND hwnd = w.handle;
    ws->windows.emplace(hwnd, std::move(owned));

    if (child) {
        ws->Find(w.parent)->children.push_back(hwnd);
    } else {
        w.backBuffer = std::make_shared<gfx::Bitmap>(w.bounds.Width(), w.bounds.Height());
        w.surface = ws->GetDisplay().CreateSurface(hwnd, w.bounds, SurfaceOptionsFor(w));
        ws->GetDisplay().SetSurfaceTitle(w.surface, w.text);
        detail::InsertTopLevel(*ws, hwnd);
        ws->RestackDisplay();
    }

    CreateParams copy = params;
    LPARAM cp = reinterpret_cast<LPARAM>(&copy);
    if (SendMessage(hwnd, WM_NCCREATE, 0, cp) == 0 || !ws->FindLive(hwnd)) {
        DestroyWindow(hwnd);
        return 0;
    }
    detail::RecalcClientRect(*ws, *ws->Find(hwnd));
    if (SendMessage(hwnd, WM_CREATE, 0, cp) == -1 || !ws->FindLive(hwnd)) {
        DestroyWindow(hwnd);
        return 0;
    }
    ws->Find(hwnd)->created = true;
    detail::NotifyParents(*ws, hwnd, WM_CREATE, static_cast<LPARAM>(hwnd));
    if ((params.style & WS_VISIBLE) && ws->FindLive(hwnd)) ShowWindow(hwnd, SW_SHOW);
    return ws->FindLive(hwnd) ? hwnd : 0;
}

bool DestroyWindow(HWND hwnd) {
    WindowSystem* ws = WS();
    Window* w = Live(hwnd);
    if (!w) return false;
    w->destroying = true;

    // Hidden first (as it goes), so what it covered is repainted by what lies beneath.
    if (w->IsChild() && ws->IsShown(*w)) {
        gfx::Region area = VisibleWindowRegion(*ws, *w);
        w->style &= ~WS_VISIBLE;
        InvalidateRootArea(*ws, *ws->RootOf(*w), area);
    }
    if (w->IsTopLevel() && w->surface) ws->GetDisplay().ShowSurface(w->surface, false);
    bool wasActive = ws->active == hwnd;
    HWND owner = w->owner;
    detail::DetachInput(*ws, hwnd);

    // Owned windows go with their owner.
    std::vector<HWND> ownedWindows;
    for (HWND h : ws->topLevels)
        if (Window* o = ws->Find(h); o && o->owner == hwnd) ownedWindows.push_back(h);
    for (HWND h : ownedWindows) DestroyWindow(h);

    if (ws->Find(hwnd)->IsChild()) detail::NotifyParents(*ws, hwnd, WM_DESTROY, static_cast<LPARAM>(hwnd));
    SendMessage(hwnd, WM_DESTROY);
    std::vector<HWND> children = ws->Find(hwnd)->children;
    for (HWND c : children) DestroyWindow(c);
    SendMessage(hwnd, WM_NCDESTROY);

    w = ws->Find(hwnd);
    ws->timers.KillAll(hwnd);
    std::erase(ws->SiblingsOf(*w), hwnd);
    if (w->IsTopLevel()) {
        if (w->surface) ws->GetDisplay().DestroySurface(w->surface);
        ws->RestackDisplay();
    }
    if (ws->pointer.hover == hwnd) ws->pointer.hover = 0;
    if (ws->pointer.lastDownWindow == hwnd) ws->pointer.lastDownWindow = 0;
    std::erase_if(ws->paintRedirects, [&](const auto& r) { return r.first == hwnd; });
    // Posted messages to it are dropped when they come up (the handle is stale then).
    ws->windows.erase(hwnd);
    if (wasActive) detail::ActivateNext(*ws, hwnd, owner);
    return true;
}

HWND RecreateWindow(HWND hwnd) {
    WindowSystem* ws = WS();
    Window* w = Live(hwnd);
    if (!w) return 0;
    CreateParams params = w->params;
    params.style = w->style;
    params.bounds = w->bounds;
    params.text = w->text;
    params.proc = w->proc;
    params.userData = w->userData;
    params.background = w->background;
    params.parent = w->parent;
    params.owner = w->owner;
    // Keep its place among the siblings: remember the window above it.
    HWND above = 0;
    const auto& siblings = ws->SiblingsOf(*w);
    auto it = std::find(siblings.begin(), siblings.end(), hwnd);
    if (it != siblings.end() && it + 1 != siblings.end()) above = *(it + 1);
    bool hadFocus = ws->focus == hwnd;
    DestroyWindow(hwnd);
    HWND fresh = CreateWindow(params);
    Window* nw = ws->FindLive(fresh);
    if (nw && above && ws->FindLive(above)) {
        auto& list = ws->SiblingsOf(*nw);
        std::erase(list, fresh);
        list.insert(std::find(list.begin(), list.end(), above), fresh);
        if (nw->IsTopLevel()) ws->RestackDisplay();
        if (ws->IsShown(*nw))
            InvalidateRootArea(*ws, *ws->RootOf(*nw), VisibleWindowRegion(*ws, *nw));
    }
    if (nw && hadFocus) SetFocus(fresh);
    return fresh;
}

bool IsWindow(HWND hwnd) { return Live(hwnd) != nullptr; }

bool IsWindowVisible(HWND hwnd) {
    Window* w = Live(hwnd);
    return w && WS()->IsShown(*w);
}

bool IsWindowEnabled(HWND hwnd) {
    Window* w = Live(hwnd);
    return w && !w->HasFlag(WS_DISABLED);
}

bool IsChild(HWND parent, HWND hwnd) {
    WindowSystem* ws = WS();
    return ws && parent != hwnd && Live(parent) && Live(hwnd) && ws->IsAncestorOf(parent, hwnd);
}

bool EnableWindow(HWND hwnd, bool enable) {
    WindowSystem* ws = WS();
    Window* w = Live(hwnd);
    if (!w) return false;
    bool wasDisabled = w->HasFlag(WS_DISABLED);
    if (wasDisabled == !enable) return wasDisabled;
    if (enable) {
        w->style &= ~WS_DISABLED;
    } else {
        w->style |= WS_DISABLED;
        if (ws->focus && ws->IsAncestorOf(hwnd, ws->focus)) SetFocus(0);
        if (ws->capture && ws->IsAncestorOf(hwnd, ws->capture)) ReleaseCapture();
    }
    SendMessage(hwnd, WM_ENABLE, enable ? 1 : 0);
    return wasDisabled;
}

HWND GetParent(HWND hwnd) {
    Window* w = Live(hwnd);
    return w && w->IsChild() ? w->parent : 0;
}

HWND GetOwner(HWND hwnd) {
    Window* w = Live(hwnd);
    return w ? w->owner : 0;
}

HWND GetRootWindow(HWND hwnd) {
    Window* w = Live(hwnd);
    return w ? WS()->RootOf(*w)->handle : 0;
}

std::vector<HWND> GetChildWindows(HWND parent) {
    WindowSystem* ws = WS();
    if (!ws) return {};
    if (parent == 0) return ws->topLevels;
    Window* w = Live(parent);
    return w ? w->children : std::vector<HWND>{};
}

bool SetWindowText(HWND hwnd, std::string_view utf8) {
    if (!Live(hwnd)) return false;
    std::string text(utf8);
    SendMessage(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    return true;
}

std::string GetWindowText(HWND hwnd) {
    Window* w = Live(hwnd);
    return w ? w->text : std::string();
}

std::string GetClassName(HWND hwnd) {
    Window* w = Live(hwnd);
    return w ? w->className : std::string();
}

WindowStyle GetWindowStyle(HWND hwnd) {
    Window* w = Live(hwnd);
    return w ? w->style : 0;
}

bool SetWindowStyle(HWND hwnd, WindowStyle style) {
    WindowSystem* ws = WS();
    Window* w = Live(hwnd);
    if (!w) return false;
    // The child/top-level nature and visibility change only through SetParent/ShowWindow.
    constexpr WindowStyle kFixed = WS_CHILD | WS_VISIBLE;
    WindowStyle old = w->style;
    w->style = (style & ~kFixed) | (old & kFixed);
    if (w->IsTopLevel() && ((old ^ w->style) & WS_EX_TOPMOST)) {
        detail::InsertTopLevel(*ws, hwnd);
        ws->RestackDisplay();
    }
    return true;
}

int GetWindowId(HWND hwnd) {
    Window* w = Live(hwnd);
    return w ? w->id : 0;
}

void* GetWindowUserData(HWND hwnd) {
    Window* w = Live(hwnd);
    return w ? w->userData : nullptr;
}

bool SetWindowUserData(HWND hwnd, void* data) {
    Window* w = Live(hwnd);
    if (!w) return false;
    w->userData = data;
    return true;
}

WindowProc SetWindowProc(HWND hwnd, WindowProc proc) {
    Window* w = Live(hwnd);
    if (!w) return {};
    WindowProc previous = std::move(w->proc);
    w->proc = proc ? std::move(proc) : WindowProc(DefWindowProc);
    return previous;
}

WindowProc GetWindowProc(HWND hwnd) {
    Window* w = Live(hwnd);
    return w ? w->proc : WindowProc{};
}

LRESULT CallWindowProc(const WindowProc& proc, HWND hwnd, UINT msg, WPARAM wParam,
                       LPARAM lParam) {
    if (!proc || !IsWindow(hwnd)) return 0;
    return proc(hwnd, msg, wParam, lParam);
}

bool SetWindowBackground(HWND hwnd, TColor color) {
    Window* w = Live(hwnd);
    if (!w) return false;
    w->background = color;
    return true;
}

TColor GetWindowBackground(HWND hwnd) {
    Window* w = Live(hwnd);
    return w ? w->background : clNone;
}

bool SetWindowCursor(HWND hwnd, CursorShape shape) {
    Window* w = Live(hwnd);
    if (!w) return false;
    w->cursor = shape;
    return true;
}

TRect GetScreenRect() {
    WindowSystem* ws = WS();
    return ws ? ws->GetDisplay().ScreenRect() : TRect{};
}

TRect GetWorkArea() {
    WindowSystem* ws = WS();
    return ws ? ws->GetDisplay().WorkArea() : TRect{};
}

}  // namespace wm

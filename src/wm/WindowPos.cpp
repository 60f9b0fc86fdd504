// Placing windows: position, size, stacking, visibility, parent and shape.
#include <algorithm>

#include "wm/Input.h"
#include "wm/MessageLoop.h"
#include "wm/Paint.h"
#include "wm/VisibleRegion.h"
#include "wm/WindowInternals.h"
#include "wm/Windows.h"

namespace wm {

namespace {

WindowSystem* WS() { return WindowSystem::Current(); }

Window* Live(HWND hwnd) {
    WindowSystem* ws = WS();
    return ws ? ws->FindLive(hwnd) : nullptr;
}

// Moves hwnd within its sibling list; returns whether the order changed.
bool Restack(WindowSystem& ws, Window& w, HWND insertAfter) {
    auto& list = ws.SiblingsOf(w);
    std::vector<HWND> before = list;
    if (w.IsTopLevel() && (insertAfter == HWND_TOPMOST || insertAfter == HWND_NOTOPMOST)) {
        if (insertAfter == HWND_TOPMOST)
            w.style |= WS_EX_TOPMOST;
        else
            w.style &= ~WS_EX_TOPMOST;
        detail::InsertTopLevel(ws, w.handle);
        return list != before;
    }
    std::erase(list, w.handle);
    if (insertAfter == HWND_BOTTOM) {
        auto pos = list.begin();
        if (w.IsTopLevel() && w.HasFlag(WS_EX_TOPMOST))
            pos = std::find_if(list.begin(), list.end(), [&](HWND h) {
                Window* o = ws.Find(h);
                return o && o->HasFlag(WS_EX_TOPMOST);
            });
        list.insert(pos, w.handle);
    } else if (insertAfter == HWND_TOP || !ws.Find(insertAfter) ||
               std::find(list.begin(), list.end(), insertAfter) == list.end()) {
        list.push_back(w.handle);
        if (w.IsTopLevel()) detail::InsertTopLevel(ws, w.handle);  // top-most ones stay above
    } else {
        // Classic meaning: placed just below `insertAfter`.
        list.insert(std::find(list.begin(), list.end(), insertAfter), w.handle);
    }
    return list != before;
}

}  // namespace

bool SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    WindowSystem* ws = WS();
    Window* w = Live(hwnd);
    if (!w) return false;
    WINDOWPOS wp{hwnd, insertAfter, x, y, cx, cy, flags};
    if (flags & SWP_NOMOVE) wp.x = w->bounds.Left, wp.y = w->bounds.Top;
    if (flags & SWP_NOSIZE) wp.cx = w->bounds.Width(), wp.cy = w->bounds.Height();
    if (!(flags & SWP_NOSENDCHANGING)) {
        SendMessage(hwnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&wp));
        if (!(w = Live(hwnd))) return false;
    }
    flags = wp.flags;
    TRect newBounds = TRect::FromSize(wp.x, wp.y, std::max(0, wp.cx), std::max(0, wp.cy));
    TRect oldBounds = w->bounds;
    bool moved = newBounds.TopLeft() != oldBounds.TopLeft();
    bool sized = newBounds.Width() != oldBounds.Width() || newBounds.Height() != oldBounds.Height();
    bool wasVisible = w->HasFlag(WS_VISIBLE);
    bool show = (flags & SWP_SHOWWINDOW) && !wasVisible;
    bool hide = (flags & SWP_HIDEWINDOW) && wasVisible;
    Window* root = ws->RootOf(*w);
    gfx::Region oldArea = w->IsChild() ? VisibleWindowRegion(*ws, *w) : gfx::Region();

    bool wasActive = ws->active == hwnd;
    HWND owner = w->owner;
    if (hide) detail::DetachInput(*ws, hwnd);
    if (!(w = Live(hwnd))) return false;

    bool restacked = !(flags & SWP_NOZORDER) && Restack(*ws, *w, wp.hwndInsertAfter);
    if (show) w->style |= WS_VISIBLE;
    if (hide) w->style &= ~WS_VISIBLE;
    w->bounds = newBounds;
    if (sized || (flags & SWP_FRAMECHANGED)) {
        detail::RecalcClientRect(*ws, *w);
        if (!(w = Live(hwnd))) return false;
    }

    Display& display = ws->GetDisplay();
    if (w->IsTopLevel()) {
        if (sized) w->backBuffer->SetSize(newBounds.Width(), newBounds.Height());
        if (moved || sized) display.MoveSurface(w->surface, newBounds);
        if (restacked) ws->RestackDisplay();
        if (show) display.ShowSurface(w->surface, true);
        if (hide) display.ShowSurface(w->surface, false);
        if ((sized || show || (flags & SWP_FRAMECHANGED)) && !(flags & SWP_NOREDRAW))
            InvalidateRootArea(*ws, *w, gfx::Region::FromRect(w->WindowRectLocal()));
    } else if (!(flags & SWP_NOREDRAW) &&
               (moved || sized || restacked || show || hide || (flags & SWP_FRAMECHANGED))) {
        gfx::Region area = gfx::Region::Combine(oldArea, VisibleWindowRegion(*ws, *w),
                                                gfx::RegionOp::Or);
        InvalidateRootArea(*ws, *root, area);
    }
    if (hide && wasActive) detail::ActivateNext(*ws, hwnd, owner);

    wp.x = newBounds.Left, wp.y = newBounds.Top;
    wp.cx = newBounds.Width(), wp.cy = newBounds.Height();
    SendMessage(hwnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&wp));
    if (!(w = Live(hwnd))) return true;
    if (moved) SendMessage(hwnd, WM_MOVE, 0, MakePointParam(w->bounds.TopLeft() + w->clientRect.TopLeft()));
    if (sized && (w = Live(hwnd)))
        SendMessage(hwnd, WM_SIZE, SIZE_RESTORED,
                    static_cast<LPARAM>(MakeLong(static_cast<unsigned>(w->clientRect.Width()),
                                                 static_cast<unsigned>(w->clientRect.Height()))));
    if (show && (w = Live(hwnd)) && w->IsTopLevel() && !(flags & SWP_NOACTIVATE) &&
        detail::CanActivate(*ws, *w))
        SetActiveWindow(hwnd);
    return true;
}

bool MoveWindow(HWND hwnd, const TRect& bounds) {
    return SetWindowPos(hwnd, 0, bounds.Left, bounds.Top, bounds.Width(), bounds.Height(),
                        SWP_NOZORDER | SWP_NOACTIVATE);
}

bool ShowWindow(HWND hwnd, int command) {
    WindowSystem* ws = WS();
    Window* w = Live(hwnd);
    if (!w) return false;
    bool wasVisible = w->HasFlag(WS_VISIBLE);
    if (command == SW_MINIMIZE) {
        if (w->IsTopLevel() && w->surface) ws->GetDisplay().Minimize(w->surface);
        return wasVisible;
    }
    bool showing = command != SW_HIDE;
    if (showing != wasVisible) {
        SendMessage(hwnd, WM_SHOWWINDOW, showing ? 1 : 0);
        if (!Live(hwnd)) return wasVisible;
        UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER |
                     (showing ? SWP_SHOWWINDOW : SWP_HIDEWINDOW);
        bool activate = command == SW_SHOW || command == SW_SHOWNORMAL;
        if (!activate) flags |= SWP_NOACTIVATE;
        SetWindowPos(hwnd, 0, 0, 0, 0, 0, flags);
    } else if (showing && w->IsTopLevel() && (command == SW_SHOW || command == SW_SHOWNORMAL) &&
               detail::CanActivate(*ws, *w)) {
        SetActiveWindow(hwnd);
    }
    return wasVisible;
}

HWND SetParent(HWND hwnd, HWND newParent) {
    WindowSystem* ws = WS();
    Window* w = Live(hwnd);
    if (!w) return 0;
    Window* np = newParent ? Live(newParent) : nullptr;
    if (newParent && !np) return 0;
    if (np && ws->IsAncestorOf(hwnd, newParent)) return 0;  // would make a cycle
    HWND oldParent = w->IsChild() ? w->parent : 0;
    if (oldParent == newParent) return oldParent;

    bool visible = ws->IsShown(*w);
    Window* oldRoot = ws->RootOf(*w);
    gfx::Region uncovered = visible && w->IsChild() ? VisibleWindowRegion(*ws, *w) : gfx::Region();
    if (ws->focus && ws->IsAncestorOf(hwnd, ws->focus) && !np) SetFocus(0);
    bool wasActive = ws->active == hwnd;
    std::erase(ws->SiblingsOf(*w), hwnd);
    // Once out of the old parent's list, the old parent repaints what it covered.
    if (!uncovered.IsEmpty()) InvalidateRootArea(*ws, *oldRoot, uncovered);
    Display& display = ws->GetDisplay();
    if (np) {
        if (w->IsTopLevel()) {
            if (w->surface) display.DestroySurface(w->surface);
            w->surface = 0;
            w->backBuffer.reset();
            w->unpresented = {};
            if (wasActive) ws->active = 0;
            ws->RestackDisplay();
        }
        w->style = (w->style | WS_CHILD) & ~WS_POPUP;
        w->parent = newParent;
        w->owner = 0;
        np->children.push_back(hwnd);
    } else {
        w->style &= ~WS_CHILD;
        w->parent = 0;
        w->backBuffer = std::make_shared<gfx::Bitmap>(w->bounds.Width(), w->bounds.Height());
        SurfaceOptions o;
        o.popup = w->HasFlag(WS_POPUP);
        o.topMost = w->HasFlag(WS_EX_TOPMOST);
        o.noActivate = w->HasFlag(WS_EX_NOACTIVATE);
        o.noDecorations = true;
        w->surface = display.CreateSurface(hwnd, w->bounds, o);
        display.SetSurfaceTitle(w->surface, w->text);
        if (w->region) display.SetSurfaceShape(w->surface, &*w->region);
        detail::InsertTopLevel(*ws, hwnd);
        ws->RestackDisplay();
        if (w->HasFlag(WS_VISIBLE)) display.ShowSurface(w->surface, true);
    }
    if (ws->IsShown(*w))
        InvalidateRootArea(*ws, *ws->RootOf(*w), VisibleWindowRegion(*ws, *w));
    if (wasActive && np) detail::ActivateNext(*ws, hwnd, 0);
    return oldParent;
}

bool SetWindowRgn(HWND hwnd, const gfx::Region* region, bool redraw) {
    WindowSystem* ws = WS();
    Window* w = Live(hwnd);
    if (!w) return false;
    gfx::Region oldArea = ws->IsShown(*w) ? VisibleWindowRegion(*ws, *w) : gfx::Region();
    if (region)
        w->region = *region;
    else
        w->region.reset();
    if (w->IsTopLevel() && w->surface)
        ws->GetDisplay().SetSurfaceShape(w->surface, w->region ? &*w->region : nullptr);
    if (redraw && ws->IsShown(*w)) {
        gfx::Region area = gfx::Region::Combine(oldArea, VisibleWindowRegion(*ws, *w),
                                                gfx::RegionOp::Or);
        if (w->IsTopLevel()) area = gfx::Region::FromRect(w->WindowRectLocal());
        InvalidateRootArea(*ws, *ws->RootOf(*w), area);
    }
    return true;
}

std::optional<gfx::Region> GetWindowRgn(HWND hwnd) {
    Window* w = Live(hwnd);
    return w ? w->region : std::nullopt;
}

}  // namespace wm

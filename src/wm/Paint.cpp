#include "wm/Paint.h"

#include <algorithm>

#include "wm/DeviceContext.h"
#include "wm/MessageLoop.h"
#include "wm/VisibleRegion.h"
#include "wm/WindowInternals.h"

namespace wm {

using gfx::Region;
using gfx::RegionOp;

namespace {

WindowSystem* WS() { return WindowSystem::Current(); }

Window* Live(HWND hwnd) {
    WindowSystem* ws = WS();
    return ws ? ws->FindLive(hwnd) : nullptr;
}

TRect ClientLocal(const Window& w) { return {0, 0, w.clientRect.Width(), w.clientRect.Height()}; }

HDC AddDc(WindowSystem& ws, std::unique_ptr<DeviceContext> dc) {
    HDC h = ws.nextDc++;
    ws.dcs.emplace(h, std::move(dc));
    return h;
}

DeviceContext* FindDc(HDC hdc) {
    WindowSystem* ws = WS();
    if (!ws) return nullptr;
    auto it = ws->dcs.find(hdc);
    return it == ws->dcs.end() ? nullptr : it->second.get();
}

// A context on the window's back buffer; `clientOrigin` chooses client or window origin.
HDC MakeWindowDc(WindowSystem& ws, Window& w, bool client, const Region* limit) {
    Window* root = ws.RootOf(w);
    if (!root->backBuffer) return 0;
    Region visible = PaintableRegion(ws, w, client);
    TPoint origin = ws.OriginInRoot(w) + (client ? w.clientRect.TopLeft() : TPoint{});
    if (limit) {
        Region device = *limit;
        device.Offset(origin.X, origin.Y);
        visible = Region::Combine(visible, device, RegionOp::And);
    }
    return AddDc(ws, std::make_unique<DeviceContext>(w.handle, root->backBuffer, origin,
                                                     std::move(visible)));
}

// Releases a context; what it could draw on a back buffer waits to be shown.
void DropDc(WindowSystem& ws, HDC hdc) {
    auto it = ws.dcs.find(hdc);
    if (it == ws.dcs.end()) return;
    DeviceContext& dc = *it->second;
    if (dc.DrawsToBackBuffer())
        if (Window* w = ws.FindLive(dc.Window()))
            if (Window* root = ws.RootOf(*w))
                root->unpresented = Region::Combine(root->unpresented, dc.Visible(), RegionOp::Or);
    ws.dcs.erase(it);
}

HDC RedirectFor(const WindowSystem& ws, HWND hwnd) {
    for (auto it = ws.paintRedirects.rbegin(); it != ws.paintRedirects.rend(); ++it)
        if (it->first == hwnd) return it->second;
    return 0;
}

}  // namespace

namespace detail {

bool NeedsPaint(const Window& w) { return w.frameNeeded || !w.updateRegion.IsEmpty(); }

bool PaintPendingIn(WindowSystem& ws, HWND top) {
    for (HWND h : ws.TreeOf(top)) {
        Window* w = ws.FindLive(h);
        if (w && ws.IsShown(*w) && NeedsPaint(*w)) return true;
    }
    return false;
}

void FlushPresent(WindowSystem& ws) {
    for (HWND h : ws.topLevels) {
        Window* w = ws.Find(h);
        if (!w || w->unpresented.IsEmpty() || !w->surface || !w->backBuffer) continue;
        // A window's first frame goes out whole: what its frame or a control draws while
        // the window's first paint is still to come waits for that paint (showing it at
        // once only flashed a frame without content, at the cost of a transfer each).
        if (!w->everPresented && PaintPendingIn(ws, h)) continue;
        Region area = Region::Combine(w->unpresented, Region::FromRect(w->backBuffer->Bounds()),
                                      RegionOp::And);
        w->unpresented = {};
        if (!area.IsEmpty()) {
            ws.GetDisplay().Present(w->surface, *w->backBuffer, area);
            w->everPresented = true;
        }
    }
}

HWND FindWindowToPaint(WindowSystem& ws) {
    for (HWND top : ws.topLevels) {
        Window* t = ws.FindLive(top);
        if (!t || !t->HasFlag(WS_VISIBLE)) continue;
        for (HWND h : ws.TreeOf(top)) {
            Window* w = ws.FindLive(h);
            if (!w || !NeedsPaint(*w)) continue;
            if (ws.IsShown(*w)) return h;
        }
    }
    return 0;
}

void PaintWindow(WindowSystem& ws, HWND hwnd) {
    Window* w = ws.FindLive(hwnd);
    if (!w) return;
    if (w->frameNeeded) {
        w->frameNeeded = false;
        SendMessage(hwnd, WM_NCPAINT, 1, 0);
        if (!(w = ws.FindLive(hwnd))) return;
    }
    if (w->updateRegion.IsEmpty()) return;
    int began = w->beginPaintCount;
    SendMessage(hwnd, WM_PAINT);
    // A procedure that never called BeginPaint would otherwise be asked forever.
    if ((w = ws.FindLive(hwnd)) && w->beginPaintCount == began) {
        w->updateRegion = {};
        w->eraseNeeded = false;
    }
}

}  // namespace detail

bool InvalidateRgn(HWND hwnd, const Region* clientRegion, bool erase) {
    Window* w = Live(hwnd);
    if (!w) return false;
    Region area = Region::FromRect(ClientLocal(*w));
    if (clientRegion) area = Region::Combine(area, *clientRegion, RegionOp::And);
    if (area.IsEmpty()) return true;
    w->updateRegion = Region::Combine(w->updateRegion, area, RegionOp::Or);
    w->eraseNeeded = w->eraseNeeded || erase;
    return true;
}

bool InvalidateRect(HWND hwnd, const TRect* rect, bool erase) {
    if (!rect) return InvalidateRgn(hwnd, nullptr, erase);
    Region area = Region::FromRect(*rect);
    return InvalidateRgn(hwnd, &area, erase);
}

bool ValidateRect(HWND hwnd, const TRect* rect) {
    Window* w = Live(hwnd);
    if (!w) return false;
    if (!rect) {
        w->updateRegion = {};
        w->eraseNeeded = false;
    } else {
        w->updateRegion = Region::Combine(w->updateRegion, Region::FromRect(*rect), RegionOp::Diff);
        if (w->updateRegion.IsEmpty()) w->eraseNeeded = false;
    }
    return true;
}

bool InvalidateFrame(HWND hwnd) {
    Window* w = Live(hwnd);
    if (!w) return false;
    w->frameNeeded = true;
    return true;
}

Region GetUpdateRegion(HWND hwnd) {
    Window* w = Live(hwnd);
    return w ? w->updateRegion : Region();
}

bool UpdateWindow(HWND hwnd) {
    WindowSystem* ws = WS();
    Window* w = Live(hwnd);
    if (!w) return false;
    for (HWND h : ws->TreeOf(hwnd)) {
        Window* c = ws->FindLive(h);
        if (c && ws->IsShown(*c) && detail::NeedsPaint(*c))
            detail::PaintWindow(*ws, h);
    }
    detail::FlushPresent(*ws);
    return true;
}

HDC BeginPaint(HWND hwnd, PAINTSTRUCT& ps) {
    WindowSystem* ws = WS();
    ps = PAINTSTRUCT{};
    if (!ws) return 0;
    if (HDC redirect = RedirectFor(*ws, hwnd)) {
        Window* w = ws->FindLive(hwnd);
        ps.hdc = redirect;
        ps.rcPaint = w ? ClientLocal(*w) : TRect{};
        return redirect;
    }
    Window* w = ws->FindLive(hwnd);
    if (!w) return 0;
    ++w->beginPaintCount;
    Region update = w->updateRegion;
    bool erase = w->eraseNeeded;
    w->updateRegion = {};
    w->eraseNeeded = false;
    HDC hdc = MakeWindowDc(*ws, *w, true, &update);
    if (!hdc) return 0;
    ps.hdc = hdc;
    ps.rcPaint = update.Bounds();
    if (erase) ps.fErase = SendMessage(hwnd, WM_ERASEBKGND, hdc) == 0;
    return hdc;
}

bool EndPaint(HWND hwnd, const PAINTSTRUCT& ps) {
    WindowSystem* ws = WS();
    if (!ws || !FindDc(ps.hdc)) return false;
    if (RedirectFor(*ws, hwnd) == ps.hdc) return true;  // owned by PaintParentBackground
    DropDc(*ws, ps.hdc);
    return true;
}

HDC GetDC(HWND hwnd) {
    WindowSystem* ws = WS();
    Window* w = Live(hwnd);
    return w ? MakeWindowDc(*ws, *w, true, nullptr) : 0;
}

HDC GetWindowDC(HWND hwnd) {
    WindowSystem* ws = WS();
    Window* w = Live(hwnd);
    return w ? MakeWindowDc(*ws, *w, false, nullptr) : 0;
}

bool ReleaseDC(HWND hwnd, HDC hdc) {
    WindowSystem* ws = WS();
    if (!ws || !FindDc(hdc)) return false;
    for (const auto& r : ws->paintRedirects)
        if (r.second == hdc) return false;  // released by its owner
    DropDc(*ws, hdc);
    detail::FlushPresent(*ws);
    return true;
}

gfx::Canvas* GetCanvas(HDC hdc) {
    DeviceContext* dc = FindDc(hdc);
    return dc ? &dc->Canvas() : nullptr;
}

HWND WindowFromDC(HDC hdc) {
    DeviceContext* dc = FindDc(hdc);
    return dc ? dc->Window() : 0;
}

bool SelectClipRegion(HDC hdc, const Region* logical) {
    DeviceContext* dc = FindDc(hdc);
    if (!dc) return false;
    dc->SelectClip(logical);
    return true;
}

bool IntersectClipRect(HDC hdc, const TRect& logical) {
    DeviceContext* dc = FindDc(hdc);
    if (!dc) return false;
    dc->Canvas().IntersectClipRect(logical);
    return true;
}

bool PaintParentBackground(HWND child, gfx::Bitmap& target, TPoint targetOrigin) {
    WindowSystem* ws = WS();
    Window* c = Live(child);
    if (!c || !c->IsChild()) return false;
    HWND parent = c->parent;
    if (!ws->FindLive(parent)) return false;
    // Target pixel (0, 0) is the child's client point targetOrigin, i.e. this point of the
    // parent's client area:
    TPoint inParent = c->bounds.TopLeft() + c->clientRect.TopLeft() + targetOrigin;
    HDC hdc = AddDc(*ws, std::make_unique<DeviceContext>(
                             parent, target, TPoint{-inParent.X, -inParent.Y},
                             Region::FromRect(target.Bounds())));
    ws->paintRedirects.emplace_back(parent, hdc);
    SendMessage(parent, WM_ERASEBKGND, hdc);
    SendMessage(parent, WM_PAINT, hdc);
    auto it = std::find(ws->paintRedirects.begin(), ws->paintRedirects.end(),
                        std::pair<HWND, HDC>(parent, hdc));
    if (it != ws->paintRedirects.end()) ws->paintRedirects.erase(it);
    ws->dcs.erase(hdc);
    return true;
}

gfx::Bitmap CaptureWindow(HWND hwnd) {
    WindowSystem* ws = WS();
    Window* w = Live(hwnd);
    if (!w) return {};
    Window* root = ws->RootOf(*w);
    if (!root->backBuffer) return {};
    gfx::Bitmap out(w->bounds.Width(), w->bounds.Height());
    TPoint o = ws->OriginInRoot(*w);
    gfx::StretchCopy(out, out.Bounds(), *root->backBuffer,
                     TRect::FromSize(o.X, o.Y, out.Width(), out.Height()));
    return out;
}

}  // namespace wm

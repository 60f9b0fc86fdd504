#include "wm/DefWindowProc.h"

#include "wm/DefaultFrame.h"
#include "wm/Input.h"
#include "wm/MessageLoop.h"
#include "wm/Paint.h"
#include "wm/SizeMoveLoop.h"
#include "wm/WindowSystem.h"
#include "wm/Windows.h"

namespace wm {

namespace {

constexpr int kVkTab = 0x09, kVkShift = 0x10, kVkMenu = 0x12, kVkF4 = 0x73;

LRESULT HitTest(const Window& w, HWND hwnd, LPARAM lParam) {
    TPoint p = PointFromParam(lParam) - GetWindowRect(hwnd).TopLeft();
    if (DefaultFrame::HasFrame(w.style))
        return DefaultFrame::HitTest(w.style, w.clientRect, w.bounds.Width(), w.bounds.Height(), p);
    if (w.clientRect.Contains(p)) return HTCLIENT;
    return w.WindowRectLocal().Contains(p) ? HTBORDER : HTNOWHERE;
}

void PaintFrame(const Window& w, HWND hwnd) {
    if (!DefaultFrame::HasFrame(w.style)) return;
    WindowStyle style = w.style;
    int width = w.bounds.Width(), height = w.bounds.Height();
    std::string title = w.text;
    bool active = w.ncActive;
    HDC hdc = GetWindowDC(hwnd);
    if (gfx::Canvas* canvas = GetCanvas(hdc)) {
        // The client area is the window's own business.
        gfx::Region frame = gfx::Region::Combine(gfx::Region::FromRect({0, 0, width, height}),
                                                 gfx::Region::FromRect(w.clientRect),
                                                 gfx::RegionOp::Diff);
        SelectClipRegion(hdc, &frame);
        DefaultFrame::Paint(*canvas, style, width, height, title, active);
    }
    ReleaseDC(hwnd, hdc);
}

LRESULT SysCommand(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    WPARAM command = wParam & 0xFFF0;
    TPoint at = lParam ? PointFromParam(lParam) : GetCursorPos();
    switch (command) {
        case SC_CLOSE: SendMessage(hwnd, WM_CLOSE); break;
        case SC_MOVE: RunSizeMoveLoop(hwnd, HTCAPTION, at); break;
        case SC_SIZE: {
            int edge = static_cast<int>(wParam & 0xF);
            if (edge >= 1 && edge <= 8) RunSizeMoveLoop(hwnd, edge + 9, at);
            break;
        }
        case SC_MINIMIZE: ShowWindow(hwnd, SW_MINIMIZE); break;
        default: break;
    }
    return 0;
}

}  // namespace

LRESULT DefWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    WindowSystem* ws = WindowSystem::Current();
    Window* w = ws ? ws->FindLive(hwnd) : nullptr;
    if (!w) return 0;
    switch (msg) {
        case WM_NCCREATE: return 1;
        case WM_NCCALCSIZE: {
            auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam);
            if (params) params->rgrc[0] = DefaultFrame::ClientRect(w->style, params->rgrc[0]);
            return 0;
        }
        case WM_NCHITTEST: return HitTest(*w, hwnd, lParam);
        case WM_NCPAINT: PaintFrame(*w, hwnd); return 0;
        case WM_NCACTIVATE:
            w->ncActive = wParam != 0;
            if (DefaultFrame::HasFrame(w->style)) InvalidateFrame(hwnd);
            return 1;
        case WM_ERASEBKGND: {
            gfx::Canvas* canvas = GetCanvas(static_cast<HDC>(wParam));
            if (!canvas || w->background == clNone) return 0;
            canvas->Save();
            canvas->Brush().style = gfx::BrushStyle::Solid;
            canvas->Brush().color = w->background;
            canvas->FillRect(GetClientRect(hwnd));
            canvas->Restore();
            return 1;
        }
        case WM_PAINT: {
            PAINTSTRUCT ps;
            BeginPaint(hwnd, ps);
            EndPaint(hwnd, ps);
            return 0;
        }
        case WM_SETCURSOR: {
            int hit = static_cast<int16_t>(LowWord(static_cast<uintptr_t>(lParam)));
            SetCursor(hit == HTCLIENT ? w->cursor : CursorForHitCode(hit));
            return 1;
        }
        case WM_MOUSEACTIVATE: {
            if (w->IsChild()) {
                LRESULT r = SendMessage(w->parent, WM_MOUSEACTIVATE, wParam, lParam);
                if (r) return r;
            }
            return w->HasFlag(WS_EX_NOACTIVATE) ? MA_NOACTIVATE : MA_ACTIVATE;
        }
        case WM_NCLBUTTONDOWN: {
            int hit = static_cast<int>(wParam);
            if (hit == HTCAPTION) return SendMessage(hwnd, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, lParam);
            if (IsSizingHitCode(hit))
                return SendMessage(hwnd, WM_SYSCOMMAND, SC_SIZE + static_cast<WPARAM>(hit - 9), lParam);
            return 0;
        }
        case WM_NCLBUTTONUP:
            if (static_cast<int>(wParam) == HTCLOSE) SendMessage(hwnd, WM_SYSCOMMAND, SC_CLOSE, lParam);
            return 0;
        case WM_SYSCOMMAND: return SysCommand(hwnd, wParam, lParam);
        case WM_CLOSE: DestroyWindow(hwnd); return 0;
        case WM_SYSKEYUP:
            if ((wParam == kVkMenu && ws->altTapped) || wParam == VK_F10) {
                ws->altTapped = false;
                SendMessage(GetRootWindow(hwnd), WM_SYSCOMMAND, SC_KEYMENU, 0);
            }
            return 0;
        case WM_SYSKEYDOWN:
            if (wParam == kVkF4 && (GetKeyState(kVkMenu) & 0x8000))
                SendMessage(GetRootWindow(hwnd), WM_SYSCOMMAND, SC_CLOSE, 0);
            return 0;
        case WM_KEYDOWN:
            if (wParam == kVkTab) {
                bool back = (GetKeyState(kVkShift) & 0x8000) != 0;
                if (HWND next = GetNextTabStop(GetRootWindow(hwnd), hwnd, back)) SetFocus(next);
            }
            return 0;
        case WM_MOUSEWHEEL:
            return w->IsChild() ? SendMessage(w->parent, msg, wParam, lParam) : 0;
        case WM_CANCELMODE:
            if (ws->capture == hwnd) ReleaseCapture();
            return 0;
        case WM_SETTEXT: {
            const char* text = reinterpret_cast<const char*>(lParam);
            w->text = text ? text : "";
            if (w->IsTopLevel() && w->surface) ws->GetDisplay().SetSurfaceTitle(w->surface, w->text);
            if (w->HasFlag(WS_CAPTION)) InvalidateFrame(hwnd);
            return 1;
        }
        default: return 0;
    }
}

}  // namespace wm

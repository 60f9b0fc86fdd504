#include "wm/SizeMoveLoop.h"

#include <algorithm>

#include "wm/Input.h"
#include "wm/MessageLoop.h"
#include "wm/Windows.h"

namespace wm {

namespace {

constexpr int kVkReturn = 0x0D, kVkEscape = 0x1B;

bool MovesLeft(int hit) { return hit == HTLEFT || hit == HTTOPLEFT || hit == HTBOTTOMLEFT; }
bool MovesRight(int hit) { return hit == HTRIGHT || hit == HTTOPRIGHT || hit == HTBOTTOMRIGHT; }
bool MovesTop(int hit) { return hit == HTTOP || hit == HTTOPLEFT || hit == HTTOPRIGHT; }
bool MovesBottom(int hit) {
    return hit == HTBOTTOM || hit == HTBOTTOMLEFT || hit == HTBOTTOMRIGHT;
}

// The start rectangle dragged by (dx, dy) on the edges of `hit`, kept within the limits.
TRect Dragged(const TRect& start, int hit, int dx, int dy, const MINMAXINFO& limits) {
    if (hit == HTCAPTION) return start.Offset(dx, dy);
    TRect r = start;
    if (MovesLeft(hit)) r.Left += dx;
    if (MovesRight(hit)) r.Right += dx;
    if (MovesTop(hit)) r.Top += dy;
    if (MovesBottom(hit)) r.Bottom += dy;
    int width = std::clamp(r.Width(), limits.ptMinTrackSize.X, limits.ptMaxTrackSize.X);
    int height = std::clamp(r.Height(), limits.ptMinTrackSize.Y, limits.ptMaxTrackSize.Y);
    if (MovesLeft(hit)) r.Left = r.Right - width; else r.Right = r.Left + width;
    if (MovesTop(hit)) r.Top = r.Bottom - height; else r.Bottom = r.Top + height;
    return r;
}

// Ends the loop's hold on the pointer also when a procedure throws.
class PointerHold {
public:
    PointerHold(WindowSystem& ws, HWND hwnd, SurfaceId surface) : ws_(ws), hwnd_(hwnd) {
        SetCapture(hwnd);
        ws.GetDisplay().GrabPointer(surface);
    }
    ~PointerHold() {
        ws_.GetDisplay().UngrabPointer();
        if (GetCapture() == hwnd_) ReleaseCapture();
    }
    PointerHold(const PointerHold&) = delete;
    PointerHold& operator=(const PointerHold&) = delete;

private:
    WindowSystem& ws_;
    HWND hwnd_;
};

void Apply(HWND hwnd, const TRect& r) {
    SetWindowPos(hwnd, 0, r.Left, r.Top, r.Width(), r.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

// The loop proper: true when it ended by a quit.
bool Track(WindowSystem& ws, HWND hwnd, int hit, const TRect& start, TPoint startScreen,
           const MINMAXINFO& limits) {
    MSG msg;
    while (ws.FindLive(hwnd) && GetCapture() == hwnd) {
        if (!GetMessage(msg)) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return true;
        }
        if (CallMessageHooks(msg)) continue;
        if (msg.message == WM_MOUSEMOVE || msg.message == WM_NCMOUSEMOVE) {
            TRect r = Dragged(start, hit, msg.pt.X - startScreen.X, msg.pt.Y - startScreen.Y, limits);
            if (hit == HTCAPTION)
                SendMessage(hwnd, WM_MOVING, 0, reinterpret_cast<LPARAM>(&r));
            else
                SendMessage(hwnd, WM_SIZING, static_cast<WPARAM>(hit - 9),
                            reinterpret_cast<LPARAM>(&r));
            if (ws.FindLive(hwnd) && r != GetWindowRect(hwnd)) Apply(hwnd, r);
        } else if (msg.message == WM_LBUTTONUP || msg.message == WM_NCLBUTTONUP) {
            return false;
        } else if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
            if (msg.wParam == kVkEscape) {
                Apply(hwnd, start);
                return false;
            }
            if (msg.wParam == kVkReturn) return false;
        } else if ((msg.message >= WM_LBUTTONDOWN && msg.message <= WM_MBUTTONDBLCLK) ||
                   (msg.message >= WM_NCLBUTTONDOWN && msg.message <= WM_NCMBUTTONDBLCLK) ||
                   msg.message == WM_KEYUP || msg.message == WM_SYSKEYUP ||
                   msg.message == WM_CHAR || msg.message == WM_SYSCHAR) {
            // The loop owns mouse and keyboard until it ends.
        } else {
            TranslateMessage(msg);
            DispatchMessage(msg);
        }
    }
    return false;
}

}  // namespace

bool RunSizeMoveLoop(HWND hwnd, int hit, TPoint startScreen) {
    WindowSystem* ws = WindowSystem::Current();
    Window* w = ws ? ws->FindLive(hwnd) : nullptr;
    if (!w || !w->IsTopLevel() || !(hit == HTCAPTION || IsSizingHitCode(hit))) return false;
    const TRect start = w->bounds;
    SurfaceId surface = w->surface;
    TRect screen = GetScreenRect();
    MINMAXINFO limits;
    limits.ptMaxSize = {screen.Width(), screen.Height()};
    limits.ptMinTrackSize = {1, 1};
    limits.ptMaxTrackSize = {32767, 32767};
    SendMessage(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    limits.ptMaxTrackSize.X = std::max(limits.ptMaxTrackSize.X, limits.ptMinTrackSize.X);
    limits.ptMaxTrackSize.Y = std::max(limits.ptMaxTrackSize.Y, limits.ptMinTrackSize.Y);
    if (!ws->FindLive(hwnd)) return false;

    bool quit;
    {
        PointerHold hold(*ws, hwnd, surface);
        SendMessage(hwnd, WM_ENTERSIZEMOVE);
        quit = Track(*ws, hwnd, hit, start, startScreen, limits);
    }
    if (ws->FindLive(hwnd)) SendMessage(hwnd, WM_EXITSIZEMOVE);
    return !quit;
}

}  // namespace wm

// Turning the display's input events into window messages: the window under the pointer
// (or the capture), hit codes, activation by click, double clicks, enter/leave notices,
// keys to the focus.
#include <cstdlib>

#include "wm/Input.h"
#include "wm/MessageLoop.h"
#include "wm/WindowInternals.h"
#include "wm/Windows.h"

namespace wm::detail {

namespace {

constexpr uint64_t kDoubleClickTime = 500;  // ms between the two presses
constexpr int kDoubleClickDistance = 2;     // pixels either way

constexpr int kVkShift = 0x10, kVkControl = 0x11, kVkMenu = 0x12;

int ButtonKey(MouseButton b) {
    switch (b) {
        case MouseButton::Left: return VK_LBUTTON;
        case MouseButton::Right: return VK_RBUTTON;
        default: return VK_MBUTTON;
    }
}

// WM_LBUTTONDOWN / WM_RBUTTONDOWN / WM_MBUTTONDOWN; up = +1, double click = +2.
UINT ClientDownMessage(MouseButton b) {
    switch (b) {
        case MouseButton::Left: return WM_LBUTTONDOWN;
        case MouseButton::Right: return WM_RBUTTONDOWN;
        default: return WM_MBUTTONDOWN;
    }
}
UINT NonClientDownMessage(MouseButton b) {
    switch (b) {
        case MouseButton::Left: return WM_NCLBUTTONDOWN;
        case MouseButton::Right: return WM_NCRBUTTONDOWN;
        default: return WM_NCMBUTTONDOWN;
    }
}

MSG MakeMessage(WindowSystem& ws, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return MSG{hwnd, message, wParam, lParam, ws.Now(), ws.pointer.screen, 0};
}

// A mouse message for a window: client messages carry client coordinates and the key
// flags, non-client ones the hit code and screen coordinates.
MSG MouseMessage(WindowSystem& ws, HWND hwnd, int hit, UINT clientMsg, UINT ncMsg) {
    TPoint screen = ws.pointer.screen;
    if (hit == HTCLIENT)
        return MakeMessage(ws, hwnd, clientMsg, CurrentMouseKeys(),
                           MakePointParam(ScreenToClient(hwnd, screen)));
    return MakeMessage(ws, hwnd, ncMsg, static_cast<WPARAM>(hit), MakePointParam(screen));
}

bool RootEnabled(WindowSystem& ws, HWND hwnd) {
    Window* w = ws.FindLive(hwnd);
    return w && !ws.RootOf(*w)->HasFlag(WS_DISABLED);
}

// Enter/leave notices when the window under the pointer changes.
void UpdateHover(WindowSystem& ws, const HitResult& hit) {
    HWND now = hit.hwnd && hit.hit != HTERROR && RootEnabled(ws, hit.hwnd) ? hit.hwnd : 0;
    HWND old = ws.pointer.hover;
    if (now == old) return;
    ws.pointer.hover = now;
    if (ws.FindLive(old)) SendMessage(old, WM_MOUSELEAVE);
    if (ws.FindLive(now) && ws.pointer.hover == now)
        SendMessage(now, WM_MOUSEENTER, 0, MakePointParam(ScreenToClient(now, ws.pointer.screen)));
}

void SendSetCursor(HWND hwnd, int hit, UINT mouseMsg) {
    SendMessage(hwnd, WM_SETCURSOR, hwnd,
                static_cast<LPARAM>(MakeLong(static_cast<unsigned>(hit), mouseMsg)));
}

bool IsDoubleClick(WindowSystem& ws, HWND hwnd, int hit, UINT downMsg) {
    const auto& p = ws.pointer;
    Window* w = ws.FindLive(hwnd);
    bool wanted = hit != HTCLIENT || (w && w->HasFlag(CS_DBLCLKS));
    return wanted && !p.lastWasDoubleClick && p.lastDownWindow == hwnd && p.lastDownHit == hit &&
           p.lastDownMessage == downMsg && ws.Now() - p.lastDownTime <= kDoubleClickTime &&
           std::abs(p.screen.X - p.lastDownPoint.X) <= kDoubleClickDistance &&
           std::abs(p.screen.Y - p.lastDownPoint.Y) <= kDoubleClickDistance;
}

bool TranslateButtonDown(WindowSystem& ws, const InputEvent& e, MSG& out) {
    ws.keyDown[static_cast<size_t>(ButtonKey(e.button))] = true;
    ws.altTapPending = false;
    HWND target = ws.capture;
    int hit = HTCLIENT;
    if (!ws.FindLive(target)) {
        HitResult r = HitTestScreen(ws, ws.pointer.screen);
        UpdateHover(ws, r);
        if (!r.hwnd) return false;
        if (r.hit == HTERROR || !RootEnabled(ws, r.hwnd)) {
            ws.GetDisplay().Beep();  // a window disabled by a modal loop
            return false;
        }
        target = r.hwnd;
        hit = r.hit;
        Window* root = ws.RootOf(*ws.FindLive(target));
        HWND top = root->handle;
        if (top != ws.active && CanActivate(ws, *root)) {
            LRESULT ma = SendMessage(target, WM_MOUSEACTIVATE, top,
                                     static_cast<LPARAM>(MakeLong(static_cast<unsigned>(hit),
                                                                  ClientDownMessage(e.button))));
            if (ma == MA_ACTIVATE || ma == MA_ACTIVATEANDEAT)
                ActivateTopLevel(ws, top, WA_CLICKACTIVE, true);
            if (ma == MA_ACTIVATEANDEAT || ma == MA_NOACTIVATEANDEAT) return false;
        }
        if (!ws.FindLive(target)) return false;
        SendSetCursor(target, hit, ClientDownMessage(e.button));
        if (hit == HTCLIENT)
            NotifyParents(ws, target, ClientDownMessage(e.button), MakePointParam(ws.pointer.screen));
        if (!ws.FindLive(target)) return false;
    }
    UINT clientDown = ClientDownMessage(e.button);
    UINT ncDown = NonClientDownMessage(e.button);
    bool dbl = IsDoubleClick(ws, target, hit, clientDown);
    auto& p = ws.pointer;
    p.lastWasDoubleClick = dbl;
    p.lastDownWindow = target;
    p.lastDownHit = hit;
    p.lastDownMessage = clientDown;
    p.lastDownTime = ws.Now();
    p.lastDownPoint = p.screen;
    out = MouseMessage(ws, target, hit, clientDown + (dbl ? 2 : 0), ncDown + (dbl ? 2 : 0));
    return true;
}

bool TranslatePointer(WindowSystem& ws, const InputEvent& e, MSG& out) {
    ws.pointer.screen = e.screen;
    if (e.kind == InputEvent::Kind::ButtonDown) return TranslateButtonDown(ws, e, out);
    if (e.kind == InputEvent::Kind::ButtonUp)
        ws.keyDown[static_cast<size_t>(ButtonKey(e.button))] = false;

    HitResult r = HitTestScreen(ws, e.screen);
    UpdateHover(ws, r);
    HWND target = ws.capture;
    int hit = HTCLIENT;
    if (!ws.FindLive(target)) {
        if (!r.hwnd || r.hit == HTERROR || !RootEnabled(ws, r.hwnd)) {
            if (e.kind == InputEvent::Kind::PointerMove) SetCursor(CursorShape::Arrow);
            return false;
        }
        target = r.hwnd;
        hit = r.hit;
    }
    if (e.kind == InputEvent::Kind::PointerMove) {
        if (!ws.capture) SendSetCursor(target, hit, WM_MOUSEMOVE);
        if (!ws.FindLive(target)) return false;
        out = MouseMessage(ws, target, hit, WM_MOUSEMOVE, WM_NCMOUSEMOVE);
        return true;
    }
    out = MouseMessage(ws, target, hit, ClientDownMessage(e.button) + 1,
                       NonClientDownMessage(e.button) + 1);
    return true;
}

bool TranslateKey(WindowSystem& ws, const InputEvent& e, MSG& out) {
    int vk = e.virtualKey & 0xFF;
    bool down = e.kind == InputEvent::Kind::KeyDown;
    ws.keyDown[static_cast<size_t>(vk)] = down;
    if (down) {
        if (vk == kVkMenu) {
            if (!e.repeat) ws.altTapPending = true;
        } else {
            ws.altTapPending = false;  // Alt with another key is a chord, not a tap
        }
    } else if (vk == kVkMenu) {
        ws.altTapped = ws.altTapPending;
        ws.altTapPending = false;
    }
    HWND target = ws.FindLive(ws.focus) ? ws.focus : ws.active;
    if (!ws.FindLive(target)) return false;
    bool alt = ws.keyDown[kVkMenu] || vk == kVkMenu;
    bool ctrl = ws.keyDown[kVkControl];
    bool sys = (alt && !ctrl) || (vk == VK_F10 && !ctrl);
    UINT message = down ? (sys ? WM_SYSKEYDOWN : WM_KEYDOWN) : (sys ? WM_SYSKEYUP : WM_KEYUP);
    // Key data: repeat count 1, bit 29 while Alt is held, bit 30 previous state, bit 31 up.
    uintptr_t data = 1;
    if (alt) data |= 1u << 29;
    if (!down || e.repeat) data |= 1u << 30;
    if (!down) data |= 1u << 31;
    out = MakeMessage(ws, target, message, static_cast<WPARAM>(vk), static_cast<LPARAM>(data));
    if (down) out.character = e.character;
    return true;
}

Window* WindowOfSurface(WindowSystem& ws, SurfaceId surface) {
    for (HWND h : ws.topLevels)
        if (Window* w = ws.FindLive(h); w && w->surface == surface) return w;
    return nullptr;
}

}  // namespace

bool TranslateInput(WindowSystem& ws, const InputEvent& e, MSG& out) {
    using K = InputEvent::Kind;
    // The event's own modifier state wins over the presses and releases seen so far; a
    // modifier key's own press or release is applied on top by TranslateKey.
    if (e.modifiers) {
        ws.keyDown[kVkShift] = e.modifiers->shift;
        ws.keyDown[kVkControl] = e.modifiers->control;
        ws.keyDown[kVkMenu] = e.modifiers->alt;
    }
    switch (e.kind) {
        case K::PointerMove:
        case K::ButtonDown:
        case K::ButtonUp: return TranslatePointer(ws, e, out);
        case K::PointerLeave:
            UpdateHover(ws, HitResult{});
            return false;
        case K::Wheel: {
            ws.pointer.screen = e.screen;
            HWND target = ws.FindLive(ws.focus) ? ws.focus : ws.active;
            if (!ws.FindLive(target) || !RootEnabled(ws, target)) return false;
            out = MakeMessage(ws, target, WM_MOUSEWHEEL,
                              MakeLong(static_cast<unsigned>(CurrentMouseKeys()),
                                       static_cast<unsigned>(e.wheelDelta)),
                              MakePointParam(e.screen));
            return true;
        }
        case K::KeyDown:
        case K::KeyUp: return TranslateKey(ws, e, out);
        case K::FocusIn:
            if (Window* w = WindowOfSurface(ws, e.surface)) ActivateTopLevel(ws, w->handle, WA_ACTIVE, false);
            return false;
        case K::FocusOut:
            if (Window* w = WindowOfSurface(ws, e.surface); w && ws.active == w->handle) Deactivate(ws);
            return false;
        case K::CloseRequest:
            if (Window* w = WindowOfSurface(ws, e.surface)) {
                out = MakeMessage(ws, w->handle, WM_SYSCOMMAND, SC_CLOSE, 0);
                return true;
            }
            return false;
        case K::Expose:
            if (Window* w = WindowOfSurface(ws, e.surface); w && w->backBuffer)
                ws.GetDisplay().Present(w->surface, *w->backBuffer, gfx::Region::FromRect(e.area));
            return false;
    }
    return false;
}

}  // namespace wm::detail

// Capture, key state, the pointer position and the cursor shape.
#include "wm/Input.h"

#include "wm/MessageLoop.h"
#include "wm/WindowSystem.h"

namespace wm {

namespace {
WindowSystem* WS() { return WindowSystem::Current(); }
}  // namespace

HWND SetCapture(HWND hwnd) {
    WindowSystem* ws = WS();
    if (!ws) return 0;
    if (hwnd == 0) {
        HWND old = ws->capture;
        ReleaseCapture();
        return old;
    }
    if (!ws->FindLive(hwnd)) return 0;
    HWND old = ws->capture;
    if (old == hwnd) return old;
    ws->capture = hwnd;
    if (ws->FindLive(old)) {
        SendMessage(old, WM_CAPTURECHANGED, 0, static_cast<LPARAM>(hwnd));
        SendMessage(old, WM_CANCELMODE);
    }
    return old;
}

bool ReleaseCapture() {
    WindowSystem* ws = WS();
    if (!ws || !ws->capture) return ws != nullptr;
    HWND old = ws->capture;
    ws->capture = 0;
    if (ws->FindLive(old)) SendMessage(old, WM_CAPTURECHANGED, 0, 0);
    return true;
}

HWND GetCapture() {
    WindowSystem* ws = WS();
    return ws && ws->FindLive(ws->capture) ? ws->capture : 0;
}

int16_t GetKeyState(int virtualKey) {
    WindowSystem* ws = WS();
    if (!ws || virtualKey < 0 || virtualKey > 255) return 0;
    return ws->keyDown[static_cast<size_t>(virtualKey)] ? static_cast<int16_t>(0x8000) : 0;
}

WPARAM CurrentMouseKeys() {
    WindowSystem* ws = WS();
    if (!ws) return 0;
    WPARAM keys = 0;
    if (ws->keyDown[VK_LBUTTON]) keys |= MK_LBUTTON;
    if (ws->keyDown[VK_RBUTTON]) keys |= MK_RBUTTON;
    if (ws->keyDown[VK_MBUTTON]) keys |= MK_MBUTTON;
    if (ws->keyDown[0x10]) keys |= MK_SHIFT;
    if (ws->keyDown[0x11]) keys |= MK_CONTROL;
    return keys;
}

TPoint GetCursorPos() {
    WindowSystem* ws = WS();
    return ws ? ws->pointer.screen : TPoint{};
}

void SetCursor(CursorShape shape) {
    WindowSystem* ws = WS();
    if (!ws) return;
    if (ws->waitCursorCount > 0) shape = CursorShape::Wait;
    if (shape == ws->shownCursor) return;
    ws->shownCursor = shape;
    ws->GetDisplay().SetCursor(shape);
}

void SetWaitCursor(bool on) {
    WindowSystem* ws = WS();
    if (!ws) return;
    ws->waitCursorCount += on ? 1 : -1;
    if (ws->waitCursorCount < 0) ws->waitCursorCount = 0;
    if (ws->waitCursorCount > 0) {
        SetCursor(CursorShape::Wait);
    } else if (ws->FindLive(ws->pointer.hover)) {
        SendMessage(ws->pointer.hover, WM_SETCURSOR, ws->pointer.hover,
                    static_cast<LPARAM>(MakeLong(HTCLIENT, WM_MOUSEMOVE)));
    } else {
        SetCursor(CursorShape::Arrow);
    }
}

}  // namespace wm

#pragma once
// Helpers shared by the implementation files of the window system; not for other layers.

#include "gfx/Region.h"
#include "wm/WindowSystem.h"

namespace wm::detail {

// Asks WM_NCCALCSIZE for the client area of the current bounds.
void RecalcClientRect(WindowSystem& ws, Window& w);
// Puts a top-level into the stacking on top of its class (top-most or not).
void InsertTopLevel(WindowSystem& ws, HWND hwnd);
// Sends WM_PARENTNOTIFY (wParam: message in the low word, child id in the high word) to
// every ancestor of a child window.
void NotifyParents(WindowSystem& ws, HWND child, UINT message, LPARAM lParam);

struct HitResult {
    HWND hwnd = 0;
    int hit = HTNOWHERE;
};
// The window under a screen point and its WM_NCHITTEST answer; windows answering
// HTTRANSPARENT pass the point on to what lies beneath them.
HitResult HitTestScreen(WindowSystem& ws, TPoint screen);

// Focus and activation bookkeeping.
void ActivateTopLevel(WindowSystem& ws, HWND top, WPARAM how, bool tellDisplay);
void Deactivate(WindowSystem& ws);
// The active window is going away (hidden, destroyed): activate its owner or the topmost
// other visible, enabled window that may be activated.
void ActivateNext(WindowSystem& ws, HWND leaving, HWND ownerHint);
bool CanActivate(const WindowSystem& ws, const Window& w);
// Moves focus, capture and activation off a window (and its descendants) being hidden or
// destroyed.
void DetachInput(WindowSystem& ws, HWND hwnd);

// Paint helpers.
void FlushPresent(WindowSystem& ws);
// Turns one queued input event into the message the loop returns; false when it makes
// none (the pointer over no window, a click on a disabled window ...).
bool TranslateInput(WindowSystem& ws, const InputEvent& event, MSG& out);
// The window that needs painting first, 0 for none.
HWND FindWindowToPaint(WindowSystem& ws);
void PaintWindow(WindowSystem& ws, HWND hwnd);

}  // namespace wm::detail

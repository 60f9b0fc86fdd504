#pragma once
// Capture, keyboard focus, activation, key state and the pointer.

#include "wm/Cursor.h"
#include "wm/Messages.h"

namespace wm {

// Mouse messages go to this window wherever the pointer is. The window losing the capture
// to another window gets WM_CANCELMODE and WM_CAPTURECHANGED (lParam: the new window).
HWND SetCapture(HWND hwnd);
bool ReleaseCapture();  // the window gets WM_CAPTURECHANGED (lParam 0)
HWND GetCapture();

// WM_KILLFOCUS (wParam: the new focus) to the old window, then WM_SETFOCUS (wParam: the
// old one) to the new. A window in another top-level activates that top-level first.
// Refused (returns 0, focus unchanged) for hidden or disabled windows.
HWND SetFocus(HWND hwnd);
HWND GetFocus();

// WM_NCACTIVATE then WM_ACTIVATE to the old top-level (inactive) and to the new one; the
// focus then returns to the new window's last focused descendant (else the window itself).
// Windows with WS_EX_NOACTIVATE are never activated.
HWND SetActiveWindow(HWND hwnd);
HWND GetActiveWindow();
bool SetForegroundWindow(HWND hwnd);  // activates and asks the display to raise it

// The next (or previous) visible, enabled WS_TABSTOP window after `from` among the
// descendants of `container`, in tree order (children in creation order), wrapping
// around; `from` 0 starts at the beginning. 0 when there is none.
HWND GetNextTabStop(HWND container, HWND from, bool backwards);

// Key state as of the input being processed: bit 15 set while the key is down. Works for
// VK_SHIFT, VK_CONTROL, VK_MENU, mouse buttons (VK_LBUTTON ...) and any other key.
int16_t GetKeyState(int virtualKey);
// MK_* flags of the buttons and Shift/Ctrl held now (wParam of mouse messages).
WPARAM CurrentMouseKeys();

// The pointer in screen coordinates, as last reported by the display.
TPoint GetCursorPos();
// The application-wide wait cursor: each call with true must be matched by one with false.
void SetWaitCursor(bool on);
// Shows a shape now (normally done by the default WM_SETCURSOR).
void SetCursor(CursorShape shape);

}  // namespace wm

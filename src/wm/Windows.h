#pragma once
// Creating, destroying, placing and querying windows. Every function ignores a handle
// that names no window (0, stale, unknown) and then returns 0 / false / an empty value.
//
// Coordinates: a child's bounds are in its parent's client coordinates, a top-level's on
// the screen. "Window coordinates" start at the window's top-left corner (frame included),
// "client coordinates" at the client area's top-left.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "gfx/Region.h"
#include "wm/Cursor.h"
#include "wm/Messages.h"
#include "wm/Styles.h"
#include "wm/Window.h"

namespace wm {

// Sends WM_NCCREATE (a zero answer cancels: 0 is returned), WM_NCCALCSIZE, WM_CREATE (-1
// cancels), then shows the window when WS_VISIBLE is set. lParam of the first two points
// to the CreateParams. New windows go on top of their siblings.
HWND CreateWindow(const CreateParams& params);
// Children first; each window gets WM_DESTROY and then WM_NCDESTROY. Focus, capture and
// activation move off the destroyed windows; their timers stop.
bool DestroyWindow(HWND hwnd);
// Destroys the window and creates it again with the same settings, bounds and text, at
// the same place among its siblings. Returns the new handle (0 when it failed).
HWND RecreateWindow(HWND hwnd);

bool IsWindow(HWND hwnd);
bool IsWindowVisible(HWND hwnd);  // visible, with all its ancestors
bool IsWindowEnabled(HWND hwnd);
bool IsChild(HWND parent, HWND hwnd);  // hwnd is a descendant of parent

// WM_ENABLE on a change. Disabling moves the focus off the window.
bool EnableWindow(HWND hwnd, bool enable);

enum ShowCommand { SW_HIDE = 0, SW_SHOWNORMAL = 1, SW_SHOW = 5, SW_SHOWNOACTIVATE = 4,
                   SW_SHOWNA = 8, SW_MINIMIZE = 6 };
// WM_SHOWWINDOW on a change; SW_SHOW and SW_SHOWNORMAL activate a top-level that may be
// activated. Returns whether the window was visible before.
bool ShowWindow(HWND hwnd, int command);

// SetWindowPos flags.
constexpr UINT SWP_NOSIZE = 0x0001;
constexpr UINT SWP_NOMOVE = 0x0002;
constexpr UINT SWP_NOZORDER = 0x0004;
constexpr UINT SWP_NOREDRAW = 0x0008;
constexpr UINT SWP_NOACTIVATE = 0x0010;
constexpr UINT SWP_FRAMECHANGED = 0x0020;  // recompute the client area (WM_NCCALCSIZE)
constexpr UINT SWP_SHOWWINDOW = 0x0040;
constexpr UINT SWP_HIDEWINDOW = 0x0080;
constexpr UINT SWP_NOSENDCHANGING = 0x0400;
// Insert-after values for SetWindowPos (besides a sibling's handle).
constexpr HWND HWND_TOP = 0;
constexpr HWND HWND_BOTTOM = 0xFFFFFFF1u;
constexpr HWND HWND_TOPMOST = 0xFFFFFFF2u;    // top-levels: gains WS_EX_TOPMOST
constexpr HWND HWND_NOTOPMOST = 0xFFFFFFF3u;  // top-levels: loses WS_EX_TOPMOST

// Moves, sizes, restacks, shows or hides in one step. WM_WINDOWPOSCHANGING (unless
// SWP_NOSENDCHANGING) may change the request; then WM_NCCALCSIZE on a size change,
// WM_WINDOWPOSCHANGED, WM_MOVE (client top-left in the parent's client coordinates) and
// WM_SIZE (client width and height) when they changed. Uncovered areas are repainted.
bool SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
bool MoveWindow(HWND hwnd, const TRect& bounds);  // no z-order change, no activation

// Reparents (0: becomes a top-level). The window keeps its bounds numbers.
HWND SetParent(HWND hwnd, HWND newParent);
HWND GetParent(HWND hwnd);
HWND GetOwner(HWND hwnd);
// The top-level window a window lives in (itself for a top-level).
HWND GetRootWindow(HWND hwnd);
// Children bottom first (the painting order); 0 gives the top-level windows.
std::vector<HWND> GetChildWindows(HWND parent);

// Window rectangle on the screen; client rectangle in client coordinates (0, 0, w, h).
TRect GetWindowRect(HWND hwnd);
TRect GetClientRect(HWND hwnd);
// The bounds as stored: parent client coordinates for children, screen for top-levels.
TRect GetWindowBounds(HWND hwnd);
// The client area in window coordinates (where WM_NCCALCSIZE put it).
TRect GetClientRectInWindow(HWND hwnd);
TPoint ClientToScreen(HWND hwnd, TPoint p);
TPoint ScreenToClient(HWND hwnd, TPoint p);
// Maps from one window's client coordinates to another's (0 = the screen).
TPoint MapWindowPoints(HWND from, HWND to, TPoint p);
TRect MapWindowRect(HWND from, HWND to, const TRect& r);

// The deepest visible window under a screen point whose hit test is not HTTRANSPARENT
// (the hit test is asked through WM_NCHITTEST). Disabled children are not entered.
HWND WindowFromPoint(TPoint screen);
// The visible child (direct) of parent containing the point (parent client coordinates),
// honouring window regions; the parent itself when none does, 0 when outside.
HWND ChildWindowFromPoint(HWND parent, TPoint client);

// The window region in window coordinates; nullptr makes the window rectangular again.
// Shapes hit testing and drawing; top-levels pass it to the display. Repaints.
bool SetWindowRgn(HWND hwnd, const gfx::Region* region, bool redraw = true);
std::optional<gfx::Region> GetWindowRgn(HWND hwnd);

bool SetWindowText(HWND hwnd, std::string_view utf8);  // through WM_SETTEXT
std::string GetWindowText(HWND hwnd);
std::string GetClassName(HWND hwnd);
WindowStyle GetWindowStyle(HWND hwnd);
// Changes flags without side effects; use SWP_FRAMECHANGED for frame flags.
bool SetWindowStyle(HWND hwnd, WindowStyle style);
int GetWindowId(HWND hwnd);
void* GetWindowUserData(HWND hwnd);
bool SetWindowUserData(HWND hwnd, void* data);
// Installs a new window procedure and returns the previous one, so a subclass can chain
// to it (CallWindowProc).
WindowProc SetWindowProc(HWND hwnd, WindowProc proc);
WindowProc GetWindowProc(HWND hwnd);
LRESULT CallWindowProc(const WindowProc& proc, HWND hwnd, UINT msg, WPARAM wParam,
                       LPARAM lParam);
// Background colour WM_ERASEBKGND fills with (clNone: the default erase does nothing).
bool SetWindowBackground(HWND hwnd, TColor color);
TColor GetWindowBackground(HWND hwnd);
// The shape shown while the pointer is over the client area (default WM_SETCURSOR).
bool SetWindowCursor(HWND hwnd, CursorShape shape);

// The screen and the desktop work area, from the display.
TRect GetScreenRect();
TRect GetWorkArea();

}  // namespace wm

#pragma once
// The default window procedure: what a window does with a message its own procedure
// passes on.
//
//   WM_NCCREATE      1 (creation goes on)
//   WM_NCCALCSIZE    client = window, or inside the default frame (WS_CAPTION, WS_BORDER)
//   WM_NCHITTEST     HTCLIENT in the client area; the default frame's codes elsewhere
//   WM_NCPAINT       draws the default frame
//   WM_NCACTIVATE    remembers the state, repaints the frame, returns 1
//   WM_ERASEBKGND    fills the client area with the window's background colour (1), or
//                    does nothing for clNone (0)
//   WM_PAINT         BeginPaint + EndPaint
//   WM_SETCURSOR     the window's cursor in the client area, sizing shapes on the edges
//   WM_MOUSEACTIVATE asks the parent; MA_NOACTIVATE for WS_EX_NOACTIVATE, else MA_ACTIVATE
//   WM_NCLBUTTONDOWN HTCAPTION and sizing codes start the move / size loop (SC_MOVE, SC_SIZE)
//   WM_NCLBUTTONUP   HTCLOSE: SC_CLOSE
//   WM_SYSCOMMAND    SC_CLOSE -> WM_CLOSE; SC_MOVE / SC_SIZE run the loops; SC_MINIMIZE asks
//                    the display
//   WM_CLOSE         DestroyWindow
//   WM_SYSKEYUP      Alt pressed and released alone, or F10: WM_SYSCOMMAND SC_KEYMENU to the
//                    top-level window
//   WM_SYSKEYDOWN    Alt+F4: WM_SYSCOMMAND SC_CLOSE to the top-level window
//   WM_KEYDOWN       Tab / Shift+Tab move the focus among the top-level's tab stops
//   WM_MOUSEWHEEL    passed to the parent
//   WM_CANCELMODE    releases the capture the window holds
//   WM_SETTEXT       lParam: a NUL-terminated UTF-8 string; stores it, updates title/frame

#include "wm/Types.h"

namespace wm {

LRESULT DefWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

}  // namespace wm

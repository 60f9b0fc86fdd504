#pragma once
// The moving and sizing loop the window system runs for a top-level window (the default
// frame's caption and edges, or a skinned frame answering HTCAPTION / sizing codes).
//
// WM_ENTERSIZEMOVE; WM_GETMINMAXINFO once for the track size limits; then for each pointer
// move WM_MOVING or WM_SIZING (wParam the WMSZ_ edge) with lParam pointing to the proposed
// screen TRect, which the window may change, and the window is moved / resized (WM_MOVE,
// WM_SIZE); until the left button is released, Enter, or Escape (which restores the start
// rectangle), or the capture is taken away; then WM_EXITSIZEMOVE. Timers, painting and
// other messages keep being dispatched. A quit ends the loop and stays pending.

#include "wm/Types.h"
#include "base/Geometry.h"

namespace wm {

// hitCode: HTCAPTION (move) or HTLEFT ... HTBOTTOMRIGHT (size); startScreen: where the
// pointer was pressed. Returns false when it did not run or ended by a quit.
bool RunSizeMoveLoop(HWND hwnd, int hitCode, TPoint startScreen);

}  // namespace wm

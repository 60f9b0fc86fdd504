#pragma once
// One window as the window system keeps it. Owned by the WindowSystem and reached only
// through its handle; the public functions (Windows.h ...) are the way to change it.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/Color.h"
#include "base/Geometry.h"
#include "gfx/Bitmap.h"
#include "gfx/Region.h"
#include "wm/Cursor.h"
#include "wm/Display.h"
#include "wm/Styles.h"
#include "wm/Types.h"

namespace wm {

// What CreateWindow needs; kept so a window can be recreated with the same settings.
struct CreateParams {
    std::string className;
    std::string text;
    WindowStyle style = 0;
    TRect bounds;       // parent client coordinates for children, screen for top-levels
    HWND parent = 0;    // children
    HWND owner = 0;     // top-levels and popups
    WindowProc proc;    // none: DefWindowProc
    void* userData = nullptr;
    int id = 0;         // control id (WM_PARENTNOTIFY, dialogs)
    TColor background = clBtnFace;  // WM_ERASEBKGND colour; clNone: no erasing
};

struct Window {
    HWND handle = 0;
    HWND parent = 0;
    HWND owner = 0;
    std::vector<HWND> children;  // z-order, bottom first

    std::string className;
    std::string text;
    WindowStyle style = 0;
    int id = 0;
    void* userData = nullptr;
    WindowProc proc;
    TColor background = clBtnFace;
    CursorShape cursor = CursorShape::Arrow;

    TRect bounds;      // parent client coordinates (children), screen (top-levels)
    TRect clientRect;  // window coordinates, from WM_NCCALCSIZE
    std::optional<gfx::Region> region;  // window coordinates; none: rectangular

    // Paint state: update region in client coordinates, and the pending frame/erase.
    gfx::Region updateRegion;
    bool eraseNeeded = false;
    bool frameNeeded = false;

    // Top-levels only.
    std::shared_ptr<gfx::Bitmap> backBuffer;
    SurfaceId surface = 0;
    gfx::Region unpresented;  // back-buffer pixels changed but not yet shown
    bool everPresented = false;  // a top-level's surface has shown a frame
    HWND lastFocus = 0;       // the descendant to give the focus back to on activation

    bool destroying = false;
    bool created = false;     // WM_CREATE has been sent
    bool ncActive = false;    // the frame shows the active look (WM_NCACTIVATE)
    int beginPaintCount = 0;  // BeginPaint calls, to validate after a WM_PAINT that made none

    bool IsChild() const { return (style & WS_CHILD) != 0; }
    bool IsTopLevel() const { return !IsChild(); }
    bool HasFlag(WindowStyle flag) const { return (style & flag) != 0; }
    TRect WindowRectLocal() const { return {0, 0, bounds.Width(), bounds.Height()}; }

    CreateParams params;  // as created (bounds and text as now), for RecreateWindow
};

}  // namespace wm

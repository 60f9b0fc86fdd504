#pragma once
// The paint cycle and drawing outside it.
//
// Each top-level window has a 24-bit back buffer of its size; children draw into it at
// their offset, clipped to their visible region (their own region, cut by the ancestors'
// client areas, minus visible siblings above them); a window's painting leaves its
// visible children alone. Update regions are kept as regions in client coordinates.
// When the loop has nothing else to do (or UpdateWindow asks), each window with an update
// region gets WM_NCPAINT when its frame needs it, then WM_PAINT; BeginPaint sends
// WM_ERASEBKGND (wParam the HDC; nonzero = erased) when the invalidation asked to erase.
// What was drawn is presented to the display when the loop goes idle (ReleaseDC presents
// at once).

#include "gfx/Bitmap.h"
#include "gfx/Canvas.h"
#include "gfx/Region.h"
#include "wm/Types.h"

namespace wm {

struct PAINTSTRUCT {
    HDC hdc = 0;
    bool fErase = false;  // the background still needs erasing (WM_ERASEBKGND answered 0)
    TRect rcPaint;        // bounds of the area to paint, client coordinates
};

// rect in client coordinates; nullptr = the whole client area.
bool InvalidateRect(HWND hwnd, const TRect* rect, bool erase);
bool InvalidateRgn(HWND hwnd, const gfx::Region* clientRegion, bool erase);
bool ValidateRect(HWND hwnd, const TRect* rect);
// Marks the frame (non-client area) for WM_NCPAINT.
bool InvalidateFrame(HWND hwnd);
// The pending update region (client coordinates).
gfx::Region GetUpdateRegion(HWND hwnd);
// Paints the window (and its descendants) now if they have something to paint.
bool UpdateWindow(HWND hwnd);

// For WM_PAINT: clip = update region within what is visible; validates the update region.
// While the window paints into a foreign bitmap (PaintParentBackground) this returns that
// context instead.
HDC BeginPaint(HWND hwnd, PAINTSTRUCT& ps);
bool EndPaint(HWND hwnd, const PAINTSTRUCT& ps);

// Drawing outside the paint cycle: client area (GetDC) or whole window with its frame
// (GetWindowDC), clipped to what is visible. ReleaseDC shows the result.
HDC GetDC(HWND hwnd);
HDC GetWindowDC(HWND hwnd);
bool ReleaseDC(HWND hwnd, HDC hdc);

// The canvas of a context (null for a stale one): origin at the client (window) top-left,
// logical coordinates accordingly.
gfx::Canvas* GetCanvas(HDC hdc);
HWND WindowFromDC(HDC hdc);
// Limits the context to a region in its logical coordinates, always within what the
// window may touch; nullptr removes the limit.
bool SelectClipRegion(HDC hdc, const gfx::Region* logical);
// Limits a device context to a rectangle (logical coordinates), cumulatively.
bool IntersectClipRect(HDC hdc, const TRect& logical);

// Renders the parent's background under a child (its WM_ERASEBKGND, then WM_PAINT with
// the HDC in wParam) into `target`, whose pixel (0, 0) shows the child's client point
// `targetOrigin`. For controls that look transparent. Returns false for a child without
// a parent.
bool PaintParentBackground(HWND child, gfx::Bitmap& target, TPoint targetOrigin = {});

// Copies what a window shows (its part of the back buffer, frame included) into a bitmap
// of the window's size; pixels the window does not own are left as they are in the
// buffer. Empty for a stale handle.
gfx::Bitmap CaptureWindow(HWND hwnd);

}  // namespace wm

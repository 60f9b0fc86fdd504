#pragma once
// Which pixels of its top-level's back buffer a window owns. All regions here are in the
// root's window coordinates (= back-buffer pixels).

#include "gfx/Region.h"
#include "wm/WindowSystem.h"

namespace wm {

// The window's rectangle cut by its own region.
gfx::Region WindowShapeInRoot(const WindowSystem& ws, const Window& w);
// The shape cut by every ancestor's client area (and region), minus the visible siblings
// above the window and above each ancestor. Empty when the window is not shown.
gfx::Region VisibleWindowRegion(const WindowSystem& ws, const Window& w);
// What the window's own painting may touch: the visible region without its visible
// children; `clientOnly` also cuts it to the client area.
gfx::Region PaintableRegion(const WindowSystem& ws, const Window& w, bool clientOnly);
// Marks `area` of the root for repainting in every window of the tree that shows a part
// of it (client parts as update regions with erase, frame parts for WM_NCPAINT).
void InvalidateRootArea(WindowSystem& ws, const Window& root, const gfx::Region& area);

}  // namespace wm

#pragma once
// The look of a menu level: its background, its items (from the skin's "menuitem" record
// or the classic look without skin) and the scroll markers of levels taller than the
// screen. Pure drawing: the level window decides what to draw and when.

#include "gfx/Bitmap.h"
#include "gfx/Canvas.h"
#include "skin/menus/MenuLevelLook.h"
#include "skin/menus/TbsSkinMenuItem.h"

namespace skin {

// The whole window's background (a level of width x height).
void PaintMenuBackground(gfx::Canvas& canvas, const MenuLevelLook& look, int width, int height,
                         bool scrolling);

void PaintMenuItem(gfx::Canvas& canvas, const MenuLevelLook& look, const TbsSkinMenuItem& item);

// The markers above and below the items; `active` is the auto-scroll direction
// (-1 up, 1 down, 0 none).
void PaintScrollMarkers(gfx::Canvas& canvas, const MenuLevelLook& look, const TRect& itemsRect,
                        int width, int height, int active);

// The zones of the two markers in window coordinates.
TRect ScrollUpZone(const MenuLevelLook& look, const TRect& itemsRect, int width);
TRect ScrollDownZone(const MenuLevelLook& look, const TRect& itemsRect, int width, int height);

// The small triangle of an item with a sub-menu: columns of 7, 5, 3 and 1 pixels from
// x on, centred on row midY.
void DrawSubMenuTriangle(gfx::Canvas& canvas, int x, int midY, TColor color);

}  // namespace skin

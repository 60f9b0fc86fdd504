#pragma once
// Where a menu level's window goes on the screen: below or above the rectangle it opens
// from, beside its parent item for sub-menus, and moved aside when it fits neither below
// nor above.

#include "base/Geometry.h"

namespace skin {

struct MenuLevelPlacement {
    TRect opener;       // the rectangle the level opens from (screen)
    TRect workArea;     // the screen's work area
    int width = 0;      // the level window's size
    int height = 0;
    int itemsTop = 0;   // top of the items rectangle inside the window
    bool scrolls = false;
    bool subMenu = false;
    bool upward = false;
};

// The window's top-left on the screen.
TPoint PlaceMenuLevel(const MenuLevelPlacement& p);

}  // namespace skin

#include "skin/menus/MenuLevelPlacement.h"

#include <algorithm>

namespace skin {

TPoint PlaceMenuLevel(const MenuLevelPlacement& p) {
    const TRect& r = p.opener;
    const TRect& w = p.workArea;
    const int h = p.height;
    const bool upperHalf = r.Top < w.Top + w.Height() / 2;
    const bool fitsBelow = r.Bottom + h <= w.Bottom;
    const bool fitsAbove = r.Top - h >= w.Top;
    bool aside = false;
    int y = 0;
    if (p.scrolls) {
        y = w.Top;
    } else if (p.subMenu) {
        // The first item lines up with the parent item when the level fits.
        if (r.Top + h - p.itemsTop <= w.Bottom) y = r.Top - p.itemsTop;
        else if (upperHalf) y = w.Bottom - h;
        else y = std::max(w.Top, r.Bottom - h + p.itemsTop);
    } else if (p.upward) {
        if (fitsAbove) y = r.Top - h;
        else if (!upperHalf) { y = w.Top; aside = true; }
        else if (fitsBelow) y = r.Bottom;
        else { y = w.Bottom - h; aside = true; }
    } else {
        if (fitsBelow) y = r.Bottom;
        else if (upperHalf) { y = w.Bottom - h; aside = true; }
        else if (fitsAbove) y = r.Top - h;
        else { y = w.Top; aside = true; }
    }
    int x = 0;
    if (p.subMenu || p.scrolls || aside) {
        x = r.Right + p.width + 1 <= w.Right ? r.Right + 1 : r.Left - p.width - 1;
    } else {
        x = r.Left;
        if (x + p.width > w.Right) x = w.Right - p.width;
        x = std::max(x, w.Left);
    }
    return {x, y};
}

}  // namespace skin

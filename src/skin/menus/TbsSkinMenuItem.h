#pragma once
// One entry of an open menu level: the menu item it shows and its state in the level
// window (rectangle, in view, highlighted, sub-menu open, fade level).

#include "base/Geometry.h"
#include "vcl/TMenuItem.h"

namespace skin {

class TbsSkinPopupWindow;

class TbsSkinMenuItem {
public:
    TbsSkinMenuItem(TbsSkinPopupWindow* window, vcl::TMenuItem* item)
        : window_(window), item_(item) {}

    TbsSkinPopupWindow* Window() const { return window_; }
    vcl::TMenuItem* MenuItem() const { return item_; }

    bool IsDivider() const { return item_->IsLine(); }
    bool IsEnabled() const { return item_->Enabled(); }
    // What the mouse and the arrow keys may highlight.
    bool IsSelectable() const { return IsEnabled() && !IsDivider(); }
    bool HasChildren() const;

    TRect ItemRect;       // window coordinates
    bool InView = false;  // within the level's visible range
    bool Active = false;  // highlighted
    bool Down = false;    // its sub-menu is open
    double MorphLevel = 0.0;

private:
    TbsSkinPopupWindow* window_;
    vcl::TMenuItem* item_;
};

}  // namespace skin

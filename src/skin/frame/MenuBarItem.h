#pragma once
// The objects of the main menu bar. TbsMenuBarObject holds what every object on the bar
// has (its rectangle and its hover, highlight and press state); TbsSkinMainMenuBarItem is
// one top-level item of the main menu with its look from the skin's "mainmenubaritem"
// object, and knows how wide it is and where it goes.

#include <string>

#include "base/Geometry.h"
#include "gfx/Bitmap.h"
#include "gfx/Font.h"
#include "skin/SkinObjectRecords.h"
#include "vcl/TMenuItem.h"

namespace skin {

class TbsMenuBarObject {
public:
    virtual ~TbsMenuBarObject() = default;

    TRect ObjectRect;        // in bar coordinates
    bool Shown = true;       // false while it does not fit on the bar
    bool Highlighted = false;
    bool MouseIn = false;
    bool IsDown = false;     // its drop-down is open
    double MorphProgress = 0;

    virtual bool IsEnabled() const { return Shown; }
};

class TbsSkinMainMenuBarItem : public TbsMenuBarObject {
public:
    // `record` and `picture` may be null: the item then has the look without skin.
    TbsSkinMainMenuBarItem(vcl::TMenuItem* menuItem, const TbsDataSkinMainMenuItem* record,
                           const gfx::Bitmap* picture);

    vcl::TMenuItem* MenuItem() const { return menuItem_; }
    const std::string& Name() const { return menuItem_->Name(); }
    // Enabled while the menu item is and the item fits on the bar.
    bool IsEnabled() const override { return Shown && menuItem_->Enabled(); }
    bool HasSubItems() const;

    // True when the skin object draws this item ("skinrect" and "textrect" not empty and
    // a picture present).
    bool Skinned() const;
    const TbsDataSkinMainMenuItem* Record() const { return record_; }
    const gfx::Bitmap* Picture() const { return picture_; }
    // Morphing is on in the record and there is an active face to morph to.
    bool Morphs() const;
    // The face shown while down: "downrect", else "activeskinrect", else "skinrect".
    TRect DownRect() const;

    // Sets ObjectRect: at `left`, on the items area's top; skinned, as wide as the skin
    // object around the caption and as high as its "skinrect"; else caption + 12 wide,
    // as high as the items area.
    void Place(int left, const TRect& itemsArea, const gfx::Font& font);

private:
    vcl::TMenuItem* menuItem_;
    const TbsDataSkinMainMenuItem* record_;
    const gfx::Bitmap* picture_;
};

}  // namespace skin

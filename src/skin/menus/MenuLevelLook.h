#pragma once
// What one menu level is drawn with: the [POPUPWINDOW] picture and the "menuitem" record
// of the skin (each may be missing: that part then has the look without skin), the font
// and the menu's image list. Built once when the level opens.

#include "gfx/Bitmap.h"
#include "gfx/Font.h"
#include "skin/SkinFormRecords.h"
#include "skin/SkinObjectRecords.h"
#include "skin/SkinTiling.h"
#include "vcl/TImageList.h"

namespace skin {

class TbsSkinData;

struct MenuLevelLook {
    const TbsDataSkinPopupWindow* windowRecord = nullptr;
    const gfx::Bitmap* windowPicture = nullptr;
    const gfx::Bitmap* maskPicture = nullptr;
    const TbsDataSkinMenuItem* itemRecord = nullptr;
    const gfx::Bitmap* itemPicture = nullptr;
    gfx::Font font;
    const vcl::TImageList* images = nullptr;
    int defaultItemHeight = 20;

    bool WindowSkinned() const { return windowRecord && windowPicture; }
    bool ItemsSkinned() const { return itemRecord && itemPicture; }

    // Height of an item (a divider's when divider is set).
    int ItemHeight(bool divider) const;
    // The glyph column the width adds: the image list's width + 5, or 19.
    int GlyphColumn() const { return images ? images->Width() + 5 : 19; }
    // Width added to the widest text and the glyph column.
    int ExtraWidth() const;
    // Height added to the sum of the items.
    int ExtraHeight() const;
    // The items rectangle and corner points for a window of this size.
    TbsFrameGeometry WindowGeometry(int width, int height) const;
    // The same of the window picture itself (only when the window is skinned).
    TbsFrameGeometry PictureGeometry() const;
};

// Looks up the level's look in a skin (nullptr or an empty skin: no skin at all).
MenuLevelLook MakeMenuLevelLook(const TbsSkinData* skin, const gfx::Font& font,
                                const vcl::TImageList* images, int defaultItemHeight);

}  // namespace skin

#include "skin/menus/MenuLevelLook.h"

#include "skin/TbsSkinData.h"

namespace skin {

int MenuLevelLook::ItemHeight(bool divider) const {
    if (ItemsSkinned()) return divider ? itemRecord->dividerrect.Height() : itemRecord->skinrect.Height();
    return divider ? 4 : defaultItemHeight;
}

int MenuLevelLook::ExtraWidth() const {
    int extra = 19;
    if (ItemsSkinned())
        extra += itemRecord->textrect.Left + (itemRecord->skinrect.Width() - itemRecord->textrect.Right);
    else
        extra += 10;
    if (WindowSkinned()) extra += windowPicture->Width() - windowRecord->itemsrect.Width();
    return extra;
}

int MenuLevelLook::ExtraHeight() const {
    if (WindowSkinned()) return windowPicture->Height() - windowRecord->itemsrect.Height();
    return 4;
}

TbsFrameGeometry MenuLevelLook::PictureGeometry() const {
    TbsFrameGeometry g;
    if (!WindowSkinned()) return g;
    g.lt = windowRecord->lefttoppoint;
    g.rt = windowRecord->righttoppoint;
    g.lb = windowRecord->leftbottompoint;
    g.rb = windowRecord->rightbottompoint;
    g.client = windowRecord->itemsrect;
    return g;
}

TbsFrameGeometry MenuLevelLook::WindowGeometry(int width, int height) const {
    if (!WindowSkinned()) {
        TbsFrameGeometry g;
        g.client = {2, 2, width - 2, height - 2};
        return g;
    }
    // Right and bottom edges move with the window's growth over the picture.
    const int dx = width - windowPicture->Width();
    const int dy = height - windowPicture->Height();
    TbsFrameGeometry g = PictureGeometry();
    g.rt = g.rt + TPoint{dx, 0};
    g.lb = g.lb + TPoint{0, dy};
    g.rb = g.rb + TPoint{dx, dy};
    g.client.Right += dx;
    g.client.Bottom += dy;
    return g;
}

MenuLevelLook MakeMenuLevelLook(const TbsSkinData* skin, const gfx::Font& font,
                                const vcl::TImageList* images, int defaultItemHeight) {
    MenuLevelLook look;
    look.font = font;
    look.images = images && images->Count() > 0 ? images : nullptr;
    look.defaultItemHeight = defaultItemHeight;
    if (!skin || skin->Empty()) return look;
    const TbsDataSkinPopupWindow& w = skin->PopupWindowRecord();
    if (w.windowpictureindex != -1) {
        if (const gfx::Bitmap* pic = skin->ActivePicture(w.windowpictureindex); pic && !pic->IsEmpty()) {
            look.windowRecord = &w;
            look.windowPicture = pic;
            look.maskPicture = skin->ActivePicture(w.maskpictureindex);
            if (look.maskPicture && look.maskPicture->IsEmpty()) look.maskPicture = nullptr;
        }
    }
    for (const auto& record : skin->ObjectRecords()) {
        if (auto* item = dynamic_cast<const TbsDataSkinMenuItem*>(record.get())) {
            look.itemRecord = item;
            look.itemPicture = skin->ActivePicture(item->activepictureindex);
            if (look.itemPicture && look.itemPicture->IsEmpty()) look.itemPicture = nullptr;
            break;
        }
    }
    return look;
}

}  // namespace skin

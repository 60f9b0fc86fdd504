#include "skin/frame/MenuBarItem.h"

#include "skin/menus/AccelText.h"

namespace skin {

TbsSkinMainMenuBarItem::TbsSkinMainMenuBarItem(vcl::TMenuItem* menuItem,
                                               const TbsDataSkinMainMenuItem* record,
                                               const gfx::Bitmap* picture)
    : menuItem_(menuItem), record_(record), picture_(picture) {}

bool TbsSkinMainMenuBarItem::HasSubItems() const {
    for (int i = 0; i < menuItem_->Count(); ++i)
        if (menuItem_->Items(i)->Visible()) return true;
    return false;
}

bool TbsSkinMainMenuBarItem::Skinned() const {
    return record_ && picture_ && !record_->skinrect.IsEmpty() && !record_->textrect.IsEmpty();
}

bool TbsSkinMainMenuBarItem::Morphs() const {
    return Skinned() && record_->morphing && !record_->activeskinrect.IsEmpty();
}

TRect TbsSkinMainMenuBarItem::DownRect() const {
    if (!record_) return {};
    if (!record_->downrect.IsEmpty()) return record_->downrect;
    if (!record_->activeskinrect.IsEmpty()) return record_->activeskinrect;
    return record_->skinrect;
}

void TbsSkinMainMenuBarItem::Place(int left, const TRect& itemsArea, const gfx::Font& font) {
    const int captionWidth = AccelTextWidth(font, menuItem_->Caption());
    if (Skinned()) {
        const int width = record_->skinrect.Width() - record_->textrect.Width() + captionWidth + 2;
        ObjectRect = {left, itemsArea.Top, left + width, itemsArea.Top + record_->skinrect.Height()};
    } else {
        ObjectRect = {left, itemsArea.Top, left + captionWidth + 12, itemsArea.Bottom};
    }
}

}  // namespace skin

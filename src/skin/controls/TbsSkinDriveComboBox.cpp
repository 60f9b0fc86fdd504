#include "skin/controls/TbsSkinDriveComboBox.h"

namespace skin {

TbsSkinDriveComboBox::TbsSkinDriveComboBox(TComponent* owner)
    : TbsSkinComboBox(owner), drives_(std::make_unique<drive::TDriveList>()) {}

TbsSkinDriveComboBox::~TbsSkinDriveComboBox() = default;

void TbsSkinDriveComboBox::UseDrives(const os::DriveSystem& drives) {
    drives_ = std::make_unique<drive::TDriveList>(drives);
    if (HandleAllocated()) RebuildDriveList();
}

void TbsSkinDriveComboBox::CreateWnd() {
    TbsSkinComboBox::CreateWnd();
    RebuildDriveList();
}

void TbsSkinDriveComboBox::RebuildDriveList() {
    drives_->InitializeList();
    ListBox()->Clear();
    for (const auto& item : drives_->Items()) AddItem(item.text);
    int index = drives_->ItemIndex();
    if (index >= 0) SetItemIndex(index);
}

void TbsSkinDriveComboBox::DrawItemContent(gfx::Canvas& c, int index, const TRect& itemRect,
                                           const TRect& textRect, TbsItemState state,
                                           const gfx::Font& font, TColor color) {
    if (OnComboBoxDrawItem || OnListBoxDrawItem || index >= static_cast<int>(drives_->Items().size())) {
        TbsSkinComboBox::DrawItemContent(c, index, itemRect, textRect, state, font, color);
        return;
    }
    const drive::TDriveItem& item = drives_->Items()[static_cast<size_t>(index)];
    const gfx::Bitmap* picture = drives_->Picture(item);
    int x = textRect.Left + 6;
    c.Save();
    c.IntersectClipRect(textRect);
    if (picture && !picture->IsEmpty()) {
        int y = textRect.Top + (textRect.Height() - picture->Height()) / 2;
        c.DrawTransparent(textRect.Left, y, *picture, picture->Pixel(0, picture->Height() - 1));
        x = textRect.Left + picture->Width() + 6;
    }
    c.SetFont(font);
    c.SetFontColor(color);
    c.Brush().style = gfx::BrushStyle::Clear;
    int th = font.TextExtent("Wg").cy;
    c.TextOut(x, textRect.Top + (textRect.Height() - th) / 2, item.text);
    c.Restore();
}

}  // namespace skin

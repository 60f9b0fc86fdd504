#include "skin/frame/TbsSkinMainMenuBar.h"

#include <algorithm>
#include <cmath>

#include "skin/TbsSkinData.h"
#include "skin/frame/MenuBarPainter.h"
#include "skin/menus/TbsSkinMenu.h"
#include "vcl/TMenu.h"
#include "wm/Input.h"

namespace skin {

TbsSkinMainMenuBar::TbsSkinMainMenuBar(TComponent* owner) : TbsSkinControl(owner) {
    SetSkinDataName("mainmenubar");
    defItemFont_.SetName("Arial");
    defItemFont_.SetHeight(14);
    defItemFont_.SetColor(clBtnText);
    defItemFont_.OnChange = [this](vcl::TObject*) {
        if (RecordIndex() == -1 || !useSkinFont_) Repaint();
    };
    SetAlign(vcl::alTop);
    SetHeight(defaultHeight_);
    hoverTimer_ = new vcl::TTimer(this);
    hoverTimer_->SetEnabled(false);
    hoverTimer_->SetInterval(kHoverInterval);
    hoverTimer_->SetOnTimer([this](vcl::TObject*) { HoverTick(); });
    morphTimer_ = new vcl::TTimer(this);
    morphTimer_->SetEnabled(false);
    morphTimer_->SetInterval(kMorphInterval);
    morphTimer_->SetOnTimer([this](vcl::TObject*) { MorphTick(); });
}

TbsSkinMainMenuBar::~TbsSkinMainMenuBar() {
    hoverTimer_->SetEnabled(false);
    morphTimer_->SetEnabled(false);
}

// --- properties -----------------------------------------------------------------------------

void TbsSkinMainMenuBar::SetMainMenu(vcl::TMainMenu* menu) {
    if (mainMenu_) RemoveFreeNotification(mainMenu_);
    mainMenu_ = menu;
    if (mainMenu_) FreeNotification(mainMenu_);
    RebuildItems();
    Repaint();
}

void TbsSkinMainMenuBar::SetBusinessSkinForm(MenuBarFrame* frame) {
    if (frameComponent_) RemoveFreeNotification(frameComponent_);
    frame_ = frame;
    // Kept apart: while the frame is being destroyed it can no longer be cast to.
    frameComponent_ = dynamic_cast<vcl::TComponent*>(frame);
    if (frameComponent_) FreeNotification(frameComponent_);
}

void TbsSkinMainMenuBar::SetUseSkinFont(bool on) {
    useSkinFont_ = on;
    Repaint();
}

void TbsSkinMainMenuBar::SetDefaultWidth(int width) {
    defaultWidth_ = width;
    if (RecordIndex() == -1 && width > 0) SetWidth(width);
}

void TbsSkinMainMenuBar::SetDefaultHeight(int height) {
    defaultHeight_ = height;
    if (RecordIndex() == -1 && height > 0) SetHeight(height);
}

void TbsSkinMainMenuBar::Notification(vcl::TComponent* component, vcl::TOperation operation) {
    TbsSkinControl::Notification(component, operation);
    if (operation != vcl::opRemove) return;
    if (component == mainMenu_) {
        mainMenu_ = nullptr;
        items_.clear();
        hoverIndex_ = -1;
        Repaint();
    }
    if (component == frameComponent_) {
        frame_ = nullptr;
        frameComponent_ = nullptr;
    }
}

// --- skin -----------------------------------------------------------------------------------

const gfx::Bitmap* TbsSkinMainMenuBar::BarPicture() const {
    const TbsDataSkinMainMenuBar* rec = BarRecord();
    return rec && SkinData() ? SkinData()->ActivePicture(rec->pictureindex) : nullptr;
}

void TbsSkinMainMenuBar::ApplySkinChange() {
    FetchSkinRecord();
    RebuildItems();
    if (Skinned()) FitHeightToSkin();
    else if (defaultHeight_ > 0) SetHeight(defaultHeight_);
    PlaceItems();
    Repaint();
}

void TbsSkinMainMenuBar::PrepareSkinChange() {
    TbsSkinControl::PrepareSkinChange();
    items_.clear();
    hoverIndex_ = -1;
}

void TbsSkinMainMenuBar::FitHeightToSkin() {
    const int height = BarRecord()->skinrect.Height();
    if (height > 0 && Height() != height) SetHeight(height);
}

void TbsSkinMainMenuBar::SetBounds(int left, int top, int width, int height) {
    if (const TbsDataSkinMainMenuBar* rec = BarRecord(); rec && rec->skinrect.Height() > 0)
        height = rec->skinrect.Height();
    TbsSkinControl::SetBounds(left, top, width, height);
    PlaceItems();
}

void TbsSkinMainMenuBar::RebuildItems() {
    items_.clear();
    hoverIndex_ = -1;
    if (!mainMenu_) return;
    const TbsDataSkinMainMenuItem* itemRecord = nullptr;
    const gfx::Bitmap* itemPicture = nullptr;
    TbsSkinData* skin = SkinData();
    if (const TbsDataSkinMainMenuBar* rec = BarRecord(); rec && skin && !skin->Empty()) {
        const int index = skin->FindObjectRecord(rec->menubaritem);
        if (index >= 0) {
            itemRecord = dynamic_cast<const TbsDataSkinMainMenuItem*>(
                skin->ObjectRecords()[static_cast<size_t>(index)].get());
        }
        if (itemRecord) itemPicture = skin->ActivePicture(itemRecord->activepictureindex);
    }
    vcl::TMenuItem* root = mainMenu_->Items();
    for (int i = 0; i < root->Count(); ++i) {
        vcl::TMenuItem* menuItem = root->Items(i);
        if (!menuItem->Visible()) continue;
        items_.push_back(std::make_unique<TbsSkinMainMenuBarItem>(menuItem, itemRecord, itemPicture));
    }
    PlaceItems();
}

// --- geometry -------------------------------------------------------------------------------

TRect TbsSkinMainMenuBar::ItemsRect() const {
    if (const TbsDataSkinMainMenuBar* rec = BarRecord()) {
        const TRect& items = rec->itemsrect;
        return {items.Left, items.Top, Width() - (rec->skinrect.Width() - items.Right), items.Bottom};
    }
    return {2, 2, Width() - 2, Height() - 2};
}

TRect TbsSkinMainMenuBar::OverflowMarkRect() const {
    const TRect items = ItemsRect();
    return {items.Right - kOverflowMarkWidth, items.Top, items.Right, items.Bottom};
}

gfx::Font TbsSkinMainMenuBar::ItemFont(const TbsSkinMainMenuBarItem& item) const {
    if (useSkinFont_ && item.Skinned()) {
        const TbsDataSkinMainMenuItem& rec = *item.Record();
        gfx::FontSpec fontSpec;
        fontSpec.name = rec.fontname;
        fontSpec.height = rec.fontheight;
        fontSpec.bold = rec.fontstyle.bold;
        fontSpec.italic = rec.fontstyle.italic;
        fontSpec.underline = rec.fontstyle.underline;
        fontSpec.strikeOut = rec.fontstyle.strikeOut;
        return gfx::Font(fontSpec);
    }
    return defItemFont_.Resolved();
}

void TbsSkinMainMenuBar::PlaceItems() {
    const TRect area = ItemsRect();
    const int limit = area.Right - kOverflowMarkWidth;
    overflow_ = false;
    int left = area.Left;
    for (auto& item : items_) {
        item->Place(left, area, ItemFont(*item));
        left = item->ObjectRect.Right;
        const bool fits = item->ObjectRect.Right <= limit;
        if (!fits) overflow_ = true;
        if (item->Shown != fits) {
            item->Shown = fits;
            if (!fits) {
                item->Highlighted = false;
                item->MouseIn = false;
            }
        }
    }
    if (!overflow_) markHot_ = false;
    if (hoverIndex_ >= 0 && !Item(hoverIndex_).Shown) hoverIndex_ = -1;
}

TRect TbsSkinMainMenuBar::ItemScreenRect(int index) const {
    if (index < 0 || index >= ItemCount()) return {};
    const TPoint origin = ClientOrigin();
    return items_[static_cast<size_t>(index)]->ObjectRect.Offset(origin.X, origin.Y);
}

// --- painting -------------------------------------------------------------------------------

void TbsSkinMainMenuBar::Paint() {
    if (Width() <= 0 || Height() <= 0) return;
    FetchSkinRecord();
    gfx::Bitmap image(Width(), Height());
    gfx::Canvas canvas(image);
    const TbsDataSkinMainMenuBar* rec = BarRecord();
    PaintMenuBarBackground(canvas, rec, BarPicture(), Width(), Height());
    PlaceItems();
    for (const auto& item : items_) {
        if (!item->Shown) continue;
        const gfx::Font font = ItemFont(*item);
        if (item->Skinned()) PaintSkinnedBarItem(canvas, *item, font);
        else PaintDefaultBarItem(canvas, *item, font, defItemFont_.Color());
    }
    if (overflow_) {
        TColor color = markHot_ ? clBtnText : clBtnShadow;
        if (rec) color = markHot_ ? rec->trackmarkactivecolor : rec->trackmarkcolor;
        PaintOverflowMark(canvas, OverflowMarkRect(), color);
    }
    PutImage(image);
}

// --- morphs ---------------------------------------------------------------------------------

void TbsSkinMainMenuBar::StartMorph() {
    for (const auto& item : items_) {
        if (item->Morphs()) {
            morphTimer_->SetEnabled(true);
            return;
        }
    }
}

void TbsSkinMainMenuBar::MorphTick() {
    bool moved = false;
    for (const auto& item : items_) {
        if (!item->Morphs()) continue;
        // A down item shows its own face; it does not fade while down.
        if (item->IsDown && !item->Record()->downrect.IsEmpty()) continue;
        const double target = item->Highlighted ? 1.0 : 0.0;
        if (item->MorphProgress == target) continue;
        const double step = target > item->MorphProgress ? 0.1 : -0.1;
        item->MorphProgress = std::clamp(item->MorphProgress + step, 0.0, 1.0);
        if (std::abs(item->MorphProgress - target) < 1e-9) item->MorphProgress = target;
        moved = true;
    }
    if (moved) Repaint();
    else morphTimer_->SetEnabled(false);
}

}  // namespace skin

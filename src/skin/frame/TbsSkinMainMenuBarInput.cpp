// The main menu bar's mouse and keyboard: hover, entering and leaving items, pressing
// them (a drop-down or a command), the overflow menu, and the calls the frame makes while
// the keyboard is in the bar.

#include "skin/frame/TbsSkinMainMenuBar.h"

#include "skin/menus/TbsSkinMenu.h"
#include "vcl/Accelerators.h"
#include "vcl/TMenu.h"
#include "wm/Input.h"

namespace skin {

// --- hover ----------------------------------------------------------------------------------

int TbsSkinMainMenuBar::ItemAt(TPoint client) const {
    for (int i = 0; i < ItemCount(); ++i) {
        const TbsSkinMainMenuBarItem& item = *items_[static_cast<size_t>(i)];
        if (item.IsEnabled() && item.ObjectRect.Contains(client)) return i;
    }
    return -1;
}

void TbsSkinMainMenuBar::UpdateHover(TPoint client) {
    int index = ItemAt(client);
    // Driven by the keyboard, the bar keeps its item while the pointer is between items.
    if (index < 0 && keyboardMode_) index = hoverIndex_;
    if (index != hoverIndex_) {
        const int old = hoverIndex_;
        hoverIndex_ = index;
        if (old >= 0 && old < ItemCount()) ItemLeft(old);
        if (index >= 0) ItemEntered(index);
    }
    const bool hot = overflow_ && OverflowMarkRect().Contains(client);
    if (hot != markHot_) {
        markHot_ = hot;
        Repaint();
    }
}

void TbsSkinMainMenuBar::HoverTick() {
    if (!HandleAllocated()) return;
    UpdateHover(ScreenToClient(wm::GetCursorPos()));
}

void TbsSkinMainMenuBar::MouseEnter() {
    TbsSkinControl::MouseEnter();
    hoverTimer_->SetEnabled(true);
    HoverTick();
}

void TbsSkinMainMenuBar::MouseLeave() {
    TbsSkinControl::MouseLeave();
    hoverTimer_->SetEnabled(false);
    const int old = hoverIndex_;
    hoverIndex_ = -1;
    if (old >= 0 && old < ItemCount()) ItemLeft(old);
    if (markHot_) {
        markHot_ = false;
        Repaint();
    }
}

void TbsSkinMainMenuBar::MouseMove(vcl::TShiftState shift, int x, int y) {
    TbsSkinControl::MouseMove(shift, x, y);
    UpdateHover({x, y});
}

void TbsSkinMainMenuBar::ItemEntered(int index) {
    Item(index).MouseIn = true;
    EnterItem(index);
}

void TbsSkinMainMenuBar::ItemLeft(int index) {
    TbsSkinMainMenuBarItem& item = Item(index);
    item.MouseIn = false;
    item.Highlighted = false;
    if (item.IsDown) item.MorphProgress = 0;
    StartMorph();
    Repaint();
}

void TbsSkinMainMenuBar::EnterItem(int index) {
    int down = -1;
    for (int i = 0; i < ItemCount(); ++i) {
        if (i == index) continue;
        if (Item(i).IsDown) down = i;
        Item(i).Highlighted = false;
    }
    TbsSkinMainMenuBarItem& item = Item(index);
    if (down >= 0) {
        // The open drop-down follows to this item; a command item just closes it.
        ReleaseItem(down);
        item.Highlighted = true;
        if (item.HasSubItems()) {
            PutItemDown(index);
        } else if (frame_ && frame_->MenuEngine()) {
            frame_->MenuEngine()->CloseFrom(0);
            frame_->ResetMenuState();
        }
        Repaint();
        return;
    }
    item.Highlighted = true;
    StartMorph();
    Repaint();
}

// --- pressing -------------------------------------------------------------------------------

void TbsSkinMainMenuBar::MouseDown(vcl::TMouseButton button, vcl::TShiftState shift, int x, int y) {
    TbsSkinControl::MouseDown(button, shift, x, y);
    if (button != vcl::mbLeft) return;
    UpdateHover({x, y});
    if (const int index = ItemAt({x, y}); index >= 0) {
        PressItem(index);
        return;
    }
    if (overflow_ && OverflowMarkRect().Contains({x, y})) OpenOverflowMenu();
}

void TbsSkinMainMenuBar::PressItem(int index) {
    if (index < 0 || index >= ItemCount() || !Item(index).IsEnabled()) return;
    if (Item(index).HasSubItems()) PutItemDown(index);
    else RunItemCommand(index);
}

void TbsSkinMainMenuBar::PutItemDown(int index) {
    // Without a frame there is nothing to open the drop-down with.
    if (!frame_ || !frame_->MenuEngine()) return;
    for (int i = 0; i < ItemCount(); ++i)
        if (i != index && Item(i).IsDown) ReleaseItem(i);
    TbsSkinMainMenuBarItem& item = Item(index);
    item.Highlighted = true;
    item.IsDown = true;
    item.MorphProgress = 1;
    keyboardMode_ = true;
    Repaint();
    frame_->BeginMenuMode();
    frame_->BarMenuOpening();
    frame_->MenuEngine()->ShowMenu(nullptr, SkinData(), popupToUp_, item.MenuItem(),
                                   ItemScreenRect(index), 0);
}

void TbsSkinMainMenuBar::ReleaseItem(int index) {
    TbsSkinMainMenuBarItem& item = Item(index);
    item.IsDown = false;
    item.Highlighted = false;
    item.MorphProgress = 0;
    Repaint();
}

void TbsSkinMainMenuBar::RunItemCommand(int index) {
    vcl::TMenuItem* menuItem = Item(index).MenuItem();
    if (frame_) {
        frame_->EndMenuMode();
        frame_->ResetMenuState();
    }
    keyboardMode_ = false;
    menuItem->Click();
}

void TbsSkinMainMenuBar::OpenOverflowMenu() {
    if (!frame_ || !frame_->MenuEngine() || !mainMenu_) return;
    // The hidden items are the last ones; the menu lists the root's items from the first
    // of them on (counted in the root, where invisible items also have a place).
    vcl::TMenuItem* root = mainMenu_->Items();
    int firstChild = -1;
    for (const auto& item : items_) {
        if (!item->Shown) {
            firstChild = root->IndexOf(item->MenuItem());
            break;
        }
    }
    if (firstChild < 0) return;
    const TRect mark = OverflowMarkRect();
    const TPoint origin = ClientOrigin();
    frame_->BarMenuOpening();
    frame_->MenuEngine()->ShowMenu(nullptr, SkinData(), popupToUp_, root,
                                   mark.Offset(origin.X, origin.Y), firstChild);
}

// --- keyboard (through the frame) ------------------------------------------------------------

bool TbsSkinMainMenuBar::Selectable(int index) const {
    return index >= 0 && index < ItemCount() && items_[static_cast<size_t>(index)]->IsEnabled();
}

int TbsSkinMainMenuBar::CurrentIndex() const {
    for (int i = 0; i < ItemCount(); ++i)
        if (Selectable(i) && items_[static_cast<size_t>(i)]->IsDown) return i;
    for (int i = 0; i < ItemCount(); ++i)
        if (Selectable(i) && items_[static_cast<size_t>(i)]->Highlighted) return i;
    return -1;
}

bool TbsSkinMainMenuBar::HasDownItem() const {
    for (const auto& item : items_)
        if (item->IsDown) return true;
    return false;
}

void TbsSkinMainMenuBar::EnterKeyboardMode() {
    if (!frame_) return;
    keyboardMode_ = true;
    int index = CurrentIndex();
    for (int i = 0; index < 0 && i < ItemCount(); ++i)
        if (Selectable(i)) index = i;
    if (index >= 0) EnterItem(index);
    frame_->BeginMenuMode();
}

void TbsSkinMainMenuBar::LeaveMenuMode() {
    keyboardMode_ = false;
    for (const auto& item : items_) {
        item->IsDown = false;
        item->Highlighted = false;
        item->MouseIn = false;
        if (!item->Morphs()) item->MorphProgress = 0;
    }
    // The pointer may still be over an item: the next hover step highlights it again.
    hoverIndex_ = -1;
    StartMorph();
    Repaint();
}

bool TbsSkinMainMenuBar::SelectAccelerator(uint16_t key) {
    if (!frame_) return false;
    for (int i = 0; i < ItemCount(); ++i) {
        if (!Selectable(i) || !vcl::IsAccel(static_cast<char32_t>(key), Item(i).MenuItem()->Caption()))
            continue;
        const bool dropDownOpen = HasDownItem();
        keyboardMode_ = true;
        EnterItem(i);
        if (!dropDownOpen || !Item(i).HasSubItems()) PressItem(i);
        return true;
    }
    return false;
}

void TbsSkinMainMenuBar::EnterNeighbour(bool forward) {
    if (!frame_) return;
    const int n = ItemCount();
    const int current = CurrentIndex();
    int next = -1;
    for (int step = 1; step <= n && next < 0; ++step) {
        const int start = current >= 0 ? current : (forward ? -1 : n);
        const int i = ((start + (forward ? step : -step)) % n + n) % n;
        if (Selectable(i)) next = i;
    }
    if (next < 0 || next == current) return;
    keyboardMode_ = true;
    EnterItem(next);
}

void TbsSkinMainMenuBar::EnterNextItem() { EnterNeighbour(true); }
void TbsSkinMainMenuBar::EnterPreviousItem() { EnterNeighbour(false); }

bool TbsSkinMainMenuBar::ActOnCurrentItem() {
    if (!frame_) return false;
    const bool dropDownOpen = HasDownItem();
    for (int i = 0; i < ItemCount(); ++i) {
        if (!Selectable(i)) continue;
        const TbsSkinMainMenuBarItem& item = Item(i);
        if ((item.IsDown && !item.HasSubItems()) || (item.Highlighted && !dropDownOpen)) {
            PressItem(i);
            return true;
        }
    }
    return false;
}

void TbsSkinMainMenuBar::DropDownClosedByEscape() {
    for (const auto& item : items_) {
        if (!item->IsDown) continue;
        item->IsDown = false;
        item->Highlighted = true;
    }
    Repaint();
}

}  // namespace skin

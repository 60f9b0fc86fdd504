#include "skin/menus/TbsSkinMenu.h"

#include <algorithm>

#include "skin/TbsSkinData.h"
#include "skin/menus/TbsSkinPopupWindow.h"
#include "vcl/TWinControl.h"
#include "vcl/VclMessages.h"
#include "wm/MessageLoop.h"
#include "wm/Windows.h"

namespace skin {

TbsSkinMenu::TbsSkinMenu(vcl::TComponent* owner) : vcl::TComponent(owner) {
    defMenuItemFont_.SetName("Arial");
    defMenuItemFont_.SetHeight(14);
    subMenuTimer_ = new vcl::TTimer(this);
    subMenuTimer_->SetEnabled(false);
    subMenuTimer_->SetInterval(kSubMenuDelay);
    subMenuTimer_->SetOnTimer([this](vcl::TObject*) { SubMenuTimer(); });
}

TbsSkinMenu::~TbsSkinMenu() {
    subMenuTimer_->SetEnabled(false);
    // The level windows are owned components and go with this object; nobody is told.
    levels_.clear();
}

TbsSkinPopupWindow* TbsSkinMenu::Levels(int level) const {
    if (level < 0 || level >= LevelCount()) return nullptr;
    return levels_[static_cast<size_t>(level)];
}

TbsSkinPopupWindow* TbsSkinMenu::DeepestLevel() const {
    return levels_.empty() ? nullptr : levels_.back();
}

void TbsSkinMenu::ShowMenu(vcl::TControl* opener, TbsSkinData* skin, bool upward,
                           vcl::TMenuItem* item, const TRect& rect, int firstChild) {
    // Only a menu opened while none is open counts as a first level (it may fade in).
    firstLevel_ = !menuOpen_;
    CloseFrom(0);
    if (opener_) RemoveFreeNotification(opener_);
    opener_ = opener;
    if (opener_) FreeNotification(opener_);
    skin_ = skin;
    workArea_ = wm::GetWorkArea();
    if (!item) return;
    bool hasChildren = false;
    for (int i = std::max(0, firstChild); i < item->Count(); ++i)
        if (item->Items(i)->Visible()) hasChildren = true;
    if (!hasChildren) return;
    menuOpen_ = true;
    OpenLevel(item, firstChild, rect, upward, false);
    firstLevel_ = false;
}

void TbsSkinMenu::OpenLevel(vcl::TMenuItem* item, int firstChild, const TRect& rect,
                            bool upward, bool subMenu) {
    auto* window = new TbsSkinPopupWindow(this, LevelCount());
    levels_.push_back(window);
    window->OpenLevel(item, firstChild, rect, upward, subMenu);
}

void TbsSkinMenu::OpenSubMenu(TbsSkinPopupWindow* parent, int itemIndex) {
    if (!parent || itemIndex < 0 || itemIndex >= parent->ItemCount()) return;
    CloseFrom(parent->Level() + 1);
    TbsSkinMenuItem& item = parent->Item(itemIndex);
    OpenLevel(item.MenuItem(), 0, parent->ItemScreenRect(itemIndex), false, true);
}

void TbsSkinMenu::CloseAll() {
    CloseFrom(0);
    StopSubMenuTimer();
    if (frameWindow_) wm::SendMessage(frameWindow_, wm::WM_SKIN_MENU_CLOSED, 0, 0);
}

void TbsSkinMenu::CloseFrom(int level) {
    level = std::max(0, level);
    const bool closing = LevelCount() > level;
    while (LevelCount() > level) {
        TbsSkinPopupWindow* window = levels_.back();
        levels_.pop_back();
        if (pendingLevel_ == window->Level()) StopSubMenuTimer();
        window->CloseLevel();
        // The window may be running one of its own handlers: it is freed once the loop
        // delivers the release, never here.
        if (window->HandleAllocated()) wm::PostMessage(window->Handle(), vcl::CM_RELEASE);
        else vcl::TObject::Free(window);
    }
    if (TbsSkinPopupWindow* deepest = DeepestLevel(); deepest && closing) deepest->SubMenuClosed();
    if (level == 0 && menuOpen_) {
        menuOpen_ = false;
        StopSubMenuTimer();
        if (vcl::TControl* opener = opener_) {
            RemoveFreeNotification(opener);
            opener_ = nullptr;
            auto* windowed = dynamic_cast<vcl::TWinControl*>(opener);
            if (windowed && windowed->HandleAllocated())
                wm::SendMessage(windowed->Handle(), wm::WM_SKIN_MENU_CLOSED, 0, 0);
            else
                opener->Perform(wm::WM_SKIN_MENU_CLOSED);
        }
    }
}

bool TbsSkinMenu::HandleMenuKey(uint16_t key) {
    TbsSkinPopupWindow* deepest = DeepestLevel();
    if (!deepest) return false;
    deepest->HandleMenuKey(key);
    return true;
}

void TbsSkinMenu::ScheduleSubMenu(TbsSkinPopupWindow* window, int itemIndex) {
    pendingLevel_ = window->Level();
    pendingIndex_ = itemIndex;
    subMenuTimer_->SetEnabled(false);
    subMenuTimer_->SetEnabled(true);
}

void TbsSkinMenu::CancelSubMenu(TbsSkinPopupWindow* window, int itemIndex) {
    if (pendingLevel_ == window->Level() && pendingIndex_ == itemIndex) StopSubMenuTimer();
}

void TbsSkinMenu::StopSubMenuTimer() {
    subMenuTimer_->SetEnabled(false);
    pendingLevel_ = -1;
    pendingIndex_ = -1;
}

void TbsSkinMenu::SubMenuTimer() {
    TbsSkinPopupWindow* window = Levels(pendingLevel_);
    const int index = pendingIndex_;
    StopSubMenuTimer();
    if (window && index >= 0 && index < window->ItemCount()) window->ExecuteItem(index);
}

void TbsSkinMenu::Notification(vcl::TComponent* component, vcl::TOperation operation) {
    vcl::TComponent::Notification(component, operation);
    if (operation != vcl::opRemove) return;
    if (component == opener_) opener_ = nullptr;
    auto it = std::find(levels_.begin(), levels_.end(), component);
    if (it != levels_.end()) levels_.erase(it);
}

}  // namespace skin

#pragma once
// The menu controller of one skinned frame: it opens a menu's levels as popup windows,
// keeps them in order (level 0 first), opens sub-menus after 500 ms of hovering, closes
// levels, and tells the frame's window when every level has closed (WM_SKIN_MENU_CLOSED).

#include <vector>

#include "base/Geometry.h"
#include "vcl/TComponent.h"
#include "vcl/TControl.h"
#include "vcl/TFont.h"
#include "vcl/TMenuItem.h"
#include "vcl/TTimer.h"

namespace skin {

class TbsSkinData;
class TbsSkinPopupWindow;
class TbsSkinMenuItem;

class TbsSkinMenu : public vcl::TComponent {
public:
    static constexpr unsigned kSubMenuDelay = 500;

    explicit TbsSkinMenu(vcl::TComponent* owner);
    ~TbsSkinMenu() override;

    // Settings the frame copies in.
    bool UseSkinFont() const { return useSkinFont_; }
    void SetUseSkinFont(bool on) { useSkinFont_ = on; }
    int DefMenuItemHeight() const { return defMenuItemHeight_; }
    void SetDefMenuItemHeight(int height) { if (height > 0) defMenuItemHeight_ = height; }
    vcl::TFont* DefMenuItemFont() { return &defMenuItemFont_; }
    bool MenusAlphaBlend() const { return alphaBlend_; }
    void SetMenusAlphaBlend(bool on) { alphaBlend_ = on; }
    int MenusAlphaBlendValue() const { return alphaBlendValue_; }
    void SetMenusAlphaBlendValue(int value) { alphaBlendValue_ = value; }
    bool MenusAlphaBlendAnimation() const { return alphaBlendAnimation_; }
    void SetMenusAlphaBlendAnimation(bool on) { alphaBlendAnimation_ = on; }

    // The window told when every level has closed (the frame's form).
    vcl::HWND FrameWindow() const { return frameWindow_; }
    void SetFrameWindow(vcl::HWND window) { frameWindow_ = window; }

    // Opens the children of `item` from `firstChild` on below (or above) the screen
    // rectangle. Closes what is open first. Nothing opens when there are no children.
    void ShowMenu(vcl::TControl* opener, TbsSkinData* skin, bool upward, vcl::TMenuItem* item,
                  const TRect& rect, int firstChild);
    // Closes every level, then sends WM_SKIN_MENU_CLOSED to the frame's window.
    void CloseAll();
    // Closes the levels from `level` on, the deepest first.
    void CloseFrom(int level);

    bool MenuOpen() const { return menuOpen_; }
    int LevelCount() const { return static_cast<int>(levels_.size()); }
    TbsSkinPopupWindow* Levels(int level) const;
    TbsSkinPopupWindow* DeepestLevel() const;
    // Forwards a key to the deepest level; false when no menu is open.
    bool HandleMenuKey(uint16_t key);

    // Used by the level windows.
    TbsSkinData* Skin() const { return skin_; }
    const TRect& WorkArea() const { return workArea_; }
    bool FirstLevel() const { return firstLevel_; }
    void OpenSubMenu(TbsSkinPopupWindow* parent, int itemIndex);
    void ScheduleSubMenu(TbsSkinPopupWindow* window, int itemIndex);
    void CancelSubMenu(TbsSkinPopupWindow* window, int itemIndex);
    void StopSubMenuTimer();
    // The item waiting for the sub-menu timer (level, index), -1 for none.
    int PendingLevel() const { return pendingLevel_; }
    int PendingIndex() const { return pendingIndex_; }

protected:
    void Notification(vcl::TComponent* component, vcl::TOperation operation) override;

private:
    void SubMenuTimer();
    void OpenLevel(vcl::TMenuItem* item, int firstChild, const TRect& rect, bool upward,
                   bool subMenu);

    bool useSkinFont_ = true;
    int defMenuItemHeight_ = 20;
    vcl::TFont defMenuItemFont_;
    bool alphaBlend_ = false;
    int alphaBlendValue_ = 150;
    bool alphaBlendAnimation_ = false;

    vcl::HWND frameWindow_ = 0;
    vcl::TControl* opener_ = nullptr;
    TbsSkinData* skin_ = nullptr;
    TRect workArea_;
    std::vector<TbsSkinPopupWindow*> levels_;  // owned as components; freed by release
    bool menuOpen_ = false;
    bool firstLevel_ = false;
    vcl::TTimer* subMenuTimer_;
    int pendingLevel_ = -1;
    int pendingIndex_ = -1;
};

}  // namespace skin

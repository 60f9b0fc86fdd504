#pragma once
// One open menu level: a top-level window that is never activated, showing the visible
// children of one menu item. It sizes, places and paints itself, follows the pointer
// (50 ms), scrolls when it is taller than the work area (markers and auto-scroll every
// 100 ms), and answers the keys the frame forwards while a menu is open.

#include <memory>
#include <vector>

#include "skin/menus/MenuLevelLook.h"
#include "skin/menus/TbsSkinMenuItem.h"
#include "vcl/TCustomControl.h"
#include "vcl/TTimer.h"

namespace skin {

class TbsSkinMenu;

class TbsSkinPopupWindow : public vcl::TCustomControl {
public:
    TbsSkinPopupWindow(TbsSkinMenu* controller, int level);
    ~TbsSkinPopupWindow() override;

    // Builds the items from `parent`'s visible children (from firstChild on), sizes,
    // places and shows the window; the first enabled item becomes active.
    void OpenLevel(vcl::TMenuItem* parent, int firstChild, const TRect& opener, bool upward,
                   bool subMenu);
    // Stops the timers and hides the window; the controller frees it later.
    void CloseLevel();

    int Level() const { return level_; }
    int ItemCount() const { return static_cast<int>(items_.size()); }
    TbsSkinMenuItem& Item(int index) { return *items_[static_cast<size_t>(index)]; }
    int ActiveIndex() const { return active_; }
    bool Scrolling() const { return scrolling_; }
    int FirstVisible() const { return firstVisible_; }
    int AutoScrollDirection() const { return autoScroll_; }
    TRect ItemsRect() const { return itemsRect_; }
    const MenuLevelLook& Look() const { return look_; }
    // The item's rectangle on the screen.
    TRect ItemScreenRect(int index);

    // Highlights an item (mouse style schedules its sub-menu) / removes the highlight.
    void SelectItem(int index, bool byMouse);
    void DeselectItem(int index);
    // Runs an item: a command closes every menu first; an item with children opens its
    // sub-menu.
    void ExecuteItem(int index);
    // The keyboard handler of the deepest level.
    void HandleMenuKey(uint16_t key);
    // One step of the pointer tracking (also run by the 50 ms timer).
    void TrackPointer(bool force);
    // The item's sub-menu closed: it loses its down mark.
    void SubMenuClosed();

    void WndProc(vcl::TMessage& message) override;

protected:
    void CreateParams(wm::CreateParams& params) override;
    bool IsTopLevel() const override { return true; }
    void Paint() override;
    void MouseUp(vcl::TMouseButton button, vcl::TShiftState shift, int x, int y) override;
    void MouseMove(vcl::TShiftState shift, int x, int y) override;

private:
    void ComputeSize(int& width, int& height);
    void LayoutItems();
    void MoveActive(bool forward);
    void EnsureVisible(int index);
    int ItemAt(TPoint client) const;
    int LastVisible() const;
    void SetAutoScroll(int direction);
    void AutoScrollStep();
    void MorphStep();
    void StartMorph();
    void Repaint() { Invalidate(); }
    // The first level holds the pointer while the menu is open: the capture for our own
    // windows and the display's grab for the rest of the screen.
    void HoldPointer();
    void LetPointerGo();
    // Handles a mouse message while this level holds the pointer; true when consumed.
    bool RouteHeldPointer(vcl::TMessage& message);
    TbsSkinPopupWindow* LevelAt(TPoint screen) const;

    TbsSkinMenu* controller_;
    int level_;
    std::vector<std::unique_ptr<TbsSkinMenuItem>> items_;
    MenuLevelLook look_;
    vcl::TTimer* mouseTimer_;
    vcl::TTimer* morphTimer_;
    vcl::TTimer* scrollTimer_;
    int active_ = -1;
    int previous_ = -1;
    TPoint lastPointer_{-100000, -100000};
    bool scrolling_ = false;
    int firstVisible_ = 0;
    int visibleCount_ = 0;
    int autoScroll_ = 0;  // -1 up, 1 down
    TRect itemsRect_;
    bool closed_ = false;
    bool holdsPointer_ = false;
    bool displayGrabbed_ = false;
};

}  // namespace skin

#pragma once
// The skinned main menu bar: a bar at the top of a form's client area showing one item
// per visible top-level item of its main menu, drawn from the skin's "mainmenubar" record
// and "mainmenubaritem" object (or with its own look without them). Items that do not
// fit are hidden behind an overflow mark whose menu lists them.
//
// The mouse highlights and presses items; a pressed item with sub-items opens its
// drop-down through the frame's menu engine, and while a drop-down is open, moving the
// mouse along the bar moves the drop-down with it. The keyboard reaches the bar through
// the frame (FrameMenuBar); the bar sees the frame only as a MenuBarFrame.

#include <memory>
#include <vector>

#include "skin/controls/TbsSkinControl.h"
#include "skin/frame/MenuBarItem.h"
#include "skin/frame/MenuBarLinks.h"
#include "vcl/TFont.h"
#include "vcl/TMainMenu.h"
#include "vcl/TTimer.h"

namespace skin {

class TbsSkinMainMenuBar : public TbsSkinControl, public FrameMenuBar {
public:
    static constexpr unsigned kHoverInterval = 50;
    static constexpr unsigned kMorphInterval = 20;
    static constexpr int kOverflowMarkWidth = 5;

    explicit TbsSkinMainMenuBar(TComponent* owner);
    ~TbsSkinMainMenuBar() override;

    // Properties.
    vcl::TMainMenu* MainMenu() const { return mainMenu_; }
    // Rebuilds the items and repaints.
    void SetMainMenu(vcl::TMainMenu* menu);
    MenuBarFrame* BusinessSkinForm() const { return frame_; }
    void SetBusinessSkinForm(MenuBarFrame* frame);
    bool UseSkinFont() const { return useSkinFont_; }
    void SetUseSkinFont(bool on);
    vcl::TFont* DefItemFont() { return &defItemFont_; }
    void SetDefItemFont(const vcl::TFont& font) { defItemFont_.Assign(&font); }
    int DefaultWidth() const { return defaultWidth_; }
    void SetDefaultWidth(int width);
    int DefaultHeight() const { return defaultHeight_; }
    void SetDefaultHeight(int height);
    bool PopupToUp() const { return popupToUp_; }
    void SetPopupToUp(bool on) { popupToUp_ = on; }

    // State, for the frame and for tests.
    int ItemCount() const { return static_cast<int>(items_.size()); }
    TbsSkinMainMenuBarItem& Item(int index) { return *items_[static_cast<size_t>(index)]; }
    bool Skinned() const { return BarRecord() != nullptr; }
    // The area the items are placed in, in bar coordinates.
    TRect ItemsRect() const;
    bool Overflow() const { return overflow_; }
    TRect OverflowMarkRect() const;
    bool OverflowMarkHot() const { return markHot_; }
    int HoverIndex() const { return hoverIndex_; }
    bool KeyboardMode() const { return keyboardMode_; }
    bool HoverTimerRunning() const { return hoverTimer_->Enabled(); }
    bool MorphTimerRunning() const { return morphTimer_->Enabled(); }
    // The item's rectangle on the screen.
    TRect ItemScreenRect(int index) const;
    // The font items are measured and drawn with.
    gfx::Font ItemFont(const TbsSkinMainMenuBarItem& item) const;

    // Skin changes.
    void ApplySkinChange() override;
    void PrepareSkinChange() override;
    void SetBounds(int left, int top, int width, int height) override;

    // FrameMenuBar: what the frame asks of the bar.
    vcl::TMainMenu* BarMainMenu() const override { return mainMenu_; }
    void EnterKeyboardMode() override;
    void LeaveMenuMode() override;
    bool SelectAccelerator(uint16_t key) override;
    void EnterNextItem() override;
    void EnterPreviousItem() override;
    bool ActOnCurrentItem() override;
    bool HasDownItem() const override;
    void DropDownClosedByEscape() override;

protected:
    void Paint() override;
    void MouseDown(vcl::TMouseButton button, vcl::TShiftState shift, int x, int y) override;
    void MouseMove(vcl::TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void Notification(vcl::TComponent* component, vcl::TOperation operation) override;

private:
    const TbsDataSkinMainMenuBar* BarRecord() const { return RecordAs<TbsDataSkinMainMenuBar>(); }
    const gfx::Bitmap* BarPicture() const;
    void RebuildItems();
    void FitHeightToSkin();
    // Places every item left to right; items passing the area's right edge less the
    // mark's width are hidden and set the overflow flag.
    void PlaceItems();
    void Repaint() { Invalidate(); }

    // Hover and the objects' enter/leave.
    void UpdateHover(TPoint client);
    int ItemAt(TPoint client) const;
    void ItemEntered(int index);
    void ItemLeft(int index);
    void HoverTick();

    // Pressing items and opening drop-downs.
    void PressItem(int index);
    void PutItemDown(int index);
    void RunItemCommand(int index);
    void ReleaseItem(int index);
    void OpenOverflowMenu();

    // Keyboard helpers.
    bool Selectable(int index) const;
    int CurrentIndex() const;
    void EnterNeighbour(bool forward);
    // Enters an item as the mouse would: an open drop-down moves to it.
    void EnterItem(int index);

    void StartMorph();
    void MorphTick();

    vcl::TMainMenu* mainMenu_ = nullptr;
    MenuBarFrame* frame_ = nullptr;
    vcl::TComponent* frameComponent_ = nullptr;  // the frame as a component, when it is one
    bool useSkinFont_ = true;
    vcl::TFont defItemFont_;
    int defaultWidth_ = 0;
    int defaultHeight_ = 22;
    bool popupToUp_ = false;

    std::vector<std::unique_ptr<TbsSkinMainMenuBarItem>> items_;
    int hoverIndex_ = -1;
    bool keyboardMode_ = false;
    bool overflow_ = false;
    bool markHot_ = false;
    vcl::TTimer* hoverTimer_;
    vcl::TTimer* morphTimer_;
};

}  // namespace skin

#pragma once
// The skinned frame of a form: a non-visual component that replaces the window's own
// frame (caption, border, frame buttons, system menu, client background) with one drawn
// from a skin, gives the window the skin mask's shape, moves, sizes, maximizes,
// minimizes and rolls the window up itself, drives the keyboard of the form's skinned
// menu bar, and passes skin changes on to the form's skinned controls.
//
// It sits in front of the form's window procedure; messages it does not handle go on to
// the form. Without a skin it draws a plain raised frame with five default buttons.
//
// Split by concern: TbsBusinessSkinForm.cpp (life cycle, properties, skin, geometry and
// painting), ...Messages.cpp (the window procedure), ...States.cpp (maximize, minimize,
// roll-up, translucency, commands), ...Mouse.cpp (hover and press of the elements),
// ...Menus.cpp (system menu, menu mode, short cuts).

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gfx/Bitmap.h"
#include "skin/frame/FrameElements.h"
#include "skin/frame/FrameGeometry.h"
#include "skin/frame/FramePainter.h"
#include "skin/frame/MenuBarLinks.h"
#include "skin/menus/SkinMenuHost.h"
#include "vcl/Set.h"
#include "vcl/TComponent.h"
#include "vcl/TFont.h"
#include "vcl/TForm.h"
#include "vcl/THintWindow.h"
#include "vcl/TPopupMenu.h"
#include "vcl/TTimer.h"

namespace skin {

class TbsSkinData;
class TbsSkinMenu;
class TbsSkinPopupMenu;

enum TbsBorderIcon { biSystemMenu, biMinimize, biMaximize, biRollUp, biMinimizeToTray };
using TbsBorderIcons = vcl::TSet<TbsBorderIcon>;

enum TbsFrameState { fsNormal = 0, fsMinimized = 1, fsMaximized = 2 };

using TbsFrameElementEvent = std::function<void(const std::string& elementName)>;
using TbsFrameElementMouseEvent = std::function<void(const std::string& elementName,
                                                     vcl::TMouseButton button, int x, int y,
                                                     const TRect& elementRect)>;
using TbsFrameElementPaintEvent = std::function<void(const std::string& elementName,
                                                     gfx::Canvas& canvas, const TRect& rect)>;

class TbsBusinessSkinForm : public vcl::TComponent,
                            public SkinMenuHost,
                            public MenuBarFrame,
                            private FrameElementHost,
                            private FrameElementPainter {
public:
    static constexpr unsigned kHoverInterval = 50;
    static constexpr unsigned kMorphInterval = 20;
    static constexpr uintptr_t kFadeTimerId = 1;
    // The window system's double-click time.
    static constexpr uint64_t kDoubleClickTime = 500;

    // The owner must be a form (std::invalid_argument otherwise).
    explicit TbsBusinessSkinForm(vcl::TComponent* owner);
    ~TbsBusinessSkinForm() override;

    vcl::TForm* Form() const { return form_; }

    // --- published properties ---
    TbsSkinData* SkinData() const { return skinData_; }
    void SetSkinData(TbsSkinData* skin);
    TbsSkinData* MenusSkinData() const { return menusSkinData_; }
    void SetMenusSkinData(TbsSkinData* skin) { menusSkinData_ = skin; }
    TbsBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TbsBorderIcons icons);
    bool ShowIcon() const { return showIcon_; }
    void SetShowIcon(bool on);
    bool MaximizeOnFullScreen() const { return maximizeOnFullScreen_; }
    void SetMaximizeOnFullScreen(bool on) { maximizeOnFullScreen_ = on; }
    bool AlphaBlend() const { return alphaBlend_; }
    void SetAlphaBlend(bool on);
    bool AlphaBlendAnimation() const { return alphaBlendAnimation_; }
    void SetAlphaBlendAnimation(bool on) { alphaBlendAnimation_ = on; }
    uint8_t AlphaBlendValue() const { return alphaBlendValue_; }
    void SetAlphaBlendValue(uint8_t value);
    bool MenusAlphaBlend() const;
    void SetMenusAlphaBlend(bool on);
    bool MenusAlphaBlendAnimation() const;
    void SetMenusAlphaBlendAnimation(bool on);
    uint8_t MenusAlphaBlendValue() const;
    void SetMenusAlphaBlendValue(uint8_t value);
    vcl::TFont* DefCaptionFont() { return &defCaptionFont_; }
    vcl::TFont* DefInActiveCaptionFont() { return &defInactiveCaptionFont_; }
    int DefMenuItemHeight() const;
    void SetDefMenuItemHeight(int height);
    vcl::TFont* DefMenuItemFont();
    bool UseSkinFontInMenu() const;
    void SetUseSkinFontInMenu(bool on);
    bool UseDefaultSysMenu() const { return useDefaultSysMenu_; }
    void SetUseDefaultSysMenu(bool on) { useDefaultSysMenu_ = on; }
    vcl::TPopupMenu* SystemMenu() const { return systemMenu_; }
    void SetSystemMenu(vcl::TPopupMenu* menu);
    FrameMenuBar* MainMenuBar() const { return mainMenuBar_; }
    void SetMainMenuBar(FrameMenuBar* bar);
    int MinWidth() const { return minWidth_; }
    void SetMinWidth(int width) { minWidth_ = width; }
    int MinHeight() const { return minHeight_; }
    void SetMinHeight(int height) { minHeight_ = height; }
    bool Magnetic() const { return magnetic_; }
    void SetMagnetic(bool on) { magnetic_ = on; }
    uint8_t MagneticSize() const { return magneticSize_; }
    void SetMagneticSize(uint8_t size) { magneticSize_ = size; }
    vcl::THintWindow* SkinHint() const { return skinHint_; }
    void SetSkinHint(vcl::THintWindow* hint);
    bool ShowObjectHint() const { return showObjectHint_; }
    void SetShowObjectHint(bool on) { showObjectHint_ = on; }

    TbsFrameElementEvent OnMouseEnterEvent, OnMouseLeaveEvent;
    TbsFrameElementMouseEvent OnMouseDownEvent, OnMouseUpEvent, OnMouseMoveEvent;
    TbsFrameElementPaintEvent OnPaintEvent;
    vcl::TNotifyEvent OnChangeSkinData, OnChangeRollUpState, OnSkinMenuOpen, OnSkinMenuClose,
        OnMainMenuEnter, OnMainMenuExit, OnActivate, OnDeActivate;

    // --- operations ---
    void ApplySkin();
    void UpdateFrame(bool rebuild);
    void PaintFrame();
    int FrameHitTest(TPoint windowPoint);
    void SetFrameState(TbsFrameState state);
    void SetRollUp(bool on);
    int MinFrameWidth() const;
    int MinFrameHeight() const;
    int MaxFrameWidth() const;
    int MaxFrameHeight() const;
    void PaintClientBackground(gfx::Canvas& canvas);
    // The system menu as it opens now (items for the frame's state).
    vcl::TMenuItem* BuildSystemMenu();
    // Opens it below the system-menu button, or at the screen point when given.
    void ShowSystemMenu(const TPoint* screenPoint = nullptr);

    // --- state ---
    bool Skinned() const { return skinned_; }
    TbsFrameState FrameState() const { return frameState_; }
    bool RolledUp() const { return rolledUp_; }
    TRect RestoreBounds() const { return restoreBounds_; }
    const FrameGeometry& Geometry() const { return geometry_; }
    // The frame's width on each side of the client area (left, top, right, bottom), as
    // the window will have it; all 0 for a window without border.
    TRect FrameMargins() const;
    int ElementCount() const { return static_cast<int>(elements_.size()); }
    TbsActiveSkinObject* Element(int index) const;
    TbsActiveSkinObject* FindElement(const std::string& name) const;
    int HoverIndex() const { return hoverIndex_; }
    int PressedIndex() const { return pressedIndex_; }
    bool MenuOpen() const { return menuOpen_; }
    bool HoverTracking() const { return hoverTimer_->Enabled(); }
    bool Morphing() const { return morphTimer_->Enabled(); }
    // The window's current picture of the frame (what PaintFrame draws), for tests.
    gfx::Bitmap RenderFrame();

    // SkinMenuHost
    TbsSkinMenu* SkinMenuEngine() override { return menuEngine_; }
    TbsSkinData* MenuSkinData() override;
    void SkinMenuOpening() override;

    // MenuBarFrame
    TbsSkinMenu* MenuEngine() override { return menuEngine_; }
    bool InMenuMode() const override { return menuMode_; }
    void BeginMenuMode() override;
    void EndMenuMode() override;
    void ResetMenuState() override;
    void BarMenuOpening() override;

protected:
    void Notification(vcl::TComponent* component, vcl::TOperation operation) override;

private:
    // FrameElementHost
    const TbsSkinData* ElementSkin() const override { return skinned_ ? skinData_ : nullptr; }
    bool FrameActive() const override { return active_; }
    bool FrameMaximized() const override { return frameState_ == fsMaximized; }
    bool FrameMinimized() const override { return frameState_ == fsMinimized; }
    bool FrameRolledUp() const override { return rolledUp_; }
    bool FrameShowIcon() const override { return showIcon_; }
    bool FrameToolWindow() const override;
    std::string FrameCaptionText() const override { return form_->Caption(); }
    void StartMorphTimer() override;
    void RepaintElement(TbsActiveSkinObject& element) override;
    void RunFrameCommand(TbsStdCommand command) override;
    void OpenButtonMenu(TbsSkinButtonObject& button) override;
    bool ButtonMenuOpen(const TbsSkinButtonObject& button) const override;
    // FrameElementPainter
    void PaintOnBand(size_t index, gfx::Canvas& band) override;
    void PaintCaption(size_t index, gfx::Canvas& window) override;

    // The window procedure in front of the form's (TbsBusinessSkinFormMessages.cpp).
    void FrameWndProc(vcl::TMessage& m);
    bool HandleMessage(vcl::TMessage& m);
    void CloseMenusBeforeMessage();
    void CallPrevious(vcl::TMessage& m) { previousProc_(m); }
    void OnNcCalcSize(vcl::TMessage& m);
    void HandleActivate(vcl::TMessage& m);
    void OnSize(vcl::TMessage& m);
    void OnSkinChanging(vcl::TMessage& m);
    void OnSkinChanged(vcl::TMessage& m);
    void OnSkinMenuClosed();
    bool SystemButtonDoubleClicked() const;
    void OnCaptionDoubleClick();

    // Mouse routing (TbsBusinessSkinFormMouse.cpp).
    void UpdateHover(TPoint windowPoint);
    void SetHover(int index);
    void HoverTick();
    void MorphTick();
    void StartHoverTracking();
    void StopTimers();
    void ElementMouseDown(TPoint windowPoint, vcl::TMouseButton button, int hitCode);
    void ElementMouseUp(TPoint windowPoint, vcl::TMouseButton button);
    void ElementMouseMove(TPoint windowPoint);
    void ShowElementHint(TbsActiveSkinObject& element);
    void HideElementHint();

    // Menus and keys (TbsBusinessSkinFormMenus.cpp).
    bool MenuKeyHook(wm::MSG& msg);
    void HookMessageLoop();
    void UnhookMessageLoop();
    void HandleShortCut(TShortCut shortCut, bool& handled);
    void KeyMenu();
    void AddSystemMenuItem(vcl::TMenuItem* root, int index, const std::string& caption,
                           const std::string& name, std::function<void()> action,
                           TShortCut shortCut = 0);

    // States (TbsBusinessSkinFormStates.cpp).
    void MinimizeToFreePlace();
    void StartFadeIn();
    void FadeTimer();
    void ApplyAlphaBlend();

    // Skin, geometry and painting (TbsBusinessSkinForm.cpp).
    bool HasBorder() const;
    bool Sizeable() const;
    wm::HWND WindowHandle() const;
    int PlainCaptionHeight() const;
    void BuildElements();
    void DropElements();
    void ApplyElementBorderIcons();
    void LayoutElements();
    void RemoveRegion();
    void PaintPlainFrame(gfx::Canvas& canvas, int width, int height);
    void DrawFrameOnWindow();
    void BringToMinimumSize();
    bool MaskOpaque(TPoint windowPoint) const;
    TRect WorkOrScreen() const;
    void SetFormBounds(const TRect& r);

    vcl::TForm* form_;
    std::function<void(vcl::TMessage&)> previousProc_;
    TbsSkinData* skinData_ = nullptr;
    TbsSkinData* menusSkinData_ = nullptr;
    TbsBorderIcons borderIcons_{biSystemMenu, biMinimize, biMaximize, biRollUp};
    bool showIcon_ = false;
    bool maximizeOnFullScreen_ = false;
    bool alphaBlend_ = false, alphaBlendAnimation_ = false;
    uint8_t alphaBlendValue_ = 200;
    vcl::TFont defCaptionFont_, defInactiveCaptionFont_;
    bool useDefaultSysMenu_ = true;
    vcl::TPopupMenu* systemMenu_ = nullptr;
    FrameMenuBar* mainMenuBar_ = nullptr;
    vcl::TComponent* mainMenuBarComponent_ = nullptr;
    int minWidth_ = 0, minHeight_ = 0;
    bool magnetic_ = false;
    uint8_t magneticSize_ = 5;
    vcl::THintWindow* skinHint_ = nullptr;
    bool showObjectHint_ = false;

    bool skinned_ = false;
    bool active_ = false;
    TbsFrameState frameState_ = fsNormal;
    bool rolledUp_ = false, rolledUpWhenMaximized_ = false;
    int rolledHeight_ = 0;
    TRect restoreBounds_;
    int frameWidth_ = 0, frameHeight_ = 0;
    FrameGeometry geometry_;
    std::vector<std::unique_ptr<TbsActiveSkinObject>> elements_;
    int hoverIndex_ = -1, pressedIndex_ = -1;
    // The mask's four border images (top, bottom, left, right) at the window's size.
    std::array<gfx::Bitmap, 4> maskBorders_;
    bool hasRegion_ = false;
    vcl::TTimer* hoverTimer_;
    vcl::TTimer* morphTimer_;
    bool inSizeMove_ = false, fullDrag_ = false;

    TbsSkinMenu* menuEngine_;
    TbsSkinPopupMenu* internalSystemMenu_;
    bool menuMode_ = false;
    bool menuOpen_ = false;       // a skinned menu of this frame is open
    bool menuOpening_ = false;    // OnSkinMenuOpen raised for the current opening sequence
    bool menuFromBar_ = false;
    bool escapeClosing_ = false;  // an Escape is closing the last level
    int menuButtonIndex_ = -1;    // the button whose menu is open
    uint64_t systemButtonPressTime_ = 0;  // when a press opened the system menu
    int hookId_ = 0;
    bool shortCutDone_ = false;
};

}  // namespace skin

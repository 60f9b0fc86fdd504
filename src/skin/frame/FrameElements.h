#pragma once
// The elements drawn inside a skinned window frame: the caption, the frame buttons and
// the skin's other objects. Each is made from one skin object record, knows its
// rectangle in the window, reacts to the mouse and fades between its normal and its
// active picture. The frame component owns them, lays them out, paints them into its
// frame images and routes the mouse to them; what an element needs of the frame it asks
// through FrameElementHost.

#include <memory>
#include <string>
#include <vector>

#include "base/Geometry.h"
#include "gfx/Bitmap.h"
#include "gfx/Canvas.h"
#include "skin/SkinObjectRecords.h"
#include "skin/SkinValues.h"
#include "skin/frame/FrameElementLayout.h"
#include "vcl/Types.h"

namespace skin {

class TbsSkinData;
class TbsActiveSkinObject;
class TbsSkinButtonObject;

// What an element asks of the frame it lives in.
class FrameElementHost {
public:
    virtual ~FrameElementHost() = default;
    // The skin the elements were made from (null for the default buttons).
    virtual const TbsSkinData* ElementSkin() const = 0;
    virtual bool FrameActive() const = 0;
    virtual bool FrameMaximized() const = 0;
    virtual bool FrameMinimized() const = 0;
    virtual bool FrameRolledUp() const = 0;
    virtual bool FrameShowIcon() const = 0;
    virtual bool FrameToolWindow() const = 0;
    // The form's caption.
    virtual std::string FrameCaptionText() const = 0;
    // Starts the 20 ms morph timer.
    virtual void StartMorphTimer() = 0;
    // Paints one element alone onto the window.
    virtual void RepaintElement(TbsActiveSkinObject& element) = 0;
    // Close, maximize/restore, minimize/restore, roll up/down.
    virtual void RunFrameCommand(TbsStdCommand command) = 0;
    // Opens the button's menu below it (the system menu for the system-menu button).
    virtual void OpenButtonMenu(TbsSkinButtonObject& button) = 0;
    virtual bool ButtonMenuOpen(const TbsSkinButtonObject& button) const = 0;
};

class TbsActiveSkinObject {
public:
    TbsActiveSkinObject(FrameElementHost& host, const TbsDataSkinObject* record);
    virtual ~TbsActiveSkinObject() = default;
    TbsActiveSkinObject(const TbsActiveSkinObject&) = delete;
    TbsActiveSkinObject& operator=(const TbsActiveSkinObject&) = delete;

    // The virtual operations, in slot order.
    virtual bool NeedsMorph() const;
    virtual void PaintElement(gfx::Canvas& canvas, bool forced);
    virtual void DblClick() {}
    virtual void MouseDown(int /*x*/, int /*y*/, vcl::TMouseButton /*button*/) {}
    virtual void MouseUp(int /*x*/, int /*y*/, vcl::TMouseButton /*button*/) {}
    virtual void MouseMove(int /*x*/, int /*y*/) {}
    virtual void MouseEnter();
    virtual void MouseLeave();

    // One step of the fade (0.1 towards IsActive), then a repaint of this element alone.
    void MorphStep();
    // Fades with morphing on (through the frame's timer), else repaints at once.
    void StartMorph();
    // Sets IsActive (the caption follows the window's activation).
    void SetActive(bool active);

    virtual bool IsCaption() const { return false; }
    // The slot the layout works on, and taking its result back.
    FrameElementSlot Slot() const;
    void TakeLayout(const FrameElementSlot& slot);

    const TbsDataSkinObject* Record() const { return record_; }
    std::string ElementName, ElementHint;
    TRect NormalRect, HotRect;
    bool InPicture = false;
    const gfx::Bitmap* HotPicture = nullptr;
    bool MorphOn = false;
    TbsMorphKind MorphStyle = mkDefault;
    TRect WindowRect;
    bool IsVisible = true, IsEnabled = true;
    bool IsActive = false, MouseIn = false;
    double MorphProgress = 0.0;

protected:
    // The picture the normal image is cut from: HotPicture when InPicture, else the frame's.
    const gfx::Bitmap* NormalPicture() const;
    // Draws a source rectangle of a picture at WindowRect (stretched when sizes differ).
    void DrawPart(gfx::Canvas& canvas, const gfx::Bitmap* picture, const TRect& source) const;
    // The normal image fading towards the active one at MorphProgress.
    void DrawMorph(gfx::Canvas& canvas, const gfx::Bitmap* normalPicture, const TRect& normal,
                   const gfx::Bitmap* activePicture, const TRect& active) const;
    // Whether the fade has not reached the target of IsActive yet.
    bool MorphInProgress() const;
    FrameElementHost& host_;

private:
    const TbsDataSkinObject* record_;
};

// A rectangle of the frame picture the application may draw on (OnPaintEvent).
class TbsUserObject : public TbsActiveSkinObject {
public:
    using TbsActiveSkinObject::TbsActiveSkinObject;
};

class TbsSkinButtonObject : public TbsActiveSkinObject {
public:
    TbsSkinButtonObject(FrameElementHost& host, const TbsDataSkinObject* record);

    bool NeedsMorph() const override;
    void PaintElement(gfx::Canvas& canvas, bool forced) override;
    void MouseDown(int x, int y, vcl::TMouseButton button) override;
    void MouseUp(int x, int y, vcl::TMouseButton button) override;
    void MouseEnter() override;
    void MouseLeave() override;

    bool IsDown() const { return isDown_; }
    void SetDown(bool down);
    // The button opens a menu (the system-menu button; buttons given a menu).
    virtual bool HasMenu() const { return hasMenu_; }
    void SetHasMenu(bool on) { hasMenu_ = on; }

    TRect PressedRect, DisabledRect;

protected:
    // Disabled and pressed looks; false when neither applies.
    bool PaintButtonState(gfx::Canvas& canvas);

private:
    bool isDown_ = false;
    bool hasMenu_ = false;
};

class TbsSkinStdButtonObject : public TbsSkinButtonObject {
public:
    // From a skin record.
    TbsSkinStdButtonObject(FrameElementHost& host, const TbsDataSkinStdButton* record);
    // One of the default buttons of a frame without skin.
    TbsSkinStdButtonObject(FrameElementHost& host, std::string name, TbsStdCommand command);

    void PaintElement(gfx::Canvas& canvas, bool forced) override;
    void MouseUp(int x, int y, vcl::TMouseButton button) override;
    void DblClick() override;
    void MouseEnter() override;
    bool NeedsMorph() const override;
    bool HasMenu() const override { return ButtonCommand == cmSysMenu; }

    TbsStdCommand ButtonCommand = cmDefault;
    TRect RestoreRect, RestoreActiveRect, RestoreDownRect, RestoreInactiveRect;
    bool FromSkin = true;

private:
    // Maximize while maximized, minimize while minimized, roll-up while rolled up.
    bool InRestoreState() const;
    void PaintDefault(gfx::Canvas& canvas) const;
    void PaintIcon(gfx::Canvas& canvas) const;
};

class TbsSkinCaptionObject : public TbsActiveSkinObject {
public:
    TbsSkinCaptionObject(FrameElementHost& host, const TbsDataSkinCaption* record);

    bool IsCaption() const override { return true; }
    // The caption is drawn by PaintCaption after the frame's inactive effect.
    void PaintElement(gfx::Canvas& /*canvas*/, bool /*forced*/) override {}
    // Background, text frame, shadow and the caption text shortened with "...".
    void PaintCaption(gfx::Canvas& canvas);

    const TbsDataSkinCaption& Caption() const { return *caption_; }
    // Where the text went at the last paint (window coordinates), for tests.
    TRect LastTextRect;
    std::string LastText;

private:
    const TbsDataSkinCaption* caption_;
};

// The elements of a skin, in the order of its object records: caption, standard buttons,
// buttons and user objects (menu items and menu-bar objects make none).
std::vector<std::unique_ptr<TbsActiveSkinObject>> CreateFrameElements(FrameElementHost& host,
                                                                      const TbsSkinData& skin);
// The five default buttons of a frame without skin.
std::vector<std::unique_ptr<TbsActiveSkinObject>> CreateDefaultFrameButtons(FrameElementHost& host);
// Places the default buttons: square (17, 13 for tool windows), right to left from the
// window's right edge less 3, 4 from the top; the system-menu button at the caption's left.
void LayoutDefaultFrameButtons(std::vector<std::unique_ptr<TbsActiveSkinObject>>& elements,
                               int width, bool toolWindow);

}  // namespace skin

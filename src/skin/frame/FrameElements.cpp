#include "skin/frame/FrameElements.h"

#include <algorithm>
#include <cmath>

#include "skin/frame/FramePainter.h"
#include "skin/SkinText.h"
#include "skin/SkinTiling.h"
#include "skin/TbsEffectBmp.h"
#include "skin/TbsSkinData.h"
#include "skin/menus/FrameGlyphs.h"

namespace skin {

namespace {

constexpr TColor kDefaultButtonHotFill = 13811126;
constexpr TColor kDefaultButtonDownFill = 11899781;
constexpr TColor kDefaultButtonFrame = 0x6A240A;

// The image of a source rectangle at a size: copied, or stretched when sizes differ.
gfx::Bitmap PartImage(const gfx::Bitmap& picture, const TRect& source, int width, int height) {
    gfx::Bitmap image(std::max(width, 0), std::max(height, 0));
    gfx::Canvas c(image);
    c.CopyRect({0, 0, width, height}, picture, source);
    return image;
}

}  // namespace

// --- TbsActiveSkinObject -------------------------------------------------------------

TbsActiveSkinObject::TbsActiveSkinObject(FrameElementHost& host, const TbsDataSkinObject* record)
    : host_(host), record_(record) {
    if (!record) return;
    ElementName = record->SectionName;
    ElementHint = record->hint;
    NormalRect = record->skinrect;
    HotRect = record->activeskinrect;
    InPicture = record->skinrectinapicture;
    const TbsSkinData* skin = host.ElementSkin();
    HotPicture = skin ? skin->ActivePicture(record->activepictureindex) : nullptr;
    if (!HotPicture) HotRect = {};
    MorphOn = record->morphing && !HotRect.IsEmpty();
    MorphStyle = record->morphkind;
    WindowRect = NormalRect;
}

bool TbsActiveSkinObject::NeedsMorph() const {
    return (IsActive && MorphProgress < 1.0) || (!IsActive && MorphProgress > 0.0);
}

bool TbsActiveSkinObject::MorphInProgress() const {
    return IsActive ? MorphProgress < 1.0 : MorphProgress > 0.0;
}

void TbsActiveSkinObject::MorphStep() {
    // Counted in tenths, so ten steps land exactly on 0 or 1.
    const double tenths = std::round(MorphProgress * 10.0) + (IsActive ? 1.0 : -1.0);
    MorphProgress = std::clamp(tenths / 10.0, 0.0, 1.0);
    host_.RepaintElement(*this);
}

void TbsActiveSkinObject::StartMorph() {
    if (MorphOn) host_.StartMorphTimer();
    else host_.RepaintElement(*this);
}

void TbsActiveSkinObject::SetActive(bool active) {
    IsActive = active;
    StartMorph();
}

void TbsActiveSkinObject::MouseEnter() {
    MouseIn = true;
    IsActive = true;
    if (!HotRect.IsEmpty()) StartMorph();
}

void TbsActiveSkinObject::MouseLeave() {
    MouseIn = false;
    IsActive = false;
    if (!HotRect.IsEmpty()) StartMorph();
}

FrameElementSlot TbsActiveSkinObject::Slot() const {
    FrameElementSlot s;
    s.record = record_;
    s.normalRect = NormalRect;
    s.inPicture = InPicture;
    s.isCaption = IsCaption();
    if (auto* b = dynamic_cast<const TbsSkinStdButtonObject*>(this)) {
        s.isStdButton = true;
        s.command = b->ButtonCommand;
    }
    s.visible = IsVisible;
    s.enabled = IsEnabled;
    s.windowRect = WindowRect;
    return s;
}

void TbsActiveSkinObject::TakeLayout(const FrameElementSlot& slot) {
    WindowRect = slot.windowRect;
    IsVisible = slot.visible;
    IsEnabled = slot.enabled;
}

const gfx::Bitmap* TbsActiveSkinObject::NormalPicture() const {
    if (InPicture) return HotPicture;
    const TbsSkinData* skin = host_.ElementSkin();
    return skin && !skin->Picture().IsEmpty() ? &skin->Picture() : nullptr;
}

void TbsActiveSkinObject::DrawPart(gfx::Canvas& canvas, const gfx::Bitmap* picture,
                                   const TRect& source) const {
    if (!picture || source.IsEmpty() || WindowRect.IsEmpty()) return;
    canvas.CopyRect(WindowRect, *picture, source);
}

void TbsActiveSkinObject::DrawMorph(gfx::Canvas& canvas, const gfx::Bitmap* normalPicture,
                                    const TRect& normal, const gfx::Bitmap* activePicture,
                                    const TRect& active) const {
    if (!normalPicture || !activePicture || WindowRect.IsEmpty()) return;
    const int w = WindowRect.Width(), h = WindowRect.Height();
    TbsEffectBmp from(PartImage(*normalPicture, normal, w, h));
    TbsEffectBmp to(PartImage(*activePicture, active, w, h));
    from.Morph(MorphStyle, to, MorphProgress);
    from.Draw(canvas, WindowRect.Left, WindowRect.Top);
}

void TbsActiveSkinObject::PaintElement(gfx::Canvas& canvas, bool forced) {
    if (MorphOn && MorphInProgress()) {
        DrawMorph(canvas, NormalPicture(), NormalRect, HotPicture, HotRect);
    } else if (!IsActive || HotRect.IsEmpty()) {
        // Not forced, a part of the frame picture is already on the band.
        if (forced || InPicture) DrawPart(canvas, NormalPicture(), NormalRect);
    } else {
        DrawPart(canvas, HotPicture, HotRect);
    }
}

// --- TbsSkinButtonObject -------------------------------------------------------------

TbsSkinButtonObject::TbsSkinButtonObject(FrameElementHost& host, const TbsDataSkinObject* record)
    : TbsActiveSkinObject(host, record) {
    if (auto* b = dynamic_cast<const TbsDataSkinButton*>(record)) {
        PressedRect = b->downrect;
        DisabledRect = b->disableskinrsect;
    }
}

bool TbsSkinButtonObject::NeedsMorph() const {
    if (isDown_ && host_.ButtonMenuOpen(*this)) return false;
    return TbsActiveSkinObject::NeedsMorph();
}

bool TbsSkinButtonObject::PaintButtonState(gfx::Canvas& canvas) {
    if (!IsEnabled && !DisabledRect.IsEmpty()) {
        DrawPart(canvas, NormalPicture(), DisabledRect);
        return true;
    }
    if (isDown_ && MouseIn && !PressedRect.IsEmpty()) {
        DrawPart(canvas, NormalPicture(), PressedRect);
        return true;
    }
    return false;
}

void TbsSkinButtonObject::PaintElement(gfx::Canvas& canvas, bool forced) {
    if (!PaintButtonState(canvas)) TbsActiveSkinObject::PaintElement(canvas, forced);
}

void TbsSkinButtonObject::SetDown(bool down) {
    isDown_ = down;
    if (MorphOn && IsActive) MorphProgress = 1.0;
    host_.RepaintElement(*this);
    if (!down) StartMorph();
}

void TbsSkinButtonObject::MouseDown(int, int, vcl::TMouseButton button) {
    if (button != vcl::mbLeft || !IsEnabled || isDown_) return;
    SetDown(true);
    if (HasMenu()) host_.OpenButtonMenu(*this);
}

void TbsSkinButtonObject::MouseUp(int, int, vcl::TMouseButton button) {
    if (button != vcl::mbLeft || !IsEnabled || HasMenu() || !isDown_) return;
    SetDown(false);
}

void TbsSkinButtonObject::MouseEnter() {
    if (isDown_ && !PressedRect.IsEmpty()) {
        MouseIn = true;
        IsActive = true;
        if (MorphOn) MorphProgress = 1.0;
        host_.RepaintElement(*this);
        return;
    }
    TbsActiveSkinObject::MouseEnter();
}

void TbsSkinButtonObject::MouseLeave() {
    MouseIn = false;
    IsActive = false;
    host_.RepaintElement(*this);
    if (!(isDown_ && host_.ButtonMenuOpen(*this)) && !HotRect.IsEmpty()) StartMorph();
}

// --- TbsSkinStdButtonObject ----------------------------------------------------------

TbsSkinStdButtonObject::TbsSkinStdButtonObject(FrameElementHost& host,
                                               const TbsDataSkinStdButton* record)
    : TbsSkinButtonObject(host, record) {
    if (!record) return;
    ButtonCommand = record->command;
    RestoreRect = record->restorerect;
    RestoreActiveRect = record->restoreactiverect;
    RestoreDownRect = record->restoredownrect;
    RestoreInactiveRect = record->restoreinactiverect;
}

TbsSkinStdButtonObject::TbsSkinStdButtonObject(FrameElementHost& host, std::string name,
                                               TbsStdCommand command)
    : TbsSkinButtonObject(host, nullptr) {
    ElementName = std::move(name);
    ButtonCommand = command;
    FromSkin = false;
    InPicture = true;  // hidden, not merely disabled, when its border icon is absent
}

bool TbsSkinStdButtonObject::InRestoreState() const {
    switch (ButtonCommand) {
        case cmMaximize: return host_.FrameMaximized();
        case cmMinimize: return host_.FrameMinimized();
        case cmRollUp: return host_.FrameRolledUp();
        default: return false;
    }
}

bool TbsSkinStdButtonObject::NeedsMorph() const {
    if (ButtonCommand == cmSysMenu && host_.FrameShowIcon() && InPicture) return false;
    return TbsSkinButtonObject::NeedsMorph();
}

void TbsSkinStdButtonObject::PaintElement(gfx::Canvas& canvas, bool forced) {
    if (!FromSkin) {
        PaintDefault(canvas);
        return;
    }
    if (IsEnabled) {
        if (ButtonCommand == cmSysMenu && host_.FrameShowIcon() && InPicture) {
            PaintIcon(canvas);
            return;
        }
        if (InRestoreState() && !RestoreRect.IsEmpty()) {
            if (!host_.FrameActive() && !RestoreInactiveRect.IsEmpty())
                DrawPart(canvas, HotPicture, RestoreInactiveRect);
            else if (IsDown() && MouseIn && !RestoreDownRect.IsEmpty())
                DrawPart(canvas, HotPicture, RestoreDownRect);
            else if (MorphOn && MorphInProgress() && !RestoreActiveRect.IsEmpty())
                DrawMorph(canvas, HotPicture, RestoreRect, HotPicture, RestoreActiveRect);
            else if (IsActive && !RestoreActiveRect.IsEmpty())
                DrawPart(canvas, HotPicture, RestoreActiveRect);
            else
                DrawPart(canvas, HotPicture, RestoreRect);
            return;
        }
    }
    TbsSkinButtonObject::PaintElement(canvas, forced);
}

void TbsSkinStdButtonObject::PaintIcon(gfx::Canvas& canvas) const {
    // The program has no icon resources: the system's default application symbol.
    canvas.Save();
    canvas.Brush().style = gfx::BrushStyle::Solid;
    canvas.Brush().color = clBtnFace;
    canvas.FillRect(WindowRect);
    DrawFrameGlyph(canvas, fgSysMenu, WindowRect, std::min(WindowRect.Width(), 12), clBtnText);
    canvas.Restore();
}

void TbsSkinStdButtonObject::PaintDefault(gfx::Canvas& canvas) const {
    if (!IsVisible || WindowRect.IsEmpty()) return;
    canvas.Save();
    canvas.Brush().style = gfx::BrushStyle::Solid;
    canvas.Brush().color = clBtnFace;
    canvas.FillRect(WindowRect);
    const bool down = IsDown() && MouseIn;
    if (MouseIn || down) {
        canvas.Brush().color = kDefaultButtonFrame;
        canvas.FrameRect(WindowRect);
        canvas.Brush().color = down ? kDefaultButtonDownFill : kDefaultButtonHotFill;
        canvas.FillRect(WindowRect.Inflate(-1, -1));
    }
    TFrameGlyph glyph = fgNone;
    switch (ButtonCommand) {
        case cmClose: glyph = fgClose; break;
        case cmMaximize: glyph = host_.FrameMaximized() ? fgRestore : fgMaximize; break;
        case cmMinimize: glyph = host_.FrameMinimized() ? fgRestore : fgMinimize; break;
        case cmSysMenu: glyph = fgSysMenu; break;
        case cmRollUp: glyph = host_.FrameRolledUp() ? fgRollDown : fgRollUp; break;
        case cmDefault: break;
    }
    const TRect box = down ? WindowRect.Offset(1, 1) : WindowRect;
    DrawFrameGlyph(canvas, glyph, box, 10, IsEnabled ? clBtnText : clBtnShadow);
    canvas.Restore();
}

void TbsSkinStdButtonObject::MouseUp(int x, int y, vcl::TMouseButton button) {
    const bool run = button == vcl::mbLeft && IsEnabled && IsDown() && MouseIn &&
                     ButtonCommand != cmSysMenu && ButtonCommand != cmDefault;
    if (run && ButtonCommand == cmClose) {
        TbsSkinButtonObject::MouseUp(x, y, button);
        host_.RunFrameCommand(cmClose);  // may free the form and this element: nothing after
        return;
    }
    if (run) host_.RunFrameCommand(ButtonCommand);
    TbsSkinButtonObject::MouseUp(x, y, button);
}

// The default buttons have no active picture: they show the hover at once.
void TbsSkinStdButtonObject::MouseEnter() {
    TbsSkinButtonObject::MouseEnter();
    if (!FromSkin) host_.RepaintElement(*this);
}

void TbsSkinStdButtonObject::DblClick() {
    if (ButtonCommand == cmSysMenu) host_.RunFrameCommand(cmClose);
}

// --- TbsSkinCaptionObject ------------------------------------------------------------

TbsSkinCaptionObject::TbsSkinCaptionObject(FrameElementHost& host, const TbsDataSkinCaption* record)
    : TbsActiveSkinObject(host, record), caption_(record) {}

namespace {

// The caption background at the element's width: the part between the frame's top
// corner points tiled, the parts outside them kept at the ends; stretched when both ends
// are empty.
gfx::Bitmap CaptionBackground(const gfx::Bitmap& picture, const TRect& s, const TbsFormInfo& f,
                              int width) {
    const int left = std::clamp(f.lefttoppoint.X - s.Left, 0, s.Width());
    const int right = std::clamp(s.Right - f.righttoppoint.X, 0, s.Width() - left);
    if (left == 0 && right == 0) return PartImage(picture, s, width, s.Height());
    gfx::Bitmap image;
    TileHorzImage(image, picture, s, left, right, width);
    return image;
}

}  // namespace

void TbsSkinCaptionObject::PaintCaption(gfx::Canvas& canvas) {
    if (!IsVisible || WindowRect.IsEmpty()) return;
    const TbsSkinData* skin = host_.ElementSkin();
    if (!skin) return;
    const bool active = host_.FrameActive();
    // 1, 2: a background of its own only where the frame picture does not show it already.
    const bool ownBackground = InPicture || (IsActive && !HotRect.IsEmpty()) ||
                               (MorphOn && MorphInProgress());
    if (ownBackground) {
        const gfx::Bitmap* normal = NormalPicture();
        if (normal) {
            const TbsFormInfo& f = skin->FormInfo();
            TbsEffectBmp image(CaptionBackground(*normal, NormalRect, f, WindowRect.Width()));
            if (!HotRect.IsEmpty() && HotPicture && (IsActive || MorphProgress > 0)) {
                TbsEffectBmp hot(CaptionBackground(*HotPicture, HotRect, f, WindowRect.Width()));
                image.Morph(MorphStyle, hot, MorphOn ? MorphProgress : 1.0);
            }
            if (!active && f.autorenderinginactiveimage) image.ApplyInactiveEffect(f.inactiveeffect);
            image.Draw(canvas, WindowRect.Left, WindowRect.Top);
        }
    }
    // 3: the text rectangle grows with the caption.
    const TbsDataSkinCaption& rec = *caption_;
    const std::string text = host_.FrameCaptionText();
    LastText.clear();
    LastTextRect = {};
    if (text.empty() || rec.textrect.IsEmpty()) return;
    TRect r = rec.textrect.Offset(WindowRect.Left, WindowRect.Top);
    r.Right += WindowRect.Width() - NormalRect.Width();
    const bool textFrame = !rec.framerect.IsEmpty();
    if (textFrame) {
        r.Left += rec.frametextrect.Left;
        r.Top += rec.frametextrect.Top;
        r.Right += rec.frametextrect.Right - rec.framerect.Width();
    }
    if (r.Width() <= 0) return;
    const CaptionTextLayout t = LayoutCaptionText(rec, text, r);
    const int w = t.font.TextWidth(t.shown);
    // 4: the frame behind the text.
    if (textFrame && HotPicture) {
        const TRect source = active && !rec.activeframerect.IsEmpty() ? rec.activeframerect : rec.framerect;
        gfx::Bitmap frame;
        TileHorzImage(frame, *HotPicture, source, rec.frameleftoffset, rec.framerightoffset,
                      rec.framerect.Width() + w - rec.frametextrect.Width());
        canvas.Draw(t.x - rec.frametextrect.Left, t.y - rec.frametextrect.Top, frame);
    }
    // 5: the text, with the shadow one pixel right and down.
    PaintCaptionText(canvas, rec, t, r, active);
    LastText = t.shown;
    LastTextRect = r;
}

// --- making and placing --------------------------------------------------------------

std::vector<std::unique_ptr<TbsActiveSkinObject>> CreateFrameElements(FrameElementHost& host,
                                                                      const TbsSkinData& skin) {
    std::vector<std::unique_ptr<TbsActiveSkinObject>> elements;
    for (const auto& record : skin.ObjectRecords()) {
        const TbsDataSkinObject* r = record.get();
        if (dynamic_cast<const TbsDataSkinMenuItem*>(r) ||
            dynamic_cast<const TbsDataSkinMainMenuItem*>(r) ||
            dynamic_cast<const TbsDataSkinMainMenuBarButton*>(r))
            continue;
        if (auto* stdButton = dynamic_cast<const TbsDataSkinStdButton*>(r))
            elements.push_back(std::make_unique<TbsSkinStdButtonObject>(host, stdButton));
        else if (dynamic_cast<const TbsDataSkinButton*>(r))
            elements.push_back(std::make_unique<TbsSkinButtonObject>(host, r));
        else if (auto* caption = dynamic_cast<const TbsDataSkinCaption*>(r))
            elements.push_back(std::make_unique<TbsSkinCaptionObject>(host, caption));
        else if (dynamic_cast<const TbsDataUserObject*>(r))
            elements.push_back(std::make_unique<TbsUserObject>(host, r));
    }
    return elements;
}

std::vector<std::unique_ptr<TbsActiveSkinObject>> CreateDefaultFrameButtons(FrameElementHost& host) {
    std::vector<std::unique_ptr<TbsActiveSkinObject>> elements;
    const std::pair<const char*, TbsStdCommand> buttons[] = {
        {"closebutton", cmClose}, {"maxbutton", cmMaximize}, {"minbutton", cmMinimize},
        {"rollupbutton", cmRollUp}, {"sysmenubutton", cmSysMenu}};
    for (const auto& [name, command] : buttons)
        elements.push_back(std::make_unique<TbsSkinStdButtonObject>(host, name, command));
    return elements;
}

void LayoutDefaultFrameButtons(std::vector<std::unique_ptr<TbsActiveSkinObject>>& elements,
                               int width, bool toolWindow) {
    const int size = toolWindow ? 13 : 17;
    const int top = 4;
    int x = width - 3;
    for (TbsStdCommand command : {cmClose, cmMaximize, cmMinimize, cmRollUp}) {
        for (auto& e : elements) {
            auto* b = dynamic_cast<TbsSkinStdButtonObject*>(e.get());
            if (!b || b->ButtonCommand != command || !b->IsVisible) continue;
            b->WindowRect = {x - size, top, x, top + size};
            x -= size + 1;
            break;
        }
    }
    for (auto& e : elements) {
        auto* b = dynamic_cast<TbsSkinStdButtonObject*>(e.get());
        if (b && b->ButtonCommand == cmSysMenu) b->WindowRect = TRect::FromSize(4, top, size, size);
    }
}

}  // namespace skin

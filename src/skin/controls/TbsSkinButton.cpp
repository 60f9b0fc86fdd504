#include "skin/controls/TbsSkinButton.h"

#include "base/ShortCut.h"
#include "skin/TbsEffectBmp.h"
#include "skin/controls/DefaultLook.h"
#include "skin/controls/ImageListPictures.h"
#include "vcl/Accelerators.h"
#include "vcl/TForm.h"
#include "wm/Messages.h"
#include "wm/Timers.h"

namespace skin {

namespace {
constexpr uintptr_t kRepeatTimer = 1;
}  // namespace

TbsSkinButton::TbsSkinButton(TComponent* owner) : TbsSkinFadeControl(owner) {
    SetSkinDataName("button");
    SetTabStop(true);
    SetBounds(0, 0, 75, 25);
}

TbsSkinButton::~TbsSkinButton() = default;

void TbsSkinButton::SetGlyph(const gfx::Bitmap& glyph) {
    glyph_ = glyph;
    Invalidate();
}

void TbsSkinButton::SetNumGlyphs(int n) {
    if (n < 1 || n > 4) return;
    numGlyphs_ = n;
    Invalidate();
}

void TbsSkinButton::SetLayout(TbsButtonLayout layout) {
    layout_ = layout;
    Invalidate();
}

void TbsSkinButton::SetMargin(int margin) {
    if (margin < -1) return;
    margin_ = margin;
    Invalidate();
}

void TbsSkinButton::SetSpacing(int spacing) {
    spacing_ = spacing;
    Invalidate();
}

void TbsSkinButton::SetImages(vcl::TImageList* images) {
    if (images_) RemoveFreeNotification(images_);
    images_ = images;
    if (images_) FreeNotification(images_);
    Invalidate();
}

void TbsSkinButton::Notification(TComponent* component, vcl::TOperation operation) {
    TbsSkinFadeControl::Notification(component, operation);
    if (operation == vcl::opRemove && component == images_) {
        images_ = nullptr;
        Invalidate();
    }
}

void TbsSkinButton::SetGroupIndex(int index) {
    groupIndex_ = index;
    if (index != 0) SetCanFocused(false);
}

void TbsSkinButton::SetDefault(bool on) {
    default_ = on;
    // Every button recomputes its Enter flag from the form's focused control.
    if (vcl::TForm* form = vcl::GetParentForm(this)) AnnounceFocusMove(form->ActiveControl());
    Invalidate();
}

bool TbsSkinButton::EnterTarget() const {
    vcl::TForm* form = vcl::GetParentForm(this);
    TWinControl* active = form ? form->ActiveControl() : nullptr;
    if (dynamic_cast<TbsSkinButton*>(active)) return active == this;
    return default_;
}

void TbsSkinButton::CreateWnd() {
    TbsSkinFadeControl::CreateWnd();
    enterTarget_ = default_;
}

// --- state ---------------------------------------------------------------------------

bool TbsSkinButton::Morphing() const {
    const auto* r = ButtonRecord();
    return r && r->morphing;
}

bool TbsSkinButton::ShowsDown() const {
    if (!down_) return false;
    if (groupIndex_ != 0) return true;
    return hot_ || (HasFocus() && !mouseHeld_);
}

TRect TbsSkinButton::ActiveRect() const {
    const auto* r = ButtonRecord();
    return r ? OrElse(r->activeskinrect, r->skinrect) : TRect{};
}

TRect TbsSkinButton::DownRect() const {
    const auto* r = ButtonRecord();
    return r ? OrElse(r->downskinrect, ActiveRect()) : TRect{};
}

int TbsSkinButton::GlyphCell(bool active, bool down) const {
    if (down && active && numGlyphs_ > 2) return 3;
    if (active && numGlyphs_ > 3) return 4;
    if (IsEnabledChain() || numGlyphs_ < 2) return 1;
    return 2;
}

void TbsSkinButton::SetDown(bool down) {
    down_ = down;
    if (Morphing()) {
        morphProgress_ = 1;
        if (down)
            StopMorph();
        else
            StartMorph();
    }
    Invalidate();
    if (groupIndex_ != 0 && down && !allowAllUp_) ReleaseSiblings();
}

void TbsSkinButton::ReleaseSiblings() {
    TWinControl* parent = Parent();
    if (!parent) return;
    for (int i = 0; i < parent->ControlCount(); ++i) {
        auto* other = dynamic_cast<TbsSkinButton*>(parent->Controls(i));
        if (other && other != this && other->groupIndex_ == groupIndex_ && other->down_)
            other->SetDown(false);
    }
}

void TbsSkinButton::PerformClick() {
    if (canFocused_)
        if (vcl::TForm* form = vcl::GetParentForm(this)) form->SetModalResult(modalResult_);
    if (OnClick) OnClick(this);
}

// --- painting ------------------------------------------------------------------------

void TbsSkinButton::Paint() {
    if (Width() <= 0 || Height() <= 0) return;
    FetchSkinRecord();
    const auto* r = ButtonRecord();
    if (!r) {
        TbsSkinFadeControl::Paint();
        return;
    }
    if (r->morphing && morphProgress_ > 0 && morphProgress_ < 1 && IsEnabledChain()) {
        gfx::Bitmap normal(Width(), Height()), active(Width(), Height());
        DrawButtonFace(normal, r->skinrect, false, false);
        DrawButtonFace(active, ActiveRect(), true, false);
        TbsEffectBmp mixed(normal);
        mixed.Morph(r->morphkind, TbsEffectBmp(active), morphProgress_);
        PutImage(mixed.Pixels());
        return;
    }
    gfx::Bitmap face(Width(), Height());
    if (!IsEnabledChain() && !IsEmptyRect(r->disabledskinrect))
        DrawButtonFace(face, r->disabledskinrect, false, false);
    else if (ShowsDown())
        DrawButtonFace(face, DownRect(), true, true);
    else if (HasFocus() || hot_)
        DrawButtonFace(face, ActiveRect(), true, false);
    else if (!r->morphing || morphProgress_ != 1)
        DrawButtonFace(face, r->skinrect, false, false);
    else
        DrawButtonFace(face, ActiveRect(), true, false);
    PutImage(face);
}

void TbsSkinButton::DrawButtonFace(gfx::Bitmap& bitmap, const TRect& source, bool active, bool down) {
    const auto* r = ButtonRecord();
    if (!r) return;
    BuildSkinImage(bitmap, SkinPicture(), source);
    gfx::Font font = SkinFont(r->font, UseSkinFont(), *DefaultFont());
    TColor color = r->font.fontcolor;
    if (!IsEnabledChain())
        color = r->disabledfontcolor;
    else if (active && down)
        color = r->downfontcolor;
    else if (active)
        color = r->activefontcolor;
    gfx::Canvas c(bitmap);
    DrawCaption(c, ResizedClientRect(), active && down, active, down, font, color);
}

void TbsSkinButton::DrawCaption(gfx::Canvas& c, const TRect& rect, bool pressed, bool active, bool down,
                                const gfx::Font& font, TColor color) {
    if (glyph_.IsEmpty()) {
        gfx::Bitmap picture = ImageListPicture(images_, imageIndex_);
        if (!picture.IsEmpty()) {
            DrawGlyphAndText(c, rect, margin_, pressed, 1, 1, picture, Caption(), layout_, spacing_, font, color,
                             kImageBackground);
            return;
        }
    }
    DrawGlyphAndText(c, rect, margin_, pressed, GlyphCell(active, down), numGlyphs_, glyph_, Caption(), layout_,
                     spacing_, font, color);
}

void TbsSkinButton::DrawDefaultImage(gfx::Bitmap& bitmap) {
    gfx::Canvas c(bitmap);
    TRect all = bitmap.Bounds();
    bool pressed = ShowsDown();
    if (pressed)
        FillFramed(c, all, kNavy, kPressedFill);
    else if (hot_ || HasFocus())
        FillFramed(c, all, kNavy, kHotFill);
    else
        FillFramed(c, all, clBtnShadow, clBtnFace);
    TColor color = IsEnabledChain() ? DefaultFont()->Color() : clBtnShadow;
    DrawCaption(c, all, pressed, hot_, down_, PlainFont(*DefaultFont()), color);
}

// --- repeat ----------------------------------------------------------------

void TbsSkinButton::StartRepeat() {
    StopRepeat();
    if (!HandleAllocated()) return;
    wm::SetTimer(Handle(), kRepeatTimer, static_cast<uint32_t>(repeatInterval_));
    repeatTimer_ = true;
}

void TbsSkinButton::StopRepeat() {
    if (repeatTimer_ && HandleAllocated()) wm::KillTimer(Handle(), kRepeatTimer);
    repeatTimer_ = false;
}

void TbsSkinButton::WndProc(TMessage& m) {
    if (m.Msg == wm::WM_TIMER) {
        if (m.WParam == kRepeatTimer) {
            PerformClick();
            return;
        }
    }
    TbsSkinFadeControl::WndProc(m);
}

void TbsSkinButton::ApplySkinChange() {
    StopMorph();
    morphProgress_ = 0;
    TbsSkinFadeControl::ApplySkinChange();
    if (Morphing() && (hot_ || HasFocus())) morphProgress_ = 1;
}

// --- mouse ---------------------------------------------------------------------------

bool TbsSkinButton::HotChangeShows() const {
    return (groupIndex_ != 0 && !down_) || (groupIndex_ == 0 && (!HasFocus() || down_));
}

void TbsSkinButton::MouseEnter() {
    TbsSkinFadeControl::MouseEnter();
    hot_ = true;
    if (HotChangeShows()) {
        if (down_) {
            if (Morphing()) morphProgress_ = 1;
            Invalidate();
        } else {
            StartMorph();
        }
    }
    if (down_ && repeatMode_ && groupIndex_ == 0) StartRepeat();
}

void TbsSkinButton::MouseLeave() {
    TbsSkinFadeControl::MouseLeave();
    bool keepsHot = canFocused_ && default_ && EnterTarget() && !Focused();
    if (!keepsHot) hot_ = false;
    if (HotChangeShows()) StartMorph();
    if (down_ && repeatMode_ && groupIndex_ == 0) StopRepeat();
}

void TbsSkinButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TbsSkinFadeControl::MouseDown(button, shift, x, y);
    if (button != vcl::mbLeft) return;
    mouseHeld_ = true;
    if (!down_) {
        hot_ = true;
        SetDown(true);
        if (repeatMode_ && groupIndex_ == 0)
            StartRepeat();
        else if (groupIndex_ != 0)
            PerformClick();
        pressedWhileDown_ = false;
    } else if (groupIndex_ != 0) {
        pressedWhileDown_ = true;
    }
}

void TbsSkinButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == vcl::mbLeft) {
        mouseHeld_ = false;
        if (groupIndex_ == 0) {
            if (hot_ && down_) {
                SetDown(false);
                StopRepeat();
                PerformClick();
            } else {
                down_ = false;  // released outside: no repaint, no click
                StopRepeat();
            }
        } else if (down_ && allowAllUp_ && pressedWhileDown_ && hot_) {
            SetDown(false);
            PerformClick();
        }
    }
    TbsSkinFadeControl::MouseUp(button, shift, x, y);
}

// --- keyboard and focus --------------------------------------------------------------

bool TbsSkinButton::WantsKey(uint16_t key, TShiftState) const {
    return key == base::VK_SPACE;
}

void TbsSkinButton::KeyDown(uint16_t& key, TShiftState shift) {
    TbsSkinFadeControl::KeyDown(key, shift);
    if (!canFocused_ || !Focused()) return;
    if (key == base::VK_SPACE) {
        SetDown(true);
        if (repeatMode_) PerformClick();
    } else if (key == base::VK_RETURN) {
        PerformClick();
    }
}

void TbsSkinButton::KeyUp(uint16_t& key, TShiftState shift) {
    TbsSkinFadeControl::KeyUp(key, shift);
    if (!canFocused_ || !Focused()) return;
    if (key == base::VK_SPACE && down_) {
        SetDown(false);
        PerformClick();
    }
}

bool TbsSkinButton::DialogKey(uint16_t key, TShiftState shift) {
    if (key == base::VK_RETURN && EnterTarget() && IsEnabledChain() && IsVisibleChain()) {
        PerformClick();
        return true;
    }
    if (key == base::VK_ESCAPE && cancel_ && canFocused_ && !shift.Contains(vcl::ssShift) &&
        !shift.Contains(vcl::ssCtrl) && !shift.Contains(vcl::ssAlt) && CanFocus()) {
        PerformClick();
        return true;
    }
    return TbsSkinFadeControl::DialogKey(key, shift);
}

bool TbsSkinButton::DialogChar(char32_t ch, TShiftState shift) {
    if (vcl::IsAccel(ch, Caption()) && canFocused_ && CanFocus()) {
        SetFocus();
        PerformClick();
        return true;
    }
    return TbsSkinFadeControl::DialogChar(ch, shift);
}

void TbsSkinButton::FocusMovedInForm(TWinControl* focused) {
    bool toButton = dynamic_cast<TbsSkinButton*>(focused) != nullptr;
    enterTarget_ = toButton ? focused == this : default_;
    if (!(canFocused_ && default_) || focused == this) return;
    if (toButton && hot_) {
        hot_ = false;
        StartMorph();
    } else if (!toButton && !hot_) {
        hot_ = true;
        if (Morphing()) morphProgress_ = 1;
        Invalidate();
    }
}

}  // namespace skin

#include "skin/controls/TbsSkinCheckRadioBox.h"

#include <algorithm>

#include "base/ShortCut.h"
#include "skin/SkinDrawing.h"
#include "skin/SkinTiling.h"
#include "skin/TbsEffectBmp.h"
#include "skin/controls/DefaultLook.h"
#include "skin/menus/AccelText.h"
#include "vcl/Accelerators.h"
#include "wm/Messages.h"
#include "wm/Paint.h"
#include "wm/Timers.h"

namespace skin {

TbsSkinCheckRadioBox::TbsSkinCheckRadioBox(TComponent* owner) : TbsSkinFadeControl(owner) {
    SetSkinDataName("checkbox");
    SetCanFocused(false);
    SetBounds(0, 0, 150, 25);
}

TbsSkinCheckRadioBox::~TbsSkinCheckRadioBox() = default;

void TbsSkinCheckRadioBox::SetRadio(bool on) {
    radio_ = on;
    if (IsDesigning()) {
        SetSkinDataName(on ? "radiobox" : "checkbox");
        groupIndex_ = on ? 1 : 0;
    }
    Invalidate();
}

void TbsSkinCheckRadioBox::SetFlat(bool on) {
    flat_ = on;
    Invalidate();
}

void TbsSkinCheckRadioBox::Toggle() {
    if (!radio_)
        SetChecked(!checked_);
    else if (!checked_)
        SetChecked(true);
}

void TbsSkinCheckRadioBox::SetChecked(bool on) {
    checked_ = on;
    Invalidate();
    if (on && groupIndex_ != 0 && Parent()) {
        TWinControl* parent = Parent();
        for (int i = 0; i < parent->ControlCount(); ++i) {
            auto* other = dynamic_cast<TbsSkinCheckRadioBox*>(parent->Controls(i));
            if (other && other != this && other->groupIndex_ == groupIndex_ && other->checked_) {
                other->SetChecked(false);
                other->Update();  // the sibling shows unchecked before this box's OnClick
            }
        }
    }
    if ((radio_ && on) || !radio_)
        if (OnClick) OnClick(this);
}

// --- layout --------------------------------------------------------------------------

void TbsSkinCheckRadioBox::FitSizeToSkin(int& width, int& height) {
    TbsSkinFadeControl::FitSizeToSkin(width, height);
    const auto* r = BoxRecord();
    if (!r || flat_) return;
    int dw = width - SkinRect().Width();
    textRect_ = {r->textarea.Left, r->textarea.Top, r->textarea.Right + dw, r->textarea.Bottom};
    TRect area = r->checkimagearea;
    if (r->textarea.Right < area.Right) area = area.Offset(dw, 0);
    int cw = r->checkimagerect.Width(), ch = r->checkimagerect.Height();
    int x = area.Left + (area.Width() - cw) / 2, y = area.Top + (area.Height() - ch) / 2;
    checkRect_ = {x, y, x + cw, y + ch};
}

void TbsSkinCheckRadioBox::ApplySkinChange() {
    if (flat_) {
        FetchSkinRecord();
        Invalidate();
        return;
    }
    TbsSkinFadeControl::ApplySkinChange();
}

void TbsSkinCheckRadioBox::BoundsChanged(bool sizeChanged) {
    TbsSkinFadeControl::BoundsChanged(sizeChanged);
    if (flat_) Invalidate();
}

// --- painting ------------------------------------------------------------------------

bool TbsSkinCheckRadioBox::Morphing() const {
    const auto* r = BoxRecord();
    return r && r->morphing && !flat_;
}

TRect TbsSkinCheckRadioBox::CheckPicture() const {
    const auto* r = BoxRecord();
    if (!r) return {};
    if (!IsEnabledChain())
        return checked_ ? OrElse(r->unenabledcheckimagerect, r->checkimagerect)
                        : OrElse(r->unenableduncheckimagerect, r->uncheckimagerect);
    if (hot_)
        return checked_ ? OrElse(r->activecheckimagerect, r->checkimagerect)
                        : OrElse(r->activeuncheckimagerect, r->uncheckimagerect);
    return checked_ ? r->checkimagerect : r->uncheckimagerect;
}

namespace {
void DrawPictureTransparent(gfx::Canvas& c, int x, int y, const gfx::Bitmap* picture, const TRect& src) {
    if (!picture || IsEmptyRect(src)) return;
    gfx::Bitmap cell(src.Width(), src.Height());
    CopyUnscaled(cell, 0, 0, *picture, src);
    c.DrawTransparent(x, y, cell, cell.Pixel(0, cell.Height() - 1));
}
}  // namespace

void TbsSkinCheckRadioBox::DrawFace(gfx::Bitmap& bitmap, const TRect& face, bool active) {
    const auto* r = BoxRecord();
    BuildSkinImage(bitmap, SkinPicture(), face);
    gfx::Canvas c(bitmap);
    DrawPictureTransparent(c, checkRect_.Left, checkRect_.Top, SkinPicture(), CheckPicture());
    gfx::Font font = SkinFont(r->font, UseSkinFont(), *DefaultFont());
    TColor color = active ? r->activefontcolor : r->font.fontcolor;
    if (!IsEnabledChain()) color = r->unenabledfontcolor;
    c.IntersectClipRect(textRect_);
    DrawAccelText(c, font, color, textRect_.Left, textRect_.Top + (textRect_.Height() - font.Height()) / 2,
                  Caption());
}

void TbsSkinCheckRadioBox::DrawPlainBox(gfx::Canvas& c, int height) {
    TRect box = TRect::FromSize(3, height / 2 - 7, 14, 14);
    FillFramed(c, box, hot_ ? kNavy : clBtnShadow, clWindow);
    TColor mark = IsEnabledChain() ? clBlack : clBtnShadow;
    if (checked_) {
        if (radio_)
            DrawSquareMark(c, 7, height / 2 - 3, mark);
        else
            DrawCheckMark(c, 7, height / 2 - 4, mark);
    }
}

void TbsSkinCheckRadioBox::DrawFlat(gfx::Bitmap& bitmap) {
    if (HandleAllocated()) wm::PaintParentBackground(Handle(), bitmap, {0, 0});
    gfx::Canvas c(bitmap);
    int h = bitmap.Height();
    std::string text = vcl::StripHotkey(Caption());
    const auto* r = BoxRecord();
    TRect textBox;
    gfx::Font font;
    TColor color;
    if (r) {
        TRect pic = CheckPicture();
        DrawPictureTransparent(c, 3, (h - pic.Height()) / 2, SkinPicture(), pic);
        font = SkinFont(r->font, UseSkinFont(), *DefaultFont());
        color = IsEnabledChain() ? r->framefontcolor : r->unenabledfontcolor;
        int x = pic.Width() + 7;
        int right = std::min(x + font.TextWidth(text), bitmap.Width() - 2);
        textBox = {x, (h - font.Height()) / 2, right, (h - font.Height()) / 2 + font.Height()};
    } else {
        DrawPlainBox(c, h);
        font = PlainFont(*DefaultFont());
        color = IsEnabledChain() ? DefaultFont()->Color() : clBtnShadow;
        int top = (h - font.Height()) / 2;
        textBox = {22, top, std::min(22 + font.TextWidth(text), bitmap.Width() - 2), top + font.Height()};
    }
    c.Save();
    c.IntersectClipRect(textBox);
    DrawAccelText(c, font, color, textBox.Left, textBox.Top, Caption());
    c.Restore();
    if (HasFocus()) c.DrawFocusRect(textBox.Inflate(2, 1));
}

void TbsSkinCheckRadioBox::DrawDefaultImage(gfx::Bitmap& bitmap) {
    gfx::Canvas c(bitmap);
    FillSolid(c, bitmap.Bounds(), clBtnFace);
    if (HasFocus() || hot_) DrawBevel(c, bitmap.Bounds(), clBtnShadow, clBtnShadow);
    DrawPlainBox(c, bitmap.Height());
    gfx::Font font = PlainFont(*DefaultFont());
    TRect textBox{19, 0, bitmap.Width(), bitmap.Height()};
    c.IntersectClipRect(textBox);
    DrawAccelText(c, font, IsEnabledChain() ? DefaultFont()->Color() : clBtnShadow, textBox.Left,
                  (textBox.Height() - font.Height()) / 2, Caption());
}

void TbsSkinCheckRadioBox::Paint() {
    if (Width() <= 0 || Height() <= 0) return;
    FetchSkinRecord();
    gfx::Bitmap bitmap(Width(), Height());
    const auto* r = BoxRecord();
    if (flat_) {
        DrawFlat(bitmap);
    } else if (!r) {
        DrawDefaultImage(bitmap);
    } else {
        int w = Width(), h = Height();
        FitSizeToSkin(w, h);  // the text and picture rectangles of the current size
        TRect active = OrElse(r->activeskinrect, r->skinrect);
        if (r->morphing && morphProgress_ > 0 && morphProgress_ < 1) {
            gfx::Bitmap normalFace(Width(), Height()), activeFace(Width(), Height());
            DrawFace(normalFace, r->skinrect, false);
            DrawFace(activeFace, active, true);
            TbsEffectBmp mixed(normalFace);
            mixed.Morph(r->morphkind, TbsEffectBmp(activeFace), morphProgress_);
            PutImage(mixed.Pixels());
            return;
        }
        if (hot_ || HasFocus())
            DrawFace(bitmap, active, true);
        else
            DrawFace(bitmap, r->skinrect, false);
    }
    PutImage(bitmap);
}

// --- input ---------------------------------------------------------------------------

void TbsSkinCheckRadioBox::MouseEnter() {
    TbsSkinFadeControl::MouseEnter();
    hot_ = true;
    StartMorph();
}

void TbsSkinCheckRadioBox::MouseLeave() {
    TbsSkinFadeControl::MouseLeave();
    hot_ = false;
    StartMorph();
}

void TbsSkinCheckRadioBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (!hot_) {
        hot_ = true;
        Invalidate();
    }
    TbsSkinFadeControl::MouseDown(button, shift, x, y);
}

void TbsSkinCheckRadioBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TbsSkinFadeControl::MouseUp(button, shift, x, y);
    if (button == vcl::mbLeft && hot_) Toggle();
}

void TbsSkinCheckRadioBox::KeyUp(uint16_t& key, TShiftState shift) {
    TbsSkinFadeControl::KeyUp(key, shift);
    if (key == base::VK_SPACE && HasFocus()) Toggle();
}

bool TbsSkinCheckRadioBox::DialogChar(char32_t ch, TShiftState shift) {
    if (canFocused_ && vcl::IsAccel(ch, Caption()) && CanFocus()) {
        SetFocus();
        Toggle();
        return true;
    }
    return TbsSkinFadeControl::DialogChar(ch, shift);
}

}  // namespace skin

#include "skin/controls/TbsSkinPanel.h"

#include <algorithm>

#include "skin/SkinDrawing.h"
#include "skin/SkinTiling.h"
#include "skin/controls/DefaultLook.h"
#include "skin/menus/AccelText.h"
#include "vcl/Accelerators.h"

namespace skin {

TbsSkinPanel::TbsSkinPanel(TComponent* owner) : TbsSkinCustomControl(owner) {
    SetSkinDataName("panel");
    vcl::TControlStyle style = ControlStyle();
    SetControlStyle(style.Include(vcl::csAcceptsControls));
    SetBounds(0, 0, 185, 41);
}

TbsSkinPanel::~TbsSkinPanel() = default;

void TbsSkinPanel::SetCaptionMode(bool on) {
    captionMode_ = on;
    Invalidate();
    Realign();
}

void TbsSkinPanel::SetDefaultCaptionHeight(int height) {
    defaultCaptionHeight_ = height;
    Invalidate();
    Realign();
}

void TbsSkinPanel::SetBorderStyle(TbsSkinBorderStyle style) {
    borderStyle_ = style;
    Invalidate();
    Realign();
}

TRect TbsSkinPanel::ChildArea() const {
    TRect all{0, 0, Width(), Height()};
    const auto* r = PanelRecord();
    if (RecordIndex() == -1 || !r) {
        TRect a = borderStyle_ == bvNone ? all : all.Inflate(-1, -1);
        if (captionMode_) a.Top += defaultCaptionHeight_;
        return a;
    }
    if (r->bgpictureindex != -1 ||
        (borderStyle_ == bvNone && !captionMode_ && FrameMode() == fmCorners))
        return all;
    return ResizedClientRect();
}

void TbsSkinPanel::AlignControls(TControl* control, TRect& rect) {
    const_cast<TbsSkinPanel*>(this)->FetchSkinRecord();
    rect = ChildArea();
    TbsSkinCustomControl::AlignControls(control, rect);
}

TRect TbsSkinPanel::CaptionRect() {
    FetchSkinRecord();
    if (const auto* r = PanelRecord(); r && RecordIndex() != -1)
        return MapSkinRect(r->captionrect);
    TRect bar = borderStyle_ == bvFrame ? TRect{0, 0, Width(), defaultCaptionHeight_}
                                        : TRect{1, 1, Width() - 1, defaultCaptionHeight_};
    if (checkedMode_) bar.Left += 20;
    if (rollUpMode_) bar.Right -= 10;
    return bar;
}

// --- painting ------------------------------------------------------------------------

void TbsSkinPanel::DrawCaptionContent(gfx::Canvas& c, TRect r, TAlignment alignment,
                                      const gfx::Font& font, TColor color, int indent) {
    std::string text = vcl::StripHotkey(Caption());
    int gw = glyph_.IsEmpty() ? 0 : glyph_.Width() / numGlyphs_;
    int gh = glyph_.Height();
    int tw = font.TextWidth(text);
    int total = tw + (gw > 0 ? gw + spacing_ : 0);
    int x = r.Left + indent;
    if (alignment == taRightJustify)
        x = r.Right - total;
    else if (alignment == taCenter)
        x = r.Left + indent + (r.Width() - indent - total) / 2;
    c.Save();
    c.IntersectClipRect(r);
    if (gw > 0) {
        int cell = (!IsEnabledChain() && numGlyphs_ == 2) ? 2 : 1;
        DrawGlyphCell(c, x, r.Top + (r.Height() - gh) / 2, cell, numGlyphs_, glyph_);
        x += gw + spacing_;
    }
    DrawAccelText(c, font, color, x, r.Top + (r.Height() - font.Height()) / 2, Caption());
    c.Restore();
}

void TbsSkinPanel::DrawSkinImage(gfx::Bitmap& bitmap) {
    const auto* r = PanelRecord();
    if (!r) {
        TbsSkinCustomControl::DrawSkinImage(bitmap);
        return;
    }
    if (const gfx::Bitmap* bg = SkinData()->ActivePicture(r->bgpictureindex)) {
        TileRect(bitmap, bitmap.Bounds(), *bg, bg->Bounds());
        return;
    }
    if (!SkinPicture()) return;
    if (borderStyle_ == bvNone && FrameMode() == fmCorners && !captionMode_) {
        TRect src = clientRect_.Offset(SkinRect().Left, SkinRect().Top);
        TileRect(bitmap, bitmap.Bounds(), *SkinPicture(), src);
        return;
    }
    BuildSkinImage(bitmap, SkinPicture(), SkinRect());
    gfx::Canvas c(bitmap);
    if (!Caption().empty() && !IsEmptyRect(r->captionrect)) {
        TRect cap = MapSkinRect(r->captionrect);
        if (checkedMode_) {
            TRect pic = checked_ ? r->checkimagerect : r->uncheckimagerect;
            if (!IsEmptyRect(pic)) {
                gfx::Bitmap cell(pic.Width(), pic.Height());
                CopyUnscaled(cell, 0, 0, *SkinPicture(), pic);
                c.DrawTransparent(cap.Left, cap.Top + (cap.Height() - pic.Height()) / 2, cell,
                                  cell.Pixel(0, cell.Height() - 1));
            }
            cap.Left += pic.Width() + 2;
        }
        DrawCaptionContent(c, cap, r->alignment, SkinFont(r->font, UseSkinFont(), *DefaultFont()),
                           r->font.fontcolor, 0);
    }
    if (rollUpMode_ && !IsEmptyRect(r->rollupmarkerrect)) {
        TRect marker = MapSkinRect(r->rollupmarkerrect);
        TRect pic = rollUpState_ ? OrElse(r->restoremarkerrect, r->rollupmarkerrect) : TRect{};
        if (!IsEmptyRect(pic)) c.CopyRect(marker, *SkinPicture(), pic);
    }
}

void TbsSkinPanel::DrawDefaultImage(gfx::Bitmap& bitmap) {
    gfx::Canvas c(bitmap);
    int w = bitmap.Width();
    FillSolid(c, bitmap.Bounds(), clBtnFace);
    switch (borderStyle_) {
        case bvRaised: DrawBevel(c, bitmap.Bounds(), clBtnHighlight, clBtnShadow); break;
        case bvLowered: DrawBevel(c, bitmap.Bounds(), clBtnShadow, clBtnHighlight); break;
        case bvFrame: DrawBevel(c, bitmap.Bounds(), clBtnShadow, clBtnShadow); break;
        case bvNone: break;
    }
    if (!captionMode_) return;
    TRect bar;
    if (borderStyle_ == bvFrame) {
        bar = {0, 0, w, defaultCaptionHeight_};
        DrawBevel(c, bar, clBtnShadow, clBtnShadow);
        DrawBevel(c, bar.Inflate(-1, -1), clBtnHighlight, clBtnFace);
    } else {
        bar = {1, 1, w - 1, defaultCaptionHeight_};
        DrawBevel(c, bar, clBtnShadow, clBtnHighlight);
        DrawBevel(c, bar.Inflate(-1, -1), clBtnHighlight, clBtnShadow);
    }
    TRect cap = CaptionRect();
    int cy = bar.Top + bar.Height() / 2;
    if (checkedMode_) {
        TRect box = TRect::FromSize(5, cy - 7, 14, 14);
        FillFramed(c, box, clBtnShadow, clWindow);
        if (checked_) DrawCheckMark(c, box.Left + 3, box.Top + 3, clBtnText);
    }
    if (rollUpMode_) {
        // A small triangle in the last 10 pixels: down when rolled up, up otherwise.
        int x0 = bar.Right - 9;
        for (int i = 0; i < 4; ++i) {
            int y = rollUpState_ ? cy - 2 + i : cy + 1 - i;
            FillSolid(c, {x0 + i, y, x0 + 7 - i, y + 1}, clBtnText);
        }
    }
    if (!Caption().empty()) {
        TColor color = IsEnabledChain() ? DefaultFont()->Color() : clBtnShadow;
        DrawCaptionContent(c, cap, defaultAlignment_, PlainFont(*DefaultFont()), color,
                           defaultAlignment_ == taRightJustify ? 0 : 2);
    }
}

// --- behaviour -----------------------------------------------------------------------

void TbsSkinPanel::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TbsSkinCustomControl::MouseUp(button, shift, x, y);
    if (button != vcl::mbLeft || !captionMode_ || !(checkedMode_ || rollUpMode_)) return;
    TRect hit;
    const auto* r = PanelRecord();
    if (RecordIndex() != -1 && r) {
        hit = MapSkinRect(r->captionrect);
        if (rollUpMode_ && MapSkinRect(r->rollupmarkerrect).Contains(x, y)) hit = {x, y, x + 1, y + 1};
    } else {
        hit = {1, 1, Width() - 1, defaultCaptionHeight_};
    }
    if (!hit.Contains(x, y)) return;
    if (checkedMode_) SetChecked(!checked_);
    if (rollUpMode_) SetRollUpState(!rollUpState_);
}

void TbsSkinPanel::SetChecked(bool on) {
    checked_ = on;
    if (checkedMode_) Invalidate();
    if (autoEnabledControls_ && checkedMode_)
        for (int i = 0; i < ControlCount(); ++i) Controls(i)->SetEnabled(on);
    if (OnChecked) OnChecked(this);
}

void TbsSkinPanel::SetRollUpState(bool on) {
    if (!rollUpMode_) on = false;
    if (on == rollUpState_) return;
    rollUpState_ = on;
    if (on)
        RollUp();
    else
        RollDown();
    Invalidate();
}

void TbsSkinPanel::RollUp() {
    heightBeforeRoll_ = Height();
    hiddenByRoll_.clear();
    for (int i = 0; i < ControlCount(); ++i)
        if (Controls(i)->Visible()) {
            hiddenByRoll_.push_back(Controls(i));
            Controls(i)->Hide();
        }
    FetchSkinRecord();
    int h = RecordIndex() == -1
                ? defaultCaptionHeight_ + 1
                : Height() + ResizedClientRect().Top - ResizedClientRect().Bottom;
    SetHeight(h);
}

void TbsSkinPanel::RollDown() {
    if (heightBeforeRoll_ > 0) SetHeight(heightBeforeRoll_);
    heightBeforeRoll_ = -1;
    std::vector<TControl*> shown;
    shown.swap(hiddenByRoll_);
    for (TControl* c : shown)
        if (ContainsControl(c)) c->Show();
}

void TbsSkinPanel::ApplySkinChange() {
    TbsSkinCustomControl::ApplySkinChange();
    if (rollUpState_) {
        FetchSkinRecord();
        int h = RecordIndex() == -1
                    ? defaultCaptionHeight_ + 1
                    : Height() + ResizedClientRect().Top - ResizedClientRect().Bottom;
        SetHeight(h);
    } else {
        Realign();
    }
}

void TbsSkinPanel::TextChanged() {
    if (captionMode_) Invalidate();
}

void TbsSkinPanel::EnabledChanged() {
    TbsSkinCustomControl::EnabledChanged();
    Invalidate();
}

void TbsSkinPanel::BoundsChanged(bool sizeChanged) {
    TbsSkinCustomControl::BoundsChanged(sizeChanged);
    if (RecordIndex() == -1 && sizeChanged) Invalidate();
}

}  // namespace skin

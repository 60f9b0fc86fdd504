#include "skin/controls/TbsSkinExPanel.h"

#include "skin/SkinDrawing.h"
#include "skin/SkinTiling.h"
#include "skin/controls/DefaultLook.h"
#include "skin/menus/AccelText.h"
#include "vcl/Accelerators.h"
#include "wm/Input.h"

namespace skin {

TbsSkinExPanel::TbsSkinExPanel(TComponent* owner) : TbsSkinCustomControl(owner) {
    SetSkinDataName("expanel");
    vcl::TControlStyle style = ControlStyle();
    SetControlStyle(style.Include(vcl::csAcceptsControls));
    SetBounds(0, 0, 150, 100);
}

TbsSkinExPanel::~TbsSkinExPanel() = default;

void TbsSkinExPanel::SetDefaultCaptionHeight(int h) {
    defaultCaptionHeight_ = h;
    Invalidate();
    Realign();
}

int TbsSkinExPanel::RolledSize() {
    FetchSkinRecord();
    const auto* r = PanelRecord();
    if (!r) return defaultCaptionHeight_;
    return rollKind_ == rkRollVertical ? r->rollvskinrect.Height() : r->rollhskinrect.Width();
}

TRect TbsSkinExPanel::ChildArea() {
    FetchSkinRecord();
    if (!PanelRecord()) return {1, defaultCaptionHeight_, Width() - 1, Height() - 1};
    return ResizedClientRect();
}

void TbsSkinExPanel::AlignControls(TControl* control, TRect& rect) {
    rect = ChildArea();
    TbsSkinCustomControl::AlignControls(control, rect);
}

void TbsSkinExPanel::SetBounds(int left, int top, int width, int height) {
    if (rollState_ && !rolling_) {
        // Alignment cannot stretch a rolled panel along its rolling direction.
        if (rollKind_ == rkRollHorizontal)
            width = RolledSize();
        else
            height = RolledSize();
    }
    TbsSkinCustomControl::SetBounds(left, top, width, height);
}

void TbsSkinExPanel::SetRollState(bool on) {
    if (on == rollState_) return;
    rolling_ = true;
    rollState_ = on;
    if (on) {
        hiddenByRoll_.clear();
        for (int i = 0; i < ControlCount(); ++i)
            if (Controls(i)->Visible()) hiddenByRoll_.push_back(Controls(i));
        for (TControl* c : hiddenByRoll_) c->Hide();
        if (rollKind_ == rkRollHorizontal) {
            sizeBeforeRoll_ = Width();
            SetWidth(RolledSize());
        } else {
            sizeBeforeRoll_ = Height();
            SetHeight(RolledSize());
        }
    } else {
        if (rollKind_ == rkRollHorizontal)
            SetWidth(sizeBeforeRoll_);
        else
            SetHeight(sizeBeforeRoll_);
        std::vector<TControl*> shown;
        shown.swap(hiddenByRoll_);
        for (TControl* c : shown)
            if (ContainsControl(c)) c->Show();
    }
    rolling_ = false;
    Invalidate();
    if (OnChangeRollState && !IsDesigning()) OnChangeRollState(this);
}

void TbsSkinExPanel::ApplySkinChange() {
    TbsSkinCustomControl::ApplySkinChange();
    if (rollState_)
        SetBounds(Left(), Top(), Width(), Height());  // the new rolled size
    else
        Realign();
}

// --- layout --------------------------------------------------------------------------

TbsSkinExPanel::Layout TbsSkinExPanel::ComputeLayout() {
    FetchSkinRecord();
    Layout l;
    int w = Width(), h = Height();
    const auto* r = PanelRecord();
    bool sideways = rollState_ && rollKind_ == rkRollHorizontal;
    if (r) {
        gfx::TextSize closeSize{r->closebuttonrect.Width(), r->closebuttonrect.Height()};
        if (!sideways) {
            TRect cap = rollState_ ? r->rollvcaptionrect : r->captionrect;
            int face = rollState_ ? r->rollvskinrect.Width() : r->skinrect.Width();
            cap.Right += w - face;
            int right = cap.Right;
            if (showCloseButton_) {
                l.close = {cap.Right - closeSize.cx, cap.Top, cap.Right, cap.Top + closeSize.cy};
                right = l.close.Left - 2;
            }
            if (showRollButton_) {
                TRect rb = rollKind_ == rkRollVertical ? r->vrollbuttonrect : r->hrollbuttonrect;
                l.roll = {right - rb.Width(), cap.Top, right, cap.Top + rb.Height()};
                right = l.roll.Left;
            } else if (showCloseButton_) {
                right = l.close.Left;
            }
            l.caption = {cap.Left + 2, cap.Top, right, cap.Bottom};
        } else {
            TRect cap = r->rollhcaptionrect;
            cap.Bottom += h - r->rollhskinrect.Height();
            int top = cap.Top;
            if (showCloseButton_) {
                l.close = {cap.Left, cap.Top, cap.Left + closeSize.cx, cap.Top + closeSize.cy};
                top = l.close.Bottom + 2;
            }
            if (showRollButton_) {
                TRect rb = r->hrollbuttonrect;
                l.roll = {cap.Left, top, cap.Left + rb.Width(), top + rb.Height()};
                top = l.roll.Bottom;
            }
            l.caption = {cap.Left, top, cap.Right, cap.Bottom};
            l.upwards = true;
        }
        return l;
    }
    int b = defaultCaptionHeight_ - 6;
    if (!sideways) {
        int right = w - 2;
        if (showCloseButton_) {
            l.close = {right - b, 3, right, 3 + b};
            right = l.close.Left;
        }
        if (showRollButton_) {
            l.roll = {right - b, 3, right, 3 + b};
            right = l.roll.Left;
        }
        l.caption = {1 + 4, 1, right - 2, defaultCaptionHeight_ - 1};
    } else {
        int top = 3;
        if (showCloseButton_) {
            l.close = {3, top, 3 + b, top + b};
            top = l.close.Bottom;
        }
        if (showRollButton_) {
            l.roll = {3, top, 3 + b, top + b};
            top = l.roll.Bottom;
        }
        l.caption = {0, top + 2, w, h};
        l.upwards = true;
    }
    return l;
}

TRect TbsSkinExPanel::CloseButtonRect() { return ComputeLayout().close; }
TRect TbsSkinExPanel::RollButtonRect() { return ComputeLayout().roll; }

// --- painting ------------------------------------------------------------------------

namespace {
void DrawCaptionText(gfx::Canvas& c, const TRect& r, bool upwards, const std::string& text,
                     const gfx::Font& font, TColor color) {
    if (r.IsEmpty()) return;
    c.Save();
    c.IntersectClipRect(r);
    if (!upwards) {
        DrawAccelText(c, font, color, r.Left, r.Top + (r.Height() - font.Height()) / 2, text);
    } else {
        // Text written upwards shows no accelerator underline.
        c.SetFont(font);
        c.SetFontColor(color);
        c.Brush().style = gfx::BrushStyle::Clear;
        std::string shown = vcl::StripHotkey(text);
        int tw = font.TextWidth(shown);
        int top = r.Top + r.Height() / 2 - tw / 2;
        if (top + tw > r.Bottom - 2) top = r.Bottom - 2 - tw;
        c.TextOutRotated90(r.Left + (r.Width() - font.Height()) / 2, top, shown);
    }
    c.Restore();
}
}  // namespace

void TbsSkinExPanel::DrawButtonSkin(gfx::Canvas& c, const TRect& at, TRect normal, TRect active,
                                    TRect down, bool hot, bool isDown) {
    if (at.IsEmpty() || !SkinPicture()) return;
    active = OrElse(active, normal);
    down = OrElse(down, active);
    TRect src = hot && isDown ? down : hot ? active : normal;
    c.CopyRect(at, *SkinPicture(), src);
}

void TbsSkinExPanel::DrawButtonPlain(gfx::Canvas& c, const TRect& at, bool isClose, bool hot, bool isDown) {
    if (at.IsEmpty()) return;
    if (hot)
        FillFramed(c, at, kNavy, isDown ? kPressedFill : kHotFill);
    else
        FillSolid(c, at, clBtnFace);
    int shift = hot && isDown ? 1 : 0;
    TRect sym = at.Offset(shift, shift);
    if (isClose) {
        int cx = sym.Left + sym.Width() / 2, cy = sym.Top + sym.Height() / 2;
        int half = std::min(5, std::min(sym.Width(), sym.Height()) / 2 - 2);
        c.Pen().color = clBlack;
        for (int d = 0; d < 2; ++d) {
            c.MoveTo(cx - half + d, cy - half);
            c.LineTo(cx + half + d, cy + half);
            c.MoveTo(cx + half - 1 + d, cy - half);
            c.LineTo(cx - half - 1 + d, cy + half);
        }
    } else {
        int dir = rollKind_ == rkRollVertical ? (rollState_ ? 4 : 3) : (rollState_ ? 2 : 1);
        DrawArrow(c, sym, clBlack, dir);
    }
}

void TbsSkinExPanel::DrawSkinImage(gfx::Bitmap& bitmap) {
    const auto* r = PanelRecord();
    if (!r || !SkinPicture()) return;
    Layout l = ComputeLayout();
    if (!rollState_)
        BuildSkinImage(bitmap, SkinPicture(), SkinRect());
    else if (rollKind_ == rkRollVertical)
        TileHorzImage(bitmap, *SkinPicture(), r->rollvskinrect, r->rollleftoffset, r->rollrightoffset,
                      Width());
    else
        TileVertImage(bitmap, *SkinPicture(), r->rollhskinrect, r->rolltopoffset, r->rollbottomoffset,
                      Height());
    gfx::Canvas c(bitmap);
    bool closeHot = hotButton_ == 0, rollHot = hotButton_ == 1;
    if (showCloseButton_)
        DrawButtonSkin(c, l.close, r->closebuttonrect, r->closebuttonactiverect, r->closebuttondownrect,
                       closeHot, pressedButton_ == 0);
    if (showRollButton_) {
        bool h = rollKind_ == rkRollHorizontal;
        if (!rollState_)
            DrawButtonSkin(c, l.roll, h ? r->hrollbuttonrect : r->vrollbuttonrect,
                           h ? r->hrollbuttonactiverect : r->vrollbuttonactiverect,
                           h ? r->hrollbuttondownrect : r->vrollbuttondownrect, rollHot, pressedButton_ == 1);
        else
            DrawButtonSkin(c, l.roll, h ? r->hrestorebuttonrect : r->vrestorebuttonrect,
                           h ? r->hrestorebuttonactiverect : r->vrestorebuttonactiverect,
                           h ? r->hrestorebuttondownrect : r->vrestorebuttondownrect, rollHot,
                           pressedButton_ == 1);
    }
    DrawCaptionText(c, l.caption, l.upwards, Caption(),
                    SkinFont(r->font, UseSkinFont(), *DefaultFont()), r->font.fontcolor);
}

void TbsSkinExPanel::DrawDefaultImage(gfx::Bitmap& bitmap) {
    gfx::Canvas c(bitmap);
    Layout l = ComputeLayout();
    FillFramed(c, bitmap.Bounds(), clBtnShadow, clBtnFace);
    if (rollState_ && rollKind_ == rkRollHorizontal) {
        DrawBevel(c, bitmap.Bounds().Inflate(-1, -1), clBtnHighlight, clBtnFace);
    } else {
        TRect bar{0, 0, Width(), defaultCaptionHeight_};
        DrawBevel(c, bar, clBtnShadow, clBtnShadow);
        DrawBevel(c, bar.Inflate(-1, -1), clBtnHighlight, clBtnFace);
    }
    if (showCloseButton_) DrawButtonPlain(c, l.close, true, hotButton_ == 0, pressedButton_ == 0);
    if (showRollButton_) DrawButtonPlain(c, l.roll, false, hotButton_ == 1, pressedButton_ == 1);
    DrawCaptionText(c, l.caption, l.upwards, Caption(), PlainFont(*DefaultFont()),
                    DefaultFont()->Color());
}

// --- caption buttons -----------------------------------------------------------------

void TbsSkinExPanel::TrackHot(int x, int y) {
    Layout l = ComputeLayout();
    int hot = -1;
    if (showCloseButton_ && l.close.Contains(x, y))
        hot = 0;
    else if (showRollButton_ && l.roll.Contains(x, y))
        hot = 1;
    if (pressedButton_ != -1 && hot != pressedButton_) hot = -1;  // only the pressed one
    if (hot != hotButton_) {
        hotButton_ = hot;
        Invalidate();
    }
}

void TbsSkinExPanel::MouseEnter() {
    TbsSkinCustomControl::MouseEnter();
    if (hotButton_ == -1) {
        TPoint p = ScreenToClient(wm::GetCursorPos());
        TrackHot(p.X, p.Y);
    }
}

void TbsSkinExPanel::MouseMove(TShiftState shift, int x, int y) {
    TbsSkinCustomControl::MouseMove(shift, x, y);
    TrackHot(x, y);
}

void TbsSkinExPanel::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TbsSkinCustomControl::MouseDown(button, shift, x, y);
    if (hotButton_ != -1) {
        pressedButton_ = hotButton_;
        Invalidate();
    }
}

void TbsSkinExPanel::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TbsSkinCustomControl::MouseUp(button, shift, x, y);
    int pressed = pressedButton_;
    pressedButton_ = -1;
    TrackHot(x, y);
    Invalidate();
    if (pressed == -1 || hotButton_ != pressed) return;
    if (pressed == 0) {
        hotButton_ = -1;
        Hide();
        if (OnClose && !IsDesigning()) OnClose(this);
    } else {
        SetRollState(!rollState_);
        TPoint p = ScreenToClient(wm::GetCursorPos());
        TrackHot(p.X, p.Y);
    }
}

void TbsSkinExPanel::MouseLeave() {
    TbsSkinCustomControl::MouseLeave();
    if (hotButton_ != -1) {
        hotButton_ = -1;
        Invalidate();
    }
}

}  // namespace skin

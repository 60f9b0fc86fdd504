#include "skin/controls/TbsSkinCustomComboBox.h"

#include <algorithm>

#include "base/ShortCut.h"
#include "skin/SkinDrawing.h"
#include "skin/SkinTiling.h"
#include "skin/SkinWindowHooks.h"
#include "vcl/TApplication.h"
#include "skin/controls/DefaultLook.h"
#include "skin/controls/TbsComboEdit.h"
#include "skin/controls/TbsSkinScrollBar.h"
#include "wm/Input.h"
#include "wm/Messages.h"
#include "wm/WindowSystem.h"

namespace skin {

TbsSkinCustomComboBox::TbsSkinCustomComboBox(TComponent* owner) : TbsSkinCustomControl(owner) {
    SetSkinDataName("combobox");
    SetTabStop(true);
    Font()->SetName("Arial");
    Font()->SetHeight(14);
    list_ = new TbsPopupListBox(this);
    list_->SetSkinDataName("");
    list_->OnAccept = [this](vcl::TObject*) { CloseList(true); };
    list_->OnDrawItem = [this](gfx::Canvas& c, int index, const TRect& itemRect, const TRect& textRect,
                               TbsItemState state) {
        if (OnListBoxDrawItem) {
            OnListBoxDrawItem(c, index, itemRect, textRect, state);
            return;
        }
        const auto* r = list_->RecordAs<TbsDataSkinListBox>();
        gfx::Font font = r ? SkinFont(r->font, list_->UseSkinFont(), *list_->DefaultFont())
                           : PlainFont(*list_->DefaultFont());
        TColor color = r ? (state.focused ? r->focusfontcolor : state.selected ? r->activefontcolor
                                                                               : r->font.fontcolor)
                         : (state.selected ? clHighlightText : list_->DefaultFont()->Color());
        DrawItemContent(c, index, itemRect, textRect, state, font, color);
    };
    SetBounds(0, 0, 120, 20);
}

TbsSkinCustomComboBox::~TbsSkinCustomComboBox() = default;

void TbsSkinCustomComboBox::SetItems(const std::vector<std::string>& items) {
    list_->SetItems(items);
    Invalidate();
}

// --- geometry ------------------------------------------------------------------------

TRect TbsSkinCustomComboBox::ButtonRect() {
    FetchSkinRecord();
    int w = Width(), h = Height();
    const auto* r = ComboRecord();
    if (!r) return {w - 19, 2, w - 2, h - 2};
    TRect b = r->buttonrect;
    if (b.Left >= SkinRect().Width() - rt_.X) b = b.Offset(w - SkinRect().Width(), 0);
    return b;
}

TRect TbsSkinCustomComboBox::ItemArea() {
    FetchSkinRecord();
    const auto* r = ComboRecord();
    if (!r) return {2, 2, ButtonRect().Left - 1, Height() - 2};
    TRect a = clientRect_;
    a.Right += Width() - SkinRect().Width();
    return a;
}

// --- edit style ----------------------------------------------------------------------

void TbsSkinCustomComboBox::SetStyle(TbsSkinCustomComboBoxStyle style) {
    if (style == style_) return;
    style_ = style;
    if (style == bscbEditStyle) {
        auto* edit = new TbsComboEdit(this, this);
        edit->SetUseSkinFont(UseSkinFont());
        edit->SetDefaultFont(DefaultFont());
        edit->SetEditText(Text());
        edit->OnChange = [this](vcl::TObject*) {
            if (syncingEdit_) return;
            syncingEdit_ = true;
            SetText(edit_->EditText());
            syncingEdit_ = false;
        };
        edit_ = edit;
        edit_->SetParent(this);
        PlaceEdit();
        if (Focused() && edit_->CanFocus()) edit_->SetFocus();
    } else if (edit_) {
        vcl::TObject::Free(edit_);
        edit_ = nullptr;
    }
    Invalidate();
}

void TbsSkinCustomComboBox::PlaceEdit() {
    if (edit_) edit_->SetBoundsRect(ItemArea());
}

void TbsSkinCustomComboBox::BoundsChanged(bool sizeChanged) {
    TbsSkinCustomControl::BoundsChanged(sizeChanged);
    if (sizeChanged) PlaceEdit();
}

// --- selection and text --------------------------------------------------------------

void TbsSkinCustomComboBox::TextChanged() {
    if (edit_ && !syncingEdit_) {
        syncingEdit_ = true;
        edit_->SetEditText(Text());
        syncingEdit_ = false;
    }
    Invalidate();
    if (OnChange) OnChange(this);
}

void TbsSkinCustomComboBox::FireClick() {
    if (OnClick) OnClick(this);
    AfterClick();
}

void TbsSkinCustomComboBox::SetItemIndex(int index) {
    list_->SetItemIndex(index);
    int sel = list_->ItemIndex();
    if (list_->Count() > 0 && sel != -1) SetText(list_->Item(sel));
    savedIndex_ = sel;
    Invalidate();
    if (!IsLoading() && !IsDesigning()) FireClick();
}

int TbsSkinCustomComboBox::ShownIndex() const {
    int i = list_->IsOpen() ? savedIndex_ : list_->ItemIndex();
    return i >= 0 && i < list_->Count() ? i : -1;
}

// --- the list ------------------------------------------------------------------------

void TbsSkinCustomComboBox::ConfigureList() {
    const auto* r = ComboRecord();
    list_->SetSkinDataName(r ? r->listboxname : "");
    list_->SetSkinData(r ? SkinData() : nullptr);
}

void TbsSkinCustomComboBox::OpenList() {
    if (list_->Count() == 0 || list_->IsOpen()) return;
    ConfigureList();
    list_->FetchSkinRecord();
    int rows = std::min(dropDownCount_, list_->Count());
    int itemHeight = list_->ItemHeight();
    const auto* lr = list_->RecordAs<TbsDataSkinListBox>();
    int height = lr ? rows * itemHeight + (lr->skinrect.Height() - lr->clientrect.Height())
                    : rows * itemHeight + 4;
    height += list_->CaptionHeight() + list_->HorzBarHeightFor(Width(), rows);
    TPoint at = ClientToScreen({0, Height()});
    TRect work = wm::WindowSystem::Current()->GetDisplay().WorkArea();
    if (at.Y + height > work.Bottom) at.Y = ClientToScreen({0, 0}).Y - height;
    if (edit_ && edit_->CanFocus()) edit_->SetFocus();
    savedIndex_ = list_->ItemIndex();
    if (savedIndex_ == 0 && list_->Count() >= 2) {
        list_->SetItemIndex(1);
        list_->SetItemIndex(0);
    }
    bool translucent = alphaBlend_ && LayeredWindowsAvailable();
    if (translucent) SetWindowAlpha(list_, alphaBlendAnimation_ ? 0 : alphaBlendValue_);
    list_->ShowAt(TRect::FromSize(at.X, at.Y, Width(), height));
    list_->SetTopIndex(std::max(0, list_->ItemIndex()));
    Invalidate();
    if (translucent && alphaBlendAnimation_) {
        // Fade in: the opacity rises by 2 per step, pending messages handled in between.
        for (int alpha = 0; alpha < alphaBlendValue_ && list_->IsOpen(); alpha += 2) {
            SetWindowAlpha(list_, alpha);
            if (vcl::Application) vcl::Application->ProcessMessages();
        }
        if (list_->IsOpen()) SetWindowAlpha(list_, alphaBlendValue_);
    }
}

void TbsSkinCustomComboBox::CloseList(bool accept) {
    if (!list_->IsOpen()) return;
    list_->HideList();
    int sel = list_->ItemIndex();
    if (sel == -1) {
        list_->SetItemIndex(savedIndex_);
    } else if (sel < list_->Count() && accept) {
        SetText(list_->Item(sel));
        Invalidate();
        FireClick();
    } else {
        list_->SetItemIndex(savedIndex_);
    }
    Invalidate();
    if (accept && OnCloseUp) OnCloseUp(this);
    ListClosed(accept);
}

void TbsSkinCustomComboBox::ApplySkinChange() {
    TbsSkinCustomControl::ApplySkinChange();
    PlaceEdit();
    ConfigureList();
    list_->ApplySkinChange();
}

// --- painting ------------------------------------------------------------------------

void TbsSkinCustomComboBox::DrawItemContent(gfx::Canvas& c, int index, const TRect& itemRect,
                                            const TRect& textRect, TbsItemState state,
                                            const gfx::Font& font, TColor color) {
    if (OnComboBoxDrawItem) {
        OnComboBoxDrawItem(c, index, itemRect, textRect, state);
        return;
    }
    c.Save();
    c.IntersectClipRect(textRect);
    c.SetFont(font);
    c.SetFontColor(color);
    c.Brush().style = gfx::BrushStyle::Clear;
    int x = list_->DrawItemImage(c, index, textRect.Inflate(-2, 0));
    c.TextOut(x, textRect.Top + (textRect.Height() - font.Height()) / 2, list_->Item(index));
    c.Restore();
}

void TbsSkinCustomComboBox::DrawShownItem(gfx::Canvas& c, const TRect& area, const gfx::Font& font,
                                          TColor color, bool skinned) {
    int index = ShownIndex();
    if (index < 0) return;
    TbsItemState state{true, Focused()};
    TRect textRect = area;
    if (skinned) {
        const auto* r = ComboRecord();
        if (!IsEmptyRect(r->itemtextrect)) {
            textRect = r->itemtextrect;
            textRect.Right += area.Width() - r->itemrect.Width();
            textRect = textRect.Offset(area.Left, area.Top);
        }
    } else {
        textRect = {area.Left + 2, area.Top, area.Right - 2, area.Bottom};
    }
    DrawItemContent(c, index, area, textRect, state, font, color);
}

void TbsSkinCustomComboBox::DrawDefaultImage(gfx::Bitmap& bitmap) {
    gfx::Canvas c(bitmap);
    FillFramed(c, bitmap.Bounds(), clBtnShadow, clBtnFace);
    TRect button = ButtonRect();
    DrawPlainButtonFace(c, button, buttonHot_, buttonPressed_);
    DrawArrow(c, button, IsEnabledChain() ? clBlack : clBtnShadow, 4);
    TRect area = ItemArea();
    bool focused = Focused();
    if (edit_) {
        FillSolid(c, area, clWindow);
        return;
    }
    FillSolid(c, area, focused ? clHighlight : clWindow);
    DrawShownItem(c, area, PlainFont(*Font()), focused ? clHighlightText : Font()->Color(), false);
    if (focused) c.DrawFocusRect(area);
}

void TbsSkinCustomComboBox::DrawSkinImage(gfx::Bitmap& bitmap) {
    const auto* r = ComboRecord();
    if (!r) return;
    TbsSkinCustomControl::DrawSkinImage(bitmap);
    if (!SkinPicture()) return;
    gfx::Canvas c(bitmap);
    TRect button = ButtonRect();
    TRect pic;
    if (!IsEnabledChain() && !IsEmptyRect(r->unenabledbuttonrect))
        pic = r->unenabledbuttonrect;
    else if (buttonPressed_ && buttonHot_)
        pic = r->downbuttonrect;
    else if (buttonHot_)
        pic = r->activebuttonrect;
    if (!IsEmptyRect(pic)) c.CopyRect(button, *SkinPicture(), pic);
    TRect area = ItemArea();
    bool focused = Focused();
    TRect bg = focused ? OrElse(r->focusitemrect, r->itemrect) : r->itemrect;
    if (!IsEmptyRect(bg)) {
        gfx::Bitmap strip;
        TileHorzImage(strip, *SkinPicture(), bg, r->itemleftoffset, r->itemrightoffset, area.Width());
        c.CopyRect(area, strip, strip.Bounds());
    }
    if (edit_) return;
    DrawShownItem(c, area, SkinFont(r->font, UseSkinFont(), *DefaultFont()),
                  focused ? r->focusfontcolor : r->font.fontcolor, true);
}

// --- input ---------------------------------------------------------------------------

bool TbsSkinCustomComboBox::PointerOverList(TPoint client) {
    if (!list_->IsOpen()) return false;
    TPoint screen = ClientToScreen(client);
    return list_->BoundsRect().Contains(screen);
}

void TbsSkinCustomComboBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TbsSkinCustomControl::MouseDown(button, shift, x, y);
    if (button != vcl::mbLeft) return;
    if (!Focused() && CanFocus()) SetFocus();
    if (ItemArea().Contains(x, y) || (ButtonRect().Contains(x, y) && buttonHot_)) {
        buttonPressed_ = true;
        Invalidate();
        if (list_->IsOpen())
            CloseList(false);
        else
            OpenList();
    } else {
        CloseList(false);
    }
}

void TbsSkinCustomComboBox::MouseMove(TShiftState shift, int x, int y) {
    TbsSkinCustomControl::MouseMove(shift, x, y);
    bool hot = ButtonRect().Contains(x, y);
    if (hot != buttonHot_) {
        buttonHot_ = hot;
        Invalidate();
    }
    // A press dragged from the box into the open list: the list follows the pointer.
    if (buttonPressed_ && PointerOverList({x, y})) {
        TPoint inList = list_->ScreenToClient(ClientToScreen({x, y}));
        int index = list_->ItemAtPos(inList);
        if (index >= 0) list_->SetItemIndex(index);
    }
}

void TbsSkinCustomComboBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    bool wasPressed = buttonPressed_;
    if (button == vcl::mbLeft) {
        buttonPressed_ = false;
        Invalidate();
        if (wasPressed && PointerOverList({x, y})) CloseList(true);
    }
    TbsSkinCustomControl::MouseUp(button, shift, x, y);
}

void TbsSkinCustomComboBox::MouseLeave() {
    TbsSkinCustomControl::MouseLeave();
    if (buttonHot_) {
        buttonHot_ = false;
        Invalidate();
    }
}

bool TbsSkinCustomComboBox::WantsKey(uint16_t key, TShiftState) const {
    if (key == base::VK_UP || key == base::VK_DOWN || key == base::VK_LEFT || key == base::VK_RIGHT)
        return true;
    return (key == base::VK_RETURN || key == base::VK_ESCAPE) && list_->IsOpen();
}

void TbsSkinCustomComboBox::StepTo(int index) {
    SetItemIndex(index);
    if (list_->IsOpen()) {
        int sel = list_->ItemIndex();
        if (sel < list_->TopIndex()) list_->SetTopIndex(sel);
        if (sel >= list_->TopIndex() + list_->VisibleRows()) list_->SetTopIndex(sel - list_->VisibleRows() + 1);
    }
}

void TbsSkinCustomComboBox::KeyDown(uint16_t& key, TShiftState shift) {
    TbsSkinCustomControl::KeyDown(key, shift);
    int sel = list_->ItemIndex();
    int last = list_->Count() - 1;
    bool alt = shift.Contains(vcl::ssAlt);
    switch (key) {
        case base::VK_UP:
        case base::VK_LEFT:
            if (alt) {
                CloseList(false);
            } else if (sel > 0) {
                StepTo(sel - 1);
            }
            break;
        case base::VK_DOWN:
        case base::VK_RIGHT:
            if (alt) {
                OpenList();
            } else if (sel < last) {
                StepTo(sel + 1);
            }
            break;
        case base::VK_PRIOR:
            // One page back, the mirror of PageDown (one row of the old page stays).
            if (last >= 0) StepTo(std::max(0, sel - (dropDownCount_ - 1)));
            break;
        case base::VK_NEXT:
            if (last >= 0) StepTo(std::min(last, sel + dropDownCount_ - 1));
            break;
        case base::VK_RETURN: CloseList(true); break;
        case base::VK_ESCAPE: CloseList(false); break;
        default: break;
    }
}

void TbsSkinCustomComboBox::WndProc(TMessage& m) {
    if (m.Msg == wm::WM_MOUSEWHEEL) {
        int notches = wm::WheelDelta(m.WParam) / wm::kWheelNotch;
        int sel = list_->ItemIndex();
        int next = std::clamp(sel - notches, 0, list_->Count() - 1);
        if (list_->Count() > 0 && next != sel) {
            if (list_->IsOpen())
                list_->SetItemIndex(next);
            else
                SetItemIndex(next);
        }
        m.Result = 1;
        return;
    }
    if (m.Msg == wm::WM_CANCELMODE) {
        wm::HWND holder = wm::GetCapture();
        auto* other = TWinControl::FindControl(holder);
        bool ours = other == this || other == list_ || (other && list_->ContainsControl(other));
        if (!ours) CloseList(false);
    }
    TbsSkinCustomControl::WndProc(m);
}

void TbsSkinCustomComboBox::DoEnter() {
    TbsSkinCustomControl::DoEnter();
    if (edit_ && edit_->CanFocus()) edit_->SetFocus();  // the edit takes the box's focus
    Invalidate();
}

void TbsSkinCustomComboBox::DoExit() {
    TbsSkinCustomControl::DoExit();
    if (!(edit_ && edit_->Focused())) CloseList(false);
    Invalidate();
}

void TbsSkinCustomComboBox::EnabledChanged() {
    TbsSkinCustomControl::EnabledChanged();
    Invalidate();
}

}  // namespace skin

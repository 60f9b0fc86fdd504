#include "skin/controls/TbsSkinCustomListBox.h"

#include <algorithm>

#include "base/ShortCut.h"
#include "skin/SkinTiling.h"
#include "skin/controls/DefaultLook.h"
#include "skin/controls/TbsSkinScrollBar.h"
#include "wm/Messages.h"

namespace skin {

namespace {
constexpr int kPlainBarWidth = 19;
}

TbsSkinCustomListBox::TbsSkinCustomListBox(TComponent* owner) : TbsSkinCustomControl(owner) {
    SetSkinDataName("listbox");
    SetTabStop(true);
    SetBounds(0, 0, 120, 100);
}

TbsSkinCustomListBox::~TbsSkinCustomListBox() = default;

// --- items ---------------------------------------------------------------------------

void TbsSkinCustomListBox::AddItem(const std::string& text, intptr_t value) {
    int at = Count();
    if (sorted_) at = static_cast<int>(std::upper_bound(items_.begin(), items_.end(), text) - items_.begin());
    InsertItem(at, text, value);
}

void TbsSkinCustomListBox::InsertItem(int index, const std::string& text, intptr_t value) {
    index = std::clamp(index, 0, Count());
    items_.insert(items_.begin() + index, text);
    values_.insert(values_.begin() + index, value);
    if (itemIndex_ >= index) ++itemIndex_;
    UpdateScrollBar();
    Invalidate();
}

void TbsSkinCustomListBox::DeleteItem(int index) {
    if (index < 0 || index >= Count()) return;
    items_.erase(items_.begin() + index);
    values_.erase(values_.begin() + index);
    if (itemIndex_ == index)
        itemIndex_ = -1;
    else if (itemIndex_ > index)
        --itemIndex_;
    SetTopIndex(topIndex_);
    UpdateScrollBar();
    Invalidate();
}

void TbsSkinCustomListBox::SetItems(const std::vector<std::string>& items) {
    Clear();
    for (const std::string& s : items) AddItem(s);
}

void TbsSkinCustomListBox::Clear() {
    items_.clear();
    values_.clear();
    itemIndex_ = -1;
    topIndex_ = 0;
    UpdateScrollBar();
    Invalidate();
}

void TbsSkinCustomListBox::SetSorted(bool on) {
    sorted_ = on;
    if (!on) return;
    std::vector<std::pair<std::string, intptr_t>> pairs;
    for (int i = 0; i < Count(); ++i) pairs.emplace_back(items_[size_t(i)], values_[size_t(i)]);
    std::stable_sort(pairs.begin(), pairs.end(), [](auto& a, auto& b) { return a.first < b.first; });
    for (int i = 0; i < Count(); ++i) {
        items_[size_t(i)] = pairs[size_t(i)].first;
        values_[size_t(i)] = pairs[size_t(i)].second;
    }
    Invalidate();
}

// --- selection and geometry ----------------------------------------------------------

void TbsSkinCustomListBox::SetItemIndex(int index) {
    if (index < -1 || index >= Count()) return;
    if (index == itemIndex_) return;
    itemIndex_ = index;
    Invalidate();
    if (OnChange) OnChange(this);
}

void TbsSkinCustomListBox::SetTopIndex(int index) {
    int maxTop = std::max(0, Count() - VisibleRows());
    index = std::clamp(index, 0, maxTop);
    if (index == topIndex_) return;
    topIndex_ = index;
    if (scrollBar_ && !updatingBar_) UpdateScrollBar();
    Invalidate();
}

int TbsSkinCustomListBox::ItemHeight() {
    FetchSkinRecord();
    if (const auto* r = ListRecord()) return std::max(1, r->itemrect.Height());
    return defaultItemHeight_;
}

TRect TbsSkinCustomListBox::RawClientArea() {
    FetchSkinRecord();
    if (ListRecord()) return ResizedClientRect();
    return TRect{0, 0, Width(), Height()}.Inflate(-2, -2);
}

int TbsSkinCustomListBox::VisibleRows() {
    return std::max(1, RawClientArea().Height() / ItemHeight());
}

TRect TbsSkinCustomListBox::ItemArea() {
    TRect a = RawClientArea();
    if (scrollBar_ && scrollBar_->Visible()) a.Right -= scrollBar_->Width();
    return a;
}

TRect TbsSkinCustomListBox::ItemRect(int index) {
    TRect a = ItemArea();
    int h = ItemHeight();
    int top = a.Top + (index - topIndex_) * h;
    return {a.Left, top, a.Right, top + h};
}

int TbsSkinCustomListBox::ItemAtPos(TPoint p) {
    TRect a = ItemArea();
    if (!a.Contains(p)) return -1;
    int index = topIndex_ + (p.Y - a.Top) / ItemHeight();
    return index < Count() ? index : -1;
}

// --- scroll bar ----------------------------------------------------------------------

void TbsSkinCustomListBox::UpdateScrollBar() {
    if (updatingBar_) return;
    updatingBar_ = true;
    int rows = VisibleRows();
    bool needed = Count() > rows;
    if (!needed) {
        if (scrollBar_) {
            vcl::TObject::Free(scrollBar_);
            scrollBar_ = nullptr;
        }
        topIndex_ = 0;
    } else {
        if (!scrollBar_) {
            scrollBar_ = new TbsSkinScrollBar(this);
            scrollBar_->SetKind(sbVertical);
            scrollBar_->SetCanFocused(false);
            scrollBar_->OnChange = [this](vcl::TObject*) {
                if (!updatingBar_) SetTopIndex(scrollBar_->Position());
            };
        }
        const auto* r = ListRecord();
        scrollBar_->SetSkinDataName(r ? r->vscrollbarname : "");
        scrollBar_->SetSkinData(r ? SkinData() : nullptr);
        TRect a = RawClientArea();
        int w = r ? scrollBar_->Width() : kPlainBarWidth;
        if (r) {
            int bw = w, bh = a.Height();
            scrollBar_->FitSizeToSkin(bw, bh);
            w = bw;
        }
        scrollBar_->SetParent(this);
        scrollBar_->SetBounds(a.Right - w, a.Top, w, a.Height());
        scrollBar_->SetRange(0, Count() - 1, rows, topIndex_);
        scrollBar_->Show();
    }
    updatingBar_ = false;
}

void TbsSkinCustomListBox::ApplySkinChange() {
    TbsSkinCustomControl::ApplySkinChange();
    UpdateScrollBar();
}

void TbsSkinCustomListBox::BoundsChanged(bool sizeChanged) {
    TbsSkinCustomControl::BoundsChanged(sizeChanged);
    if (sizeChanged) UpdateScrollBar();
}

// --- painting ------------------------------------------------------------------------

void TbsSkinCustomListBox::DrawItemPlain(gfx::Canvas& c, int index, const TRect& r, TbsItemState state) {
    FillSolid(c, r, state.selected ? clHighlight : clWindow);
    TRect text = r;
    if (OnDrawItem) {
        OnDrawItem(c, index, r, text, state);
    } else {
        c.Save();
        c.IntersectClipRect(r);
        gfx::Font font = PlainFont(*DefaultFont());
        c.SetFont(font);
        c.SetFontColor(state.selected ? clHighlightText : DefaultFont()->Color());
        c.Brush().style = gfx::BrushStyle::Clear;
        c.TextOut(r.Left + 2, r.Top + (r.Height() - font.Height()) / 2, Item(index));
        c.Restore();
    }
    if (state.focused) c.DrawFocusRect(r);
}

void TbsSkinCustomListBox::DrawItemSkin(gfx::Canvas& c, int index, const TRect& r, TbsItemState state) {
    const auto* rec = ListRecord();
    TRect src = state.focused ? OrElse(rec->focusitemrect, rec->itemrect)
                : state.selected ? OrElse(rec->activeitemrect, rec->itemrect)
                                 : rec->itemrect;
    if (SkinPicture() && !IsEmptyRect(src)) {
        gfx::Bitmap bg;
        TileHorzImage(bg, *SkinPicture(), src, rec->itemleftoffset, rec->itemrightoffset, r.Width());
        c.CopyRect(r, bg, bg.Bounds());
    }
    TRect text = rec->itemtextrect;
    text.Right += r.Width() - rec->itemrect.Width();
    text = text.Offset(r.Left, r.Top);
    if (OnDrawItem) {
        OnDrawItem(c, index, r, text, state);
        return;
    }
    gfx::Font font = SkinFont(rec->font, UseSkinFont(), *DefaultFont());
    TColor color = state.focused ? rec->focusfontcolor : state.selected ? rec->activefontcolor
                                                                         : rec->font.fontcolor;
    c.Save();
    c.IntersectClipRect(text);
    c.SetFont(font);
    c.SetFontColor(color);
    c.Brush().style = gfx::BrushStyle::Clear;
    c.TextOut(text.Left, text.Top + (text.Height() - font.Height()) / 2, Item(index));
    c.Restore();
}

void TbsSkinCustomListBox::DrawItems(gfx::Canvas& c) {
    TRect area = ItemArea();
    c.Save();
    c.IntersectClipRect(area);
    bool skinned = ListRecord() != nullptr;
    for (int i = topIndex_; i < Count(); ++i) {
        TRect r = ItemRect(i);
        if (r.Top >= area.Bottom) break;
        TbsItemState state{i == itemIndex_, i == itemIndex_ && Focused()};
        if (skinned)
            DrawItemSkin(c, i, r, state);
        else
            DrawItemPlain(c, i, r, state);
    }
    c.Restore();
}

void TbsSkinCustomListBox::DrawDefaultImage(gfx::Bitmap& bitmap) {
    gfx::Canvas c(bitmap);
    FillFramed(c, bitmap.Bounds(), clBtnShadow, clWindow);
    DrawItems(c);
}

void TbsSkinCustomListBox::DrawSkinImage(gfx::Bitmap& bitmap) {
    TbsSkinCustomControl::DrawSkinImage(bitmap);
    gfx::Canvas c(bitmap);
    DrawItems(c);
}

// --- input ---------------------------------------------------------------------------

void TbsSkinCustomListBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TbsSkinCustomControl::MouseDown(button, shift, x, y);
    if (button != vcl::mbLeft) return;
    if (CanFocus() && !Focused()) SetFocus();
    int index = ItemAtPos({x, y});
    if (index >= 0) SetItemIndex(index);
}

bool TbsSkinCustomListBox::WantsKey(uint16_t key, TShiftState) const {
    return key == base::VK_UP || key == base::VK_DOWN;
}

void TbsSkinCustomListBox::KeyDown(uint16_t& key, TShiftState shift) {
    TbsSkinCustomControl::KeyDown(key, shift);
    int next = itemIndex_;
    if (key == base::VK_UP) next = std::max(0, itemIndex_ - 1);
    if (key == base::VK_DOWN) next = std::min(Count() - 1, itemIndex_ + 1);
    if (next != itemIndex_ && next >= 0) {
        SetItemIndex(next);
        if (next < topIndex_) SetTopIndex(next);
        if (next >= topIndex_ + VisibleRows()) SetTopIndex(next - VisibleRows() + 1);
    }
}

void TbsSkinCustomListBox::Wheel(int notches) { SetTopIndex(topIndex_ - notches); }

void TbsSkinCustomListBox::WndProc(TMessage& m) {
    if (m.Msg == wm::WM_MOUSEWHEEL) {
        Wheel(wm::WheelDelta(m.WParam) / wm::kWheelNotch);
        m.Result = 1;
        return;
    }
    TbsSkinCustomControl::WndProc(m);
}

}  // namespace skin

#include "skin/controls/TbsSkinCustomListBox.h"

#include <algorithm>

#include "base/ShortCut.h"
#include "skin/SkinTiling.h"
#include "skin/controls/DefaultLook.h"
#include "skin/controls/ImageListPictures.h"
#include "skin/controls/TbsSkinScrollBar.h"
#include "vcl/Accelerators.h"
#include "wm/Messages.h"

namespace skin {

namespace {
constexpr int kPlainBarWidth = 19;
}

TbsSkinCustomListBox::TbsSkinCustomListBox(TComponent* owner) : TbsSkinCustomControl(owner) {
    SetSkinDataName("listbox");
    SetTabStop(true);
    SetBounds(0, 0, 120, 100);
    defaultCaptionFont_.SetName("Arial");
    defaultCaptionFont_.SetHeight(14);
    defaultCaptionFont_.OnChange = [this](vcl::TObject*) { Invalidate(); };
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

TRect TbsSkinCustomListBox::FramedArea() {
    FetchSkinRecord();
    if (ListRecord()) return ResizedClientRect();
    return TRect{0, 0, Width(), Height()}.Inflate(-2, -2);
}

TRect TbsSkinCustomListBox::RawClientArea() {
    TRect a = FramedArea();
    a.Top += CaptionHeight();
    if (horzScrollBar_ && horzScrollBar_->Visible()) a.Bottom -= horzScrollBar_->Height();
    return a;
}

// --- caption bar ---------------------------------------------------------------------

void TbsSkinCustomListBox::SetCaptionMode(bool on) {
    captionMode_ = on;
    UpdateScrollBar();
    Invalidate();
}

void TbsSkinCustomListBox::SetDefaultCaptionHeight(int h) {
    if (h < 1) return;
    defaultCaptionHeight_ = h;
    UpdateScrollBar();
    Invalidate();
}

int TbsSkinCustomListBox::CaptionHeight() {
    if (!captionMode_) return 0;
    FetchSkinRecord();
    // A record with its own caption rectangle has the bar in its frame already.
    const auto* r = ListRecord();
    return r && !IsEmptyRect(r->captionrect) ? 0 : defaultCaptionHeight_;
}

TRect TbsSkinCustomListBox::CaptionRect() {
    if (!captionMode_) return {};
    TRect a = FramedArea();
    const auto* r = ListRecord();
    if (r && !IsEmptyRect(r->captionrect)) return MapSkinRect(r->captionrect);
    return {a.Left, a.Top, a.Right, a.Top + defaultCaptionHeight_};
}

gfx::Font TbsSkinCustomListBox::CaptionFont() {
    const auto* r = ListRecord();
    if (!r) return PlainFont(defaultCaptionFont_);
    TbsSkinFontGroup group{r->captionfontname, r->captionfontheight, r->captionfontstyle, r->captionfontcolor};
    return SkinFont(group, UseSkinFont(), defaultCaptionFont_);
}

void TbsSkinCustomListBox::DrawCaption(gfx::Canvas& c) {
    TRect bar = CaptionRect();
    if (IsEmptyRect(bar)) return;
    const auto* r = ListRecord();
    TColor color = defaultCaptionFont_.Color();
    if (!r) {
        FillSolid(c, bar, clBtnFace);
        DrawBevel(c, bar, clBtnHighlight, clBtnShadow);
    } else {
        color = r->captionfontcolor;
        if (IsEmptyRect(r->captionrect)) {
            // The skin has no caption of its own: the bar lies on the rows' background,
            // set off from the rows by a line.
            if (SkinPicture() && !IsEmptyRect(r->itemrect)) {
                gfx::Bitmap bg;
                TileHorzImage(bg, *SkinPicture(), r->itemrect, r->itemleftoffset, r->itemrightoffset, bar.Width());
                c.CopyRect(bar, bg, bg.Bounds());
            }
            FillSolid(c, {bar.Left, bar.Bottom - 1, bar.Right, bar.Bottom}, clBtnShadow);
        }
    }
    std::string text = vcl::StripHotkey(Caption());
    gfx::Font font = CaptionFont();
    TRect inner = bar.Inflate(-2, 0);
    int tw = font.TextWidth(text);
    int x = inner.Left;
    if (captionAlignment_ == taRightJustify) x = inner.Right - tw;
    if (captionAlignment_ == taCenter) x = inner.Left + (inner.Width() - tw) / 2;
    c.Save();
    c.IntersectClipRect(inner);
    c.SetFont(font);
    c.SetFontColor(color);
    c.Brush().style = gfx::BrushStyle::Clear;
    c.TextOut(x, bar.Top + (bar.Height() - font.Height()) / 2, text);
    c.Restore();
}

// --- pictures ------------------------------------------------------------------------

void TbsSkinCustomListBox::SetImages(vcl::TImageList* images) {
    if (images_) RemoveFreeNotification(images_);
    images_ = images;
    if (images_) FreeNotification(images_);
    UpdateScrollBar();
    Invalidate();
}

void TbsSkinCustomListBox::Notification(TComponent* component, vcl::TOperation operation) {
    TbsSkinCustomControl::Notification(component, operation);
    if (operation == vcl::opRemove && component == images_) {
        images_ = nullptr;
        UpdateScrollBar();
        Invalidate();
    }
}

int TbsSkinCustomListBox::ItemImage(int index) const {
    if (!images_ || index < 0 || index >= Count()) return -1;
    int image = imageIndex_ >= 0 ? imageIndex_ : index;
    return image < images_->Count() ? image : -1;
}

int TbsSkinCustomListBox::DrawItemImage(gfx::Canvas& c, int index, const TRect& textRect) {
    int image = ItemImage(index);
    if (image < 0) return textRect.Left;
    int y = textRect.Top + (textRect.Height() - images_->Height()) / 2;
    return textRect.Left + DrawImageListPicture(c, images_, image, textRect.Left, y) + 2;
}

// --- horizontal scrolling ------------------------------------------------------------

gfx::Font TbsSkinCustomListBox::ItemFont() {
    FetchSkinRecord();
    const auto* r = ListRecord();
    return r ? SkinFont(r->font, UseSkinFont(), *DefaultFont()) : PlainFont(*DefaultFont());
}

int TbsSkinCustomListBox::WidestItem() {
    gfx::Font font = ItemFont();
    int widest = 0;
    for (const std::string& item : items_) widest = std::max(widest, font.TextWidth(item));
    int picture = images_ ? images_->Width() + 2 : 0;
    return widest + picture + 4;
}

void TbsSkinCustomListBox::SetHorizontalExtent(bool on) {
    horizontalExtent_ = on;
    if (!on) horzOffset_ = 0;
    UpdateScrollBar();
    Invalidate();
}

void TbsSkinCustomListBox::SetHorzOffset(int offset) {
    int maxOffset = std::max(0, WidestItem() - ItemArea().Width());
    offset = std::clamp(offset, 0, maxOffset);
    if (offset == horzOffset_) return;
    horzOffset_ = offset;
    if (horzScrollBar_ && !updatingBar_) UpdateScrollBar();
    Invalidate();
}

int TbsSkinCustomListBox::BarThickness(bool vertical) {
    FetchSkinRecord();
    const auto* r = ListRecord();
    if (r && SkinData()) {
        int index = SkinData()->FindControlRecord(vertical ? r->vscrollbarname : r->hscrollbarname);
        if (index >= 0) {
            const TRect& bar = SkinData()->ControlRecords()[static_cast<size_t>(index)]->skinrect;
            if (!IsEmptyRect(bar)) return vertical ? bar.Width() : bar.Height();
        }
    }
    return kPlainBarWidth;
}

int TbsSkinCustomListBox::HorzBarHeightFor(int width, int rows) {
    if (!horizontalExtent_ || Count() == 0) return 0;
    FetchSkinRecord();
    // The client area at that width, less a vertical bar when not all rows are shown.
    int frame = ListRecord() ? SkinRect().Width() - clientRect_.Width() : 4;
    int available = width - frame;
    if (Count() > rows) available -= BarThickness(true);
    return WidestItem() > available ? BarThickness(false) : 0;
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
    TRect area = FramedArea();
    area.Top += CaptionHeight();
    int itemHeight = ItemHeight();
    auto rowsIn = [&](int height) { return std::max(1, height / itemHeight); };
    bool vertNeeded = Count() > rowsIn(area.Height());
    int barHeight = horizontalExtent_ ? BarThickness(false) : 0;
    bool horzNeeded = horizontalExtent_ && Count() > 0 &&
                      WidestItem() > area.Width() - (vertNeeded ? BarThickness(true) : 0);
    if (horzNeeded && !vertNeeded) vertNeeded = Count() > rowsIn(area.Height() - barHeight);
    if (horzNeeded) {
        TRect barArea{area.Left, area.Bottom - barHeight, area.Right - (vertNeeded ? BarThickness(true) : 0),
                      area.Bottom};
        UpdateHorzBar(barArea);
    } else {
        if (horzScrollBar_) vcl::TObject::Free(horzScrollBar_);
        horzScrollBar_ = nullptr;
        horzOffset_ = 0;
    }
    UpdateVertBar(RawClientArea(), VisibleRows());
    updatingBar_ = false;
}

void TbsSkinCustomListBox::UpdateHorzBar(const TRect& barArea) {
    const auto* r = ListRecord();
    if (!horzScrollBar_) {
        horzScrollBar_ = new TbsSkinScrollBar(this);
        horzScrollBar_->SetKind(sbHorizontal);
        horzScrollBar_->SetCanFocused(false);
        horzScrollBar_->OnChange = [this](vcl::TObject*) {
            if (!updatingBar_) SetHorzOffset(horzScrollBar_->Position());
        };
    }
    horzScrollBar_->SetSkinDataName(r ? r->hscrollbarname : "");
    horzScrollBar_->SetSkinData(r ? SkinData() : nullptr);
    horzScrollBar_->SetParent(this);
    horzScrollBar_->SetBounds(barArea.Left, barArea.Top, barArea.Width(), barArea.Height());
    int widest = WidestItem();
    horzOffset_ = std::clamp(horzOffset_, 0, std::max(0, widest - barArea.Width()));
    horzScrollBar_->SetRange(0, widest - 1, barArea.Width(), horzOffset_);
    horzScrollBar_->Show();
}

void TbsSkinCustomListBox::UpdateVertBar(const TRect& a, int rows) {
    if (Count() <= rows) {
        if (scrollBar_) {
            vcl::TObject::Free(scrollBar_);
            scrollBar_ = nullptr;
        }
        topIndex_ = 0;
        return;
    }
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
    TRect text{r.Left - horzOffset_, r.Top, r.Right, r.Bottom};
    if (OnDrawItem) {
        OnDrawItem(c, index, r, text, state);
    } else {
        c.Save();
        c.IntersectClipRect(r);
        gfx::Font font = PlainFont(*DefaultFont());
        c.SetFont(font);
        c.SetFontColor(state.selected ? clHighlightText : DefaultFont()->Color());
        c.Brush().style = gfx::BrushStyle::Clear;
        int x = DrawItemImage(c, index, text.Inflate(-2, 0));
        c.TextOut(x, r.Top + (r.Height() - font.Height()) / 2, Item(index));
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
    text = text.Offset(r.Left - horzOffset_, r.Top);
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
    int x = DrawItemImage(c, index, text);
    c.TextOut(x, text.Top + (text.Height() - font.Height()) / 2, Item(index));
    c.Restore();
}

void TbsSkinCustomListBox::DrawBarCorner(gfx::Canvas& c) {
    // Where the two bars meet: a plain square, as under any pair of scroll bars.
    if (!scrollBar_ || !horzScrollBar_ || !scrollBar_->Visible() || !horzScrollBar_->Visible()) return;
    FillSolid(c, {scrollBar_->Left(), horzScrollBar_->Top(), scrollBar_->Left() + scrollBar_->Width(),
                  horzScrollBar_->Top() + horzScrollBar_->Height()},
              clBtnFace);
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
    DrawCaption(c);
    DrawItems(c);
    DrawBarCorner(c);
}

void TbsSkinCustomListBox::DrawSkinImage(gfx::Bitmap& bitmap) {
    TbsSkinCustomControl::DrawSkinImage(bitmap);
    gfx::Canvas c(bitmap);
    DrawCaption(c);
    DrawItems(c);
    DrawBarCorner(c);
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

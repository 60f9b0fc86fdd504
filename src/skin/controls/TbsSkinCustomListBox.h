#pragma once
// Our own list box: items with attached values, one selection, a top row, fixed-height
// owner-drawn rows from the "listbox" record (or plainly), a skinned vertical scroll bar
// shown only while the items do not fit, the mouse wheel and the arrow keys.
//
// Optional parts: a caption bar above the rows (CaptionMode, the control's Caption), a
// horizontal scroll bar while the widest item is wider than the rows (HorizontalExtent),
// and a picture of an image list before each item's text (Images, ImageIndex).

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "skin/controls/TbsSkinCustomControl.h"
#include "vcl/TImageList.h"

namespace skin {

class TbsSkinScrollBar;

struct TbsItemState {
    bool selected = false;
    bool focused = false;
};
// Draws an item's content into `canvas` (control coordinates); the background is drawn.
using TbsDrawSkinItemEvent = std::function<void(gfx::Canvas& canvas, int index, const TRect& itemRect,
                                                const TRect& textRect, TbsItemState state)>;

class TbsSkinCustomListBox : public TbsSkinCustomControl {
public:
    explicit TbsSkinCustomListBox(TComponent* owner);
    ~TbsSkinCustomListBox() override;

    // --- items ---
    int Count() const { return static_cast<int>(items_.size()); }
    const std::string& Item(int index) const { return items_.at(static_cast<size_t>(index)); }
    intptr_t ItemValue(int index) const { return values_.at(static_cast<size_t>(index)); }
    void SetItemValue(int index, intptr_t value) { values_.at(static_cast<size_t>(index)) = value; }
    void AddItem(const std::string& text, intptr_t value = 0);
    void InsertItem(int index, const std::string& text, intptr_t value = 0);
    void DeleteItem(int index);
    void SetItems(const std::vector<std::string>& items);
    const std::vector<std::string>& Items() const { return items_; }
    void Clear();
    bool Sorted() const { return sorted_; }
    void SetSorted(bool on);

    // --- selection and scrolling ---
    int ItemIndex() const { return itemIndex_; }
    // -1 or an index of the items; anything else is ignored.
    virtual void SetItemIndex(int index);
    int TopIndex() const { return topIndex_; }
    void SetTopIndex(int index);
    int ItemHeight();
    int DefaultItemHeight() const { return defaultItemHeight_; }
    void SetDefaultItemHeight(int h) { if (h > 0) { defaultItemHeight_ = h; Invalidate(); } }
    // Rows that fit the item area.
    int VisibleRows();
    // The area the rows fill (control coordinates), less the scroll bar when shown.
    TRect ItemArea();
    TRect ItemRect(int index);
    // The row under a client point, -1 for none.
    int ItemAtPos(TPoint p);
    TbsSkinScrollBar* ScrollBar() const { return scrollBar_; }

    // --- caption bar ---
    bool CaptionMode() const { return captionMode_; }
    void SetCaptionMode(bool on);
    TAlignment CaptionAlignment() const { return captionAlignment_; }
    void SetCaptionAlignment(TAlignment a) { captionAlignment_ = a; Invalidate(); }
    // Height of the caption bar where the skin does not place one (20 by default).
    int DefaultCaptionHeight() const { return defaultCaptionHeight_; }
    void SetDefaultCaptionHeight(int h);
    // The caption's font without skin (or when UseSkinFont is off).
    vcl::TFont* DefaultCaptionFont() { return &defaultCaptionFont_; }
    void SetDefaultCaptionFont(const vcl::TFont* font) { defaultCaptionFont_.Assign(font); }
    // The caption bar in control coordinates; empty without caption mode.
    TRect CaptionRect();
    // What the caption bar adds to the list's height.
    int CaptionHeight();

    // --- horizontal scrolling ---
    bool HorizontalExtent() const { return horizontalExtent_; }
    void SetHorizontalExtent(bool on);
    // Pixels the rows are scrolled to the left.
    int HorzOffset() const { return horzOffset_; }
    void SetHorzOffset(int offset);
    TbsSkinScrollBar* HorzScrollBar() const { return horzScrollBar_; }
    // Width an item's content needs: margins, picture and text of the widest item.
    int WidestItem();
    // Height of the horizontal bar the list shows at a given width with `rows` rows
    // visible (0 when the items fit across).
    int HorzBarHeightFor(int width, int rows);

    // --- pictures ---
    vcl::TImageList* Images() const { return images_; }
    void SetImages(vcl::TImageList* images);
    // -1 (the default): item i shows picture i; otherwise every item shows this picture.
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index) { imageIndex_ = std::max(-1, index); Invalidate(); }
    // The picture an item shows (-1 for none).
    int ItemImage(int index) const;
    // Draws the item's picture at the left of `textRect`, vertically centred; returns
    // the text's left edge (2 pixels after the picture, or textRect.Left without one).
    int DrawItemImage(gfx::Canvas& c, int index, const TRect& textRect);

    void ApplySkinChange() override;

    TbsDrawSkinItemEvent OnDrawItem;
    TNotifyEvent OnChange;

protected:
    void DrawDefaultImage(gfx::Bitmap& bitmap) override;
    void DrawSkinImage(gfx::Bitmap& bitmap) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    bool WantsKey(uint16_t key, TShiftState shift) const override;
    void WndProc(TMessage& message) override;
    void BoundsChanged(bool sizeChanged) override;
    void Notification(TComponent* component, vcl::TOperation operation) override;
    // Brings the scroll bars up to date (created, shown or destroyed).
    void UpdateScrollBar();
    virtual void Wheel(int notches);
    const TbsDataSkinListBox* ListRecord() const { return RecordAs<TbsDataSkinListBox>(); }
    TRect RawClientArea();

private:
    // The record's client area (or the plain inset) including the caption bar.
    TRect FramedArea();
    gfx::Font ItemFont();
    gfx::Font CaptionFont();
    void DrawCaption(gfx::Canvas& c);
    void UpdateVertBar(const TRect& area, int rows);
    void UpdateHorzBar(const TRect& area);
    int BarThickness(bool vertical);
    void DrawItems(gfx::Canvas& c);
    void DrawBarCorner(gfx::Canvas& c);
    void DrawItemSkin(gfx::Canvas& c, int index, const TRect& r, TbsItemState state);
    void DrawItemPlain(gfx::Canvas& c, int index, const TRect& r, TbsItemState state);

    std::vector<std::string> items_;
    std::vector<intptr_t> values_;
    bool sorted_ = false;
    int itemIndex_ = -1;
    int topIndex_ = 0;
    int defaultItemHeight_ = 20;
    TbsSkinScrollBar* scrollBar_ = nullptr;
    TbsSkinScrollBar* horzScrollBar_ = nullptr;
    bool updatingBar_ = false;
    bool captionMode_ = false;
    TAlignment captionAlignment_ = taLeftJustify;
    int defaultCaptionHeight_ = 20;
    vcl::TFont defaultCaptionFont_;
    bool horizontalExtent_ = false;
    int horzOffset_ = 0;
    vcl::TImageList* images_ = nullptr;
    int imageIndex_ = -1;
};

}  // namespace skin

#pragma once
// Our own list box: items with attached values, one selection, a top row, fixed-height
// owner-drawn rows from the "listbox" record (or plainly), a skinned vertical scroll bar
// shown only while the items do not fit, the mouse wheel and the arrow keys.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "skin/controls/TbsSkinCustomControl.h"

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
    // Brings the scroll bar up to date (created, shown or destroyed).
    void UpdateScrollBar();
    virtual void Wheel(int notches);
    const TbsDataSkinListBox* ListRecord() const { return RecordAs<TbsDataSkinListBox>(); }
    TRect RawClientArea();

private:
    void DrawItems(gfx::Canvas& c);
    void DrawItemSkin(gfx::Canvas& c, int index, const TRect& r, TbsItemState state);
    void DrawItemPlain(gfx::Canvas& c, int index, const TRect& r, TbsItemState state);

    std::vector<std::string> items_;
    std::vector<intptr_t> values_;
    bool sorted_ = false;
    int itemIndex_ = -1;
    int topIndex_ = 0;
    int defaultItemHeight_ = 20;
    TbsSkinScrollBar* scrollBar_ = nullptr;
    bool updatingBar_ = false;
};

}  // namespace skin

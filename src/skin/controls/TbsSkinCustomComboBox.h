#pragma once
// The combo box (fixed, list-only style): an item area showing the selection and a
// drop-down button; pressing opens the popup list below the box (above it when the work
// area ends), which follows the mouse and closes on a click, Enter, Escape or focus loss.
//
// Event order: OnChange whenever Text changes (before the step that caused it goes on),
// then OnClick for an accepted choice or an ItemIndex set, then OnCloseUp when a list
// closes with acceptance. Escape, a click elsewhere and focus loss fire nothing.

#include <algorithm>
#include <string>
#include <vector>

#include "skin/controls/TbsPopupListBox.h"
#include "skin/controls/TbsSkinCustomControl.h"
#include "skin/controls/TbsSkinEdit.h"

namespace skin {

enum TbsSkinCustomComboBoxStyle { bscbEditStyle, bscbFixedStyle };

class TbsSkinCustomComboBox : public TbsSkinCustomControl {
public:
    explicit TbsSkinCustomComboBox(TComponent* owner);
    ~TbsSkinCustomComboBox() override;

    // --- items and selection ---
    const std::vector<std::string>& Items() const { return list_->Items(); }
    void SetItems(const std::vector<std::string>& items);
    void AddItem(const std::string& text, intptr_t value = 0) { list_->AddItem(text, value); Invalidate(); }
    void ClearItems() { list_->Clear(); Invalidate(); }
    int ItemCount() const { return list_->Count(); }
    int ItemIndex() const { return list_->ItemIndex(); }
    virtual void SetItemIndex(int index);
    int SavedIndex() const { return savedIndex_; }
    int DropDownCount() const { return dropDownCount_; }
    void SetDropDownCount(int n) { if (n > 0) dropDownCount_ = n; }
    TbsSkinCustomComboBoxStyle Style() const { return style_; }
    // Edit style puts a text edit over the item area; Text follows what is typed.
    void SetStyle(TbsSkinCustomComboBoxStyle style);
    TbsSkinEdit* Edit() const { return edit_; }
    // The keys of the box (arrows, pages, Enter, Escape), also when the edit has them.
    void HandleListKey(uint16_t key, TShiftState shift) { KeyDown(key, shift); }
    bool Sorted() const { return list_->Sorted(); }
    void SetSorted(bool on) { list_->SetSorted(on); }
    int ListBoxDefaultItemHeight() const { return list_->DefaultItemHeight(); }
    void SetListBoxDefaultItemHeight(int h) { list_->SetDefaultItemHeight(h); }
    bool ListBoxUseSkinFont() const { return list_->UseSkinFont(); }
    void SetListBoxUseSkinFont(bool on) { list_->SetUseSkinFont(on); }
    TbsPopupListBox* ListBox() const { return list_; }
    // The popup list's caption bar, horizontal scrolling and pictures (Images: picture i
    // for item i, or ImageIndex for every item), also shown in the item area.
    const std::string& ListBoxCaption() const { return list_->Caption(); }
    void SetListBoxCaption(const std::string& text) { list_->SetCaption(text); }
    bool ListBoxCaptionMode() const { return list_->CaptionMode(); }
    void SetListBoxCaptionMode(bool on) { list_->SetCaptionMode(on); }
    TAlignment ListBoxCaptionAlignment() const { return list_->CaptionAlignment(); }
    void SetListBoxCaptionAlignment(TAlignment a) { list_->SetCaptionAlignment(a); }
    vcl::TFont* ListBoxDefaultCaptionFont() { return list_->DefaultCaptionFont(); }
    vcl::TFont* ListBoxDefaultFont() { return list_->DefaultFont(); }
    bool HorizontalExtent() const { return list_->HorizontalExtent(); }
    void SetHorizontalExtent(bool on) { list_->SetHorizontalExtent(on); }
    vcl::TImageList* Images() const { return list_->Images(); }
    void SetImages(vcl::TImageList* images) { list_->SetImages(images); Invalidate(); }
    int ImageIndex() const { return list_->ImageIndex(); }
    void SetImageIndex(int index) { list_->SetImageIndex(index); Invalidate(); }
    // A translucent list (where the display can), optionally faded in.
    bool AlphaBlend() const { return alphaBlend_; }
    void SetAlphaBlend(bool on) { alphaBlend_ = on; }
    bool AlphaBlendAnimation() const { return alphaBlendAnimation_; }
    void SetAlphaBlendAnimation(bool on) { alphaBlendAnimation_ = on; }
    int AlphaBlendValue() const { return alphaBlendValue_; }
    void SetAlphaBlendValue(int v) { alphaBlendValue_ = std::clamp(v, 0, 255); }

    // --- geometry (control coordinates) ---
    TRect ButtonRect();
    TRect ItemArea();
    bool ButtonHot() const { return buttonHot_; }
    bool ButtonPressed() const { return buttonPressed_; }
    bool IsListOpen() const { return list_->IsOpen(); }

    virtual void OpenList();
    void CloseList(bool accept);

    void ApplySkinChange() override;
    bool WantsKey(uint16_t key, TShiftState shift) const override;
    void WndProc(TMessage& message) override;

    TNotifyEvent OnChange, OnCloseUp;
    TbsDrawSkinItemEvent OnListBoxDrawItem, OnComboBoxDrawItem;

protected:
    // Right after every OnClick this box fires.
    virtual void AfterClick() {}
    // At the end of CloseList, when the list was open.
    virtual void ListClosed(bool /*accepted*/) {}
    void FireClick();
    // Draws one item's content (text, or through OnComboBoxDrawItem / a subclass).
    virtual void DrawItemContent(gfx::Canvas& c, int index, const TRect& itemRect, const TRect& textRect,
                                 TbsItemState state, const gfx::Font& font, TColor color);
    void DrawDefaultImage(gfx::Bitmap& bitmap) override;
    void DrawSkinImage(gfx::Bitmap& bitmap) override;
    void TextChanged() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseLeave() override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void DoEnter() override;
    void DoExit() override;
    void EnabledChanged() override;
    void BoundsChanged(bool sizeChanged) override;

private:
    const TbsDataSkinComboBox* ComboRecord() const { return RecordAs<TbsDataSkinComboBox>(); }
    int ShownIndex() const;
    void DrawShownItem(gfx::Canvas& c, const TRect& area, const gfx::Font& font, TColor color, bool skinned);
    void ConfigureList();
    void StepTo(int index);
    bool PointerOverList(TPoint client);

    void PlaceEdit();

    TbsPopupListBox* list_ = nullptr;
    TbsSkinEdit* edit_ = nullptr;
    bool syncingEdit_ = false;
    int savedIndex_ = -1;
    int dropDownCount_ = 8;
    TbsSkinCustomComboBoxStyle style_ = bscbFixedStyle;
    bool buttonHot_ = false;
    bool buttonPressed_ = false;
    bool alphaBlend_ = false;
    bool alphaBlendAnimation_ = false;
    int alphaBlendValue_ = 0;
};

}  // namespace skin

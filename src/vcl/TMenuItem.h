#pragma once
// One menu entry and its sub-items, as data: the skinned menus draw them and call Click.
// A divider is an item with the caption "-". Sub-items belong to their parent item and
// go with it; an item destroyed on its own leaves its parent's list.

#include <string>
#include <vector>

#include "base/ShortCut.h"
#include "vcl/TComponent.h"
#include "vcl/TControl.h"

namespace vcl {

class TMenu;

class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption) { caption_ = caption; }
    bool IsLine() const { return caption_ == "-"; }
    TShortCut ShortCut() const { return shortCut_; }
    void SetShortCut(TShortCut shortCut) { shortCut_ = shortCut; }
    bool Checked() const { return checked_; }
    // Checking a radio item unchecks the other radio items of its group in the same menu.
    void SetChecked(bool checked);
    bool RadioItem() const { return radioItem_; }
    void SetRadioItem(bool on) { radioItem_ = on; }
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int index) { groupIndex_ = index; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on) { enabled_ = on; }
    bool Visible() const { return visible_; }
    void SetVisible(bool on) { visible_ = on; }
    bool AutoCheck() const { return autoCheck_; }
    void SetAutoCheck(bool on) { autoCheck_ = on; }
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index) { imageIndex_ = index; }
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint) { hint_ = hint; }
    bool Default() const { return default_; }
    void SetDefault(bool on) { default_ = on; }

    // --- sub-items ---
    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem* Items(int index) const;
    TMenuItem* operator[](int index) const { return Items(index); }
    void Add(TMenuItem* item);
    void Insert(int index, TMenuItem* item);
    // Removes and destroys the sub-item at index.
    void Delete(int index);
    // Takes the item out without destroying it.
    void Remove(TMenuItem* item);
    void Clear();
    int IndexOf(const TMenuItem* item) const;
    TMenuItem* Parent() const { return parent_; }
    // The menu the item tree belongs to (null when loose).
    TMenu* GetParentMenu() const;
    // The first enabled item here or below with that short cut, or null.
    TMenuItem* FindByShortCut(TShortCut shortCut);

    // Runs the command: AutoCheck toggles, then OnClick.
    virtual void Click();
    TNotifyEvent OnClick;

private:
    friend class TMenu;
    std::string caption_;
    TShortCut shortCut_ = 0;
    bool checked_ = false;
    bool radioItem_ = false;
    int groupIndex_ = 0;
    bool enabled_ = true;
    bool visible_ = true;
    bool autoCheck_ = false;
    bool default_ = false;
    int imageIndex_ = -1;
    std::string hint_;
    std::vector<TMenuItem*> items_;
    TMenuItem* parent_ = nullptr;
    TMenu* menu_ = nullptr;  // set on the root item only
};

}  // namespace vcl

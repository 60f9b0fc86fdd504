#include "vcl/TMenuItem.h"

#include <algorithm>

#include "vcl/Errors.h"

namespace vcl {

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) {}

TMenuItem::~TMenuItem() {
    Clear();
    if (parent_) parent_->Remove(this);
}

TMenuItem* TMenuItem::Items(int index) const {
    if (index < 0 || index >= Count()) return nullptr;
    return items_[static_cast<size_t>(index)];
}

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item) {
    if (!item) return;
    for (TMenuItem* p = this; p; p = p->parent_)
        if (p == item) throw EInvalidOperation("Ein Menüeintrag kann nicht in sich selbst eingefügt werden");
    if (item->parent_) item->parent_->Remove(item);
    index = std::clamp(index, 0, Count());
    items_.insert(items_.begin() + index, item);
    item->parent_ = this;
}

void TMenuItem::Delete(int index) {
    TMenuItem* item = Items(index);
    if (!item) return;
    Remove(item);
    Free(item);
}

void TMenuItem::Remove(TMenuItem* item) {
    auto it = std::find(items_.begin(), items_.end(), item);
    if (it == items_.end()) return;
    items_.erase(it);
    item->parent_ = nullptr;
}

void TMenuItem::Clear() {
    while (!items_.empty()) Delete(Count() - 1);
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
    auto it = std::find(items_.begin(), items_.end(), item);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

TMenu* TMenuItem::GetParentMenu() const {
    const TMenuItem* root = this;
    while (root->parent_) root = root->parent_;
    return root->menu_;
}

void TMenuItem::SetChecked(bool checked) {
    checked_ = checked;
    if (!checked || !radioItem_ || !parent_) return;
    for (TMenuItem* sibling : parent_->items_)
        if (sibling != this && sibling->radioItem_ && sibling->groupIndex_ == groupIndex_)
            sibling->checked_ = false;
}

TMenuItem* TMenuItem::FindByShortCut(TShortCut shortCut) {
    if (shortCut == 0 || !enabled_) return nullptr;
    for (TMenuItem* item : items_) {
        if (!item->enabled_) continue;
        if (item->shortCut_ == shortCut) return item;
        if (TMenuItem* found = item->FindByShortCut(shortCut)) return found;
    }
    return nullptr;
}

void TMenuItem::Click() {
    if (!enabled_) return;
    if (autoCheck_) SetChecked(!checked_);
    if (OnClick) OnClick(this);
}

}  // namespace vcl

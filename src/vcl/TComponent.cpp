#include "vcl/TComponent.h"

#include <algorithm>
#include <cctype>

namespace vcl {

bool SameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

TComponent::TComponent(TComponent* owner) {
    if (owner) {
        owner->InsertComponent(this);
        if (owner->IsLoading()) state_.Include(csLoading);
    }
}

TComponent::~TComponent() {
    state_.Include(csDestroying);
    DestroyComponents();
    DropFreeNotifications();
    if (owner_) owner_->RemoveComponent(this);
}

void TComponent::BeforeDestruction() {
    if (!IsDestroying()) Destroying();
}

void TComponent::Destroying() {
    state_.Include(csDestroying);
    for (TComponent* c : components_) c->Destroying();
}

TComponent* TComponent::Components(int index) const {
    if (index < 0 || index >= ComponentCount()) return nullptr;
    return components_[static_cast<size_t>(index)];
}

int TComponent::ComponentIndex() const {
    if (!owner_) return -1;
    auto& list = owner_->components_;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

TComponent* TComponent::FindComponent(const std::string& name) const {
    if (name.empty()) return nullptr;
    for (TComponent* c : components_)
        if (SameName(c->name_, name)) return c;
    return nullptr;
}

void TComponent::InsertComponent(TComponent* component) {
    if (!component || component->owner_ == this) return;
    if (component->owner_) component->owner_->RemoveComponent(component);
    components_.push_back(component);
    component->owner_ = this;
    Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
    auto it = std::find(components_.begin(), components_.end(), component);
    if (it == components_.end()) return;
    components_.erase(it);
    component->owner_ = nullptr;
    Notification(component, opRemove);
}

void TComponent::DestroyComponents() {
    // Each component leaves the list itself; one may take others along (a menu its
    // items), so the list is looked at afresh every time.
    while (!components_.empty()) {
        TComponent* last = components_.back();
        components_.pop_back();
        last->owner_ = nullptr;
        Notification(last, opRemove);
        Free(last);
    }
}

void TComponent::BeginLoading() {
    state_.Include(csLoading);
    for (TComponent* c : components_) c->state_.Include(csLoading);
}

void TComponent::EndLoading() {
    // Loaded() may create components; work on a copy of the list.
    std::vector<TComponent*> owned = components_;
    for (TComponent* c : owned) c->state_.Exclude(csLoading);
    state_.Exclude(csLoading);
    for (TComponent* c : owned)
        if (std::find(components_.begin(), components_.end(), c) != components_.end()) {
            c->EndNestedLoading();
            c->Loaded();
        }
    Loaded();
}

// A component made by another one while the form was loading (the timer of a menu
// engine inside a frame component, say) carries the mark too; it ends with its owner.
void TComponent::EndNestedLoading() {
    std::vector<TComponent*> nested;
    for (TComponent* c : components_)
        if (c->IsLoading()) nested.push_back(c);
    for (TComponent* c : nested) c->state_.Exclude(csLoading);
    for (TComponent* c : nested)
        if (std::find(components_.begin(), components_.end(), c) != components_.end()) {
            c->EndNestedLoading();
            c->Loaded();
        }
}

void TComponent::FreeNotification(TComponent* component) {
    if (!component || component == this) return;
    if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) == freeNotifies_.end())
        freeNotifies_.push_back(component);
    auto& theirs = component->freeNotifies_;
    if (std::find(theirs.begin(), theirs.end(), this) == theirs.end()) theirs.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
    if (!component) return;
    std::erase(freeNotifies_, component);
    std::erase(component->freeNotifies_, this);
}

void TComponent::DropFreeNotifications() {
    while (!freeNotifies_.empty()) {
        TComponent* other = freeNotifies_.back();
        freeNotifies_.pop_back();
        std::erase(other->freeNotifies_, this);
        other->Notification(this, opRemove);
    }
}

void TComponent::Notification(TComponent* component, TOperation operation) {
    // An owner passes removals on, so components it owns drop their references too.
    if (operation == opRemove && component)
        for (TComponent* c : std::vector<TComponent*>(components_))
            if (c != component) c->Notification(component, operation);
}

}  // namespace vcl

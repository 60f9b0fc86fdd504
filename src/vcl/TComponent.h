#pragma once
// Components: objects with an owner that destroys them, a name, and state flags.
//
// Ownership: a component created with an owner is destroyed by it, owned components in
// the reverse order of their creation. Whichever way a component goes (its owner, a
// parent menu item or control, or delete), it leaves every list that holds it.
//
// References between components: a component that keeps a pointer to another one calls
// FreeNotification on it; when either is destroyed the other's Notification(x, opRemove)
// runs, so no pointer to a destroyed component remains.
//
// Loading: while a form's description is applied (its constructor creates the components
// and sets their properties) the form and every component it owns carry csLoading;
// EndLoading clears it and calls Loaded() on each.

#include <cstdint>
#include <string>
#include <vector>

#include "vcl/Set.h"
#include "vcl/TPersistent.h"

namespace vcl {

enum TComponentStateValue { csLoading, csDestroying, csDesigning, csUpdating };
using TComponentState = TSet<TComponentStateValue>;

enum TOperation { opInsert, opRemove };

class TComponent : public TPersistent {
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;

    TComponent* Owner() const { return owner_; }
    const std::string& Name() const { return name_; }
    virtual void SetName(const std::string& name) { name_ = name; }
    intptr_t Tag() const { return tag_; }
    void SetTag(intptr_t tag) { tag_ = tag; }

    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Components(int index) const;
    int ComponentIndex() const;
    // The owned component with that name (case-insensitive), or null.
    TComponent* FindComponent(const std::string& name) const;
    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);
    // Destroys the owned components, the newest first.
    void DestroyComponents();

    TComponentState ComponentState() const { return state_; }
    bool IsLoading() const { return state_.Contains(csLoading); }
    bool IsDestroying() const { return state_.Contains(csDestroying); }

    // Applying a description: csLoading on this component and its owned ones (and on
    // components created meanwhile); EndLoading clears it and calls Loaded() on every
    // owned component in creation order, then on this one.
    void BeginLoading();
    void EndLoading();

    // Asks to be told (Notification opRemove) when `component` is destroyed, and tells it
    // the same way when this one goes first.
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);

    void BeforeDestruction() override;

protected:
    // After the description was applied.
    virtual void Loaded() {}
    // Marks this component and its owned ones as being destroyed.
    virtual void Destroying();
    // A component was inserted into / removed from this owner, or a component this one
    // asked about (FreeNotification) is being destroyed.
    virtual void Notification(TComponent* component, TOperation operation);
    void SetComponentStateFlag(TComponentStateValue flag, bool on) { state_.Set(flag, on); }

private:
    void EndNestedLoading();
    void DropFreeNotifications();

    TComponent* owner_ = nullptr;
    std::vector<TComponent*> components_;
    std::vector<TComponent*> freeNotifies_;
    std::string name_;
    intptr_t tag_ = 0;
    TComponentState state_;
};

// Case-insensitive ASCII comparison of component names.
bool SameName(const std::string& a, const std::string& b);

}  // namespace vcl

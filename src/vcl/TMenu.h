#pragma once
// A menu: the tree of items under one invisible root item, and an image list for the
// items' pictures.

#include "vcl/TComponent.h"
#include "vcl/TMenuItem.h"

namespace vcl {

class TImageList;

class TMenu : public TComponent {
public:
    explicit TMenu(TComponent* owner);
    ~TMenu() override;

    TMenuItem* Items() const { return items_; }
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* images);

    // Clicks the enabled item with this short cut; true when there was one.
    bool IsShortCut(TShortCut shortCut);
    TMenuItem* FindItemByShortCut(TShortCut shortCut) { return items_->FindByShortCut(shortCut); }

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    TMenuItem* items_;
    TImageList* images_ = nullptr;
};

}  // namespace vcl

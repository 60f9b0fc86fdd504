#include "vcl/TMenu.h"

#include "vcl/TImageList.h"

namespace vcl {

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(new TMenuItem(nullptr)) {
    items_->menu_ = this;
}

TMenu::~TMenu() { Free(items_); }

void TMenu::SetImages(TImageList* images) {
    if (images_) RemoveFreeNotification(images_);
    images_ = images;
    if (images) FreeNotification(images);
}

bool TMenu::IsShortCut(TShortCut shortCut) {
    TMenuItem* item = FindItemByShortCut(shortCut);
    if (!item) return false;
    item->Click();
    return true;
}

void TMenu::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == images_) images_ = nullptr;
}

}  // namespace vcl

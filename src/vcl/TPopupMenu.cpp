#include "vcl/TPopupMenu.h"

namespace vcl {

std::function<void(TPopupMenu*, int, int)> TPopupMenu::Presenter;

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) {}
TPopupMenu::~TPopupMenu() = default;

void TPopupMenu::SetPopupComponent(TComponent* component) {
    if (popupComponent_) RemoveFreeNotification(popupComponent_);
    popupComponent_ = component;
    if (component) FreeNotification(component);
}

void TPopupMenu::Popup(int x, int y) {
    popupPoint_ = {x, y};
    if (OnPopup) OnPopup(this);
    ShowMenu(x, y);
}

void TPopupMenu::ShowMenu(int x, int y) {
    if (Presenter) Presenter(this, x, y);
}

void TPopupMenu::Notification(TComponent* component, TOperation operation) {
    TMenu::Notification(component, operation);
    if (operation == opRemove && component == popupComponent_) popupComponent_ = nullptr;
}

}  // namespace vcl

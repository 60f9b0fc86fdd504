#include "skin/menus/TbsSkinPopupMenu.h"

#include "skin/menus/SkinMenuHost.h"
#include "skin/menus/TbsSkinMenu.h"
#include "vcl/TForm.h"

namespace skin {

TbsSkinPopupMenu::TbsSkinPopupMenu(vcl::TComponent* owner) : vcl::TPopupMenu(owner) {}
TbsSkinPopupMenu::~TbsSkinPopupMenu() = default;

void TbsSkinPopupMenu::SetComponentForm(vcl::TForm* form) {
    if (componentForm_) RemoveFreeNotification(componentForm_);
    componentForm_ = form;
    if (form) FreeNotification(form);
}

vcl::TForm* TbsSkinPopupMenu::HostForm() const {
    if (componentForm_) return componentForm_;
    if (auto* form = dynamic_cast<vcl::TForm*>(Owner())) return form;
    if (Owner()) return dynamic_cast<vcl::TForm*>(Owner()->Owner());
    return nullptr;
}

void TbsSkinPopupMenu::ShowMenu(int x, int y) {
    SkinMenuHost* host = FindSkinMenuHost(HostForm());
    if (!host || !host->SkinMenuEngine()) return;
    TbsSkinData* skin = skinData_ ? skinData_ : host->MenuSkinData();
    host->SkinMenuOpening();
    host->SkinMenuEngine()->ShowMenu(nullptr, skin, false, Items(), {x, y, x, y}, 0);
}

void TbsSkinPopupMenu::Notification(vcl::TComponent* component, vcl::TOperation operation) {
    vcl::TPopupMenu::Notification(component, operation);
    if (operation == vcl::opRemove && component == componentForm_) componentForm_ = nullptr;
}

}  // namespace skin

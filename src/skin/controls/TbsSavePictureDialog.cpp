#include "skin/controls/TbsSavePictureDialog.h"

#include "skin/controls/TbsSavePictureForm.h"

namespace skin {

TbsSavePictureDialog::TbsSavePictureDialog(vcl::TComponent* owner) : vcl::TComponent(owner) {}

bool TbsSavePictureDialog::Execute() {
    auto* form = vcl::New<TbsSavePictureForm>(nullptr, skinData_);
    form->SetCaption(title_);
    if (!initialDir_.empty()) form->SetFolder(initialDir_);
    if (OnShowForm) OnShowForm(*form);
    bool chosen = false;
    try {
        chosen = form->ShowModal() == vcl::mrOk && !form->ChosenPath().empty();
    } catch (...) {
        vcl::TObject::Free(form);
        throw;
    }
    if (chosen) fileName_ = form->ChosenPath();
    vcl::TObject::Free(form);
    return chosen;
}

}  // namespace skin

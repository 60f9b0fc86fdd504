#include "skin/controls/TbsSkinColorDialog.h"

#include "skin/controls/TbsColorDialogForm.h"

namespace skin {

bool TbsSkinColorDialog::Execute() {
    auto* form = vcl::New<TbsColorDialogForm>(nullptr, skinData_);
    form->SetCaption(title_);
    form->SetSelectedColor(color_);
    bool confirmed = false;
    try {
        if (OnShowForm) OnShowForm(*form);
        confirmed = form->ShowModal() == vcl::mrOk;
    } catch (...) {
        vcl::TObject::Free(form);
        throw;
    }
    if (confirmed) color_ = form->SelectedColor();
    vcl::TObject::Free(form);
    return confirmed;
}

}  // namespace skin

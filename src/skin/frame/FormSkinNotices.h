#pragma once
// Delivers a skin's change notices (WM_SKIN_CHANGING, WM_SKIN_CHANGED, WM_SKIN_REFIT) to
// the application's forms as window messages: the owner form first, then every other
// form in the order the forms were created. A form's window is created when it has none.

#include "skin/SkinNotices.h"

namespace vcl {
class TForm;
}

namespace skin {

class FormSkinNotices : public SkinNoticeSink {
public:
    // `owner`: the form that owns the skin data, or null when its owner is not a form.
    explicit FormSkinNotices(vcl::TForm* owner) : owner_(owner) {}

    SkinFormId OwnerForm() const override { return owner_; }
    std::vector<SkinFormId> Forms() const override;
    // Ignores a form that no longer exists.
    void Send(SkinFormId form, unsigned message, TbsSkinData* skin, intptr_t lParam) override;

private:
    vcl::TForm* owner_;
};

}  // namespace skin

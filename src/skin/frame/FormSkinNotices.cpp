#include "skin/frame/FormSkinNotices.h"

#include "vcl/TForm.h"
#include "vcl/TScreen.h"
#include "wm/MessageLoop.h"

namespace skin {

namespace {

// The live form with that address, or null: a form id may outlive its form.
vcl::TForm* LiveForm(SkinFormId id) {
    for (int i = 0; i < vcl::Screen->FormCount(); ++i)
        if (vcl::Screen->Forms(i) == id) return vcl::Screen->Forms(i);
    return nullptr;
}

}  // namespace

std::vector<SkinFormId> FormSkinNotices::Forms() const {
    std::vector<SkinFormId> forms;
    for (int i = 0; i < vcl::Screen->FormCount(); ++i) forms.push_back(vcl::Screen->Forms(i));
    return forms;
}

void FormSkinNotices::Send(SkinFormId id, unsigned message, TbsSkinData* skin, intptr_t lParam) {
    vcl::TForm* form = LiveForm(id);
    if (!form || form->IsDestroying()) return;
    wm::SendMessage(form->Handle(), message, reinterpret_cast<wm::WPARAM>(skin),
                    static_cast<wm::LPARAM>(lParam));
}

}  // namespace skin

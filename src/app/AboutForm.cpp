#include "app/AboutForm.h"

namespace app {

TForm2* Form2 = nullptr;

TForm2::TForm2(vcl::TComponent* owner) : vcl::TForm(owner) {
    BeginLoading();
    SetName("Form2");
    Form2 = this;
}

}  // namespace app

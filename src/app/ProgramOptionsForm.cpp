#include "app/ProgramOptionsForm.h"

namespace app {

TForm4* Form4 = nullptr;

TForm4::TForm4(vcl::TComponent* owner) : vcl::TForm(owner) {
    BeginLoading();
    SetName("Form4");
    Form4 = this;
}

}  // namespace app

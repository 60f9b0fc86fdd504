#include "app/ChartOptionsForm.h"

namespace app {

TForm3* Form3 = nullptr;

TForm3::TForm3(vcl::TComponent* owner) : vcl::TForm(owner) {
    BeginLoading();
    SetName("Form3");
    Form3 = this;
}

}  // namespace app

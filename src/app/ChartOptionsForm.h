#pragma once
// Form3: the chart options dialog (filled in with its issue).

#include "vcl/TForm.h"

namespace app {

class TForm3 : public vcl::TForm {
public:
    explicit TForm3(vcl::TComponent* owner);
};

extern TForm3* Form3;

}  // namespace app

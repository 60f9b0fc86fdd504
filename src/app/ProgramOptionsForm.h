#pragma once
// Form4: the program options window, which is never shown.

#include "vcl/TForm.h"

namespace app {

class TForm4 : public vcl::TForm {
public:
    explicit TForm4(vcl::TComponent* owner);
};

extern TForm4* Form4;

}  // namespace app

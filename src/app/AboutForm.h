#pragma once
// Form2: the about box (filled in with its issue).

#include "vcl/TForm.h"

namespace app {

class TForm2 : public vcl::TForm {
public:
    explicit TForm2(vcl::TComponent* owner);
};

extern TForm2* Form2;

}  // namespace app

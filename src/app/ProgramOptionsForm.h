#pragma once
// Form4, "Programm-Optionen": an empty borderless window, created hidden at start-up and
// never shown; its system menu has "Schliessen".

#include "skin/frame/TbsBusinessSkinForm.h"
#include "skin/menus/TbsSkinPopupMenu.h"
#include "vcl/TForm.h"

namespace app {

class TForm4 : public vcl::TForm {
public:
    explicit TForm4(vcl::TComponent* owner);
    ~TForm4() override;

    static constexpr int kClientWidth = 370;
    static constexpr int kClientHeight = 227;

    skin::TbsSkinPopupMenu* bsSkinPopupMenu1;
    skin::TbsBusinessSkinForm* bsBusinessSkinForm1;
    vcl::TMenuItem* Schliessen1;

    void Schliessen1Click(vcl::TObject* sender);
};

extern TForm4* Form4;

}  // namespace app

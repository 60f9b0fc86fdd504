#include "app/ProgramOptionsForm.h"
#include "app/SkinnedFrame.h"

#include "app/MainForm.h"

namespace app {

TForm4* Form4 = nullptr;

TForm4::TForm4(vcl::TComponent* owner) : vcl::TForm(owner) {
    BeginLoading();
    SetName("Form4");
    SetCaption("Programm-Optionen");
    SetBorderStyle(vcl::bsNone);
    SetPosition(vcl::poDesktopCenter);
    SetClientSize(kClientWidth, kClientHeight);
    Font()->SetName("Verdana");
    Font()->SetHeight(-11);

    bsSkinPopupMenu1 = new skin::TbsSkinPopupMenu(this);
    bsSkinPopupMenu1->SetName("bsSkinPopupMenu1");
    bsSkinPopupMenu1->SetSkinData(Form1 ? &Form1->bsSkinData1 : nullptr);
    Schliessen1 = new vcl::TMenuItem(this);
    Schliessen1->SetName("Schliessen1");
    Schliessen1->SetCaption("Schliessen");
    Schliessen1->OnClick = [this](vcl::TObject* s) { Schliessen1Click(s); };
    bsSkinPopupMenu1->Items()->Add(Schliessen1);
    bsBusinessSkinForm1 = AttachSkinnedFrame(this, (Form1 ? &Form1->bsSkinData1 : nullptr), {skin::biSystemMenu}, bsSkinPopupMenu1);
    bsBusinessSkinForm1->SetShowIcon(true);  // no border: no frame is drawn
    Form4 = this;
}

TForm4::~TForm4() {
    if (Form4 == this) Form4 = nullptr;
}

void TForm4::Schliessen1Click(vcl::TObject*) { Close(); }

}  // namespace app

#include "app/AboutForm.h"
#include "app/SkinnedFrame.h"

#include "app/AppIcon.h"
#include "app/MainForm.h"
#include "os/ShellOpen.h"

namespace app {

TForm2* Form2 = nullptr;

namespace {

skin::TbsSkinData* MainSkin() { return Form1 ? &Form1->bsSkinData1 : nullptr; }

// The longest text a link hands to the desktop.
constexpr size_t kMaxLinkLength = 255;

}  // namespace

TForm2::TForm2(vcl::TComponent* owner) : vcl::TForm(owner), OpenDocument(os::ShellOpen) {
    BeginLoading();
    SetName("Form2");
    SetCaption("Über...");
    SetBorderStyle(vcl::bsSizeable);
    SetBorderIcons({});
    SetPosition(vcl::poDesktopCenter);
    SetClientSize(kClientWidth, kClientHeight);
    Font()->SetName("Verdana");
    Font()->SetHeight(-11);

    bsSkinGroupBox1 = new skin::TbsSkinGroupBox(this);
    bsSkinGroupBox1->SetName("bsSkinGroupBox1");
    bsSkinGroupBox1->SetSkinData(MainSkin());
    bsSkinGroupBox1->SetBounds(8, 8, 257, 153);
    bsSkinGroupBox1->SetCaption("Über:");
    bsSkinGroupBox1->DefaultFont()->SetName("Verdana");
    bsSkinGroupBox1->DefaultFont()->SetHeight(-11);
    bsSkinGroupBox1->DefaultFont()->SetStyle({vcl::fsBold});
    bsSkinGroupBox1->SetParent(this);

    Label1 = MakeLabel(8, 32, "Velmora V1.1");
    Label1->Font()->SetStyle({vcl::fsBold});
    Label2 = MakeLabel(8, 48, kCreditsLine);
    Label3 = MakeLabel(8, 72, "Kontakt:");
    Label4 = MakeLabel(8, 88, kContactAddress);
    Label5 = MakeLabel(8, 112, "Internet:");
    Label6 = MakeLabel(8, 128, kWebAddress);
    for (vcl::TLabel* link : {Label4, Label6}) {
        link->Font()->SetColor(clBlue);
        link->SetCursor(vcl::crHandPoint);
    }
    Label4->OnClick = [this](vcl::TObject* s) { Label4Click(s); };
    Label6->OnClick = [this](vcl::TObject* s) { Label6Click(s); };

    Image1 = new vcl::TImage(this);
    Image1->SetName("Image1");
    Image1->SetParent(bsSkinGroupBox1);
    Image1->SetBounds(200, 32, 48, 49);
    Image1->Picture()->Pixels() = AppIconOver(48, kAboutIconBackground);

    bsSkinButton1 = new skin::TbsSkinButton(this);
    bsSkinButton1->SetName("bsSkinButton1");
    bsSkinButton1->SetSkinData(MainSkin());
    bsSkinButton1->SetBounds(88, 168, 97, 25);
    bsSkinButton1->SetCaption("Schliessen");
    bsSkinButton1->DefaultFont()->SetName("Verdana");
    bsSkinButton1->DefaultFont()->SetHeight(-11);
    bsSkinButton1->SetParent(this);
    bsSkinButton1->SetTabStop(true);
    bsSkinButton1->OnClick = [this](vcl::TObject* s) { bsSkinButton1Click(s); };

    bsSkinPopupMenu1 = new skin::TbsSkinPopupMenu(this);
    bsSkinPopupMenu1->SetName("bsSkinPopupMenu1");
    bsSkinPopupMenu1->SetSkinData(MainSkin());
    Schliessen1 = new vcl::TMenuItem(this);
    Schliessen1->SetName("Schliessen1");
    Schliessen1->SetCaption("Schliessen");
    Schliessen1->OnClick = [this](vcl::TObject* s) { Schliessen1Click(s); };
    bsSkinPopupMenu1->Items()->Add(Schliessen1);
    bsBusinessSkinForm1 = AttachSkinnedFrame(this, MainSkin(), {skin::biSystemMenu}, bsSkinPopupMenu1);
    SetClientSizeInFrame(this, *bsBusinessSkinForm1, kClientWidth, kClientHeight);
    Form2 = this;
}

vcl::TLabel* TForm2::MakeLabel(int x, int y, const std::string& caption) {
    auto* label = new vcl::TLabel(this);
    label->SetParent(bsSkinGroupBox1);
    label->SetLeft(x);
    label->SetTop(y);
    label->SetCaption(caption);
    label->SetTransparent(true);
    return label;
}

TForm2::~TForm2() {
    if (Form2 == this) Form2 = nullptr;
}

void TForm2::Label4Click(vcl::TObject*) {
    if (OpenDocument) OpenDocument(kContactMailLink);
}

void TForm2::Label6Click(vcl::TObject*) {
    std::string address = Label6->Caption();
    if (address.size() > kMaxLinkLength) address.resize(kMaxLinkLength);
    if (OpenDocument) OpenDocument(address);
}

void TForm2::bsSkinButton1Click(vcl::TObject*) { Close(); }

void TForm2::Schliessen1Click(vcl::TObject*) { Close(); }

}  // namespace app

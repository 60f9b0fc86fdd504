// The main window's description: its components and settings in the order the window
// is built, and the skin every window draws with.

#include <cstdio>

#include "app/MainForm.h"
#include "app/SkinnedFrame.h"
#include "skin/EmbeddedSkin.h"

namespace app {

TForm1* Form1 = nullptr;

TForm1::TForm1(TComponent* owner) : TForm(owner), clock_(os::QueryLocaleFormats()) {
    BeginLoading();
    SetName("Form1");
    LoadSkin();
    SetCaption("Velmora");
    SetClientSize(kClientWidth, kClientHeight);
    SetLeft(192);  // replaced by the centred place when the window is first shown
    SetTop(106);
    SetPosition(poDesktopCenter);
    SetBorderIcons({});
    Font()->SetName("Verdana");
    Font()->SetHeight(-11);

    // Menus first: the chart and the frame refer to them.
    BuildMenuPictures();
    BuildMainMenu();
    BuildMenuBar();
    BuildSystemMenu();
    BuildChartPopupMenu();
    SavePictureDialog1 = new skin::TbsSavePictureDialog(this);
    SavePictureDialog1->SetName("SavePictureDialog1");
    SavePictureDialog1->SetSkinData(&bsSkinData1);

    BuildLeftPanel();
    BuildChartPanel();
    BuildStatusBar();

    Timer1 = new TTimer(this);
    Timer1->SetName("Timer1");
    Timer1->SetInterval(1000);
    Timer1->SetEnabled(true);
    Timer1->SetOnTimer([this](TObject* sender) { Timer1Timer(sender); });
    DiskInfo1.SetDrive("C");

    BuildHotKeys();
    BindStatusHints();
    OnCreate = [this](TObject* sender) { FormCreate(sender); };
    OnDestroy = [this](TObject* sender) { FormDestroy(sender); };
    OnEndSession = [this](TObject* sender, bool ending) { FormEndSession(sender, ending); };

    bsBusinessSkinForm1 = AttachSkinnedFrame(this, &bsSkinData1, {skin::biSystemMenu, skin::biMinimize, skin::biRollUp},
                                             bsSkinPopupMenu1);
    bsBusinessSkinForm1->SetMainMenuBar(bsSkinMainMenuBar1);
    bsSkinMainMenuBar1->SetBusinessSkinForm(bsBusinessSkinForm1);
    // The skinned frame is thinner than the window's own: keep the designed client area.
    SetClientSizeInFrame(this, *bsBusinessSkinForm1, kClientWidth, kClientHeight);
    Form1 = this;
}

void TForm1::BuildMenuBar() {
    bsSkinMainMenuBar1 = new skin::TbsSkinMainMenuBar(this);
    bsSkinMainMenuBar1->SetName("bsSkinMainMenuBar1");
    bsSkinMainMenuBar1->SetParent(this);
    bsSkinMainMenuBar1->SetUseSkinFont(false);
    bsSkinMainMenuBar1->DefItemFont()->SetName("Verdana");
    bsSkinMainMenuBar1->DefItemFont()->SetHeight(-11);
    bsSkinMainMenuBar1->SetMainMenu(bsSkinMainMenu1);
    bsSkinMainMenuBar1->SetSkinData(&bsSkinData1);
}

TForm1::~TForm1() {
    DestroyComponents();
    if (Form1 == this) Form1 = nullptr;
}

void TForm1::LoadSkin() {
    // A skin that cannot be read leaves every control with its look without skin; the
    // reason is told once.
    skin::LoadEmbeddedChromeSkin(bsSkinData1, Chrome, [](const std::string& error) {
        std::fprintf(stderr, "velmora: Skin nicht geladen: %s\n", error.c_str());
    });
    // The start-up load runs while the window is still being described, before any control
    // exists that a notice could concern; from now on every change is announced.
    bsSkinData1.SetNoticeSink(&skinNotices_);
}

}  // namespace app

// A small program the frame's end-to-end tests drive: one form with the Chrome skin and
// a skinned frame (system menu, minimize and roll-up buttons), reporting on standard
// output, one line per event.
//
//   skin_frame_demo [noskin]   "ready <x> <y> <w> <h>" once shown and painted;
//                              "bounds <x> <y> <w> <h>" after moves and sizes;
//                              "rolled 1|0", "menu open", "menu closed", "active 1|0"
//   skin_frame_demo second     a second, inactive window in front ("ready2") as well

#include <cstdio>
#include <memory>
#include <string>

#include "skin/EmbeddedSkin.h"
#include "skin/TbsSkinData.h"
#include "skin/frame/TbsBusinessSkinForm.h"
#include "skin/menus/TbsSkinPopupMenu.h"
#include "vcl/TApplication.h"
#include "vcl/TForm.h"
#include "wm/Input.h"
#include "wm/MessageLoop.h"
#include "wm/Paint.h"
#include "wm/WindowSystem.h"
#include "wm/Windows.h"
#include "wm/x11/X11Display.h"

namespace {

using namespace vcl;

void Say(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

std::string Rect(const TRect& r) {
    return std::to_string(r.Left) + " " + std::to_string(r.Top) + " " + std::to_string(r.Width()) +
           " " + std::to_string(r.Height());
}

class DemoForm : public TForm {
public:
    explicit DemoForm(TComponent* owner) : TForm(owner) {
        BeginLoading();
        SetBorderStyle(bsSizeable);
        SetBounds(60, 60, 400, 260);
        SetCaption("Velmora Rahmen");
    }
    bool reportBounds = false;

protected:
    void WndProc(TMessage& m) override {
        TForm::WndProc(m);
        if (reportBounds && (m.Msg == wm::WM_SIZE || m.Msg == wm::WM_EXITSIZEMOVE))
            Say("bounds " + Rect(BoundsRect()));
    }
};

int Run(const std::string& mode) {
    // The skin outlives the forms that draw with it.
    skin::TbsSkinData data;
    skin::TbsCompressedStoredSkin stored;
    auto application = std::make_unique<TApplication>();
    application->SetTitle("Velmora");
    if (mode != "noskin" && !skin::LoadEmbeddedChromeSkin(data, stored, [](const std::string&) {})) {
        Say("no skin");
        return 1;
    }
    auto* form = application->CreateForm<DemoForm>();
    form->SetName("Form1");
    auto* frame = new skin::TbsBusinessSkinForm(form);
    frame->SetBorderIcons({skin::biSystemMenu, skin::biMinimize, skin::biRollUp});
    frame->SetSkinData(&data);
    auto* systemMenu = new skin::TbsSkinPopupMenu(form);
    auto* quit = new TMenuItem(form);
    quit->SetCaption("Beenden");
    quit->OnClick = [form](TObject*) { form->Close(); };
    systemMenu->Items()->Add(quit);
    frame->SetSystemMenu(systemMenu);
    frame->SetUseDefaultSysMenu(true);
    frame->OnChangeRollUpState = [frame](TObject*) { Say(std::string("rolled ") + (frame->RolledUp() ? "1" : "0")); };
    frame->OnSkinMenuOpen = [](TObject*) { Say("menu open"); };
    frame->OnSkinMenuClose = [](TObject*) { Say("menu closed"); };
    frame->OnActivate = [](TObject*) { Say("active 1"); };
    frame->OnDeActivate = [](TObject*) { Say("active 0"); };
    form->Show();
    wm::SetActiveWindow(form->Handle());
    wm::UpdateWindow(form->Handle());
    wm::ProcessPendingMessages();
    form->reportBounds = true;
    Say("ready " + Rect(form->BoundsRect()));
    if (mode == "second") {
        auto* second = application->CreateForm<DemoForm>();
        second->SetBounds(520, 360, 200, 120);
        second->SetCaption("Zweites Fenster");
        auto* secondFrame = new skin::TbsBusinessSkinForm(second);
        secondFrame->SetBorderIcons({skin::biSystemMenu});
        secondFrame->SetSkinData(&data);
        second->Show();
        wm::SetActiveWindow(second->Handle());
        wm::ProcessPendingMessages();
        Say("ready2");
    }
    application->Run();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    auto display = wm::x11::X11Display::Open();
    if (!display) return 1;
    int code;
    {
        wm::WindowSystem system(*display);
        code = Run(argc > 1 ? argv[1] : "");
    }
    return code;
}

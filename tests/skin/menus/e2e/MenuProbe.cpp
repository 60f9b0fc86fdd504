// A small program for the end-to-end tests of skinned popup menus on a real X server.
// It shows a form with the chart's context menu open at (100, 100) with the Chrome skin
// and reports on standard output, one line each:
//   "levels N X Y XID..."  whenever the number of open levels changes: X Y is the screen
//                          centre of the last item of level 0 ("Diagramm-Optionen"),
//                          XID... the X windows of the open levels
//   "closed mapped=M"      when every level has closed; M = menu windows the X server
//                          still shows
//   "clicked mapped=M"     when "Diagramm-Optionen" runs; M as above, asked inside OnClick

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "skin/EmbeddedSkin.h"
#include "skin/TbsSkinData.h"
#include "skin/menus/SkinMenuHost.h"
#include "skin/menus/TbsSkinMenu.h"
#include "skin/menus/TbsSkinPopupMenu.h"
#include "skin/menus/TbsSkinPopupWindow.h"
#include "vcl/TApplication.h"
#include "vcl/TForm.h"
#include "vcl/TTimer.h"
#include "wm/MessageLoop.h"
#include "wm/Window.h"
#include "wm/WindowSystem.h"
// Xlib last: its macros would clash with the names of the headers above.
#include "wm/x11/X11Display.h"

namespace {

using namespace vcl;

wm::x11::X11Display* theDisplay = nullptr;

void Say(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

// What the skinned frame is to a popup menu: the owner of the menu controller.
class TProbeHost : public TComponent, public skin::SkinMenuHost {
public:
    explicit TProbeHost(TComponent* owner) : TComponent(owner), engine(new skin::TbsSkinMenu(this)) {}
    skin::TbsSkinMenu* SkinMenuEngine() override { return engine; }
    skin::TbsSkinData* MenuSkinData() override { return skin; }
    void SkinMenuOpening() override {}
    skin::TbsSkinMenu* engine;
    skin::TbsSkinData* skin = nullptr;
};

::Window XidOf(skin::TbsSkinPopupWindow* level) {
    wm::Window* w = wm::WindowSystem::Current()->Find(level->Handle());
    return w ? theDisplay->NativeWindow(w->surface) : 0;
}

// How many of the windows the menu has used are viewable on the X server right now.
int MappedOnServer(const std::vector<::Window>& windows) {
    ::Display* dpy = theDisplay->Connection();
    XSync(dpy, False);
    int mapped = 0;
    for (::Window xid : windows) {
        XWindowAttributes attributes{};
        if (XGetWindowAttributes(dpy, xid, &attributes) && attributes.map_state == IsViewable) ++mapped;
    }
    return mapped;
}

TMenuItem* AddItem(TComponent* owner, TMenuItem* parent, const std::string& caption) {
    auto* item = new TMenuItem(owner);
    item->SetCaption(caption);
    parent->Add(item);
    return item;
}

int Run() {
    auto application = std::make_unique<TApplication>();
    application->SetTitle("MenuProbe");
    skin::TbsSkinData skinData;
    skin::TbsCompressedStoredSkin chrome;
    if (!skin::LoadEmbeddedChromeSkin(skinData, chrome, [](const std::string& e) { Say("skin " + e); }))
        return 3;
    auto* form = application->CreateForm<TForm>();
    form->SetCaption("MenuProbe");
    form->SetBounds(40, 40, 400, 300);
    auto* host = new TProbeHost(form);
    host->skin = &skinData;
    std::vector<::Window> used;

    auto* menu = new skin::TbsSkinPopupMenu(form);
    TMenuItem* root = menu->Items();
    TMenuItem* type = AddItem(form, root, "Diagramm-Typ");
    AddItem(form, type, "Torte")->SetChecked(true);
    AddItem(form, type, "Ring");
    TMenuItem* design = AddItem(form, root, "Diagramm Design");
    AddItem(form, design, "2D");
    AddItem(form, design, "3D");
    TMenuItem* resolution = AddItem(form, root, "Aufl\xC3\xB6sung");
    AddItem(form, resolution, "Hoch");
    AddItem(form, root, "-");
    TMenuItem* legend = AddItem(form, root, "Legende");
    AddItem(form, legend, "Anzeigen");
    TMenuItem* align = AddItem(form, root, "Ausrichting Legende");
    AddItem(form, align, "Links");
    AddItem(form, root, "-");
    TMenuItem* options = AddItem(form, root, "Diagramm-Optionen");
    options->OnClick = [&](TObject*) {
        Say("clicked mapped=" + std::to_string(MappedOnServer(used)));
        wm::PostQuitMessage(0);
    };

    auto previous = form->WindowProc;
    form->WindowProc = [&, previous](TMessage& m) {
        if (m.Msg == wm::WM_SKIN_MENU_CLOSED) Say("closed mapped=" + std::to_string(MappedOnServer(used)));
        previous(m);
    };
    host->engine->SetFrameWindow(form->Handle());
    form->Show();

    // Reports each change of the open levels once the X server shows them.
    int reported = 0;
    auto* watch = new TTimer(form);
    watch->SetInterval(20);
    watch->SetOnTimer([&](TObject*) {
        skin::TbsSkinMenu& engine = *host->engine;
        const int count = engine.LevelCount();
        if (count == reported || count == 0) return;
        std::vector<::Window> now;
        for (int i = 0; i < count; ++i) now.push_back(XidOf(engine.Levels(i)));
        if (MappedOnServer(now) != count) return;
        reported = count;
        for (::Window xid : now) used.push_back(xid);
        const TRect last = engine.Levels(0)->ItemScreenRect(engine.Levels(0)->ItemCount() - 1);
        std::string line = "levels " + std::to_string(count) + " " +
                           std::to_string((last.Left + last.Right) / 2) + " " +
                           std::to_string((last.Top + last.Bottom) / 2);
        for (::Window xid : now) line += " " + std::to_string(xid);
        Say(line);
    });
    menu->Popup(100, 100);
    application->Run();
    return 0;
}

}  // namespace

int main() {
    auto display = wm::x11::X11Display::Open();
    if (!display) return 1;
    theDisplay = display.get();
    int code;
    {
        wm::WindowSystem system(*display);
        code = Run();
    }
    return code;
}

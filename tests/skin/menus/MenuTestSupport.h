#pragma once
// What the menu tests share: a headless session with an application, a form carrying a
// small menu host (what the skinned frame is to a popup menu), the Chrome skin, and the
// chart's context menu.

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "gfx/Canvas.h"
#include "gfx/PngCodec.h"
#include "skin/EmbeddedSkin.h"
#include "skin/TbsSkinData.h"
#include "skin/menus/SkinMenuHost.h"
#include "skin/menus/TbsSkinMenu.h"
#include "skin/menus/TbsSkinPopupMenu.h"
#include "skin/menus/TbsSkinPopupWindow.h"
#include "vcl/TApplication.h"
#include "vcl/TForm.h"
#include "wm/MessageLoop.h"
#include "wm/Windows.h"
#include "wm/headless/HeadlessSession.h"

namespace menutest {

using namespace vcl;

// Plays the frame's part: owns the controller and records the menu notices.
class TMenuHost : public TComponent, public skin::SkinMenuHost {
public:
    explicit TMenuHost(TComponent* owner) : TComponent(owner), engine(new skin::TbsSkinMenu(this)) {}
    skin::TbsSkinMenu* SkinMenuEngine() override { return engine; }
    skin::TbsSkinData* MenuSkinData() override { return skin; }
    void SkinMenuOpening() override { ++openings; }
    skin::TbsSkinMenu* engine;
    skin::TbsSkinData* skin = nullptr;
    int openings = 0;
};

class MenuTest : public ::testing::Test {
protected:
    wm::headless::HeadlessSession h{800, 600};
    std::unique_ptr<TApplication> app = std::make_unique<TApplication>();
    skin::TbsSkinData chromeData;
    skin::TbsCompressedStoredSkin chrome;
    TForm* form = nullptr;
    TMenuHost* host = nullptr;
    int menuClosedNotices = 0;

    void SetUp() override {
        ASSERT_TRUE(skin::LoadEmbeddedChromeSkin(chromeData, chrome, [](const std::string&) {}));
        form = app->CreateForm<TForm>();
        form->SetBorderStyle(bsNone);
        form->SetBoundsRect({50, 50, 350, 250});
        form->Show();
        host = new TMenuHost(form);
        host->skin = &chromeData;
        host->engine->SetFrameWindow(form->Handle());
        auto previous = form->WindowProc;
        form->WindowProc = [this, previous](TMessage& m) {
            if (m.Msg == wm::WM_SKIN_MENU_CLOSED) ++menuClosedNotices;
            previous(m);
        };
        h.ProcessPending();
    }

    skin::TbsSkinMenu& Engine() { return *host->engine; }
    skin::TbsSkinPopupWindow* Level(int i) { return Engine().Levels(i); }

    TMenuItem* AddItem(TMenuItem* parent, const std::string& caption, const std::string& name = {}) {
        auto* item = new TMenuItem(form);
        item->SetCaption(caption);
        if (!name.empty()) item->SetName(name);
        parent->Add(item);
        return item;
    }

    // The chart's context menu: six items and two dividers; all but the last open a
    // sub-menu.
    skin::TbsSkinPopupMenu* ChartMenu() {
        auto* menu = new skin::TbsSkinPopupMenu(form);
        TMenuItem* root = menu->Items();
        TMenuItem* type = AddItem(root, "Diagramm-Typ");
        torte = AddItem(type, "Torte");
        AddItem(type, "Ring");
        TMenuItem* design = AddItem(root, "Diagramm Design");
        AddItem(design, "2D");
        AddItem(design, "3D");
        TMenuItem* res = AddItem(root, "Aufl\xC3\xB6sung");
        AddItem(res, "Hoch");
        AddItem(res, "Mittel");
        AddItem(res, "Niedrig");
        AddItem(root, "-");
        TMenuItem* legend = AddItem(root, "Legende");
        AddItem(legend, "Anzeigen");
        TMenuItem* align = AddItem(root, "Ausrichting Legende");
        AddItem(align, "Links");
        AddItem(align, "Rechts");
        AddItem(root, "-");
        options = AddItem(root, "Diagramm-Optionen");
        return menu;
    }
    TMenuItem* torte = nullptr;
    TMenuItem* options = nullptr;

    // Whether any menu level window is shown on the display.
    bool AnyMenuWindowShown() {
        for (HWND w : wm::GetChildWindows(0))
            if (wm::GetClassName(w) == "TbsSkinPopupWindow" && wm::IsWindowVisible(w)) return true;
        return false;
    }

    // The screen centre of a level's item.
    TPoint ItemCentre(int level, int index) {
        TRect r = Level(level)->ItemScreenRect(index);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
};

// Saves the part `area` of the screen as a PNG in the screenshots folder.
inline void SaveScreenshot(const gfx::Bitmap& screen, const TRect& area, const std::string& name) {
    gfx::Bitmap part(area.Width(), area.Height());
    gfx::Canvas canvas(part);
    canvas.CopyRect(part.Bounds(), screen, area);
    std::vector<uint8_t> png = gfx::EncodePng(part);
    std::ofstream out(std::string(VELMORA_SCREENSHOTS) + "/" + name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
}

}  // namespace menutest

#pragma once
// What the menu bar tests share: a headless session with a form, the Chrome skin, the
// main window's menu, a bar at the top of the form, and a small stand-in for the skinned
// frame that owns a real menu engine (so drop-downs really open) and routes the menu
// notices and keys as the frame does.

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>

#include "base/ShortCut.h"
#include "gfx/PngCodec.h"
#include "skin/EmbeddedSkin.h"
#include "skin/TbsSkinData.h"
#include "skin/frame/TbsSkinMainMenu.h"
#include "skin/frame/TbsSkinMainMenuBar.h"
#include "skin/menus/AccelText.h"
#include "skin/menus/TbsSkinMenu.h"
#include "skin/menus/TbsSkinPopupWindow.h"
#include "vcl/TApplication.h"
#include "vcl/TForm.h"
#include "wm/MessageLoop.h"
#include "wm/Windows.h"
#include "wm/headless/HeadlessSession.h"

namespace menubartest {

using namespace vcl;

class TFakeFrame : public TComponent, public skin::MenuBarFrame {
public:
    explicit TFakeFrame(TComponent* owner) : TComponent(owner), engine(new skin::TbsSkinMenu(this)) {}

    skin::TbsSkinMenu* MenuEngine() override { return engine; }
    bool InMenuMode() const override { return menuMode; }
    void BeginMenuMode() override {
        if (!menuMode) ++mainMenuEnters;
        menuMode = true;
    }
    void EndMenuMode() override {
        if (ending) return;
        ending = true;
        if (engine->MenuOpen()) engine->CloseAll();
        const bool was = menuMode;
        menuMode = false;
        barMenuOpen = false;
        if (bar) bar->LeaveMenuMode();
        if (was) ++mainMenuExits;
        ending = false;
    }
    void ResetMenuState() override { barMenuOpen = false; }
    void BarMenuOpening() override {
        if (!barMenuOpen) ++skinMenuOpens;
        barMenuOpen = true;
    }

    // WM_SKIN_MENU_CLOSED at the frame's window.
    void MenuClosed() {
        barMenuOpen = false;
        if (escapeClosedLastLevel && menuMode) bar->DropDownClosedByEscape();
        else if (menuMode) EndMenuMode();
    }
    // A key as the frame's message hook hands it on while in menu mode.
    void Key(uint16_t key) {
        if (key == base::VK_ESCAPE && engine->MenuOpen()) {
            escapeClosedLastLevel = engine->LevelCount() == 1;
            engine->HandleMenuKey(key);
            escapeClosedLastLevel = false;
        } else if (key == base::VK_ESCAPE) {
            EndMenuMode();
        } else if (key == base::VK_RIGHT && engine->LevelCount() <= 1) {
            bar->EnterNextItem();
        } else if (key == base::VK_LEFT && engine->LevelCount() <= 1) {
            bar->EnterPreviousItem();
        } else if (key == base::VK_RETURN && bar->ActOnCurrentItem()) {
        } else if (engine->MenuOpen()) {
            engine->HandleMenuKey(key);
        } else if (!bar->SelectAccelerator(key)) {
        }
    }

    skin::TbsSkinMenu* engine;
    skin::TbsSkinMainMenuBar* bar = nullptr;
    bool menuMode = false;
    bool barMenuOpen = false;
    bool ending = false;
    bool escapeClosedLastLevel = false;
    int mainMenuEnters = 0;
    int mainMenuExits = 0;
    int skinMenuOpens = 0;
};

class MenuBarTest : public ::testing::Test {
protected:
    wm::headless::HeadlessSession h{800, 600};
    std::unique_ptr<TApplication> app = std::make_unique<TApplication>();
    skin::TbsSkinData chromeData;
    skin::TbsCompressedStoredSkin chrome;
    TForm* form = nullptr;
    TFakeFrame* frame = nullptr;
    skin::TbsSkinMainMenu* menu = nullptr;
    skin::TbsSkinMainMenuBar* bar = nullptr;
    TMenuItem* datei = nullptr;
    TMenuItem* info = nullptr;
    TMenuItem* hilfe = nullptr;
    int hilfeClicks = 0;

    void SetUp() override {
        ASSERT_TRUE(skin::LoadEmbeddedChromeSkin(chromeData, chrome, [](const std::string&) {}));
        form = app->CreateForm<TForm>();
        form->SetBorderStyle(bsNone);
        form->SetBoundsRect({50, 50, 450, 250});
        frame = new TFakeFrame(form);
        menu = new skin::TbsSkinMainMenu(form);
        datei = AddItem(menu->Items(), "&Datei");
        for (const char* caption : {"&Aktualisieren", "Diagramm-&Optionen", "-", "Diagramm &speichern",
                                    "Diagramm &drucken", "&Zwischenablage", "-", "&Beenden"})
            AddItem(datei, caption);
        info = AddItem(menu->Items(), "&Info");
        hilfe = AddItem(info, "Hilfe");
        hilfe->OnClick = [this](TObject*) { ++hilfeClicks; };
        AddItem(info, "\xC3\x9C" "ber...");
        bar = new skin::TbsSkinMainMenuBar(form);
        bar->SetParent(form);
        bar->SetBusinessSkinForm(frame);
        frame->bar = bar;
        frame->engine->SetFrameWindow(form->Handle());
        auto previous = form->WindowProc;
        form->WindowProc = [this, previous](TMessage& m) {
            if (m.Msg == wm::WM_SKIN_MENU_CLOSED) frame->MenuClosed();
            previous(m);
        };
        form->Show();
        h.ProcessPending();
    }

    void UseChrome() {
        bar->SetMainMenu(menu);
        bar->SetSkinData(&chromeData);
        h.ProcessPending();
    }

    TMenuItem* AddItem(TMenuItem* parent, const std::string& caption) {
        auto* item = new TMenuItem(form);
        item->SetCaption(caption);
        parent->Add(item);
        return item;
    }

    skin::TbsSkinMenu& Engine() { return *frame->engine; }
    // The caption of the first item of the open drop-down, or "" when none is open.
    std::string OpenDropDown() {
        skin::TbsSkinPopupWindow* level = Engine().Levels(0);
        return level && level->ItemCount() > 0 ? level->Item(0).MenuItem()->Caption() : "";
    }
    TPoint ItemCentre(int index) {
        TRect r = bar->ItemScreenRect(index);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    // The width of a caption in the font the bar draws its item with.
    int CaptionWidth(int index) {
        return skin::AccelTextWidth(bar->ItemFont(bar->Item(index)), bar->Item(index).MenuItem()->Caption());
    }

    void SaveScreenshot(const TRect& area, const std::string& name) {
        gfx::Bitmap screen = h.Screen();
        gfx::Bitmap part(area.Width(), area.Height());
        gfx::Canvas canvas(part);
        canvas.CopyRect(part.Bounds(), screen, area);
        std::vector<uint8_t> png = gfx::EncodePng(part);
        std::ofstream out(std::string(VELMORA_SCREENSHOTS) + "/" + name, std::ios::binary);
        out.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    }
};

}  // namespace menubartest

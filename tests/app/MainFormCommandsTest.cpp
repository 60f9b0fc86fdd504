// The main window's menus, popup switches, status-bar hints and system-wide hot keys.

#include <gtest/gtest.h>

#include <vector>

#include "MainFormTestFixture.h"
#include "app/AboutForm.h"
#include "app/ChartOptionsForm.h"
#include "base/ShortCut.h"
#include "wm/Messages.h"

using namespace app;

namespace {

class MainFormCommandsTest : public apptest::MainFormFixture {
protected:
    bool PressCtrl(char letter) {
        bool held = h.Display().PressHotKey(wm::MOD_CONTROL, static_cast<unsigned>(letter));
        h.ProcessPending();
        return held;
    }
};

struct ExpectedItem {
    const char* caption;
    int picture;
    const char* keys;
};

void ExpectItems(const TMenuItem* parent, const std::vector<ExpectedItem>& expected) {
    ASSERT_EQ(parent->Count(), static_cast<int>(expected.size())) << parent->Caption();
    for (int i = 0; i < parent->Count(); ++i) {
        SCOPED_TRACE(expected[i].caption);
        EXPECT_EQ(parent->Items(i)->Caption(), expected[i].caption);
        EXPECT_EQ(parent->Items(i)->ImageIndex(), expected[i].picture);
        EXPECT_EQ(base::ShortCutToText(parent->Items(i)->ShortCut()), expected[i].keys);
    }
}

}  // namespace

TEST_F(MainFormCommandsTest, MainAndSystemMenusHoldTheirItemsPicturesAndKeys) {
    TMenuItem* root = form->bsSkinMainMenu1->Items();
    ExpectItems(root, {{"&Datei", -1, ""}, {"&Info", -1, ""}});
    ExpectItems(form->Datei1, {{"&Aktualisieren", 0, "Strg+A"},
                               {"-", -1, ""},
                               {"Diagramm-&Optionen", 9, "Strg+O"},
                               {"-", -1, ""},
                               {"Diagramm &speichern", 1, "Strg+S"},
                               {"Diagramm &drucken", 2, "Strg+D"},
                               {"&Zwischenablage", 3, "Strg+Z"},
                               {"-", -1, ""},
                               {"&Beenden", 4, "Strg+B"}});
    ExpectItems(form->Info1, {{"Hilfe", 7, ""}, {"Über...", 8, ""}});
    ExpectItems(form->bsSkinPopupMenu1->Items(), {{"Beenden", 4, ""}});
    // The pictures come from the image list of the eleven menu pictures.
    EXPECT_EQ(form->bsSkinMainMenu1->Images(), form->ImageList1);
    EXPECT_EQ(form->bsSkinPopupMenu2->Images(), form->ImageList1);
    EXPECT_EQ(form->ImageList1->Count(), 11);
    EXPECT_EQ(form->bsSkinMainMenu1->SkinData(), &form->bsSkinData1);
}

TEST_F(MainFormCommandsTest, EachPopupSwitchSetsTheChartAndChecksOnlyItselfInItsGroup) {
    chart::TSCPie& pie = form->SCPie1->Chart();
    struct Group {
        std::vector<TMenuItem*> items;
        std::function<int()> property;  // the index of the item the chart's state matches
    };
    std::vector<Group> groups = {
        {{form->orte1, form->Doughnut1}, [&] { return pie.Kind() == chart::ckPie ? 0 : 1; }},
        {{form->N3D1, form->N2D1}, [&] { return pie.Chart3D() ? 0 : 1; }},
        {{form->Hoch1, form->Mittel1, form->Niedrig1},
         [&] { return pie.AntiAlias() == chart::aaHi ? 0 : pie.AntiAlias() == chart::aaLo ? 1 : 2; }},
        {{form->anzeigen1, form->Legendeausblenden1}, [&] { return pie.Legend().Visible() ? 0 : 1; }},
        {{form->Links1, form->Rechts1, form->Oben1, form->Unten1}, [&] {
             switch (pie.Legend().Alignment()) {
                 case chart::laLeft: return 0;
                 case chart::laRight: return 1;
                 case chart::laTop: return 2;
                 default: return 3;
             }
         }}};
    // Start: the marks match the chart's start settings (pie, 3D, high, shown, bottom).
    const int startIndex[] = {0, 0, 0, 0, 3};
    for (size_t g = 0; g < groups.size(); ++g) {
        EXPECT_EQ(groups[g].property(), startIndex[g]);
        for (size_t i = 0; i < groups[g].items.size(); ++i)
            EXPECT_EQ(groups[g].items[i]->Checked(), static_cast<int>(i) == startIndex[g]) << groups[g].items[i]->Name();
    }
    // Every item, then the first again (already checked: the marks stay).
    for (Group& group : groups) {
        std::vector<int> order;
        for (size_t i = 0; i < group.items.size(); ++i) order.push_back(static_cast<int>(i));
        order.push_back(static_cast<int>(group.items.size()) - 1);
        for (int chosen : order) {
            SCOPED_TRACE(group.items[chosen]->Name());
            group.items[chosen]->Click();
            EXPECT_EQ(group.property(), chosen);
            for (size_t i = 0; i < group.items.size(); ++i)
                EXPECT_EQ(group.items[i]->Checked(), static_cast<int>(i) == chosen);
        }
    }
    // The captions of the popup menu, in order, with the separators.
    std::vector<std::string> captions;
    for (int i = 0; i < form->bsSkinPopupMenu2->Items()->Count(); ++i)
        captions.push_back(form->bsSkinPopupMenu2->Items()->Items(i)->Caption());
    EXPECT_EQ(captions, (std::vector<std::string>{"Diagramm-Typ", "Diagramm Design", "Auflösung", "-", "Legende",
                                                  "Ausrichting Legende", "-", "Diagramm-Optionen"}));
    EXPECT_EQ(form->DiagrammOptionen1->ImageIndex(), 9);
}

TEST_F(MainFormCommandsTest, MovingOverTheControlsWritesTheirHintsIntoTheSecondPanel) {
    form->Show();
    h.ProcessPending();
    TStatusPanel* panel = form->StatusBar1->Panels(1);
    auto moveOver = [&](TControl* c, int x, int y) {
        TPoint p = c->ClientToScreen({x, y});
        h.MoveTo(p.X, p.Y);
        h.MoveTo(p.X + 1, p.Y);
        return panel->Text();
    };
    EXPECT_EQ(moveOver(form->bsSkinButton1, 20, 12), "Anzeige aktualisieren...");
    EXPECT_EQ(moveOver(form->bsSkinButton2, 20, 12), "Velmora beenden...");
    EXPECT_EQ(moveOver(form->MB, 20, 12), "Anzeige in MB...");
    EXPECT_EQ(moveOver(form->KB, 20, 12), "Anzeige in KB...");
    EXPECT_EQ(moveOver(form->SCPie1, 5, 5), "Rechtsklick um Anzeigeoptionen aufzurufen...");
    // A label and the selector have no handler: the text stays.
    EXPECT_EQ(moveOver(form->Label14, 2, 2), "Rechtsklick um Anzeigeoptionen aufzurufen...");
    EXPECT_EQ(moveOver(form->bsSkinDriveComboBox1, 20, 10), "Rechtsklick um Anzeigeoptionen aufzurufen...");
    // The panels' own area empties it.
    EXPECT_EQ(moveOver(form->bsSkinExPanel2, 150, 80), "");
    EXPECT_EQ(moveOver(form->KB, 20, 12), "Anzeige in KB...");
    EXPECT_EQ(moveOver(form->bsSkinExPanel3, 150, 215), "");
    EXPECT_EQ(moveOver(form->KB, 20, 12), "Anzeige in KB...");
    EXPECT_EQ(moveOver(form->bsSkinExPanel1, 100, 488), "");
}

TEST_F(MainFormCommandsTest, TheSixHotKeysRunTheirCommandsAndAreReleasedWithTheWindow) {
    EXPECT_EQ(h.Display().HotKeyCount(), 6);
    form->Show();
    h.ProcessPending();
    form->Label17->SetCaption("Gesamt");
    EXPECT_TRUE(PressCtrl('A'));
    EXPECT_TRUE(form->Label17->Caption().ends_with(" MB"));

    // Ctrl+Z runs the copy command, which renders the chart at its size into the export
    // picture first.
    EXPECT_EQ(form->Image2->Picture()->Pixels().Width(), 0);
    EXPECT_TRUE(PressCtrl('Z'));
    EXPECT_EQ(form->Image2->Picture()->Pixels().Width(), form->SCPie1->ClientWidth());
    EXPECT_EQ(form->Image2->Picture()->Pixels().Height(), form->SCPie1->ClientHeight());

    // Ctrl+B closes the window, which ends the application.
    EXPECT_TRUE(PressCtrl('B'));
    EXPECT_TRUE(application->Terminated());
    application.reset();
    EXPECT_EQ(h.Display().HotKeyCount(), 0);
}

TEST_F(MainFormCommandsTest, EveryCloseCommandClosesTheWindow) {
    int closes = 0;
    form->OnClose = [&](TObject*, TCloseAction&) { ++closes; };
    form->Show();
    h.ProcessPending();
    form->bsSkinButton2->Click();
    form->Beenden1->Click();
    form->Beenden2->Click();
    h.ProcessPending();
    EXPECT_EQ(closes, 3);
    EXPECT_TRUE(application->Terminated());
}

TEST(MainFormHotKeys, AKeyHeldByAnotherProgramDoesNothingHereAndTheOthersWork) {
    apptest::ScopedEnv drives{"VELMORA_DRIVES", "c=/;d=/tmp"};
    apptest::ScopedSettingsFolder settings;
    wm::headless::HeadlessSession h{1280, 1024};
    h.Display().HoldHotKeyElsewhere(wm::MOD_CONTROL, 'A');
    auto application = std::make_unique<vcl::TApplication>();
    TForm1* form = application->CreateForm<TForm1>();
    form->Label17->SetCaption("Gesamt");
    EXPECT_FALSE(h.Display().PressHotKey(wm::MOD_CONTROL, 'A'));
    h.ProcessPending();
    EXPECT_EQ(form->Label17->Caption(), "Gesamt");
    EXPECT_TRUE(h.Display().PressHotKey(wm::MOD_CONTROL, 'B'));
    application.reset();
}

TEST(MainFormHotKeys, OptionsKeyWhileTheDialogIsOpenShowsTheErrorAndStaysUsable) {
    apptest::ScopedEnv drives{"VELMORA_DRIVES", "c=/;d=/tmp"};
    apptest::ScopedSettingsFolder settings;
    wm::headless::HeadlessSession h{1280, 1024};
    auto application = std::make_unique<vcl::TApplication>();
    application->SetTitle("Velmora");
    application->CreateForm<TForm1>();
    application->CreateForm<TForm2>();
    application->CreateForm<TForm3>();
    std::vector<std::string> errors;
    application->OnException = [&](TObject*, const std::exception& e) { errors.push_back(e.what()); };
    Form1->Show();
    Form3->Show();  // as if it were open already
    h.ProcessPending();
    for (int press = 0; press < 2; ++press) {
        EXPECT_TRUE(h.Display().PressHotKey(wm::MOD_CONTROL, 'O'));
        h.ProcessPending();
    }
    EXPECT_EQ(errors, (std::vector<std::string>{"Aus einem sichtbaren Fenster kann kein modales gemacht werden",
                                                "Aus einem sichtbaren Fenster kann kein modales gemacht werden"}));
    // The menu command reports the same.
    EXPECT_THROW(Form1->DiagrammOptionen2->Click(), std::exception);
    application.reset();
}

// The chart options dialog on the headless display, next to the main window whose chart
// it edits: its controls, what each does to the chart, the reset, the status-bar hints,
// closing, and its six settings.

#include <gtest/gtest.h>

#include <filesystem>

#include "MainFormTestFixture.h"
#include "app/ChartOptionsForm.h"
#include "vcl/TTimer.h"
#include "base/ShortCut.h"
#include "gfx/PngCodec.h"

using namespace app;

namespace {

// The dialog's sections as the file holds them (Windows-1252).
const std::string kFontSizeSection = "Schriftgr\xF6\xDF" "e";

class ChartOptionsFormTest : public apptest::MainFormFixture {
protected:
    TForm3* dialog = nullptr;
    // Lines of the settings file written before the windows are created.
    std::string storedSettings;

    void PrepareSettings() override {
        if (!storedSettings.empty()) testing_support::WriteBytes(settings.IniPath(), storedSettings);
    }
    void SetUp() override {
        apptest::MainFormFixture::SetUp();
        dialog = application->CreateForm<TForm3>();
    }

    chart::TSCPie& Pie() { return form->SCPie1->Chart(); }
    vcl::TFont* ChartFont() { return form->SCPie1->Font(); }
    std::string HintPanel() { return form->StatusBar1->Panels(1)->Text(); }
    std::string SettingsText() { return testing_support::ReadBytes(settings.IniPath()); }
    // Destroys every window, the dialog writing its settings first.
    void EndProgram() {
        application.reset();
        EXPECT_EQ(Form3, nullptr);
    }
    void ShowBoth() {
        form->Show();
        dialog->Show();
        h.ProcessPending();
        // The headless display finds the window under the pointer in what it last
        // composed; compose once so the dialog is found in front of the main window.
        (void)h.Screen();
    }
    // Moves the pointer onto a control, from outside it, so it sees a mouse move.
    void PointAt(vcl::TControl* control) {
        TPoint p = control->ClientToScreen({control->Width() / 2, control->Height() / 2});
        h.MoveTo(p.X - 1, p.Y);
        h.MoveTo(p.X, p.Y);
    }
    void ClickOn(vcl::TControl* control) {
        TPoint p = control->ClientToScreen({control->Width() / 2, control->Height() / 2});
        h.MoveTo(p.X, p.Y);
        h.Click(p.X, p.Y);
    }
};

// The value of a section's Status key, and where the section starts in the file.
size_t SectionAt(const std::string& text, const std::string& section) { return text.find("[" + section + "]"); }

std::string StatusOf(const std::string& text, const std::string& section) {
    size_t at = SectionAt(text, section);
    if (at == std::string::npos) return "<missing>";
    size_t key = text.find("Status=", at);
    size_t end = text.find_first_of("\r\n", key);
    return text.substr(key + 7, end - key - 7);
}

class StoredSettings : public ChartOptionsFormTest {
protected:
    void PrepareSettings() override {
        testing_support::WriteBytes(settings.IniPath(), "[BottomTitel]\nStatus=0\n[Schriftart]\nStatus=6\n[" +
                                                            kFontSizeSection +
                                                            "]\nStatus=3\n[Schriftfarbe]\nStatus=16711680\n"
                                                            "[HintergrundD]\nStatus=255\n[HintergrundL]\nStatus=$FFFF\n");
    }
};

class OutOfRangeIndexes : public ChartOptionsFormTest {
protected:
    void PrepareSettings() override {
        testing_support::WriteBytes(settings.IniPath(),
                                    "[Schriftart]\nStatus=9\n[" + kFontSizeSection + "]\nStatus=-1\n");
    }
};

class StoredDesignColours : public ChartOptionsFormTest {
protected:
    void PrepareSettings() override {
        testing_support::WriteBytes(settings.IniPath(), "[HintergrundD]\nStatus=16777215\n[Schriftfarbe]\nStatus=0\n");
    }
};

}  // namespace

TEST_F(ChartOptionsFormTest, WindowAndGroupBoxesAreAsDescribed) {
    EXPECT_EQ(dialog->Name(), "Form3");
    EXPECT_EQ(Form3, dialog);
    EXPECT_EQ(dialog->Caption(), "Diagramm-Optionen");
    EXPECT_EQ(dialog->ClientWidth(), 533);
    EXPECT_EQ(dialog->ClientHeight(), 276);
    EXPECT_EQ(dialog->BorderStyle(), vcl::bsSingle);
    EXPECT_TRUE(dialog->BorderIcons().Empty());
    EXPECT_EQ(dialog->Position(), vcl::poDesktopCenter);
    EXPECT_EQ(dialog->Font()->Name(), "Verdana");
    EXPECT_FALSE(dialog->Visible());

    struct Group {
        skin::TbsSkinGroupBox* box;
        TRect bounds;
        const char* caption;
    };
    for (const Group& g : {Group{dialog->bsSkinGroupBox1, TRect::FromSize(8, 8, 249, 129), "Beschriftung:"},
                           Group{dialog->bsSkinGroupBox2, TRect::FromSize(272, 8, 249, 161), "Schrift:"},
                           Group{dialog->bsSkinGroupBox3, TRect::FromSize(8, 144, 249, 121), "Farbgebung:"}}) {
        SCOPED_TRACE(g.caption);
        EXPECT_EQ(g.box->Parent(), dialog);
        EXPECT_EQ(g.box->BoundsRect(), g.bounds);
        EXPECT_EQ(g.box->Caption(), g.caption);
        EXPECT_TRUE(g.box->CaptionMode());
        EXPECT_EQ(g.box->SkinData(), &form->bsSkinData1);
    }
    ASSERT_EQ(dialog->bsSkinPopupMenu1->Items()->Count(), 1);
    EXPECT_EQ(dialog->Schliessen1->Caption(), "Schliessen");
}

TEST_F(ChartOptionsFormTest, ControlsSitInTheirGroupsWithTheirDesignValues) {
    TForm3* d = dialog;
    struct Placed {
        vcl::TControl* control;
        vcl::TWinControl* parent;
        TPoint at;
        int width, height;  // 0: not checked (labels size to their text, the skin sets some heights)
        const char* caption;
    };
    const Placed placed[] = {
        {d->Label1, d->bsSkinGroupBox1, {8, 32}, 0, 0, "Top-Titel:"},
        {d->bsSkinEdit1, d->bsSkinGroupBox1, {8, 48}, 233, 0, ""},
        {d->bsSkinButton2, d->bsSkinGroupBox1, {8, 72}, 233, 25, "Titel hinzufügen"},
        {d->bsSkinCheckRadioBox1, d->bsSkinGroupBox1, {8, 104}, 233, 0, "Fuß-Titel (Laufwerksbezeichnung)"},
        {d->Label3, d->bsSkinGroupBox2, {8, 32}, 0, 0, "Schriftart:"},
        {d->bsSkinFontComboBox1, d->bsSkinGroupBox2, {8, 48}, 233, 0, "Arial"},
        {d->Label4, d->bsSkinGroupBox2, {8, 72}, 0, 0, "Schriftfarbe:"},
        {d->bsSkinColorComboBox1, d->bsSkinGroupBox2, {8, 88}, 233, 0, nullptr},
        {d->Label2, d->bsSkinGroupBox2, {8, 112}, 0, 0, "Schriftgröße:"},
        {d->bsSkinComboBox1, d->bsSkinGroupBox2, {8, 128}, 233, 0, "8"},
        {d->Label6, d->bsSkinGroupBox3, {8, 32}, 0, 0, "Hintergrundfarbe Diagramm:"},
        {d->bsSkinColorComboBox2, d->bsSkinGroupBox3, {8, 48}, 233, 0, nullptr},
        {d->Label7, d->bsSkinGroupBox3, {8, 72}, 0, 0, "Hintergrundfarbe Legende:"},
        {d->bsSkinColorComboBox3, d->bsSkinGroupBox3, {8, 88}, 233, 0, nullptr},
        {d->bsSkinButton3, d, {272, 176}, 249, 25, "Optionen auf Standard zurückstellen"},
        {d->bsSkinButton1, d, {272, 232}, 249, 0, "Schliessen"},
    };
    for (const Placed& p : placed) {
        SCOPED_TRACE(p.control->Name() + " " + (p.caption ? p.caption : ""));
        EXPECT_EQ(p.control->Parent(), p.parent);
        EXPECT_EQ(p.control->BoundsRect().TopLeft(), p.at);
        if (p.width) { EXPECT_EQ(p.control->Width(), p.width); }
        if (p.height) { EXPECT_EQ(p.control->Height(), p.height); }
        if (p.caption) { EXPECT_EQ(p.control->Caption(), p.caption); }
    }
    EXPECT_TRUE(d->bsSkinCheckRadioBox1->Checked());
    EXPECT_EQ(d->bsSkinFontComboBox1->Items(),
              (std::vector<std::string>{"Arial", "Courier", "MS Sans Serif", "System", "Tahoma", "Times New Roman",
                                        "Verdana"}));
    EXPECT_EQ(d->bsSkinComboBox1->Items(), (std::vector<std::string>{"8", "9", "10", "11", "12", "13", "14"}));
    // The pickers hold the 16 standard, 4 extended and the system colours, no names shown.
    for (skin::TbsSkinColorComboBox* picker : {d->bsSkinColorComboBox1, d->bsSkinColorComboBox2, d->bsSkinColorComboBox3}) {
        EXPECT_EQ(picker->ItemCount(), 47);
        EXPECT_FALSE(picker->ShowNames());
    }
    EXPECT_EQ(d->bsSkinColorComboBox1->ItemIndex(), 0);
    EXPECT_EQ(d->bsSkinColorComboBox2->ItemIndex(), 15);
    EXPECT_EQ(d->bsSkinColorComboBox3->ItemIndex(), 15);
    EXPECT_EQ(d->bsSkinButton3->SkinDataName(), "resizebutton");
    EXPECT_EQ(d->bsSkinButton1->SkinDataName(), "resizebutton");
    EXPECT_TRUE(d->bsSkinButton1->DefaultFont()->Style().Contains(vcl::fsBold));
}

TEST_F(ChartOptionsFormTest, FirstRunKeepsTheChartsOwnColoursAndWritesTheSixSettingsInOrder) {
    // No file: the design values apply, and the pickers report nothing, so the chart keeps
    // the window colours it starts with.
    EXPECT_EQ(Pie().BackColor(), clWindow);
    EXPECT_EQ(Pie().Legend().Color(), clWindow);
    EXPECT_EQ(ChartFont()->Name(), "Arial");
    EXPECT_EQ(ChartFont()->Size(), 8);
    EXPECT_EQ(Pie().BottomCaption(), "Laufwerk: " + form->bsSkinDriveComboBox1->Text());
    EndProgram();

    std::string text = SettingsText();
    const std::string sections[] = {"BottomTitel", "Schriftart", kFontSizeSection, "Schriftfarbe", "HintergrundD",
                                    "HintergrundL"};
    const std::string values[] = {"1", "0", "0", "0", "16777215", "16777215"};
    size_t previous = 0;
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(sections[i]);
        size_t at = SectionAt(text, sections[i]);
        ASSERT_NE(at, std::string::npos) << text;
        EXPECT_EQ(StatusOf(text, sections[i]), values[i]);
        if (i > 0) { EXPECT_GT(at, previous) << "out of order"; }
        previous = at;
    }
    // The dialog goes before the main window, so its sections come first.
    EXPECT_EQ(SectionAt(text, "BottomTitel"), 0u);
}

TEST_F(StoredSettings, StoredValuesReachTheChartAtStartUp) {
    EXPECT_FALSE(dialog->bsSkinCheckRadioBox1->Checked());
    EXPECT_EQ(Pie().BottomCaption(), "");
    EXPECT_EQ(dialog->bsSkinFontComboBox1->ItemIndex(), 6);
    EXPECT_EQ(ChartFont()->Name(), "Verdana");
    // Index 3 is size 11.
    EXPECT_EQ(dialog->bsSkinComboBox1->ItemIndex(), 3);
    EXPECT_EQ(ChartFont()->Size(), 11);
    EXPECT_EQ(ChartFont()->Color(), clBlue);
    EXPECT_EQ(Pie().BackColor(), clRed);
    EXPECT_EQ(Pie().Legend().Color(), clYellow);  // written as $FFFF by hand

    EndProgram();
    std::string text = SettingsText();
    EXPECT_EQ(StatusOf(text, "BottomTitel"), "0");
    EXPECT_EQ(StatusOf(text, kFontSizeSection), "3");
    EXPECT_EQ(StatusOf(text, "HintergrundD"), "255");
    EXPECT_EQ(StatusOf(text, "HintergrundL"), "65535");
}

TEST_F(OutOfRangeIndexes, ListsSelectNothingAndTheChartKeepsItsFont) {
    EXPECT_EQ(dialog->bsSkinFontComboBox1->ItemIndex(), -1);
    EXPECT_EQ(dialog->bsSkinComboBox1->ItemIndex(), -1);
    EXPECT_EQ(ChartFont()->Name(), "Arial");
    EXPECT_EQ(ChartFont()->Size(), 8);
    // What the lists hold is written back: no entry.
    EndProgram();
    EXPECT_EQ(StatusOf(SettingsText(), "Schriftart"), "-1");
    EXPECT_EQ(StatusOf(SettingsText(), kFontSizeSection), "-1");
}

TEST_F(StoredDesignColours, AStoredDesignColourCausesNoReport) {
    EXPECT_EQ(Pie().BackColor(), clWindow);
    EXPECT_EQ(ChartFont()->Color(), clWindowText);
}

TEST_F(ChartOptionsFormTest, TitleButtonSetsTheTopTitleAndAnEmptyEditRemovesIt) {
    ShowBoth();
    ClickOn(dialog->bsSkinEdit1);
    h.TypeText("Mein <b>laufwerk</b>");
    EXPECT_EQ(Pie().TopCaption(), "") << "typing alone changes nothing";
    ClickOn(dialog->bsSkinButton2);
    EXPECT_EQ(Pie().TopCaption(), "Mein <b>laufwerk</b>");
    // The title takes room above the pie.
    int plotTopWithTitle = Pie().PlotRect().Top;

    dialog->bsSkinEdit1->SetEditText("");
    ClickOn(dialog->bsSkinButton2);
    EXPECT_EQ(Pie().TopCaption(), "");
    EXPECT_LT(Pie().PlotRect().Top, plotTopWithTitle);
}

TEST_F(ChartOptionsFormTest, BottomTitleFollowsTheCheckBoxUntilTheNextRefresh) {
    ShowBoth();
    const std::string title = "Laufwerk: " + form->bsSkinDriveComboBox1->Text();
    ClickOn(dialog->bsSkinCheckRadioBox1);
    EXPECT_FALSE(dialog->bsSkinCheckRadioBox1->Checked());
    EXPECT_EQ(Pie().BottomCaption(), "");
    // A refresh of the main window sets it whatever the box says.
    form->RefreshDrive();
    EXPECT_EQ(Pie().BottomCaption(), title);
    Pie().SetBottomCaption("");
    ClickOn(dialog->bsSkinCheckRadioBox1);
    EXPECT_EQ(Pie().BottomCaption(), title);
}

TEST_F(ChartOptionsFormTest, FontListsAndColourPickersChangeTheChartAtOnce) {
    ShowBoth();
    dialog->bsSkinComboBox1->SetItemIndex(4);
    EXPECT_EQ(ChartFont()->Size(), 12);
    dialog->bsSkinFontComboBox1->SetItemIndex(5);
    EXPECT_EQ(ChartFont()->Name(), "Times New Roman");
    dialog->bsSkinColorComboBox1->SetItemIndex(9);
    EXPECT_EQ(ChartFont()->Color(), clRed);
    dialog->bsSkinColorComboBox2->SetItemIndex(12);
    EXPECT_EQ(Pie().BackColor(), clBlue);
    dialog->bsSkinColorComboBox3->SetItemIndex(10);
    EXPECT_EQ(Pie().Legend().Color(), clLime);

    // By keyboard: the size list one step down.
    dialog->bsSkinComboBox1->SetFocus();
    h.Key(base::VK_DOWN);
    EXPECT_EQ(dialog->bsSkinComboBox1->Text(), "13");
    EXPECT_EQ(ChartFont()->Size(), 13);
}

TEST_F(ChartOptionsFormTest, SizeTwelveMakesTheLegendTextTaller) {
    form->Show();
    h.ProcessPending();
    auto textRows = [&] {
        // Rows of the chart holding dark text pixels.
        gfx::Bitmap shown = h.WindowImage(form->Handle());
        TPoint origin = form->SCPie1->ClientToScreen({0, 0}) - form->BoundsRect().TopLeft();
        int rows = 0;
        for (int y = 0; y < form->SCPie1->Height(); ++y) {
            bool dark = false;
            for (int x = 0; x < form->SCPie1->Width() && !dark; ++x)
                dark = shown.Pixel(origin.X + x, origin.Y + y) == clBlack;
            rows += dark;
        }
        return rows;
    };
    int before = textRows();
    dialog->bsSkinComboBox1->SetItemIndex(4);
    h.ProcessPending();
    EXPECT_GT(textRows(), before + 4);
}

TEST_F(ChartOptionsFormTest, ResetRestoresTheDefaultsButKeepsTheTopTitle) {
    ShowBoth();
    dialog->bsSkinEdit1->SetEditText("Titel");
    dialog->bsSkinButton2Click(nullptr);
    dialog->bsSkinCheckRadioBox1->SetChecked(false);
    dialog->bsSkinColorComboBox2->SetItemIndex(9);
    dialog->bsSkinColorComboBox3->SetItemIndex(9);
    dialog->bsSkinFontComboBox1->SetItemIndex(6);
    dialog->bsSkinColorComboBox1->SetItemIndex(12);
    dialog->bsSkinComboBox1->SetItemIndex(6);
    ASSERT_EQ(ChartFont()->Size(), 14);

    ClickOn(dialog->bsSkinButton3);
    EXPECT_TRUE(dialog->bsSkinCheckRadioBox1->Checked());
    EXPECT_EQ(Pie().BottomCaption(), "Laufwerk: " + form->bsSkinDriveComboBox1->Text());
    EXPECT_EQ(Pie().BackColor(), clWhite);
    EXPECT_EQ(Pie().Legend().Color(), clWhite);
    EXPECT_EQ(ChartFont()->Name(), "Arial");
    EXPECT_EQ(ChartFont()->Color(), clBlack);
    EXPECT_EQ(ChartFont()->Size(), 8);
    EXPECT_EQ(Pie().TopCaption(), "Titel");
    EXPECT_EQ(dialog->bsSkinEdit1->EditText(), "Titel");
    EXPECT_TRUE(dialog->bsSkinEdit1->Focused());
}

TEST_F(ChartOptionsFormTest, HintsGoToTheMainWindowsStatusBar) {
    ShowBoth();
    struct Expected {
        vcl::TControl* control;
        const char* hint;
    };
    for (const Expected& e :
         {Expected{dialog->bsSkinEdit1, "Eingabefeld für Diagramm-Titel..."},
          Expected{dialog->bsSkinGroupBox1, ""},
          Expected{dialog->bsSkinButton2, "Diagramm-Titel hinzufügen..."},
          Expected{dialog->bsSkinButton1, ""},
          Expected{dialog->bsSkinCheckRadioBox1, "Fuß-Titel (Laufwerksbezeichnung) einblenden / ausblenden..."},
          Expected{dialog->bsSkinGroupBox2, ""},
          Expected{dialog->bsSkinButton3, "Diagramm-Optionen auf Standard-Einstellung zurücksetzen..."},
          Expected{dialog->bsSkinGroupBox3, ""},
          Expected{dialog->bsSkinEdit1, "Eingabefeld für Diagramm-Titel..."}}) {
        SCOPED_TRACE(e.control->Name());
        if (auto* group = dynamic_cast<skin::TbsSkinGroupBox*>(e.control)) {
            // An empty spot of the group, below its controls.
            TPoint p = group->ClientToScreen({group->Width() - 6, group->Height() - 6});
            h.MoveTo(p.X - 1, p.Y);
            h.MoveTo(p.X, p.Y);
        } else {
            PointAt(e.control);
        }
        EXPECT_EQ(HintPanel(), e.hint);
    }
    // The dialog's own surface, between the groups.
    PointAt(dialog->bsSkinEdit1);
    TPoint surface = dialog->ClientToScreen({264, 100});
    h.MoveTo(surface.X, surface.Y);
    EXPECT_EQ(HintPanel(), "");
}

TEST_F(ChartOptionsFormTest, SchliessenAndTheSystemMenuEndTheModalDialogWhichKeepsItsChanges) {
    form->Show();
    h.ProcessPending();
    vcl::TTimer timer(nullptr);
    timer.SetInterval(100);
    bool wasModal = false;
    timer.SetOnTimer([&](vcl::TObject*) {
        timer.SetEnabled(false);
        wasModal = dialog->IsModal() && dialog->Visible();
        dialog->bsSkinComboBox1->SetItemIndex(2);
        TPoint p = dialog->bsSkinButton1->ClientToScreen({20, 10});
        h.QueueMove(p.X, p.Y);
        h.QueueButton(wm::MouseButton::Left, true);
        h.QueueButton(wm::MouseButton::Left, false);
    });
    h.QueueAdvance(150);
    dialog->ShowModal();
    EXPECT_TRUE(wasModal);
    EXPECT_FALSE(dialog->Visible());
    EXPECT_EQ(ChartFont()->Size(), 10);

    // Shown again; this time the system menu's item closes it.
    timer.SetOnTimer([&](vcl::TObject*) {
        timer.SetEnabled(false);
        dialog->Schliessen1->Click();
    });
    timer.SetEnabled(true);
    h.QueueAdvance(150);
    dialog->ShowModal();
    EXPECT_FALSE(dialog->Visible());
    EXPECT_EQ(dialog->bsSkinComboBox1->ItemIndex(), 2);
}

TEST_F(ChartOptionsFormTest, ShowingTheVisibleDialogModallyAgainFailsWithTheClassicText) {
    vcl::TTimer timer(nullptr);
    timer.SetInterval(100);
    std::string error;
    timer.SetOnTimer([&](vcl::TObject*) {
        timer.SetEnabled(false);
        try {
            dialog->ShowModal();  // what a second Ctrl+O does
        } catch (const std::exception& e) {
            error = vcl::ErrorText(e);
        }
        dialog->Close();
    });
    h.QueueAdvance(150);
    dialog->ShowModal();
    EXPECT_EQ(error, "Aus einem sichtbaren Fenster kann kein modales gemacht werden.");
}

TEST_F(ChartOptionsFormTest, EndOfSessionWritesTheCurrentValuesAtOnce) {
    dialog->bsSkinComboBox1->SetItemIndex(5);
    dialog->bsSkinColorComboBox2->SetItemIndex(9);
    dialog->Perform(wm::WM_ENDSESSION, 1, 0);
    std::string text = SettingsText();
    EXPECT_EQ(StatusOf(text, kFontSizeSection), "5");
    EXPECT_EQ(StatusOf(text, "HintergrundD"), "255");
    EXPECT_EQ(StatusOf(text, "Panel2"), "<missing>") << "the main window writes its own";
}

TEST(ChartOptionsFormSettings, ARefusedWriteIsShownOnceAndTheDialogStillGoes) {
    apptest::ScopedEnv drives{"VELMORA_DRIVES", "c=/;d=/tmp"};
    apptest::ScopedSettingsFolder settings;
    // A folder that does not exist cannot take the file.
    const std::string path = (settings.folder.Path() / "fehlt" / "Velmora.ini").string();
    TForm1::SettingsPathOverride = path;
    wm::headless::HeadlessSession h{1280, 1024};
    auto application = std::make_unique<vcl::TApplication>();
    application->SetTitle("Velmora");
    std::vector<std::string> shown;
    application->OnException = [&](vcl::TObject*, const std::exception& e) { shown.push_back(vcl::ErrorText(e)); };
    application->CreateForm<TForm1>();
    TForm3* dialog = application->CreateForm<TForm3>();
    // The session's end has no box to show the error in: it goes to the caller.
    EXPECT_THROW(dialog->Perform(wm::WM_ENDSESSION, 1, 0), os::IniWriteError);
    application.reset();
    // One box for the dialog's batch and one for the main window's.
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0], "In " + path + " kann nicht geschrieben werden.");
    EXPECT_EQ(Form3, nullptr);
    EXPECT_EQ(Form1, nullptr);
}

// Not a check: with VELMORA_SCREENSHOTS set to a folder, writes the dialog as shown.
TEST_F(ChartOptionsFormTest, ScreenshotWhenAsked) {
    const char* folder = std::getenv("VELMORA_SCREENSHOTS");
    if (!folder) GTEST_SKIP() << "VELMORA_SCREENSHOTS not set";
    ShowBoth();
    std::vector<uint8_t> png = gfx::EncodePng(h.WindowImage(dialog->Handle()));
    testing_support::WriteBytes(std::string(folder) + "/dialog-chart-options.png", std::string(png.begin(), png.end()));
}

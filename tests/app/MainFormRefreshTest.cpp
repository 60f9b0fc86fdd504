// Start-up and the refresh of the main window: the order of events while the window is
// created, the drive figures in MB and KB, the unit switch, an empty selector.

#include <gtest/gtest.h>
#include <unistd.h>

#include <regex>
#include <vector>

#include "MainFormTestFixture.h"
#include "os/IniFile.h"

using namespace app;

namespace {

// The main window noting the events of its start-up: the selector's reports (with the
// entry then selected), every refresh, and the window's width when it refreshed.
class RecordingForm1 : public TForm1 {
public:
    explicit RecordingForm1(TComponent* owner) : TForm1(owner) {
        // The description is complete here and FormCreate has not run yet.
        hotKeysBeforeCreate =
            dynamic_cast<wm::headless::HeadlessDisplay&>(wm::WindowSystem::Current()->GetDisplay()).HotKeyCount();
        auto change = bsSkinDriveComboBox1->OnChange;
        bsSkinDriveComboBox1->OnChange = [this, change](TObject* s) {
            log.push_back("OnChange " + std::to_string(bsSkinDriveComboBox1->ItemIndex()));
            change(s);
        };
        auto click = bsSkinDriveComboBox1->OnClick;
        bsSkinDriveComboBox1->OnClick = [this, click](TObject* s) {
            log.push_back("OnClick " + std::to_string(bsSkinDriveComboBox1->ItemIndex()));
            click(s);
        };
    }
    void RefreshDrive() override {
        log.push_back("RefreshDrive");
        widthsAtRefresh.push_back(Width());
        TForm1::RefreshDrive();
    }
    std::vector<std::string> log;
    std::vector<int> widthsAtRefresh;
    int hotKeysBeforeCreate = -1;
};

// Runs the test from another folder and goes back.
class ScopedCurrentFolder {
public:
    explicit ScopedCurrentFolder(const char* folder) {
        char buffer[4096];
        if (::getcwd(buffer, sizeof buffer)) old_ = buffer;
        EXPECT_EQ(::chdir(folder), 0);
    }
    ~ScopedCurrentFolder() {
        if (!old_.empty()) {
            EXPECT_EQ(::chdir(old_.c_str()), 0);
        }
    }

private:
    std::string old_;
};

int64_t Figure(const std::string& label) {
    std::smatch m;
    EXPECT_TRUE(std::regex_match(label, m, std::regex(R"((-?\d+) (MB|KB))"))) << label;
    return m.empty() ? -1 : std::stoll(m[1]);
}

class MainFormRefreshTest : public apptest::MainFormFixture {};

}  // namespace

TEST(MainFormStartUp, SettingsFirstThenTheCurrentDriveThenEntryOneThenOneMoreRefresh) {
    apptest::ScopedEnv drives{"VELMORA_DRIVES", "c=/;d=/tmp"};
    apptest::ScopedSettingsFolder settings;
    os::IniFile(settings.IniPath()).WriteInteger("Width", "Status", 901);
    ScopedCurrentFolder inRoot("/");  // the current directory lies on drive c
    wm::headless::HeadlessSession h{1280, 1024};
    auto application = std::make_unique<vcl::TApplication>();
    auto* form = application->CreateForm<RecordingForm1>();

    EXPECT_EQ(form->hotKeysBeforeCreate, 6) << "the hot keys register with the description";
    // Building the list selects c (both reports refresh), entry 1 selects d (both
    // again), then FormCreate refreshes once more.
    EXPECT_EQ(form->log, (std::vector<std::string>{"OnChange 0", "RefreshDrive", "OnClick 0", "RefreshDrive",
                                                   "OnChange 1", "RefreshDrive", "OnClick 1", "RefreshDrive",
                                                   "RefreshDrive"}));
    // The settings were applied before the first refresh.
    ASSERT_FALSE(form->widthsAtRefresh.empty());
    EXPECT_EQ(form->widthsAtRefresh.front(), 901);
    EXPECT_EQ(form->bsSkinDriveComboBox1->Text().substr(0, 2), "d:");
    // The detail shows the letter as the selector does: lower case.
    EXPECT_EQ(form->Label13->Caption(), "d");
    application.reset();
}

TEST(MainFormStartUp, WhenTheCurrentDriveIsEntryOneSelectingItAgainOnlyReportsTheClick) {
    apptest::ScopedEnv drives{"VELMORA_DRIVES", "c=/usr;d=/"};
    apptest::ScopedSettingsFolder settings;
    ScopedCurrentFolder inRoot("/");  // drive d this time
    wm::headless::HeadlessSession h{1280, 1024};
    auto application = std::make_unique<vcl::TApplication>();
    auto* form = application->CreateForm<RecordingForm1>();
    EXPECT_EQ(form->log, (std::vector<std::string>{"OnChange 1", "RefreshDrive", "OnClick 1", "RefreshDrive",
                                                   "OnClick 1", "RefreshDrive", "RefreshDrive"}));
    application.reset();
}

TEST_F(MainFormRefreshTest, ShowsTheSecondDriveInTheLabelsAndTheChart) {
    std::string entry = form->bsSkinDriveComboBox1->Text();
    ASSERT_EQ(form->bsSkinDriveComboBox1->ItemIndex(), 1);
    EXPECT_EQ(entry.substr(0, 2), "d:");
    EXPECT_EQ(form->Label13->Caption(), "d");
    int64_t total = Figure(form->Label17->Caption());
    int64_t free = Figure(form->Label14->Caption());
    EXPECT_EQ(Figure(form->Label1->Caption()), total - free);
    EXPECT_GT(total, 0);
    EXPECT_TRUE(std::regex_match(form->Label15->Caption(), std::regex("[0-9]+")));
    EXPECT_TRUE(std::regex_match(form->Label19->Caption(), std::regex("[0-9]+")));
    chart::TSCPie& pie = form->SCPie1->Chart();
    EXPECT_EQ(pie.BottomCaption(), "Laufwerk: " + entry);
    EXPECT_EQ(pie.GetSeriesName(1), "Frei (" + form->Label14->Caption() + ")");
    EXPECT_EQ(pie.GetSeriesName(2), "Belegt (" + form->Label1->Caption() + ")");
    EXPECT_EQ(pie.GetValue(1, 1), static_cast<float>(free));
    EXPECT_EQ(pie.GetValue(2, 1), static_cast<float>(total - free));
}

TEST_F(MainFormRefreshTest, SwitchingToKbChangesTheFiguresAndNamesButNotTheDetails) {
    form->Show();
    h.ProcessPending();
    const int64_t totalMb = Figure(form->Label17->Caption());
    form->Label10->SetCaption("unverändert");  // a detail label the unit switch must not touch
    chart::TSCPie& pie = form->SCPie1->Chart();
    pie.SetBottomCaption("");

    // A real click on the KB radio box.
    TPoint kb = form->KB->ClientToScreen({10, 12});
    h.Click(kb.X, kb.Y);
    ASSERT_TRUE(form->KB->Checked());
    EXPECT_FALSE(form->MB->Checked());
    const int64_t totalKb = Figure(form->Label17->Caption());
    EXPECT_TRUE(form->Label17->Caption().ends_with(" KB"));
    EXPECT_GE(totalKb, totalMb * 1024);
    EXPECT_LT(totalKb, (totalMb + 1) * 1024);
    EXPECT_EQ(pie.GetSeriesName(1), "Frei (" + form->Label14->Caption() + ")");
    EXPECT_TRUE(pie.GetSeriesName(2).ends_with(" KB)"));
    EXPECT_EQ(pie.BottomCaption(), "Laufwerk: " + form->bsSkinDriveComboBox1->Text());
    EXPECT_EQ(form->Label10->Caption(), "unverändert");

    // Clicking the checked unit again does nothing.
    form->Label17->SetCaption("Gesamt");
    h.Click(kb.X, kb.Y);
    EXPECT_EQ(form->Label17->Caption(), "Gesamt");

    // A refresh goes on in the checked unit and writes the details again.
    form->bsSkinButton1->Click();
    EXPECT_TRUE(form->Label17->Caption().ends_with(" KB"));
    EXPECT_NE(form->Label10->Caption(), "unverändert");

    // And back to MB.
    TPoint mb = form->MB->ClientToScreen({10, 12});
    h.Click(mb.X, mb.Y);
    EXPECT_EQ(Figure(form->Label17->Caption()), totalMb);
    EXPECT_TRUE(pie.GetSeriesName(2).ends_with(" MB)"));
}

TEST_F(MainFormRefreshTest, EveryRefreshCommandReadsTheDriveAgain) {
    struct Trigger {
        const char* name;
        std::function<void()> run;
    };
    for (const Trigger& t : {Trigger{"Aktualisieren", [&] { form->bsSkinButton1->Click(); }},
                             Trigger{"menu", [&] { form->Aktualisieren1->Click(); }},
                             Trigger{"selector, same entry", [&] { form->bsSkinDriveComboBox1->SetItemIndex(1); }},
                             Trigger{"selector, other entry", [&] { form->bsSkinDriveComboBox1->SetItemIndex(0); }}}) {
        SCOPED_TRACE(t.name);
        form->Label17->SetCaption("Gesamt");
        form->Label13->SetCaption("Laufwerk");
        t.run();
        EXPECT_TRUE(form->Label17->Caption().ends_with(" MB"));
        EXPECT_EQ(form->Label13->Caption(), form->bsSkinDriveComboBox1->Text().substr(0, 1));
    }
    EXPECT_EQ(form->Label13->Caption(), "c");
}

TEST_F(MainFormRefreshTest, AnEmptySelectorTextShowsZeroWithoutFailing) {
    // A machine without drives: an empty list and no text, reported to the window.
    form->Label17->SetCaption("Gesamt");
    form->bsSkinDriveComboBox1->ClearItems();
    form->bsSkinDriveComboBox1->SetText("");
    EXPECT_EQ(form->Label17->Caption(), "0 MB");
    EXPECT_EQ(form->Label14->Caption(), "0 MB");
    EXPECT_EQ(form->Label1->Caption(), "0 MB");
    EXPECT_EQ(form->SCPie1->Chart().GetSeriesName(1), "Frei (0 MB)");
    EXPECT_EQ(form->SCPie1->Chart().BottomCaption(), "Laufwerk: ");
    EXPECT_EQ(form->Label13->Caption(), "");
    form->bsSkinButton1->Click();
    EXPECT_EQ(form->Label14->Caption(), "0 MB");
    form->KBClick(nullptr);  // the unit switch on an empty text does nothing harmful either
    EXPECT_EQ(form->Label17->Caption(), "0 MB");
}

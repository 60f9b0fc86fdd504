// The main window's six settings in Velmora.ini: read at creation, written at destruction
// and at the session's end, and a write the system refuses.

#include <gtest/gtest.h>

#include <filesystem>

#include "MainFormTestFixture.h"
#include "os/IniFile.h"

using namespace app;

namespace {

class MainFormSettingsTest : public apptest::MainFormFixture {
protected:
    os::IniFile Ini() const { return os::IniFile(settings.IniPath()); }
};

class MainFormStoredSettingsTest : public MainFormSettingsTest {
protected:
    void PrepareSettings() override {
        testing_support::WriteBytes(settings.IniPath(),
                                    "[panel2]\r\nStatus=2\r\n[Panel3]\r\nStatus=0\r\n[Top]\r\nStatus=0x20\r\n"
                                    "[Left]\r\nStatus=$20\r\n[Width]\r\nStatus=900\r\n[Height]\r\nStatus=650\r\n");
    }
};

}  // namespace

TEST_F(MainFormSettingsTest, AFirstRunWritesTheSixSectionsInOrderWithTheWindowAsItWas) {
    h.Display().SetWorkArea({0, 0, 1280, 1024});
    form->Show();
    h.ProcessPending();
    EXPECT_FALSE(form->bsSkinExPanel2->RollState());
    EXPECT_FALSE(form->bsSkinExPanel3->RollState());
    const TRect bounds = form->BoundsRect();
    ASSERT_FALSE(std::filesystem::exists(settings.IniPath())) << "nothing is written while the window lives";
    application.reset();

    EXPECT_EQ(testing_support::ReadBytes(settings.IniPath()),
              "[Panel2]\nStatus=0\n[Panel3]\nStatus=0\n[Top]\nStatus=" + std::to_string(bounds.Top) +
                  "\n[Left]\nStatus=" + std::to_string(bounds.Left) + "\n[Width]\nStatus=" +
                  std::to_string(bounds.Width()) + "\n[Height]\nStatus=" + std::to_string(bounds.Height()) + "\n");
}

TEST_F(MainFormStoredSettingsTest, StoredValuesApplyAndTheWindowStillOpensCentred) {
    // "2" is true, lower-case section names are found, hexadecimal numbers read.
    EXPECT_TRUE(form->bsSkinExPanel2->RollState());
    EXPECT_FALSE(form->Label14->Visible());
    EXPECT_FALSE(form->bsSkinExPanel3->RollState());
    EXPECT_EQ(form->Top(), 32);
    EXPECT_EQ(form->Left(), 32);
    EXPECT_EQ(form->Width(), 900);
    EXPECT_EQ(form->Height(), 650);

    h.Display().SetWorkArea({0, 0, 1280, 1024});
    form->Show();
    h.ProcessPending();
    EXPECT_EQ(form->BoundsRect(), (TRect{190, 187, 1090, 837}));

    // Written back: true as "1", the bounds as they are now.
    form->bsSkinExPanel3->SetRollState(true);
    application.reset();
    os::IniFile ini = Ini();
    EXPECT_EQ(ini.ReadString("Panel2", "Status"), "1");
    EXPECT_EQ(ini.ReadString("Panel3", "Status"), "1");
    EXPECT_EQ(ini.ReadInteger("Top", "Status", 0), 187);
    EXPECT_EQ(ini.ReadInteger("Left", "Status", 0), 190);
    EXPECT_EQ(ini.ReadInteger("Width", "Status", 0), 900);
    EXPECT_EQ(ini.ReadInteger("Height", "Status", 0), 650);
}

TEST_F(MainFormSettingsTest, ValuesThatAreNoNumbersOrNoSizeKeepTheWindowAsDescribed) {
    const TRect described = form->BoundsRect();
    application.reset();
    testing_support::WriteBytes(settings.IniPath(),
                                "[Top]\nStatus=abc\n[Left]\nStatus=\n[Width]\nStatus=-40\n[Height]\nStatus=0\n");
    application = std::make_unique<vcl::TApplication>();
    form = application->CreateForm<TForm1>();
    EXPECT_EQ(form->Top(), 106);
    EXPECT_EQ(form->Left(), 192);
    EXPECT_EQ(form->Width(), described.Width());
    EXPECT_EQ(form->Height(), described.Height());
}

TEST_F(MainFormSettingsTest, TheSessionEndWritesAtOnceAndOtherSectionsStay) {
    os::IniFile ini = Ini();
    ini.WriteInteger("HintergrundD", "Status", 255);
    form->bsSkinExPanel3->SetRollState(true);
    application->EndSession();
    EXPECT_EQ(ini.ReadString("Panel3", "Status"), "1");
    EXPECT_EQ(ini.ReadInteger("Width", "Status", 0), form->Width());
    EXPECT_EQ(ini.ReadInteger("HintergrundD", "Status", 0), 255);
}

TEST(MainFormSettingsRefused, AWriteTheSystemRefusesIsShownOnceAndTheWindowStillGoes) {
    apptest::ScopedEnv drives{"VELMORA_DRIVES", "c=/;d=/tmp"};
    apptest::ScopedSettingsFolder settings;
    // A folder that does not exist cannot take the file.
    const std::string path = (settings.folder.Path() / "fehlt" / "Velmora.ini").string();
    TForm1::SettingsPathOverride = path;
    wm::headless::HeadlessSession h{1280, 1024};
    auto application = std::make_unique<vcl::TApplication>();
    application->SetTitle("Velmora");
    std::vector<std::string> errors;
    application->OnException = [&](TObject*, const std::exception& e) { errors.push_back(e.what()); };
    application->CreateForm<TForm1>();
    application.reset();
    EXPECT_EQ(errors, (std::vector<std::string>{"In " + path + " kann nicht geschrieben werden"}));
    EXPECT_EQ(Form1, nullptr);
    EXPECT_FALSE(std::filesystem::exists(path));
}

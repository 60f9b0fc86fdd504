#pragma once
// The main window on the headless display, on a machine of two drives (c is /, d is /tmp)
// and with its settings file in a folder of the test's own.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <memory>
#include <string>

#include "app/MainForm.h"
#include "os/TempFolder.h"
#include "vcl/TApplication.h"
#include "wm/headless/HeadlessSession.h"

namespace apptest {

// Sets an environment variable for the lifetime of the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old, hadOld_ = true;
        ::setenv(name, value, 1);
    }
    ~ScopedEnv() {
        if (hadOld_) ::setenv(name_.c_str(), old_.c_str(), 1);
        else ::unsetenv(name_.c_str());
    }

private:
    std::string name_, old_;
    bool hadOld_ = false;
};

// Points the main window's settings file into a temporary folder.
class ScopedSettingsFolder {
public:
    ScopedSettingsFolder() { app::TForm1::SettingsPathOverride = IniPath(); }
    ~ScopedSettingsFolder() { app::TForm1::SettingsPathOverride.clear(); }
    std::string IniPath() const { return folder.File("Velmora.ini"); }
    testing_support::TempFolder folder;
};

class MainFormFixture : public ::testing::Test {
protected:
    ScopedEnv drives{"VELMORA_DRIVES", "c=/;d=/tmp"};
    ScopedSettingsFolder settings;
    wm::headless::HeadlessSession h{1280, 1024};
    std::unique_ptr<vcl::TApplication> application = std::make_unique<vcl::TApplication>();
    app::TForm1* form = nullptr;

    // Settings written before the window is created; nothing by default.
    virtual void PrepareSettings() {}

    void SetUp() override {
        PrepareSettings();
        application->SetTitle("Velmora");
        form = application->CreateForm<app::TForm1>();
    }
    void TearDown() override { application.reset(); }
};

}  // namespace apptest

// The main window's six settings in Velmora.ini: the roll states of the two detail
// panels and the window's bounds. Read when the window is created, written when it is
// destroyed and when the session ends, always in the same order.

#include "app/MainForm.h"
#include "os/IniFile.h"
#include "vcl/TApplication.h"

namespace app {
namespace {

constexpr const char* kKey = "Status";

// A hand-edited size that no window can have keeps the size the window has.
int SaneSize(int stored, int current) { return stored >= 1 && stored <= 16384 ? stored : current; }

}  // namespace

std::string TForm1::SettingsPathOverride;

std::string TForm1::SettingsPath() {
    return SettingsPathOverride.empty() ? os::SettingsFilePath() : SettingsPathOverride;
}

void TForm1::ReadWindowSettings() {
    // Each value defaults to what the window has now, and is applied before the next is
    // read.
    const os::IniFile ini(SettingsPath());
    bsSkinExPanel2->SetRollState(ini.ReadBool("Panel2", kKey, bsSkinExPanel2->RollState()));
    bsSkinExPanel3->SetRollState(ini.ReadBool("Panel3", kKey, bsSkinExPanel3->RollState()));
    SetTop(ini.ReadInteger("Top", kKey, Top()));
    SetLeft(ini.ReadInteger("Left", kKey, Left()));
    SetWidth(SaneSize(ini.ReadInteger("Width", kKey, Width()), Width()));
    SetHeight(SaneSize(ini.ReadInteger("Height", kKey, Height()), Height()));
}

void TForm1::WriteWindowSettings() {
    os::IniFile ini(SettingsPath());
    ini.WriteBool("Panel2", kKey, bsSkinExPanel2->RollState());
    ini.WriteBool("Panel3", kKey, bsSkinExPanel3->RollState());
    ini.WriteInteger("Top", kKey, Top());
    ini.WriteInteger("Left", kKey, Left());
    ini.WriteInteger("Width", kKey, Width());
    ini.WriteInteger("Height", kKey, Height());
}

void TForm1::FormDestroy(TObject* sender) {
    // A refused write is shown; the window goes on being destroyed.
    try {
        WriteWindowSettings();
    } catch (const os::IniWriteError& error) {
        vcl::HandleException(sender, error);
    }
}

void TForm1::FormEndSession(TObject*, bool) {
    // Whatever the message says, the settings are written now: the program may not get to
    // its destruction. An error goes to the session's end handling, which cannot show a
    // box any more.
    WriteWindowSettings();
}

}  // namespace app

#include "app/VelmoraApplication.h"

#include <memory>

#include "app/AboutForm.h"
#include "app/ChartOptionsForm.h"
#include "app/MainForm.h"
#include "app/ProgramOptionsForm.h"
#include "skin/SkinWindowBridge.h"
#include "vcl/TApplication.h"
#include "wm/WindowSystem.h"

namespace app {

int RunVelmora() {
    auto application = std::make_unique<vcl::TApplication>();
    application->SetTitle("Velmora");
    skin::InstallSkinWindowBridge();
    application->CreateForm<TForm1>();
    application->CreateForm<TForm2>();
    application->CreateForm<TForm3>();
    application->CreateForm<TForm4>();
    application->Run();
    // The quit that ended the loop is answered now: it would end every later loop at
    // once, and a message box shown while the forms are destroyed (a settings file that
    // cannot be written) must wait for the user.
    if (wm::WindowSystem* system = wm::WindowSystem::Current()) system->quitCode.reset();
    // The forms go in reverse order with the application.
    application.reset();
    Form1 = nullptr;
    Form2 = nullptr;
    Form3 = nullptr;
    Form4 = nullptr;
    return 0;
}

}  // namespace app

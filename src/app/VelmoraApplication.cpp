#include "app/VelmoraApplication.h"

#include <memory>

#include "app/AboutForm.h"
#include "app/ChartOptionsForm.h"
#include "app/MainForm.h"
#include "app/ProgramOptionsForm.h"
#include "skin/SkinWindowBridge.h"
#include "vcl/TApplication.h"

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
    // The forms go in reverse order with the application.
    application.reset();
    Form1 = nullptr;
    Form2 = nullptr;
    Form3 = nullptr;
    Form4 = nullptr;
    return 0;
}

}  // namespace app

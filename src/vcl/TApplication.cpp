#include "vcl/TApplication.h"

#include <cstdio>

#include "vcl/MessageBox.h"
#include "vcl/TCustomControl.h"
#include "wm/MessageLoop.h"

namespace vcl {

TApplication* Application = nullptr;

TApplication::TApplication(TComponent* owner) : TComponent(owner) {
    Application = this;
    hookId_ = wm::AddMessageHook([this](wm::MSG& msg) { return HookMessage(msg); });
    if (wm::WindowSystem* ws = wm::WindowSystem::Current())
        ws->GetDisplay().SetSessionEndHandler([this] { EndSession(); });
}

TApplication::~TApplication() {
    // Forms go in the reverse order of their creation, while Application still names
    // this object (their OnDestroy may use it).
    DestroyComponents();
    wm::RemoveMessageHook(hookId_);
    if (wm::WindowSystem* ws = wm::WindowSystem::Current()) ws->GetDisplay().SetSessionEndHandler({});
    if (Application == this) Application = nullptr;
}

void TApplication::FormDestroyed(TForm* form) {
    if (form == mainForm_) mainForm_ = nullptr;
}

bool TApplication::HookMessage(wm::MSG& msg) {
    // Drawing done outside the paint cycle is shown before the next message.
    TCustomControl::ReleaseDeviceContexts();
    if (msg.message != wm::WM_KEYDOWN && msg.message != wm::WM_SYSKEYDOWN &&
        msg.message != wm::WM_CHAR && msg.message != wm::WM_SYSCHAR)
        return false;
    TWinControl* target = TWinControl::FindControl(msg.hwnd);
    TForm* form = target ? GetParentForm(target) : nullptr;
    if (!form) return false;
    try {
        return form->PreprocessKey(target, msg);
    } catch (const std::exception& e) {
        HandleException(form, e);
        return true;
    }
}

void TApplication::Run() {
    if (mainForm_ && showMainForm_ && !terminated_) mainForm_->Show();
    while (!terminated_ && mainForm_) HandleMessage();
}

void TApplication::EndSession() {
    // Errors cannot be shown in a message box now (the display may be gone).
    for (int i = 0; i < ComponentCount(); ++i) {
        auto* form = dynamic_cast<TForm*>(Components(i));
        if (!form) continue;
        try {
            form->Perform(wm::WM_ENDSESSION, 1, 0);
        } catch (const std::exception& e) {
            std::fprintf(stderr, "%s: %s\n", title_.c_str(), ErrorText(e).c_str());
        }
    }
}

void TApplication::Terminate() {
    if (terminated_) return;
    terminated_ = true;
    wm::PostQuitMessage(0);
}

void TApplication::HandleMessage() {
    TCustomControl::ReleaseDeviceContexts();
    wm::MSG msg;
    if (!wm::GetMessage(msg)) {
        terminated_ = true;
        return;
    }
    wm::ProcessMessage(msg);
}

void TApplication::ProcessMessages() {
    if (!wm::ProcessPendingMessages()) terminated_ = true;
    TCustomControl::ReleaseDeviceContexts();
}

std::string ErrorText(const std::exception& error) {
    std::string text = error.what();
    if (!text.empty() && text.back() != '.') text += '.';
    return text;
}

void TApplication::HandleException(TObject* sender, const std::exception& error) {
    if (OnException) {
        OnException(sender, error);
        return;
    }
    ShowException(error);
}

void TApplication::ShowException(const std::exception& error) {
    MessageBox(ErrorText(error), title_, MB_OK | MB_ICONSTOP);
}

void HandleException(TObject* sender, const std::exception& error) {
    if (Application) {
        Application->HandleException(sender, error);
        return;
    }
    std::fprintf(stderr, "%s\n", ErrorText(error).c_str());
}

}  // namespace vcl

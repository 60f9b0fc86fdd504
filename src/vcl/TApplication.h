#pragma once
// The application: its title, its forms (the first one created with CreateForm is the
// main form; all are destroyed in the reverse order of their creation), the message
// loop, and what happens to errors: an exception thrown by an event handler run from
// the loop is shown in an error box titled with the application's title, and the
// program goes on.
//
// One TApplication exists at a time (the global Application); it needs a running
// window system.

#include <exception>
#include <functional>
#include <string>

#include "vcl/TComponent.h"
#include "vcl/TForm.h"

namespace vcl {

using TExceptionEvent = std::function<void(TObject* sender, const std::exception& error)>;

class TApplication : public TComponent {
public:
    explicit TApplication(TComponent* owner = nullptr);
    ~TApplication() override;

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }
    TForm* MainForm() const { return mainForm_; }
    bool ShowMainForm() const { return showMainForm_; }
    void SetShowMainForm(bool on) { showMainForm_ = on; }

    // Creates a form owned by the application (its description applied and OnCreate
    // run); the first becomes the main form.
    template <typename T, typename... Args>
    T* CreateForm(Args&&... args) {
        T* form = new T(this, std::forward<Args>(args)...);
        if (!mainForm_) mainForm_ = form;
        try {
            form->AfterConstruction();
        } catch (...) {
            Free(form);
            throw;
        }
        return form;
    }

    // Shows the main form and runs the loop until it closes or Terminate is called.
    void Run();
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Handles everything pending without waiting.
    void ProcessMessages();
    // Waits for one message and handles it.
    void HandleMessage();

    // The session ends: every form gets WM_ENDSESSION (wParam 1), in creation order, so
    // it can write its settings at once. The display calls it when it is told the session
    // ends, and ends the process afterwards without destroying the forms.
    void EndSession();

    // Shows an error (or passes it to OnException).
    void HandleException(TObject* sender, const std::exception& error);
    void ShowException(const std::exception& error);
    TExceptionEvent OnException;

    // Internal: a form goes away.
    void FormDestroyed(TForm* form);

private:
    bool HookMessage(wm::MSG& msg);

    std::string title_;
    TForm* mainForm_ = nullptr;
    bool showMainForm_ = true;
    bool terminated_ = false;
    int hookId_ = 0;
};

// The application object, null while none exists.
extern TApplication* Application;

// Routes an error from code run by the message loop: to Application, else to stderr.
void HandleException(TObject* sender, const std::exception& error);

// The text shown for an error: its message with a full stop added unless it ends with one.
std::string ErrorText(const std::exception& error);

}  // namespace vcl

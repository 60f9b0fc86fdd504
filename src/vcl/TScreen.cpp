#include "vcl/TScreen.h"

#include <algorithm>

#include "vcl/TForm.h"
#include "wm/Input.h"
#include "wm/Windows.h"

namespace vcl {

static TScreen& TheScreen() {
    static TScreen screen;
    return screen;
}
TScreen* const Screen = &TheScreen();

TScreen::TScreen() {
    hintFont_.SetName("Tahoma");
    hintFont_.SetHeight(-11);
    hintFont_.SetColor(clInfoText);
    messageFont_.SetName("Tahoma");
    messageFont_.SetHeight(-11);
    messageFont_.SetColor(clWindowText);
}

int TScreen::Width() const { return wm::GetScreenRect().Width(); }
int TScreen::Height() const { return wm::GetScreenRect().Height(); }
TRect TScreen::DesktopRect() const { return wm::GetScreenRect(); }
TRect TScreen::WorkAreaRect() const { return wm::GetWorkArea(); }

TForm* TScreen::Forms(int index) const {
    if (index < 0 || index >= FormCount()) return nullptr;
    return forms_[static_cast<size_t>(index)];
}

TForm* TScreen::ActiveForm() const {
    HWND active = wm::GetActiveWindow();
    for (TForm* f : forms_)
        if (f->HandleAllocated() && f->Handle() == active) return f;
    return nullptr;
}

void TScreen::SetCursor(TCursor cursor) {
    cursor_ = cursor;
    bool wait = cursor != crDefault;
    if (wait == waitShown_) return;
    waitShown_ = wait;
    wm::SetWaitCursor(wait);
}

void TScreen::AddForm(TForm* form) { forms_.push_back(form); }

void TScreen::RemoveForm(TForm* form) {
    std::erase(forms_, form);
    if (lastActive_ == form) lastActive_ = nullptr;
}

}  // namespace vcl

// A window with one skinned edit (Chrome skin) for the end-to-end tests, on the real X
// server. It reports on standard output, one line per event:
//   "active"                        the window is active and the edit has the focus
//   "state <start> <end> <text>"    after every key release and mouse release in the edit:
//                                   the selection (character positions) and the text
// The edit sits at (10, 10) of a borderless form at (40, 40), 280 pixels wide.

#include <cstdio>
#include <memory>
#include <string>

#include "skin/EmbeddedSkin.h"
#include "skin/TbsCompressedStoredSkin.h"
#include "skin/TbsSkinData.h"
#include "skin/controls/TbsSkinEdit.h"
#include "vcl/TApplication.h"
#include "vcl/TForm.h"
#include "wm/WindowSystem.h"
#include "wm/x11/X11Display.h"

namespace {

void Say(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

class ProbeEdit : public skin::TbsSkinEdit {
public:
    using TbsSkinEdit::TbsSkinEdit;

protected:
    void KeyUp(uint16_t& key, vcl::TShiftState shift) override {
        TbsSkinEdit::KeyUp(key, shift);
        Report();
    }
    void MouseUp(vcl::TMouseButton button, vcl::TShiftState shift, int x, int y) override {
        TbsSkinEdit::MouseUp(button, shift, x, y);
        Report();
    }

private:
    void Report() {
        Say("state " + std::to_string(Buffer().SelStart()) + " " + std::to_string(Buffer().SelEnd()) + " " +
            EditText());
    }
};

int Run() {
    auto application = std::make_unique<vcl::TApplication>();
    application->SetTitle("EditProbe");
    skin::TbsCompressedStoredSkin chrome;
    skin::TbsSkinData skinData;
    if (!skin::LoadEmbeddedChromeSkin(skinData, chrome, [](const std::string& e) { Say("skin error " + e); }))
        return 1;
    auto* form = application->CreateForm<vcl::TForm>();
    form->SetBorderStyle(vcl::bsNone);
    form->SetBounds(40, 40, 300, 50);
    form->SetCaption("EditProbe");
    auto* edit = new ProbeEdit(form);
    edit->SetParent(form);
    edit->SetUseSkinFont(false);
    edit->SetSkinData(&skinData);
    edit->SetBounds(10, 10, 280, 20);
    form->SetActiveControl(edit);
    bool announced = false;
    form->OnActivate = [&](vcl::TObject*) {
        if (announced) return;
        edit->SetFocus();
        announced = edit->Focused();
        if (announced) Say("active");
    };
    application->Run();
    return 0;
}

}  // namespace

int main() {
    auto display = wm::x11::X11Display::Open();
    if (!display) return 1;
    int code;
    {
        wm::WindowSystem system(*display);
        code = Run();
    }
    return code;
}

// A small program the end-to-end tests drive: it uses one display service and reports
// on standard output, one line per event.
//
//   x11_service_probe hotkey               registers Ctrl+K; "registered 1|0", "hotkey <id>"
//   x11_service_probe hotkey-modal         the same while a modal form is open ("modal")
//   x11_service_probe hotkey-dialog        "active"; Ctrl+K opens a modal form: "dialog active",
//                                          then "key <vk> ctrl <0|1>" as the window system
//                                          sees Ctrl at each key press
//   x11_service_probe set-picture W H      a W x H picture on the clipboard; "ready"
//   x11_service_probe set-text TEXT        TEXT on the clipboard; "ready"
//   x11_service_probe set-long-text N      N bytes of text (INCR for large N); "ready"
//   x11_service_probe input                a form at (40, 40) reporting "active", "key <vk>",
//                                          "char <code point>", "click <x> <y>" (client)
//   x11_service_probe opacity              "translucency 0|1", then opacity 128 on its form; "ready"
//   x11_service_probe read-text            "text: <clipboard text>" or "no text"
//   x11_service_probe popup                a menu-like popup holding the pointer grab;
//                                          "opened", then "closed" after a click outside
//   x11_service_probe end-session FILE     three forms that append "<name> WM_ENDSESSION"
//                                          to FILE at the session end; "ready"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "vcl/TApplication.h"
#include "vcl/TForm.h"
#include "wm/DefWindowProc.h"
#include "wm/Input.h"
#include "wm/MessageLoop.h"
#include "wm/Paint.h"
#include "wm/Windows.h"
#include "wm/WindowSystem.h"
#include "wm/x11/X11Display.h"

namespace {

using namespace vcl;

void Say(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

wm::Display& TheDisplay() { return wm::WindowSystem::Current()->GetDisplay(); }

class ProbeForm : public TForm {
public:
    explicit ProbeForm(TComponent* owner, std::string recordFile = {})
        : TForm(owner), recordFile_(std::move(recordFile)) {
        BeginLoading();
        SetBorderStyle(bsNone);
        SetBounds(40, 40, 160, 120);
    }

protected:
    void WndProc(TMessage& m) override {
        if (m.Msg == wm::WM_HOTKEY) Say("hotkey " + std::to_string(m.WParam));
        if (m.Msg == wm::WM_HOTKEY && dialogOnHotKey) dialogOnHotKey->ShowModal();
        if (reportCtrl && (m.Msg == wm::WM_KEYDOWN || m.Msg == wm::WM_SYSKEYDOWN))
            Say("key " + std::to_string(m.WParam) + " ctrl " +
                ((wm::GetKeyState(kVkControl) & 0x8000) ? "1" : "0"));
        if (reportInput) {
            if (m.Msg == wm::WM_KEYDOWN) Say("key " + std::to_string(m.WParam) + ((m.LParam >> 30) & 1 ? " repeat" : ""));
            if (m.Msg == wm::WM_CHAR) Say("char " + std::to_string(m.WParam));
            if (m.Msg == wm::WM_ACTIVATE) Say(std::string("activate ") + ((m.WParam & 0xFFFF) ? "on" : "off"));
            if (m.Msg == wm::WM_LBUTTONDOWN || m.Msg == wm::WM_LBUTTONDBLCLK)
                Say("click " + std::to_string(static_cast<int16_t>(m.LParam & 0xFFFF)) + " " +
                    std::to_string(static_cast<int16_t>((m.LParam >> 16) & 0xFFFF)));
        }
        TForm::WndProc(m);
    }
    void EndSession(bool ending) override {
        if (!recordFile_.empty()) std::ofstream(recordFile_, std::ios::app) << Name() << " WM_ENDSESSION\n";
        TForm::EndSession(ending);
    }

public:
    static constexpr int kVkControl = 0x11;
    bool reportInput = false;
    bool reportCtrl = false;
    ProbeForm* dialogOnHotKey = nullptr;

private:
    std::string recordFile_;
};

// A window like a menu level: never activated, on top, closing at a click outside it.
LRESULT PopupProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == wm::WM_LBUTTONDOWN) {
        TPoint p{static_cast<int16_t>(lParam & 0xFFFF), static_cast<int16_t>((lParam >> 16) & 0xFFFF)};
        TRect client = wm::GetClientRect(hwnd);
        if (!client.Contains(p)) {
            TheDisplay().UngrabPointer();
            wm::ReleaseCapture();
            Say("closed");
            wm::PostQuitMessage(0);
        }
        return 0;
    }
    return wm::DefWindowProc(hwnd, msg, wParam, lParam);
}

int RunPopup() {
    wm::CreateParams p;
    p.className = "ProbePopup";
    p.style = wm::WS_POPUP | wm::WS_VISIBLE | wm::WS_EX_TOPMOST | wm::WS_EX_NOACTIVATE;
    p.bounds = {100, 100, 300, 250};
    p.proc = PopupProc;
    p.background = clWhite;
    HWND popup = wm::CreateWindow(p);
    wm::UpdateWindow(popup);
    wm::SetCapture(popup);
    wm::Window* w = wm::WindowSystem::Current()->Find(popup);
    bool grabbed = false;
    for (int attempt = 0; attempt < 200 && !grabbed; ++attempt) {
        grabbed = TheDisplay().GrabPointer(w->surface);
        if (!grabbed) wm::ProcessPendingMessages();
    }
    Say(grabbed ? "opened" : "grab failed");
    return wm::RunMessageLoop();
}

gfx::Bitmap TestPicture(int width, int height) {
    gfx::Bitmap picture(width, height);
    picture.Fill(0x00336699);
    for (int x = 0; x < width; ++x) picture.SetPixel(x, 0, clRed);
    return picture;
}

int Run(int argc, char** argv) {
    std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "popup") return RunPopup();

    auto application = std::make_unique<TApplication>();
    application->SetTitle("Probe");
    std::string record = mode == "end-session" && argc > 2 ? argv[2] : "";
    auto* main = application->CreateForm<ProbeForm>(record);
    main->SetName("Form1");
    main->SetCaption("Probe");
    if (mode == "end-session") {
        application->CreateForm<ProbeForm>(record)->SetName("Form2");
        application->CreateForm<ProbeForm>(record)->SetName("Form3");
        Say("ready");
    } else if (mode == "opacity") {
        main->Show();
        wm::UpdateWindow(main->Handle());
        Say(std::string("translucency ") + (TheDisplay().TranslucencyAvailable() ? "1" : "0"));
        TheDisplay().SetSurfaceOpacity(wm::WindowSystem::Current()->Find(main->Handle())->surface, 128);
        Say("ready");
    } else if (mode == "input") {
        main->reportInput = true;
        main->OnActivate = [](TObject*) { Say("active"); };
    } else if (mode == "hotkey" || mode == "hotkey-modal") {
        bool ok = TheDisplay().RegisterHotKey(main->Handle(), 1, wm::MOD_CONTROL, 'K');
        Say(std::string("registered ") + (ok ? "1" : "0"));
        if (mode == "hotkey-modal") {
            main->Show();
            auto* dialog = application->CreateForm<ProbeForm>();
            dialog->OnShow = [](TObject*) { Say("modal"); };
            dialog->ShowModal();
        }
    } else if (mode == "hotkey-dialog") {
        main->OnActivate = [](TObject*) { Say("active"); };
        bool ok = TheDisplay().RegisterHotKey(main->Handle(), 1, wm::MOD_CONTROL, 'K');
        Say(std::string("registered ") + (ok ? "1" : "0"));
        auto* dialog = application->CreateForm<ProbeForm>();
        dialog->SetName("Dialog");
        dialog->reportCtrl = true;
        dialog->OnActivate = [](TObject*) { Say("dialog active"); };
        main->dialogOnHotKey = dialog;
    } else if (mode == "set-picture" && argc > 3) {
        wm::Display::ClipboardContent content;
        content.picture = TestPicture(std::atoi(argv[2]), std::atoi(argv[3]));
        Say(TheDisplay().SetClipboard(content) ? "ready" : "refused");
    } else if ((mode == "set-text" && argc > 2) || (mode == "set-long-text" && argc > 2)) {
        wm::Display::ClipboardContent content;
        content.text = mode == "set-text" ? std::string(argv[2]) : std::string(std::stoul(argv[2]), 'x');
        Say(TheDisplay().SetClipboard(content) ? "ready" : "refused");
    } else if (mode == "read-text") {
        auto text = TheDisplay().ClipboardText();
        Say(text ? "text: " + *text : "no text");
        return 0;
    } else {
        std::fprintf(stderr, "unknown mode\n");
        return 2;
    }
    application->Run();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    auto display = wm::x11::X11Display::Open();
    if (!display) return 1;
    int code;
    {
        wm::WindowSystem system(*display);
        code = Run(argc, argv);
    }
    return code;
}

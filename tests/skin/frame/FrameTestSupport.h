#pragma once
// What the skinned frame's component tests share: a headless session with an
// application, the Chrome skin, forms with a TbsBusinessSkinForm on them, a small menu
// bar that records what the frame asks of it, and screenshots.

#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "gfx/PngCodec.h"
#include "skin/EmbeddedSkin.h"
#include "skin/TbsSkinData.h"
#include "skin/frame/MenuBarLinks.h"
#include "skin/frame/TbsBusinessSkinForm.h"
#include "skin/menus/TbsSkinMenu.h"
#include "vcl/TApplication.h"
#include "vcl/TForm.h"
#include "vcl/TMainMenu.h"
#include "wm/MessageLoop.h"
#include "wm/Windows.h"
#include "wm/headless/HeadlessSession.h"

namespace frametest {

using namespace vcl;

// Plays the menu bar's part: records the frame's calls; its items are the main menu's
// top-level captions.
class TFakeMenuBar : public TComponent, public skin::FrameMenuBar {
public:
    explicit TFakeMenuBar(TComponent* owner) : TComponent(owner) {}
    TMainMenu* menu = nullptr;
    std::vector<std::string> calls;
    bool down = false;

    TMainMenu* BarMainMenu() const override { return menu; }
    void EnterKeyboardMode() override { calls.push_back("enter"); }
    void LeaveMenuMode() override { calls.push_back("leave"); }
    bool SelectAccelerator(uint16_t key) override {
        if (!menu) return false;
        for (int i = 0; i < menu->Items()->Count(); ++i) {
            const std::string& caption = menu->Items()->Items(i)->Caption();
            const size_t amp = caption.find('&');
            if (amp != std::string::npos && amp + 1 < caption.size() &&
                std::toupper(static_cast<unsigned char>(caption[amp + 1])) == key) {
                calls.push_back("accel " + caption);
                return true;
            }
        }
        return false;
    }
    void EnterNextItem() override { calls.push_back("next"); }
    void EnterPreviousItem() override { calls.push_back("previous"); }
    bool ActOnCurrentItem() override {
        calls.push_back("act");
        return true;
    }
    bool HasDownItem() const override { return down; }
    void DropDownClosedByEscape() override { calls.push_back("escape-closed"); }
};

class FrameTest : public ::testing::Test {
protected:
    wm::headless::HeadlessSession h{1024, 768};
    // The skins outlive the forms (declared before the application, which frees them).
    skin::TbsSkinData chromeData;
    skin::TbsCompressedStoredSkin chrome;
    skin::TbsSkinData laterData;  // loaded by a test itself
    skin::TbsCompressedStoredSkin laterStored;
    std::unique_ptr<TApplication> app = std::make_unique<TApplication>();

    void SetUp() override {
        ASSERT_TRUE(skin::LoadEmbeddedChromeSkin(chromeData, chrome, [](const std::string&) {}));
    }
    // The forms go while everything a test's handlers use still exists.
    void TearDown() override { app.reset(); }

    // A shown form with a frame; `icons` as the application sets them.
    skin::TbsBusinessSkinForm* MakeFramedForm(TForm*& form, TFormBorderStyle border,
                                              const TRect& bounds,
                                              skin::TbsBorderIcons icons,
                                              skin::TbsSkinData* data) {
        form = app->CreateForm<TForm>();
        form->SetBorderStyle(border);
        form->SetCaption("Velmora");
        form->SetBoundsRect(bounds);
        auto* frame = new skin::TbsBusinessSkinForm(form);
        frame->SetBorderIcons(icons);
        frame->SetSkinData(data);
        form->Show();
        h.ProcessPending();
        return frame;
    }

    // The main window as the application has it: sizeable, system menu, minimize and
    // roll-up, client 742 x 534 plus the frame.
    skin::TbsBusinessSkinForm* MainWindow(TForm*& form, skin::TbsSkinData* data) {
        return MakeFramedForm(form, bsSizeable, TRect::FromSize(100, 80, 752, 563),
                              {skin::biSystemMenu, skin::biMinimize, skin::biRollUp}, data);
    }

    // The screen point of a window point of the form.
    static TPoint OnScreen(TForm* form, TPoint windowPoint) {
        return windowPoint + wm::GetWindowRect(form->Handle()).TopLeft();
    }
    static TPoint Centre(const TRect& r) { return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }

    int HitAt(TForm* form, TPoint windowPoint) {
        return static_cast<int>(wm::SendMessage(form->Handle(), wm::WM_NCHITTEST, 0,
                                                wm::MakePointParam(OnScreen(form, windowPoint))));
    }

    static std::vector<std::string> Captions(TMenuItem* root) {
        std::vector<std::string> captions;
        for (int i = 0; i < root->Count(); ++i) captions.push_back(root->Items(i)->Caption());
        return captions;
    }

    static void Save(const gfx::Bitmap& image, const std::string& name) {
        std::vector<uint8_t> png = gfx::EncodePng(image);
        std::ofstream out(std::string(VELMORA_SCREENSHOTS) + "/" + name, std::ios::binary);
        out.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    }
};

}  // namespace frametest

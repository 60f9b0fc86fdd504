#pragma once
// What the component tests share: a headless window system with an application object,
// and small controls whose behaviour the tests can observe.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "vcl/TApplication.h"
#include "vcl/TCustomControl.h"
#include "vcl/TForm.h"
#include "wm/Paint.h"
#include "wm/headless/HeadlessSession.h"

namespace vcltest {

using namespace vcl;

class VclTest : public ::testing::Test {
protected:
    wm::headless::HeadlessSession h{800, 600};
    // Declared after the session, so it goes first.
    std::unique_ptr<TApplication> app = std::make_unique<TApplication>();

    // A borderless form owned by the application, at a screen rectangle.
    TForm* MakeForm(const TRect& bounds, TColor color = clWhite) {
        TForm* form = app->CreateForm<TForm>();
        form->SetBorderStyle(bsNone);
        form->SetBoundsRect(bounds);
        form->SetColor(color);
        return form;
    }
    // What the form shows, window coordinates.
    gfx::Bitmap Image(TForm* form) {
        h.ProcessPending();
        return h.WindowImage(form->Handle());
    }
};

// A windowed control that can take the focus and records what reaches it.
class TProbe : public TCustomControl {
public:
    explicit TProbe(TComponent* owner, TWinControl* parent = nullptr, bool tabStop = true)
        : TCustomControl(owner) {
        SetTabStop(tabStop);
        SetBounds(0, 0, 50, 20);
        if (parent) SetParent(parent);
    }
    bool wantsChars = false;
    std::vector<uint16_t> keysDown;
    std::u32string typed;
    bool WantsChars() const override { return wantsChars; }

protected:
    void KeyDown(uint16_t& key, TShiftState shift) override {
        keysDown.push_back(key);
        TCustomControl::KeyDown(key, shift);
    }
    void KeyPress(char32_t& key) override {
        typed += key;
        TCustomControl::KeyPress(key);
    }
};

inline TColor Rgb(TColor c) { return base::ColorToRGB(c); }

}  // namespace vcltest

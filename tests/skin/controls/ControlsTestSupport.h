#pragma once
// What the skinned-control tests share: a headless window system with an application,
// the Chrome skin loaded once per test, forms to place controls on, and pixel helpers.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/EmbeddedSkin.h"
#include "skin/TbsCompressedStoredSkin.h"
#include "skin/TbsSkinData.h"
#include "skin/controls/SkinControlTypes.h"
#include "vcl/TApplication.h"
#include "vcl/TForm.h"
#include "wm/Input.h"
#include "wm/headless/HeadlessSession.h"

namespace ctltest {

using namespace vcl;

class ControlsTest : public ::testing::Test {
protected:
    wm::headless::HeadlessSession h{800, 600};
    std::unique_ptr<TApplication> app = std::make_unique<TApplication>();
    skin::TbsCompressedStoredSkin chrome;
    skin::TbsSkinData skinData;

    void LoadSkin() {
        ASSERT_TRUE(skin::LoadEmbeddedChromeSkin(skinData, chrome, [](const std::string& e) {
            ADD_FAILURE() << e;
        }));
    }
    // A borderless form at a screen rectangle, shown.
    TForm* MakeForm(const TRect& bounds = {0, 0, 400, 300}, TColor color = clWhite) {
        TForm* form = app->CreateForm<TForm>();
        form->SetBorderStyle(bsNone);
        form->SetBoundsRect(bounds);
        form->SetColor(color);
        return form;
    }
    template <typename T>
    T* Place(TForm* form, const TRect& bounds, bool skinned) {
        auto* c = new T(form);
        if (skinned) c->SetSkinData(&skinData);
        c->SetParent(form);
        c->SetBoundsRect(bounds);
        return c;
    }
    gfx::Bitmap Image(TForm* form) {
        h.ProcessPending();
        return h.WindowImage(form->Handle());
    }
    // Screen point of a control's client point.
    static TPoint At(TControl* c, int x, int y) { return c->ClientToScreen({x, y}); }
    void ClickAt(TControl* c, int x, int y) {
        TPoint p = At(c, x, y);
        h.Click(p.X, p.Y);
    }
    void MoveTo(TControl* c, int x, int y) {
        TPoint p = At(c, x, y);
        h.MoveTo(p.X, p.Y);
    }
};

inline TColor Rgb(TColor c) { return base::ColorToRGB(c); }
inline TColor kNavyRgb() { return base::RGB(0, 0, 128); }

// Whether any pixel of r differs from `background`.
inline bool HasInk(const gfx::Bitmap& b, const TRect& r, TColor background) {
    TRect c = r.Intersect(b.Bounds());
    for (int y = c.Top; y < c.Bottom; ++y)
        for (int x = c.Left; x < c.Right; ++x)
            if (b.Pixel(x, y) != background) return true;
    return false;
}

// Records event names in order.
struct EventLog {
    std::vector<std::string> events;
    TNotifyEvent Recorder(const std::string& name) {
        return [this, name](TObject*) { events.push_back(name); };
    }
};

}  // namespace ctltest

// The skin's window-bound primitives reach the window system through the bridge: a
// control gets its parent's background, translucency follows the display.
#include "skin/SkinWindowBridge.h"

#include <gtest/gtest.h>

#include "skin/SkinWindowHooks.h"
#include "vcl/TApplication.h"
#include "vcl/TCustomControl.h"
#include "vcl/TForm.h"
#include "wm/headless/HeadlessSession.h"

namespace {

using namespace vcl;

class SkinWindowBridge : public ::testing::Test {
protected:
    void SetUp() override { skin::InstallSkinWindowBridge(); }
    void TearDown() override { skin::SetSkinWindowHooks({}); }

    wm::headless::HeadlessSession h{800, 600};
    std::unique_ptr<TApplication> app = std::make_unique<TApplication>();
};

TEST_F(SkinWindowBridge, AControlGetsTheBackgroundOfItsParentUnderIt) {
    TForm* form = app->CreateForm<TForm>();
    form->SetBorderStyle(bsNone);
    form->SetBoundsRect({100, 100, 300, 200});
    form->SetColor(clRed);
    // The form marks the pixel under the control's client origin (20, 10).
    form->OnPaint = [form](TObject*) {
        form->Canvas()->Brush()->SetColor(clLime);
        form->Canvas()->FillRect({20, 10, 21, 11});
    };
    auto* control = new TCustomControl(form);
    control->SetBounds(20, 10, 40, 30);
    control->SetParent(form);
    form->Show();
    h.ProcessPending();

    gfx::Bitmap picture(40, 30);
    gfx::Canvas canvas(picture);
    skin::PaintParentBackground(static_cast<const TControl*>(control), canvas);
    EXPECT_EQ(picture.Pixel(0, 0), clLime);
    EXPECT_EQ(picture.Pixel(1, 0), clRed);
    EXPECT_EQ(picture.Pixel(39, 29), clRed);

    // A canvas drawing with an origin gets the background at the same logical place.
    canvas.SetOrigin({10, 5});
    skin::PaintParentBackground(static_cast<const TControl*>(control), canvas);
    EXPECT_EQ(picture.Pixel(10, 5), clLime);
    EXPECT_EQ(picture.Pixel(0, 0), clRed);
}

TEST_F(SkinWindowBridge, WithoutACompositorWindowsStayOpaque) {
    EXPECT_FALSE(skin::LayeredWindowsAvailable());
    TForm* form = app->CreateForm<TForm>();
    skin::SetWindowAlpha(static_cast<const TControl*>(form), 128);  // does nothing, fails nothing
    SUCCEED();
}

}  // namespace

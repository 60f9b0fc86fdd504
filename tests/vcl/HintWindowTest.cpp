// The hint window: placement inside the work area, look, and never taking activation.
#include "VclTestSupport.h"
#include "vcl/THintWindow.h"
#include "vcl/TScreen.h"
#include "wm/Input.h"
#include "wm/Windows.h"

using namespace vcltest;

TEST_F(VclTest, HintWindowStaysInsideTheWorkAreaNearTheScreenEdge) {
    h.Display().SetWorkArea({0, 0, 800, 570});  // a task bar below
    TForm* form = MakeForm({0, 0, 300, 300});
    form->Show();
    THintWindow hint(nullptr);
    TRect need = hint.CalcHintRect(1000, "Frei<br>25%");
    EXPECT_EQ(need.Left, 0);
    EXPECT_GT(need.Width(), 6);

    // Asked for at the pointer near the bottom-right corner: moved up and left.
    hint.ActivateHint(TRect::FromSize(780, 560, 60, 15), "Frei");
    EXPECT_EQ(hint.BoundsRect(), TRect(740, 551, 800, 570));  // 4 added to the height
    EXPECT_TRUE(wm::IsWindowVisible(hint.Handle()));
    EXPECT_EQ(wm::GetActiveWindow(), form->Handle());  // shown without activation
    EXPECT_TRUE(wm::GetWindowStyle(hint.Handle()) & wm::WS_EX_TOPMOST);

    // Never left of (or above) the work area.
    hint.ActivateHint(TRect::FromSize(-30, -5, 60, 15), "Belegt");
    EXPECT_EQ(hint.BoundsRect(), TRect(0, 0, 60, 19));

    // The look: raised one-pixel border around the tooltip colour.
    h.ProcessPending();
    gfx::Bitmap img = h.WindowImage(hint.Handle());
    EXPECT_EQ(img.Pixel(0, 0), Rgb(clBtnHighlight));
    EXPECT_EQ(img.Pixel(59, 18), Rgb(clBtnShadow));
    EXPECT_EQ(img.Pixel(58, 1), Rgb(clInfoBk));

    // The pointer passes through it to the form below.
    h.MoveTo(5, 5);
    EXPECT_EQ(wm::WindowFromPoint({5, 5}), form->Handle());

    hint.ReleaseHandle();
    EXPECT_FALSE(hint.HandleAllocated());
}

// The scroll bar: position rules, layout and thumb, button repeat, track paging, drag.
#include "ControlsTestSupport.h"
#include "skin/controls/TbsSkinScrollBar.h"

using namespace ctltest;
using skin::TbsSkinScrollBar;

namespace {
struct ScrollBarTest : ControlsTest {
    TForm* form = nullptr;
    TbsSkinScrollBar* bar = nullptr;
    int changes = 0;
    int lastChanges = 0;
    void SetUpBar(bool skinned) {
        if (skinned) LoadSkin();
        form = MakeForm();
        bar = Place<TbsSkinScrollBar>(form, {10, 10, 210, 30}, skinned);
        bar->OnChange = [this](TObject*) { ++changes; };
        bar->OnLastChange = [this](TObject*) { ++lastChanges; };
        form->Show();
        h.ProcessPending();
    }
};
}  // namespace

TEST_F(ScrollBarTest, PositionIsClampedByMaxAndPageAndChangesFireOnce) {
    SetUpBar(false);
    bar->SetPageSize(10);
    bar->SetPosition(1000);
    EXPECT_EQ(bar->Position(), 91);
    EXPECT_EQ(changes, 1);
    bar->SetPosition(91);
    EXPECT_EQ(changes, 1);
    bar->SetRange(0, 50, 0, 70);  // the owner's range: clamped, no event
    EXPECT_EQ(bar->Position(), 50);
    EXPECT_EQ(changes, 1);
}

TEST_F(ScrollBarTest, UnskinnedThumbOf200WideBarAtHalfway) {
    SetUpBar(false);
    bar->SetPosition(50);
    auto p = bar->ComputeParts();
    EXPECT_EQ(p.track, TRect(17, 1, 183, 19));
    EXPECT_EQ(p.thumb.Left, 92);  // 17 + round(0.5 * 150)
    EXPECT_EQ(p.thumb.Width(), 16);
    gfx::Bitmap img = Image(form);
    EXPECT_EQ(img.Pixel(10 + 92, 15), Rgb(clBtnShadow));  // the thumb's frame
    EXPECT_EQ(img.Pixel(10 + 91, 15), Rgb(clBtnFace));    // the track just before it
}

TEST_F(ScrollBarTest, HoldingAButtonStepsAtPressThenAfter500MsEvery50Ms) {
    SetUpBar(false);
    bar->SetMax(1000);
    changes = 0;
    MoveTo(bar, 190, 10);  // the incrementing button
    h.Press();
    EXPECT_EQ(bar->Position(), 1);
    h.Advance(500);
    EXPECT_EQ(bar->Position(), 1);  // the first tick only switches the period
    h.Advance(500);
    EXPECT_EQ(bar->Position(), 11);
    h.Release();
    h.Advance(200);
    EXPECT_EQ(bar->Position(), 11);
    EXPECT_EQ(lastChanges, 0);  // buttons give no OnLastChange
}

TEST_F(ScrollBarTest, TrackPagingStopsUnderThePointer) {
    SetUpBar(false);
    bar->SetLargeChange(10);
    MoveTo(bar, 150, 10);
    h.Press();
    EXPECT_EQ(bar->Position(), 10);
    h.Advance(2000);
    auto p = bar->ComputeParts();
    EXPECT_LE(p.thumb.Left, 150);
    EXPECT_GT(p.thumb.Right, 150 - 10);  // paging stopped with the thumb at the pointer
    int stopped = bar->Position();
    h.Advance(500);
    EXPECT_EQ(bar->Position(), stopped);
    h.Release();
    EXPECT_EQ(lastChanges, 1);
}

TEST_F(ScrollBarTest, DraggingTheThumbMapsThePointerToThePosition) {
    SetUpBar(true);
    auto p = bar->ComputeParts();
    EXPECT_EQ(bar->Height(), 16);  // the skin's height
    TPoint from = At(bar, p.thumb.Left + 2, 8);
    TPoint to = At(bar, p.thumb.Left + 2 + (p.track.Width() - p.thumb.Width()) / 2, 8);
    h.Drag(from, to, 4);
    EXPECT_NEAR(bar->Position(), 50, 1);
    EXPECT_EQ(lastChanges, 1);
}

TEST_F(ScrollBarTest, SkinnedBarStepsBackWithTheButtonAtItsStart) {
    SetUpBar(true);
    bar->SetPosition(5);
    ClickAt(bar, 5, 8);
    EXPECT_EQ(bar->Position(), 4);
    ClickAt(bar, 195, 8);
    EXPECT_EQ(bar->Position(), 5);
}

// The scroll box: frame in the non-client area, background, scrolling by attached bars.
#include "ControlsTestSupport.h"
#include "skin/controls/TbsSkinPanel.h"
#include "skin/controls/TbsSkinScrollBar.h"
#include "skin/controls/TbsSkinScrollBox.h"

using namespace ctltest;
using skin::TbsSkinScrollBox;

TEST_F(ControlsTest, ScrollBoxFrameTakesTheNonClientAreaInBothLooks) {
    TForm* form = MakeForm();
    auto* plain = Place<TbsSkinScrollBox>(form, {10, 10, 110, 110}, false);
    LoadSkin();
    auto* skinned = Place<TbsSkinScrollBox>(form, {150, 10, 250, 110}, true);
    form->Show();
    gfx::Bitmap img = Image(form);
    EXPECT_EQ(plain->ClientRect(), TRect(0, 0, 98, 98));
    EXPECT_EQ(img.Pixel(10, 10), Rgb(clBtnShadow));  // the one-pixel frame
    EXPECT_EQ(img.Pixel(11, 11), Rgb(clBtnFace));    // the client
    // The stored skin's record: a one-pixel skin frame (clientrect 1,1,9,9 of 10 x 10).
    EXPECT_EQ(skinned->ClientRect(), TRect(0, 0, 98, 98));
    const gfx::Bitmap* pic = skinned->SkinPicture();
    ASSERT_NE(pic, nullptr);
    EXPECT_EQ(img.Pixel(150, 10), pic->Pixel(88, 30));
    EXPECT_EQ(img.Pixel(151, 11), pic->Pixel(89, 31));  // background tiled from clientrect
}

TEST_F(ControlsTest, ScrollBoxScrollsItsChildrenWithAnAttachedBar) {
    TForm* form = MakeForm();
    auto* box = Place<TbsSkinScrollBox>(form, {10, 10, 110, 110}, false);
    auto* child = new skin::TbsSkinPanel(form);
    child->SetParent(box);
    child->SetBounds(0, 0, 50, 200);
    auto* bar = Place<skin::TbsSkinScrollBar>(form, {120, 10, 140, 110}, false);
    bar->SetKind(skin::sbVertical);
    box->SetVScrollBar(bar);
    form->Show();
    h.ProcessPending();
    EXPECT_TRUE(bar->Visible());
    EXPECT_EQ(bar->Max(), 199);
    EXPECT_EQ(bar->PageSize(), 98);
    bar->SetPosition(30);
    EXPECT_EQ(child->Top(), -30);
    child->SetHeight(50);  // fits now: scrolled back and the bar hidden
    box->UpdateScrollBars();
    EXPECT_EQ(child->Top(), 0);
    EXPECT_FALSE(bar->Visible());
}

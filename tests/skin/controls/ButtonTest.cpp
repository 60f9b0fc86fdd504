// The push button: clicks, drags, repeat, groups, form keys and both looks.
#include "ControlsTestSupport.h"
#include "base/ShortCut.h"
#include "skin/controls/TbsSkinButton.h"

using namespace ctltest;
using skin::TbsSkinButton;

namespace {
struct ButtonTest : ControlsTest {
    TForm* form = nullptr;
    TbsSkinButton* button = nullptr;
    int clicks = 0;
    void SetUpButton(bool skinned) {
        if (skinned) LoadSkin();
        form = MakeForm();
        button = Place<TbsSkinButton>(form, {20, 20, 120, 45}, skinned);
        button->SetCaption("Aktualisieren");
        button->OnClick = [this](TObject*) { ++clicks; };
        form->Show();
        h.ProcessPending();
    }
};
}  // namespace

TEST_F(ButtonTest, PressDragOutReleaseGivesNoClickAndTheFaceReturnsToNormal) {
    SetUpButton(false);
    button->SetCanFocused(false);  // a focused button keeps its active face
    MoveTo(button, 10, 10);
    h.Press();
    EXPECT_TRUE(button->Down());
    gfx::Bitmap pressed = Image(form);
    EXPECT_EQ(pressed.Pixel(20, 20), kNavyRgb());
    EXPECT_EQ(pressed.Pixel(22, 22), Rgb(skin::kPressedFill));
    h.MoveTo(300, 200);
    gfx::Bitmap out = Image(form);
    EXPECT_EQ(out.Pixel(20, 20), Rgb(clBtnShadow));  // normal face while outside
    h.Release();
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(button->Down());
}

TEST_F(ButtonTest, PressDragOutAndBackReleaseGivesOneClick) {
    SetUpButton(true);
    MoveTo(button, 10, 10);
    h.Press();
    h.MoveTo(300, 200);
    MoveTo(button, 12, 12);
    h.Release();
    EXPECT_EQ(clicks, 1);
}

TEST_F(ButtonTest, RepeatModeHeld350MsGivesThreeTimerClicksAndOneOnRelease) {
    SetUpButton(true);
    button->SetRepeatMode(true);
    MoveTo(button, 10, 10);
    h.Press();
    EXPECT_EQ(clicks, 0);  // no click at the press
    h.Advance(350);
    EXPECT_EQ(clicks, 3);
    h.Release();
    EXPECT_EQ(clicks, 4);
}

TEST_F(ButtonTest, GroupedButtonsClickOnPressAndStayDown) {
    SetUpButton(true);
    auto* other = Place<TbsSkinButton>(form, {20, 60, 120, 85}, true);
    button->SetGroupIndex(1);
    other->SetGroupIndex(1);
    EXPECT_FALSE(button->CanFocused());
    MoveTo(button, 10, 10);
    h.Press();
    EXPECT_EQ(clicks, 1);  // at the press
    h.Release();
    EXPECT_TRUE(button->Down());
    ClickAt(button, 10, 10);  // a second press on a down button: nothing
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(button->Down());
    ClickAt(other, 10, 10);  // the sibling goes down, this one up
    EXPECT_TRUE(other->Down());
    EXPECT_FALSE(button->Down());
    // With AllowAllUp a second click releases it.
    other->SetAllowAllUp(true);
    ClickAt(other, 10, 10);
    EXPECT_FALSE(other->Down());
}

TEST_F(ButtonTest, EnterClicksTheDefaultButtonUnlessAnotherButtonHasTheFocus) {
    SetUpButton(true);
    auto* other = Place<TbsSkinButton>(form, {20, 60, 120, 85}, true);
    int otherClicks = 0;
    other->OnClick = [&](TObject*) { ++otherClicks; };
    auto* plain = new TbsSkinButton(form);  // a focusable, non-default control
    plain->SetParent(form);
    plain->SetBounds(200, 20, 60, 25);
    button->SetDefault(true);
    form->SetActiveControl(nullptr);
    other->SetFocus();
    h.Key(base::VK_RETURN);
    EXPECT_EQ(otherClicks, 1);
    EXPECT_EQ(clicks, 0);
    EXPECT_TRUE(button->Hot() == false);
}

TEST_F(ButtonTest, EscapeClicksTheCancelButtonAndSetsTheModalResult) {
    SetUpButton(true);
    button->SetCancel(true);
    button->SetModalResult(vcl::mrCancel);
    button->SetFocus();
    h.Key(base::VK_ESCAPE);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(form->ModalResult(), vcl::mrCancel);
}

TEST_F(ButtonTest, SpaceReleaseClicksAndAcceleratorFocusesAndClicks) {
    SetUpButton(true);
    button->SetCaption("&Schliessen");
    button->SetFocus();
    h.KeyDown(base::VK_SPACE, ' ');
    EXPECT_TRUE(button->Down());
    EXPECT_EQ(clicks, 0);
    h.KeyUp(base::VK_SPACE);
    EXPECT_EQ(clicks, 1);
    auto* other = Place<TbsSkinButton>(form, {20, 60, 120, 85}, true);
    other->SetFocus();
    h.Key('S', 's');  // a plain character reaches buttons as an accelerator
    EXPECT_EQ(clicks, 2);
    EXPECT_TRUE(button->Focused());
}

TEST_F(ButtonTest, SkinnedFacesFollowHoverAndDisabledCaptionUsesTheRecordColour) {
    SetUpButton(true);
    const gfx::Bitmap* pic = button->SkinPicture();
    ASSERT_NE(pic, nullptr);
    // Not focusable, not hot: the normal face (skinrect 0,0,28,25) at the left edge.
    button->SetCanFocused(false);
    EXPECT_EQ(Image(form).Pixel(20, 30), pic->Pixel(0, 10));
    MoveTo(button, 50, 10);
    EXPECT_TRUE(button->Hot());
    EXPECT_EQ(Image(form).Pixel(20, 30), pic->Pixel(30, 10));  // activeskinrect 30,0,...
    h.MoveTo(300, 200);
    button->SetEnabled(false);
    gfx::Bitmap img = Image(form);
    // The caption's ink uses disabledfontcolor (the record has no disabled face).
    TColor disabled = static_cast<TColor>(9474192);
    bool found = false;
    for (int y = 24; y < 41 && !found; ++y)
        for (int x = 30; x < 110 && !found; ++x) found = img.Pixel(x, y) == disabled;
    EXPECT_TRUE(found);
}

TEST_F(ButtonTest, UnskinnedHotFaceIsNavyOnLightFill) {
    SetUpButton(false);
    form->SetActiveControl(nullptr);
    button->SetCanFocused(false);
    MoveTo(button, 50, 10);
    gfx::Bitmap img = Image(form);
    EXPECT_EQ(img.Pixel(20, 20), kNavyRgb());
    EXPECT_EQ(img.Pixel(21, 21), Rgb(skin::kHotFill));
}

TEST_F(ButtonTest, MorphingRecordFadesInTenStepsOf20Ms) {
    SetUpButton(true);
    button->SetCanFocused(false);
    // The stored skin's buttons do not morph; switch this record's fade on.
    auto* record = dynamic_cast<skin::TbsDataSkinButtonControl*>(
        skinData.ControlRecords()[static_cast<size_t>(button->RecordIndex())].get());
    ASSERT_NE(record, nullptr);
    record->morphing = true;
    MoveTo(button, 50, 10);
    EXPECT_DOUBLE_EQ(button->MorphProgress(), 0.0);
    h.Advance(100);
    EXPECT_NEAR(button->MorphProgress(), 0.5, 1e-9);
    h.Advance(200);
    EXPECT_DOUBLE_EQ(button->MorphProgress(), 1.0);
    h.MoveTo(500, 500);
    h.Advance(60);
    EXPECT_NEAR(button->MorphProgress(), 0.7, 1e-9);
    // Mid-fade the face is a mix: neither the normal nor the active picture's pixel.
    const gfx::Bitmap* pic = button->SkinPicture();
    TColor mixed = Image(form).Pixel(20, 30);
    EXPECT_NE(mixed, pic->Pixel(0, 10));
    EXPECT_NE(mixed, pic->Pixel(30, 10));
}

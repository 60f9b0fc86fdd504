// Panels, group boxes and expanding panels: child areas, captions, rolling.
#include "ControlsTestSupport.h"
#include "skin/controls/TbsSkinExPanel.h"
#include "skin/controls/TbsSkinGroupBox.h"

using namespace ctltest;
using skin::TbsSkinExPanel;
using skin::TbsSkinGroupBox;
using skin::TbsSkinPanel;

TEST_F(ControlsTest, GroupBox249WideCentresItsCaptionBetween3And246) {
    LoadSkin();
    TForm* form = MakeForm();
    auto* g = Place<TbsSkinGroupBox>(form, {10, 10, 259, 110}, true);
    g->SetCaption("Laufwerk");
    auto* child = new TbsSkinPanel(form);
    child->SetParent(g);
    child->SetBounds(20, 40, 50, 30);
    form->Show();
    EXPECT_EQ(g->CaptionRect(), TRect(3, 2, 246, 18));
    EXPECT_EQ(child->BoundsRect(), TRect(20, 40, 70, 70));  // children keep their places
    gfx::Bitmap img = Image(form);
    // The caption's ink: first and last dark columns lie symmetric about x 124.5.
    int first = -1, last = -1;
    TColor ink = static_cast<TColor>(2893864);
    for (int x = 3; x < 246; ++x)
        for (int y = 2; y < 18; ++y)
            if (img.Pixel(10 + x, 10 + y) == ink) {
                if (first < 0) first = x;
                last = x;
            }
    ASSERT_GE(first, 0);
    EXPECT_NEAR((first + last) / 2.0, 124.5, 2.0);
}

TEST_F(ControlsTest, PanelChildAreaWithAndWithoutSkin) {
    TForm* form = MakeForm();
    auto* p = Place<TbsSkinPanel>(form, {0, 0, 200, 100}, false);
    EXPECT_EQ(p->ChildArea(), TRect(1, 1, 199, 99));
    p->SetCaptionMode(true);
    EXPECT_EQ(p->ChildArea(), TRect(1, 23, 199, 99));
    p->SetBorderStyle(skin::bvNone);
    p->SetCaptionMode(false);
    EXPECT_EQ(p->ChildArea(), TRect(0, 0, 200, 100));
    LoadSkin();
    p->SetSkinData(&skinData);
    p->SetBorderStyle(skin::bvRaised);
    EXPECT_EQ(p->ChildArea(), TRect(2, 2, 198, 98));  // inset 2 on every side
}

TEST_F(ControlsTest, PanelRollUpHidesAndRestoresOnlyVisibleChildren) {
    TForm* form = MakeForm();
    auto* p = Place<TbsSkinPanel>(form, {0, 0, 200, 100}, false);
    p->SetCaptionMode(true);
    p->SetRollUpMode(true);
    auto* a = new TbsSkinPanel(form);
    a->SetParent(p);
    a->SetBounds(10, 40, 50, 30);
    auto* b = new TbsSkinPanel(form);
    b->SetParent(p);
    b->Hide();
    form->Show();
    ClickAt(p, 50, 10);  // a click in the caption bar rolls it up
    EXPECT_TRUE(p->RollUpState());
    EXPECT_EQ(p->Height(), 23);
    EXPECT_FALSE(a->Visible());
    ClickAt(p, 50, 10);
    EXPECT_EQ(p->Height(), 100);
    EXPECT_TRUE(a->Visible());
    EXPECT_FALSE(b->Visible());
}

namespace {
struct ExPanelTest : ControlsTest {
    TForm* form = nullptr;
    TbsSkinExPanel* panel = nullptr;
    TControl* shown = nullptr;
    TControl* hidden = nullptr;
    int changes = 0;
    void SetUpPanel(bool skinned) {
        if (skinned) LoadSkin();
        form = MakeForm();
        panel = Place<TbsSkinExPanel>(form, {10, 10, 160, 110}, skinned);
        panel->SetCaption("Speicherkapazität:");
        shown = new TbsSkinPanel(form);
        shown->SetParent(panel);
        shown->SetBounds(10, 40, 50, 30);
        hidden = new TbsSkinPanel(form);
        hidden->SetParent(panel);
        hidden->SetBounds(10, 40, 50, 30);
        hidden->Hide();
        panel->OnChangeRollState = [this](TObject*) { ++changes; };
        form->Show();
        h.ProcessPending();
    }
};
}  // namespace

TEST_F(ExPanelTest, RollingVerticallyRestoresHeightAndOnlyTheVisibleChildren) {
    SetUpPanel(true);
    panel->SetRollState(true);
    EXPECT_EQ(panel->Height(), 20);
    EXPECT_FALSE(shown->Visible());
    panel->SetHeight(80);  // alignment cannot stretch it
    EXPECT_EQ(panel->Height(), 20);
    panel->SetRollState(true);  // unchanged: no event
    EXPECT_EQ(changes, 1);
    panel->SetRollState(false);
    EXPECT_EQ(panel->Height(), 100);
    EXPECT_TRUE(shown->Visible());
    EXPECT_FALSE(hidden->Visible());
    EXPECT_EQ(changes, 2);
}

TEST_F(ExPanelTest, RollingSidewaysKeepsTheRolledWidth) {
    SetUpPanel(true);
    panel->SetRollKind(skin::rkRollHorizontal);
    panel->SetRollState(true);
    EXPECT_EQ(panel->Width(), 20);
    EXPECT_EQ(panel->Height(), 100);
    panel->SetRollState(false);
    EXPECT_EQ(panel->Width(), 150);
}

TEST_F(ExPanelTest, RollButtonRollsOnlyWhenReleasedOnIt) {
    SetUpPanel(false);
    TRect roll = panel->RollButtonRect();
    TRect close = panel->CloseButtonRect();
    // Without skin: squares of 21 - 6 = 15 pixels, 3 from the top, close ending at 148.
    EXPECT_EQ(close, TRect(133, 3, 148, 18));
    EXPECT_EQ(roll, TRect(118, 3, 133, 18));
    MoveTo(panel, roll.Left + 5, roll.Top + 5);
    h.Press();
    MoveTo(panel, 40, 60);
    h.Release();
    EXPECT_FALSE(panel->RollState());
    MoveTo(panel, roll.Left + 5, roll.Top + 5);
    h.Press();
    MoveTo(panel, 40, 60);
    MoveTo(panel, roll.Left + 5, roll.Top + 5);
    h.Release();
    EXPECT_TRUE(panel->RollState());
    EXPECT_EQ(panel->Height(), 21);
}

TEST_F(ExPanelTest, CloseButtonHidesThePanelAndFiresOnClose) {
    SetUpPanel(true);
    int closed = 0;
    panel->OnClose = [&](TObject*) { ++closed; };
    TRect close = panel->CloseButtonRect();
    EXPECT_EQ(close.Width(), 14);
    MoveTo(panel, close.Left + 3, close.Top + 3);
    h.Press();
    h.Release();
    EXPECT_FALSE(panel->Visible());
    EXPECT_EQ(closed, 1);
}

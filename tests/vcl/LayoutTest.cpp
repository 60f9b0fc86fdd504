// Windows created when first needed, alignment, fonts passed to children.
#include "VclTestSupport.h"
#include "vcl/TLabel.h"
#include "vcl/TStatusBar.h"
#include "wm/Windows.h"

using namespace vcltest;

TEST_F(VclTest, WindowsAreCreatedWhenFirstNeeded) {
    TForm* form = MakeForm({10, 10, 310, 210});
    auto* shown = new TProbe(form, form);
    auto* hidden = new TProbe(form, form);
    hidden->SetVisible(false);
    EXPECT_FALSE(form->HandleAllocated());
    EXPECT_FALSE(shown->HandleAllocated());

    form->Show();
    EXPECT_TRUE(form->HandleAllocated());
    EXPECT_TRUE(shown->HandleAllocated());   // visible controls come with their form
    EXPECT_FALSE(hidden->HandleAllocated()); // hidden ones wait
    EXPECT_TRUE(wm::IsWindowVisible(shown->Handle()));

    HWND made = hidden->Handle();  // asked for: made, still hidden
    EXPECT_NE(made, 0u);
    EXPECT_FALSE(wm::IsWindowVisible(made));
    EXPECT_EQ(wm::GetParent(made), form->Handle());

    // RecreateWnd gives a new window with the same bounds.
    shown->SetBounds(5, 6, 40, 30);
    HWND before = shown->Handle();
    shown->RecreateWnd();
    EXPECT_NE(shown->Handle(), before);
    EXPECT_FALSE(wm::IsWindow(before));
    EXPECT_EQ(wm::GetWindowBounds(shown->Handle()), TRect(5, 6, 45, 36));
}

TEST_F(VclTest, AlignedChildrenShareTheClientAreaTopBottomLeftThenClient) {
    TForm* form = MakeForm({0, 0, 400, 300});
    auto* client = new TProbe(form, form);  // created first: alignment still takes it last
    client->SetAlign(alClient);
    auto* top = new TProbe(form, form);
    top->SetHeight(30);
    top->SetAlign(alTop);
    auto* top2 = new TProbe(form, form);
    top2->SetHeight(10);
    top2->SetAlign(alTop);
    auto* left = new TProbe(form, form);
    left->SetWidth(100);
    left->SetAlign(alLeft);
    auto* status = new TStatusBar(form);  // bottom-aligned by default, 19 high
    status->SetParent(form);

    EXPECT_EQ(top->BoundsRect(), TRect(0, 0, 400, 30));
    EXPECT_EQ(top2->BoundsRect(), TRect(0, 30, 400, 40));  // under the first, in creation order
    EXPECT_EQ(status->BoundsRect(), TRect(0, 281, 400, 300));
    EXPECT_EQ(left->BoundsRect(), TRect(0, 40, 100, 281));
    EXPECT_EQ(client->BoundsRect(), TRect(100, 40, 400, 281));

    // Sizing the parent realigns; hiding a child gives its room to the others.
    form->SetBounds(0, 0, 500, 400);
    EXPECT_EQ(client->BoundsRect(), TRect(100, 40, 500, 381));
    top2->Hide();
    EXPECT_EQ(left->BoundsRect(), TRect(0, 30, 100, 381));

    // The windows follow once they exist.
    form->Show();
    EXPECT_EQ(wm::GetWindowBounds(client->Handle()), TRect(100, 30, 500, 381));
}

TEST_F(VclTest, ClientSizeOfAFramedFormAllowsForTheFrame) {
    TForm* form = app->CreateForm<TForm>();  // sizeable: the default frame
    form->SetClientWidth(742);
    form->SetClientHeight(534);
    EXPECT_EQ(form->ClientWidth(), 742);
    EXPECT_EQ(form->ClientHeight(), 534);
    EXPECT_GT(form->Width(), 742);
    form->Show();  // the window agrees
    EXPECT_EQ(wm::GetClientRect(form->Handle()), TRect(0, 0, 742, 534));
}

TEST_F(VclTest, DesktopCenterPlacesTheFormInTheMiddleOfTheWorkAreaWhenShown) {
    h.Display().SetWorkArea({0, 0, 800, 560});
    TForm* form = MakeForm({3, 4, 203, 104});
    form->SetPosition(poDesktopCenter);
    form->Show();
    EXPECT_EQ(form->BoundsRect(), TRect(300, 230, 500, 330));
    EXPECT_EQ(wm::GetWindowRect(form->Handle()), TRect(300, 230, 500, 330));
}

TEST_F(VclTest, AFontChangeReachesChildrenThatFollowTheirParent) {
    TForm* form = MakeForm({0, 0, 300, 200});
    auto* panel = new TProbe(form, form);
    auto* nested = new TLabel(form);
    nested->SetParent(panel);
    auto* own = new TLabel(form);
    own->SetParent(form);
    own->Font()->SetName("Courier New");  // its own font from now on
    EXPECT_FALSE(own->ParentFont());

    form->Font()->SetName("Verdana");
    form->Font()->SetSize(10);
    EXPECT_EQ(panel->Font()->Name(), "Verdana");
    EXPECT_EQ(nested->Font()->Name(), "Verdana");  // through the panel
    EXPECT_EQ(nested->Font()->Height(), -13);
    EXPECT_EQ(own->Font()->Name(), "Courier New");

    // A label with AutoSize takes the new font's height.
    nested->SetCaption("Frei");
    int before = nested->Height();
    form->Font()->SetSize(20);
    EXPECT_GT(nested->Height(), before);

    // Back to following: takes the parent's font at once.
    own->SetParentFont(true);
    EXPECT_EQ(own->Font()->Name(), "Verdana");
}

TEST_F(VclTest, ChangingTheBorderOfAShownFormKeepsItShownWithItsControls) {
    TForm* form = MakeForm({0, 0, 300, 200});
    auto* child = new TProbe(form, form);
    form->Show();
    HWND before = form->Handle();
    form->SetBorderStyle(bsDialog);
    EXPECT_NE(form->Handle(), before);
    EXPECT_TRUE(wm::IsWindowVisible(form->Handle()));
    EXPECT_TRUE(wm::IsWindowVisible(child->Handle()));
    EXPECT_EQ(wm::GetParent(child->Handle()), form->Handle());
    EXPECT_LT(form->ClientWidth(), 300);  // now inside a caption and border
}

TEST_F(VclTest, ChildrenRealignWhenOnlyTheFrameOfTheWindowChanges) {
    TForm* form = MakeForm({0, 0, 300, 200});
    auto* client = new TProbe(form, form);
    client->SetAlign(alClient);
    form->Show();
    EXPECT_EQ(client->BoundsRect(), TRect(0, 0, 300, 200));
    // A frame component answering WM_NCCALCSIZE itself, put in front of the form.
    auto previous = form->WindowProc;
    form->WindowProc = [previous](TMessage& m) {
        if (m.Msg == wm::WM_NCCALCSIZE) {
            auto* p = reinterpret_cast<wm::NCCALCSIZE_PARAMS*>(m.LParam);
            p->rgrc[0] = p->rgrc[0].Inflate(-5, -5);
            m.Result = 0;
            return;
        }
        previous(m);
    };
    wm::SetWindowPos(form->Handle(), 0, 0, 0, 0, 0,
                     wm::SWP_FRAMECHANGED | wm::SWP_NOMOVE | wm::SWP_NOSIZE | wm::SWP_NOZORDER);
    EXPECT_EQ(form->ClientWidth(), 290);
    EXPECT_EQ(client->BoundsRect(), TRect(0, 0, 290, 190));
}

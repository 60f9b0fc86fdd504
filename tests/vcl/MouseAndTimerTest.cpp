// Mouse events of windowed and windowless controls; timers on the virtual clock.
#include "VclTestSupport.h"
#include "vcl/TLabel.h"
#include "vcl/TTimer.h"

using namespace vcltest;

TEST_F(VclTest, WindowlessControlsGetTheirMouseEventsFromTheParent) {
    TForm* form = MakeForm({100, 100, 400, 300});
    auto* label = new TLabel(form);
    label->SetParent(form);
    label->SetAutoSize(false);
    label->SetBounds(20, 30, 60, 20);
    std::vector<std::string> log;
    label->OnMouseEnter = [&](TObject*) { log.push_back("enter"); };
    label->OnMouseLeave = [&](TObject*) { log.push_back("leave"); };
    label->OnMouseDown = [&](TObject*, TMouseButton b, TShiftState, int x, int y) {
        log.push_back("down " + std::to_string(b) + " " + std::to_string(x) + "," + std::to_string(y));
    };
    label->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int x, int y) {
        log.push_back("up " + std::to_string(x) + "," + std::to_string(y));
    };
    label->OnClick = [&](TObject*) { log.push_back("click"); };
    form->Show();
    h.MoveTo(110, 110);  // on the form, outside the label
    h.Click(125, 135);
    // Pressed on the label, released outside: the label keeps the mouse, but no click.
    h.Drag({125, 135}, {300, 250});
    EXPECT_EQ(log, (std::vector<std::string>{"enter", "down 0 5,5", "click", "up 5,5", "down 0 5,5",
                                             "leave", "up 180,120"}));
}

TEST_F(VclTest, WindowedControlsReportEnterLeaveAndDoubleClicks) {
    TForm* form = MakeForm({0, 0, 300, 200});
    auto* probe = new TProbe(form, form);
    probe->SetBounds(50, 50, 100, 50);
    int enters = 0, leaves = 0, clicks = 0, doubles = 0;
    probe->OnMouseEnter = [&](TObject*) { ++enters; };
    probe->OnMouseLeave = [&](TObject*) { ++leaves; };
    probe->OnClick = [&](TObject*) { ++clicks; };
    probe->OnDblClick = [&](TObject*) { ++doubles; };
    form->Show();
    h.MoveTo(10, 10);
    h.MoveTo(60, 60);
    h.DoubleClick(60, 60);
    h.MoveTo(10, 10);
    EXPECT_EQ(enters, 1);
    EXPECT_EQ(leaves, 1);
    EXPECT_EQ(doubles, 1);
    EXPECT_GE(clicks, 1);
}

TEST_F(VclTest, TimerFiresEveryIntervalWhileEnabled) {
    TForm* form = MakeForm({0, 0, 100, 100});
    auto* timer = new TTimer(form);
    std::vector<uint64_t> ticks;
    timer->SetInterval(1000);
    timer->SetOnTimer([&](TObject*) { ticks.push_back(h.Now()); });
    h.Advance(3500);
    EXPECT_EQ(ticks, (std::vector<uint64_t>{1000, 2000, 3000}));
    timer->SetEnabled(false);
    h.Advance(2000);
    EXPECT_EQ(ticks.size(), 3u);
    timer->SetInterval(500);  // stays off
    h.Advance(1000);
    EXPECT_EQ(ticks.size(), 3u);
    timer->SetEnabled(true);  // starts anew from now
    h.Advance(1100);
    EXPECT_EQ(ticks.size(), 5u);
}

TEST_F(VclTest, TimersWaitForTheDescriptionToBeApplied) {
    TForm* form = app->CreateForm<TForm>();
    form->BeginLoading();
    auto* timer = new TTimer(form);
    int ticks = 0;
    timer->SetInterval(100);
    timer->SetOnTimer([&](TObject*) { ++ticks; });
    h.Advance(300);
    EXPECT_EQ(ticks, 0);
    form->EndLoading();
    h.Advance(300);
    EXPECT_EQ(ticks, 3);
}

TEST_F(VclTest, PointerShapeFollowsTheControlUnderIt) {
    TForm* form = MakeForm({0, 0, 300, 200});
    auto* link = new TLabel(form);  // windowless: its parent shows its shape
    link->SetParent(form);
    link->SetAutoSize(false);
    link->SetBounds(10, 10, 80, 15);
    link->SetCursor(crHandPoint);
    auto* edit = new TProbe(form, form);
    edit->SetBounds(10, 50, 80, 20);
    edit->SetCursor(crIBeam);
    form->Show();
    h.MoveTo(20, 15);
    EXPECT_EQ(h.Display().Cursor(), wm::CursorShape::Hand);
    h.MoveTo(20, 55);
    EXPECT_EQ(h.Display().Cursor(), wm::CursorShape::IBeam);
    h.MoveTo(200, 150);
    EXPECT_EQ(h.Display().Cursor(), wm::CursorShape::Arrow);
}

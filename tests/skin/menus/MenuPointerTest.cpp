// The first level of an open menu holds the pointer: a press anywhere outside the levels
// closes every level (and goes no further), while what happens over a deeper level still
// reaches that level.

#include "MenuTestSupport.h"

#include "wm/Input.h"
#include "wm/Window.h"
#include "wm/WindowSystem.h"

using namespace menutest;

namespace {

wm::SurfaceId SurfaceOf(HWND window) {
    wm::Window* w = wm::WindowSystem::Current()->Find(window);
    return w ? w->surface : 0;
}

}  // namespace

TEST_F(MenuTest, FirstLevelHoldsThePointerWhileTheMenuIsOpen) {
    ChartMenu()->Popup(100, 100);
    h.ProcessPending();
    ASSERT_EQ(Engine().LevelCount(), 1);
    EXPECT_EQ(wm::GetCapture(), Level(0)->Handle());
    EXPECT_EQ(h.Display().Grab(), SurfaceOf(Level(0)->Handle()));
    Engine().CloseAll();
    EXPECT_EQ(wm::GetCapture(), 0u);
    EXPECT_EQ(h.Display().Grab(), 0u);
}

TEST_F(MenuTest, PressOutsideEveryLevelClosesTheMenuAndReachesNothingElse) {
    int formPresses = 0;
    form->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++formPresses; };
    for (TPoint outside : {TPoint{700, 500}, TPoint{60, 200}}) {  // the desktop, then the form
        ChartMenu()->Popup(100, 100);
        h.ProcessPending();
        Engine().HandleMenuKey(base::VK_RETURN);  // a sub-menu too
        ASSERT_EQ(Engine().LevelCount(), 2);
        h.Click(outside.X, outside.Y);
        EXPECT_EQ(Engine().LevelCount(), 0);
        EXPECT_FALSE(AnyMenuWindowShown());
        EXPECT_EQ(h.Display().Grab(), 0u);
        h.ProcessPending();
    }
    EXPECT_EQ(menuClosedNotices, 2);
    EXPECT_EQ(formPresses, 0);
}

TEST_F(MenuTest, ReleaseOutsideTheLevelsKeepsTheMenuOpen) {
    // The press that opened a menu may end anywhere: only presses close it.
    ChartMenu()->Popup(100, 100);
    h.ProcessPending();
    h.MoveTo(700, 500);
    h.Release();
    h.ProcessPending();
    EXPECT_EQ(Engine().LevelCount(), 1);
}

TEST_F(MenuTest, PointerOverASubMenuReachesItWhileTheFirstLevelHoldsThePointer) {
    ChartMenu()->Popup(100, 100);
    h.ProcessPending();
    Engine().HandleMenuKey(base::VK_RETURN);
    ASSERT_EQ(Engine().LevelCount(), 2);
    TPoint ring = ItemCentre(1, 1);
    h.MoveTo(ring.X, ring.Y);
    h.ProcessPending();
    EXPECT_EQ(Level(1)->ActiveIndex(), 1);  // followed at once, without waiting for the timer
    EXPECT_EQ(wm::GetCapture(), Level(0)->Handle());
}

TEST_F(MenuTest, AnotherWindowTakingThePointerClosesTheMenu) {
    ChartMenu()->Popup(100, 100);
    h.ProcessPending();
    wm::SetCapture(form->Handle());
    EXPECT_EQ(Engine().LevelCount(), 0);
    EXPECT_EQ(h.Display().Grab(), 0u);
    wm::ReleaseCapture();
}

// Where menu levels go: below, above, beside and scrolling.

#include "MenuTestSupport.h"

#include "skin/menus/MenuLevelPlacement.h"

using namespace menutest;

TEST(MenuLevelPlacement, DownwardUpwardAndSubMenuRules) {
    skin::MenuLevelPlacement p;
    p.workArea = {0, 0, 800, 600};
    p.width = 150;
    p.height = 134;
    p.itemsTop = 2;
    p.opener = {100, 100, 100, 100};
    EXPECT_EQ(skin::PlaceMenuLevel(p), (TPoint{100, 100}));
    // Too near the right edge: moved left to fit.
    p.opener = {700, 100, 700, 100};
    EXPECT_EQ(skin::PlaceMenuLevel(p), (TPoint{650, 100}));
    // 50 pixels above the bottom, in the lower half: above the point.
    p.opener = {100, 550, 100, 550};
    EXPECT_EQ(skin::PlaceMenuLevel(p), (TPoint{100, 550 - 134}));
    // Upward menus open above when there is room.
    p.upward = true;
    EXPECT_EQ(skin::PlaceMenuLevel(p), (TPoint{100, 416}));
    p.opener = {100, 50, 100, 70};  // no room above, upper half: below
    EXPECT_EQ(skin::PlaceMenuLevel(p), (TPoint{100, 70}));
    p.upward = false;
    // A sub-menu beside its item, the first item on the item's row; on the left when
    // there is no room on the right.
    p.subMenu = true;
    p.opener = {100, 200, 250, 220};
    EXPECT_EQ(skin::PlaceMenuLevel(p), (TPoint{251, 198}));
    p.opener = {600, 200, 700, 220};
    EXPECT_EQ(skin::PlaceMenuLevel(p), (TPoint{600 - 150 - 1, 198}));
    // Near the bottom in the lower half: it ends with the parent item's bottom row.
    p.opener = {100, 500, 250, 520};
    EXPECT_EQ(skin::PlaceMenuLevel(p), (TPoint{251, 520 - 134 + 2}));
}

TEST(MenuLevelPlacement, UpperHalfWithoutRoomBelowEndsAtTheBottomBesideThePoint) {
    skin::MenuLevelPlacement p;
    p.workArea = {0, 0, 800, 300};
    p.width = 150;
    p.height = 200;
    p.opener = {100, 140, 100, 140};
    EXPECT_EQ(skin::PlaceMenuLevel(p), (TPoint{101, 100}));
    // A scrolling level starts at the work area's top, beside the point.
    p.scrolls = true;
    p.height = 300;
    EXPECT_EQ(skin::PlaceMenuLevel(p), (TPoint{101, 0}));
}

TEST_F(MenuTest, ContextMenuNearTheBottomOpensAbove) {
    ChartMenu()->Popup(300, 550);
    h.ProcessPending();
    EXPECT_EQ(Level(0)->Top(), 550 - 134);
    EXPECT_EQ(Level(0)->Left(), 300);
}

TEST_F(MenuTest, LevelTallerThanTheWorkAreaScrolls) {
    h.Display().SetWorkArea({0, 0, 800, 200});
    auto* menu = new skin::TbsSkinPopupMenu(form);
    for (int i = 0; i < 20; ++i) AddItem(menu->Items(), "Eintrag " + std::to_string(i));
    menu->Popup(100, 100);
    h.ProcessPending();
    skin::TbsSkinPopupWindow* level = Level(0);
    ASSERT_TRUE(level->Scrolling());
    EXPECT_EQ(level->Height(), 200);
    EXPECT_EQ(level->Top(), 0);
    EXPECT_EQ(level->Left(), 101);
    // 200 - 4 of frame - 2 x 10 of markers leaves room for 8 items.
    EXPECT_TRUE(level->Item(7).InView);
    EXPECT_FALSE(level->Item(8).InView);
    EXPECT_EQ(level->Item(0).ItemRect.Top, 2 + 10);
    // Down past the last item in view moves the view by one.
    for (int i = 0; i < 8; ++i) Engine().HandleMenuKey(base::VK_DOWN);
    EXPECT_EQ(level->ActiveIndex(), 8);
    EXPECT_EQ(level->FirstVisible(), 1);
    // Up from the first wraps to the last page.
    for (int i = 0; i < 8; ++i) Engine().HandleMenuKey(base::VK_UP);
    EXPECT_EQ(level->ActiveIndex(), 0);
    Engine().HandleMenuKey(base::VK_UP);
    EXPECT_EQ(level->ActiveIndex(), 19);
    EXPECT_TRUE(level->Item(19).InView);
    // Hovering the top marker scrolls up by one item every 100 ms until the top.
    TRect items = level->ItemsRect();
    h.MoveTo(level->Left() + items.Left + 20, level->Top() + items.Top + 4);
    h.Advance(50);
    EXPECT_EQ(level->AutoScrollDirection(), -1);
    const int first = level->FirstVisible();
    h.Advance(100);
    EXPECT_EQ(level->FirstVisible(), first - 1);
    h.Advance(100 * 20);
    EXPECT_EQ(level->FirstVisible(), 0);
    EXPECT_EQ(level->AutoScrollDirection(), 0);
}

// Opening, sizing, sub-menus, the keyboard and executing items of skinned popup menus.

#include "MenuTestSupport.h"

#include <algorithm>

#include "base/ShortCut.h"
#include "vcl/Accelerators.h"

using namespace menutest;

TEST_F(MenuTest, ChartContextMenuHasTheSkinsSize) {
    skin::TbsSkinPopupMenu* menu = ChartMenu();
    menu->Popup(100, 100);
    h.ProcessPending();
    ASSERT_EQ(Engine().LevelCount(), 1);
    EXPECT_EQ(host->openings, 1);
    skin::TbsSkinPopupWindow* level = Level(0);
    // Six items of 20 and two dividers of 5 plus the window picture's 4.
    EXPECT_EQ(level->Height(), 6 * 20 + 2 * 5 + 4);
    // Widest text + 2, glyph column 19, 19, and 7 from the skin.
    gfx::FontSpec fontSpec;
    fontSpec.name = "Arial";
    fontSpec.height = 14;
    gfx::Font font(fontSpec);
    int widest = 0;
    for (int i = 0; i < menu->Items()->Count(); ++i)
        if (!menu->Items()->Items(i)->IsLine())
            widest = std::max(widest, font.TextWidth(StripHotkey(menu->Items()->Items(i)->Caption())));
    EXPECT_EQ(level->Width(), widest + 2 + 19 + 19 + 7);
    // Opened downward at the point; the first item is highlighted.
    EXPECT_EQ(level->Left(), 100);
    EXPECT_EQ(level->Top(), 100);
    EXPECT_EQ(level->ActiveIndex(), 0);
    EXPECT_TRUE(AnyMenuWindowShown());
}

TEST_F(MenuTest, SubMenuOpensAfterHalfASecondAndFollowsTheLastHoveredItem) {
    ChartMenu()->Popup(100, 100);
    h.ProcessPending();
    TPoint type = ItemCentre(0, 0);
    TPoint legend = ItemCentre(0, 4);
    h.MoveTo(type.X + 1, type.Y);
    h.Advance(50);
    EXPECT_EQ(Level(0)->ActiveIndex(), 0);
    h.Advance(400);
    EXPECT_EQ(Engine().LevelCount(), 1);  // 450 ms: not yet
    // Moving to "Legende" before the delay ends schedules that item instead.
    h.MoveTo(legend.X, legend.Y);
    h.Advance(50);
    EXPECT_EQ(Level(0)->ActiveIndex(), 4);
    EXPECT_EQ(Engine().PendingIndex(), 4);
    h.Advance(100);
    EXPECT_EQ(Engine().LevelCount(), 1);  // "Diagramm-Typ" never opened
    h.Advance(400);
    ASSERT_EQ(Engine().LevelCount(), 2);
    EXPECT_EQ(Level(1)->Item(0).MenuItem()->Caption(), "Anzeigen");
    EXPECT_TRUE(Level(0)->Item(4).Down);
    // The sub-menu lines its first item up with the parent item, right beside it.
    TRect parent = Level(0)->ItemScreenRect(4);
    EXPECT_EQ(Level(1)->Left(), parent.Right + 1);
    EXPECT_EQ(Level(1)->ItemScreenRect(0).Top, parent.Top);
}

TEST_F(MenuTest, ArrowKeysWrapAndSkipDividers) {
    ChartMenu()->Popup(100, 100);
    h.ProcessPending();
    skin::TbsSkinPopupWindow* level = Level(0);
    EXPECT_EQ(level->ActiveIndex(), 0);
    Engine().HandleMenuKey(base::VK_DOWN);
    Engine().HandleMenuKey(base::VK_DOWN);
    EXPECT_EQ(level->ActiveIndex(), 2);
    Engine().HandleMenuKey(base::VK_DOWN);  // over the divider
    EXPECT_EQ(level->ActiveIndex(), 4);
    Engine().HandleMenuKey(base::VK_DOWN);
    Engine().HandleMenuKey(base::VK_DOWN);  // over the second divider
    EXPECT_EQ(level->ActiveIndex(), 7);
    EXPECT_FALSE(level->Item(4).Active);
    Engine().HandleMenuKey(base::VK_DOWN);  // from the last to the first
    EXPECT_EQ(level->ActiveIndex(), 0);
    Engine().HandleMenuKey(base::VK_UP);    // and back
    EXPECT_EQ(level->ActiveIndex(), 7);
    // Keyboard selection opens nothing; Right opens, Left closes again.
    Engine().HandleMenuKey(base::VK_UP);
    EXPECT_EQ(level->ActiveIndex(), 5);
    h.Advance(600);
    EXPECT_EQ(Engine().LevelCount(), 1);
    Engine().HandleMenuKey(base::VK_RIGHT);
    ASSERT_EQ(Engine().LevelCount(), 2);
    EXPECT_EQ(Level(1)->Item(0).MenuItem()->Caption(), "Links");
    Engine().HandleMenuKey(base::VK_LEFT);
    EXPECT_EQ(Engine().LevelCount(), 1);
    EXPECT_FALSE(Level(0)->Item(5).Down);
    // Left on the only level does nothing; Escape closes the menu and tells the frame.
    Engine().HandleMenuKey(base::VK_LEFT);
    EXPECT_EQ(Engine().LevelCount(), 1);
    Engine().HandleMenuKey(base::VK_ESCAPE);
    h.ProcessPending();
    EXPECT_EQ(Engine().LevelCount(), 0);
    EXPECT_FALSE(Engine().MenuOpen());
    EXPECT_EQ(menuClosedNotices, 1);
    EXPECT_FALSE(AnyMenuWindowShown());
}

TEST_F(MenuTest, ChoosingAnItemClosesEveryMenuBeforeItsCommandRuns) {
    ChartMenu()->Popup(100, 100);
    h.ProcessPending();
    bool shownDuringClick = true;
    int clicks = 0;
    torte->OnClick = [&](TObject*) {
        ++clicks;
        shownDuringClick = AnyMenuWindowShown();
    };
    Engine().HandleMenuKey(base::VK_RETURN);  // opens "Diagramm-Typ"
    ASSERT_EQ(Engine().LevelCount(), 2);
    h.ProcessPending();
    TPoint p = ItemCentre(1, 0);
    h.MoveTo(p.X, p.Y);
    h.Advance(50);
    EXPECT_EQ(Level(1)->ActiveIndex(), 0);
    h.Click(p.X, p.Y);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(shownDuringClick);
    EXPECT_EQ(Engine().LevelCount(), 0);
    EXPECT_EQ(menuClosedNotices, 1);
    h.ProcessPending();  // the level windows are freed once the loop delivers the release
    EXPECT_EQ(host->engine->ComponentCount(), 1);  // only the sub-menu timer is left
}

TEST_F(MenuTest, AcceleratorRunsTheMatchingItem) {
    skin::TbsSkinPopupMenu* menu = new skin::TbsSkinPopupMenu(form);
    AddItem(menu->Items(), "&Aktualisieren");
    TMenuItem* quit = AddItem(menu->Items(), "&Beenden");
    quit->SetShortCut(base::ShortCut('B', false, true, false));
    int clicks = 0;
    quit->OnClick = [&](TObject*) { ++clicks; };
    menu->Popup(200, 200);
    h.ProcessPending();
    Engine().HandleMenuKey('B');
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(Engine().MenuOpen());
}

TEST_F(MenuTest, PopupWithoutHostOrChildrenShowsNothing) {
    auto* lonely = app->CreateForm<TForm>();
    auto* menu = new skin::TbsSkinPopupMenu(lonely);
    AddItem(menu->Items(), "Eins");
    menu->Popup(10, 10);
    h.ProcessPending();
    EXPECT_FALSE(AnyMenuWindowShown());
    auto* empty = new skin::TbsSkinPopupMenu(form);
    empty->Popup(10, 10);
    EXPECT_EQ(Engine().LevelCount(), 0);
    EXPECT_FALSE(Engine().MenuOpen());
}

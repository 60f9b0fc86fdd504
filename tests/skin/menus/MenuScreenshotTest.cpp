// Screenshots of the chart's context menu with a sub-menu of check marks open, with the
// Chrome skin and without skin (docs/screenshots/menu-*.png), and the checks that what
// they show is drawn where it belongs.

#include "MenuTestSupport.h"

using namespace menutest;

class MenuScreenshotTest : public MenuTest, public ::testing::WithParamInterface<bool> {};

TEST_P(MenuScreenshotTest, ChartMenuWithCheckedSubMenu) {
    const bool skinned = GetParam();
    if (!skinned) host->skin = nullptr;
    skin::TbsSkinPopupMenu* menu = ChartMenu();
    // "Auflösung" with its three qualities, "Hoch" checked as a radio item, "Mittel" as a
    // plain check.
    TMenuItem* resolution = menu->Items()->Items(2);
    resolution->Items(0)->SetRadioItem(true);
    resolution->Items(0)->SetChecked(true);
    resolution->Items(1)->SetChecked(true);
    menu->Popup(100, 100);
    h.ProcessPending();
    TPoint p = ItemCentre(0, 2);
    h.MoveTo(p.X, p.Y);
    h.Advance(550);
    ASSERT_EQ(Engine().LevelCount(), 2);
    skin::TbsSkinPopupWindow* sub = Level(1);
    ASSERT_EQ(sub->ItemCount(), 3);
    h.ProcessPending();

    // The marks sit in the glyph column, vertically centred on their item, in the text
    // colour of a normal item; the third item has none.
    auto columnHasInk = [&](int index) {
        const TRect r = sub->ItemScreenRect(index);
        const TColor background = h.ScreenPixel(r.Left + 1, r.Top + 1);
        for (int y = r.Top + 3; y < r.Bottom - 3; ++y)
            for (int x = r.Left + 2; x < r.Left + 14; ++x)
                if (h.ScreenPixel(x, y) != background) return true;
        return false;
    };
    EXPECT_TRUE(columnHasInk(1));
    EXPECT_FALSE(columnHasInk(2));
    const TRect level0 = Level(0)->BoundsRect();
    SaveScreenshot(h.Screen(), {level0.Left - 10, level0.Top - 10, sub->BoundsRect().Right + 10, level0.Bottom + 10},
            skinned ? "menu-chart-chrome.png" : "menu-chart-plain.png");
}

INSTANTIATE_TEST_SUITE_P(Looks, MenuScreenshotTest, ::testing::Bool());

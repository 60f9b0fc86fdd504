// The look of menu levels with the Chrome skin and without skin, and the screenshots of
// both (docs/screenshots/menus-*.png).

#include "MenuTestSupport.h"

#include "base/ShortCut.h"

using namespace menutest;

TEST_F(MenuTest, SkinnedLevelDrawsItemsFromTheMenuPicture) {
    skin::TbsSkinPopupMenu* menu = ChartMenu();
    menu->Popup(100, 100);
    h.ProcessPending();
    skin::TbsSkinPopupWindow* level = Level(0);
    const gfx::Bitmap* picture = chromeData.ActivePicture(3);
    ASSERT_NE(picture, nullptr);
    // The active first item shows "activeskinrect" (0,20)-(67,40); its left end is copied
    // unscaled, so the item's pixel (1, 10) is the picture's (1, 30).
    TRect first = level->ItemScreenRect(0);
    EXPECT_EQ(h.ScreenPixel(first.Left + 1, first.Top + 10), picture->Pixel(1, 30));
    // The second item is normal: "skinrect" (0,0)-(67,20).
    TRect second = level->ItemScreenRect(1);
    EXPECT_EQ(h.ScreenPixel(second.Left + 1, second.Top + 10), picture->Pixel(1, 10));
    // The divider comes from "dividerrect" (0,40)-(67,45).
    TRect divider = level->ItemScreenRect(3);
    EXPECT_EQ(divider.Height(), 5);
    EXPECT_EQ(h.ScreenPixel(divider.Left + 1, divider.Top + 2), picture->Pixel(1, 42));
    // The window's top-left corner comes from the [POPUPWINDOW] picture.
    const gfx::Bitmap* window = chromeData.ActivePicture(2);
    EXPECT_EQ(h.ScreenPixel(level->Left(), level->Top()), window->Pixel(0, 0));
    // The sub-menu triangle of the normal second item: its 7-pixel column, in the font
    // colour, 11 pixels before the text area's right end (text area 2..66 of 67).
    const int textRight = second.Left + 66 + (second.Width() - 67);
    const int midY = second.Top + 2 + 8;
    EXPECT_EQ(h.ScreenPixel(textRight - 11, midY - 3), 2893864);
    EXPECT_EQ(h.ScreenPixel(textRight - 11, midY + 3), 2893864);
    EXPECT_EQ(h.ScreenPixel(textRight - 8, midY), 2893864);

    // A sub-menu with check and radio marks, for the screenshot.
    TMenuItem* torteItem = torte;
    torteItem->SetRadioItem(true);
    torteItem->SetChecked(true);
    Engine().HandleMenuKey(base::VK_RETURN);
    Level(1)->SelectItem(1, false);
    Level(1)->DeselectItem(0);
    h.ProcessPending();
    TRect sub = Level(1)->BoundsRect();
    SaveScreenshot(h.Screen(), {90, 90, sub.Right + 10, level->BoundsRect().Bottom + 10},
                   "menus-chart-context.png");
}

TEST_F(MenuTest, LevelWithoutSkinHasTheClassicLook) {
    host->skin = nullptr;
    auto* menu = new skin::TbsSkinPopupMenu(form);
    TMenuItem* refresh = AddItem(menu->Items(), "&Aktualisieren");
    refresh->SetShortCut(base::ShortCut(base::VK_F1 + 4, false, false, false));
    TMenuItem* check = AddItem(menu->Items(), "Legende &anzeigen");
    check->SetChecked(true);
    AddItem(menu->Items(), "-");
    TMenuItem* off = AddItem(menu->Items(), "Drucken");
    off->SetEnabled(false);
    AddItem(menu->Items(), "&Beenden", "BSF_CLOSE");
    menu->Popup(100, 100);
    h.ProcessPending();
    skin::TbsSkinPopupWindow* level = Level(0);
    EXPECT_EQ(level->Height(), 4 * 20 + 4 + 4);
    // Window: a button-shadow frame, a window-coloured frame inside it, the button-face
    // column of 21 pixels.
    EXPECT_EQ(h.ScreenPixel(level->Left(), level->Top() + 30), base::ColorToRGB(clBtnShadow));
    EXPECT_EQ(h.ScreenPixel(level->Left() + 1, level->Top() + 30), base::ColorToRGB(clWindow));
    // The active first item: a navy frame filled with RGB 182, 189, 210.
    TRect first = level->ItemScreenRect(0);
    EXPECT_EQ(h.ScreenPixel(first.Left, first.Top + 5), base::RGB(0, 0, 128));
    EXPECT_EQ(h.ScreenPixel(first.Left + 3, first.Top + 3), base::RGB(182, 189, 210));
    // The normal second item: button face in the glyph column, window colour after it,
    // and the check mark in the window text colour in the column.
    TRect second = level->ItemScreenRect(1);
    EXPECT_EQ(h.ScreenPixel(second.Left + 1, second.Top + 1), base::ColorToRGB(clBtnFace));
    EXPECT_EQ(h.ScreenPixel(second.Left + 25, second.Top + 1), base::ColorToRGB(clWindow));
    const int markX = second.Left + 2 + 3;
    const int markY = second.Top + 10 - 4;
    EXPECT_EQ(h.ScreenPixel(markX + 2, markY + 7), base::ColorToRGB(clWindowText));
    // The divider: a one-pixel shadow line across the middle after the glyph column.
    TRect divider = level->ItemScreenRect(2);
    EXPECT_EQ(divider.Height(), 4);
    EXPECT_EQ(h.ScreenPixel(divider.Left + 30, divider.Top + 2), base::ColorToRGB(clBtnShadow));
    EXPECT_EQ(h.ScreenPixel(divider.Left + 30, divider.Top + 1), base::ColorToRGB(clWindow));
    SaveScreenshot(h.Screen(), {90, 90, level->BoundsRect().Right + 10,
                                level->BoundsRect().Bottom + 10},
                   "menus-default.png");
}

// The main menu bar's size, items area, item placing and overflow, with the Chrome skin
// and without skin, and how it draws both looks.

#include "MenuBarTestSupport.h"

#include "skin/frame/MenuBarPainter.h"

using namespace menubartest;

TEST_F(MenuBarTest, ChromeBarIs22HighWithItemsCaptionPlus12Wide) {
    UseChrome();
    ASSERT_TRUE(bar->Skinned());
    EXPECT_EQ(bar->Height(), 22);
    EXPECT_EQ(bar->Width(), 400);  // aligned to the top of the form's client area
    EXPECT_EQ(bar->Top(), 0);
    EXPECT_EQ(bar->ItemsRect(), (TRect{1, 1, 399, 21}));
    ASSERT_EQ(bar->ItemCount(), 2);
    const TRect first = bar->Item(0).ObjectRect;
    const TRect second = bar->Item(1).ObjectRect;
    EXPECT_EQ(first, (TRect{1, 1, 1 + CaptionWidth(0) + 12, 21}));
    EXPECT_EQ(second, (TRect{first.Right, 1, first.Right + CaptionWidth(1) + 12, 21}));
    EXPECT_GT(CaptionWidth(0), 20);  // a real measurement of "Datei"
    EXPECT_FALSE(bar->Overflow());
    // Setting the bounds while skinned keeps the skin's height.
    bar->SetHeight(40);
    EXPECT_EQ(bar->Height(), 22);
}

TEST_F(MenuBarTest, OnlyVisibleTopLevelItemsGetBarItemsInMenuOrder) {
    TMenuItem* hidden = AddItem(menu->Items(), "&Versteckt");
    hidden->SetVisible(false);
    menu->Items()->Remove(hidden);
    menu->Items()->Insert(1, hidden);
    UseChrome();
    ASSERT_EQ(bar->ItemCount(), 2);
    EXPECT_EQ(bar->Item(0).MenuItem(), datei);
    EXPECT_EQ(bar->Item(1).MenuItem(), info);
    // A disabled menu item gives a bar item that can be neither hovered nor pressed.
    info->SetEnabled(false);
    EXPECT_FALSE(bar->Item(1).IsEnabled());
}

TEST_F(MenuBarTest, NarrowingHidesInfoBehindTheOverflowMarkWhoseMenuListsItOnly) {
    UseChrome();
    const int infoRight = bar->Item(1).ObjectRect.Right;
    // The form is narrowed until "&Info" passes the items area's right edge less 5.
    form->SetWidth(infoRight + 1 + 5);  // items right = width - 1: "&Info" still fits
    h.ProcessPending();
    EXPECT_TRUE(bar->Item(1).Shown);
    EXPECT_FALSE(bar->Overflow());
    form->SetWidth(infoRight + 1 + 4);
    h.ProcessPending();
    EXPECT_TRUE(bar->Overflow());
    EXPECT_TRUE(bar->Item(0).Shown);
    EXPECT_FALSE(bar->Item(1).Shown);
    EXPECT_FALSE(bar->Item(1).IsEnabled());
    EXPECT_EQ(bar->OverflowMarkRect(), (TRect{bar->Width() - 6, 1, bar->Width() - 1, 21}));

    // Clicking the mark opens a menu with "&Info" only, below the mark.
    const TRect mark = bar->OverflowMarkRect();
    const TPoint origin = bar->ClientOrigin();
    h.Click(origin.X + mark.Left + 2, origin.Y + 10);
    ASSERT_EQ(Engine().LevelCount(), 1);
    skin::TbsSkinPopupWindow* level = Engine().Levels(0);
    ASSERT_EQ(level->ItemCount(), 1);
    EXPECT_EQ(level->Item(0).MenuItem(), info);
    EXPECT_EQ(level->Top(), origin.Y + mark.Bottom);
    EXPECT_EQ(frame->skinMenuOpens, 1);
    Engine().CloseAll();

    // Widening again shows "&Info" and enables it again; the mark goes.
    form->SetWidth(400);
    h.ProcessPending();
    EXPECT_TRUE(bar->Item(1).Shown);
    EXPECT_TRUE(bar->Item(1).IsEnabled());
    EXPECT_FALSE(bar->Overflow());
}

TEST_F(MenuBarTest, OverflowMarkIsDrawnInTheTrackMarkColours) {
    UseChrome();
    form->SetWidth(bar->Item(1).ObjectRect.Right);
    h.ProcessPending();
    ASSERT_TRUE(bar->Overflow());
    const TRect mark = bar->OverflowMarkRect();
    const TPoint origin = bar->ClientOrigin();
    auto markHas = [&](TColor color) {
        for (int y = mark.Top; y < mark.Bottom; ++y)
            for (int x = mark.Left; x < mark.Right; ++x)
                if (h.ScreenPixel(origin.X + x, origin.Y + y) == color) return true;
        return false;
    };
    EXPECT_TRUE(markHas(9604748));     // "trackmarkcolor"
    EXPECT_FALSE(markHas(10513990));
    h.MoveTo(origin.X + mark.Left + 2, origin.Y + 10);
    h.ProcessPending();
    EXPECT_TRUE(bar->OverflowMarkHot());
    EXPECT_TRUE(markHas(10513990));    // "trackmarkactivecolor" while hot
}

TEST_F(MenuBarTest, SkinnedBarAndItemsComeFromTheSkinPictures) {
    UseChrome();
    const gfx::Bitmap* picture = chromeData.ActivePicture(3);
    ASSERT_NE(picture, nullptr);
    const TPoint origin = bar->ClientOrigin();
    // Background: the bar's "skinrect" (0,60)-(60,82); its left column is copied as is.
    EXPECT_EQ(h.ScreenPixel(origin.X, origin.Y + 11), picture->Pixel(0, 71));
    // A normal item: "skinrect" (70,0)-(131,20), left end 4 pixels fixed.
    const TRect first = bar->Item(0).ObjectRect;
    EXPECT_EQ(h.ScreenPixel(origin.X + first.Left + 1, origin.Y + first.Top + 1), picture->Pixel(71, 1));
    // Highlighted by the mouse: "activeskinrect" (70,20)-(131,40).
    const TPoint centre = ItemCentre(1);
    h.MoveTo(centre.X, centre.Y);
    h.ProcessPending();
    ASSERT_TRUE(bar->Item(1).Highlighted);
    const TRect second = bar->Item(1).ObjectRect;
    EXPECT_EQ(h.ScreenPixel(origin.X + second.Left + 1, origin.Y + second.Top + 1), picture->Pixel(71, 21));
    // Down: "downrect" (70,40)-(131,60), and the caption in "downfontcolor" (white).
    h.Press();
    h.ProcessPending();
    ASSERT_TRUE(bar->Item(1).IsDown);
    EXPECT_EQ(h.ScreenPixel(origin.X + second.Left + 1, origin.Y + second.Top + 1), picture->Pixel(71, 41));
    bool white = false;
    for (int x = second.Left + 5; x < second.Right - 5; ++x)
        for (int y = second.Top + 3; y < second.Bottom - 3; ++y)
            if (h.ScreenPixel(origin.X + x, origin.Y + y) == 16777215) white = true;
    EXPECT_TRUE(white);
    h.Release();
    h.ProcessPending();
    SaveScreenshot({origin.X, origin.Y, origin.X + 400, origin.Y + 90}, "menubar-chrome.png");
}

TEST_F(MenuBarTest, WithoutSkinTheBarHasItsOwnLook) {
    bar->SetMainMenu(menu);
    h.ProcessPending();
    ASSERT_FALSE(bar->Skinned());
    EXPECT_EQ(bar->Height(), 22);  // DefaultHeight
    EXPECT_EQ(bar->ItemsRect(), (TRect{2, 2, 398, 20}));
    ASSERT_EQ(bar->ItemCount(), 2);
    EXPECT_EQ(bar->Item(0).ObjectRect, (TRect{2, 2, 2 + CaptionWidth(0) + 12, 20}));
    EXPECT_EQ(bar->ItemFont(bar->Item(0)).Height(), bar->DefItemFont()->Resolved().Height());
    const TPoint origin = bar->ClientOrigin();
    const TRect second = bar->Item(1).ObjectRect;
    EXPECT_EQ(h.ScreenPixel(origin.X + second.Left + 1, origin.Y + second.Top + 1), base::ColorToRGB(clBtnFace));
    // Highlighted: a navy frame around the fill 13811126.
    const TPoint centre = ItemCentre(1);
    h.MoveTo(centre.X, centre.Y);
    h.ProcessPending();
    EXPECT_EQ(h.ScreenPixel(origin.X + second.Left, origin.Y + second.Top + 5), skin::kBarItemFrame);
    EXPECT_EQ(h.ScreenPixel(origin.X + second.Left + 1, origin.Y + second.Top + 1), 13811126);
    // Down: the fill 11899781.
    h.Press();
    h.ProcessPending();
    EXPECT_EQ(h.ScreenPixel(origin.X + second.Left + 1, origin.Y + second.Top + 1), 11899781);
    h.Release();
    h.ProcessPending();
    SaveScreenshot({origin.X, origin.Y, origin.X + 400, origin.Y + 90}, "menubar-plain.png");
    // The default height applies only without a skin record and when above 0.
    bar->SetDefaultHeight(0);
    EXPECT_EQ(bar->Height(), 22);
    bar->SetDefaultHeight(26);
    EXPECT_EQ(bar->Height(), 26);
}

TEST_F(MenuBarTest, SkinChangesDropAndRebuildTheItems) {
    UseChrome();
    ASSERT_EQ(bar->ItemCount(), 2);
    bar->PrepareSkinChange();
    EXPECT_EQ(bar->ItemCount(), 0);
    h.ProcessPending();  // painting without items must not fail
    bar->ApplySkinChange();
    EXPECT_EQ(bar->ItemCount(), 2);
    EXPECT_TRUE(bar->Item(0).Skinned());
    // No main menu: an empty bar; a destroyed main menu is forgotten.
    bar->SetMainMenu(nullptr);
    EXPECT_EQ(bar->ItemCount(), 0);
    bar->SetMainMenu(menu);
    EXPECT_EQ(bar->ItemCount(), 2);
    TObject::Free(menu);
    menu = nullptr;
    EXPECT_EQ(bar->MainMenu(), nullptr);
    EXPECT_EQ(bar->ItemCount(), 0);
    h.ProcessPending();
}

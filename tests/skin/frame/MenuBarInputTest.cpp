// The main menu bar driven by the mouse and by the keys the frame hands it: hover,
// drop-downs that follow the mouse along the bar, Alt and the arrows, accelerators, Enter,
// Escape, commands on the bar itself, and the item fades.

#include "MenuBarTestSupport.h"

#include "skin/SkinObjectRecords.h"

using namespace menubartest;

TEST_F(MenuBarTest, AltThenRightHighlightsInfoAndRightAgainWrapsToDatei) {
    UseChrome();
    bar->EnterKeyboardMode();
    EXPECT_TRUE(bar->KeyboardMode());
    EXPECT_TRUE(frame->menuMode);
    EXPECT_EQ(frame->mainMenuEnters, 1);
    EXPECT_TRUE(bar->Item(0).Highlighted);
    frame->Key(base::VK_RIGHT);
    EXPECT_FALSE(bar->Item(0).Highlighted);
    EXPECT_TRUE(bar->Item(1).Highlighted);
    frame->Key(base::VK_RIGHT);
    EXPECT_TRUE(bar->Item(0).Highlighted);
    EXPECT_FALSE(bar->Item(1).Highlighted);
    frame->Key(base::VK_LEFT);  // and Left wraps from the first to the last
    EXPECT_TRUE(bar->Item(1).Highlighted);
    EXPECT_EQ(Engine().LevelCount(), 0);  // moving the highlight opens nothing
    frame->Key(base::VK_ESCAPE);
    EXPECT_FALSE(frame->menuMode);
    EXPECT_FALSE(bar->KeyboardMode());
    EXPECT_FALSE(bar->Item(1).Highlighted);
}

TEST_F(MenuBarTest, AltKeepsAnItemTheMouseHighlightedAndSkipsDisabledItems) {
    UseChrome();
    const TPoint centre = ItemCentre(1);
    h.MoveTo(centre.X, centre.Y);
    h.ProcessPending();
    ASSERT_TRUE(bar->Item(1).Highlighted);
    bar->EnterKeyboardMode();
    EXPECT_TRUE(bar->Item(1).Highlighted);
    EXPECT_FALSE(bar->Item(0).Highlighted);
    frame->Key(base::VK_ESCAPE);
    h.MoveTo(5, 590);
    h.ProcessPending();
    datei->SetEnabled(false);
    bar->EnterKeyboardMode();
    EXPECT_TRUE(bar->Item(1).Highlighted);
    frame->Key(base::VK_RIGHT);  // "&Datei" is skipped: "&Info" stays
    EXPECT_TRUE(bar->Item(1).Highlighted);
}

TEST_F(MenuBarTest, DropDownFollowsTheMouseAlongTheBar) {
    UseChrome();
    const TPoint first = ItemCentre(0);
    h.Click(first.X, first.Y);
    EXPECT_TRUE(bar->Item(0).IsDown);
    EXPECT_TRUE(frame->menuMode);
    EXPECT_EQ(frame->skinMenuOpens, 1);
    ASSERT_EQ(OpenDropDown(), "&Aktualisieren");
    // The drop-down opens below the item, its left edge at the item's.
    const TRect item = bar->ItemScreenRect(0);
    EXPECT_EQ(Engine().Levels(0)->Left(), item.Left);
    EXPECT_EQ(Engine().Levels(0)->Top(), item.Bottom);
    const TPoint second = ItemCentre(1);
    h.MoveTo(second.X, second.Y);
    h.Advance(50);
    EXPECT_FALSE(bar->Item(0).IsDown);
    EXPECT_TRUE(bar->Item(1).IsDown);
    EXPECT_EQ(OpenDropDown(), "Hilfe");
    EXPECT_EQ(Engine().LevelCount(), 1);
    EXPECT_TRUE(frame->menuMode);  // moving along the bar does not end menu mode
    EXPECT_EQ(frame->mainMenuExits, 0);
    // Back to "&Datei".
    h.MoveTo(first.X, first.Y);
    h.Advance(50);
    EXPECT_EQ(OpenDropDown(), "&Aktualisieren");
    EXPECT_TRUE(bar->Item(0).IsDown);
}

TEST_F(MenuBarTest, RightWithADropDownOpenMovesTheDropDown) {
    UseChrome();
    EXPECT_TRUE(bar->SelectAccelerator('D'));
    EXPECT_EQ(OpenDropDown(), "&Aktualisieren");
    frame->Key(base::VK_RIGHT);
    EXPECT_EQ(OpenDropDown(), "Hilfe");
    EXPECT_TRUE(bar->Item(1).IsDown);
    // An accelerator with a drop-down open moves the drop-down too.
    EXPECT_TRUE(bar->SelectAccelerator('D'));
    EXPECT_EQ(OpenDropDown(), "&Aktualisieren");
    EXPECT_FALSE(bar->SelectAccelerator('X'));
}

TEST_F(MenuBarTest, EscapeClosesTheDropDownThenEndsMenuMode) {
    UseChrome();
    bar->EnterKeyboardMode();
    EXPECT_TRUE(bar->ActOnCurrentItem());  // Enter on the highlighted item opens it
    ASSERT_EQ(OpenDropDown(), "&Aktualisieren");
    EXPECT_TRUE(bar->HasDownItem());
    EXPECT_FALSE(bar->ActOnCurrentItem());  // nothing more to do while it is open
    frame->Key(base::VK_ESCAPE);
    EXPECT_EQ(Engine().LevelCount(), 0);
    EXPECT_TRUE(frame->menuMode);
    EXPECT_FALSE(bar->Item(0).IsDown);
    EXPECT_TRUE(bar->Item(0).Highlighted);
    frame->Key(base::VK_ESCAPE);
    EXPECT_FALSE(frame->menuMode);
    EXPECT_EQ(frame->mainMenuExits, 1);
    EXPECT_FALSE(bar->Item(0).Highlighted);
    EXPECT_FALSE(bar->KeyboardMode());
}

TEST_F(MenuBarTest, ChoosingADropDownItemRunsItAfterTheMenuClosedAndEndsMenuMode) {
    UseChrome();
    bar->SelectAccelerator('I');
    ASSERT_EQ(OpenDropDown(), "Hilfe");
    bool closedWhenRun = false;
    hilfe->OnClick = [this, &closedWhenRun](TObject*) { closedWhenRun = Engine().LevelCount() == 0; };
    frame->Key(base::VK_RETURN);
    EXPECT_TRUE(closedWhenRun);
    EXPECT_FALSE(frame->menuMode);
    EXPECT_FALSE(bar->Item(1).IsDown);
    EXPECT_FALSE(bar->Item(1).Highlighted);
}

TEST_F(MenuBarTest, ACommandOnTheBarRunsOnPressAndEndsMenuMode) {
    int runs = 0;
    TMenuItem* command = AddItem(menu->Items(), "&Los");
    command->OnClick = [&runs](TObject*) { ++runs; };
    UseChrome();
    ASSERT_EQ(bar->ItemCount(), 3);
    bar->EnterKeyboardMode();
    frame->Key(base::VK_LEFT);  // wraps to "&Los"
    ASSERT_TRUE(bar->Item(2).Highlighted);
    EXPECT_TRUE(bar->ActOnCurrentItem());
    EXPECT_EQ(runs, 1);
    EXPECT_FALSE(frame->menuMode);
    const TPoint centre = ItemCentre(2);
    h.Click(centre.X, centre.Y);
    EXPECT_EQ(runs, 2);
    EXPECT_EQ(Engine().LevelCount(), 0);
    // With "&Datei" open, hovering the command closes the drop-down and opens nothing.
    const TPoint first = ItemCentre(0);
    h.Click(first.X, first.Y);
    ASSERT_EQ(Engine().LevelCount(), 1);
    h.MoveTo(centre.X, centre.Y);
    h.Advance(50);
    EXPECT_EQ(Engine().LevelCount(), 0);
    EXPECT_EQ(runs, 2);
    EXPECT_TRUE(bar->Item(2).Highlighted);
    EXPECT_FALSE(bar->HasDownItem());
}

TEST_F(MenuBarTest, WithoutAFrameNothingOpensAndTheKeysDoNothing) {
    UseChrome();
    bar->SetBusinessSkinForm(nullptr);
    bar->EnterKeyboardMode();
    EXPECT_FALSE(bar->KeyboardMode());
    EXPECT_FALSE(bar->SelectAccelerator('D'));
    const TPoint first = ItemCentre(0);
    h.Click(first.X, first.Y);
    EXPECT_FALSE(bar->Item(0).IsDown);
    EXPECT_EQ(Engine().LevelCount(), 0);
    // A destroyed frame is forgotten.
    bar->SetBusinessSkinForm(frame);
    TObject::Free(frame);
    frame = nullptr;
    EXPECT_EQ(bar->BusinessSkinForm(), nullptr);
}

TEST_F(MenuBarTest, HoverFollowsThePointerAndLeavingTheBarEndsIt) {
    UseChrome();
    const TPoint first = ItemCentre(0);
    h.MoveTo(first.X, first.Y);
    h.ProcessPending();
    EXPECT_TRUE(bar->HoverTimerRunning());
    EXPECT_EQ(bar->HoverIndex(), 0);
    EXPECT_TRUE(bar->Item(0).MouseIn);
    // Between the items area's end and the bar's edge there is no item.
    const TPoint origin = bar->ClientOrigin();
    h.MoveTo(origin.X + 300, origin.Y + 10);
    h.ProcessPending();
    EXPECT_EQ(bar->HoverIndex(), -1);
    EXPECT_FALSE(bar->Item(0).Highlighted);
    h.MoveTo(first.X, first.Y);
    h.ProcessPending();
    h.MoveTo(first.X, origin.Y + 100);  // off the bar
    h.ProcessPending();
    EXPECT_FALSE(bar->HoverTimerRunning());
    EXPECT_EQ(bar->HoverIndex(), -1);
    EXPECT_FALSE(bar->Item(0).Highlighted);
}

TEST_F(MenuBarTest, MorphingItemsFadeInStepsOfATenthEvery20Ms) {
    const int index = chromeData.FindObjectRecord("menubaritem");
    ASSERT_GE(index, 0);
    auto* record = dynamic_cast<skin::TbsDataSkinMainMenuItem*>(chromeData.ObjectRecords()[static_cast<size_t>(index)].get());
    ASSERT_NE(record, nullptr);
    record->morphing = true;
    UseChrome();
    ASSERT_TRUE(bar->Item(0).Morphs());
    const TPoint first = ItemCentre(0);
    h.MoveTo(first.X, first.Y);
    h.ProcessPending();
    EXPECT_TRUE(bar->MorphTimerRunning());
    EXPECT_DOUBLE_EQ(bar->Item(0).MorphProgress, 0.0);
    h.Advance(20);
    EXPECT_NEAR(bar->Item(0).MorphProgress, 0.1, 1e-9);
    h.Advance(60);
    EXPECT_NEAR(bar->Item(0).MorphProgress, 0.4, 1e-9);
    // Half way, the face is neither the normal nor the active picture.
    const gfx::Bitmap* picture = chromeData.ActivePicture(3);
    const TPoint origin = bar->ClientOrigin();
    const TRect r = bar->Item(0).ObjectRect;
    h.ProcessPending();
    const TColor mixed = h.ScreenPixel(origin.X + r.Left + 1, origin.Y + r.Top + 10);
    EXPECT_NE(mixed, picture->Pixel(71, 10));
    EXPECT_NE(mixed, picture->Pixel(71, 30));
    h.Advance(200);
    EXPECT_DOUBLE_EQ(bar->Item(0).MorphProgress, 1.0);
    EXPECT_FALSE(bar->MorphTimerRunning());  // stops once nothing moves
    // Leaving fades back to the normal face.
    h.MoveTo(first.X, origin.Y + 100);
    h.ProcessPending();
    h.Advance(100);
    EXPECT_NEAR(bar->Item(0).MorphProgress, 0.5, 1e-9);
    h.Advance(200);
    EXPECT_DOUBLE_EQ(bar->Item(0).MorphProgress, 0.0);
    // A down item jumps to 1 and does not fade while its "downrect" shows.
    h.Click(first.X, first.Y);
    EXPECT_DOUBLE_EQ(bar->Item(0).MorphProgress, 1.0);
    record->morphing = false;
}

// The caption and frame buttons of a skinned frame: where they sit, hover fades, press
// and release, commands, the caption text, and the frame's screenshots.

#include "FrameTestSupport.h"

#include "wm/Input.h"

using namespace frametest;

TEST_F(FrameTest, MainWindowButtonsTrayButtonAndCaptionFromTheChromeSkin) {
    TForm* form = nullptr;
    skin::TbsBusinessSkinForm* frame = MainWindow(form, &chromeData);
    const int w = 752;
    EXPECT_EQ(frame->FindElement("closebutton")->WindowRect, (TRect{w - 22, 4, w - 5, 20}));
    EXPECT_EQ(frame->FindElement("minbutton")->WindowRect, (TRect{w - 40, 4, w - 23, 20}));
    EXPECT_EQ(frame->FindElement("rollupbutton")->WindowRect, (TRect{w - 58, 4, w - 41, 20}));
    EXPECT_FALSE(frame->FindElement("maxbutton")->IsVisible);
    EXPECT_EQ(frame->FindElement("traybutton")->WindowRect, (TRect{1, 9, 15, 23}));
    EXPECT_EQ(frame->FindElement("sysmenubutton")->WindowRect, (TRect{16, 4, 33, 20}));
    // Menu items and menu-bar objects make no frame element.
    EXPECT_EQ(frame->FindElement("menuitem"), nullptr);
    EXPECT_EQ(frame->FindElement("menubaritem"), nullptr);
    EXPECT_EQ(frame->FindElement("barclosebutton"), nullptr);
    ASSERT_NE(frame->FindElement("sizegrip"), nullptr);
    EXPECT_EQ(frame->FindElement("sizegrip")->WindowRect.Right, w);
    // The close button shows its own picture on the window.
    const gfx::Bitmap image = h.WindowImage(form->Handle());
    const gfx::Bitmap* buttons = chromeData.ActivePicture(0);
    EXPECT_EQ(image.Pixel(w - 22 + 8, 4 + 8), buttons->Pixel(1 + 8, 30 + 8));
}

TEST_F(FrameTest, HoveredButtonFadesInTenthsEveryTwentyMillisecondsAndBack) {
    TForm* form = nullptr;
    skin::TbsBusinessSkinForm* frame = MainWindow(form, &chromeData);
    skin::TbsActiveSkinObject* close = frame->FindElement("closebutton");
    ASSERT_TRUE(close->MorphOn);
    std::vector<std::string> entered, left;
    frame->OnMouseEnterEvent = [&](const std::string& n) { entered.push_back(n); };
    frame->OnMouseLeaveEvent = [&](const std::string& n) { left.push_back(n); };
    const TPoint at = OnScreen(form, Centre(close->WindowRect));
    h.MoveTo(at.X, at.Y);
    EXPECT_TRUE(close->MouseIn);
    EXPECT_EQ(frame->Element(frame->HoverIndex()), close);
    EXPECT_EQ(close->MorphProgress, 0.0);
    h.Advance(20);
    EXPECT_DOUBLE_EQ(close->MorphProgress, 0.1);
    h.Advance(60);
    EXPECT_DOUBLE_EQ(close->MorphProgress, 0.4);
    h.Advance(200);
    EXPECT_DOUBLE_EQ(close->MorphProgress, 1.0);
    EXPECT_FALSE(frame->Morphing());
    // Fully faded in: the active picture is on the window.
    const gfx::Bitmap* buttons = chromeData.ActivePicture(0);
    EXPECT_EQ(h.WindowImage(form->Handle()).Pixel(close->WindowRect.Left + 8, close->WindowRect.Top + 8),
              buttons->Pixel(21 + 8, 30 + 8));
    // Into the client area: the hover timer ends the hover and the button fades back.
    const TPoint inside = OnScreen(form, {300, 300});
    h.MoveTo(inside.X, inside.Y);
    h.Advance(50);
    EXPECT_FALSE(close->MouseIn);
    const double start = close->MorphProgress;
    h.Advance(20);
    EXPECT_NEAR(close->MorphProgress, start - 0.1, 1e-9);
    h.Advance(300);
    EXPECT_DOUBLE_EQ(close->MorphProgress, 0.0);
    EXPECT_EQ(entered, (std::vector<std::string>{"closebutton"}));
    EXPECT_EQ(left, (std::vector<std::string>{"closebutton"}));
}

TEST_F(FrameTest, ButtonPressedAndReleasedOutsideDoesNothing) {
    TForm* main = nullptr;
    MainWindow(main, &chromeData);
    TForm* form = nullptr;
    skin::TbsBusinessSkinForm* frame = MakeFramedForm(
        form, bsSizeable, TRect::FromSize(150, 120, 400, 300),
        {skin::biSystemMenu, skin::biMinimize, skin::biRollUp}, &chromeData);
    auto* rollup = dynamic_cast<skin::TbsSkinButtonObject*>(frame->FindElement("rollupbutton"));
    auto* close = dynamic_cast<skin::TbsSkinButtonObject*>(frame->FindElement("closebutton"));
    ASSERT_NE(rollup, nullptr);
    ASSERT_NE(close, nullptr);
    const TPoint caption = OnScreen(form, {150, 12});
    for (skin::TbsSkinButtonObject* b : {rollup, close}) {
        const TPoint at = OnScreen(form, Centre(b->WindowRect));
        h.MoveTo(at.X, at.Y);
        h.Press();
        EXPECT_TRUE(b->IsDown());
        h.MoveTo(caption.X, caption.Y);
        EXPECT_FALSE(b->MouseIn);
        h.Release();
        EXPECT_FALSE(b->IsDown());
        EXPECT_EQ(frame->PressedIndex(), -1);
        EXPECT_FALSE(frame->RolledUp());
        EXPECT_TRUE(form->Visible());
        EXPECT_EQ(form->BoundsRect(), TRect::FromSize(150, 120, 400, 300));
    }
    // Released over it, the command runs.
    const TPoint at = OnScreen(form, Centre(rollup->WindowRect));
    h.Click(at.X, at.Y);
    EXPECT_TRUE(frame->RolledUp());
    EXPECT_EQ(form->Height(), 29);
    h.Click(at.X, at.Y);
    EXPECT_FALSE(frame->RolledUp());
    const TPoint x = OnScreen(form, Centre(close->WindowRect));
    h.Click(x.X, x.Y);
    EXPECT_FALSE(form->Visible());
}

TEST_F(FrameTest, TrayButtonKeepsItsSkinPlaceAndRollsTheWindowUp) {
    TForm* form = nullptr;
    skin::TbsBusinessSkinForm* frame = MainWindow(form, &chromeData);
    auto* tray = dynamic_cast<skin::TbsSkinStdButtonObject*>(frame->FindElement("traybutton"));
    ASSERT_NE(tray, nullptr);
    EXPECT_EQ(tray->ButtonCommand, skin::cmRollUp);
    EXPECT_EQ(tray->WindowRect, (TRect{1, 9, 15, 23}));
    EXPECT_EQ(HitAt(form, {8, 16}), wm::HTOBJECT);
    const TPoint at = OnScreen(form, {8, 16});
    h.Click(at.X, at.Y);
    EXPECT_TRUE(frame->RolledUp());
    EXPECT_EQ(form->Height(), 29);
}

TEST_F(FrameTest, CaptionTextEndsInAnEllipsisWhenTooLongAndFollowsActivation) {
    TForm* form = nullptr;
    skin::TbsBusinessSkinForm* frame = MainWindow(form, &chromeData);
    auto* caption = dynamic_cast<skin::TbsSkinCaptionObject*>(frame->FindElement("caption"));
    ASSERT_NE(caption, nullptr);
    frame->RenderFrame();
    EXPECT_EQ(caption->LastText, "Velmora");
    EXPECT_TRUE(caption->IsActive);
    form->SetBounds(form->Left(), form->Top(), 240, 200);
    form->SetCaption("Velmora - Laufwerk C: [System] mit einem sehr langen Titel");
    h.ProcessPending();
    frame->RenderFrame();
    ASSERT_GE(caption->LastText.size(), 3u);
    EXPECT_EQ(caption->LastText.substr(caption->LastText.size() - 3), "...");
    EXPECT_LE(caption->LastTextRect.Right, frame->FindElement("rollupbutton")->WindowRect.Left);

    // Another window activated: the caption goes inactive, hovered buttons lose their state.
    TForm* other = nullptr;
    MakeFramedForm(other, bsSizeable, TRect::FromSize(600, 400, 300, 200), {skin::biSystemMenu}, &chromeData);
    wm::SetActiveWindow(other->Handle());
    h.ProcessPending();
    EXPECT_FALSE(caption->IsActive);
    EXPECT_FALSE(frame->FindElement("closebutton")->IsActive);
}

TEST_F(FrameTest, ScreenshotsOfTheSkinnedFrame) {
    TForm* form = nullptr;
    skin::TbsBusinessSkinForm* frame = MainWindow(form, &chromeData);
    form->SetBounds(form->Left(), form->Top(), 420, 260);
    form->SetCaption("Velmora - Laufwerk C:");
    h.ProcessPending();
    const gfx::Bitmap active = h.WindowImage(form->Handle());
    Save(active, "frame-skinned-active.png");
    TForm* other = nullptr;
    MakeFramedForm(other, bsNone, TRect::FromSize(700, 500, 100, 100), {skin::biSystemMenu}, &chromeData);
    wm::SetActiveWindow(other->Handle());
    h.ProcessPending();
    const gfx::Bitmap inactive = h.WindowImage(form->Handle());
    Save(inactive, "frame-skinned-inactive.png");
    // The inactive effect brightens the frame; the left border differs.
    EXPECT_NE(active.Pixel(2, 100), inactive.Pixel(2, 100));
    EXPECT_EQ(frame->RenderFrame().Width(), 420);
}

TEST_F(FrameTest, MinimizedWindowShowsTheRestorePictureAndSystemButtonDoubleClickCloses) {
    TForm* main = nullptr;
    MainWindow(main, &chromeData);
    TForm* form = nullptr;
    skin::TbsBusinessSkinForm* frame = MakeFramedForm(
        form, bsSizeable, TRect::FromSize(200, 100, 400, 300),
        {skin::biSystemMenu, skin::biMinimize, skin::biRollUp}, &chromeData);
    const gfx::Bitmap* buttons = chromeData.ActivePicture(0);
    skin::TbsActiveSkinObject* min = frame->FindElement("minbutton");
    gfx::Bitmap image = frame->RenderFrame();
    EXPECT_EQ(image.Pixel(min->WindowRect.Left + 8, min->WindowRect.Top + 8), buttons->Pixel(1 + 8, 50 + 8));
    frame->SetFrameState(skin::fsMinimized);
    image = frame->RenderFrame();
    EXPECT_EQ(image.Pixel(min->WindowRect.Left + 8, min->WindowRect.Top + 8), buttons->Pixel(61 + 8, 50 + 8));
    // Its command now restores.
    const TPoint at = OnScreen(form, Centre(min->WindowRect));
    h.Click(at.X, at.Y);
    EXPECT_EQ(frame->FrameState(), skin::fsNormal);
    EXPECT_EQ(form->BoundsRect(), TRect::FromSize(200, 100, 400, 300));

    // Two slow clicks on the system-menu button open and close its menu; a double click
    // closes the window.
    const TPoint sys = OnScreen(form, Centre(frame->FindElement("sysmenubutton")->WindowRect));
    h.Advance(1000);
    h.Click(sys.X, sys.Y);
    EXPECT_TRUE(frame->SkinMenuEngine()->MenuOpen());
    h.Advance(600);
    h.Click(sys.X, sys.Y);
    h.ProcessPending();
    EXPECT_FALSE(frame->SkinMenuEngine()->MenuOpen());
    EXPECT_TRUE(form->Visible());
    h.Advance(1000);
    h.DoubleClick(sys.X, sys.Y);
    h.ProcessPending();
    EXPECT_FALSE(form->Visible());
    EXPECT_FALSE(frame->SkinMenuEngine()->MenuOpen());
}

// The skinned frame on real (headless) windows: client insets and size limits, the
// window's shape, hit codes, moving with snapping, roll-up, maximize and minimize, and the
// frame without a skin.

#include "FrameTestSupport.h"

#include "wm/Input.h"

using namespace frametest;

TEST_F(FrameTest, MainWindowFrameAddsTenByTwentyNineWithMinimumSize162By29) {
    TForm* form = nullptr;
    skin::TbsBusinessSkinForm* frame = MainWindow(form, &chromeData);
    ASSERT_TRUE(frame->Skinned());
    const HWND wnd = form->Handle();
    EXPECT_EQ(wm::GetClientRect(wnd), (TRect{0, 0, 742, 534}));
    EXPECT_EQ(wm::GetClientRectInWindow(wnd), (TRect{5, 24, 747, 558}));
    EXPECT_FALSE(wm::GetWindowStyle(wnd) & wm::WS_CAPTION);
    wm::MINMAXINFO info;
    wm::SendMessage(wnd, wm::WM_GETMINMAXINFO, 0, reinterpret_cast<wm::LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize, (TPoint{162, 29}));
    EXPECT_EQ(info.ptMaxTrackSize, (TPoint{wm::GetWorkArea().Width(), wm::GetWorkArea().Height()}));
    // A window made smaller than the frame's minimum grows to it when the skin arrives.
    TForm* small = nullptr;
    MakeFramedForm(small, bsSizeable, TRect::FromSize(10, 10, 100, 20), {skin::biSystemMenu}, &chromeData);
    EXPECT_EQ(small->Width(), 162);
    EXPECT_EQ(small->Height(), 29);
}

TEST_F(FrameTest, WindowShapeFollowsTheMaskSoCornerClicksReachTheDesktop) {
    TForm* form = nullptr;
    MainWindow(form, &chromeData);
    const HWND wnd = form->Handle();
    auto region = wm::GetWindowRgn(wnd);
    ASSERT_TRUE(region.has_value());
    EXPECT_FALSE(region->Contains(0, 0));       // rounded top-left corner
    EXPECT_FALSE(region->Contains(751, 0));     // and top-right
    EXPECT_TRUE(region->Contains(376, 2));      // the top edge between them
    EXPECT_TRUE(region->Contains(5, 300));      // the mask area
    // The display gets the shape, and the corner is not the window's.
    EXPECT_TRUE(h.Display().SurfaceOf(wnd)->shape.has_value());
    EXPECT_NE(wm::WindowFromPoint(OnScreen(form, {0, 0})), wnd);
    EXPECT_EQ(wm::WindowFromPoint(OnScreen(form, {376, 300})), wnd);
    // Growing the window rebuilds the shape at the new size.
    form->SetBounds(form->Left(), form->Top(), 900, 600);
    h.ProcessPending();
    region = wm::GetWindowRgn(wnd);
    ASSERT_TRUE(region.has_value());
    EXPECT_FALSE(region->Contains(899, 0));
    EXPECT_TRUE(region->Contains(880, 300));
}

TEST_F(FrameTest, HitCodesOfButtonsCaptionEdgesAndClient) {
    TForm* form = nullptr;
    skin::TbsBusinessSkinForm* frame = MainWindow(form, &chromeData);
    const TRect close = frame->FindElement("closebutton")->WindowRect;
    EXPECT_EQ(HitAt(form, Centre(close)), wm::HTOBJECT);
    EXPECT_EQ(HitAt(form, {300, 12}), wm::HTCAPTION);
    EXPECT_EQ(HitAt(form, {300, 300}), wm::HTCLIENT);
    EXPECT_EQ(HitAt(form, {300, 1}), wm::HTTOP);
    EXPECT_EQ(HitAt(form, {1, 300}), wm::HTLEFT);
    // The skin's mask area reaches the bottom: that edge sizes only at its corners.
    EXPECT_EQ(HitAt(form, {300, 561}), wm::HTOBJECT);
    EXPECT_EQ(HitAt(form, {1, 561}), wm::HTBOTTOMLEFT);
    EXPECT_EQ(HitAt(form, {750, 300}), wm::HTRIGHT);
    EXPECT_EQ(HitAt(form, {749, 560}), wm::HTBOTTOMRIGHT);
    // A press on a button neither moves nor sizes the window.
    const TRect before = form->BoundsRect();
    const TPoint at = OnScreen(form, Centre(close));
    h.Drag(at, at + TPoint{40, 40}, 4);
    EXPECT_EQ(form->BoundsRect(), before);
}

TEST_F(FrameTest, SingleBorderNeverSizesAndNoBorderGetsNoFrame) {
    TForm* main = nullptr;
    MainWindow(main, &chromeData);
    TForm* dialog = nullptr;
    MakeFramedForm(dialog, bsSingle, TRect::FromSize(200, 150, 400, 300), {skin::biSystemMenu}, &chromeData);
    for (int y = 0; y < 300; y += 3)
        for (int x : {0, 1, 2, 3, 4, 5, 200, 394, 395, 396, 397, 398, 399})
            ASSERT_FALSE(wm::IsSizingHitCode(HitAt(dialog, {x, y}))) << x << "," << y;
    for (int x = 0; x < 400; x += 7)
        for (int y : {0, 1, 2, 3, 297, 298, 299})
            ASSERT_FALSE(wm::IsSizingHitCode(HitAt(dialog, {x, y}))) << x << "," << y;

    TForm* borderless = nullptr;
    skin::TbsBusinessSkinForm* frame = MakeFramedForm(
        borderless, bsNone, TRect::FromSize(300, 200, 300, 200), {skin::biSystemMenu}, &chromeData);
    const HWND wnd = borderless->Handle();
    EXPECT_EQ(wm::GetClientRectInWindow(wnd), (TRect{0, 0, 300, 200}));
    EXPECT_FALSE(wm::GetWindowRgn(wnd).has_value());
    // Its client background is the skin's; nothing of a frame is drawn over it.
    const gfx::Bitmap image = h.WindowImage(wnd);
    const TRect& c = chromeData.FormInfo().clientrect;
    EXPECT_EQ(image.Pixel(0, 0), chromeData.Picture().Pixel(c.Left, c.Top));
    EXPECT_EQ(frame->FrameHitTest({1, 1}), wm::HTCLIENT);
}

TEST_F(FrameTest, MagneticSnapsToTheWorkAreaAtFourPixelsButNotAtFive) {
    TForm* form = nullptr;
    skin::TbsBusinessSkinForm* frame = MainWindow(form, &chromeData);
    frame->SetMagnetic(true);
    ASSERT_EQ(frame->MagneticSize(), 5);
    const TRect area = wm::GetWorkArea();
    auto dragCaptionTo = [&](int left) {
        const TPoint grip = OnScreen(form, {300, 12});
        h.Drag(grip, grip + TPoint{left - form->Left(), 0}, 3);
        return form->Left();
    };
    EXPECT_EQ(dragCaptionTo(area.Left + 4), area.Left);
    EXPECT_EQ(dragCaptionTo(area.Left + 60), area.Left + 60);
    EXPECT_EQ(dragCaptionTo(area.Left + 5), area.Left + 5);
    frame->SetMagnetic(false);
    EXPECT_EQ(dragCaptionTo(area.Left + 4), area.Left + 4);
}

TEST_F(FrameTest, SizingByTheBottomRightEdgeRebuildsTheFrame) {
    TForm* form = nullptr;
    skin::TbsBusinessSkinForm* frame = MainWindow(form, &chromeData);
    const TPoint edge = OnScreen(form, {750, 561});
    h.Drag(edge, edge + TPoint{-200, -100}, 4);
    EXPECT_EQ(form->Width(), 552);
    EXPECT_EQ(form->Height(), 463);
    EXPECT_EQ(frame->FindElement("closebutton")->WindowRect.Right, 552 - 5);
    // Never below the minimum.
    const TPoint edge2 = OnScreen(form, {550, 461});
    h.Drag(edge2, edge2 + TPoint{-900, -900}, 4);
    EXPECT_EQ(form->Width(), 162);
    EXPECT_EQ(form->Height(), 29);
}

TEST_F(FrameTest, DoubleClickOnCaptionRollsUpAWindowWithoutMaximize) {
    TForm* form = nullptr;
    skin::TbsBusinessSkinForm* frame = MainWindow(form, &chromeData);
    int notices = 0;
    frame->OnChangeRollUpState = [&](TObject*) { ++notices; };
    const TPoint caption = OnScreen(form, {300, 12});
    h.DoubleClick(caption.X, caption.Y);
    EXPECT_TRUE(frame->RolledUp());
    EXPECT_EQ(form->Height(), 29);
    EXPECT_EQ(frame->FrameState(), skin::fsNormal);
    // Rolled up, everything but the caption is an object: no sizing.
    EXPECT_EQ(HitAt(form, {751, 28}), wm::HTOBJECT);
    h.DoubleClick(caption.X, caption.Y);
    EXPECT_FALSE(frame->RolledUp());
    EXPECT_EQ(form->Height(), 563);
    EXPECT_EQ(notices, 2);

    // With biMaximize the same double click maximizes and then restores.
    frame->SetBorderIcons({skin::biSystemMenu, skin::biMinimize, skin::biMaximize, skin::biRollUp});
    h.DoubleClick(caption.X, caption.Y);
    EXPECT_EQ(frame->FrameState(), skin::fsMaximized);
    EXPECT_EQ(form->BoundsRect(), wm::GetWorkArea());
    const TPoint top = OnScreen(form, {300, 12});
    h.DoubleClick(top.X, top.Y);
    EXPECT_EQ(frame->FrameState(), skin::fsNormal);
    EXPECT_EQ(form->BoundsRect(), TRect::FromSize(100, 80, 752, 563));
    EXPECT_TRUE(frame->RestoreBounds().IsEmpty());
}

TEST_F(FrameTest, RollUpIsRefusedWithoutItsIconAndWhileMinimized) {
    TForm* main = nullptr;
    MainWindow(main, &chromeData);
    TForm* form = nullptr;
    skin::TbsBusinessSkinForm* frame = MakeFramedForm(
        form, bsSizeable, TRect::FromSize(200, 100, 300, 200), {skin::biSystemMenu}, &chromeData);
    frame->SetRollUp(true);
    EXPECT_FALSE(frame->RolledUp());
    frame->SetBorderIcons({skin::biSystemMenu, skin::biRollUp, skin::biMinimize});
    frame->SetFrameState(skin::fsMinimized);
    frame->SetRollUp(true);
    EXPECT_FALSE(frame->RolledUp());
    frame->SetFrameState(skin::fsNormal);
    EXPECT_EQ(form->BoundsRect(), TRect::FromSize(200, 100, 300, 200));
    frame->SetRollUp(true);
    EXPECT_TRUE(frame->RolledUp());
}

TEST_F(FrameTest, MinimizedWindowsTakeTheFirstFreePlaceFromTheBottomLeft) {
    TForm* main = nullptr;
    skin::TbsBusinessSkinForm* mainFrame = MainWindow(main, &chromeData);
    const TRect area = wm::GetWorkArea();
    TForm* a = nullptr;
    TForm* b = nullptr;
    skin::TbsBusinessSkinForm* fa = MakeFramedForm(a, bsSizeable, TRect::FromSize(200, 100, 300, 200),
                                                   {skin::biSystemMenu, skin::biMinimize}, &chromeData);
    skin::TbsBusinessSkinForm* fb = MakeFramedForm(b, bsSizeable, TRect::FromSize(250, 150, 300, 200),
                                                   {skin::biSystemMenu, skin::biMinimize}, &chromeData);
    fa->SetFrameState(skin::fsMinimized);
    fb->SetFrameState(skin::fsMinimized);
    EXPECT_EQ(a->BoundsRect(), TRect::FromSize(area.Left, area.Bottom - 29, 162, 29));
    EXPECT_EQ(b->BoundsRect(), TRect::FromSize(area.Left + 162, area.Bottom - 29, 162, 29));
    EXPECT_EQ(fa->RestoreBounds(), TRect::FromSize(200, 100, 300, 200));
    fa->SetFrameState(skin::fsNormal);
    EXPECT_EQ(a->BoundsRect(), TRect::FromSize(200, 100, 300, 200));

    // The main window takes the application down; its own state stays normal.
    const TRect r = mainFrame->FindElement("minbutton")->WindowRect;
    const TPoint at = OnScreen(main, Centre(r));
    h.Click(at.X, at.Y);
    EXPECT_EQ(mainFrame->FrameState(), skin::fsNormal);
    EXPECT_TRUE(h.Display().SurfaceOf(main->Handle())->minimized);
}

TEST_F(FrameTest, WithoutSkinAPlainFrameWithFiveDefaultButtons) {
    TForm* form = nullptr;
    skin::TbsBusinessSkinForm* frame = MakeFramedForm(
        form, bsSizeable, TRect::FromSize(100, 100, 400, 300),
        {skin::biSystemMenu, skin::biMinimize, skin::biMaximize, skin::biRollUp}, nullptr);
    const HWND wnd = form->Handle();
    EXPECT_FALSE(frame->Skinned());
    EXPECT_EQ(wm::GetClientRectInWindow(wnd), (TRect{3, 22, 397, 297}));
    ASSERT_EQ(frame->ElementCount(), 5);
    EXPECT_EQ(frame->FindElement("closebutton")->WindowRect, (TRect{380, 4, 397, 21}));
    EXPECT_EQ(frame->FindElement("maxbutton")->WindowRect, (TRect{362, 4, 379, 21}));
    EXPECT_EQ(frame->FindElement("sysmenubutton")->WindowRect, (TRect{4, 4, 21, 21}));
    EXPECT_EQ(frame->MinFrameWidth(), 120);
    EXPECT_EQ(frame->MinFrameHeight(), 25);
    EXPECT_EQ(HitAt(form, {200, 10}), wm::HTCAPTION);
    EXPECT_EQ(HitAt(form, {0, 150}), wm::HTLEFT);
    EXPECT_EQ(HitAt(form, {399, 299}), wm::HTBOTTOMRIGHT);
    const TPoint close = OnScreen(form, {388, 12});
    h.MoveTo(close.X, close.Y);
    EXPECT_EQ(HitAt(form, {388, 12}), wm::HTOBJECT);
    // Hovered: the light fill inside a one-pixel frame.
    h.Advance(60);
    const gfx::Bitmap image = h.WindowImage(wnd);
    EXPECT_EQ(base::ColorToRGB(image.Pixel(381, 5)), 13811126);
    // Without biMaximize the maximize button goes and the others close up.
    frame->SetBorderIcons({skin::biSystemMenu, skin::biMinimize});
    EXPECT_FALSE(frame->FindElement("maxbutton")->IsVisible);
    EXPECT_EQ(frame->FindElement("minbutton")->WindowRect, (TRect{362, 4, 379, 21}));
    h.ProcessPending();
    Save(h.WindowImage(wnd), "frame-without-skin.png");
}

// What the display reports besides pointer and keys, and what the core tells it.
#include <gtest/gtest.h>

#include "WmTestSupport.h"
#include "wm/Input.h"
#include "wm/MessageLoop.h"
#include "wm/Paint.h"

using namespace wmtest;
using wm::headless::HeadlessSession;

namespace {

InputEvent SurfaceEvent(HeadlessSession& h, HWND window, InputEvent::Kind kind) {
    InputEvent e;
    e.kind = kind;
    for (SurfaceId id = 1; id < 100; ++id)
        if (const auto* s = h.Display().FindSurface(id); s && s->window == window) e.surface = id;
    return e;
}

}  // namespace

TEST(DisplayEvents, WindowManagerFocusActivatesAndCloseRequestCloses) {
    HeadlessSession h;
    MessageLog log;
    HWND a = MakeTopLevel({0, 0, 100, 100}, &log);
    HWND b = MakeTopLevel({200, 0, 300, 100}, &log);
    EXPECT_EQ(GetActiveWindow(), b);
    h.Display().QueueInput(SurfaceEvent(h, a, InputEvent::Kind::FocusIn));
    h.ProcessPending();
    EXPECT_EQ(GetActiveWindow(), a);
    EXPECT_EQ(GetFocus(), a);
    h.Display().QueueInput(SurfaceEvent(h, a, InputEvent::Kind::FocusOut));
    h.ProcessPending();
    EXPECT_EQ(GetActiveWindow(), 0u);
    EXPECT_EQ(GetFocus(), 0u);
    EXPECT_EQ(log.Last(a, WM_ACTIVATE)->wParam, WA_INACTIVE);
    h.Display().QueueInput(SurfaceEvent(h, b, InputEvent::Kind::CloseRequest));
    h.ProcessPending();
    EXPECT_EQ(log.Last(b, WM_SYSCOMMAND)->wParam, SC_CLOSE);
    EXPECT_EQ(log.Count(b, WM_CLOSE), 1);
    EXPECT_FALSE(IsWindow(b));
}

TEST(DisplayEvents, SurfacesFollowTheWindowsAndExposeIsAnsweredFromTheBackBuffer) {
    HeadlessSession h;
    HWND w = MakeTopLevel({10, 20, 110, 70}, nullptr, PaintsWith(clRed));
    SetWindowText(w, "Velmora");
    const auto* s = h.Display().SurfaceOf(w);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->title, "Velmora");
    EXPECT_TRUE(s->visible);
    h.ProcessPending();
    int presents = s->presents;
    h.Display().QueueInput(SurfaceEvent(h, w, InputEvent::Kind::Expose));
    h.ProcessPending();
    EXPECT_EQ(s->presents, presents + 1);  // no repaint needed
    SetWindowPos(w, 0, 30, 40, 50, 60, SWP_NOZORDER);
    EXPECT_EQ(s->bounds, TRect(30, 40, 80, 100));
    ShowWindow(w, SW_MINIMIZE);
    EXPECT_TRUE(s->minimized);
    ShowWindow(w, SW_HIDE);
    EXPECT_FALSE(s->visible);
    DestroyWindow(w);
    EXPECT_EQ(h.Display().SurfaceOf(w), nullptr);
}

TEST(DisplayEvents, AWindowsFirstFrameGoesOutWholeAndLaterDrawingAtOnce) {
    HeadlessSession h;
    HWND w = MakeTopLevel({10, 20, 110, 70}, nullptr, PaintsWith(clRed));
    const auto* s = h.Display().SurfaceOf(w);
    ASSERT_NE(s, nullptr);
    // Drawn before the window's first paint (a frame drawn on activation, say): kept back,
    // so the window never shows up without its content.
    auto drawPixel = [&](int x, TColor color) {
        HDC dc = GetWindowDC(w);
        GetCanvas(dc)->SetPixel(x, 0, color);
        ReleaseDC(w, dc);
    };
    drawPixel(0, clBlue);
    EXPECT_EQ(s->presents, 0);
    h.ProcessPending();
    EXPECT_EQ(s->presents, 1);  // one transfer, after the paint
    EXPECT_EQ(s->image.Pixel(50, 30), clRed);
    // Once the window has been shown, what is drawn outside a paint appears at once.
    drawPixel(1, clLime);
    EXPECT_EQ(s->presents, 2);
    EXPECT_EQ(s->image.Pixel(1, 0), clLime);
}

TEST(DisplayEvents, WindowPosChangingMayAdjustTheRequest) {
    HeadlessSession h;
    MessageLog log;
    // Keeps the window at least 50 wide, like a form's minimum size.
    Handler atLeast50 = [](HWND, UINT msg, WPARAM, LPARAM lp) -> std::optional<LRESULT> {
        if (msg == WM_WINDOWPOSCHANGING) {
            auto* pos = reinterpret_cast<WINDOWPOS*>(lp);
            if (pos->cx < 50) pos->cx = 50;
        }
        return std::nullopt;
    };
    HWND w = MakeTopLevel({0, 0, 100, 100}, &log, atLeast50);
    log.Clear();
    SetWindowPos(w, 0, 0, 0, 20, 80, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(GetWindowRect(w), TRect(0, 0, 50, 80));
    EXPECT_EQ(log.Count(w, WM_WINDOWPOSCHANGED), 1);
    EXPECT_EQ(log.Count(w, WM_MOVE), 0);
    EXPECT_EQ(log.Count(w, WM_SIZE), 1);
    // The back buffer and the picture of a window follow the size.
    h.ProcessPending();
    gfx::Bitmap picture = CaptureWindow(w);
    EXPECT_EQ(picture.Width(), 50);
    EXPECT_EQ(picture.Height(), 80);
    EXPECT_EQ(picture.Pixel(49, 79), clWhite);
}

TEST(DisplayEvents, ComposedScreenMatchesSinglePixelReadBack) {
    HeadlessSession h(200, 150);
    HWND back = MakeTopLevel({20, 20, 120, 120}, nullptr, PaintsWith(clRed));
    HWND front = MakeTopLevel({60, 60, 160, 140}, nullptr, PaintsWith(clBlue));
    gfx::Region round = gfx::Region::FromEllipse({0, 0, 100, 80});
    SetWindowRgn(front, &round);
    h.ProcessPending();
    gfx::Bitmap screen = h.Screen();
    for (int y = 0; y < 150; y += 7)
        for (int x = 0; x < 200; x += 7) ASSERT_EQ(screen.Pixel(x, y), h.ScreenPixel(x, y)) << x << "," << y;
    EXPECT_EQ(h.ScreenPixel(61, 61), clRed);     // outside the ellipse's corner
    EXPECT_EQ(h.ScreenPixel(110, 100), clBlue);  // its middle
    EXPECT_EQ(h.ScreenPixel(5, 5), base::ColorToRGB(h.Display().DesktopColor()));
    (void)back;
}

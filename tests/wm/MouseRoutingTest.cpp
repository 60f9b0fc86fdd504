// Where mouse input goes: hit tests, client and frame messages, capture, enter/leave,
// double clicks, transparent and disabled windows, window regions.
#include <gtest/gtest.h>

#include "WmTestSupport.h"
#include "wm/Input.h"
#include "wm/MessageLoop.h"

using namespace wmtest;
using wm::headless::HeadlessSession;

namespace {

// A top-level at (100, 100) sized 200 x 150 with one child at (20, 20) sized 100 x 60
// (screen 120..220 x 120..180).
struct TwoLevels {
    explicit TwoLevels(MessageLog* log, Handler childHandler = {}) {
        top = MakeTopLevel({100, 100, 300, 250}, log);
        child = MakeChild(top, {20, 20, 120, 80}, log, std::move(childHandler));
    }
    HWND top = 0;
    HWND child = 0;
};

Handler CapturesOnPress() {
    return [](HWND h, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (msg == WM_LBUTTONDOWN) SetCapture(h);
        if (msg == WM_LBUTTONUP) ReleaseCapture();
        return std::nullopt;
    };
}

}  // namespace

TEST(MouseRouting, ClickHitTestsThenSendsDownAndUpInClientCoordinates) {
    HeadlessSession h;
    MessageLog log;
    TwoLevels w(&log);
    h.MoveTo(130, 135);
    log.Clear();
    h.Press();
    h.Release();
    EXPECT_EQ(log.Of(w.child, {WM_NCHITTEST, WM_LBUTTONDOWN, WM_LBUTTONUP}),
              (std::vector<UINT>{WM_NCHITTEST, WM_LBUTTONDOWN, WM_NCHITTEST, WM_LBUTTONUP}));
    auto down = log.Last(w.child, WM_LBUTTONDOWN);
    ASSERT_TRUE(down);
    EXPECT_EQ(PointFromParam(down->lParam), TPoint(10, 15));
    EXPECT_EQ(down->wParam & MK_LBUTTON, MK_LBUTTON);
    EXPECT_EQ(log.Last(w.child, WM_LBUTTONUP)->wParam & MK_LBUTTON, 0u);
    // The parent hears about the press in its child but gets no button message itself.
    EXPECT_EQ(log.Count(w.top, WM_PARENTNOTIFY), 1);
    EXPECT_EQ(log.Count(w.top, WM_LBUTTONDOWN), 0);
}

TEST(MouseRouting, FrameHitCodesGiveNonClientMessagesWithScreenPoints) {
    HeadlessSession h;
    MessageLog log;
    Handler caption = [](HWND, UINT msg, WPARAM, LPARAM lp) -> std::optional<LRESULT> {
        if (msg == WM_NCHITTEST) return PointParamY(lp) < 110 ? HTOBJECT : HTCLIENT;
        if (msg == WM_NCLBUTTONDOWN) return 0;
        return std::nullopt;
    };
    HWND top = MakeTopLevel({100, 100, 300, 250}, &log, caption);
    h.Click(150, 105);
    auto down = log.Last(top, WM_NCLBUTTONDOWN);
    ASSERT_TRUE(down);
    EXPECT_EQ(down->wParam, static_cast<WPARAM>(HTOBJECT));
    EXPECT_EQ(PointFromParam(down->lParam), TPoint(150, 105));
    EXPECT_EQ(log.Count(top, WM_NCLBUTTONUP), 1);
    EXPECT_EQ(log.Count(top, WM_LBUTTONDOWN), 0);
}

TEST(MouseRouting, CaptureKeepsTheMouseOnAControlWhileThePointerLeavesIt) {
    HeadlessSession h;
    MessageLog log;
    TwoLevels w(&log, CapturesOnPress());
    h.MoveTo(130, 130);
    h.Press();
    ASSERT_EQ(GetCapture(), w.child);
    log.Clear();
    h.MoveTo(250, 200);  // over the parent only
    h.MoveTo(500, 500);  // off every window
    auto moves = log.Of(w.child, {WM_MOUSEMOVE});
    ASSERT_EQ(moves.size(), 2u);
    EXPECT_EQ(PointFromParam(log.Last(w.child, WM_MOUSEMOVE)->lParam), TPoint(380, 380));
    EXPECT_EQ(log.Count(w.top, WM_MOUSEMOVE), 0);
    // The control still learns that the pointer left it, though it holds the capture.
    EXPECT_EQ(log.Count(w.child, WM_MOUSELEAVE), 1);
    h.Release();
    EXPECT_EQ(log.Count(w.child, WM_LBUTTONUP), 1);
    EXPECT_EQ(GetCapture(), 0u);
    log.Clear();
    h.MoveTo(250, 200);
    EXPECT_EQ(log.Count(w.top, WM_MOUSEMOVE), 1);
    EXPECT_EQ(log.Count(w.child, WM_MOUSEMOVE), 0);
}

TEST(MouseRouting, EnterAndLeaveFollowThePointerFromWindowToWindowAndOffTheTopLevel) {
    HeadlessSession h;
    MessageLog log;
    TwoLevels w(&log);
    h.MoveTo(130, 130);
    EXPECT_EQ(log.Count(w.child, WM_MOUSEENTER), 1);
    EXPECT_EQ(log.Count(w.top, WM_MOUSEENTER), 0);
    h.MoveTo(131, 131);  // staying inside: no new notices
    EXPECT_EQ(log.Count(w.child, WM_MOUSEENTER), 1);
    h.MoveTo(250, 200);
    EXPECT_EQ(log.Count(w.child, WM_MOUSELEAVE), 1);
    EXPECT_EQ(log.Count(w.top, WM_MOUSEENTER), 1);
    h.MoveTo(10, 10);
    EXPECT_EQ(log.Count(w.top, WM_MOUSELEAVE), 1);
    EXPECT_EQ(log.Count(w.child, WM_MOUSELEAVE), 1);
    // The display reports the pointer leaving for another program's window, which may
    // lie above ours: a leave, though our window is still under that point.
    h.MoveTo(130, 130);
    InputEvent leave;
    leave.kind = InputEvent::Kind::PointerLeave;
    h.Display().QueueInput(leave);
    h.ProcessPending();
    EXPECT_EQ(log.Count(w.child, WM_MOUSELEAVE), 2);
}

TEST(MouseRouting, CaptureMovingElsewhereCancelsTheLosersMode) {
    HeadlessSession h;
    MessageLog log;
    TwoLevels w(&log);
    SetCapture(w.child);
    log.Clear();
    EXPECT_EQ(SetCapture(w.top), w.child);
    EXPECT_EQ(GetCapture(), w.top);
    EXPECT_EQ(log.Of(w.child), (std::vector<UINT>{WM_CAPTURECHANGED, WM_CANCELMODE}));
    EXPECT_EQ(log.Last(w.child, WM_CAPTURECHANGED)->lParam, static_cast<LPARAM>(w.top));
    // Releasing tells the holder, but is no cancellation.
    ReleaseCapture();
    EXPECT_EQ(log.Count(w.top, WM_CAPTURECHANGED), 1);
    EXPECT_EQ(log.Count(w.top, WM_CANCELMODE), 0);
    EXPECT_EQ(GetCapture(), 0u);
}

TEST(MouseRouting, TransparentHitTestPassesToTheWindowBeneath) {
    HeadlessSession h;
    MessageLog log;
    HWND top = MakeTopLevel({0, 0, 200, 200}, &log);
    HWND below = MakeChild(top, {10, 10, 110, 110}, &log);
    Handler transparent = [](HWND, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (msg == WM_NCHITTEST) return HTTRANSPARENT;
        return std::nullopt;
    };
    HWND above = MakeChild(top, {50, 50, 150, 150}, &log, transparent);
    h.Click(60, 60);  // both children cover this point
    EXPECT_EQ(log.Count(below, WM_LBUTTONDOWN), 1);
    EXPECT_EQ(log.Count(above, WM_LBUTTONDOWN), 0);
    EXPECT_EQ(WindowFromPoint({60, 60}), below);
    h.Click(130, 130);  // only the transparent child: its parent takes it
    EXPECT_EQ(log.Count(top, WM_LBUTTONDOWN), 1);
}

TEST(MouseRouting, DisabledWindowsGetNoMouseInput) {
    HeadlessSession h;
    MessageLog log;
    TwoLevels w(&log);
    EnableWindow(w.child, false);
    h.Click(130, 130);
    EXPECT_EQ(log.Count(w.child, WM_LBUTTONDOWN), 0);
    EXPECT_EQ(log.Count(w.top, WM_LBUTTONDOWN), 1);  // a disabled child is not there
    EnableWindow(w.top, false);
    log.Clear();
    h.Click(250, 200);
    EXPECT_TRUE(log.Of(w.top, {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_MOUSEMOVE}).empty());
    EXPECT_EQ(h.Display().Beeps(), 1);
}

TEST(MouseRouting, DoubleClicksOnlyForWindowsThatWantThemAndOnlyWhenQuick) {
    HeadlessSession h;
    MessageLog log;
    HWND plain = MakeTopLevel({0, 0, 100, 100}, &log);
    HWND wants = MakeTopLevel({200, 0, 300, 100}, &log, {}, WS_VISIBLE | WS_POPUP | CS_DBLCLKS);
    std::vector<UINT> buttons{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK};
    h.DoubleClick(250, 50);
    EXPECT_EQ(log.Of(wants, buttons),
              (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}));
    h.DoubleClick(50, 50);
    EXPECT_EQ(log.Count(plain, WM_LBUTTONDBLCLK), 0);
    EXPECT_EQ(log.Count(plain, WM_LBUTTONDOWN), 2);
    // Too slow, then too far apart: two single clicks each.
    log.Clear();
    h.Click(250, 50);
    h.Advance(501);
    h.Click(250, 50);
    h.Click(254, 50);
    EXPECT_EQ(log.Count(wants, WM_LBUTTONDBLCLK), 0);
    // A third quick press after a double click starts a new click.
    log.Clear();
    h.DoubleClick(250, 60);
    h.Click(250, 60);
    EXPECT_EQ(log.Count(wants, WM_LBUTTONDBLCLK), 1);
}

TEST(MouseRouting, WheelGoesToTheFocusAndBubblesToItsParent) {
    HeadlessSession h;
    MessageLog log;
    TwoLevels w(&log);
    SetFocus(w.child);
    h.Wheel(10, 10, -kWheelNotch);  // the pointer need not be over it
    auto wheel = log.Last(w.child, WM_MOUSEWHEEL);
    ASSERT_TRUE(wheel);
    EXPECT_EQ(WheelDelta(wheel->wParam), -120);
    EXPECT_EQ(log.Count(w.top, WM_MOUSEWHEEL), 1);
}

TEST(MouseRouting, WindowRegionMakesACornerTransparentToClicksAndDrawing) {
    HeadlessSession h;
    MessageLog log;
    // Beneath: a red window; above it a blue one without its top-left 20 x 20 corner.
    HWND under = MakeTopLevel({50, 50, 250, 250}, &log, PaintsWith(clRed));
    HWND over = MakeTopLevel({100, 100, 200, 200}, &log, PaintsWith(clBlue));
    gfx::Region shape = gfx::Region::Combine(gfx::Region::FromRect({0, 0, 100, 100}),
                                             gfx::Region::FromRect({0, 0, 20, 20}),
                                             gfx::RegionOp::Diff);
    SetWindowRgn(over, &shape);
    h.ProcessPending();
    EXPECT_EQ(h.ScreenPixel(105, 105), clRed);   // inside the cut corner
    EXPECT_EQ(h.ScreenPixel(125, 105), clBlue);  // beside it
    EXPECT_EQ(h.ScreenPixel(119, 120), clBlue);  // just below it
    h.Click(105, 105);
    EXPECT_EQ(log.Count(under, WM_LBUTTONDOWN), 1);
    EXPECT_EQ(log.Count(over, WM_LBUTTONDOWN), 0);
    h.Click(120, 105);
    EXPECT_EQ(log.Count(over, WM_LBUTTONDOWN), 1);

    // The same for a child: its cut corner shows and takes clicks for its parent.
    HWND child = MakeChild(under, {100, 0, 150, 50}, &log, PaintsWith(clLime));
    SetWindowRgn(child, &shape);  // corner 0..20 of the child
    h.ProcessPending();
    EXPECT_EQ(h.ScreenPixel(155, 55), clRed);
    EXPECT_EQ(h.ScreenPixel(175, 55), clLime);
    h.Click(155, 55);
    EXPECT_EQ(log.Count(under, WM_LBUTTONDOWN), 2);
    EXPECT_EQ(log.Count(child, WM_LBUTTONDOWN), 0);
}

TEST(MouseRouting, ClickActivatesUnlessTheWindowRefuses) {
    HeadlessSession h;
    MessageLog log;
    HWND a = MakeTopLevel({0, 0, 100, 100}, &log);
    HWND b = MakeTopLevel({200, 0, 300, 100}, &log);
    HWND menu = MakeTopLevel({400, 0, 500, 100}, &log, {},
                             WS_VISIBLE | WS_POPUP | WS_EX_NOACTIVATE | WS_EX_TOPMOST);
    Handler refuse = [](HWND, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (msg == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
        return std::nullopt;
    };
    HWND hint = MakeTopLevel({600, 0, 700, 100}, &log, refuse, WS_VISIBLE | WS_POPUP | WS_EX_TOPMOST);
    SetActiveWindow(a);
    h.Click(250, 50);
    EXPECT_EQ(GetActiveWindow(), b);
    auto activate = log.Last(b, WM_ACTIVATE);
    ASSERT_TRUE(activate);
    EXPECT_EQ(activate->wParam, WA_CLICKACTIVE);
    h.Click(450, 50);
    EXPECT_EQ(GetActiveWindow(), b);
    EXPECT_EQ(log.Count(menu, WM_LBUTTONDOWN), 1);
    h.Click(650, 50);
    EXPECT_EQ(GetActiveWindow(), b);
    EXPECT_EQ(log.Count(hint, WM_LBUTTONDOWN), 1);
}

TEST(MouseRouting, CursorFollowsHitCodesAndTheWaitOverride) {
    HeadlessSession h;
    HWND top = MakeTopLevel({100, 100, 300, 250}, nullptr, {},
                            WS_VISIBLE | WS_CAPTION | WS_SIZEBOX);
    HWND child = MakeChild(top, {0, 0, 50, 50});
    SetWindowCursor(child, CursorShape::Hand);
    h.MoveTo(120, 130);  // the child (client starts at 3, 22)
    EXPECT_EQ(h.Display().Cursor(), CursorShape::Hand);
    h.MoveTo(299, 200);
    EXPECT_EQ(h.Display().Cursor(), CursorShape::SizeWE);
    h.MoveTo(299, 249);
    EXPECT_EQ(h.Display().Cursor(), CursorShape::SizeNWSE);
    SetWaitCursor(true);
    h.MoveTo(120, 130);
    EXPECT_EQ(h.Display().Cursor(), CursorShape::Wait);
    SetWaitCursor(false);
    EXPECT_EQ(h.Display().Cursor(), CursorShape::Hand);
    EXPECT_EQ(GetCursorPos(), TPoint(120, 130));
}

TEST(MouseRouting, ChildFramesGetNonClientMessagesAndTheirOwnHitCodes) {
    HeadlessSession h;
    MessageLog log;
    HWND top = MakeTopLevel({0, 0, 200, 200}, &log);
    // A control with a one-pixel border (an edit's or a scroll box's frame).
    HWND edit = MakeChild(top, {10, 10, 60, 30}, &log, {}, WS_VISIBLE | WS_BORDER);
    EXPECT_EQ(GetClientRectInWindow(edit), TRect(1, 1, 49, 19));
    EXPECT_EQ(ClientToScreen(edit, {0, 0}), TPoint(11, 11));
    h.Click(10, 20);  // on the border
    auto down = log.Last(edit, WM_NCLBUTTONDOWN);
    ASSERT_TRUE(down);
    EXPECT_EQ(down->wParam, static_cast<WPARAM>(HTBORDER));
    EXPECT_EQ(log.Count(edit, WM_LBUTTONDOWN), 0);
    h.Click(11, 11);  // the client's first pixel
    EXPECT_EQ(PointFromParam(log.Last(edit, WM_LBUTTONDOWN)->lParam), TPoint(0, 0));
    h.ProcessPending();
    EXPECT_EQ(h.ScreenPixel(10, 10), base::ColorToRGB(clWindowFrame));
    EXPECT_EQ(h.ScreenPixel(11, 11), clSilver);
}

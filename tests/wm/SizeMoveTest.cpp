// The moving and sizing loops the window system runs for frame hit codes.
#include <gtest/gtest.h>

#include "WmTestSupport.h"
#include "base/ShortCut.h"
#include "wm/Input.h"
#include "wm/MessageLoop.h"
#include "wm/Timers.h"

using namespace wmtest;
using wm::headless::HeadlessSession;

namespace {

constexpr WindowStyle kFramed = WS_VISIBLE | WS_CAPTION | WS_SIZEBOX;

// Limits sizing to 150 x 100 .. 400 x 300.
Handler Limits() {
    return [](HWND, UINT msg, WPARAM, LPARAM lp) -> std::optional<LRESULT> {
        if (msg != WM_GETMINMAXINFO) return std::nullopt;
        auto* info = reinterpret_cast<MINMAXINFO*>(lp);
        info->ptMinTrackSize = {150, 100};
        info->ptMaxTrackSize = {400, 300};
        return 0;
    };
}

}  // namespace

TEST(SizeMove, CaptionDragMovesTheWindowWithThePointer) {
    HeadlessSession h;
    MessageLog log;
    HWND top = MakeTopLevel({100, 100, 300, 250}, &log, {}, kFramed);
    h.Drag({150, 110}, {200, 160}, 5);
    EXPECT_EQ(GetWindowRect(top), TRect(150, 150, 350, 300));
    EXPECT_EQ(h.Display().SurfaceOf(top)->bounds, TRect(150, 150, 350, 300));
    auto seen = log.Of(top, {WM_ENTERSIZEMOVE, WM_MOVING, WM_EXITSIZEMOVE});
    ASSERT_EQ(seen.size(), 7u);
    EXPECT_EQ(seen.front(), WM_ENTERSIZEMOVE);
    EXPECT_EQ(seen.back(), WM_EXITSIZEMOVE);
    EXPECT_EQ(PointFromParam(log.Last(top, WM_MOVE)->lParam), TPoint(153, 172));  // client origin
    EXPECT_EQ(log.Count(top, WM_SIZE), 0);
    EXPECT_EQ(GetCapture(), 0u);
    EXPECT_EQ(h.Display().Grab(), 0u);
}

TEST(SizeMove, MovingMayBeAdjustedByTheWindow) {
    HeadlessSession h;
    // Snaps to x = 0 when closer than 10 pixels, as a magnetic frame does.
    Handler snap = [](HWND, UINT msg, WPARAM, LPARAM lp) -> std::optional<LRESULT> {
        if (msg != WM_MOVING) return std::nullopt;
        auto* r = reinterpret_cast<TRect*>(lp);
        if (r->Left < 10) *r = r->Offset(-r->Left, 0);
        return 0;
    };
    HWND top = MakeTopLevel({100, 100, 300, 250}, nullptr, snap, kFramed);
    h.Drag({150, 110}, {57, 110});
    EXPECT_EQ(GetWindowRect(top).Left, 0);
}

TEST(SizeMove, SizingHonoursMinMaxInfoAndReportsTheEdge) {
    HeadlessSession h;
    MessageLog log;
    HWND top = MakeTopLevel({100, 100, 300, 250}, &log, Limits(), kFramed);
    h.Drag({299, 249}, {120, 120});  // bottom-right corner far inwards
    EXPECT_EQ(GetWindowRect(top), TRect(100, 100, 250, 200));
    EXPECT_EQ(log.Last(top, WM_SIZING)->wParam, WMSZ_BOTTOMRIGHT);
    auto size = log.Last(top, WM_SIZE);
    EXPECT_EQ(LowWord(static_cast<uintptr_t>(size->lParam)), 144u);  // client: 150 - 6
    EXPECT_EQ(HighWord(static_cast<uintptr_t>(size->lParam)), 75u);  // 100 - 25
    h.Drag({249, 199}, {700, 700});  // far outwards
    EXPECT_EQ(GetWindowRect(top), TRect(100, 100, 500, 400));
    // The left edge moves, the right edge stays put.
    h.Drag({100, 200}, {450, 200});
    EXPECT_EQ(GetWindowRect(top), TRect(350, 100, 500, 400));
    EXPECT_EQ(log.Last(top, WM_SIZING)->wParam, WMSZ_LEFT);
}

TEST(SizeMove, EscapeRestoresTheStartRectangle) {
    HeadlessSession h;
    MessageLog log;
    HWND top = MakeTopLevel({100, 100, 300, 250}, &log, {}, kFramed);
    h.QueueMove(150, 110);
    h.QueueButton(MouseButton::Left, true);
    h.QueueMove(250, 210);
    h.QueueKey(base::VK_ESCAPE, true);
    h.QueueKey(base::VK_ESCAPE, false);
    h.QueueButton(MouseButton::Left, false);
    h.ProcessPending();
    EXPECT_EQ(GetWindowRect(top), TRect(100, 100, 300, 250));
    EXPECT_EQ(log.Count(top, WM_EXITSIZEMOVE), 1);
    EXPECT_EQ(log.Count(top, WM_KEYDOWN), 0);  // the loop kept the key
}

TEST(SizeMove, TimersRunDuringTheLoopAndAQuitEndsIt) {
    HeadlessSession h;
    int ticks = 0;
    Handler tick = [&](HWND, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (msg == WM_TIMER && ++ticks == 2) PostQuitMessage(9);
        return std::nullopt;
    };
    HWND top = MakeTopLevel({100, 100, 300, 250}, nullptr, tick, kFramed);
    SetTimer(top, 1, 50);
    h.QueueMove(150, 110);
    h.QueueButton(MouseButton::Left, true);
    h.QueueMove(160, 110);
    h.QueueAdvance(100);
    h.ProcessPending();
    EXPECT_EQ(ticks, 2);
    EXPECT_EQ(GetWindowRect(top).Left, 110);
    EXPECT_EQ(GetCapture(), 0u);
    EXPECT_TRUE(IsQuitPending());
}

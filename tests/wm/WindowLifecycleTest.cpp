// Creating, destroying, recreating and subclassing windows, and stale handles.
#include <gtest/gtest.h>

#include "WmTestSupport.h"
#include "wm/Input.h"
#include "wm/MessageLoop.h"
#include "wm/Paint.h"
#include "wm/Timers.h"

using namespace wmtest;
using wm::headless::HeadlessSession;

TEST(WindowLifecycle, CreationSendsNcCreateCalcSizeCreateInOrder) {
    HeadlessSession h;
    MessageLog log;
    HWND w = MakeTopLevel({10, 10, 110, 60}, &log);
    ASSERT_NE(w, 0u);
    auto seen = log.Of(w, {WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SHOWWINDOW});
    EXPECT_EQ(seen, (std::vector<UINT>{WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SHOWWINDOW}));
    // A window refusing WM_CREATE is not created.
    HWND refused = MakeTopLevel({0, 0, 10, 10}, &log,
                                [](HWND, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
                                    if (msg == WM_CREATE) return -1;
                                    return std::nullopt;
                                });
    EXPECT_EQ(refused, 0u);
    EXPECT_EQ(GetChildWindows(0).size(), 1u);
}

TEST(WindowLifecycle, DestroyNotifiesTheWholeTreeAndMovesInputOff) {
    HeadlessSession h;
    MessageLog log;
    HWND top = MakeTopLevel({0, 0, 200, 200}, &log);
    HWND child = MakeChild(top, {0, 0, 100, 100}, &log);
    HWND grandchild = MakeChild(child, {0, 0, 50, 50}, &log);
    SetFocus(grandchild);
    SetCapture(grandchild);
    log.Clear();
    EXPECT_TRUE(DestroyWindow(child));
    std::vector<std::pair<HWND, UINT>> order;
    for (const Logged& m : log.Entries())
        if (m.msg == WM_DESTROY || m.msg == WM_NCDESTROY) order.emplace_back(m.hwnd, m.msg);
    EXPECT_EQ(order, (std::vector<std::pair<HWND, UINT>>{{child, WM_DESTROY},
                                                         {grandchild, WM_DESTROY},
                                                         {grandchild, WM_NCDESTROY},
                                                         {child, WM_NCDESTROY}}));
    EXPECT_FALSE(IsWindow(grandchild));
    EXPECT_EQ(GetCapture(), 0u);
    EXPECT_EQ(GetFocus(), top);  // the focus falls back to the top-level
    EXPECT_TRUE(GetChildWindows(top).empty());
    // A window destroying itself from its own procedure.
    PostMessage(top, WM_CLOSE);
    h.ProcessPending();
    EXPECT_FALSE(IsWindow(top));
}

TEST(WindowLifecycle, StaleAndUnknownHandlesAreIgnored) {
    HeadlessSession h;
    HWND top = MakeTopLevel({0, 0, 100, 100});
    HWND gone = MakeChild(top, {0, 0, 10, 10});
    HDC hdc = GetDC(gone);
    DestroyWindow(gone);
    for (HWND bad : {gone, HWND(0), HWND(987654)}) {
        EXPECT_FALSE(IsWindow(bad));
        EXPECT_FALSE(DestroyWindow(bad));
        EXPECT_EQ(SendMessage(bad, WM_USER), 0);
        EXPECT_FALSE(bad != 0 && PostMessage(bad, WM_USER));
        EXPECT_EQ(SetTimer(bad, 1, 10), 0u);
        EXPECT_FALSE(KillTimer(bad, 1));
        EXPECT_FALSE(SetWindowPos(bad, 0, 1, 2, 3, 4, 0));
        EXPECT_FALSE(ShowWindow(bad, SW_SHOW));
        EXPECT_FALSE(InvalidateRect(bad, nullptr, true));
        EXPECT_FALSE(UpdateWindow(bad));
        EXPECT_EQ(GetDC(bad), 0u);
        PAINTSTRUCT ps;
        EXPECT_EQ(BeginPaint(bad, ps), 0u);
        if (bad != 0) {
            EXPECT_EQ(SetFocus(bad), 0u);  // SetFocus(0) means "no focus"
        }
        EXPECT_EQ(SetCapture(bad), 0u);
        EXPECT_EQ(SetActiveWindow(bad), 0u);
        EXPECT_EQ(SetParent(bad, top), 0u);
        EXPECT_EQ(GetWindowRect(bad), TRect());
        EXPECT_EQ(GetWindowText(bad), "");
        EXPECT_FALSE(SetWindowText(bad, "x"));
        EXPECT_FALSE(SetWindowRgn(bad, nullptr));
        EXPECT_FALSE(SetWindowProc(bad, DefWindowProc));
        EXPECT_EQ(RecreateWindow(bad), 0u);
        EXPECT_EQ(ChildWindowFromPoint(bad, {1, 1}), 0u);
    }
    // A context of a destroyed window stays usable until released, then goes stale.
    ASSERT_NE(GetCanvas(hdc), nullptr);
    GetCanvas(hdc)->FillRect({0, 0, 5, 5});
    EXPECT_TRUE(ReleaseDC(gone, hdc));
    EXPECT_FALSE(ReleaseDC(gone, hdc));
    EXPECT_EQ(GetCanvas(hdc), nullptr);
    // Messages posted before the window went are dropped.
    int got = 0;
    HWND target = MakeTopLevel({0, 0, 10, 10}, nullptr,
                               [&](HWND, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
                                   if (msg == WM_USER) ++got;
                                   return std::nullopt;
                               });
    PostMessage(target, WM_USER);
    DestroyWindow(target);
    h.ProcessPending();
    EXPECT_EQ(got, 0);
    EXPECT_TRUE(IsWindow(top));
}

TEST(WindowLifecycle, SubclassedProcedureChainsToThePreviousOne) {
    HeadlessSession h;
    std::vector<std::string> calls;
    HWND w = MakeTopLevel({0, 0, 100, 100}, nullptr,
                          [&](HWND, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
                              if (msg == WM_USER) {
                                  calls.push_back("form");
                                  return 5;
                              }
                              return std::nullopt;
                          });
    auto previous = std::make_shared<WindowProc>();
    *previous = SetWindowProc(w, [&calls, previous](HWND hw, UINT msg, WPARAM wp, LPARAM lp) -> LRESULT {
        if (msg == WM_USER) calls.push_back("frame");
        if (msg == WM_USER + 1) return 77;  // handled here only
        return CallWindowProc(*previous, hw, msg, wp, lp);
    });
    EXPECT_EQ(SendMessage(w, WM_USER), 5);
    EXPECT_EQ(calls, (std::vector<std::string>{"frame", "form"}));
    EXPECT_EQ(SendMessage(w, WM_USER + 1), 77);
    // Putting the old procedure back removes the frame from the chain.
    SetWindowProc(w, *previous);
    calls.clear();
    SendMessage(w, WM_USER);
    EXPECT_EQ(calls, (std::vector<std::string>{"form"}));
}

TEST(WindowLifecycle, RecreateKeepsSettingsPlaceAndFocus) {
    HeadlessSession h;
    MessageLog log;
    HWND top = MakeTopLevel({0, 0, 200, 200});
    HWND below = MakeChild(top, {0, 0, 50, 50});
    HWND control = MakeChild(top, {10, 20, 60, 40}, &log, {}, WS_VISIBLE | WS_TABSTOP);
    HWND above = MakeChild(top, {0, 0, 50, 50});
    SetWindowText(control, "Name");
    SetFocus(control);
    HWND fresh = RecreateWindow(control);
    ASSERT_NE(fresh, 0u);
    EXPECT_NE(fresh, control);
    EXPECT_FALSE(IsWindow(control));
    EXPECT_EQ(GetWindowBounds(fresh), TRect(10, 20, 60, 40));
    EXPECT_EQ(GetWindowText(fresh), "Name");
    EXPECT_TRUE(GetWindowStyle(fresh) & WS_TABSTOP);
    EXPECT_EQ(GetChildWindows(top), (std::vector<HWND>{below, fresh, above}));
    EXPECT_EQ(GetFocus(), fresh);
    EXPECT_EQ(log.Count(fresh, WM_CREATE), 1);  // the same procedure serves the new window
}

TEST(WindowLifecycle, ReparentingMovesAWindowBetweenTopLevelAndChild) {
    HeadlessSession h;
    HWND a = MakeTopLevel({0, 0, 200, 200}, nullptr, PaintsWith(clWhite));
    HWND b = MakeTopLevel({300, 0, 400, 100}, nullptr, PaintsWith(clRed));
    EXPECT_EQ(SetParent(a, a), 0u);  // a window cannot be its own ancestor
    EXPECT_EQ(SetParent(b, a), 0u);
    EXPECT_EQ(GetParent(b), a);
    MoveWindow(b, {10, 10, 60, 60});
    h.ProcessPending();
    EXPECT_EQ(h.ScreenPixel(20, 20), clRed);
    EXPECT_EQ(h.Display().SurfaceOf(b), nullptr);
    EXPECT_EQ(SetParent(a, b), 0u);  // b lives inside a: refused
    EXPECT_EQ(SetParent(b, 0), a);
    EXPECT_NE(h.Display().SurfaceOf(b), nullptr);
    MoveWindow(b, {300, 0, 350, 50});  // bounds are screen coordinates now
    h.ProcessPending();
    EXPECT_EQ(h.ScreenPixel(20, 20), clWhite);  // a repainted what b no longer covers
    EXPECT_EQ(h.ScreenPixel(310, 10), clRed);
}

TEST(WindowLifecycle, TopMostWindowsStayAboveAndTheDisplayKnowsTheOrder) {
    HeadlessSession h;
    HWND hint = MakeTopLevel({0, 0, 50, 50}, nullptr, PaintsWith(clYellow),
                             WS_VISIBLE | WS_POPUP | WS_EX_TOPMOST | WS_EX_NOACTIVATE);
    HWND form = MakeTopLevel({0, 0, 100, 100}, nullptr, PaintsWith(clBlue));
    h.ProcessPending();
    EXPECT_EQ(GetChildWindows(0), (std::vector<HWND>{form, hint}));
    EXPECT_EQ(h.ScreenPixel(10, 10), clYellow);
    EXPECT_EQ(h.ScreenPixel(60, 60), clBlue);
    EXPECT_EQ(GetActiveWindow(), form);  // the hint never took activation
    SetWindowPos(hint, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetWindowPos(form, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    h.ProcessPending();
    EXPECT_EQ(h.ScreenPixel(10, 10), clBlue);
}

// Timers on the virtual clock, the main loop, modal loops and quitting.
#include <gtest/gtest.h>

#include "WmTestSupport.h"
#include "wm/Input.h"
#include "wm/MessageLoop.h"
#include "wm/Timers.h"

using namespace wmtest;
using wm::headless::HeadlessSession;
using wm::headless::HeadlessStall;

namespace {

// Records the clock at every WM_TIMER.
Handler TimerTimes(std::vector<uint64_t>* times) {
    return [times](HWND, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (msg == WM_TIMER) times->push_back(GetTickCount());
        return std::nullopt;
    };
}

}  // namespace

TEST(Timers, FireExactlyAtEachIntervalOnTheVirtualClock) {
    HeadlessSession h;
    std::vector<uint64_t> times;
    HWND w = MakeTopLevel({0, 0, 10, 10}, nullptr, TimerTimes(&times));
    EXPECT_EQ(SetTimer(w, 1, 1000), 1u);
    h.Advance(999);
    EXPECT_TRUE(times.empty());
    h.Advance(1);
    EXPECT_EQ(times, (std::vector<uint64_t>{1000}));
    h.Advance(2500);
    EXPECT_EQ(times, (std::vector<uint64_t>{1000, 2000, 3000}));
    KillTimer(w, 1);
    h.Advance(5000);
    EXPECT_EQ(times.size(), 3u);
}

TEST(Timers, ABusyLoopGetsOneMessageNotAPileAndTheScheduleKeepsItsPhase) {
    HeadlessSession h;
    std::vector<uint64_t> times;
    HWND w = MakeTopLevel({0, 0, 10, 10}, nullptr, TimerTimes(&times));
    SetTimer(w, 7, 100);
    h.Display().SetTime(1050);  // the loop was busy for ten periods
    h.ProcessPending();
    EXPECT_EQ(times, (std::vector<uint64_t>{1050}));
    h.Advance(49);
    EXPECT_EQ(times.size(), 1u);
    h.Advance(1);
    EXPECT_EQ(times.back(), 1100u);
}

TEST(Timers, RestartingResetsAndDestroyingStops) {
    HeadlessSession h;
    std::vector<uint64_t> times;
    HWND w = MakeTopLevel({0, 0, 10, 10}, nullptr, TimerTimes(&times));
    SetTimer(w, 1, 100);
    h.Advance(50);
    SetTimer(w, 1, 100);  // same id: restarted, not doubled
    h.Advance(100);
    EXPECT_EQ(times, (std::vector<uint64_t>{150}));
    DestroyWindow(w);
    h.Advance(1000);
    EXPECT_EQ(times.size(), 1u);
    EXPECT_EQ(SetTimer(w, 1, 100), 0u);
    EXPECT_EQ(h.System().timers.Count(), 0u);
}

TEST(MessageLoop, PostedMessagesArriveInOrderAndQuitEndsTheMainLoop) {
    HeadlessSession h;
    std::vector<WPARAM> got;
    HWND w = MakeTopLevel({0, 0, 10, 10}, nullptr,
                          [&](HWND, UINT msg, WPARAM wp, LPARAM) -> std::optional<LRESULT> {
                              if (msg != WM_USER) return std::nullopt;
                              got.push_back(wp);
                              if (wp == 3) PostQuitMessage(42);
                              return 0;
                          });
    PostMessage(w, WM_USER, 1);
    PostMessage(w, WM_USER, 2);
    PostMessage(w, WM_USER, 3);
    PostMessage(w, WM_USER, 4);  // before the quit request is seen: still delivered
    EXPECT_EQ(RunMessageLoop(), 42);
    EXPECT_EQ(got, (std::vector<WPARAM>{1, 2, 3, 4}));
    EXPECT_FALSE(IsQuitPending());
}

TEST(ModalLoop, DisablesTheOtherWindowsAndReenablesExactlyThose) {
    HeadlessSession h;
    MessageLog log;
    HWND main = MakeTopLevel({0, 0, 100, 100}, &log);
    HWND alreadyOff = MakeTopLevel({200, 0, 300, 100});
    EnableWindow(alreadyOff, false);
    bool done = false;
    bool mainEnabledInside = true, dialogEnabledInside = false;
    HWND dialog = MakeTopLevel({400, 0, 500, 100}, &log,
                               [&](HWND hw, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
                                   if (msg != WM_TIMER) return std::nullopt;
                                   mainEnabledInside = IsWindowEnabled(main);
                                   dialogEnabledInside = IsWindowEnabled(hw);
                                   done = true;
                                   return 0;
                               });
    SetTimer(dialog, 1, 100);
    h.QueueMove(50, 50);  // a click on the disabled main window does nothing
    h.QueueButton(MouseButton::Left, true);
    h.QueueButton(MouseButton::Left, false);
    h.QueueAdvance(100);
    EXPECT_TRUE(RunModalLoop(dialog, [&] { return done; }));
    EXPECT_FALSE(mainEnabledInside);
    EXPECT_TRUE(dialogEnabledInside);
    EXPECT_EQ(log.Count(main, WM_LBUTTONDOWN), 0);
    EXPECT_EQ(h.Display().Beeps(), 1);
    EXPECT_TRUE(IsWindowEnabled(main));
    EXPECT_FALSE(IsWindowEnabled(alreadyOff));
}

TEST(ModalLoop, EndsOnAPostedQuitWhichThenAlsoEndsTheMainLoop) {
    HeadlessSession h;
    HWND main = MakeTopLevel({0, 0, 100, 100});
    bool hotKeySeen = false;
    HWND dialog = MakeTopLevel({400, 0, 500, 100}, nullptr,
                               [&](HWND, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
                                   if (msg == WM_HOTKEY) hotKeySeen = true;
                                   if (msg == WM_TIMER) PostQuitMessage(3);
                                   return std::nullopt;
                               });
    PostMessage(dialog, WM_HOTKEY, 1);  // nested loops dispatch hot keys like the main loop
    SetTimer(dialog, 1, 10);
    h.QueueAdvance(10);
    EXPECT_FALSE(RunModalLoop(dialog, [] { return false; }));
    EXPECT_TRUE(hotKeySeen);
    EXPECT_TRUE(IsWindowEnabled(main));
    EXPECT_TRUE(IsQuitPending());
    EXPECT_EQ(RunMessageLoop(), 3);
}

TEST(ModalLoop, EndsWhenItsWindowIsDestroyedAndReportsAStallInsteadOfHanging) {
    HeadlessSession h;
    HWND main = MakeTopLevel({0, 0, 100, 100});
    HWND dialog = MakeTopLevel({400, 0, 500, 100});
    PostMessage(dialog, WM_CLOSE);
    EXPECT_TRUE(RunModalLoop(dialog, [] { return false; }));
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_TRUE(IsWindowEnabled(main));
    // Waiting for input the test never queued throws, and the windows come back.
    HWND second = MakeTopLevel({400, 0, 500, 100});
    EXPECT_THROW(RunModalLoop(second, [] { return false; }), HeadlessStall);
    EXPECT_TRUE(IsWindowEnabled(main));
}

TEST(Timers, ProcessingPendingMessagesEndsEvenWhenATimerIsDueAgainAtOnce) {
    HeadlessSession h;
    int fired = 0;
    // A handler slower than its 1 ms interval: on a real clock the timer is due again
    // each time it returns. Capped at 100 so a fault fails instead of hanging.
    HWND w = MakeTopLevel({0, 0, 10, 10}, nullptr,
                          [&](HWND, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
                              if (msg == WM_TIMER && ++fired < 100)
                                  h.Display().SetTime(h.Now() + 2);
                              return std::nullopt;
                          });
    SetTimer(w, 1, 1);
    h.Display().SetTime(1);
    EXPECT_TRUE(ProcessPendingMessages());
    EXPECT_EQ(fired, 1);
}

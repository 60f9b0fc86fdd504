// The session end reaches every form; a popup holding the pointer grab learns of a click
// on the desktop; a window's opacity is handed to a compositor.

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "ChildProcess.h"
#include "XQueries.h"
#include "XvfbServer.h"

using namespace x11test;

TEST(SessionEndE2E, EveryFormReceivesEndSessionOnSigtermAndSighup) {
    for (int signal : {SIGTERM, SIGHUP}) {
        XvfbServer xvfb;
        ASSERT_TRUE(xvfb.Running());
        std::string file = "/tmp/velmora-endsession-" + std::to_string(getpid()) + "-" + std::to_string(signal);
        std::remove(file.c_str());
        ChildProcess probe({PROBE_PATH, "end-session", file}, xvfb.Name());
        ASSERT_EQ(probe.ReadLine(), "ready");
        probe.Signal(signal);
        EXPECT_EQ(probe.WaitForExit(), 0);
        std::stringstream recorded;
        recorded << std::ifstream(file).rdbuf();
        EXPECT_EQ(recorded.str(), "Form1 WM_ENDSESSION\nForm2 WM_ENDSESSION\nForm3 WM_ENDSESSION\n");
        std::remove(file.c_str());
    }
}

TEST(SessionEndE2E, LostConnectionEndsTheSessionToo) {
    std::string file = "/tmp/velmora-endsession-" + std::to_string(getpid()) + "-lost";
    std::remove(file.c_str());
    std::optional<int> exitCode;
    {
        auto xvfb = std::make_unique<XvfbServer>();
        ASSERT_TRUE(xvfb->Running());
        ChildProcess probe({PROBE_PATH, "end-session", file}, xvfb->Name());
        ASSERT_EQ(probe.ReadLine(), "ready");
        xvfb.reset();  // the server goes away
        exitCode = probe.WaitForExit();
    }
    EXPECT_EQ(exitCode, 1);  // no crash, no abort: a clean exit reporting the loss
    std::stringstream recorded;
    recorded << std::ifstream(file).rdbuf();
    EXPECT_EQ(recorded.str(), "Form1 WM_ENDSESSION\nForm2 WM_ENDSESSION\nForm3 WM_ENDSESSION\n");
    std::remove(file.c_str());
}

TEST(PopupE2E, PopupWithPointerGrabClosesOnADesktopClick) {
    XvfbServer xvfb;
    ASSERT_TRUE(xvfb.Running());
    ChildProcess probe({PROBE_PATH, "popup"}, xvfb.Name());
    ASSERT_EQ(probe.ReadLine(), "opened");
    ASSERT_EQ(RunCommand({"xdotool", "mousemove", "700", "600", "click", "1"}, xvfb.Name()).exitCode, 0);
    EXPECT_EQ(probe.ReadLine(), "closed");
    EXPECT_EQ(probe.WaitForExit(), 0);
}

TEST(OpacityE2E, OpacityIsOfferedToACompositorOnlyWhenOneRuns) {
    XvfbServer xvfb;
    ASSERT_TRUE(xvfb.Running());
    ChildProcess probe({PROBE_PATH, "opacity"}, xvfb.Name());
    EXPECT_EQ(probe.ReadLine(), "translucency 0");  // no compositing manager on Xvfb
    ASSERT_EQ(probe.ReadLine(), "ready");
    XConnection x(xvfb.Name());
    std::optional<::Window> window;
    ASSERT_TRUE(WaitUntil([&] { return (window = x.FindViewableWindow("Probe")).has_value(); }));
    EXPECT_EQ(x.CardinalProperty(*window, "_NET_WM_WINDOW_OPACITY"), 0x80808080ul);  // 128 of 255
}

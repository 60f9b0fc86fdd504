// The skinned frame on a real X server: the window's shape from the skin's mask, moving
// by the caption, sizing by an edge, rolling up, the system menu, minimizing, and
// screenshots of what the server shows.

#include <gtest/gtest.h>

#include <X11/Xlib.h>

#include <cstdio>
#include <string>

#include "ChildProcess.h"
#include "XQueries.h"
#include "XvfbServer.h"

using namespace x11test;

namespace {

// Runs xdotool with the arguments; true when it succeeded.
bool Xdo(const XvfbServer& xvfb, std::vector<std::string> args) {
    args.insert(args.begin(), "xdotool");
    return RunCommand(args, xvfb.Name()).exitCode == 0;
}

// The top-level window under a screen point (None: the root itself).
::Window WindowAt(XConnection& server, int x, int y) {
    ::Window child = 0;
    int wx = 0, wy = 0;
    XTranslateCoordinates(server.Get(), DefaultRootWindow(server.Get()), DefaultRootWindow(server.Get()),
                          x, y, &wx, &wy, &child);
    return child;
}

// Reads lines until `line` arrives (other reports are skipped).
bool Expect(ChildProcess& demo, const std::string& line) { return demo.WaitForLine(line, 10s); }

void Screenshot(const XvfbServer& xvfb, const std::string& name) {
    RunCommand({"import", "-window", "root", "-crop", "760x520+0+0",
                std::string(VELMORA_SCREENSHOTS) + "/" + name},
               xvfb.Name());
}

}  // namespace

TEST(FrameE2E, ShapeMoveSizeRollUpAndSystemMenu) {
    XvfbServer xvfb;
    ASSERT_TRUE(xvfb.Running());
    ChildProcess demo({DEMO_PATH}, xvfb.Name());
    ASSERT_TRUE(Expect(demo, "ready 60 60 400 260"));
    XConnection server(xvfb.Name());
    ASSERT_TRUE(server);
    std::optional<::Window> window;
    ASSERT_TRUE(WaitUntil([&] { return (window = server.FindViewableWindow("Velmora Rahmen")).has_value(); }));
    Screenshot(xvfb, "frame-x11-active.png");

    // Rounded corners from the mask: the corner pixel belongs to the desktop, the edge
    // between the corners to the window.
    EXPECT_NE(WindowAt(server, 60, 60), *window);
    EXPECT_NE(WindowAt(server, 459, 60), *window);
    EXPECT_EQ(WindowAt(server, 260, 62), *window);
    EXPECT_EQ(WindowAt(server, 260, 200), *window);

    // Moving by the caption.
    // The input is paced so the press reaches the program before the moves do.
    ASSERT_TRUE(Xdo(xvfb, {"mousemove", "200", "72", "mousedown", "1", "sleep", "0.2", "mousemove",
                           "220", "90", "sleep", "0.1", "mousemove", "250", "112", "sleep", "0.2",
                           "mouseup", "1"}));
    ASSERT_TRUE(Expect(demo, "bounds 110 100 400 260"));
    EXPECT_TRUE(WaitUntil([&] { return server.ScreenRect(*window) == TRect::FromSize(110, 100, 400, 260); }));

    // Sizing by the right edge.
    ASSERT_TRUE(Xdo(xvfb, {"mousemove", "508", "230", "mousedown", "1", "sleep", "0.2", "mousemove",
                           "530", "230", "sleep", "0.1", "mousemove", "558", "230", "sleep", "0.2",
                           "mouseup", "1"}));
    ASSERT_TRUE(Expect(demo, "bounds 110 100 450 260"));
    // The shape follows the new size: the new top-right corner is cut away.
    EXPECT_TRUE(WaitUntil([&] { return WindowAt(server, 559, 100) != *window; }));
    EXPECT_EQ(WindowAt(server, 540, 200), *window);

    // Rolling up by a double click on the caption, and down again.
    ASSERT_TRUE(Xdo(xvfb, {"mousemove", "300", "112", "click", "--repeat", "2", "--delay", "60", "1"}));
    ASSERT_TRUE(Expect(demo, "rolled 1"));
    EXPECT_TRUE(WaitUntil([&] { return server.ScreenRect(*window).Height() == 29; }));
    EXPECT_NE(WindowAt(server, 300, 200), *window);
    ASSERT_TRUE(Xdo(xvfb, {"mousemove", "300", "112", "click", "--repeat", "2", "--delay", "60", "1"}));
    ASSERT_TRUE(Expect(demo, "rolled 0"));

    // The system menu below its button at the caption's left.
    ASSERT_TRUE(Xdo(xvfb, {"mousemove", "134", "112", "click", "1"}));
    ASSERT_TRUE(Expect(demo, "menu open"));
    RunCommand({"sleep", "0.3"}, xvfb.Name());
    Screenshot(xvfb, "frame-x11-system-menu.png");
    ASSERT_TRUE(Xdo(xvfb, {"key", "Escape"}));
    ASSERT_TRUE(Expect(demo, "menu closed"));
}

TEST(FrameE2E, InactiveWindowAndTheFrameWithoutSkin) {
    {
        XvfbServer xvfb;
        ASSERT_TRUE(xvfb.Running());
        ChildProcess demo({DEMO_PATH, "second"}, xvfb.Name());
        ASSERT_TRUE(Expect(demo, "ready2"));
        RunCommand({"sleep", "0.3"}, xvfb.Name());
        Screenshot(xvfb, "frame-x11-inactive.png");
    }
    XvfbServer xvfb;
    ASSERT_TRUE(xvfb.Running());
    ChildProcess demo({DEMO_PATH, "noskin"}, xvfb.Name());
    ASSERT_TRUE(Expect(demo, "ready 60 60 400 260"));
    XConnection server(xvfb.Name());
    std::optional<::Window> window;
    ASSERT_TRUE(WaitUntil([&] { return (window = server.FindViewableWindow("Velmora Rahmen")).has_value(); }));
    // Rectangular: the corner is the window's.
    EXPECT_EQ(WindowAt(server, 60, 60), *window);
    RunCommand({"sleep", "0.3"}, xvfb.Name());
    Screenshot(xvfb, "frame-x11-without-skin.png");
    // The default roll-up button (right to left: close, maximize hidden, minimize, roll-up).
    ASSERT_TRUE(Xdo(xvfb, {"mousemove", std::to_string(60 + 400 - 3 - 17 - 1 - 17 - 1 - 9), "72", "click", "1"}));
    ASSERT_TRUE(Expect(demo, "rolled 1"));
}

TEST(FrameE2E, MinimizeButtonIconifiesTheWindowThroughTheWindowManager) {
    XvfbServer xvfb;
    ASSERT_TRUE(xvfb.Running());
    if (!xvfb.StartWindowManager(0)) GTEST_SKIP() << "no window manager installed";
    ChildProcess demo({DEMO_PATH}, xvfb.Name());
    ASSERT_TRUE(Expect(demo, "ready 60 60 400 260"));
    XConnection server(xvfb.Name());
    std::optional<::Window> window;
    ASSERT_TRUE(WaitUntil([&] { return (window = server.FindViewableWindow("Velmora Rahmen")).has_value(); }));
    const TRect r = server.ScreenRect(*window);
    // The minimize button: second from the right, 5 pixels from the right edge.
    const int x = r.Right - 5 - 17 - 1 - 8, y = r.Top + 12;
    ASSERT_TRUE(Xdo(xvfb, {"mousemove", std::to_string(x), std::to_string(y), "click", "1"}));
    EXPECT_TRUE(WaitUntil([&] { return !server.FindViewableWindow("Velmora Rahmen").has_value(); }));
}

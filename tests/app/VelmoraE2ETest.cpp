// The real program under Xvfb: its window appears centred, the clock runs, the window
// manager's close message ends it with exit code 0; with and without a window manager.

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

#include "ChildProcess.h"
#include "XQueries.h"
#include "XvfbServer.h"
#include "os/TempFolder.h"

using namespace x11test;

namespace {

// The program runs from a folder of its own: it writes its settings file beside itself.
class ProgramCopy {
public:
    ProgramCopy() {
        std::error_code error;
        std::filesystem::create_hard_link(VELMORA_PATH, Path(), error);
        if (error) std::filesystem::copy_file(VELMORA_PATH, Path(), error);
    }
    std::string Path() const { return folder_.File("velmora"); }

private:
    testing_support::TempFolder folder_;
};

// The clock panel: the lower-left part of the window, above the frame's bottom edge.
TRect ClockArea(const TRect& window) {
    return {window.Left + 6, window.Bottom - 20, window.Left + 170, window.Bottom - 4};
}

// Text is drawn in black; the bar itself is 14076870 and its frames are lighter greys.
bool HasTextPixels(const std::vector<uint32_t>& pixels) {
    for (uint32_t p : pixels)
        if ((p & 0xFF) < 0x30 && ((p >> 8) & 0xFF) < 0x30 && ((p >> 16) & 0xFF) < 0x30) return true;
    return false;
}

bool ShowsStatusBarColour(const std::vector<uint32_t>& pixels) {
    size_t bar = 0;
    for (uint32_t p : pixels) bar += p == 14076870u;
    return bar > pixels.size() / 3;
}

void StartCentredClockRunsAndCloses(XvfbServer& xvfb) {
    XConnection x(xvfb.Name());
    ASSERT_TRUE(x);
    ProgramCopy program;
    ChildProcess velmora({program.Path()}, xvfb.Name());
    std::optional<::Window> window;
    ASSERT_TRUE(WaitUntil([&] { return (window = x.FindViewableWindow("Velmora")).has_value(); }));

    // Size: the client area 742 x 534 within the frame; centred on the work area.
    TRect rect = x.ScreenRect(*window);
    EXPECT_GE(rect.Width(), 742);
    EXPECT_GE(rect.Height(), 534);
    EXPECT_LE(rect.Width(), 742 + 16);
    EXPECT_LE(rect.Height(), 534 + 40);
    TRect work = x.WorkArea();
    EXPECT_NEAR(rect.Left + rect.Width() / 2.0, work.Left + work.Width() / 2.0, 1.0);
    EXPECT_NEAR(rect.Top + rect.Height() / 2.0, work.Top + work.Height() / 2.0, 1.0);

    // The clock: the bar painted and empty first, written at the first tick, different
    // a second later.
    std::vector<uint32_t> first;
    ASSERT_TRUE(WaitUntil([&] { return ShowsStatusBarColour(x.ScreenPixels(ClockArea(rect))); }, 5s));
    ASSERT_TRUE(WaitUntil([&] { return HasTextPixels(first = x.ScreenPixels(ClockArea(rect))); }, 5s));
    EXPECT_TRUE(WaitUntil([&] { return x.ScreenPixels(ClockArea(rect)) != first; }, 5s));

    x.SendDeleteWindow(*window);
    EXPECT_EQ(velmora.WaitForExit(), 0);
}

}  // namespace

TEST(VelmoraE2E, WindowCentredClockRunsAndCloseEndsWithZero) {
    XvfbServer xvfb;
    ASSERT_TRUE(xvfb.Running());
    StartCentredClockRunsAndCloses(xvfb);
}

TEST(VelmoraE2E, WithoutAWindowManagerTheWindowTakesTheFocusItself) {
    XvfbServer xvfb;
    ASSERT_TRUE(xvfb.Running());
    XConnection x(xvfb.Name());
    ProgramCopy program;
    ChildProcess velmora({program.Path()}, xvfb.Name());
    std::optional<::Window> window;
    ASSERT_TRUE(WaitUntil([&] { return (window = x.FindViewableWindow("Velmora")).has_value(); }));
    EXPECT_TRUE(WaitUntil([&] { return x.FocusWindow() == *window; }, 5s));
    velmora.Signal(SIGTERM);
    EXPECT_EQ(velmora.WaitForExit(), 0);
}

TEST(VelmoraE2E, UnderAWindowManagerTheWorkAreaAndFocusComeFromIt) {
    XvfbServer xvfb;
    ASSERT_TRUE(xvfb.Running());
    if (!xvfb.StartWindowManager(100)) GTEST_SKIP() << "openbox is not installed (scripts/deps.sh installs it)";
    XConnection x(xvfb.Name());
    ASSERT_EQ(x.WorkArea().Top, 100);
    {
        ProgramCopy program;
        ChildProcess velmora({program.Path()}, xvfb.Name());
        std::optional<::Window> window;
        ASSERT_TRUE(WaitUntil([&] { return (window = x.FindViewableWindow("Velmora")).has_value(); }));
        EXPECT_TRUE(WaitUntil([&] { return x.FocusWindow() == *window; }, 5s));
        velmora.Signal(SIGTERM);
        EXPECT_EQ(velmora.WaitForExit(), 0);
    }
    StartCentredClockRunsAndCloses(xvfb);
}

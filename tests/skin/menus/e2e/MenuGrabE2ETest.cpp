// Skinned popup menus on a real X server: the open levels close when the user clicks
// anywhere outside them, also on the desktop, and a chosen item runs after every menu
// window is gone.

#include <gtest/gtest.h>

#include <sstream>

#include "ChildProcess.h"
#include "XQueries.h"
#include "XvfbServer.h"

using namespace x11test;

namespace {

// "levels N X Y XID...", parsed.
struct LevelsLine {
    int count = 0;
    int lastItemX = 0, lastItemY = 0;
    std::vector<::Window> windows;
};

std::optional<LevelsLine> ReadLevels(ChildProcess& probe) {
    auto line = probe.ReadLine();
    if (!line) return std::nullopt;
    std::istringstream in(*line);
    std::string word;
    LevelsLine levels;
    if (!(in >> word) || word != "levels") {
        ADD_FAILURE() << "unexpected line: " << *line;
        return std::nullopt;
    }
    in >> levels.count >> levels.lastItemX >> levels.lastItemY;
    ::Window xid;
    while (in >> xid) levels.windows.push_back(xid);
    return levels;
}

bool Viewable(XConnection& x, ::Window window) {
    XWindowAttributes attributes{};
    return XGetWindowAttributes(x.Get(), window, &attributes) && attributes.map_state == IsViewable;
}

void Xdotool(const XvfbServer& xvfb, std::vector<std::string> command) {
    ASSERT_EQ(RunCommand(command, xvfb.Name()).exitCode, 0);
}

}  // namespace

TEST(SkinMenuE2E, ClickOnTheDesktopClosesEveryLevel) {
    XvfbServer xvfb;
    ASSERT_TRUE(xvfb.Running());
    ChildProcess probe({PROBE_PATH}, xvfb.Name());
    auto first = ReadLevels(probe);
    ASSERT_TRUE(first.has_value());
    ASSERT_EQ(first->count, 1);
    XConnection x(xvfb.Name());
    ASSERT_TRUE(Viewable(x, first->windows[0]));

    // Resting on "Diagramm Design" (the second item, 32 pixels below the top) opens its
    // sub-menu after half a second.
    Xdotool(xvfb, {"xdotool", "mousemove", std::to_string(first->lastItemX), "132"});
    auto second = ReadLevels(probe);
    ASSERT_TRUE(second.has_value());
    ASSERT_EQ(second->count, 2);
    ASSERT_TRUE(Viewable(x, second->windows[0]));
    ASSERT_TRUE(Viewable(x, second->windows[1]));

    // A click where no window of the program is.
    Xdotool(xvfb, {"xdotool", "mousemove", "700", "550", "click", "1"});
    EXPECT_EQ(probe.ReadLine(), "closed mapped=0");
    EXPECT_TRUE(WaitUntil([&] { return !Viewable(x, second->windows[0]) && !Viewable(x, second->windows[1]); }));
}

TEST(SkinMenuE2E, ChosenItemRunsAfterTheMenuWindowsAreGone) {
    XvfbServer xvfb;
    ASSERT_TRUE(xvfb.Running());
    ChildProcess probe({PROBE_PATH}, xvfb.Name());
    auto levels = ReadLevels(probe);
    ASSERT_TRUE(levels.has_value());
    ASSERT_EQ(levels->count, 1);
    Xdotool(xvfb, {"xdotool", "mousemove", std::to_string(levels->lastItemX), std::to_string(levels->lastItemY),
               "click", "1"});
    EXPECT_EQ(probe.ReadLine(), "closed mapped=0");
    EXPECT_EQ(probe.ReadLine(), "clicked mapped=0");  // asked of the X server inside OnClick
    EXPECT_EQ(probe.WaitForExit(), 0);
}

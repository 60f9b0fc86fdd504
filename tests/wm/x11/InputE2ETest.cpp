// Keys and clicks from the server reach the focused form as the core's messages.

#include <gtest/gtest.h>

#include <cstdio>

#include "ChildProcess.h"
#include "XQueries.h"
#include "XvfbServer.h"

#include <X11/keysym.h>

using namespace x11test;

TEST(InputE2E, KeysTypeCharactersAndClicksArriveInClientCoordinates) {
    XvfbServer xvfb;
    ASSERT_TRUE(xvfb.Running());
    ChildProcess probe({PROBE_PATH, "input"}, xvfb.Name());
    ASSERT_TRUE(probe.WaitForLine("active"));
    // The input lines, leaving out activation changes (which the server's focus events
    // may repeat).
    auto next = [&probe] {
        std::optional<std::string> line;
        do line = probe.ReadLine();
        while (line && line->rfind("activate ", 0) == 0);
        return line;
    };

    // 'a': key A (0x41), character 'a'. Shift+1 is still the key '1'.
    ASSERT_EQ(RunCommand({"xdotool", "key", "a", "shift+1"}, xvfb.Name()).exitCode, 0);
    EXPECT_EQ(next(), "key 65");
    EXPECT_EQ(next(), "char 97");
    EXPECT_EQ(next(), "key 16");  // Shift
    EXPECT_EQ(next(), "key 49");
    EXPECT_EQ(next(), "char 33");

    // A key added to the keyboard map while the program runs (a mapping change it must
    // follow): the input method gives its character.
    XConnection server(xvfb.Name());
    ASSERT_TRUE(server.MapSpareKey(XK_adiaeresis));
    ASSERT_EQ(RunCommand({"xdotool", "key", "adiaeresis"}, xvfb.Name()).exitCode, 0);
    std::optional<std::string> line;
    do line = next();
    while (line && line->rfind("key ", 0) == 0);
    EXPECT_EQ(line, "char 228");

    // The borderless form sits at (40, 40).
    ASSERT_EQ(RunCommand({"xdotool", "mousemove", "90", "100", "click", "1"}, xvfb.Name()).exitCode, 0);
    auto click = next();
    ASSERT_TRUE(click.has_value());
    int x = 0, y = 0;
    ASSERT_EQ(std::sscanf(click->c_str(), "click %d %d", &x, &y), 2) << *click;
    EXPECT_EQ(x, 50);
    EXPECT_EQ(y, 60);
}

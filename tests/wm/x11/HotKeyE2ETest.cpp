// System-wide hot keys on a real server: delivered with the lock keys on, and refused
// silently to a second program.

#include <gtest/gtest.h>

#include "ChildProcess.h"
#include "XQueries.h"
#include "XvfbServer.h"

#include <X11/keysym.h>

using namespace x11test;

TEST(HotKeyE2E, DeliveredWithNumLockOnAndSecondRegistrationFailsSilently) {
    XvfbServer xvfb;
    ASSERT_TRUE(xvfb.Running());
    ChildProcess first({PROBE_PATH, "hotkey"}, xvfb.Name());
    ASSERT_EQ(first.ReadLine(), "registered 1");
    ChildProcess second({PROBE_PATH, "hotkey"}, xvfb.Name());
    ASSERT_EQ(second.ReadLine(), "registered 0");  // held by the first: refused, no error

    ASSERT_EQ(RunCommand({"xdotool", "key", "Num_Lock"}, xvfb.Name()).exitCode, 0);
    XConnection x(xvfb.Name());
    ASSERT_TRUE(x.ModifierState() & Mod2Mask);  // Num Lock is on
    ASSERT_EQ(RunCommand({"xdotool", "key", "ctrl+k"}, xvfb.Name()).exitCode, 0);
    EXPECT_EQ(first.ReadLine(), "hotkey 1");
    // Caps Lock as well.
    ASSERT_EQ(RunCommand({"xdotool", "key", "Caps_Lock"}, xvfb.Name()).exitCode, 0);
    ASSERT_TRUE(x.ModifierState() & LockMask);
    ASSERT_EQ(RunCommand({"xdotool", "key", "ctrl+k"}, xvfb.Name()).exitCode, 0);
    EXPECT_EQ(first.ReadLine(), "hotkey 1");

    // After a keyboard mapping change the key is grabbed again and still arrives.
    ASSERT_TRUE(x.MapSpareKey(XK_adiaeresis));
    ASSERT_EQ(RunCommand({"xdotool", "key", "ctrl+k"}, xvfb.Name()).exitCode, 0);
    EXPECT_EQ(first.ReadLine(), "hotkey 1");

    // The second program is still running and healthy: it ends normally on SIGTERM.
    second.Signal(SIGTERM);
    EXPECT_EQ(second.WaitForExit(), 0);
}

TEST(HotKeyE2E, DeliveredWhileAModalFormIsOpen) {
    XvfbServer xvfb;
    ASSERT_TRUE(xvfb.Running());
    ChildProcess probe({PROBE_PATH, "hotkey-modal"}, xvfb.Name());
    ASSERT_EQ(probe.ReadLine(), "registered 1");
    ASSERT_EQ(probe.ReadLine(), "modal");
    ASSERT_EQ(RunCommand({"xdotool", "key", "ctrl+k"}, xvfb.Name()).exitCode, 0);
    EXPECT_EQ(probe.ReadLine(), "hotkey 1");
    probe.Signal(SIGTERM);
    EXPECT_EQ(probe.WaitForExit(), 0);
}

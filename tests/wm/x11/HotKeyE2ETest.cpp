// System-wide hot keys on a real server: delivered with the lock keys on, refused
// silently to a second program, and leaving no modifier held behind.

#include <gtest/gtest.h>

#include "ChildProcess.h"
#include "XQueries.h"
#include "XvfbServer.h"

#include <X11/keysym.h>

#include <cstdlib>

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

// While the hot key's grab is active every key event goes to the root window, so the
// program never sees Ctrl go up when it is released before the hot key. The next key
// typed into the dialog the hot key opened must not act as if Ctrl were still held.
TEST(HotKeyE2E, ModifierReleasedDuringTheGrabIsNotLeftHeld) {
    XvfbServer xvfb;
    ASSERT_TRUE(xvfb.Running());
    ChildProcess probe({PROBE_PATH, "hotkey-dialog"}, xvfb.Name());
    ASSERT_EQ(probe.ReadLine(), "registered 1");
    ASSERT_TRUE(probe.WaitForLine("active"));

    ASSERT_EQ(RunCommand({"xdotool", "keydown", "ctrl", "keydown", "k", "keyup", "ctrl", "keyup", "k"},
                         xvfb.Name()).exitCode, 0);
    ASSERT_TRUE(probe.WaitForLine("hotkey 1"));
    ASSERT_TRUE(probe.WaitForLine("dialog active"));
    XConnection x(xvfb.Name());
    ASSERT_FALSE(x.ModifierState() & ControlMask);  // the server knows Ctrl is up
    // The next key line of a letter (the modifier keys' own lines left out).
    auto nextLetter = [&probe] {
        std::optional<std::string> line;
        do line = probe.ReadLine();
        while (line && (line->rfind("key ", 0) != 0 || std::atoi(line->c_str() + 4) < 'A'));
        return line;
    };

    ASSERT_EQ(RunCommand({"xdotool", "key", "a"}, xvfb.Name()).exitCode, 0);
    EXPECT_EQ(nextLetter(), "key 65 ctrl 0");

    // Ctrl held again is seen again: the state follows the server both ways.
    ASSERT_EQ(RunCommand({"xdotool", "key", "ctrl+b", "c"}, xvfb.Name()).exitCode, 0);
    EXPECT_EQ(nextLetter(), "key 66 ctrl 1");
    EXPECT_EQ(nextLetter(), "key 67 ctrl 0");

    probe.Signal(SIGTERM);
    EXPECT_EQ(probe.WaitForExit(), 0);
}

// The key table: what a key press reports and what a hot key is grabbed with.

#include <gtest/gtest.h>

#include "wm/x11/X11KeyMap.h"

#include <X11/keysym.h>

using namespace wm::x11;

TEST(KeyMap, LettersAreTheirCapitalWhateverTheShiftLevel) {
    EXPECT_EQ(VirtualKeyFromKeysym(XK_a), 'A');
    EXPECT_EQ(VirtualKeyFromKeysym(XK_Z), 'Z');
    EXPECT_EQ(VirtualKeyFromKeysym(XK_5), '5');
    EXPECT_EQ(VirtualKeyFromKeysym(XK_KP_7), 0x67);
    EXPECT_EQ(VirtualKeyFromKeysym(XK_F12), 0x7B);
}

TEST(KeyMap, NavigationAndModifierKeys) {
    EXPECT_EQ(VirtualKeyFromKeysym(XK_Return), 0x0D);
    EXPECT_EQ(VirtualKeyFromKeysym(XK_KP_Enter), 0x0D);
    EXPECT_EQ(VirtualKeyFromKeysym(XK_ISO_Left_Tab), 0x09);  // Shift+Tab is still Tab
    EXPECT_EQ(VirtualKeyFromKeysym(XK_Control_R), 0x11);
    EXPECT_EQ(VirtualKeyFromKeysym(XK_KP_Left), 0x25);
    EXPECT_EQ(VirtualKeyFromKeysym(XK_Delete), 0x2E);
    EXPECT_EQ(VirtualKeyFromKeysym(XK_odiaeresis), 0xC0);
    EXPECT_EQ(VirtualKeyFromKeysym(0x12345678), 0);
}

TEST(KeyMap, EveryHotKeyOfTheProgramHasAKeysymThatMapsBack) {
    for (int vk : {int('A'), int('S'), int('D'), int('Z'), int('B'), int('O'), int('0'), 0x70, 0x0D, 0x2E, 0x60}) {
        KeySym keysym = KeysymFromVirtualKey(vk);
        ASSERT_NE(keysym, static_cast<KeySym>(NoSymbol)) << vk;
        EXPECT_EQ(VirtualKeyFromKeysym(keysym), vk);
    }
    EXPECT_EQ(KeysymFromVirtualKey(0xFF), static_cast<KeySym>(NoSymbol));
}

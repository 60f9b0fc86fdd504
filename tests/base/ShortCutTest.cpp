#include <gtest/gtest.h>

#include "base/ShortCut.h"

TEST(ShortCut, ValueLayout) {
    EXPECT_EQ(base::ShortCut('A', false, true, false), 16384 + 65);
    EXPECT_EQ(base::ShortCut('S', true, true, true), 8192 + 16384 + 32768 + 83);
    EXPECT_EQ(base::ShortCutKey(16384 + 'Z'), 'Z');
}

TEST(ShortCut, GermanMenuText) {
    EXPECT_EQ(base::ShortCutToText(16384 + 'A'), "Strg+A");
    EXPECT_EQ(base::ShortCutToText(16384 + 'O'), "Strg+O");
    EXPECT_EQ(base::ShortCutToText(8192 + base::VK_F1 + 2), "Umsch+F3");
    EXPECT_EQ(base::ShortCutToText(8192 + 16384 + 32768 + base::VK_DELETE), "Umsch+Strg+Alt+Entf");
    EXPECT_EQ(base::ShortCutToText(0), "");
    EXPECT_EQ(base::ShortCutToText(16384 + 0xFF), "");  // no name for the key
}

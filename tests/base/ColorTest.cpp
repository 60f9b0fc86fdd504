#include <gtest/gtest.h>

#include "base/Color.h"

TEST(Color, ChannelsAreStoredAsBlueGreenRed) {
    TColor c = base::RGB(1, 2, 3);
    EXPECT_EQ(c, 0x030201);
    EXPECT_EQ(base::GetRValue(c), 1);
    EXPECT_EQ(base::GetGValue(c), 2);
    EXPECT_EQ(base::GetBValue(c), 3);
    EXPECT_EQ(clRed, base::RGB(255, 0, 0));
}

TEST(Color, SystemColoursAreNegativeAndResolveToTheLightPalette) {
    EXPECT_LT(clBtnFace, 0);
    EXPECT_TRUE(base::IsSystemColor(clWindowText));
    EXPECT_FALSE(base::IsSystemColor(clWhite));
    EXPECT_EQ(base::ColorToRGB(clWindow), clWhite);
    EXPECT_EQ(base::ColorToRGB(clWindowText), clBlack);
    EXPECT_EQ(base::ColorToRGB(clBtnFace), base::RGB(212, 208, 200));
    EXPECT_EQ(base::ColorToRGB(clBtnShadow), base::RGB(128, 128, 128));
    EXPECT_EQ(base::ColorToRGB(clBtnHighlight), clWhite);
    EXPECT_EQ(base::ColorToRGB(clInfoBk), base::RGB(255, 255, 225));
    EXPECT_EQ(base::ColorToRGB(clHighlightText), clWhite);
    // Arithmetic on a resolved value never sees the system flag byte.
    EXPECT_EQ(base::ColorToRGB(clBtnShadow) & 0xFF000000, 0);
}

TEST(Color, UnknownSystemIndexAndSpecialValues) {
    EXPECT_EQ(base::ColorToRGB(base::SystemColor(200)), clBlack);
    EXPECT_EQ(base::ColorToRGB(clNone), clNone);
    EXPECT_EQ(base::ColorToRGB(clDefault), clDefault);
    EXPECT_EQ(base::ColorToRGB(0x12345678), 0x345678);
}

// The menu pictures: eleven 16 x 16 pictures side by side, each a shape on the
// transparent colour, none of them empty or touching the transparent colour by accident.
#include <gtest/gtest.h>

#include "app/MenuPictures.h"

namespace {

TEST(MenuPictures, ElevenPicturesOfSixteenPixelsWithShapesOnTheTransparentColour) {
    gfx::Bitmap strip = app::MenuPictureStrip();
    ASSERT_EQ(strip.Width(), 16 * 11);
    ASSERT_EQ(strip.Height(), 16);
    for (int index = 0; index < app::kMenuPictureCount; ++index) {
        SCOPED_TRACE(index);
        int shape = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                if (strip.Pixel(index * 16 + x, y) != app::kTransparent) ++shape;
        // Every picture has a shape, and leaves some of its cell transparent for the menu
        // background.
        EXPECT_GT(shape, 40);
        EXPECT_LT(shape, 256);
    }
    // The save picture (1) is a blue disk; the quit picture (4) is red.
    EXPECT_EQ(strip.Pixel(16 + 8, 9), 0xC86428);
    EXPECT_EQ(strip.Pixel(4 * 16 + 7, 4), 0x2832DC);
}

}  // namespace

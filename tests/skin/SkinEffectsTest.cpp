#include <gtest/gtest.h>

#include "skin/TbsEffectBmp.h"

using namespace skin;

namespace {

TbsEffectBmp Solid(int w, int h, TbsBgr c) {
    TbsEffectBmp b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) b.SetPixel(x, y, c);
    return b;
}

// Column c of a w-wide picture holds blue = c, so moved columns can be traced.
TbsEffectBmp Columns(int w, uint8_t green) {
    TbsEffectBmp b(w, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < w; ++x) b.SetPixel(x, y, {uint8_t(x), green, 0});
    return b;
}

}  // namespace

TEST(SkinEffects, BrightnessDarknessInvertGrayscale) {
    TbsEffectBmp black = Solid(3, 2, {0, 0, 0});
    black.Brightness(0.5);
    EXPECT_EQ(black.Pixel(2, 1), (TbsBgr{128, 128, 128}));  // 127.5 rounds to even
    TbsEffectBmp white = Solid(3, 2, {255, 255, 255});
    white.Brightness(0.5);
    EXPECT_EQ(white.Pixel(0, 0), (TbsBgr{255, 255, 255}));
    TbsEffectBmp over = Solid(1, 1, {10, 20, 30});
    over.Brightness(3.0);  // clamped to 1
    EXPECT_EQ(over.Pixel(0, 0), (TbsBgr{255, 255, 255}));

    TbsEffectBmp dark = Solid(1, 1, {100, 50, 255});
    dark.Darkness(0.3);
    EXPECT_EQ(dark.Pixel(0, 0), (TbsBgr{70, 35, 178}));  // 178.5 -> 178

    TbsEffectBmp picture = Columns(7, 99);
    picture.SetPixel(3, 1, {1, 2, 3});
    TbsEffectBmp copy = picture;
    picture.Invert();
    EXPECT_EQ(picture.Pixel(3, 1), (TbsBgr{254, 253, 252}));
    picture.Invert();
    EXPECT_EQ(picture.Pixels(), copy.Pixels());

    TbsEffectBmp grey = Solid(2, 2, {77, 77, 77});
    grey.Grayscale();
    EXPECT_EQ(grey.Pixel(1, 1), (TbsBgr{77, 77, 77}));
    TbsEffectBmp red = Solid(1, 1, {0, 0, 255});
    red.Grayscale();
    EXPECT_EQ(red.Pixel(0, 0), (TbsBgr{76, 76, 76}));  // 0.3 * 255 = 76.5 -> 76
}

TEST(SkinEffects, NoiseStaysWithinItsAmountAndSplitBlurAverages) {
    TbsEffectBmp grey = Solid(20, 20, {100, 100, 100});
    grey.Noise(10);
    bool changed = false;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
            TbsBgr p = grey.Pixel(x, y);
            EXPECT_GE(p.b, 95);
            EXPECT_LE(p.b, 104);
            EXPECT_EQ(p.b, p.r);  // one value for all three channels
            changed |= p.b != 100;
        }
    EXPECT_TRUE(changed);

    // One white pixel in black: SplitBlur(1) gives its upper diagonals a quarter of it.
    TbsEffectBmp dot = Solid(5, 5, {0, 0, 0});
    dot.SetPixel(2, 2, {255, 255, 255});
    dot.SplitBlur(1);
    EXPECT_EQ(dot.Pixel(0, 0).g, 0);
    EXPECT_EQ(dot.Pixel(1, 1).g, 63);
    EXPECT_EQ(dot.Pixel(3, 1).g, 63);
    // In place from the top: row 2 reads the already blurred row 1, (63 + 63 + 0 + 0) / 4.
    EXPECT_EQ(dot.Pixel(2, 2).g, 31);
    // At the bottom-right corner the neighbours beyond the edge are the pixel itself.
    TbsEffectBmp corner = Solid(3, 3, {0, 0, 0});
    corner.SetPixel(2, 2, {200, 200, 200});
    corner.SplitBlur(1);
    // (1,1) and (2,1) hold 50 after row 1, (1,2) is 0 and (2,2) itself 200: 300 div 4.
    EXPECT_EQ(corner.Pixel(2, 1).g, 50);
    EXPECT_EQ(corner.Pixel(2, 2).g, 75);
}

TEST(SkinEffects, MorphsMoveFromNormalToActive) {
    const TbsEffectBmp normal = Columns(10, 0);
    const TbsEffectBmp active = Columns(10, 200);

    TbsEffectBmp blend = normal;
    blend.MorphBlend(active, 0.5);
    EXPECT_EQ(blend.Pixel(4, 0), (TbsBgr{4, 100, 0}));
    TbsEffectBmp full = normal;
    full.MorphBlend(active, 1.0);
    EXPECT_EQ(full.Pixels(), active.Pixels());

    TbsEffectBmp slide = normal;
    slide.MorphLeftSlide(active, 0.3);  // b = 3: A's last three columns on the left
    EXPECT_EQ(slide.Pixel(0, 0), (TbsBgr{7, 200, 0}));
    EXPECT_EQ(slide.Pixel(2, 0), (TbsBgr{9, 200, 0}));
    EXPECT_EQ(slide.Pixel(3, 0), (TbsBgr{3, 0, 0}));

    TbsEffectBmp right = normal;
    right.MorphRightSlide(active, 0.3);  // A's first three columns on the right
    EXPECT_EQ(right.Pixel(7, 1), (TbsBgr{0, 200, 0}));
    EXPECT_EQ(right.Pixel(6, 1), (TbsBgr{6, 0, 0}));

    TbsEffectBmp push = normal;
    push.MorphPush(active, 0.2);  // a = 2: A's last three columns, then N shifted by three
    EXPECT_EQ(push.Pixel(0, 0), (TbsBgr{7, 200, 0}));
    EXPECT_EQ(push.Pixel(2, 0), (TbsBgr{9, 200, 0}));
    EXPECT_EQ(push.Pixel(3, 0), (TbsBgr{0, 0, 0}));
    EXPECT_EQ(push.Pixel(9, 0), (TbsBgr{6, 0, 0}));

    TbsEffectBmp left = normal;
    left.MorphLeftGradient(active, 0.5);  // a = 5: A at column 0 fading to N at column 5
    EXPECT_EQ(left.Pixel(0, 0).g, 200);
    EXPECT_EQ(left.Pixel(5, 0).g, 0);
    EXPECT_GT(left.Pixel(2, 0).g, left.Pixel(3, 0).g);
    TbsEffectBmp rightGradient = normal;
    rightGradient.MorphRightGradient(active, 0.5);
    EXPECT_EQ(rightGradient.Pixel(9, 0).g, 200);
    EXPECT_EQ(rightGradient.Pixel(4, 0).g, 0);

    TbsEffectBmp centre = normal;
    centre.MorphGradient(active, 0.4);  // band of 4 columns (3..6) taken from A
    EXPECT_EQ(centre.Pixel(3, 0).g, 200);
    EXPECT_EQ(centre.Pixel(6, 0).g, 200);
    EXPECT_LT(centre.Pixel(1, 0).g, 200);
    EXPECT_EQ(centre.Pixel(0, 0).g, 0);

    // Different sizes: nothing happens.
    TbsEffectBmp other = normal;
    other.MorphBlend(Columns(4, 200), 1.0);
    EXPECT_EQ(other.Pixels(), normal.Pixels());
}

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "chart/ResampleFilters.h"

using namespace chart;

TEST(BoxFilter, MeanOfFourTruncated) {
    gfx::Bitmap scratch(4, 2), target(2, 1);
    scratch.Fill(clWhite);
    scratch.SetPixel(0, 0, clBlack);
    scratch.SetPixel(3, 1, base::RGB(1, 2, 3));
    BoxFilterReduce(scratch, target);
    EXPECT_EQ(target.Pixel(0, 0), base::RGB(191, 191, 191));  // 765 >> 2
    EXPECT_EQ(target.Pixel(1, 0), base::RGB(191, 191, 192));  // (765 + 1) >> 2, (765 + 3) >> 2
}

TEST(TentFilter, ContributorsOfAHalvingReduction) {
    TCLArray columns = BuildContributors(200, 100);
    ASSERT_EQ(columns.size(), 100u);
    // Column 0: centre 0, with columns 1 and 2 counted twice through the mirror.
    const TCList& first = columns[0];
    ASSERT_EQ(first.n, 5);
    const int pixels0[5] = {2, 1, 0, 1, 2};
    const float weights0[5] = {0.0025f, 0.25f, 0.4975f, 0.25f, 0.0025f};
    float sum = 0;
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(first.p[size_t(k)].pixel, pixels0[k]);
        EXPECT_NEAR(first.p[size_t(k)].weight, weights0[k], 0.0002f);
        sum += first.p[size_t(k)].weight;
    }
    EXPECT_NEAR(sum, 1.0025f, 0.0002f);
    // Column 50: centre 100.505.
    const TCList& middle = columns[50];
    ASSERT_EQ(middle.n, 4);
    const float weights50[4] = {0.125f, 0.3725f, 0.375f, 0.1275f};
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(middle.p[size_t(k)].pixel, 99 + k);
        EXPECT_NEAR(middle.p[size_t(k)].weight, weights50[k], 0.0003f);
    }
    // The last column mirrors at the far edge (j >= S uses 2S - 1 - j).
    const TCList& last = columns[99];
    EXPECT_EQ(last.p[size_t(last.n - 1)].pixel, 198);
}

TEST(TentFilter, RoundsAndClampsEachChannel) {
    // A flat grey stays grey except where the weights sum above 1 and lift it.
    gfx::Bitmap scratch(200, 200), target(100, 100);
    scratch.Fill(base::RGB(100, 100, 100));
    TentFilterReduce(scratch, target);
    EXPECT_EQ(target.Pixel(50, 50), base::RGB(100, 100, 100));
    // The corner sums 1.0025 per pass: 100.25 -> 100 and again 100.25 -> 100.
    EXPECT_EQ(target.Pixel(0, 0), base::RGB(100, 100, 100));

    scratch.Fill(clWhite);
    TentFilterReduce(scratch, target);
    EXPECT_EQ(target.Pixel(0, 0), clWhite);  // 255.6 is clamped, not wrapped
    EXPECT_EQ(target.Pixel(99, 99), clWhite);
}

TEST(TentFilter, AnEdgeBecomesAGradient) {
    gfx::Bitmap scratch(200, 4), target(100, 2);
    scratch.Fill(clWhite);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 100; ++x) scratch.SetPixel(x, y, clBlack);
    TentFilterReduce(scratch, target);
    EXPECT_EQ(target.Pixel(40, 0), clBlack);
    EXPECT_EQ(target.Pixel(60, 0), clWhite);
    const int edge = base::GetRValue(target.Pixel(50, 0));
    EXPECT_GT(edge, 0);  // partly covered
    EXPECT_LT(edge, 255);
}

TEST(TentFilter, TargetsBelowTwoPixelsAreLeftAlone) {
    gfx::Bitmap scratch(2, 2), target(1, 1);
    target.Fill(clRed);
    TentFilterReduce(scratch, target);
    EXPECT_EQ(target.Pixel(0, 0), clRed);
    EXPECT_EQ(BuildContributors(2, 1)[0].n, 0);
}

namespace {

// The tent filter written straight from its definition: one pixel at a time, column
// pass into a byte image, then row pass, each channel summed in contributor order.
gfx::Bitmap ReferenceTent(const gfx::Bitmap& src, int w, int h) {
    auto reduce = [](int s, int d, int i, auto&& sample) {
        const float scale = float(d - 1) / float(s - 1), r = 1.0f / scale, m = float(i) / scale;
        float sum = 0.0f;
        for (int j = int(std::floor(m - r)); j <= int(std::ceil(m + r)); ++j) {
            float dist = std::fabs(m - float(j));
            if (!(dist < r)) continue;
            int k = j < 0 ? -j : (j >= s ? 2 * s - 1 - j : j);
            sum += (1.0f - dist / r) / r * float(sample(k));
        }
        return uint8_t(std::clamp(std::nearbyint(sum), 0.0f, 255.0f));
    };
    gfx::Bitmap mid(w, src.Height()), out(w, h);
    for (int y = 0; y < src.Height(); ++y)
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < 3; ++c)
                mid.Row(y)[3 * x + c] = reduce(src.Width(), w, x, [&](int k) { return src.Row(y)[3 * k + c]; });
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < 3; ++c)
                out.Row(y)[3 * x + c] = reduce(src.Height(), h, y, [&](int k) { return mid.Row(k)[3 * x + c]; });
    return out;
}

}  // namespace

TEST(TentFilter, MatchesItsDefinitionPixelForPixel) {
    // Noise with flat stretches and repeated rows, the cases the fast paths take.
    gfx::Bitmap scratch(46, 30), target(23, 15);
    uint32_t seed = 12345;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 46 * 3; ++x) {
            seed = seed * 1664525u + 1013904223u;
            scratch.Row(y)[x] = (y % 7 == 3) ? scratch.Row(y - 1)[x] : (x < 30 ? 200 : uint8_t(seed >> 24));
        }
    TentFilterReduce(scratch, target);
    const gfx::Bitmap expected = ReferenceTent(scratch, 23, 15);
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 23; ++x) ASSERT_EQ(target.Pixel(x, y), expected.Pixel(x, y)) << x << "," << y;
}

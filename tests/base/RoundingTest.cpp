#include <gtest/gtest.h>

#include <limits>

#include "base/Rounding.h"

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(base::rnd(0.5), 0);
    EXPECT_EQ(base::rnd(1.5), 2);
    EXPECT_EQ(base::rnd(2.5), 2);
    EXPECT_EQ(base::rnd(-0.5), 0);
    EXPECT_EQ(base::rnd(-1.5), -2);
    EXPECT_EQ(base::rnd(-2.5), -2);
    EXPECT_EQ(base::rnd(2.4999), 2);
    EXPECT_EQ(base::rnd(2.5001), 3);
    EXPECT_EQ(base::rnd(-2.5001), -3);
    // The explode arithmetic of the chart: 164 * 0.2 = 32.8.
    EXPECT_EQ(base::rnd(164 * 0.2), 33);
}

TEST(Rounding, OutOfRangeValuesSaturate) {
    EXPECT_EQ(base::rnd(1e300), std::numeric_limits<int>::max());
    EXPECT_EQ(base::rnd(-1e300), std::numeric_limits<int>::min());
    EXPECT_EQ(base::rnd(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST(Rounding, DivTruncatesTowardZero) {
    EXPECT_EQ(base::div(7, 2), 3);
    EXPECT_EQ(base::div(-7, 2), -3);
    EXPECT_EQ(base::div(7, -2), -3);
    EXPECT_EQ(base::div(5, 0), 0);
    EXPECT_EQ(base::div(std::numeric_limits<int>::min(), -1), std::numeric_limits<int>::max());
}

TEST(Rounding, MulDivRoundsHalvesAwayFromZero) {
    // The print fitting: a 563 x 491 chart on a 4800-pixel-wide page.
    EXPECT_EQ(base::MulDiv(491, 4800, 563), 4186);
    EXPECT_EQ(base::MulDiv(1, 1, 2), 1);
    EXPECT_EQ(base::MulDiv(-1, 1, 2), -1);
    EXPECT_EQ(base::MulDiv(3, 1, -2), -2);
    EXPECT_EQ(base::MulDiv(4, 1, 3), 1);
    EXPECT_EQ(base::MulDiv(5, 1, 3), 2);
    // The product needs 64 bits; the result saturates where it does not fit.
    EXPECT_EQ(base::MulDiv(100000, 100000, 100000), 100000);
    EXPECT_EQ(base::MulDiv(std::numeric_limits<int>::max(), 4, 2), std::numeric_limits<int>::max());
    EXPECT_EQ(base::MulDiv(7, 3, 0), 0);
}

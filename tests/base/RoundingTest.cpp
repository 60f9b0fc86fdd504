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

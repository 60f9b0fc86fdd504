#include <gtest/gtest.h>

#include "base/Geometry.h"

TEST(Geometry, RightAndBottomAreExclusive) {
    TRect r(2, 3, 7, 9);
    EXPECT_TRUE(r.Contains(2, 3));   // first pixel inside
    EXPECT_TRUE(r.Contains(6, 8));   // last pixel inside
    EXPECT_FALSE(r.Contains(7, 8));  // right edge is outside
    EXPECT_FALSE(r.Contains(6, 9));  // bottom edge is outside
    EXPECT_FALSE(r.Contains(1, 3));
    EXPECT_EQ(r.Width(), 5);
    EXPECT_EQ(r.Height(), 6);
}

TEST(Geometry, EmptyAndInvertedRectanglesContainNothing) {
    EXPECT_TRUE(TRect(5, 5, 5, 10).IsEmpty());
    EXPECT_TRUE(TRect(5, 5, 4, 10).IsEmpty());
    EXPECT_FALSE(TRect(5, 5, 4, 10).Contains(4, 6));
    EXPECT_FALSE(TRect(5, 5, 4, 10).Contains(5, 6));
    EXPECT_EQ(TRect(5, 5, 4, 10).Normalized(), TRect(4, 5, 5, 10));
}

TEST(Geometry, IntersectOffsetInflate) {
    EXPECT_EQ(TRect(0, 0, 10, 10).Intersect(TRect(5, 5, 20, 20)), TRect(5, 5, 10, 10));
    // Touching edges share no pixel.
    EXPECT_EQ(TRect(0, 0, 10, 10).Intersect(TRect(10, 0, 20, 10)), TRect());
    EXPECT_FALSE(TRect(0, 0, 10, 10).Intersects(TRect(10, 0, 20, 10)));
    EXPECT_EQ(TRect(1, 2, 3, 4).Offset(10, 20), TRect(11, 22, 13, 24));
    EXPECT_EQ(TRect(10, 10, 20, 20).Inflate(-2, 3), TRect(12, 7, 18, 23));
}

#include "foundation/numeric.h"
#include "foundation/plane_geometry.h"

#include <gtest/gtest.h>

#include <stdexcept>

// Angles at the edges of their range, where rounding could push them out.
TEST(PlaneGeometry, AnglesStayInTheirRangeAndArcsPassThroughZero)
{
    EXPECT_NEAR(direction_angle(0, 0), 3 * pi / 2, 1e-12);
    EXPECT_NEAR(direction_angle(-1, -1), 5 * pi / 4, 1e-12);
    EXPECT_EQ(normalize_angle(-0.0000001L), 0);
    EXPECT_NEAR(normalize_angle(5 * pi), pi, 1e-12);
    EXPECT_TRUE(angle_in_arc(5.5L, 0.5L, 0.2L, 0));
    EXPECT_FALSE(angle_in_arc(0.5L, 5.5L, 0.2L, 0));
    EXPECT_TRUE(angle_in_arc(1, 2, 0.95L, 0.1L));
    EXPECT_FALSE(angle_in_corner({1, 0}, {0, 1}, {0, 0}, {-1, -1}, 0));
    EXPECT_NEAR(signed_line_distance({1, 1}, {1, 1}, {4, 5}), 5, 1e-12) << "a point for a line";
    EXPECT_NEAR(segment_distance({0, 0}, {10, 0}, {13, 4}), 5, 1e-12);
}

TEST(IntegerPoints, SortLeavesIndexZeroAndRefusesTooManyPoints)
{
    Tinteger_point points[5] = {{99, 99}, {3, 1}, {1, 1}, {1, 7}, {2, 2}};
    sort_points(4, points);
    const Tinteger_point sorted[5] = {{99, 99}, {1, 7}, {1, 1}, {2, 2}, {3, 1}};
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(points_equal(points[i], sorted[i])) << i;
    EXPECT_THROW(sort_points(1001, points), std::length_error);
    EXPECT_TRUE(points_equal(midpoint({-3, 3}, {0, 0}), {-1, 1}));
}

TEST(Numeric, BuffersAreCutAndBlocksLimited)
{
    char buffer[4] = {'x', 'x', 'x', 'x'};
    copy_to_chars(buffer, "abcdef", sizeof buffer);
    EXPECT_STREQ(buffer, "abc");
    memory_block block;
    allocate_filled(block, 3, 0xAB);
    EXPECT_EQ(block[2], 0xAB);
    EXPECT_THROW(allocate_zeroed(block, 65536), std::length_error);
}

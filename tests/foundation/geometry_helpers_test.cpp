#include "foundation/numeric.h"
#include "foundation/plane_geometry.h"

#include <gtest/gtest.h>

using namespace foundation;

TEST(PlaneGeometry, DirectionAnglesAndNormalization)
{
    EXPECT_NEAR(direction_angle(1, 0), 0, 1e-12);
    EXPECT_NEAR(direction_angle(-1, 0), pi, 1e-12);
    EXPECT_NEAR(direction_angle(0, -1), 3 * pi / 2, 1e-12);
    EXPECT_NEAR(direction_angle(0, 0), 3 * pi / 2, 1e-12);
    EXPECT_NEAR(direction_angle(0, 1), pi / 2, 1e-12);
    EXPECT_NEAR(direction_angle(-1, -1), 5 * pi / 4, 1e-12);
    EXPECT_EQ(normalize_angle(-0.0000001L), 0);
    EXPECT_NEAR(normalize_angle(-pi / 2), 3 * pi / 2, 1e-12);
    EXPECT_NEAR(normalize_angle(5 * pi), pi, 1e-12);
}

TEST(PlaneGeometry, ArcsThroughZeroAndMargins)
{
    EXPECT_TRUE(angle_in_arc(5.5L, 0.5L, 0.2L, 0));
    EXPECT_FALSE(angle_in_arc(0.5L, 5.5L, 0.2L, 0));
    EXPECT_TRUE(angle_in_arc(0.5L, 5.5L, 3, 0));
    EXPECT_FALSE(angle_in_arc(1, 2, 0.95L, 0));
    EXPECT_TRUE(angle_in_arc(1, 2, 0.95L, 0.1L));
    EXPECT_TRUE(angle_in_corner({1, 0}, {0, 1}, {0, 0}, {1, 1}, 0));
    EXPECT_FALSE(angle_in_corner({1, 0}, {0, 1}, {0, 0}, {-1, -1}, 0));
}

TEST(PlaneGeometry, DistancesToLinesAndSegments)
{
    EXPECT_NEAR(signed_line_distance({0, 0}, {10, 0}, {5, 3}), -3, 1e-12);
    EXPECT_NEAR(signed_line_distance({0, 0}, {10, 0}, {5, -3}), 3, 1e-12);
    EXPECT_NEAR(signed_line_distance({1, 1}, {1, 1}, {4, 5}), 5, 1e-12);
    EXPECT_NEAR(segment_distance({0, 0}, {10, 0}, {5, 3}), 3, 1e-12);
    EXPECT_NEAR(segment_distance({0, 0}, {10, 0}, {13, 4}), 5, 1e-12);
}

TEST(IntegerPoints, OrderMidpointAndSort)
{
    EXPECT_TRUE(point_before({1, 5}, {2, 0}));
    EXPECT_TRUE(point_before({1, 5}, {1, 4}));
    EXPECT_FALSE(point_before({1, 4}, {1, 4}));
    EXPECT_TRUE(points_equal(midpoint({-3, 3}, {0, 0}), {-1, 1}));
    Tinteger_point points[5] = {{99, 99}, {3, 1}, {1, 1}, {1, 7}, {2, 2}};
    sort_points(4, points);
    EXPECT_TRUE(points_equal(points[0], {99, 99})) << "index 0 is not part of the list";
    EXPECT_TRUE(points_equal(points[1], {1, 7}));
    EXPECT_TRUE(points_equal(points[2], {1, 1}));
    EXPECT_TRUE(points_equal(points[3], {2, 2}));
    EXPECT_TRUE(points_equal(points[4], {3, 1}));
    EXPECT_THROW(sort_points(1001, points), std::length_error);
}

TEST(Numeric, TextAndBufferHelpers)
{
    char buffer[4] = {'x', 'x', 'x', 'x'};
    copy_to_chars(buffer, "abcdef", sizeof buffer);
    EXPECT_STREQ(buffer, "abc");
    std::string s = " a b  c ";
    remove_spaces(s);
    EXPECT_EQ(s, "abc");
    EXPECT_EQ(zero_padded(7, 3), "007");
    EXPECT_EQ(zero_padded(1234, 2), "1234");
    int n = 4;
    EXPECT_EQ(increment(n), 5);
    EXPECT_EQ(clamp(1, 5, 3), 3);
    EXPECT_EQ(clamp(1, -5, 3), 1);
    EXPECT_TRUE(is_letter('q'));
    EXPECT_FALSE(is_letter('1'));
    EXPECT_TRUE(is_digit('0'));
    memory_block block;
    allocate_filled(block, 3, 0xAB);
    EXPECT_EQ(block[2], 0xAB);
    allocate_zeroed(block, 0);
    EXPECT_EQ(block, nullptr);
    EXPECT_THROW(allocate_zeroed(block, 65536), std::length_error);
}

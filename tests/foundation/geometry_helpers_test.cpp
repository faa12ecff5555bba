#include "foundation/plane_geometry.h"

#include <gtest/gtest.h>

using namespace foundation;

// Angles at the edges of their range, where rounding could push them out.
TEST(PlaneGeometry, AnglesStayInTheirRangeAndArcsPassThroughZero)
{
    EXPECT_NEAR(direction_angle(0, 0), 3 * pi / 2, 1e-12);
    EXPECT_NEAR(direction_angle(-1, -1), 5 * pi / 4, 1e-12);
    EXPECT_EQ(normalize_angle(-0.0000001L), 0);
    EXPECT_NEAR(normalize_angle(5 * pi), pi, 1e-12);
    EXPECT_TRUE(angle_in_arc(5.5L, 0.5L, 0.2L, 0) && !angle_in_arc(0.5L, 5.5L, 0.2L, 0) && angle_in_arc(1, 2, 0.95L, 0.1L));
    EXPECT_FALSE(angle_in_corner({1, 0}, {0, 1}, {0, 0}, {-1, -1}, 0));
    EXPECT_NEAR(signed_line_distance({1, 1}, {1, 1}, {4, 5}), 5, 1e-12) << "a point for a line";
    EXPECT_NEAR(segment_distance({0, 0}, {10, 0}, {13, 4}), 5, 1e-12);
}

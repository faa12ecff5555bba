#include "platform/core/polygon_fill.h"

#include <gtest/gtest.h>

using platform::pixel_point;
using platform::polygon_region;

TEST(PolygonFill, RectangleCoversThePixelsWhoseCentresLieInside)
{
    const pixel_point square[] = {{2, 3}, {6, 3}, {6, 8}, {2, 8}};
    const polygon_region region(square);
    int covered = 0;
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x)
            if (region.contains(x, y)) {
                ++covered;
                EXPECT_TRUE(x >= 2 && x < 6 && y >= 3 && y < 8) << x << "," << y;
            }
    EXPECT_EQ(covered, 4 * 5);
    EXPECT_EQ(platform::polygon_rows(square).top, 3);
    EXPECT_EQ(platform::polygon_rows(square).bottom, 8);
}

TEST(PolygonFill, WindingRuleFillsTheMiddleOfAPentagramAndTwiceWoundAreasOnce)
{
    // A five-pointed star drawn in one stroke: its centre is wound twice and is filled.
    const pixel_point star[] = {{50, 0}, {79, 90}, {2, 35}, {97, 35}, {20, 90}};
    const polygon_region region(star);
    EXPECT_TRUE(region.contains(50, 50));
    EXPECT_TRUE(region.contains(50, 10));
    EXPECT_FALSE(region.contains(5, 80));
    const auto spans = platform::polygon_row_spans(star, 50);
    ASSERT_EQ(spans.size(), 1u) << "the middle of the star is one stretch, not split by the crossing lines";
}

TEST(PolygonFill, DegenerateOutlinesCoverNothing)
{
    const pixel_point line[] = {{0, 0}, {10, 10}};
    EXPECT_TRUE(polygon_region(line).empty());
    EXPECT_FALSE(polygon_region(line).contains(5, 5));
    const pixel_point flat[] = {{0, 4}, {10, 4}, {20, 4}};
    EXPECT_TRUE(platform::polygon_row_spans(flat, 4).empty());
    EXPECT_TRUE(platform::polygon_row_spans(flat, 3).empty());
}

#include "platform/core/line_walk.h"

#include <gtest/gtest.h>

#include <cstdlib>

using platform::pixel_point;

// Every direction: each pixel once, from the start to before the end, each
// step to a neighbour, close to the true line.
TEST(LineWalk, EveryDirectionStepsToNeighboursFromTheStartToBeforeTheEnd)
{
    for (int dx = -7; dx <= 7; ++dx)
        for (int dy = -7; dy <= 7; ++dy) {
            std::vector<pixel_point> pixels;
            platform::walk_line({0, 0}, {dx, dy}, [&](int x, int y) { pixels.push_back({x, y}); });
            pixels.push_back({dx, dy});
            ASSERT_EQ(pixels.size(), std::max(std::abs(dx), std::abs(dy)) + 1u) << dx << "," << dy;
            EXPECT_TRUE(pixels.size() == 1 || (pixels[0].x == 0 && pixels[0].y == 0));
            for (std::size_t i = 1; i < pixels.size(); ++i) {
                const int step_x = std::abs(pixels[i].x - pixels[i - 1].x), step_y = std::abs(pixels[i].y - pixels[i - 1].y);
                EXPECT_TRUE(step_x <= 1 && step_y <= 1 && step_x + step_y > 0) << dx << "," << dy;
                const bool x_major = std::abs(dx) >= std::abs(dy) && dx != 0;
                EXPECT_TRUE(!x_major || std::abs(pixels[i].y - pixels[i].x * double(dy) / dx) <= 0.5 + 1e-9) << dx << "," << dy;
            }
        }
}

// The part of a line within an area is the walk's own pixels there, with
// their step numbers, for lines of every direction passing, entering,
// leaving, crossing or missing the area; far away points do not overflow.
TEST(LineWalk, WithinAnAreaVisitsTheWalksPixelsThereWithTheirSteps)
{
    const platform::pixel_rect area{5, 8, 40, 30};
    std::srand(19);
    for (int n = 0; n < 3000; ++n) {
        const pixel_point from{std::rand() % 80 - 20, std::rand() % 70 - 20}, to{std::rand() % 80 - 20, std::rand() % 70 - 20};
        std::vector<std::tuple<std::int64_t, int, int>> expected, found;
        std::int64_t step = 0;
        platform::walk_line(from, to, [&](int x, int y) {
            if (x >= area.left && x < area.right && y >= area.top && y < area.bottom)
                expected.emplace_back(step, x, y);
            ++step;
        });
        platform::walk_line_within(from, to, area, [&](int x, int y, std::int64_t i) { found.emplace_back(i, x, y); });
        ASSERT_EQ(found, expected) << from.x << "," << from.y << " to " << to.x << "," << to.y;
    }
    std::vector<std::tuple<std::int64_t, int, int>> far;
    platform::walk_line_within({-2000000000, 7}, {2000000000, 13}, {0, 0, 100, 100},
                               [&](int x, int y, std::int64_t i) { far.emplace_back(i, x, y); });
    ASSERT_EQ(far.size(), 100u) << "a line from far away costs only its part there";
    EXPECT_EQ(std::get<0>(far[0]), 2000000000);
    EXPECT_EQ(std::get<1>(far[0]), 0);
    int walked = 0;
    platform::walk_line({2147483000, -2147483000}, {2147483600, -2147483500}, [&](int x, int) { walked += x >= 2147483000; });
    EXPECT_EQ(walked, 600);
}

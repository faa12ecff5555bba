#include "platform/core/line_walk.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <tuple>
#include <vector>

using platform::pixel_point;

namespace {

std::vector<pixel_point> walked(pixel_point from, pixel_point to)
{
    std::vector<pixel_point> pixels;
    platform::walk_line(from, to, [&](int x, int y) { pixels.push_back({x, y}); });
    return pixels;
}

} // namespace

TEST(LineWalk, EveryDirectionVisitsEachPixelOnceInOrderFromTheStartToBeforeTheEnd)
{
    const pixel_point start{10, 10};
    for (int dx = -7; dx <= 7; ++dx)
        for (int dy = -7; dy <= 7; ++dy) {
            const pixel_point end{start.x + dx, start.y + dy};
            const auto pixels = walked(start, end);
            ASSERT_EQ(pixels.size(), static_cast<std::size_t>(std::max(std::abs(dx), std::abs(dy)))) << dx << "," << dy;
            if (pixels.empty())
                continue;
            EXPECT_EQ(std::pair(pixels.front().x, pixels.front().y), std::pair(start.x, start.y));
            // Each step moves to a neighbour, and the last pixel neighbours the end.
            pixel_point previous = pixels.front();
            for (std::size_t i = 1; i <= pixels.size(); ++i) {
                const pixel_point p = i < pixels.size() ? pixels[i] : end;
                EXPECT_LE(std::abs(p.x - previous.x), 1);
                EXPECT_LE(std::abs(p.y - previous.y), 1);
                EXPECT_FALSE(p.x == previous.x && p.y == previous.y);
                previous = p;
            }
        }
}

TEST(LineWalk, StaysCloseToTheTrueLineAndFarApartPointsDoNotOverflow)
{
    for (const pixel_point& p : walked({0, 0}, {13, 5}))
        EXPECT_LE(std::abs(p.y - p.x * 5.0 / 13.0), 0.5 + 1e-9) << p.x;
    const auto far = walked({2147483000, -2147483000}, {2147483600, -2147483500});
    EXPECT_EQ(std::tuple(far.size(), far.back().x), std::tuple(600u, 2147483599));
}

// The part of a line within an area is the walk's own pixels there, with
// their step numbers, for lines of every direction passing, entering,
// leaving, crossing or missing the area.
TEST(LineWalk, WithinAnAreaVisitsTheWalksPixelsThereWithTheirSteps)
{
    const platform::pixel_rect area{5, 8, 40, 30};
    std::srand(19);
    for (int n = 0; n < 3000; ++n) {
        const pixel_point from{std::rand() % 80 - 20, std::rand() % 70 - 20};
        const pixel_point to{std::rand() % 80 - 20, std::rand() % 70 - 20};
        std::vector<std::pair<int, pixel_point>> expected, found;
        int step = 0;
        platform::walk_line(from, to, [&](int x, int y) {
            if (x >= area.left && x < area.right && y >= area.top && y < area.bottom)
                expected.push_back({step, {x, y}});
            ++step;
        });
        platform::walk_line_within(from, to, area, [&](int x, int y, std::int64_t i) {
            found.push_back({static_cast<int>(i), {x, y}});
        });
        ASSERT_EQ(found.size(), expected.size()) << from.x << "," << from.y << " to " << to.x << "," << to.y;
        for (std::size_t i = 0; i < found.size(); ++i)
            ASSERT_EQ(std::tuple(found[i].first, found[i].second.x, found[i].second.y),
                      std::tuple(expected[i].first, expected[i].second.x, expected[i].second.y));
    }
}

TEST(LineWalk, WithinAnAreaALineFromFarAwayCostsOnlyItsPartThere)
{
    std::int64_t visits = 0, first = -1;
    platform::walk_line_within({-2000000000, 7}, {2000000000, 13}, {0, 0, 100, 100}, [&](int x, int, std::int64_t i) {
        if (visits++ == 0) {
            first = i;
            EXPECT_EQ(x, 0);
        }
    });
    EXPECT_EQ(visits, 100);
    EXPECT_EQ(first, 2000000000);
}

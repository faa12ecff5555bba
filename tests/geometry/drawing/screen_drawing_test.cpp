#include "foundation/globals.h"
#include "geometry/drawing/resource_bitmap.h"
#include "geometry/drawing/screen_drawing.h"
#include "geometry/model/screen_metrics.h"
#include "platform/gui/image_canvas.h"
#include "platform/core/line_walk.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

using namespace foundation;
using namespace geometry::model;
using namespace geometry::drawing;

using platform::image_canvas;
using platform::rgb;

namespace {

constexpr platform::colour_ref red = rgb(255, 0, 0);
constexpr platform::colour_ref green = rgb(0, 255, 0);

std::set<std::pair<int, int>> pixels_of(const image_canvas& canvas, platform::colour_ref colour)
{
    std::set<std::pair<int, int>> found;
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            if (canvas.pixel(x, y) == colour)
                found.insert({x, y});
    return found;
}

// The pixels of one-pixel lines between the points, each shifted by each offset.
std::set<std::pair<int, int>> walked(Tinteger_point from, Tinteger_point to, std::initializer_list<std::pair<int, int>> shifts)
{
    std::set<std::pair<int, int>> found;
    for (const auto& [dx, dy] : shifts)
        platform::walk_line({from.x + dx, from.y + dy}, {to.x + dx, to.y + dy}, [&](int x, int y) { found.insert({x, y}); });
    return found;
}

// Row y from x0 to x1 as text: # the line's colour, . white, o anything else.
std::string row(const image_canvas& canvas, int y, int x0, int x1)
{
    std::string text;
    for (int x = x0; x <= x1; ++x)
        text += canvas.pixel(x, y) == red ? '#' : canvas.pixel(x, y) == platform::white ? '.' : 'o';
    return text;
}

} // namespace

TEST(PatternedLine, DashesEndSolidGapsFillOnlyWhenAskedAndDotsHaveNoEnds)
{
    image_canvas canvas(80, 10, green);
    // The counter starts at x = 8, in a gap of the pattern; the first 5 pixels lie near the start.
    draw_patterned_line(canvas, {8, 5}, {40, 5}, false, 1, 1, red, dashed_pattern);
    EXPECT_EQ(row(canvas, 5, 7, 41), "o#####ooo########oooooooo########oo") << "the end excluded";
    draw_patterned_line(canvas, {0, 2}, {64, 2}, true, 2, 1, red, dashed_pattern);   // two pixels a bit
    EXPECT_EQ(canvas.pixel(15, 2), red);
    EXPECT_EQ(canvas.pixel(16, 2), platform::window_background_colour());
    image_canvas slanted(40, 40);
    draw_patterned_line(slanted, {1, 1}, {30, 20}, false, 1, 1, red, dotted_pattern);
    int i = 0;
    platform::walk_line({1, 1}, {30, 20}, [&](int x, int y) { EXPECT_EQ(slanted.pixel(x, y) == red, i++ % 4 == 3) << i; });
}

TEST(PatternedLine, ParallelVerticalDashesLineUp)
{
    image_canvas canvas(20, 80);
    draw_patterned_line(canvas, {5, 16}, {5, 70}, false, 1, 1, red, dashed_pattern);
    draw_patterned_line(canvas, {9, 20}, {9, 75}, false, 1, 1, red, dashed_pattern);
    for (int y = 25; y < 65; ++y)
        EXPECT_EQ(canvas.pixel(5, y), canvas.pixel(9, y)) << y;
}

// Flat lines grow upwards, steep ones sideways; 3 is taken as 4 on a slant.
TEST(PatternedLine, WideLinesAreParallelLines)
{
    const struct { Tinteger_point from, to; int width; std::initializer_list<std::pair<int, int>> shifts; } cases[] = {
        {{10, 10}, {40, 30}, 3, {{0, 0}, {0, -1}, {0, -2}, {-1, 0}}},
        {{5, 10}, {50, 12}, 2, {{0, 0}, {0, -1}}},
        {{10, 5}, {11, 50}, 3, {{0, 0}, {1, 0}, {-1, 0}}},
    };
    for (const auto& c : cases) {
        image_canvas canvas(60, 60);
        draw_patterned_line(canvas, c.from, c.to, false, 1, c.width, red, solid_pattern);
        EXPECT_EQ(pixels_of(canvas, red), walked(c.from, c.to, c.shifts)) << c.from.x << "," << c.from.y;
        EXPECT_EQ(canvas.pen().colour, platform::black) << "the pen is put back";
    }
}

// A line reaching beyond the canvas leaves there exactly the pixels it
// leaves on a canvas large enough to hold all of it; a line from very far
// away too.
TEST(PatternedLine, LinesBeyondTheCanvasDrawTheSamePixelsOnIt)
{
    const struct { Tinteger_point from, to; int width; std::uint32_t pattern; platform::pen_style style; } lines[] = {
        {{-300, -7}, {250, 40}, 1, dashed_pattern, platform::pen_style::solid},
        {{20, -400}, {25, 300}, 3, dashed_pattern, platform::pen_style::solid},
        {{-200, 15}, {500, 15}, 1, dashed_pattern, platform::pen_style::solid},
        {{-90, 300}, {310, -170}, 2, dotted_pattern, platform::pen_style::solid},
        {{-333, -111}, {444, 222}, 1, 0, platform::pen_style::solid},   // 0: draw_clipped_line with the pen
        {{-333, 222}, {444, -111}, 1, 0, platform::pen_style::dotted},
    };
    const int shift = 640;   // whole pattern lengths: dashes of level lines follow x
    for (const auto& l : lines) {
        image_canvas small(40, 30), large(1400, 1400);
        for (const auto& [canvas, by] : {std::pair{&small, 0}, std::pair{&large, shift}}) {
            const Tinteger_point from{l.from.x + by, l.from.y + by}, to{l.to.x + by, l.to.y + by};
            canvas->set_pen({red, 1, l.style});
            if (l.pattern != 0)
                draw_patterned_line(*canvas, from, to, false, 1, l.width, red, l.pattern);
            else
                draw_clipped_line(*canvas, from, to);
        }
        for (int y = 0; y < small.height(); ++y)
            for (int x = 0; x < small.width(); ++x)
                ASSERT_EQ(small.pixel(x, y), large.pixel(x + shift, y + shift)) << l.from.x << " at " << x << "," << y;
    }
    image_canvas canvas(40, 30);
    draw_patterned_line(canvas, {-2000000000, 10}, {2000000000, 12}, false, 1, 3, red, dashed_pattern);
    EXPECT_GT(pixels_of(canvas, red).size(), 40u);
}

TEST(ArrowOutline, ClosedOutlineThroughItsSevenPointsAndNothingForAPoint)
{
    std::vector<std::pair<int, int>> visited;
    const auto rule = [&](int x, int y) { visited.push_back({x, y}); };
    draw_arrow_outline({100, 100}, {100, 100}, rule);
    EXPECT_TRUE(visited.empty());
    draw_arrow_outline({100, 100}, {200, 100}, rule);
    // Shaft half-width 10, barbs 20 out, tip 33 beyond the head.
    auto at = visited.begin();
    for (const std::pair<int, int>& corner : {std::pair{100, 110}, {200, 110}, {200, 130}, {233, 100}, {200, 70}, {200, 90}, {100, 90}}) {
        at = std::find(at, visited.end(), corner);
        ASSERT_NE(at, visited.end()) << corner.first << "," << corner.second;
    }
    EXPECT_EQ(visited.size(), 100u + 20 + 33 + 33 + 20 + 100 + 20);
}

TEST(Marks, CrossRectangleOutlineAndBitmapAtAPoint)
{
    image_canvas canvas(40, 40);
    canvas.set_pen({green, 1, platform::pen_style::solid});
    draw_cross(canvas, {20, 20}, red);
    for (const auto& [x, y] : {std::pair{20, 20}, {17, 20}, {20, 23}, {21, 19}})
        EXPECT_EQ(canvas.pixel(x, y), red) << x << "," << y;   // 3 pixels wide
    EXPECT_EQ(canvas.pixel(25, 20), platform::white);
    EXPECT_EQ(canvas.pen().colour, green);
    draw_rectangle_outline(canvas, {2, 2, 10, 8});
    EXPECT_EQ(pixels_of(canvas, green).size(), 2u * 8 + 2 * 6) << "through all four corners";
    platform::bitmap symbol = platform::bitmap::filled(3, 3, platform::white);
    symbol.set(1, 1, platform::black);
    draw_bitmap_at(canvas, symbol, {3, 1}, platform::raster_operation::and_destination);
    EXPECT_EQ(canvas.pixel(4, 2), platform::black);
    EXPECT_EQ(canvas.pixel(3, 2), green) << "white in the bitmap keeps the picture";
    draw_bitmap_at(canvas, platform::bitmap{}, {0, 0}, platform::raster_operation::copy);
    EXPECT_EQ(canvas.pixel(0, 0), platform::white);
}

TEST(ResourceBitmaps, ProjectionSymbolsAreTheTextDrawingsTheyWereMadeFromWithAPaletteOnlyWhenAsked)
{
    for (const auto& [name, width, height] : {std::tuple{"AMERICAN_PROJECTION", 64, 30}, std::tuple{"EUROPEAN_PROJECTION", 63, 29}}) {
        palette_device = true;
        Tresource_bitmap record = load_resource_bitmap(name, true);
        palette_device = false;
        EXPECT_EQ((std::vector{record.colours, record.picture.width, record.picture.height, static_cast<int>(record.palette.size())}),
                  (std::vector{16, width, height, 16})) << name;
        EXPECT_TRUE(load_resource_bitmap(name, true).palette.empty()) << "no palette on a 24-bit display";
        std::ifstream drawing(std::string(WINTOLA_SOURCE_DIR) + "/resources/bitmaps/" + name + ".txt");
        int y = 0;
        for (std::string line; std::getline(drawing, line);) {
            if (line.rfind("# ", 0) == 0)
                continue;
            for (int x = 0; x < static_cast<int>(line.size()); ++x)
                ASSERT_EQ(record.picture.at(x, y), line[static_cast<std::size_t>(x)] == '#' ? platform::black : platform::white);
            ++y;
        }
        EXPECT_EQ(y, height) << "the picture is the text drawing it was made from";
        image_canvas canvas(100, 50, red);
        draw_resource_bitmap(canvas, record, 10, 5);
        EXPECT_EQ(canvas.pixel(9, 5), red);
        EXPECT_EQ(canvas.pixel(10 + width - 1, 5 + height - 1), record.picture.at(width - 1, height - 1));
        free_resource_bitmap(record);
        EXPECT_TRUE(record.resource.empty());
    }
    const Tresource_bitmap missing = load_resource_bitmap("NO_SUCH_PICTURE", true);
    EXPECT_TRUE(missing.resource.empty() && missing.colours == 0);
    image_canvas canvas(10, 10, red);
    draw_resource_bitmap(canvas, missing, 0, 0);
    EXPECT_EQ(canvas.pixel(0, 0), red);
    EXPECT_TRUE(load_resource_bitmap(std::string(101, 'A'), false).resource.empty());
}

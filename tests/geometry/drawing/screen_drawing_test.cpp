#include "foundation/globals.h"
#include "geometry/drawing/resource_bitmap.h"
#include "geometry/drawing/screen_drawing.h"
#include "geometry/model/screen_metrics.h"
#include "platform/gui/image_canvas.h"
#include "platform/core/line_walk.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <utility>
#include <vector>

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

std::set<std::pair<int, int>> walked(Tinteger_point from, Tinteger_point to)
{
    std::set<std::pair<int, int>> found;
    platform::walk_line(from, to, [&](int x, int y) { found.insert({x, y}); });
    return found;
}

} // namespace

TEST(PatternedLine, DashedLinesEndSolidWhateverThePattern)
{
    image_canvas canvas(60, 10);
    draw_patterned_line(canvas, {8, 5}, {40, 5}, false, 1, 1, red, dashed_pattern);
    // The counter starts at x = 8, in a gap of the pattern; the first 5 pixels lie near the start.
    for (int x = 8; x <= 12; ++x)
        EXPECT_EQ(canvas.pixel(x, 5), red) << x;
    for (int x = 13; x <= 15; ++x)
        EXPECT_EQ(canvas.pixel(x, 5), platform::white) << x;
    for (int x = 16; x <= 23; ++x)
        EXPECT_EQ(canvas.pixel(x, 5), red) << x;
    for (int x = 24; x <= 31; ++x)
        EXPECT_EQ(canvas.pixel(x, 5), platform::white) << x;
    for (int x = 32; x <= 39; ++x)
        EXPECT_EQ(canvas.pixel(x, 5), red) << x;
    EXPECT_EQ(canvas.pixel(40, 5), platform::white) << "the end is excluded";
    EXPECT_EQ(canvas.pixel(8, 4), platform::white);
}

TEST(PatternedLine, SlantedDottedLineHasNoSolidEnds)
{
    image_canvas canvas(40, 40);
    draw_patterned_line(canvas, {1, 1}, {30, 20}, false, 1, 1, red, dotted_pattern);
    int i = 0;
    platform::walk_line({1, 1}, {30, 20}, [&](int x, int y) {
        EXPECT_EQ(canvas.pixel(x, y) == red, i % 4 == 3) << i;
        ++i;
    });
}

TEST(PatternedLine, GapsFilledWithTheBackgroundAndUnitsStretchThePattern)
{
    image_canvas canvas(80, 10, green);
    draw_patterned_line(canvas, {0, 2}, {64, 2}, true, 2, 1, red, dashed_pattern);
    for (int x = 0; x < 16; ++x)
        EXPECT_EQ(canvas.pixel(x, 2), red) << x;
    for (int x = 16; x < 32; ++x)
        EXPECT_EQ(canvas.pixel(x, 2), platform::window_background_colour()) << x;
    EXPECT_EQ(canvas.pixel(64, 2), green);
}

TEST(PatternedLine, ParallelVerticalDashesLineUp)
{
    image_canvas canvas(20, 80);
    draw_patterned_line(canvas, {5, 16}, {5, 70}, false, 1, 1, red, dashed_pattern);
    draw_patterned_line(canvas, {9, 20}, {9, 75}, false, 1, 1, red, dashed_pattern);
    for (int y = 25; y < 65; ++y)
        EXPECT_EQ(canvas.pixel(5, y), canvas.pixel(9, y)) << y;
}

TEST(PatternedLine, WideLinesAreParallelLines)
{
    image_canvas canvas(60, 60);
    // Slanted, width 3: taken as 4, the centre, two shifted up and one shifted left.
    draw_patterned_line(canvas, {10, 10}, {40, 30}, false, 1, 3, red, solid_pattern);
    std::set<std::pair<int, int>> expected;
    for (const auto& [dx, dy] : {std::pair{0, 0}, std::pair{0, -1}, std::pair{0, -2}, std::pair{-1, 0}})
        for (const auto& p : walked({10 + dx, 10 + dy}, {40 + dx, 30 + dy}))
            expected.insert(p);
    EXPECT_EQ(pixels_of(canvas, red), expected);

    image_canvas flat(60, 20);
    draw_patterned_line(flat, {5, 10}, {50, 12}, false, 1, 2, red, solid_pattern);
    std::set<std::pair<int, int>> two = walked({5, 10}, {50, 12});
    for (const auto& p : walked({5, 9}, {50, 11}))
        two.insert(p);
    EXPECT_EQ(pixels_of(flat, red), two) << "width 2 of a flat line: one more line above";

    image_canvas steep(20, 60);
    draw_patterned_line(steep, {10, 5}, {11, 50}, false, 1, 3, red, solid_pattern);
    std::set<std::pair<int, int>> three = walked({10, 5}, {11, 50});
    for (const int dx : {1, -1})
        for (const auto& p : walked({10 + dx, 5}, {11 + dx, 50}))
            three.insert(p);
    EXPECT_EQ(pixels_of(steep, red), three);
    EXPECT_EQ(steep.pen().colour, platform::black) << "the pen is put back";
}

// A line reaching beyond the canvas leaves there exactly the pixels it
// leaves on a canvas large enough to hold all of it; a line from very far
// away too.
TEST(PatternedLine, LinesBeyondTheCanvasDrawTheSamePixelsOnIt)
{
    struct line_case {
        Tinteger_point from, to;
        int width;
        std::uint32_t pattern;   // 0: draw_clipped_line with a one-pixel pen
        platform::pen_style style;
    };
    const line_case lines[] = {
        {{-300, -7}, {250, 40}, 1, dashed_pattern, platform::pen_style::solid},
        {{20, -400}, {25, 300}, 3, dashed_pattern, platform::pen_style::solid},
        {{-200, 15}, {500, 15}, 1, dashed_pattern, platform::pen_style::solid},
        {{-90, 300}, {310, -170}, 2, dotted_pattern, platform::pen_style::solid},
        {{-333, -111}, {444, 222}, 1, 0, platform::pen_style::solid},
        {{-333, 222}, {444, -111}, 1, 0, platform::pen_style::dotted},
    };
    const int shift = 640;   // whole pattern lengths: dashes of level lines follow x
    const auto draw = [](image_canvas& canvas, const line_case& l, int by) {
        const Tinteger_point from{l.from.x + by, l.from.y + by}, to{l.to.x + by, l.to.y + by};
        if (l.pattern != 0) {
            draw_patterned_line(canvas, from, to, false, 1, l.width, red, l.pattern);
            return;
        }
        canvas.set_pen({red, 1, l.style});
        draw_clipped_line(canvas, from, to);
    };
    for (const line_case& l : lines) {
        image_canvas small(40, 30), large(1400, 1400);
        draw(small, l, 0);
        draw(large, l, shift);
        for (int y = 0; y < small.height(); ++y)
            for (int x = 0; x < small.width(); ++x)
                ASSERT_EQ(small.pixel(x, y), large.pixel(x + shift, y + shift))
                    << l.from.x << "," << l.from.y << " at " << x << "," << y;
    }
    image_canvas canvas(40, 30);
    draw_patterned_line(canvas, {-2000000000, 10}, {2000000000, 12}, false, 1, 3, red, dashed_pattern);
    EXPECT_GT(pixels_of(canvas, red).size(), 40u);
}

TEST(ArrowOutline, ClosedOutlineThroughItsSevenPointsAndNothingForAPoint)
{
    aspect = 1.0L;
    std::vector<std::pair<int, int>> visited;
    draw_arrow_outline({100, 100}, {100, 100}, [&](int x, int y) { visited.push_back({x, y}); });
    EXPECT_TRUE(visited.empty());

    draw_arrow_outline({100, 100}, {200, 100}, [&](int x, int y) { visited.push_back({x, y}); });
    // Shaft half-width 10, barbs 20 out, tip 33 beyond the head.
    const std::pair<int, int> corners[] = {{100, 110}, {200, 110}, {200, 130}, {233, 100},
                                           {200, 70},  {200, 90},  {100, 90}};
    std::size_t at = 0;
    for (const auto& corner : corners) {
        const auto found = std::find(visited.begin() + static_cast<std::ptrdiff_t>(at), visited.end(), corner);
        ASSERT_NE(found, visited.end()) << corner.first << "," << corner.second;
        at = static_cast<std::size_t>(found - visited.begin());
    }
    EXPECT_EQ(visited.size(), 100u + 20 + 33 + 33 + 20 + 100 + 20);
}

TEST(Marks, CrossRectangleOutlineAndBitmapAtAPoint)
{
    image_canvas canvas(40, 40);
    canvas.set_pen({green, 1, platform::pen_style::solid});
    draw_cross(canvas, {20, 20}, red);
    EXPECT_EQ(canvas.pixel(20, 20), red);
    EXPECT_EQ(canvas.pixel(17, 20), red);
    EXPECT_EQ(canvas.pixel(20, 23), red);
    EXPECT_EQ(canvas.pixel(21, 19), red) << "3 pixels wide";
    EXPECT_EQ(canvas.pixel(25, 20), platform::white);
    EXPECT_EQ(canvas.pen().colour, green);

    draw_rectangle_outline(canvas, {2, 2, 10, 8});
    for (const auto& [x, y] : {std::pair{2, 2}, std::pair{10, 2}, std::pair{10, 8}, std::pair{2, 8}, std::pair{6, 8}})
        EXPECT_EQ(canvas.pixel(x, y), green) << x << "," << y;
    EXPECT_EQ(canvas.pixel(5, 5), platform::white);

    platform::bitmap symbol = platform::bitmap::filled(3, 3, platform::white);
    symbol.set(1, 1, platform::black);
    draw_bitmap_at(canvas, symbol, {3, 1}, platform::raster_operation::and_destination);
    EXPECT_EQ(canvas.pixel(4, 2), platform::black);
    EXPECT_EQ(canvas.pixel(3, 2), green) << "white in the bitmap keeps the picture";
    draw_bitmap_at(canvas, platform::bitmap{}, {0, 0}, platform::raster_operation::copy);
    EXPECT_EQ(canvas.pixel(0, 0), platform::white);
}

TEST(ResourceBitmaps, ProjectionSymbolsAreOurSixteenColourDrawings)
{
    for (const auto& [name, width, height] : {std::tuple{"AMERICAN_PROJECTION", 64, 30}, std::tuple{"EUROPEAN_PROJECTION", 63, 29}}) {
        Tresource_bitmap record = load_resource_bitmap(name, true);
        ASSERT_FALSE(record.resource.empty()) << name;
        EXPECT_EQ(record.colours, 16);
        EXPECT_EQ(record.picture.width, width);
        EXPECT_EQ(record.picture.height, height);
        EXPECT_TRUE(record.palette.empty()) << "no palette on a 24-bit display";
        // The picture is the text drawing it was made from.
        std::ifstream drawing(std::string(WINTOLA_SOURCE_DIR) + "/resources/bitmaps/" + name + ".txt");
        std::string line;
        int y = 0;
        while (std::getline(drawing, line)) {
            if (line.rfind("# ", 0) == 0)
                continue;
            for (int x = 0; x < static_cast<int>(line.size()); ++x)
                ASSERT_EQ(record.picture.at(x, y), line[static_cast<std::size_t>(x)] == '#' ? platform::black : platform::white)
                    << name << " " << x << "," << y;
            ++y;
        }
        EXPECT_EQ(y, height);
        image_canvas canvas(100, 50, red);
        draw_resource_bitmap(canvas, record, 10, 5);
        EXPECT_EQ(canvas.pixel(9, 5), red);
        EXPECT_EQ(canvas.pixel(10 + width - 1, 5 + height - 1), record.picture.at(width - 1, height - 1));
        free_resource_bitmap(record);
        EXPECT_TRUE(record.resource.empty());
    }
}

TEST(ResourceBitmaps, PaletteOnlyOnAPaletteDeviceAndMissingResourcesDrawNothing)
{
    palette_device = true;
    const Tresource_bitmap with = load_resource_bitmap("AMERICAN_PROJECTION", true);
    const Tresource_bitmap without = load_resource_bitmap("AMERICAN_PROJECTION", false);
    palette_device = false;
    EXPECT_EQ(with.palette.size(), 16u);
    EXPECT_EQ(with.palette[1], rgb(0, 0, 128));
    EXPECT_TRUE(without.palette.empty());

    const Tresource_bitmap missing = load_resource_bitmap("NO_SUCH_PICTURE", true);
    EXPECT_TRUE(missing.resource.empty());
    EXPECT_EQ(missing.colours, 0);
    image_canvas canvas(10, 10, red);
    draw_resource_bitmap(canvas, missing, 0, 0);
    EXPECT_EQ(canvas.pixel(0, 0), red);
    EXPECT_TRUE(load_resource_bitmap(std::string(101, 'A'), false).resource.empty());
}

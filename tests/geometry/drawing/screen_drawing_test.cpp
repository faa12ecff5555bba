#include "geometry/drawing/screen_drawing.h"
#include "platform/core/line_walk.h"
#include "platform/gui/image_canvas.h"

#include <gtest/gtest.h>

using namespace foundation;
using namespace geometry::drawing;

using platform::image_canvas;

namespace {

constexpr platform::colour_ref red = platform::rgb(255, 0, 0);

} // namespace

// The counter starts at x = 8, in a gap of the pattern; the first 5 pixels
// lie near the start; the end is excluded. Gaps are filled when asked.
TEST(PatternedLine, DashesEndSolidGapsFillOnlyWhenAskedAndDotsHaveNoEnds)
{
    image_canvas canvas(80, 10, platform::black);
    draw_patterned_line(canvas, {8, 5}, {40, 5}, false, 1, 1, red, dashed_pattern);
    std::string row;
    for (int x = 7; x <= 41; ++x)
        row += canvas.pixel(x, 5) == red ? '#' : 'o';
    EXPECT_EQ(row, "o#####ooo########oooooooo########oo");
    draw_patterned_line(canvas, {0, 2}, {64, 2}, true, 2, 1, red, dashed_pattern);   // two pixels a bit
    EXPECT_TRUE(canvas.pixel(15, 2) == red && canvas.pixel(16, 2) == platform::window_background_colour());
    image_canvas slanted(40, 40);
    draw_patterned_line(slanted, {1, 1}, {30, 20}, false, 1, 1, red, dotted_pattern);
    int i = 0;
    platform::walk_line({1, 1}, {30, 20}, [&](int x, int y) { EXPECT_EQ(slanted.pixel(x, y) == red, i++ % 4 == 3) << i; });
}

// A line reaching beyond the canvas leaves there exactly the pixels it
// leaves on a canvas large enough to hold all of it; a line from very far
// away too. Pattern 0: draw_clipped_line with the pen.
TEST(PatternedLine, LinesBeyondTheCanvasDrawTheSamePixelsOnIt)
{
    const struct { Tinteger_point from, to; int width; std::uint32_t pattern; platform::pen_style style; } lines[] = {
        {{-300, -7}, {250, 40}, 1, dashed_pattern, platform::pen_style::solid},
        {{20, -400}, {25, 300}, 3, dashed_pattern, platform::pen_style::solid},
        {{-200, 15}, {500, 15}, 1, dashed_pattern, platform::pen_style::solid},
        {{-90, 300}, {310, -170}, 2, dotted_pattern, platform::pen_style::solid},
        {{-333, -111}, {444, 222}, 1, 0, platform::pen_style::solid},
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
        EXPECT_EQ(small.image(), large.image().copy(shift, shift, small.width(), small.height())) << l.from.x;
    }
    image_canvas canvas(40, 30);
    draw_patterned_line(canvas, {-2000000000, 10}, {2000000000, 12}, false, 1, 3, red, dashed_pattern);
    EXPECT_EQ(canvas.pixel(20, 10), red);
}


#include "platform/core/line_walk.h"
#include "tests/support/gui_app.h"
#include "tests/support/per_pixel_canvas.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>

using namespace platform;

namespace {

int count_colour(const image_canvas& canvas, colour_ref colour)
{
    int n = 0;
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            n += canvas.pixel(x, y) == colour;
    return n;
}

constexpr colour_ref red = rgb(255, 0, 0);
constexpr colour_ref navy = rgb(0, 0, 128);

} // namespace

TEST(ImageCanvas, ThinLinesAreTheLineWalkAndDottedPensSkipEveryOtherPixel)
{
    image_canvas canvas(40, 40);
    canvas.set_pen({red, 1, pen_style::solid});
    canvas.line({2, 3}, {30, 17});
    int walked = 0;
    walk_line({2, 3}, {30, 17}, [&](int x, int y) { walked += canvas.pixel(x, y) == red; });
    EXPECT_EQ(std::tuple(count_colour(canvas, red), walked, canvas.pixel(30, 17)), std::tuple(28, 28, white)) << "not the end pixel";

    canvas.set_pen({navy, 1, pen_style::dotted});
    canvas.line({0, 39}, {10, 39});
    EXPECT_EQ(std::tuple(count_colour(canvas, navy), canvas.pixel(0, 39), canvas.pixel(1, 39)), std::tuple(5, navy, white));

    canvas.set_pen({navy, 1, pen_style::none});
    canvas.line({0, 0}, {39, 0});
    EXPECT_EQ(count_colour(canvas, navy), 5);
}

// The rules the per-pixel reference below shares: the outline after the
// fill, a hatch line every eighth diagonal.
TEST(ImageCanvas, FillsFollowTheRulesOfTheWindowsDrawing)
{
    image_canvas canvas(32, 32, rgb(0, 255, 0));
    canvas.set_pen({black, 1, pen_style::solid});
    canvas.set_brush({brush_style::solid, red});
    const pixel_point square[] = {{5, 5}, {15, 5}, {15, 15}, {5, 15}};
    canvas.polygon(square);
    EXPECT_EQ(std::tuple(count_colour(canvas, black), count_colour(canvas, red), canvas.pixel(15, 15)),
              std::tuple(40, 81, black)) << "the outline closes through every corner";
    canvas.set_pen({black, 1, pen_style::none});
    canvas.set_brush({brush_style::forward_diagonal, navy});
    canvas.rectangle(0, 0, 32, 32);
    EXPECT_EQ(std::tuple(canvas.pixel(9, 1), canvas.pixel(1, 0), count_colour(canvas, navy)),
              std::tuple(navy, rgb(0, 255, 0), 32 * 32 / 8)) << "between the lines the picture stays";
}

TEST(ImageCanvas, BlitsFarAwayDrawNothing)
{
    image_canvas canvas(10, 10, rgb(0, 255, 255));
    const bitmap picture = bitmap::filled(2, 2, white);
    const QImage before = canvas.image();
    canvas.draw_bitmap(INT_MIN, INT_MAX - 1, picture, raster_operation::copy);
    canvas.draw_bitmap(INT_MAX - 1, INT_MIN, picture, raster_operation::and_destination);
    EXPECT_EQ(canvas.image(), before);
    EXPECT_EQ(canvas.read_area(INT_MAX - 1, INT_MIN, 2, 2).pixels, bitmap::filled(2, 2, white).pixels);
}

TEST(ImageCanvas, TextInTheFontColourTransparentOrOpaque)
{
    test_support::gui_app();
    image_canvas canvas(100, 30, rgb(0, 255, 0));
    font_choice font;
    font.height = 16;
    font.colour = red;
    canvas.set_font(font);
    canvas.text_out(2, 2, "XW");
    EXPECT_EQ(count_colour(canvas, rgb(0, 255, 0)) + count_colour(canvas, red), 100 * 30) << "no smoothed pixels";
    EXPECT_GT(count_colour(canvas, red), 10);
    canvas.set_brush({brush_style::solid, white});
    canvas.set_background_mode(text_background::opaque);
    canvas.text_out(50, 2, "XW");
    EXPECT_GT(count_colour(canvas, white), 10);
    EXPECT_GT(canvas.text_height("XW"), 10);
}

// Random shapes, partly off the canvas, in every brush; blits, area reads and
// flood fills of both kinds over what they leave: pixel for pixel what the
// per-pixel reference draws.
TEST(ImageCanvas, FillsBlitsReadsAndFloodFillsMatchThePerPixelReference)
{
    constexpr colour_ref colours[] = {white, black, red, navy, rgb(0, 128, 0)};
    constexpr brush_style brushes[] = {brush_style::solid, brush_style::forward_diagonal, brush_style::none};
    std::mt19937 random(2024);
    const auto any = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    image_canvas fast(97, 71);
    test_support::per_pixel_canvas reference(97, 71);
    for (int step = 0; step < 400; ++step) {
        const brush b{brushes[any(0, 2)], colours[any(0, 4)]};
        const pen p{colours[any(0, 4)], 1, any(0, 3) == 0 ? pen_style::none : pen_style::solid};
        std::vector<pixel_point> outline(static_cast<std::size_t>(any(1, 9)));
        for (pixel_point& point : outline)
            point = {any(-40, 136), any(-40, 110)};
        const int x = any(-30, 110), y = any(-30, 90), w = any(0, 40), h = any(0, 40);
        bitmap picture = bitmap::filled(w, h, white);
        for (colour_ref& c : picture.pixels)
            c = colours[any(0, 4)];
        const raster_operation blit = any(0, 1) ? raster_operation::copy : raster_operation::and_destination;
        const flood_style flood = any(0, 1) ? flood_style::surface : flood_style::border;
        const colour_ref sought = colours[any(0, 4)];
        for (image_canvas* canvas : {&fast, static_cast<image_canvas*>(&reference)}) {
            canvas->set_brush(b);
            canvas->set_pen(p);
            switch (step % 4) {
            case 0: canvas->polygon(outline); break;
            case 1: canvas->rectangle(x, y, x + w - 20, y + h - 20); break;
            case 2: canvas->draw_bitmap(x, y, picture, blit); break;
            default: canvas->flood_fill(x, y, sought, flood); break;
            }
        }
        ASSERT_EQ(fast.image(), reference.image()) << "step " << step;
        ASSERT_EQ(fast.read_area(x, y, w, h).pixels, reference.read_area(x, y, w, h).pixels) << "step " << step;
    }
}

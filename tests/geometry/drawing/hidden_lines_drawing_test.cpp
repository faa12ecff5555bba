#include "geometry/drawing/geometry_startup.h"
#include "geometry/drawing/hidden_lines_drawing.h"
#include "geometry/model/picture.h"
#include "geometry/model/screen_metrics.h"
#include "platform/gui/image_canvas.h"
#include "tests/geometry/object_bytes.h"
#include "tests/support/gui_app.h"

#include <gtest/gtest.h>

using namespace geometry::model;
using namespace geometry::drawing;

using platform::image_canvas;

namespace {

constexpr platform::colour_ref red = platform::rgb(255, 0, 0);
constexpr platform::colour_ref blue = platform::rgb(0, 0, 255);

void add(Tscreen_lines& lines, Tscreen_line line)
{
    lines.lines[++lines.count] = line;
}

class ScreenDrawing : public testing::Test {
protected:
    void SetUp() override
    {
        test_support::gui_app();
        aspect = 1.0L;
        start_up_kernel();
    }

    image_canvas canvas{120, 100};
    Tscreen_drawing drawing;
};

} // namespace

TEST_F(ScreenDrawing, HiddenLinesAreDashedAndVisibleLinesLieOverThem)
{
    add(drawing.hidden, {10, 20, 70, 20, false});
    add(drawing.hidden, {10, 50, 100, 50, false});
    add(drawing.visible, {50, 50, 100, 50, false});
    canvas.set_background_mode(platform::text_background::opaque);
    draw_screen_drawing(canvas, drawing, red, false);
    EXPECT_EQ(canvas.background_mode(), platform::text_background::transparent);
    EXPECT_EQ(canvas.pixel(20, 20), red);                                    // a dash
    EXPECT_EQ(canvas.pixel(28, 20), platform::window_background_colour());   // a gap, left alone
    EXPECT_EQ(canvas.pixel(68, 20), red);                                    // dashes end solid
    EXPECT_EQ(canvas.pixel(30, 50), platform::window_background_colour());
    for (int x = 50; x < 100; ++x)
        ASSERT_EQ(canvas.pixel(x, 50), red) << x;
    EXPECT_EQ(canvas.pixel(20, 21), platform::window_background_colour()) << "one pixel wide";
}

TEST_F(ScreenDrawing, HighlightedLinesAreBlueAndWider)
{
    add(drawing.hidden, {10, 20, 100, 20, true});
    add(drawing.visible, {10, 60, 100, 60, true});
    add(drawing.visible, {30, 10, 30, 90, false});
    draw_screen_drawing(canvas, drawing, red, false);
    EXPECT_EQ(canvas.pixel(20, 19), blue);
    EXPECT_EQ(canvas.pixel(20, 20), blue);
    EXPECT_EQ(canvas.pixel(20, 21), blue);
    EXPECT_EQ(canvas.pixel(60, 60), blue);
    const int beside = (canvas.pixel(60, 59) == blue ? 1 : 0) + (canvas.pixel(60, 61) == blue ? 1 : 0);
    EXPECT_EQ(beside, 1) << "two pixels wide";
    EXPECT_EQ(canvas.pixel(30, 60), blue) << "highlighted visible lines come last";
    EXPECT_EQ(canvas.pixel(30, 20), red) << "visible lines come after hidden ones";
}

TEST_F(ScreenDrawing, ViewArrowsOnlyWhenAskedOrAlone)
{
    const Tsolid cube = test_objects::solid_of(test_objects::cube());
    compute_hidden_line_drawing(cube, 30, -40, 0, drawing, true, false, 50, 60, 0.5L);
    image_canvas without{120, 100};
    draw_screen_drawing(without, drawing, platform::black, false);
    draw_screen_drawing(canvas, drawing, platform::black, true);
    image_canvas arrows_only{120, 100};
    draw_drawing_arrows(arrows_only, drawing);

    int extra = 0, arrow_pixels = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 120; ++x) {
            extra += canvas.pixel(x, y) != without.pixel(x, y) ? 1 : 0;
            arrow_pixels += arrows_only.pixel(x, y) != platform::window_background_colour() ? 1 : 0;
            if (arrows_only.pixel(x, y) != platform::window_background_colour()) {
                ASSERT_NE(canvas.pixel(x, y), platform::window_background_colour());
            }
        }
    EXPECT_GT(extra, 20);
    EXPECT_GT(arrow_pixels, 20);
}

TEST_F(ScreenDrawing, DrawingAnObjectWithHiddenLinesIsItsComputedDrawingDrawn)
{
    const Tsolid cube = test_objects::solid_of(test_objects::cube());
    draw_object_with_hidden_lines(canvas, cube, 30, -40, 0, false, platform::black, true, 50, 60, 1);
    Tscreen_drawing computed;
    compute_hidden_line_drawing(cube, 30, -40, 0, computed, true, true, 50, 60, 1);
    image_canvas expected{120, 100};
    draw_screen_drawing(expected, computed, platform::black, false);
    EXPECT_EQ(canvas.image(), expected.image());
    EXPECT_EQ(computed.hidden.count, 3);
}

// Drawings keep their proportions on screens of every shape: a block 1.1
// wide, 1.0 high and 0.8 deep, drawn in the views of each screen and
// measured in pixels, is as wide as high and deep on the screen's glass.
#include "geometry/drawing/hidden_lines_drawing.h"
#include "tests/geometry/prisms.h"
#include "tests/geometry/views_fixture.h"

#include <climits>

using namespace geometry::model;

namespace {

struct screen_shape {
    const char* name;
    int width, height;           // pixels
    double width_mm, height_mm;  // glass
};

const screen_shape screens[] = {
    {"1920 x 1080, square pixels", 1920, 1080, 527, 296},
    {"2560 x 1600, square pixels", 2560, 1600, 345, 215},
    {"640 x 350 on a 4:3 tube, tall pixels", 640, 350, 240, 180},
    {"1280 x 1024 on a 4:3 panel, flat pixels", 1280, 1024, 400, 300},
    {"size unknown", 1366, 768, 0, 0},
};

struct extent {
    int width = 0;
    int height = 0;
};

// The black pixels' bounding box in a rectangle.
extent black_extent(const platform::image_canvas& canvas, const platform::pixel_rect& r)
{
    int left = INT_MAX, right = INT_MIN, top = INT_MAX, bottom = INT_MIN;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            if (canvas.pixel(x, y) == platform::black) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    return left > right ? extent{} : extent{right - left, bottom - top};
}

void PrintTo(const screen_shape& s, std::ostream* out)
{
    *out << s.name;
}

class ScreenProportions : public test_support::views_fixture, public testing::WithParamInterface<screen_shape> {};

} // namespace

TEST_P(ScreenProportions, ABlocksViewsMeasureOnTheGlassAsTheBlockDoes)
{
    const screen_shape s = GetParam();
    aspect = aspect_of_screen(s.width, s.height, s.width_mm, s.height_mm);
    compute_pixel_scales();
    // Unknown glass is taken for square pixels.
    const double mm_across = s.width_mm > 0 ? s.width_mm / s.width : 1;
    const double mm_up = s.height_mm > 0 ? s.height_mm / s.height : 1;
    Tsolid block;
    test_objects::add_box(block, -0.55L, 0.55L, -0.5L, 0.5L, -0.4L, 0.4L);
    block = test_objects::finished(block);
    views.layout_views({10, 10}, 150, american_three_views);
    views.draw_views(canvas, false, false, false, false, false, true, block);

    EXPECT_NEAR(views.cell_width * mm_across / (views.cell_height * mm_up), 1.0, 0.02) << "a square cell";
    const extent front = black_extent(canvas, cell(2));
    const extent top = black_extent(canvas, cell(1));
    EXPECT_NEAR(front.width * mm_across / (front.height * mm_up), 1.1, 0.04) << "front view";
    EXPECT_NEAR(top.width * mm_across / (top.height * mm_up), 1.1 / 0.8, 0.05) << "top view";
}

INSTANTIATE_TEST_SUITE_P(Screens, ScreenProportions, testing::ValuesIn(screens));

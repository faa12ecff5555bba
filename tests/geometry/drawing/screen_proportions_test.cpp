// Drawings keep their proportions on screens of every shape: a block 1.1
// wide, 1.0 high and 0.8 deep, drawn in the views of each screen and
// measured in pixels, is as wide as high and deep on the screen's glass.
#include "tests/geometry/views_fixture.h"

#include <climits>

using namespace foundation;
using namespace geometry::drawing;

using namespace geometry::model;

namespace {

struct screen_shape {
    int width, height;           // pixels
    double width_mm, height_mm;  // glass; 0: unknown, taken for square pixels
};

class ScreenProportions : public test_support::views_fixture, public testing::WithParamInterface<screen_shape> {
protected:
    // The black pixels' bounding box in a cell: its width on the glass over its height.
    double glass_proportion(int k, double mm_across, double mm_up) const
    {
        int left = INT_MAX, right = INT_MIN, top = INT_MAX, bottom = INT_MIN;
        for (int y = cell(k).top; y < cell(k).bottom; ++y)
            for (int x = cell(k).left; x < cell(k).right; ++x)
                if (canvas.pixel(x, y) == platform::black) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
        return (right - left) * mm_across / ((bottom - top) * mm_up);
    }
};

} // namespace

TEST_P(ScreenProportions, ABlocksViewsMeasureOnTheGlassAsTheBlockDoes)
{
    const screen_shape s = GetParam();
    aspect = aspect_of_screen(s.width, s.height, s.width_mm, s.height_mm);
    compute_pixel_scales();
    const double mm_across = s.width_mm > 0 ? s.width_mm / s.width : 1, mm_up = s.height_mm > 0 ? s.height_mm / s.height : 1;
    Tsolid block;
    test_objects::add_box(block, -0.55L, 0.55L, -0.5L, 0.5L, -0.4L, 0.4L);
    views.layout_views({10, 10}, 150, american_three_views);
    views.draw_views(canvas, false, false, false, false, false, true, test_objects::finished(block));
    EXPECT_NEAR(views.cell_width * mm_across / (views.cell_height * mm_up), 1.0, 0.02);   // a square cell
    EXPECT_NEAR(glass_proportion(2, mm_across, mm_up), 1.1, 0.04);                       // the front view
    EXPECT_NEAR(glass_proportion(1, mm_across, mm_up), 1.1 / 0.8, 0.05);                 // the top view
}

// Square pixels, tall pixels on a 4:3 tube, flat pixels on a 4:3 panel, glass of unknown size.
INSTANTIATE_TEST_SUITE_P(Screens, ScreenProportions,
                         testing::Values(screen_shape{1920, 1080, 527, 296}, screen_shape{2560, 1600, 345, 215},
                                         screen_shape{640, 350, 240, 180}, screen_shape{1280, 1024, 400, 300},
                                         screen_shape{1366, 768, 0, 0}));

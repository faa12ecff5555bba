#include "geometry/model/screen_metrics.h"
#include "geometry/drawing/views.h"
#include "geometry/model/workbench_layout.h"

#include <gtest/gtest.h>

#include <vector>

using namespace geometry::model;
using namespace geometry::drawing;

namespace {

class ViewsLayout : public testing::Test {
protected:
    void SetUp() override { set_aspect(1.0L); }
    void TearDown() override { set_aspect(1.0L); }
    static void set_aspect(long double a)
    {
        aspect = a;
        compute_pixel_scales();
    }
    Tviews views_;
};

} // namespace

TEST_F(ViewsLayout, TheObliqueFrameIsAsWideAsTheScreenProportionsMakeItsHeight)
{
    EXPECT_EQ(views_.set_oblique_frame({30, 40}, 300), 300);
    EXPECT_EQ((std::vector{views_.frame_left, views_.frame_top, views_.frame_right, views_.frame_bottom}),
              (std::vector{30, 40, 330, 340}));
    EXPECT_EQ(views_.frame_centre().x, 180);
    aspect = 1.2L;
    EXPECT_EQ(views_.set_oblique_frame({0, 0}, 101), 121);
    EXPECT_EQ((std::vector{views_.frame_centre().x, views_.frame_centre().y}), (std::vector{60, 50})) << "integer halves";
}

// Cells are even, square when only a pixel off, and stand 1.3 cells apart below 60 pixels.
TEST_F(ViewsLayout, CellSizesAndSpacing)
{
    const struct { long double aspect; int asked, width, height, right_x; } cases[] = {
        {1, 57, 58, 58, 75}, {1, 59, 60, 60, 60}, {1, 101, 102, 102, 102}, {1.01L, 100, 100, 100, 100},
        {1.03L, 100, 104, 100, 104}, {1.25L, 80, 100, 80, 100},
    };
    for (const auto& c : cases) {
        set_aspect(c.aspect);
        EXPECT_EQ(views_.layout_views({0, 0}, c.asked, american_three_views), c.width) << c.asked;
        EXPECT_EQ((std::vector{views_.cell_width, views_.cell_height, views_.view_x[4]}),
                  (std::vector{c.width, c.height, c.right_x})) << c.asked << " at " << static_cast<double>(c.aspect);
    }
}

// Views 0..5: left, top, front, bottom, right, rear; -1 for a view not shown.
TEST_F(ViewsLayout, EachModeShowsItsViewsInTheirPlacesAndTheSymbolInAFreeCell)
{
    const struct { int mode; int x[6], y[6]; int symbol_x, symbol_y; } cases[] = {
        {american_three_views, {-1, 100, 100, -1, 200, -1}, {-1, 50, 150, -1, 150, -1}, 213, 100},
        {european_three_views, {200, 100, 100, -1, -1, -1}, {50, 150, 50, -1, -1, -1}, 213, 170},
        {american_six_views, {100, 200, 200, 200, 300, 400}, {150, 50, 150, 250, 150, 150}, 310, 270},
        {european_six_views, {300, 200, 200, 200, 100, 400}, {150, 250, 150, 50, 150, 150}, 310, 270},
    };
    for (const auto& c : cases) {
        views_.labels_shown = true;
        views_.layout_views({100, 50}, 100, c.mode);
        EXPECT_FALSE(views_.labels_shown) << "a new layout takes the labels off";
        EXPECT_EQ(views_.american, c.mode == american_three_views || c.mode == american_six_views);
        for (int k = 0; k < view_count; ++k) {
            EXPECT_EQ(views_.view_shown[k], c.x[k] >= 0) << "mode " << c.mode << " view " << k;
            if (c.x[k] >= 0) {
                EXPECT_EQ((std::vector{views_.view_x[k], views_.view_y[k]}), (std::vector{c.x[k], c.y[k]}))
                    << "mode " << c.mode << " view " << k;
            }
        }
        EXPECT_EQ((std::vector{views_.symbol_x, views_.symbol_y}), (std::vector{c.symbol_x, c.symbol_y})) << c.mode;
    }
    views_.layout_views({100, 50}, 57, european_six_views);
    EXPECT_EQ((std::vector{views_.symbol_x, views_.symbol_y}), (std::vector{256, 212})) << "spaced cells";
    EXPECT_EQ(views_.cell_centre(6).x, 0);
    EXPECT_TRUE(is_view(0) && is_view(5) && !is_view(-1) && !is_view(6));
}

TEST(WorkbenchLayout, PlacesTheViewsLeftOfTheFrameOrEitherAloneInTheMiddle)
{
    const struct { int width, height; bool oblique, normal, six; Tworkbench_layout expected; } cases[] = {
        {800, 600, true, true, false, {{426, 150}, 300, {74, 140}, 160}},
        {800, 600, true, true, true, {{502, 180}, 240, {48, 138}, 108}},   // 4.2 and 4.3 cells rounded
        {800, 600, true, false, false, {{130, 45}, 510, {0, 0}, 0}},
        {600, 600, false, true, true, {{0, 0}, 0, {68, 100}, 116}},
        {900, 500, false, true, false, {{0, 0}, 0, {235, 35}, 215}},
        {800, 600, false, false, true, {{0, 0}, 0, {0, 0}, 0}},
    };
    for (const auto& c : cases) {
        const Tworkbench_layout got = workbench_layout(c.width, c.height, c.oblique, c.normal, c.six);
        const Tworkbench_layout& e = c.expected;
        EXPECT_EQ((std::vector{got.views_origin.x, got.views_origin.y, got.cell_height, got.frame_origin.x,
                               got.frame_origin.y, got.frame_height}),
                  (std::vector{e.views_origin.x, e.views_origin.y, e.cell_height, e.frame_origin.x, e.frame_origin.y,
                               e.frame_height}))
            << c.width << " x " << c.height << (c.oblique ? " oblique" : "") << (c.normal ? " normal" : "")
            << (c.six ? " six" : "");
    }
}

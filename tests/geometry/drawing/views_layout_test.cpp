#include "geometry/model/screen_metrics.h"
#include "geometry/drawing/views.h"
#include "geometry/model/workbench_layout.h"

#include <gtest/gtest.h>

#include <set>

namespace {

class ViewsLayout : public testing::Test {
protected:
    void SetUp() override
    {
        aspect = 1.0L;
        compute_pixel_scales();
    }
    void TearDown() override
    {
        aspect = 1.0L;
        compute_pixel_scales();
    }

    std::set<int> shown() const
    {
        std::set<int> views;
        for (int k = 0; k < view_count; ++k)
            if (views_.view_shown[k])
                views.insert(k);
        return views;
    }
    Tinteger_point cell(int k) const { return {views_.view_x[k], views_.view_y[k]}; }

    Tviews views_;
};

constexpr int left_side = 0, top = 1, front = 2, bottom = 3, right_side = 4, rear = 5;

} // namespace

TEST_F(ViewsLayout, TheObliqueFrameIsAsWideAsTheScreenProportionsMakeItsHeight)
{
    EXPECT_EQ(views_.set_oblique_frame({30, 40}, 300), 300);
    EXPECT_EQ(views_.frame_left, 30);
    EXPECT_EQ(views_.frame_top, 40);
    EXPECT_EQ(views_.frame_right, 330);
    EXPECT_EQ(views_.frame_bottom, 340);
    EXPECT_NEAR(static_cast<double>(views_.frame_scale), 300 * 0.92 * 0.0075, 1e-12);
    EXPECT_EQ(views_.frame_centre().x, 180);
    EXPECT_EQ(views_.frame_centre().y, 190);

    aspect = 1.2L;
    EXPECT_EQ(views_.set_oblique_frame({0, 0}, 101), 121);
    EXPECT_EQ(views_.frame_height, 101);
    EXPECT_EQ(views_.frame_centre().x, 60) << "integer halves";
    EXPECT_EQ(views_.frame_centre().y, 50);
}

TEST_F(ViewsLayout, CellsAreEvenAndSquareWhenOnlyAPixelOffAndLowCellsStandFurtherApart)
{
    EXPECT_EQ(views_.layout_views({0, 0}, 57, american_three_views), 58);
    EXPECT_EQ(views_.cell_height, 58);
    EXPECT_EQ(views_.view_x[right_side], 75) << "58 cells stand 1.3 cells apart";
    EXPECT_EQ(views_.view_y[front], 75);

    EXPECT_EQ(views_.layout_views({0, 0}, 59, american_three_views), 60);
    EXPECT_EQ(views_.cell_height, 60);
    EXPECT_EQ(views_.view_x[right_side], 60) << "from 60 pixels on the cells touch";
    EXPECT_EQ(views_.view_y[front], 60);

    EXPECT_EQ(views_.layout_views({0, 0}, 101, american_three_views), 102);
    EXPECT_EQ(views_.cell_height, 102);
    EXPECT_EQ(views_.cell_width, 102);
    EXPECT_NEAR(static_cast<double>(views_.view_scale), 102 * 0.0075, 1e-12);

    aspect = 1.01L;   // 100 wide would be 101: one pixel off, so square
    EXPECT_EQ(views_.layout_views({0, 0}, 100, american_three_views), 100);
    aspect = 1.03L;   // 103, made even
    EXPECT_EQ(views_.layout_views({0, 0}, 100, american_three_views), 104);
    aspect = 1.25L;
    EXPECT_EQ(views_.layout_views({0, 0}, 80, american_three_views), 100);
    EXPECT_EQ(views_.cell_height, 80);
}

TEST_F(ViewsLayout, EachModeShowsItsViewsInTheirPlaces)
{
    const Tinteger_point o{100, 50};
    views_.layout_views(o, 100, american_three_views);
    EXPECT_EQ(shown(), (std::set<int>{top, front, right_side}));
    EXPECT_TRUE(views_.american);
    EXPECT_EQ(cell(top).x, 100);
    EXPECT_EQ(cell(top).y, 50);
    EXPECT_EQ(cell(front).x, 100);
    EXPECT_EQ(cell(front).y, 150) << "the top view stands above the front view";
    EXPECT_EQ(cell(right_side).x, 200);
    EXPECT_EQ(cell(right_side).y, 150) << "the right side view beside the front view";

    views_.layout_views(o, 100, european_three_views);
    EXPECT_EQ(shown(), (std::set<int>{left_side, top, front}));
    EXPECT_FALSE(views_.american);
    EXPECT_EQ(cell(front).y, 50);
    EXPECT_EQ(cell(top).y, 150) << "the top view stands below the front view";
    EXPECT_EQ(cell(top).x, 100);
    EXPECT_EQ(cell(left_side).x, 200) << "the left side view right of the front view";
    EXPECT_EQ(cell(left_side).y, 50);

    views_.layout_views(o, 100, american_six_views);
    EXPECT_EQ(shown().size(), 6u);
    EXPECT_EQ(cell(left_side).x, 100);
    EXPECT_EQ(cell(front).x, 200);
    EXPECT_EQ(cell(right_side).x, 300);
    EXPECT_EQ(cell(rear).x, 400);
    for (const int k : {left_side, front, right_side, rear})
        EXPECT_EQ(cell(k).y, 150) << k;
    EXPECT_EQ(cell(top).x, 200);
    EXPECT_EQ(cell(top).y, 50);
    EXPECT_EQ(cell(bottom).x, 200);
    EXPECT_EQ(cell(bottom).y, 250);

    views_.layout_views(o, 100, european_six_views);
    EXPECT_EQ(shown().size(), 6u);
    EXPECT_EQ(cell(right_side).x, 100);
    EXPECT_EQ(cell(left_side).x, 300);
    EXPECT_EQ(cell(rear).x, 400);
    EXPECT_EQ(cell(top).y, 250) << "top and bottom swap places";
    EXPECT_EQ(cell(bottom).y, 50);
}

TEST_F(ViewsLayout, TheSymbolStandsInAFreeCell)
{
    views_.layout_views({100, 50}, 100, american_six_views);
    EXPECT_EQ(views_.symbol_x, 300 + 10);
    EXPECT_EQ(views_.symbol_y, 250 + 20);
    views_.layout_views({100, 50}, 100, american_three_views);
    EXPECT_EQ(views_.symbol_x, 200 + 3 + 10);
    EXPECT_EQ(views_.symbol_y, 150 - 20 - 30) << "its foot 20 pixels above the side view";
    views_.layout_views({100, 50}, 100, european_three_views);
    EXPECT_EQ(views_.symbol_x, 200 + 3 + 10);
    EXPECT_EQ(views_.symbol_y, 150 + 10 + 10);
    views_.layout_views({100, 50}, 57, european_six_views);
    EXPECT_EQ(views_.symbol_x, 100 + 151 + 5) << "X[1] two spaced cells on, plus a tenth of a cell";
    EXPECT_EQ(views_.symbol_y, 50 + 151 + 11);
}

TEST_F(ViewsLayout, ANewLayoutTakesTheLabelsOffAndViewsOutsideTheSixAreLeftAlone)
{
    views_.labels_shown = true;
    views_.layout_views({0, 0}, 80, american_three_views);
    EXPECT_FALSE(views_.labels_shown);
    EXPECT_EQ(views_.cell_centre(front).x, 40);
    EXPECT_EQ(views_.cell_centre(front).y, 120);
    EXPECT_EQ(views_.cell_centre(6).x, 0);
    EXPECT_FALSE(is_view(-1));
    EXPECT_FALSE(is_view(6));
    EXPECT_TRUE(is_view(0));
    EXPECT_TRUE(is_view(5));
}

TEST(WorkbenchLayout, PlacesTheViewsLeftOfTheFrameOrEitherAloneInTheMiddle)
{
    const Tworkbench_layout both3 = workbench_layout(800, 600, true, true, false);
    EXPECT_EQ(both3.frame_height, 300);
    EXPECT_EQ(both3.cell_height, 160);
    EXPECT_EQ(both3.views_origin.x, (800 - 352 - 300) / 2);
    EXPECT_EQ(both3.views_origin.y, 140);
    EXPECT_EQ(both3.frame_origin.x, 74 + 352);
    EXPECT_EQ(both3.frame_origin.y, 150);

    const Tworkbench_layout both6 = workbench_layout(800, 600, true, true, true);
    EXPECT_EQ(both6.frame_height, 240);
    EXPECT_EQ(both6.cell_height, 108);
    EXPECT_EQ(both6.views_origin.x, (800 - 464 - 240) / 2) << "4.3 cells, 464.4 rounded";
    EXPECT_EQ(both6.views_origin.y, (600 - 324) / 2);
    EXPECT_EQ(both6.frame_origin.x, 48 + 454) << "4.2 cells, 453.6 rounded";

    const Tworkbench_layout oblique = workbench_layout(800, 600, true, false, false);
    EXPECT_EQ(oblique.frame_height, 510);
    EXPECT_EQ(oblique.frame_origin.x, 290 * 9 / 20);
    EXPECT_EQ(oblique.frame_origin.y, 45);
    EXPECT_EQ(oblique.cell_height, 0);

    const Tworkbench_layout normal6 = workbench_layout(600, 600, false, true, true);
    EXPECT_EQ(normal6.cell_height, 116) << "0.29 of 400";
    EXPECT_EQ(normal6.views_origin.x, (600 - 464) / 2);
    EXPECT_EQ(normal6.views_origin.y, (600 - 348) * 8 / 20);
    EXPECT_EQ(normal6.frame_height, 0);

    const Tworkbench_layout normal3 = workbench_layout(900, 500, false, true, false);
    EXPECT_EQ(normal3.cell_height, 215);
    EXPECT_EQ(normal3.views_origin.x, (900 - 430) / 2);
    EXPECT_EQ(normal3.views_origin.y, (500 - 430) / 2);

    const Tworkbench_layout none = workbench_layout(800, 600, false, false, true);
    EXPECT_EQ(none.frame_height, 0);
    EXPECT_EQ(none.cell_height, 0);
}

#include "geometry/model/screen_metrics.h"
#include "platform/core/line_walk.h"
#include "platform/widgets/canvas_widget.h"
#include "tests/support/widget_app.h"
#include "tutor/windows/ExerciseControls.h"
#include "tutor/windows/Regions.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace geometry::drawing;

using namespace geometry::model;
using namespace tutor::windows;

using platform::pixel_point;

namespace {

const platform::colour_ref red = platform::rgb(255, 0, 0);

int walked(pixel_point from, pixel_point to)
{
    int points = 0;
    platform::walk_line(from, to, [&](int, int) { ++points; });
    return points;
}

bool shows_picture(platform::canvas_widget& window, const Tresource_bitmap* picture, int left, int top)
{
    for (int y = 0; y < picture->picture.height; ++y)
        for (int x = 0; x < picture->picture.width; ++x)
            if (window.canvas().pixel(left + x, top + y) != picture->picture.at(x, y))
                return false;
    return true;
}

} // namespace

class RegionsTest : public testing::Test {
protected:
    void SetUp() override
    {
        window.resize(400, 300);
        window.show();
        // A picture in which neighbouring pixels differ, so a pixel put back wrong shows.
        window.paint = [](platform::Canvas& canvas) {
            for (int y = 0; y < 300; ++y)
                for (int x = 0; x < 400; ++x)
                    canvas.set_pixel(x, y, platform::rgb(x * 7 % 251, y * 5 % 241, (x + 3 * y) % 239));
        };
        window.repaint_picture();
        picture = window.canvas().image().copy();
        regions.setup_regions(1, true);
    }
    // A region with a band from the anchor, in red.
    Tregion& band_region(int k, platform::pixel_rect rectangle, pixel_point anchor)
    {
        Tregion& r = regions.region(k);
        r.rectangle = rectangle;
        r.band_on = true;
        r.colour = red;
        r.anchor = anchor;
        return r;
    }
    bool is_red(int x, int y) { return window.canvas().pixel(x, y) == red; }
    // Pixels that differ from the picture before any feedback.
    int changed_pixels()
    {
        int changed = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                changed += window.canvas().image().pixel(x, y) != picture.pixel(x, y);
        return changed;
    }

    QApplication& application = test_support::widget_app();   // before any widget
    platform::canvas_widget window;
    Tregions regions{window};
    QImage picture;
};

TEST_F(RegionsTest, AnAnchorOutsideTheRegionStartsTheBandOnTheEdgeTheLineCrosses)
{
    Tregion& r = band_region(1, {100, 100, 200, 200}, {0, 0});
    // Steep from above, flat from the left, steep from below; the start truncated toward the anchor.
    const std::array<pixel_point, 3> cases[] = {{pixel_point{150, 20}, {160, 150}, {157, 100}},
                                                {pixel_point{20, 150}, {150, 160}, {100, 157}},
                                                {pixel_point{170, 290}, {150, 150}, {157, 200}}};
    for (const auto& [anchor, mouse, start] : cases) {
        r.anchor = anchor;
        regions.track_mouse(mouse, false);
        EXPECT_EQ(changed_pixels(), walked(start, mouse)) << anchor.x << "," << anchor.y;
    }
    r.anchor = {95, 105};   // steep and beside the region: only its pixels inside are drawn
    regions.track_mouse({110, 190}, false);
    EXPECT_LT(changed_pixels(), walked({95, 105}, {110, 190}));
}

// A band is taken back when the mouse moves into another region, on erasing,
// by new regions and when the mouse leaves; a dashed band shows its pattern.
TEST_F(RegionsTest, ABandIsTakenBackWhenTheMouseLeavesOrMovesIntoAnotherRegionOrOnErasing)
{
    regions.setup_regions(5, true);
    EXPECT_THROW(regions.region(4), std::out_of_range);
    Tregion& left = band_region(1, {10, 10, 190, 290}, {20, 20});
    Tregion& right = band_region(2, {210, 10, 390, 290}, {380, 20});
    regions.track_mouse({100, 100}, false);
    regions.track_mouse({300, 100}, false);
    EXPECT_EQ(regions.mouse_region(), 2);
    EXPECT_FALSE(left.band_shown() || left.holds_saved_pixels());
    EXPECT_EQ(changed_pixels(), walked({380, 20}, {300, 100}));
    right.erase_region_feedback();
    EXPECT_EQ(changed_pixels(), 0);
    right.band_on = true;
    regions.track_mouse({320, 150}, false);
    regions.setup_regions(1, true);
    EXPECT_EQ(changed_pixels(), 0);   // new regions take back what the old ones showed
    Tregion& r = band_region(1, {50, 50, 250, 200}, {100, 100});
    regions.set_band_style(dashed_band_style);
    regions.track_mouse({120, 100}, false);
    for (int k = 1; k <= 20; ++k)
        EXPECT_EQ(is_red(100 + k - 1, 100), k >= 8 && k <= 15) << "pixel " << k;
    regions.track_mouse({350, 250}, false);
    EXPECT_EQ(changed_pixels(), 0);
    EXPECT_FALSE(r.holds_saved_pixels());   // the store is given up when the mouse leaves
}

TEST_F(RegionsTest, ABandAndARectangleDrawnOverItAreTakenBackExactly)
{
    Tregion& r = band_region(1, {20, 20, 380, 280}, {30, 150});
    r.rectangle_on = true;
    r.rectangle_mode = feedback_rectangle_mode::box;
    r.box = {10, 12, 6, 8};
    regions.track_mouse({200, 150}, false);
    EXPECT_TRUE(is_red(190, 150) && is_red(212, 158));
    for (const pixel_point p : {pixel_point{205, 152}, pixel_point{210, 149}, pixel_point{150, 60}})
        regions.track_mouse(p, false);
    regions.track_mouse({395, 295}, false);
    EXPECT_EQ(changed_pixels(), 0);   // no band pixel is put back by the rectangle's strips
    EXPECT_FALSE(r.holds_strips());
}

TEST_F(RegionsTest, FeedbackRectanglesFollowTheirModeAndStayInsideTheWindow)
{
    Tregion& r = regions.region(1);
    r.rectangle = {0, 0, 399, 299};
    r.rectangle_on = true;
    r.colour = red;
    r.rectangle_mode = feedback_rectangle_mode::box;
    r.box = {50, 50, 50, 50};
    regions.track_mouse({10, 290}, false);
    EXPECT_TRUE(is_red(1, 298) && !is_red(0, 299));   // one pixel inside the client area
    r.rectangle_mode = feedback_rectangle_mode::spanned;
    r.corner = {300, 20};
    r.dotted = true;
    regions.track_mouse({100, 120}, false);
    EXPECT_TRUE(is_red(100, 20) && !is_red(101, 20));
    r.rectangle_mode = feedback_rectangle_mode::computed;
    r.dotted = false;
    r.compute_rectangle = [](pixel_point m) { return platform::pixel_rect{m.x - 500, m.y - 3, m.x + 2, m.y + 3000}; };
    regions.track_mouse({200, 100}, false);
    EXPECT_TRUE(is_red(202, 299) && is_red(0, 97));   // what lies on the window's edge is drawn
    r.rectangle_mode = feedback_rectangle_mode::circle;
    r.centre = {200, 150};
    regions.track_mouse({230, 150}, false);
    EXPECT_EQ(r.feedback_rectangle().top, 150 - static_cast<int>(std::nearbyint(30 * aspect)));
    r.rectangle_on = false;
    regions.track_mouse({230, 151}, false);
    EXPECT_EQ(changed_pixels(), 0);
}

TEST_F(RegionsTest, CursorsChangeWhenTheMouseEntersAndLeavesAndStayNormalWhileLocked)
{
    band_region(1, {50, 50, 250, 200}, {60, 60});
    regions.set_normal_cursor(QCursor(Qt::PointingHandCursor));
    regions.track_mouse({100, 100}, false);
    EXPECT_EQ(regions.current_cursor(), region_cursor::construction);
    EXPECT_EQ(window.cursor().hotSpot(), QPoint(15, 15));   // the program's own cursor
    regions.track_mouse({110, 100}, true);
    EXPECT_EQ(window.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(changed_pixels(), 0);   // nothing is drawn while locked
    regions.track_mouse({300, 250}, false);
    regions.set_cursor_kind(2);
    EXPECT_EQ(regions.current_cursor(), region_cursor::normal);   // outside, only the inside cursor changes
    regions.track_mouse({100, 100}, false);
    EXPECT_EQ(regions.current_cursor(), region_cursor::rubout);
    EXPECT_EQ(changed_pixels(), 0);   // in rubout mode no band is drawn
    regions.set_cursor_kind(construction_cursor_kind);
    EXPECT_EQ(regions.current_cursor(), region_cursor::construction);
}

TEST_F(RegionsTest, ABandNeverChangesMoreThanItsStoreHolds)
{
    window.resize(2500, 12);
    window.repaint_picture();
    picture = window.canvas().image().copy();
    regions.setup_regions(1, true);
    band_region(1, {0, 0, 2450, 10}, {0, 5});
    regions.track_mouse({2400, 5}, false);
    EXPECT_EQ(window.canvas().pixel(1998, 5), red);
    EXPECT_NE(window.canvas().pixel(1999, 5), red);   // pixel 2000 is beyond the store
    regions.track_mouse({2490, 5}, false);
    EXPECT_EQ(changed_pixels(), 0);
}

TEST(ExerciseControls, ClicksSwitchTheToolsAndRedrawTheirButtons)
{
    test_support::widget_app();
    platform::canvas_widget window;
    window.resize(400, 300);
    TExerciseControls controls{window};
    controls.set_available_tools(solid_line_tool | dashed_line_tool | rubout_tool, solid_line_tool);
    controls.place_tools(100, 50);
    controls.draw_tools();
    EXPECT_TRUE(shows_picture(window, controls.tool_of(4).normal_picture, 136, 122));   // alone in its row
    EXPECT_FALSE(controls.tool_at({135, 122}));   // beside the lone tool in the middle of its row
    EXPECT_TRUE(controls.tool_at({136, 122}));
    EXPECT_EQ(controls.current_tool(), rubout_tool);
    EXPECT_TRUE(controls.tool_at({171, 121}));   // the last pixel of a button is its own
    EXPECT_EQ(controls.current_tool(), solid_line_tool);
    controls.select_tool(surface_tool);
    EXPECT_EQ(controls.current_tool(), solid_line_tool);   // not available
    controls.select_tool(dashed_line_tool);
    EXPECT_EQ(controls.current_tool(), dashed_line_tool);
    controls.set_available_tools(solid_line_tool, surface_tool);
    EXPECT_EQ(controls.current_tool(), 0);
}

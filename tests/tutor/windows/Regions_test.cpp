#include "platform/widgets/canvas_widget.h"
#include "platform/core/line_walk.h"
#include "platform/gui/resource_cursor.h"
#include "tests/support/widget_app.h"
#include "geometry/model/screen_metrics.h"
#include "tutor/windows/Regions.h"

#include <QImage>

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

using namespace geometry::model;
using namespace tutor::windows;

using platform::pixel_point;
using platform::rgb;

namespace {

const platform::colour_ref red = rgb(255, 0, 0);

// A picture in which neighbouring pixels differ, so a pixel put back wrong shows.
void busy_picture(platform::Canvas& canvas)
{
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 400; ++x)
            canvas.set_pixel(x, y, rgb(x * 7 % 251, y * 5 % 241, (x + 3 * y) % 239));
}

std::vector<pixel_point> walked(pixel_point from, pixel_point to)
{
    std::vector<pixel_point> points;
    platform::walk_line(from, to, [&](int x, int y) { points.push_back({x, y}); });
    return points;
}

} // namespace

class RegionsTest : public testing::Test {
protected:
    void SetUp() override
    {
        window.resize(400, 300);
        window.show();
        window.paint = busy_picture;
        window.repaint_picture();
        moves = 0;
        window.mouse_moved = [this](QMouseEvent&) { ++moves; };
        picture = window.canvas().image().copy();
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
    platform::colour_ref at(int x, int y) { return window.canvas().pixel(x, y); }
    platform::colour_ref original(int x, int y)
    {
        const QRgb c = picture.pixel(x, y);
        return rgb(qRed(c), qGreen(c), qBlue(c));
    }
    // Pixels that differ from the picture before any feedback.
    int changed_pixels()
    {
        int changed = 0;
        const QImage& now = window.canvas().image();
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                changed += now.pixel(x, y) != picture.pixel(x, y);
        return changed;
    }

    QApplication& application = test_support::widget_app();   // before any widget
    platform::canvas_widget window;
    Tregions regions{window};
    QImage picture;
    int moves = 0;
};

TEST_F(RegionsTest, ASolidBandRunsFromTheAnchorAndIsTakenBackPixelForPixel)
{
    regions.setup_regions(1, true);
    Tregion& r = band_region(1, {50, 50, 250, 200}, {60, 60});
    regions.track_mouse({160, 110}, false);
    const auto first = walked({60, 60}, {160, 110});
    for (const pixel_point p : first)
        ASSERT_EQ(at(p.x, p.y), red) << p.x << "," << p.y;
    EXPECT_EQ(changed_pixels(), static_cast<int>(first.size()));
    EXPECT_EQ(r.saved_capacity(), 200 + 150 + 2);
    EXPECT_EQ(r.last_end().x, 160);

    regions.track_mouse({240, 70}, false);
    EXPECT_EQ(changed_pixels(), static_cast<int>(walked({60, 60}, {240, 70}).size()))
        << "the band at the old position is gone";
    EXPECT_EQ(at(150, 105), original(150, 105));

    regions.track_mouse({350, 250}, false);
    EXPECT_EQ(changed_pixels(), 0);
    EXPECT_FALSE(r.band_shown());
    EXPECT_FALSE(r.holds_saved_pixels()) << "the store is given up when the mouse leaves";
}

TEST_F(RegionsTest, ADashedBandOfTwentyPixelsDrawsPixelsEightToFifteen)
{
    regions.setup_regions(1, true);
    band_region(1, {50, 50, 250, 200}, {100, 100});
    regions.set_band_style(dashed_band_style);
    regions.track_mouse({120, 100}, false);
    for (int k = 1; k <= 20; ++k)
        EXPECT_EQ(at(100 + k - 1, 100) == red, k >= 8 && k <= 15) << "pixel " << k;
    EXPECT_EQ(changed_pixels(), 8);
    regions.set_band_style(1);
    regions.track_mouse({121, 100}, false);
    EXPECT_EQ(changed_pixels(), 21) << "solid again";
}

TEST_F(RegionsTest, AnAnchorOutsideTheRegionStartsTheBandOnTheEdgeTheLineCrosses)
{
    regions.setup_regions(1, true);
    Tregion& r = band_region(1, {100, 100, 200, 200}, {0, 0});
    // Steep from above, flat from the left, steep from below; the start truncated toward the anchor.
    const std::array<pixel_point, 3> cases[] = {{pixel_point{150, 20}, {160, 150}, {157, 100}},
                                                {pixel_point{20, 150}, {150, 160}, {100, 157}},
                                                {pixel_point{170, 290}, {150, 150}, {157, 200}}};
    for (const auto& [anchor, mouse, start] : cases) {
        r.anchor = anchor;
        regions.track_mouse(mouse, false);
        EXPECT_EQ(at(start.x, start.y), red) << anchor.x << "," << anchor.y;
        EXPECT_EQ(changed_pixels(), static_cast<int>(walked(start, mouse).size())) << anchor.x << "," << anchor.y;
    }
    // A steep line whose anchor lies beside the region is not moved: only its pixels inside are drawn.
    r.anchor = {95, 105};
    regions.track_mouse({110, 190}, false);
    int inside = 0;
    for (const pixel_point p : walked({95, 105}, {110, 190}))
        inside += p.x >= 100;
    ASSERT_LT(inside, 85);
    EXPECT_EQ(changed_pixels(), inside);
    regions.track_mouse({300, 10}, false);
    EXPECT_EQ(changed_pixels(), 0);
}

TEST_F(RegionsTest, MovingIntoAnotherRegionOrErasingTakesBackTheBand)
{
    regions.setup_regions(5, true);
    EXPECT_EQ(regions.count(), 3);
    EXPECT_THROW(regions.region(4), std::out_of_range);
    Tregion& left = band_region(1, {10, 10, 190, 290}, {20, 20});
    Tregion& right = band_region(2, {210, 10, 390, 290}, {380, 20});
    EXPECT_EQ(regions.region_at({190, 290}), 1) << "edges included";
    regions.track_mouse({100, 100}, false);
    EXPECT_EQ(regions.mouse_region(), 1);
    EXPECT_TRUE(left.holds_saved_pixels());
    regions.track_mouse({300, 100}, false);
    EXPECT_EQ(regions.mouse_region(), 2);
    EXPECT_FALSE(left.band_shown() || left.holds_saved_pixels());
    EXPECT_EQ(changed_pixels(), static_cast<int>(walked({380, 20}, {300, 100}).size()));
    regions.track_mouse({200, 100}, false);   // between them
    EXPECT_EQ(regions.mouse_region(), 0);
    EXPECT_EQ(changed_pixels(), 0);

    regions.track_mouse({300, 150}, false);
    right.erase_region_feedback();
    EXPECT_EQ(changed_pixels(), 0);
    EXPECT_FALSE(right.band_on || right.holds_saved_pixels());
    regions.track_mouse({310, 150}, false);
    EXPECT_EQ(changed_pixels(), 0) << "switched off";
    right.band_on = true;
    regions.track_mouse({320, 150}, false);
    regions.setup_regions(1, true);
    EXPECT_EQ(changed_pixels(), 0) << "new regions take back what the old ones showed";
}

TEST_F(RegionsTest, ABandAndARectangleDrawnOverItAreTakenBackExactly)
{
    regions.setup_regions(1, true);
    Tregion& r = band_region(1, {20, 20, 380, 280}, {30, 150});
    r.rectangle_on = true;
    r.rectangle_mode = feedback_rectangle_mode::box;
    r.box = {10, 12, 6, 8};
    regions.track_mouse({200, 150}, false);
    EXPECT_EQ(r.feedback_rectangle().left, 190);
    EXPECT_EQ(r.feedback_rectangle().top, 144);
    EXPECT_EQ(r.feedback_rectangle().right, 212);
    EXPECT_EQ(r.feedback_rectangle().bottom, 158);
    EXPECT_EQ(at(190, 150), red) << "the rectangle's left edge crosses the band";
    EXPECT_EQ(at(212, 158), red);
    EXPECT_EQ(at(201, 150), original(201, 150)) << "the band ends before the mouse point";

    for (const pixel_point p : {pixel_point{205, 152}, pixel_point{210, 149}, pixel_point{150, 60}})
        regions.track_mouse(p, false);
    EXPECT_TRUE(r.holds_strips());
    regions.track_mouse({395, 295}, false);
    EXPECT_EQ(changed_pixels(), 0) << "no band pixel is put back by the rectangle's strips";
    EXPECT_FALSE(r.holds_strips());
    EXPECT_FALSE(r.rectangle_shown());
}

TEST_F(RegionsTest, FeedbackRectanglesFollowTheirModeAndStayInsideTheWindow)
{
    regions.setup_regions(1, true);
    Tregion& r = regions.region(1);
    r.rectangle = {0, 0, 399, 299};
    r.rectangle_on = true;
    r.colour = red;

    r.rectangle_mode = feedback_rectangle_mode::box;
    r.box = {50, 50, 50, 50};
    regions.track_mouse({10, 290}, false);
    EXPECT_EQ(r.feedback_rectangle().left, 1);
    EXPECT_EQ(r.feedback_rectangle().bottom, 298) << "one pixel inside the client area";
    EXPECT_EQ(at(1, 298), red);
    EXPECT_EQ(at(0, 299), original(0, 299));

    r.rectangle_mode = feedback_rectangle_mode::spanned;
    r.corner = {300, 20};
    r.dotted = true;
    regions.track_mouse({100, 120}, false);
    EXPECT_EQ(r.feedback_rectangle().left, 100);
    EXPECT_EQ(r.feedback_rectangle().top, 20);
    EXPECT_EQ(r.feedback_rectangle().right, 300);
    EXPECT_EQ(at(100, 20), red);
    EXPECT_EQ(at(101, 20), original(101, 20)) << "dotted";

    r.rectangle_mode = feedback_rectangle_mode::computed;
    r.dotted = false;
    r.compute_rectangle = [](pixel_point m) { return platform::pixel_rect{m.x - 500, m.y - 3, m.x + 2, m.y + 3000}; };
    regions.track_mouse({200, 100}, false);
    EXPECT_EQ(at(202, 97), red);
    EXPECT_EQ(at(202, 299), red);
    EXPECT_EQ(at(0, 97), red) << "edges beyond the window are not drawn, what lies on it is";

    r.rectangle_mode = feedback_rectangle_mode::circle;
    r.centre = {200, 150};
    regions.track_mouse({230, 150}, false);
    EXPECT_EQ(r.feedback_rectangle().left, 170);
    EXPECT_EQ(r.feedback_rectangle().right, 230);
    EXPECT_EQ(r.feedback_rectangle().top, 150 - static_cast<int>(std::nearbyint(30 * aspect)));

    r.rectangle_on = false;
    regions.track_mouse({230, 151}, false);
    EXPECT_EQ(changed_pixels(), 0);
}

TEST_F(RegionsTest, CursorsChangeWhenTheMouseEntersAndLeavesAndStayNormalWhileLocked)
{
    regions.setup_regions(1, true);
    band_region(1, {50, 50, 250, 200}, {60, 60});
    regions.set_normal_cursor(QCursor(Qt::PointingHandCursor));
    EXPECT_EQ(regions.current_cursor(), region_cursor::normal);

    regions.track_mouse({10, 10}, false);
    EXPECT_EQ(regions.current_cursor(), region_cursor::normal);
    regions.track_mouse({100, 100}, false);
    EXPECT_EQ(regions.current_cursor(), region_cursor::construction);
    EXPECT_EQ(window.cursor().shape(), Qt::BitmapCursor) << "the program's own cursor";
    EXPECT_EQ(window.cursor().hotSpot(), QPoint(15, 15));
    EXPECT_FALSE(platform::load_resource_cursor("NO_SUCH_CURSOR"));
    QApplication::processEvents();
    EXPECT_EQ(moves, 1) << "the window sees a fresh mouse move";

    regions.track_mouse({110, 100}, true);
    EXPECT_EQ(regions.current_cursor(), region_cursor::normal);
    EXPECT_EQ(window.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(changed_pixels(), 0) << "nothing is drawn while locked";

    regions.track_mouse({300, 250}, false);
    regions.set_cursor_kind(2);
    EXPECT_EQ(regions.current_cursor(), region_cursor::normal) << "outside, only the inside cursor changes";
    regions.track_mouse({100, 100}, false);
    EXPECT_EQ(regions.current_cursor(), region_cursor::rubout);
    EXPECT_EQ(window.cursor().hotSpot(), QPoint(2, 29));
    EXPECT_EQ(changed_pixels(), 0) << "in rubout mode no band is drawn";
    regions.set_cursor_kind(construction_cursor_kind);
    EXPECT_EQ(regions.current_cursor(), region_cursor::construction) << "set at once, the mouse being inside";
    regions.track_mouse({120, 100}, false);
    EXPECT_GT(changed_pixels(), 0);

    Tregions disabled(window);
    disabled.setup_regions(1, false);
    disabled.region(1).rectangle = {0, 0, 100, 100};
    disabled.track_mouse({5, 5}, false);
    disabled.set_cursor_kind(2);
    EXPECT_EQ(disabled.current_cursor(), region_cursor::none);
    EXPECT_EQ(disabled.inside_cursor(), region_cursor::construction);
}

TEST(RegionsCapacity, ABandNeverChangesMoreThanItsStoreHolds)
{
    test_support::widget_app();
    platform::canvas_widget window;
    window.resize(2500, 12);
    window.paint = [](platform::Canvas& c) {
        for (int x = 0; x < 2500; ++x)
            c.set_pixel(x, 5, rgb(x % 200, 10, 20));
    };
    window.repaint_picture();
    const QImage picture = window.canvas().image().copy();
    Tregions regions(window);
    regions.setup_regions(1, true);
    Tregion& r = regions.region(1);
    r.rectangle = {0, 0, 2450, 10};
    r.band_on = true;
    r.colour = red;
    r.anchor = {0, 5};
    regions.track_mouse({2400, 5}, false);
    EXPECT_EQ(r.saved_capacity(), saved_pixel_capacity);
    EXPECT_EQ(window.canvas().pixel(1998, 5), red);
    EXPECT_NE(window.canvas().pixel(1999, 5), red) << "pixel 2000 is beyond the store";
    regions.track_mouse({2490, 5}, false);
    EXPECT_EQ(window.canvas().image(), picture);
}

#include "geometry/model/palette.h"
#include "geometry/drawing/picture_drawing.h"
#include "tests/geometry/views_fixture.h"

#include <cstdlib>

using namespace foundation;
using namespace geometry::model;
using namespace geometry::drawing;

using platform::image_canvas;
using namespace test_support;

namespace {

constexpr platform::colour_ref dot_teal = platform::rgb(0, 128, 128);

// The colour of the cube's face that each view looks at: left fuchsia,
// top yellow, front aqua, bottom silver, right lime, rear gray.
constexpr std::array<int, view_count> face_seen{13, 14, 11, 7, 10, 8};

class ViewsDrawing : public views_fixture {
protected:
    // Where view k's label is written: 60 pixels wide, a text line high.
    platform::pixel_rect label_box(int k)
    {
        const int x = views.view_x[k] + 5;
        const int y = views.view_y[k] + views.cell_height * 17 / 20 - 1;
        return {x, y, x + 60, y + canvas.text_height("Ay")};
    }
    bool shares_a_shown_cell(int k) const
    {
        for (int j = 0; j < view_count; ++j)
            if (views.view_shown[j] && views.view_x[j] == views.view_x[k] && views.view_y[j] == views.view_y[k])
                return true;
        return false;
    }
    platform::colour_ref at_centre(int k) const { return canvas.pixel(views.cell_centre(k).x, views.cell_centre(k).y); }
    int teal() const { return count_in(canvas, whole(), dot_teal); }
};

} // namespace

TEST_F(ViewsDrawing, TheViewsOfACubeLandInTheirCellsWithTheirLabelsAndTheSymbol)
{
    for (const int mode : {american_three_views, american_six_views, european_three_views, european_six_views}) {
        fill(background);
        views.layout_views({20, 20}, 100, mode);
        views.draw_views(canvas, false, true, true, true, true, false, cube);
        for (int k = 0; k < view_count; ++k) {
            SCOPED_TRACE(testing::Message() << "mode " << mode << " view " << k);
            const platform::pixel_rect corner{views.view_x[k] + 60, views.view_y[k] + 2, views.view_x[k] + 98,
                                              views.view_y[k] + 30};
            if (views.view_shown[k]) {
                EXPECT_EQ(at_centre(k), palette[face_seen[k]]);
                EXPECT_GT(count_in(canvas, label_box(k), platform::black), 10);
                EXPECT_EQ(colours_in(canvas, corner), std::set{background});
            } else if (!shares_a_shown_cell(k) && views.cell_centre(k).x >= 0) {
                EXPECT_EQ(colours_in(canvas, cell(k)), std::set{background});
            }
        }
        const platform::bitmap& symbol = views.american ? american_symbol.picture : european_symbol.picture;
        EXPECT_EQ(canvas.read_area(views.symbol_x, views.symbol_y, symbol.width, symbol.height).pixels, symbol.pixels);
    }
    fill(background);
    views.draw_views(canvas, false, false, false, false, true, false, cube);
    EXPECT_EQ(count_in(canvas, label_box(2), platform::black) + count_in(canvas, {views.symbol_x, views.symbol_y,
                                                                                 views.symbol_x + 64, views.symbol_y + 30},
                                                                        platform::black),
              0) << "no labels, no symbol";
    EXPECT_EQ(at_centre(2), background) << "no colours: faces in the window colour";
}

TEST_F(ViewsDrawing, ClearingAViewErasesItAndItsLabelButNothingBeside)
{
    fill(red);
    views.layout_views({20, 20}, 100, american_three_views);
    for (const int k : {1, 2, 4})
        views.clear_view(canvas, k);
    views.draw_views(canvas, false, true, false, true, true, false, cube);
    views.draw_view(canvas, true, false, true, true, 2, false, false, cube);   // the front view again, not turned
    EXPECT_EQ(count_in(canvas, label_box(2), platform::black), 0);
    EXPECT_GT(count_in(canvas, label_box(1), platform::black), 10);
    EXPECT_EQ(at_centre(2), palette[11]);
    EXPECT_EQ(canvas.pixel(views.view_x[2] - 1, views.cell_centre(2).y), red) << "left of the cell";
    EXPECT_EQ(canvas.pixel(views.view_x[2] + 50, views.view_y[2] + 99), background);
    EXPECT_EQ(canvas.pixel(views.view_x[2] + 50, views.view_y[2] + 100), red) << "the cell's bottom is excluded";
    // View 1's cell shows the cube from the front when not turned, from the top when turned.
    views.draw_view(canvas, true, false, true, true, 1, false, false, cube);
    EXPECT_EQ(at_centre(1), palette[11]);
    views.draw_view(canvas, true, false, true, true, 1, false, true, cube);
    EXPECT_EQ(at_centre(1), palette[14]);
}

TEST_F(ViewsDrawing, TheDotGridIsTwelvePixelsAcrossAndAsFarAsItLooksDown)
{
    views.layout_views({20, 20}, 100, american_three_views);
    views.draw_grid(canvas, 2);
    EXPECT_EQ(teal(), 8 * 8);
    EXPECT_EQ(canvas.pixel(20 + 9, 120 + 11), dot_teal);
    fill(background);
    aspect = 1.25L;   // rows 10 pixels apart
    views.layout_views({20, 20}, 100, american_three_views);
    views.draw_grid(canvas, 4);
    views.draw_grid(canvas, 6);   // no such view
    EXPECT_EQ(teal(), (views.cell_width / 12) * 10);
    EXPECT_EQ(canvas.pixel(views.view_x[4] + 9, views.view_y[4] + 19), dot_teal);
}

TEST_F(ViewsDrawing, TheSymbolIsAndedOntoThePictureAndErasedAsARectangle)
{
    const platform::colour_ref yellow = palette[14];
    fill(yellow);
    views.draw_symbol(canvas, false, false, {10, 20}, true);
    const platform::bitmap& american = american_symbol.picture;
    for (int y = 0; y < american.height; ++y)
        for (int x = 0; x < american.width; ++x)
            ASSERT_EQ(canvas.pixel(10 + x, 20 + y), american.at(x, y) == platform::black ? platform::black : yellow);
    views.draw_symbol(canvas, false, true, {10, 20}, false);
    EXPECT_EQ(count_in(canvas, {10, 20, 10 + 63, 20 + 29}, background), 63 * 29) << "the American symbol's last column stays";
    EXPECT_EQ(canvas.pixel(10, 20 + 29), yellow);
    fill(background);
    views.layout_views({0, 0}, 100, european_three_views);
    views.draw_symbol(canvas, true, false, {300, 300}, true);
    const platform::bitmap& european = european_symbol.picture;
    EXPECT_EQ(canvas.read_area(views.symbol_x, views.symbol_y, european.width, european.height).pixels, european.pixels);
}

// The front view's cell is 100..200 x 200..300; the points (150, 240) and
// (170, 260); each line in its place, the first one's dots counted.
TEST_F(ViewsDrawing, HelpLinesAreDottedTealInTheCellUpToTheirPoint)
{
    const struct { int direction; bool to_point; platform::pixel_rect first, second; int dots; } cases[] = {
        {help_line_from_left, false, {100, 240, 200, 241}, {100, 260, 200, 261}, 25},   // every fourth pixel
        {help_line_from_left, true, {100, 240, 150, 241}, {100, 260, 170, 261}, 12},
        {help_line_to_right, true, {150, 240, 200, 241}, {170, 260, 200, 261}, 0},     // 0: not counted
        {help_line_from_top, true, {150, 200, 151, 240}, {170, 200, 171, 260}, 10},
        {help_line_to_bottom, false, {150, 200, 151, 300}, {170, 200, 171, 300}, 25},
    };
    views.layout_views({100, 100}, 100, american_three_views);
    Thelp_points points;
    points.count = 2;
    points.points[1] = {150, 240};
    points.points[2] = {170, 260};
    for (const auto& c : cases) {
        fill(background);
        views.draw_help_lines(canvas, points, c.direction, c.to_point, 2);
        const int first = count_in(canvas, c.first, dot_teal);
        EXPECT_EQ(teal(), first + count_in(canvas, c.second, dot_teal)) << c.direction << " " << c.to_point;
        EXPECT_TRUE(c.dots ? first == c.dots : first > 10) << c.direction << " " << c.to_point << ": " << first;
    }
    fill(background);
    points.count = 99;   // more than the list holds: only its 25 places are read, 3 to 25 hold (0, 0)
    views.draw_help_lines(canvas, points, help_line_to_bottom, false, 2);
    EXPECT_EQ(teal(), 75);
}

TEST_F(ViewsDrawing, TheIsometricTurnShowsTheSideTheConventionPutsBesideTheFrontView)
{
    views.set_oblique_frame({40, 40}, 300);
    for (const bool european : {false, true}) {
        set_projection_convention(european);
        views.draw_oblique(canvas, true, cube, false, true, false, false, false, true, true, false);
        const std::set<platform::colour_ref> seen = colours_in(canvas, frame());
        EXPECT_TRUE(seen.count(palette[11]) && seen.count(palette[14])) << "front and top";
        EXPECT_EQ(seen.count(palette[13]), european ? 1u : 0u) << "left side";
        EXPECT_EQ(seen.count(palette[10]), european ? 0u : 1u) << "right side";
    }
    views.draw_oblique(canvas, true, cube, false, true, false, false, false, false, true, false);
    EXPECT_EQ(colours_in(canvas, frame()), (std::set{background, platform::black, palette[11]})) << "square on";
}

TEST_F(ViewsDrawing, ThePictureInTheFrameIsTurnedCentredAndDrawnThreePixelsWide)
{
    views.set_oblique_frame({40, 40}, 300);
    const Tpicture picture = views.picture_in_frame(cube);
    ASSERT_EQ(picture.surface_count, 3);
    long long sum_x = 0, sum_y = 0;
    for (int v = 1; v <= picture.vertex_count; ++v) {
        sum_x += picture.points[v].x;
        sum_y += picture.points[v].y;
    }
    EXPECT_NEAR(sum_x / 8.0, views.frame_centre().x, 1.0);
    EXPECT_NEAR(sum_y / 8.0, views.frame_centre().y, 1.0);
    fill(red);
    views.draw_picture_in_frame(canvas, true, picture, false, true, false);
    EXPECT_EQ(canvas.pixel(40 - 2, 40 - 2), background);
    EXPECT_EQ(canvas.pixel(340 + 1, 340 + 1), background);
    EXPECT_EQ(canvas.pixel(40 - 3, 100), red);
    EXPECT_EQ(canvas.pixel(100, 340 + 2), red);
    image_canvas thin(640, 480);
    draw_picture(thin, picture, 1, false, true, true, false);
    EXPECT_GT(count_in(canvas, frame(), platform::black), 2 * count_in(thin, frame(), platform::black));
}

TEST_F(ViewsDrawing, TheMarkedEdgeIsProjectedInTheViewsCellAsTheSolidStands)
{
    views.layout_views({20, 20}, 100, american_three_views);
    cube.edge_marked = true;
    for (int e = 1; e <= cube.edge_count; ++e) {
        const Tpoint3d& a = cube.vertices[cube.edges[e].from_vertex];
        const Tpoint3d& b = cube.vertices[cube.edges[e].to_vertex];
        cube.marked_edge = static_cast<std::uint8_t>(e);
        if (a.x == b.x && a.y == b.y) {   // seen end-on from the front, half a unit at 0.75 x 200 / 5.4 pixels
            const auto ends = views.marked_edge_in_view(cube, 2);
            EXPECT_TRUE(points_equal(ends[0], ends[1]));
            EXPECT_EQ(std::abs(ends[0].x - views.cell_centre(2).x), 14);
            EXPECT_EQ(std::abs(ends[0].y - views.cell_centre(2).y), 14);
        } else if (a.y == b.y && a.z == b.z) {   // across the right side's view
            const auto ends = views.marked_edge_in_view(cube, 4);
            EXPECT_EQ(std::abs(ends[0].x - ends[1].x), 28);
            EXPECT_EQ(ends[0].y, ends[1].y);
            EXPECT_NEAR((ends[0].x + ends[1].x) / 2.0, views.cell_centre(4).x, 1.0);
        }
    }
}

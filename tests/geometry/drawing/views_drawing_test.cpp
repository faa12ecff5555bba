#include "geometry/model/hidden_lines.h"
#include "geometry/model/palette.h"
#include "platform/core/message_box.h"
#include "tests/geometry/views_fixture.h"

using namespace foundation;
using namespace geometry::model;
using namespace geometry::drawing;

using namespace test_support;

namespace {

constexpr platform::colour_ref dot_teal = platform::rgb(0, 128, 128), cross_blue = platform::rgb(0, 0, 255);

using ViewsDrawing = views_fixture;

} // namespace

// The colour of the cube's face that each view looks at: left fuchsia,
// top yellow, front aqua, bottom silver, right lime, rear gray.
TEST_F(ViewsDrawing, TheViewsOfACubeLandInTheirCellsWithTheSymbol)
{
    constexpr std::array<int, view_count> face_seen{13, 14, 11, 7, 10, 8};
    for (const int mode : {american_three_views, american_six_views, european_three_views, european_six_views}) {
        fill(background);
        views.layout_views({20, 20}, 100, mode);
        views.draw_views(canvas, false, true, true, true, true, false, cube);
        for (int k = 0; k < view_count; ++k)
            if (views.view_shown[k]) {
                EXPECT_EQ(canvas.pixel(views.cell_centre(k).x, views.cell_centre(k).y), palette[face_seen[k]]) << mode << " " << k;
            }
        const platform::bitmap& symbol = views.american ? american_symbol.picture : european_symbol.picture;
        EXPECT_EQ(canvas.read_area(views.symbol_x, views.symbol_y, symbol.width, symbol.height).pixels, symbol.pixels);
    }
}

// A list of help points holds 25 places: a count beyond them reads no further.
TEST_F(ViewsDrawing, HelpLinesAreDottedTealUpToTheirPointsAndTheListsEnd)
{
    views.layout_views({100, 100}, 100, american_three_views);   // the front view's cell: 100..200 x 200..300
    Thelp_points points;
    points.count = 2;
    points.points[1] = {150, 240};
    points.points[2] = {170, 260};
    views.draw_help_lines(canvas, points, help_line_from_left, true, 2);
    EXPECT_EQ(count_of(dot_teal, {100, 240, 150, 241}), 12);   // every fourth pixel
    EXPECT_EQ(count_of(dot_teal), 12 + count_of(dot_teal, {100, 260, 170, 261}));
    fill(background);
    points.count = 99;
    views.draw_help_lines(canvas, points, help_line_to_bottom, false, 2);
    EXPECT_EQ(count_of(dot_teal), 75);
}

TEST_F(ViewsDrawing, TheIsometricTurnShowsTheSideTheConventionPutsBesideTheFrontView)
{
    views.set_oblique_frame({40, 40}, 300);
    for (const bool european : {false, true}) {
        set_projection_convention(european);
        views.draw_oblique(canvas, true, cube, false, true, false, false, false, true, true, false);
        EXPECT_TRUE(count_of(palette[11], frame()) && count_of(palette[14], frame()));   // front and top
        EXPECT_EQ(count_of(palette[13], frame()) > 0, european);                         // left side
        EXPECT_EQ(count_of(palette[10], frame()) > 0, !european);                        // right side
    }
}

TEST_F(ViewsDrawing, AMarkedEdgeSeenEndOnGetsTheBlueCrossOnlyInHiddenLineMode)
{
    cube.edge_marked = true;
    for (int e = 1; e <= cube.edge_count; ++e)
        if (cube.vertices[cube.edges[e].from_vertex].x == cube.vertices[cube.edges[e].to_vertex].x &&
            cube.vertices[cube.edges[e].from_vertex].y == cube.vertices[cube.edges[e].to_vertex].y)
            cube.marked_edge = static_cast<std::uint8_t>(e);   // along z: end-on from the front
    views.layout_views({20, 20}, 100, american_three_views);
    views.draw_view(canvas, false, false, true, true, 2, false, true, cube);
    EXPECT_EQ(count_of(cross_blue), 0);
    views.draw_view(canvas, true, false, true, true, 2, true, true, cube);
    const Tinteger_point end = views.marked_edge_in_view(cube, 2)[0];
    EXPECT_EQ(count_of(cross_blue), count_of(cross_blue, {end.x - 4, end.y - 4, end.x + 5, end.y + 5}));
    EXPECT_EQ(canvas.pixel(end.x + 2, end.y), cross_blue);
}

TEST_F(ViewsDrawing, TheObliqueCutIsMadeOnACopyAndAPlaneMissingTheSolidSaysNothing)
{
    views.set_oblique_frame({20, 20}, 400);
    views.draw_oblique(canvas, false, cube, false, true, true, false, true, true, true, false);
    const QImage whole = canvas.image();
    const int whole_cube = count_of(platform::black, frame());
    views.draw_oblique(canvas, true, cube, false, true, true, false, true, true, true, true);
    EXPECT_TRUE(count_of(platform::black, frame()) < whole_cube && count_of(platform::black, frame()) > whole_cube / 2);
    views.draw_oblique(canvas, true, cube, false, true, false, false, false, true, true, true);
    EXPECT_GT(count_of(navy, frame()), 100);   // the section is hatched
    views.draw_oblique(canvas, true, cube, false, true, true, false, true, true, true, false);
    EXPECT_EQ(canvas.image(), whole);
    for (int v = 1; v <= cube.vertex_count; ++v)
        cube.vertices[v].z -= 1;
    platform::scripted_responder responder;
    views.draw_oblique(canvas, true, cube, false, true, false, false, false, true, true, true);
    const QImage cut = canvas.image();
    views.draw_oblique(canvas, true, cube, false, true, false, false, false, true, true, false);
    EXPECT_TRUE(canvas.image() == cut && responder.count() == 0);
}

// Lines in their colour, arrows black; only the frame is cleared first.
TEST_F(ViewsDrawing, KeptPicturesAndDrawingsAreRedrawnInTheFrame)
{
    const platform::colour_ref red = platform::rgb(255, 0, 0);
    views.set_oblique_frame({20, 20}, 300);
    fill(red);
    views.draw_picture_in_frame(canvas, true, views.picture_in_frame(cube), false, true, false);
    EXPECT_TRUE(count_of(palette[11], frame()) > 0 && canvas.pixel(views.frame_left - 3, 100) == red);
    Tscreen_drawing drawing;
    compute_hidden_line_drawing(cube, 30, -40, 0, drawing, true, false, views.frame_centre().y, views.frame_centre().x,
                                views.frame_scale);
    views.draw_drawing_in_frame(canvas, true, palette[2], drawing);
    EXPECT_EQ(colours_in(canvas, frame()).size(), 3u);
    EXPECT_TRUE(count_of(palette[2], frame()) > 0 && count_of(platform::black, frame()) > 0);
    fill(background);
    views.draw_arrows_in_frame(canvas, drawing);
    EXPECT_EQ(colours_in(canvas, frame()).size(), 2u);
}

#include "geometry/model/hidden_lines.h"
#include "geometry/model/palette.h"
#include "platform/core/message_box.h"
#include "tests/geometry/views_fixture.h"

using namespace foundation;
using namespace geometry::model;

using platform::image_canvas;
using namespace test_support;

namespace {

constexpr platform::colour_ref cross_blue = platform::rgb(0, 0, 255);
constexpr platform::colour_ref dot_teal = platform::rgb(0, 128, 128);

class ViewsHiddenLines : public views_fixture {
protected:
    // The number of the cube's edge that runs along z (seen end-on from the front).
    int edge_along_z() const
    {
        for (int e = 1; e <= cube.edge_count; ++e) {
            const Tpoint3d& a = cube.vertices[cube.edges[e].from_vertex];
            const Tpoint3d& b = cube.vertices[cube.edges[e].to_vertex];
            if (a.x == b.x && a.y == b.y)
                return e;
        }
        return 0;
    }
};

} // namespace

TEST_F(ViewsHiddenLines, TheViewsOfACubeAreBlackSquaresInTheirCells)
{
    views.layout_views({20, 20}, 100, american_six_views);
    views.draw_views(canvas, false, true, false, true, true, true, cube);
    for (int k = 0; k < view_count; ++k) {
        const Tinteger_point c = views.cell_centre(k);
        for (const Tinteger_point side : {Tinteger_point{c.x - 14, c.y}, Tinteger_point{c.x + 14, c.y},
                                          Tinteger_point{c.x, c.y - 14}, Tinteger_point{c.x, c.y + 14}})
            EXPECT_EQ(canvas.pixel(side.x, side.y), platform::black) << "view " << k;
        EXPECT_EQ(canvas.pixel(c.x, c.y), background) << "no surfaces, colours or not";
        const platform::pixel_rect inside{c.x - 13, c.y - 13, c.x + 14, c.y + 14};
        EXPECT_EQ(colours_in(canvas, inside), std::set{background}) << "square on, nothing hidden shows: view " << k;
    }
    EXPECT_EQ(colours_in(canvas, whole()), (std::set{background, platform::black}));
}

TEST_F(ViewsHiddenLines, AMarkedEdgeSeenEndOnGetsTheBlueCrossOnlyInHiddenLineMode)
{
    cube.edge_marked = true;
    cube.marked_edge = static_cast<std::uint8_t>(edge_along_z());
    ASSERT_NE(cube.marked_edge, 0);
    views.layout_views({20, 20}, 100, american_three_views);

    views.draw_view(canvas, false, false, true, true, 2, false, true, cube);
    EXPECT_EQ(count_in(canvas, whole(), cross_blue), 0) << "filled picture: no cross";

    views.draw_view(canvas, true, false, true, true, 2, true, true, cube);
    const std::array<Tinteger_point, 2> ends = views.marked_edge_in_view(cube, 2);   // the front view does not turn
    ASSERT_TRUE(points_equal(ends[0], ends[1]));
    const Tinteger_point end = ends[0];
    for (const Tinteger_point arm : {Tinteger_point{end.x - 2, end.y}, Tinteger_point{end.x + 2, end.y},
                                     Tinteger_point{end.x, end.y - 2}, Tinteger_point{end.x, end.y + 2}})
        EXPECT_EQ(canvas.pixel(arm.x, arm.y), cross_blue);
    EXPECT_EQ(count_in(canvas, whole(), cross_blue),
              count_in(canvas, {end.x - 4, end.y - 4, end.x + 5, end.y + 5}, cross_blue))
        << "the cross and nothing else is blue";

    // From the top the marked edge is seen along its length: a blue line, no cross.
    views.draw_view(canvas, true, false, true, true, 1, true, true, cube);
    const Tinteger_point top = views.cell_centre(1);
    EXPECT_GT(count_in(canvas, {top.x - 20, top.y - 20, top.x + 20, top.y + 20}, cross_blue), 20);
}

TEST_F(ViewsHiddenLines, TheObliqueLineDrawingIsBlackAndTheCutIsMadeOnACopy)
{
    views.set_oblique_frame({20, 20}, 400);
    views.draw_oblique(canvas, false, cube, false, true, true, false, true, true, true, false);
    const QImage whole_drawing = canvas.image();
    EXPECT_EQ(colours_in(canvas, whole()), (std::set{background, platform::black}));
    const int whole_cube = count_in(canvas, frame(), platform::black);

    views.draw_oblique(canvas, true, cube, false, true, true, false, true, true, true, true);
    const int half_cube = count_in(canvas, frame(), platform::black);
    EXPECT_LT(half_cube, whole_cube) << "the front half is sawn off";
    EXPECT_GT(half_cube, whole_cube / 2);
    views.draw_oblique(canvas, true, cube, false, true, true, false, true, true, true, false);
    EXPECT_EQ(canvas.image(), whole_drawing) << "the cube itself is whole";

    views.draw_oblique(canvas, true, cube, false, true, false, false, false, true, true, true);
    EXPECT_GT(count_in(canvas, frame(), navy), 100) << "the section is hatched";
    views.draw_oblique(canvas, true, cube, false, true, false, false, false, true, true, false);
    EXPECT_EQ(count_in(canvas, frame(), navy), 0);
}

TEST_F(ViewsHiddenLines, APlaneThatMissesTheSolidLeavesItWholeWithoutAMessage)
{
    // A solid whose every vertex lies behind the plane: nothing to cut, no message.
    Tsolid behind = cube;
    for (int v = 1; v <= behind.vertex_count; ++v)
        behind.vertices[v].z -= 1;
    views.set_oblique_frame({20, 20}, 400);
    platform::scripted_responder responder;
    views.draw_oblique(canvas, false, behind, false, true, false, false, false, true, true, true);
    image_canvas uncut(640, 480);
    views.draw_oblique(uncut, false, behind, false, true, false, false, false, true, true, false);
    EXPECT_EQ(canvas.image(), uncut.image());
    EXPECT_EQ(responder.count(), 0u);
}

TEST_F(ViewsHiddenLines, KeptDrawingsAreRedrawnInTheFrameAndTheCellsInTheirColour)
{
    views.set_oblique_frame({20, 20}, 300);
    views.layout_views({400, 20}, 100, american_three_views);
    Tscreen_drawing oblique;
    const Tinteger_point fc = views.frame_centre();
    compute_hidden_line_drawing(cube, 30, -40, 0, oblique, true, false, fc.y, fc.x, views.frame_scale);

    canvas.set_pen({red, 1, platform::pen_style::solid});
    canvas.set_brush({platform::brush_style::solid, red});
    canvas.rectangle(0, 0, 640, 480);
    views.draw_drawing_in_frame(canvas, true, palette[2], oblique);
    EXPECT_EQ(colours_in(canvas, frame()), (std::set{background, palette[2], platform::black}))
        << "lines in green, arrows in black";
    EXPECT_EQ(canvas.pixel(views.frame_left - 3, fc.y), red) << "only the frame is cleared";

    image_canvas arrows_only(640, 480);
    views.draw_arrows_in_frame(arrows_only, oblique);
    EXPECT_EQ(colours_in(arrows_only, whole()), (std::set{background, platform::black}));
    EXPECT_GT(count_in(arrows_only, whole(), platform::black), 50);

    Tscreen_drawing front;
    const Tinteger_point vc = views.cell_centre(2);
    compute_hidden_line_drawing(cube, 0, 0, 0, front, true, false, vc.y, vc.x, views.view_scale);
    views.draw_drawing_in_view(canvas, true, true, palette[4], 2, front);
    const platform::pixel_rect cell{views.view_x[2], views.view_y[2], views.view_x[2] + views.cell_width,
                                    views.view_y[2] + views.cell_height};
    EXPECT_EQ(colours_in(canvas, cell), (std::set{background, dot_teal, palette[4]})) << "grid and lines, no arrows";
    EXPECT_EQ(canvas.pixel(vc.x - 14, vc.y), palette[4]);
    EXPECT_EQ(canvas.pixel(views.view_x[2] - 1, vc.y), red);
}

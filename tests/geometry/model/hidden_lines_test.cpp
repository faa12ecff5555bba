#include "geometry/model/hidden_lines.h"
#include "geometry/model/kernel.h"
#include "platform/core/message_box.h"
#include "tests/geometry/object_bytes.h"
#include "tests/geometry/prisms.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace geometry::model;

using test_objects::add_box;
using test_objects::add_prism;
using test_objects::finished;

namespace {

Tline_drawing drawing_of(const Tsolid& solid)
{
    platform::scripted_responder responder;
    Tline_drawing drawing;
    compute_line_drawing(solid, 0, 0, 0, drawing, true, false);
    EXPECT_EQ(responder.count(), 0u);
    return drawing;
}

bool has_line(const Tdrawing_lines& list, long double x1, long double y1, long double x2, long double y2)
{
    const auto near = [](long double a, long double b) { return std::fabs(a - b) < 1e-9L; };
    for (int i = 1; i <= list.count; ++i) {
        const Tdrawing_line& l = list.lines[i];
        if ((near(l.x1, x1) && near(l.y1, y1) && near(l.x2, x2) && near(l.y2, y2)) ||
            (near(l.x1, x2) && near(l.y1, y2) && near(l.x2, x1) && near(l.y2, y1)))
            return true;
    }
    return false;
}

int edge_between(const Tsolid& solid, const Tpoint3d& a, const Tpoint3d& b)
{
    const auto same = [](const Tpoint3d& p, const Tpoint3d& q) { return p.x == q.x && p.y == q.y && p.z == q.z; };
    for (int e = 1; e <= solid.edge_count; ++e) {
        const Tpoint3d& p = solid.vertices[solid.edges[e].from_vertex];
        const Tpoint3d& q = solid.vertices[solid.edges[e].to_vertex];
        if ((same(p, a) && same(q, b)) || (same(p, b) && same(q, a)))
            return e;
    }
    return 0;
}

int highlighted(const Tdrawing_lines& list)
{
    int n = 0;
    for (int i = 1; i <= list.count; ++i)
        n += list.lines[i].highlighted ? 1 : 0;
    return n;
}

Tedge_visibility record_of(std::initializer_list<Tbreakpoint> breakpoints)
{
    Tedge_visibility record;
    for (const Tbreakpoint& b : breakpoints)
        record.breakpoints[++record.count] = b;
    return record;
}

} // namespace

// Square on, the back square and the edges seen end-on lie on the front
// square's outline: not drawn, not dashed; a marked one is drawn whole.
TEST(HiddenLines, ACubeSquareOnShowsItsFrontSquareAndOnlyAMarkedEdgeBehindIt)
{
    Tsolid cube = test_objects::solid_of(test_objects::cube());
    Tline_drawing drawing = drawing_of(cube);
    EXPECT_EQ(drawing.visible.count, 4);
    EXPECT_EQ(drawing.hidden.count, 0);
    EXPECT_TRUE(has_line(drawing.visible, -0.5L, 0.5L, -0.5L, -0.5L));

    const int back = edge_between(cube, {-0.5L, -0.5L, -0.5L}, {0.5L, -0.5L, -0.5L});
    const int front = edge_between(cube, {-0.5L, -0.5L, 0.5L}, {0.5L, -0.5L, 0.5L});
    cube.edge_marked = true;
    cube.marked_edge = static_cast<std::uint8_t>(back);
    drawing = drawing_of(cube);
    EXPECT_TRUE(has_line(drawing.hidden, -0.5L, -0.5L, 0.5L, -0.5L) && highlighted(drawing.hidden) == 1);
    EXPECT_EQ(drawing.visible.count, 4) << "never merged into the front square";
    cube.marked_edge = static_cast<std::uint8_t>(front);
    drawing = drawing_of(cube);
    EXPECT_EQ(drawing.hidden.count, 0);
    EXPECT_EQ(highlighted(drawing.visible), 1);
    cube.edge_marked = false;   // the switch, not the number, decides
    EXPECT_EQ(highlighted(drawing_of(cube).visible), 0);
}

TEST(HiddenLines, AVertexThatOnlyTouchesAnEdgeLineLeavesTheEdgeVisible)
{
    Tsolid solid;
    add_box(solid, -0.5L, 0.5L, -0.5L, 0.5L, -0.5L, 0.5L);
    // A plate in front whose lowest corner touches the line of the box's top edge.
    add_prism(solid, {{-0.2L, 0.9L}, {0, 0.5L}, {0.2L, 0.9L}}, 0.6L, 0.8L);
    const Tline_drawing drawing = drawing_of(finished(solid));
    EXPECT_TRUE(has_line(drawing.visible, -0.5L, 0.5L, 0.5L, 0.5L));
    EXPECT_EQ(drawing.visible.count, 7);
    EXPECT_EQ(drawing.hidden.count, 0);
}

TEST(HiddenLines, AnEdgeBehindTwoOverlappingSurfacesGetsOneHiddenStretch)
{
    Tsolid solid;
    add_box(solid, -1, 1, -0.1L, 0.1L, -0.5L, -0.3L);
    add_box(solid, -0.6L, 0.1L, -0.5L, 0.5L, 0.1L, 0.2L);
    add_box(solid, -0.1L, 0.5L, -0.4L, 0.6L, 0.3L, 0.4L);
    const Tline_drawing drawing = drawing_of(finished(solid));
    EXPECT_TRUE(has_line(drawing.hidden, -0.6L, 0.1L, 0.5L, 0.1L));
    EXPECT_TRUE(has_line(drawing.visible, -1, 0.1L, -0.6L, 0.1L));
}

TEST(HiddenLines, AStretchCountsOnlyWhenItsEdgeSquaredTimesItsParameterLengthPassesOneHundredth)
{
    Tsolid solid;   // two edges of length 1, along x and along y
    solid.vertex_count = 3;
    solid.vertices[2] = {1, 0, 0};
    solid.vertices[3] = {0, 1, 0};
    solid.edge_count = 2;
    solid.edges[1] = {1, 2};
    solid.edges[2] = {1, 3};
    Tedge_visibilities records{};
    records[1] = record_of({{0, visible_level}, {0.01L, hidden_level}, {1, not_drawn_level}});
    records[2] = record_of({{0, visible_level}, {0.0101L, hidden_level}, {0.5L, not_drawn_level}});
    Tline_drawing drawing;
    build_drawing_lines(solid, records, drawing, true);
    EXPECT_EQ(drawing.visible.count, 1) << "exactly 0.01 is dropped";
    EXPECT_EQ(drawing.hidden.count, 2);
    EXPECT_TRUE(has_line(drawing.visible, 0, 0, 0, 0.0101L));
}

TEST(HiddenLines, TheFiftyFirstLineOfAListIsDroppedWithAMessageEachTime)
{
    Tsolid star;   // 26 edges from the origin, each along its own direction
    star.vertex_count = star.edge_count = 26;
    for (int e = 1; e <= 26; ++e) {
        star.vertices[e + 1] = {std::cos(e * 0.1L), std::sin(e * 0.1L), 0};
        star.edges[e] = {1, static_cast<std::uint8_t>(e + 1)};
    }
    for (const int wanted : {50, 52}) {
        Tedge_visibilities records{};
        for (int e = 1; e <= 26; ++e)
            records[e] = e <= wanted - 26 ? record_of({{0, 0}, {0.3L, 1}, {0.6L, 0}, {1, 2}})
                                             : record_of({{0, 0}, {0.3L, 1}, {1, 2}});
        platform::scripted_responder responder;
        Tline_drawing drawing;
        build_drawing_lines(star, records, drawing, true);
        EXPECT_EQ(drawing.visible.count, 50);
        EXPECT_EQ(responder.count(), static_cast<std::size_t>(wanted - 50)) << wanted;
        EXPECT_EQ(responder.count() ? responder.last().text : "", wanted > 50 ? "Too many lines in drawing!" : "");
    }
}

TEST(HiddenLines, ASolidWithoutEdgesStillCarriesItsViewArrowsToTheScreen)
{
    Tsolid solid;
    solid.view_arrows = {Tpoint3d{0, 0, 2.3L}, Tpoint3d{0, 2.3L, 0}};
    Tscreen_drawing screen;
    screen.visible.count = 7;
    compute_hidden_line_drawing(solid, 90, 0, 0, screen, true, false, 120, 200, 2);
    EXPECT_EQ(screen.visible.count + screen.hidden.count, 0);
    const Tarrow_mark first = project_view_arrow({0, -2.3L, 0}, 200, 120, 2);   // turned with the solid
    EXPECT_EQ((std::vector{screen.arrow_marks[0].tail_x, screen.arrow_marks[0].tail_y, screen.arrow_marks[0].head_y}),
              (std::vector{first.tail_x, first.tail_y, first.head_y}));
}

TEST(HiddenLines, AnEdgeWithMoreStretchesThanItsRecordHoldsIsReportedOnceAndDrawnAsFarAsItFits)
{
    // A row of eleven triangles in front of a long edge, each hiding a piece of it.
    Tsolid solid;
    const int triangles = 11;
    for (int k = 0; k <= triangles; ++k)
        solid.vertices[++solid.vertex_count] = {2.0L * k, -1, 0};
    for (int k = 0; k < triangles; ++k) {
        solid.vertices[++solid.vertex_count] = {2.0L * k + 1, 1, 0};
        const int s = ++solid.surface_count;
        solid.surface_vertices[s] = {0, static_cast<std::uint8_t>(k + 1), static_cast<std::uint8_t>(k + 2),
                                     static_cast<std::uint8_t>(solid.vertex_count), static_cast<std::uint8_t>(k + 1)};
        solid.surface_length[s] = 4;
    }
    find_edges(solid, 0);
    solid.vertices[++solid.vertex_count] = {-1, 0, -1};
    solid.vertices[++solid.vertex_count] = {2.0L * triangles + 1, 0, -1};
    solid.edges[++solid.edge_count] = {static_cast<std::uint8_t>(solid.vertex_count - 1),
                                       static_cast<std::uint8_t>(solid.vertex_count)};

    platform::scripted_responder responder;
    Tline_drawing drawing;
    compute_line_drawing(solid, 0, 0, 0, drawing, true, false);
    ASSERT_EQ(responder.count(), 1u);
    EXPECT_EQ(responder.last().text, "Too many crossings on an edge in drawing!");
    int hidden_on_the_edge = 0;
    for (int i = 1; i <= drawing.hidden.count; ++i)
        hidden_on_the_edge += drawing.hidden.lines[i].y1 == 0 && drawing.hidden.lines[i].y2 == 0 ? 1 : 0;
    EXPECT_GE(hidden_on_the_edge, 8);
    EXPECT_LT(hidden_on_the_edge, triangles);
}

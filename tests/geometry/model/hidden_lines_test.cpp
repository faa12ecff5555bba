#include "geometry/model/hidden_lines.h"
#include "geometry/model/kernel.h"
#include "platform/core/message_box.h"
#include "tests/geometry/prisms.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace foundation;
using namespace geometry::model;

using namespace test_objects;

namespace {

// The drawing seen from the front, made without a message.
Tline_drawing drawing_of(const Tsolid& solid)
{
    platform::scripted_responder responder;
    Tline_drawing drawing;
    compute_line_drawing(solid, 0, 0, 0, drawing, true, false);
    EXPECT_EQ(responder.count(), 0u);
    return drawing;
}

// Whether the list has the line, either way round.
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

} // namespace

TEST(HiddenLines, AVertexThatOnlyTouchesAnEdgeLineLeavesTheEdgeVisible)
{
    Tsolid solid;
    add_box(solid, -0.5L, 0.5L, -0.5L, 0.5L, -0.5L, 0.5L);
    add_prism(solid, {{-0.2L, 0.9L}, {0, 0.5L}, {0.2L, 0.9L}}, 0.6L, 0.8L);   // a corner on the box's top edge
    const Tline_drawing drawing = drawing_of(finished(solid));
    EXPECT_TRUE(has_line(drawing.visible, -0.5L, 0.5L, 0.5L, 0.5L));
    EXPECT_TRUE(drawing.visible.count == 7 && drawing.hidden.count == 0);
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
        for (int e = 1; e <= 26; ++e) {   // visible, hidden, and visible again on the first ones
            const bool again = e <= wanted - 26;
            records[e].breakpoints = {Tbreakpoint{}, {0, 0}, {0.3L, 1}, again ? Tbreakpoint{0.6L, 0} : Tbreakpoint{1, 2}, {1, 2}};
            records[e].count = again ? 4 : 3;
        }
        platform::scripted_responder responder;
        Tline_drawing drawing;
        build_drawing_lines(star, records, drawing, true);
        EXPECT_EQ(drawing.visible.count, 50);
        EXPECT_EQ(responder.count(), static_cast<std::size_t>(wanted - 50));
        EXPECT_EQ(responder.count() ? responder.last().text : "", wanted > 50 ? "Too many lines in drawing!" : "");
    }
}

TEST(HiddenLines, AnEdgeWithMoreStretchesThanItsRecordHoldsIsReportedOnceAndDrawnAsFarAsItFits)
{
    // A row of eleven triangles in front of a long edge, each hiding a piece of it.
    Tsolid solid;
    for (int k = 0; k <= 11; ++k)
        solid.vertices[++solid.vertex_count] = {2.0L * k, -1, 0};
    for (int k = 0; k < 11; ++k) {
        solid.vertices[++solid.vertex_count] = {2.0L * k + 1, 1, 0};
        solid.surface_vertices[++solid.surface_count] = {0, static_cast<std::uint8_t>(k + 1), static_cast<std::uint8_t>(k + 2),
                                                         static_cast<std::uint8_t>(solid.vertex_count), static_cast<std::uint8_t>(k + 1)};
        solid.surface_length[solid.surface_count] = 4;
    }
    find_edges(solid, 0);
    solid.vertices[++solid.vertex_count] = {-1, 0, -1};
    solid.vertices[++solid.vertex_count] = {23, 0, -1};
    solid.edges[++solid.edge_count] = {static_cast<std::uint8_t>(solid.vertex_count - 1), static_cast<std::uint8_t>(solid.vertex_count)};
    platform::scripted_responder responder;
    Tline_drawing drawing;
    compute_line_drawing(solid, 0, 0, 0, drawing, true, false);
    EXPECT_EQ(responder.count() == 1 ? responder.last().text : "", "Too many crossings on an edge in drawing!");
    int hidden_on_the_edge = 0;
    for (int i = 1; i <= drawing.hidden.count; ++i)
        hidden_on_the_edge += drawing.hidden.lines[i].y1 == 0 && drawing.hidden.lines[i].y2 == 0 ? 1 : 0;
    EXPECT_TRUE(hidden_on_the_edge >= 8 && hidden_on_the_edge < 11) << hidden_on_the_edge;
}

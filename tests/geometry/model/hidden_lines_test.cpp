#include "geometry/model/hidden_lines.h"
#include "geometry/model/kernel.h"
#include "platform/core/message_box.h"
#include "tests/geometry/prisms.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace foundation;
using namespace geometry::model;

using test_objects::add_surface;

TEST(HiddenLines, TheFiftyFirstLineOfAListIsDroppedWithAMessageEachTime)
{
    Tsolid star;   // 26 edges from the origin (vertex 1), each along its own direction
    star.vertex_count = 27;
    star.edge_count = 26;
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
    test_support::use_shipped_texts();
    // A row of eleven triangles in front of a long edge, each hiding a piece of it.
    Tsolid solid;
    for (int k = 0; k <= 11; ++k)
        solid.vertices[++solid.vertex_count] = {2.0L * k, -1, 0};
    for (int k = 0; k < 11; ++k) {
        solid.vertices[++solid.vertex_count] = {2.0L * k + 1, 1, 0};
        add_surface(solid, {k + 1, k + 2, solid.vertex_count}, 0);
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

#include "geometry/model/cut_steps.h"
#include "foundation/plane_geometry.h"
#include "geometry/model/cutting.h"
#include "geometry/model/kernel.h"
#include "platform/core/message_box.h"
#include "tests/geometry/object_bytes.h"
#include "tests/geometry/prisms.h"
#include "tests/geometry/ray_visibility.h"
#include "geometry/object_sources/solid_check.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using test_objects::add_box;
using test_objects::add_prism;
using test_objects::finished;

namespace {

struct cut_result {
    bool success = false;
    std::int32_t sections = -1;
    bool bridged = false;
    std::vector<std::string> boxes;
};

cut_result cut(Tsolid& solid)
{
    platform::scripted_responder responder;
    cut_result r;
    cut_solid(solid, r.success, r.sections, r.bridged);
    for (const auto& box : responder.boxes()) {
        EXPECT_EQ(box.flags, platform::MB_ICONINFORMATION);
        r.boxes.push_back(box.text);
    }
    return r;
}

bool same_solid(const Tsolid& a, const Tsolid& b)
{
    if (a.vertex_count != b.vertex_count || a.surface_count != b.surface_count || a.edge_count != b.edge_count)
        return false;
    for (int v = 1; v <= a.vertex_count; ++v)
        if (a.vertices[v].x != b.vertices[v].x || a.vertices[v].y != b.vertices[v].y || a.vertices[v].z != b.vertices[v].z)
            return false;
    for (int s = 1; s <= a.surface_count; ++s)
        if (a.surface_length[s] != b.surface_length[s] || a.surface_vertices[s] != b.surface_vertices[s] ||
            a.surface_colour[s] != b.surface_colour[s] || a.surface_sorted[s] != b.surface_sorted[s])
            return false;
    for (int e = 1; e <= a.edge_count; ++e)
        if (a.edges[e].from_vertex != b.edges[e].from_vertex || a.edges[e].to_vertex != b.edges[e].to_vertex)
            return false;
    return true;
}

// The section surfaces are the last `sections` surfaces.
long double section_area(const Tsolid& solid, int sections)
{
    long double twice = 0;
    for (int s = solid.surface_count - sections + 1; s <= solid.surface_count; ++s)
        twice += ray_check::outline_area2(solid, s);
    return twice / 2;
}

int surfaces_coloured(const Tsolid& solid, int colour)
{
    int n = 0;
    for (int s = 1; s <= solid.surface_count; ++s)
        n += solid.surface_colour[s] == colour ? 1 : 0;
    return n;
}

// A pyramid over a regular n-gon at z = -0.5 with its apex at z = 0.5.
Tsolid pyramid(int n)
{
    Tsolid solid;
    for (int i = 0; i < n; ++i)
        solid.vertices[++solid.vertex_count] = {std::cos(i * 2 * pi / n), std::sin(i * 2 * pi / n), -0.5L};
    solid.vertices[++solid.vertex_count] = {0, 0, 0.5L};
    const int apex = n + 1;
    solid.surface_count = n + 1;
    for (int i = 1; i <= n; ++i) {
        solid.surface_vertices[1][i] = static_cast<std::uint8_t>(n + 1 - i);   // the base faces down
        solid.surface_vertices[i + 1] = {0, static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i % n + 1),
                                         static_cast<std::uint8_t>(apex), static_cast<std::uint8_t>(i)};
        solid.surface_length[i + 1] = 4;
    }
    solid.surface_vertices[1][n + 1] = solid.surface_vertices[1][1];
    solid.surface_length[1] = static_cast<std::uint8_t>(n + 1);
    return finished(solid);
}

} // namespace

TEST(Cutting, ACubeCutThroughItsMiddleKeepsItsLowerHalfUnderASquareSection)
{
    Tsolid solid = test_objects::solid_of(test_objects::cube());
    const long double expected_area = ray_check::cross_section_area(solid);
    const cut_result r = cut(solid);
    EXPECT_TRUE(r.success);
    EXPECT_EQ(r.sections, 1);
    EXPECT_FALSE(r.bridged);
    EXPECT_EQ(r.boxes, std::vector<std::string>{});
    EXPECT_EQ(solid.vertex_count, 8);
    EXPECT_EQ(solid.surface_count, 6);
    EXPECT_EQ(solid.edge_count, 12);
    EXPECT_EQ(surfaces_coloured(solid, 11), 0) << "the front face lay wholly in front of the plane";
    const int section = solid.surface_count;
    EXPECT_EQ(solid.surface_colour[section], cut_surface_colour);
    EXPECT_EQ(solid.surface_sorted[section], 0);
    EXPECT_EQ(solid.corner_count(section), 4);
    for (int j = 1; j <= 5; ++j)
        EXPECT_EQ(solid.corner(section, j).z, 0);
    EXPECT_NEAR(static_cast<double>(section_area(solid, 1)), 1.0, 1e-12) << "counter-clockwise seen from +z";
    EXPECT_NEAR(static_cast<double>(expected_area), 1.0, 1e-12);
    EXPECT_GT(surface_normal(solid, section).z, 0);
    for (int v = 1; v <= solid.vertex_count; ++v)
        EXPECT_LE(solid.vertices[v].z, 0);
    EXPECT_EQ(check_solid(solid, {}), std::vector<std::string>{});
}

TEST(Cutting, APlaneThatMissesTheSolidOrOnlyTouchesItChangesNothingAndSaysNothing)
{
    Tsolid below;
    add_box(below, -0.5L, 0.5L, -0.5L, 0.5L, -1.2L, -0.2L);
    Tsolid top_in_plane;   // its top faces +z in the plane: each side covered twice
    add_box(top_in_plane, -0.5L, 0.5L, -0.5L, 0.5L, -1, 0);
    Tsolid bottom_in_plane;   // its bottom faces -z in the plane and is dropped
    add_box(bottom_in_plane, -0.5L, 0.5L, -0.5L, 0.5L, 0, 1);
    Tsolid ridge;   // a roof whose ridge lies in the plane: covered by both slopes
    add_prism(ridge, {{-0.5L, -0.5L}, {0.5L, -0.5L}, {0, 0}}, -0.4L, 0.4L);
    rotate_solid(ridge, 90, 0, false, 0);
    Tsolid above;
    add_box(above, -0.5L, 0.5L, -0.5L, 0.5L, 0.2L, 1);
    for (Tsolid* solid : {&below, &top_in_plane, &bottom_in_plane, &ridge, &above}) {
        *solid = finished(*solid);
        const Tsolid before = *solid;
        const cut_result r = cut(*solid);
        EXPECT_FALSE(r.success);
        EXPECT_EQ(r.boxes, std::vector<std::string>{});
        EXPECT_TRUE(same_solid(*solid, before));
    }
}

TEST(Cutting, AFaceFacingUpInThePlaneStaysBesideTheSection)
{
    // A step: a low block whose top lies in the plane against a tall one.
    Tsolid solid;
    add_prism(solid, {{-1, -1}, {1, -1}, {1, 1}, {0, 1}, {0, 0}, {-1, 0}}, -0.3L, 0.3L, 9);
    rotate_solid(solid, 90, 0, false, 0);
    solid = finished(solid);
    ASSERT_EQ(check_solid(solid, {}), std::vector<std::string>{});
    const long double expected = ray_check::cross_section_area(solid);
    const cut_result r = cut(solid);
    ASSERT_TRUE(r.success) << testing::PrintToString(r.boxes);
    EXPECT_EQ(r.sections, 1);
    EXPECT_NEAR(static_cast<double>(section_area(solid, 1)), static_cast<double>(expected), 1e-9);
    EXPECT_NEAR(static_cast<double>(expected), 0.6, 1e-9);
    int in_plane = 0;
    for (int s = 1; s <= solid.surface_count - 1; ++s) {
        bool flat = true;
        for (int j = 1; j <= solid.corner_count(s); ++j)
            flat &= std::fabs(solid.corner(s, j).z) < 1e-9L;
        in_plane += flat ? 1 : 0;
    }
    EXPECT_EQ(in_plane, 1);
    EXPECT_EQ(check_solid(solid, {}), std::vector<std::string>{});
}

TEST(Cutting, AConcaveFaceThePlaneCrossesTwiceSplitsIntoTwoSurfacesOfItsColour)
{
    // An L standing on its corner, both arms reaching down through the plane.
    const long double c = std::sqrt(0.5L);
    test_objects::outline l;
    for (const auto& [u, v] : test_objects::outline{{0, 0}, {1, 0}, {1, 0.3L}, {0.3L, 0.3L}, {0.3L, 1}, {0, 1}})
        l.push_back({c * (v - u), 0.5L - c * (u + v)});
    Tsolid solid;
    add_prism(solid, l, -0.2L, 0.2L);
    solid.surface_colour[1] = solid.surface_colour[2] = 12;
    rotate_solid(solid, 90, 0, false, 0);
    solid = finished(solid);
    ASSERT_EQ(check_solid(solid, {}), std::vector<std::string>{});
    const long double expected = ray_check::cross_section_area(solid);
    const cut_result r = cut(solid);
    ASSERT_TRUE(r.success);
    EXPECT_EQ(r.sections, 2);
    EXPECT_EQ(surfaces_coloured(solid, 12), 4);
    EXPECT_NEAR(static_cast<double>(section_area(solid, 2)), static_cast<double>(expected), 1e-9);
    EXPECT_EQ(check_solid(solid, {}), std::vector<std::string>{});
}

TEST(Cutting, ACrossingOnAnExistingVertexOfThePlaneReusesIt)
{
    Tsolid solid;
    solid.vertex_count = 2;
    solid.vertices[2] = {0.3L, 0.2L, 0.00005L};
    bool failed = false;
    EXPECT_EQ(plane_crossing_vertex(solid, {0.3L, 0.2L, -1}, {0.3L, 0.20018L, 1}, failed), 2);
    EXPECT_EQ(solid.vertex_count, 2);
    EXPECT_EQ(plane_crossing_vertex(solid, {0.3L, 0.2L, -1}, {0.3L, 0.2004L, 1}, failed), 3);
    EXPECT_EQ(solid.vertex_count, 3);
    EXPECT_NEAR(static_cast<double>(solid.vertices[3].y), 0.2002, 1e-15);
    EXPECT_EQ(solid.vertices[3].z, 0);
    EXPECT_FALSE(failed);
}

TEST(Cutting, ACutNeedingAThirtiethVertexShowsOneBoxAndLeavesTheSolidAsItWas)
{
    Tsolid solid = pyramid(15);
    const Tsolid before = solid;
    const cut_result r = cut(solid);
    EXPECT_FALSE(r.success);
    EXPECT_EQ(r.boxes, std::vector<std::string>{"Cutting on XY-plane impossible: te veel snijpunten"});
    EXPECT_TRUE(same_solid(solid, before));

    Tsolid fourteen = pyramid(14);
    const cut_result fits = cut(fourteen);
    EXPECT_TRUE(fits.success);
    EXPECT_EQ(fourteen.vertex_count, 28);
    EXPECT_EQ(check_solid(fourteen, {}), std::vector<std::string>{});
}

TEST(Cutting, OnlyTheFirstFailureOfACutIsShown)
{
    platform::scripted_responder responder;
    bool failed = false;
    report_cut_failure("too many lines!", failed);
    report_cut_failure("too many points", failed);
    EXPECT_TRUE(failed);
    ASSERT_EQ(responder.count(), 1u);
    EXPECT_EQ(responder.last().text, "Cutting on XY-plane impossible: too many lines!");
}

TEST(Cutting, SectionLinesPointRightOrUpAndOverlapsSplitByCover)
{
    Tsolid solid;
    solid.vertex_count = 4;
    solid.vertices[1] = {0, 0, 0};
    solid.vertices[2] = {1, 0, 0};
    solid.vertices[3] = {2, 0, 0};
    solid.vertices[4] = {0.5L, 1, 0};
    bool failed = false;
    Tsection_lines lines;
    add_section_line(lines, solid, 2, 1, 1, failed);
    add_section_line(lines, solid, 4, 1, 1, failed);
    ASSERT_EQ(lines.count, 2);
    EXPECT_EQ(lines.lines[1].from_vertex, 1);
    EXPECT_EQ(lines.lines[1].angle, 0);
    EXPECT_EQ(lines.lines[2].from_vertex, 1) << "turned to point right";
    EXPECT_NEAR(static_cast<double>(lines.lines[2].angle), std::atan(2.0), 1e-15);
    add_section_line(lines, solid, 1, 1, 1, failed);
    EXPECT_EQ(lines.count, 2) << "a side from a vertex to itself is no stretch";

    // Turning left from straight up at vertex 1, the flat line comes first
    // and the slanted one last.
    EXPECT_EQ(find_connecting_line(lines, 1, pi / 2, false, failed), 1);
    EXPECT_EQ(find_connecting_line(lines, 1, pi / 2, true, failed), 2);
    EXPECT_FALSE(failed);
    platform::scripted_responder responder;
    EXPECT_EQ(find_connecting_line(lines, 3, 0, true, failed), 0);
    EXPECT_TRUE(failed);
    EXPECT_EQ(responder.last().text, "Cutting on XY-plane impossible: could not find connecting line");

    // Two surfaces covering 0..1 and 0..2 leave 1..2 covered once.
    Tcut_work work;
    Tsolid flat = solid;
    flat.surface_count = 2;
    flat.surface_vertices[1] = {0, 1, 2, 4, 1};
    flat.surface_length[1] = 4;
    flat.surface_vertices[2] = {0, 3, 1, 4, 3};
    flat.surface_length[2] = 4;
    collect_section_lines(flat, work);
    ASSERT_FALSE(work.failed);
    int between_1_and_2 = 0;
    for (int i = 1; i <= work.lines.count; ++i) {
        const Tsection_line& line = work.lines.lines[i];
        EXPECT_EQ(line.cover_count % 2, 1);
        between_1_and_2 += line.from_vertex == 2 && line.to_vertex == 3 ? 1 : 0;
        EXPECT_FALSE(line.from_vertex == 1 && line.to_vertex == 2) << "covered twice: inside the section";
    }
    EXPECT_EQ(between_1_and_2, 1);
}

TEST(Cutting, TheFortyNinthEdgeMakesCollectingEdgesFailWithoutWritingPastTheList)
{
    Tsolid solid;
    solid.vertex_count = 29;
    solid.surface_count = 3;
    for (int s = 1; s <= 3; ++s) {
        for (int i = 0; i < 19; ++i)
            solid.surface_vertices[s][i + 1] = static_cast<std::uint8_t>(i * s % 29 + 1);
        solid.surface_vertices[s][20] = solid.surface_vertices[s][1];
        solid.surface_length[s] = 20;
    }
    EXPECT_FALSE(collect_edges(solid, 0));
    EXPECT_EQ(solid.edge_count, max_edges);
    EXPECT_TRUE(collect_edges(solid, 1));
}

TEST(Cutting, AnOutlineStartsWhereItsFirstCornersGiveAFullSizedNormalOfTheRightSign)
{
    Tsolid solid;
    solid.vertex_count = 5;
    solid.vertices[1] = {1, 0, 0};
    solid.vertices[2] = {1.001L, 0.001L, 0};   // a hair from vertex 1
    solid.vertices[3] = {1, 1, 0};
    solid.vertices[4] = {0, 1, 0};
    solid.vertices[5] = {0, 0, 0};
    solid.surface_count = 1;
    solid.surface_vertices[1] = {0, 1, 2, 3, 4, 5, 1};
    solid.surface_length[1] = 6;
    bool failed = false;
    choose_outline_start(solid, {0, 0, 1}, 1, failed);
    EXPECT_FALSE(failed);
    EXPECT_GT(surface_normal(solid, 1).z, 0.5L) << "not the tiny turn at vertices 1, 2, 3";
    EXPECT_EQ(solid.surface_vertices[1][1], solid.surface_vertices[1][6]);

    // Facing the other way, no start is sound: the cut fails.
    platform::scripted_responder responder;
    choose_outline_start(solid, {0, 0, -1}, 1, failed);
    EXPECT_TRUE(failed);
    EXPECT_EQ(responder.last().text, "Cutting on XY-plane impossible: surface too small?");
}

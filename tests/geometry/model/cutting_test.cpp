#include "geometry/model/cut_steps.h"
#include "foundation/plane_geometry.h"
#include "geometry/model/cutting.h"
#include "geometry/model/kernel.h"
#include "platform/core/message_box.h"
#include "tests/geometry/prisms.h"
#include "tests/geometry/ray_visibility.h"
#include "geometry/object_sources/solid_check.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

using namespace foundation;
using namespace geometry::model;
using namespace geometry::object_sources;

using test_objects::add_box;
using test_objects::add_prism;
using test_objects::finished;

namespace {

struct cut_result {
    bool success = false;
    std::int32_t sections = -1;
    std::vector<std::string> boxes;
};

cut_result cut(Tsolid& solid)
{
    platform::scripted_responder responder;
    cut_result r;
    bool bridged = false;
    cut_solid(solid, r.success, r.sections, bridged);
    for (const auto& box : responder.boxes()) {
        EXPECT_EQ(box.flags, platform::MB_ICONINFORMATION);
        r.boxes.push_back(box.text);
    }
    return r;
}

bool same_solid(const Tsolid& a, const Tsolid& b)
{
    for (int v = 1; v <= max_vertices; ++v)
        if (a.vertices[v].x != b.vertices[v].x || a.vertices[v].y != b.vertices[v].y || a.vertices[v].z != b.vertices[v].z)
            return false;
    for (int e = 1; e <= a.edge_count; ++e)
        if (a.edges[e].from_vertex != b.edges[e].from_vertex || a.edges[e].to_vertex != b.edges[e].to_vertex)
            return false;
    return a.vertex_count == b.vertex_count && a.surface_count == b.surface_count && a.edge_count == b.edge_count &&
           a.surface_length == b.surface_length && a.surface_vertices == b.surface_vertices &&
           a.surface_colour == b.surface_colour && a.surface_sorted == b.surface_sorted;
}

// Cuts a closed solid and checks the result is closed, with `sections`
// section surfaces (the last ones) covering the cross-section.
Tsolid sound_cut(Tsolid solid, int sections)
{
    EXPECT_EQ(check_solid(solid, {}), std::vector<std::string>{});
    const long double expected = ray_check::cross_section_area(solid);
    const cut_result r = cut(solid);
    EXPECT_TRUE(r.success) << testing::PrintToString(r.boxes);
    EXPECT_EQ(r.sections, sections);
    long double twice = 0;
    for (int s = solid.surface_count - sections + 1; s <= solid.surface_count; ++s)
        twice += ray_check::outline_area2(solid, s);
    EXPECT_NEAR(static_cast<double>(twice / 2), static_cast<double>(expected), 1e-9);
    EXPECT_EQ(check_solid(solid, {}), std::vector<std::string>{});
    return solid;
}

// A pyramid over a regular n-gon at z = -0.5 with its apex at z = 0.5.
Tsolid pyramid(int n)
{
    Tsolid solid;
    for (int i = 0; i < n; ++i)
        solid.vertices[++solid.vertex_count] = {std::cos(i * 2 * pi / n), std::sin(i * 2 * pi / n), -0.5L};
    solid.vertices[++solid.vertex_count] = {0, 0, 0.5L};
    solid.surface_count = n + 1;
    for (int i = 1; i <= n; ++i) {
        solid.surface_vertices[1][i] = static_cast<std::uint8_t>(n + 1 - i);   // the base faces down
        solid.surface_vertices[i + 1] = {0, static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i % n + 1),
                                         static_cast<std::uint8_t>(n + 1), static_cast<std::uint8_t>(i)};
        solid.surface_length[i + 1] = 4;
    }
    solid.surface_vertices[1][n + 1] = solid.surface_vertices[1][1];
    solid.surface_length[1] = static_cast<std::uint8_t>(n + 1);
    return finished(solid);
}

Tsolid standing(const test_objects::outline& points, long double depth)
{
    Tsolid solid;
    add_prism(solid, points, -depth, depth);
    rotate_solid(solid, 90, 0, false, 0);
    return finished(solid);
}

} // namespace

TEST(Cutting, APlaneThatMissesTheSolidOrOnlyTouchesItChangesNothingAndSaysNothing)
{
    std::vector<Tsolid> solids;
    // Below, top in the plane (each side covered twice), bottom in the plane (dropped), above.
    for (const auto& [z0, z1] : {std::pair{-1.2L, -0.2L}, std::pair{-1.0L, 0.0L}, std::pair{0.0L, 1.0L}, std::pair{0.2L, 1.0L}}) {
        Tsolid box;
        add_box(box, -0.5L, 0.5L, -0.5L, 0.5L, z0, z1);
        solids.push_back(finished(box));
    }
    solids.push_back(standing({{-0.5L, -0.5L}, {0.5L, -0.5L}, {0, 0}}, 0.4L));   // a roof whose ridge lies in the plane
    for (Tsolid& solid : solids) {
        const Tsolid before = solid;
        const cut_result r = cut(solid);
        EXPECT_FALSE(r.success);
        EXPECT_EQ(r.boxes, std::vector<std::string>{});
        EXPECT_TRUE(same_solid(solid, before));
    }
}

TEST(Cutting, SolidsThePlaneMeetsAwkwardlyAreCutSoundly)
{
    // A step: a low block whose top lies in the plane against a tall one.
    sound_cut(standing({{-1, -1}, {1, -1}, {1, 1}, {0, 1}, {0, 0}, {-1, 0}}, 0.3L), 1);
    // An L standing on its corner, both arms reaching down through the plane:
    // its front and back faces split into two surfaces each.
    const long double c = std::sqrt(0.5L);
    test_objects::outline l;
    for (const auto& [u, v] : test_objects::outline{{0, 0}, {1, 0}, {1, 0.3L}, {0.3L, 0.3L}, {0.3L, 1}, {0, 1}})
        l.push_back({c * (v - u), 0.5L - c * (u + v)});
    Tsolid l_solid = standing(l, 0.2L);
    l_solid.surface_colour[1] = l_solid.surface_colour[2] = 12;
    const Tsolid cut_l = sound_cut(l_solid, 2);
    EXPECT_EQ(std::count(cut_l.surface_colour.begin() + 1, cut_l.surface_colour.begin() + cut_l.surface_count + 1, 12), 4);
    // Its 28 vertices fill the list but for one.
    sound_cut(pyramid(14), 1);
}

TEST(Cutting, ACutNeedingAThirtiethVertexShowsOneBoxAndLeavesTheSolidAsItWas)
{
    Tsolid solid = pyramid(15);
    const Tsolid before = solid;
    const cut_result r = cut(solid);
    EXPECT_FALSE(r.success);
    EXPECT_EQ(r.boxes, std::vector<std::string>{"Cutting on XY-plane impossible: te veel snijpunten"});
    EXPECT_TRUE(same_solid(solid, before));
}

TEST(Cutting, ACrossingOnAnExistingVertexOfThePlaneReusesIt)
{
    Tsolid solid;
    solid.vertex_count = 2;
    solid.vertices[2] = {0.3L, 0.2L, 0.00005L};
    bool failed = false;
    EXPECT_EQ(plane_crossing_vertex(solid, {0.3L, 0.2L, -1}, {0.3L, 0.20018L, 1}, failed), 2);
    EXPECT_EQ(plane_crossing_vertex(solid, {0.3L, 0.2L, -1}, {0.3L, 0.2004L, 1}, failed), 3);
    EXPECT_NEAR(static_cast<double>(solid.vertices[3].y), 0.2002, 1e-15);
    EXPECT_EQ(solid.vertices[3].z, 0);
    EXPECT_FALSE(failed);
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
    solid.vertices[2] = {1, 0, 0};
    solid.vertices[3] = {2, 0, 0};
    solid.vertices[4] = {0.5L, 1, 0};
    bool failed = false;
    Tsection_lines lines;
    add_section_line(lines, solid, 2, 1, 1, failed);
    add_section_line(lines, solid, 4, 1, 1, failed);
    add_section_line(lines, solid, 1, 1, 1, failed);   // from a vertex to itself: no stretch
    ASSERT_EQ(lines.count, 2);
    EXPECT_EQ(lines.lines[2].from_vertex, 1) << "turned to point right";
    EXPECT_NEAR(static_cast<double>(lines.lines[2].angle), std::atan(2.0), 1e-15);
    // Turning left from straight up at vertex 1, the flat line comes first and the slanted one last.
    EXPECT_EQ(find_connecting_line(lines, 1, pi / 2, false, failed), 1);
    EXPECT_EQ(find_connecting_line(lines, 1, pi / 2, true, failed), 2);
    EXPECT_FALSE(failed);
    platform::scripted_responder responder;
    EXPECT_EQ(find_connecting_line(lines, 3, 0, true, failed), 0);
    EXPECT_EQ(responder.last().text, "Cutting on XY-plane impossible: could not find connecting line");

    // Two surfaces covering 0..1 and 0..2 leave only 1..2, covered once.
    Tcut_work work;
    solid.surface_count = 2;
    solid.surface_vertices[1] = {0, 1, 2, 4, 1};
    solid.surface_vertices[2] = {0, 3, 1, 4, 3};
    solid.surface_length[1] = solid.surface_length[2] = 4;
    collect_section_lines(solid, work);
    ASSERT_FALSE(work.failed);
    std::vector<std::pair<int, int>> on_x_axis;
    for (int i = 1; i <= work.lines.count; ++i) {
        const Tsection_line& line = work.lines.lines[i];
        EXPECT_EQ(line.cover_count % 2, 1);
        if (solid.vertices[line.from_vertex].y == 0 && solid.vertices[line.to_vertex].y == 0)
            on_x_axis.push_back({line.from_vertex, line.to_vertex});
    }
    EXPECT_EQ(on_x_axis, (std::vector<std::pair<int, int>>{{2, 3}}));
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

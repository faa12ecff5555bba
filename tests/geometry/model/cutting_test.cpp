#include "foundation/plane_geometry.h"
#include "geometry/model/cut_steps.h"
#include "geometry/model/cutting.h"
#include "geometry/model/kernel.h"
#include "geometry/object_sources/solid_check.h"
#include "platform/core/message_box.h"
#include "tests/geometry/prisms.h"
#include "tests/geometry/ray_visibility.h"
#include "tests/geometry/sample_solids.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace foundation;
using namespace geometry::model;
using namespace geometry::object_sources;

using namespace test_objects;

namespace {

// Cuts a solid that the plane misses or that the cut cannot hold: nothing changes.
std::vector<std::string> failed_cut(Tsolid solid)
{
    const Tsolid before = solid;
    const cut_result result = cut(solid);
    EXPECT_FALSE(result.success);
    EXPECT_TRUE(solid.vertex_count == before.vertex_count && solid.edge_count == before.edge_count &&
                solid.surface_vertices == before.surface_vertices && solid.surface_length == before.surface_length &&
                std::equal(solid.vertices.begin(), solid.vertices.end(), before.vertices.begin(),
                           [](const Tpoint3d& a, const Tpoint3d& b) { return a.x == b.x && a.y == b.y && a.z == b.z; }));
    return result.boxes;
}

// Cuts a closed solid and checks the result is closed, with one section
// surface (the last one) covering the cross-section.
void sound_cut(Tsolid solid)
{
    const long double expected = ray_check::cross_section_area(solid);
    const cut_result result = cut(solid);
    EXPECT_TRUE(result.boxes.empty() && result.success && result.sections == 1) << result.sections;
    EXPECT_NEAR(static_cast<double>(outline_normal(solid, solid.surface_count).z / 2), static_cast<double>(expected), 1e-9);
    EXPECT_EQ(check_solid(solid, {}), std::vector<std::string>{});
}

// A pyramid over a regular n-gon at z = -0.5 with its apex at z = 0.5.
Tsolid pyramid(int n)
{
    Tsolid solid;
    std::vector<int> base;
    for (int i = 0; i < n; ++i) {
        solid.vertices[++solid.vertex_count] = {std::cos(i * 2 * pi / n), std::sin(i * 2 * pi / n), -0.5L};
        base.insert(base.begin(), i + 1);   // the base faces down
    }
    solid.vertices[++solid.vertex_count] = {0, 0, 0.5L};
    add_surface(solid, base, 7);
    for (int i = 1; i <= n; ++i)
        add_surface(solid, {i, i % n + 1, n + 1}, 7);
    return finished(solid);
}

Tsolid standing(const outline& points, long double depth)
{
    Tsolid solid;
    add_prism(solid, points, -depth, depth);
    rotate_solid(solid, 90, 0, false, 0);
    return finished(solid);
}

} // namespace

TEST(Cutting, APlaneThatMissesTheSolidOrOnlyTouchesItChangesNothingAndSaysNothing)
{
    // Below, top in the plane (each side covered twice), bottom in the plane (dropped), above.
    for (const auto& [z0, z1] : {std::pair{-1.2L, -0.2L}, std::pair{-1.0L, 0.0L}, std::pair{0.0L, 1.0L}, std::pair{0.2L, 1.0L}}) {
        Tsolid box;
        add_box(box, -0.5L, 0.5L, -0.5L, 0.5L, z0, z1);
        EXPECT_EQ(failed_cut(finished(box)), std::vector<std::string>{});
    }
    EXPECT_EQ(failed_cut(standing({{-0.5L, -0.5L}, {0.5L, -0.5L}, {0, 0}}, 0.4L)), std::vector<std::string>{});   // a ridge
}

TEST(Cutting, SolidsThePlaneMeetsAwkwardlyAreCutSoundly)
{
    // A step: a low block whose top lies in the plane against a tall one.
    sound_cut(standing({{-1, -1}, {1, -1}, {1, 1}, {0, 1}, {0, 0}, {-1, 0}}, 0.3L));
    sound_cut(pyramid(14));   // its 28 vertices fill the list but for one
}

TEST(Cutting, ACutNeedingAThirtiethVertexShowsOneBoxAndLeavesTheSolidAsItWas)
{
    EXPECT_EQ(failed_cut(pyramid(15)), std::vector<std::string>{"Cutting on XY-plane impossible: te veel snijpunten"});
}

TEST(Cutting, TheFortyNinthEdgeMakesCollectingEdgesFailWithoutWritingPastTheList)
{
    Tsolid solid;
    solid.vertex_count = 29;
    for (int s = 1; s <= 3; ++s) {
        std::vector<int> corners;
        for (int i = 0; i < 19; ++i)
            corners.push_back(i * s % 29 + 1);
        add_surface(solid, corners, 7);
    }
    EXPECT_TRUE(!collect_edges(solid, 0) && solid.edge_count == max_edges) << solid.edge_count;
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
    add_surface(solid, {1, 2, 3, 4, 5}, 7);
    bool failed = false;
    choose_outline_start(solid, {0, 0, 1}, 1, failed);
    // Not the tiny turn at vertices 1, 2, 3; the outline still closed.
    EXPECT_TRUE(!failed && surface_normal(solid, 1).z > 0.5L &&
                solid.surface_vertices[1][1] == solid.surface_vertices[1][6]);
    platform::scripted_responder responder;   // facing the other way, no start is sound
    choose_outline_start(solid, {0, 0, -1}, 1, failed);
    EXPECT_TRUE(failed);
    EXPECT_EQ(responder.last().text, "Cutting on XY-plane impossible: surface too small?");
}

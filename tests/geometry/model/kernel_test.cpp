#include "geometry/model/kernel.h"
#include "geometry/model/picture.h"
#include "geometry/model/screen_metrics.h"
#include "platform/core/message_box.h"
#include "tests/geometry/fatal_stop.h"
#include "tests/geometry/object_bytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

using test_objects::cube;
using test_objects::l_block;
using test_objects::solid_of;

namespace {

void expect_point(const Tpoint3d& p, double x, double y, double z)
{
    EXPECT_NEAR(static_cast<double>(p.x), x, 1e-12);
    EXPECT_NEAR(static_cast<double>(p.y), y, 1e-12);
    EXPECT_NEAR(static_cast<double>(p.z), z, 1e-12);
}

bool same_points(const Tsolid& a, const Tsolid& b)
{
    for (int v = 1; v <= max_vertices; ++v)
        if (a.vertices[v].x != b.vertices[v].x || a.vertices[v].y != b.vertices[v].y || a.vertices[v].z != b.vertices[v].z)
            return false;
    for (int i = 0; i < 2; ++i)
        if (a.view_arrows[i].x != b.view_arrows[i].x || a.view_arrows[i].y != b.view_arrows[i].y ||
            a.view_arrows[i].z != b.view_arrows[i].z)
            return false;
    return true;
}

// The surfaces in drawing order, ending before the 0.
std::vector<int> ordered(const Tsolid& solid, int angle_x, int angle_y)
{
    Tsolid turned = solid;
    rotate_solid(turned, angle_x, angle_y, false, 0);
    Tnormals normals{};
    Tvisibility visible{};
    Tdrawing_order order{};
    surface_normals(turned, normals, true);
    front_surfaces(turned, false, normals, visible);
    const int end = order_surfaces(turned, visible, order);
    return std::vector<int>(order.begin() + 1, order.begin() + end);
}

// Whether no surface is drawn before a surface that it hides.
bool painter_safe(const Tsolid& solid, const std::vector<int>& order)
{
    for (std::size_t i = 0; i < order.size(); ++i)
        for (std::size_t j = i + 1; j < order.size(); ++j)
            if (surface_hidden_by(solid, order[j], order[i]))
                return false;
    return true;
}

} // namespace

TEST(Kernel, RotationTurnsAboutXThenYThenZAndNoAnglesLeaveEverything)
{
    Tsolid solid = solid_of(cube());
    solid.vertices[1] = {0, 1, 0};
    const Tsolid before = solid;
    rotate_solid(solid, 0, 0, true, 0);
    EXPECT_TRUE(same_points(solid, before));

    rotate_solid(solid, 90, 0, false, 0);
    expect_point(solid.vertices[1], 0, 0, 1);
    expect_point(solid.view_arrows[1], 0, 2.3, 0);   // arrows stay unless asked
    rotate_solid(solid, 90, 0, true, 0);
    expect_point(solid.view_arrows[1], 0, 0, 2.3);

    solid.vertices[1] = {1, 0, 0};
    rotate_solid(solid, 90, 90, false, 0);   // x first (no change), then y: x goes to -z
    expect_point(solid.vertices[1], 0, 0, -1);
    solid.vertices[1] = {0, 1, 0};
    rotate_solid(solid, 90, 90, false, 0);   // x: y to z; then y: z to x
    expect_point(solid.vertices[1], 1, 0, 0);
    solid.vertices[1] = {1, 0, 0};
    rotate_solid(solid, 0, 0, false, 90);
    expect_point(solid.vertices[1], 0, 1, 0);
}

TEST(Kernel, PerspectiveDividesByTheDistanceFromTheEye)
{
    Tsolid solid;
    solid.vertex_count = 2;
    solid.vertices[1] = {1, -2, 0.6L};
    solid.vertices[2] = {1, 1, 0};
    solid.view_arrows[0] = {1, 1, 1};
    perspective_transform(solid);
    expect_point(solid.vertices[1], 1.125, -2.25, 0.25);
    expect_point(solid.vertices[2], 1, 1, 0);
    expect_point(solid.view_arrows[0], 1, 1, 1);
}

TEST(Kernel, NormalsAndFrontSurfacesWithAndWithoutTheEye)
{
    const Tsolid solid = solid_of(cube());
    Tnormals normals{};
    normals[3] = {7, 7, 7};
    surface_normals(solid, normals, true);
    expect_point(normals[3], 7, 7, 0);   // z only leaves x and y
    surface_normals(solid, normals, false);
    expect_point(normals[1], 0, 0, 1);
    expect_point(normals[3], 1, 0, 0);
    Tvisibility visible{};
    front_surfaces(solid, false, normals, visible);
    EXPECT_EQ(std::count(visible.begin() + 1, visible.begin() + 7, true), 1);
    EXPECT_TRUE(visible[1]);

    // Seen from the eye, the inner side face of a cube beside the eye shows.
    Tsolid beside = solid;
    for (int v = 1; v <= 8; ++v)
        beside.vertices[v].x += 1.0L;
    front_surfaces(beside, true, normals, visible);
    EXPECT_TRUE(visible[1] && visible[4] && !visible[3]);
    for (int v = 1; v <= 8; ++v)
        beside.vertices[v].x -= 2.0L;
    front_surfaces(beside, true, normals, visible);
    EXPECT_TRUE(visible[1] && visible[3] && !visible[4]);
}

TEST(Kernel, EdgesFoundOnceUnlessWalkedTheSameWayTwice)
{
    Tsolid solid = solid_of(cube());
    EXPECT_EQ(solid.edge_count, 12);
    for (int e = 1; e <= 12; ++e)
        for (int f = e + 1; f <= 12; ++f) {
            const Tedge a = solid.edges[e], b = solid.edges[f];
            EXPECT_FALSE(a.from_vertex == b.to_vertex && a.to_vertex == b.from_vertex);
        }
    find_edges(solid, 2);
    EXPECT_EQ(solid.edge_count, 4 + 4 + 3 + 1) << "the last two surfaces skipped";
    solid.surface_vertices[2] = solid.surface_vertices[1];   // the front square walked twice the same way
    find_edges(solid, 0);
    EXPECT_EQ(solid.edge_count, 12 + 4 - 4 + 4);
}

TEST(Kernel, MirroringKeepsNormalsPointingOut)
{
    for (const auto& source : {cube(), l_block()}) {
        const Tsolid original = solid_of(source);
        Tsolid solid = original;
        mirror_solid(solid);
        Tnormals before{}, after{};
        surface_normals(original, before, false);
        surface_normals(solid, after, false);
        // The mirror image of an outward normal, x negated, is the mirrored face's outward normal.
        for (int s = 1; s <= solid.surface_count; ++s) {
            const auto unit = [](const Tpoint3d& n) {
                const long double length = std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z);
                return Tpoint3d{n.x / length, n.y / length, n.z / length};
            };
            const Tpoint3d b = unit(before[s]);
            expect_point(unit(after[s]), static_cast<double>(-b.x), static_cast<double>(b.y), static_cast<double>(b.z));
            EXPECT_EQ(solid.surface_vertices[s][solid.surface_length[s]], solid.surface_vertices[s][1]);
        }
    }
}

TEST(Kernel, ConvexSolidKeepsSurfaceOrderAndConcaveSolidIsSortedSafely)
{
    const Tsolid box = solid_of(cube());
    for (const auto& [ax, ay] : {std::pair{20, -30}, std::pair{-40, 50}, std::pair{10, 170}}) {
        const std::vector<int> order = ordered(box, ax, ay);
        EXPECT_TRUE(std::is_sorted(order.begin(), order.end())) << ax << "," << ay;
        EXPECT_EQ(order.size(), 3u);
    }
    const Tsolid l = solid_of(l_block());
    bool some_order_changed = false;
    for (int ax = -60; ax <= 60; ax += 30)
        for (int ay = -150; ay <= 180; ay += 30) {
            Tsolid turned = l;
            rotate_solid(turned, ax, ay, false, 0);
            const std::vector<int> order = ordered(l, ax, ay);
            EXPECT_TRUE(painter_safe(turned, order)) << ax << "," << ay;
            some_order_changed |= !std::is_sorted(order.begin(), order.end());
        }
    EXPECT_TRUE(some_order_changed) << "the concave solid needs sorting at some angle";
}

TEST(Kernel, SurfacesHidingEachOtherGiveOneMessageAndStillAnOrder)
{
    // Two strips crossing like a plus sign: the tilted one lies behind the
    // flat one left of the middle and in front of it right of the middle.
    Tsolid solid;
    solid.vertex_count = 8;
    const Tpoint3d points[] = {{-1, -0.1L, -0.5L}, {1, -0.1L, 0.5L}, {1, 0.1L, 0.5L}, {-1, 0.1L, -0.5L},
                               {-0.1L, -1, 0},     {0.1L, -1, 0},    {0.1L, 1, 0},    {-0.1L, 1, 0}};
    for (int v = 0; v < 8; ++v)
        solid.vertices[v + 1] = points[v];
    solid.surface_count = 2;
    for (int s = 1; s <= 2; ++s) {
        solid.surface_length[s] = 5;
        solid.surface_sorted[s] = 1;
        for (int j = 1; j <= 4; ++j)
            solid.surface_vertices[s][j] = static_cast<std::uint8_t>((s - 1) * 4 + j);
        solid.surface_vertices[s][5] = solid.surface_vertices[s][1];
    }
    EXPECT_TRUE(surface_hidden_by(solid, 1, 2));
    EXPECT_TRUE(surface_hidden_by(solid, 2, 1));
    platform::scripted_responder responder;
    const std::vector<int> order = ordered(solid, 0, 0);
    ASSERT_EQ(responder.count(), 1u);
    EXPECT_EQ(responder.last().text, "object has 2 surfaces which hide each other!");
    EXPECT_EQ(responder.last().flags, platform::MB_ICONERROR);
    EXPECT_EQ(order.size(), 2u);
}

TEST(Kernel, VisibleFacesTouchingAlongEdgesNeverHideEachOther)
{
    Tsolid box = solid_of(cube());
    rotate_solid(box, 25, -35, false, 0);
    Tnormals normals{};
    Tvisibility visible{};
    surface_normals(box, normals, true);
    front_surfaces(box, false, normals, visible);
    int pairs = 0;
    for (int a = 1; a <= 6; ++a)
        for (int b = 1; b <= 6; ++b)
            if (a != b && visible[a] && visible[b]) {
                ++pairs;
                EXPECT_FALSE(surface_hidden_by(box, a, b)) << a << " " << b;
            }
    EXPECT_EQ(pairs, 6);
    EXPECT_TRUE(surface_hidden_by(box, 2, 1)) << "the back face lies behind the front face";
}

namespace {

// Two triangles: the first lies at z = -1, the second at z = 0.
Tsolid two_triangles(const Tpoint3d (&first)[3], const Tpoint3d (&second)[3])
{
    Tsolid solid;
    solid.vertex_count = 6;
    solid.surface_count = 2;
    for (int v = 0; v < 3; ++v) {
        solid.vertices[v + 1] = {first[v].x, first[v].y, -1};
        solid.vertices[v + 4] = {second[v].x, second[v].y, 0};
    }
    for (int s = 1; s <= 2; ++s) {
        solid.surface_length[s] = 4;
        for (int j = 1; j <= 3; ++j)
            solid.surface_vertices[s][j] = static_cast<std::uint8_t>((s - 1) * 3 + j);
        solid.surface_vertices[s][4] = solid.surface_vertices[s][1];
    }
    return solid;
}

} // namespace

TEST(Kernel, CrossingsAtTheVeryEndsCountButDegenerateEdgesNever)
{
    // The second triangle's corner touches the first one's long side from outside.
    const Tpoint3d big[3] = {{0, 0, 0}, {2, 0, 0}, {0, 2, 0}};
    EXPECT_TRUE(surface_hidden_by(two_triangles(big, {{1, 1, 0}, {3, 1, 0}, {1, 3, 0}}), 1, 2));
    EXPECT_TRUE(surface_hidden_by(two_triangles(big, {{1.00005L, 1.00005L, 0}, {3, 1, 0}, {1, 3, 0}}), 1, 2))
        << "within the tolerance beyond the end";
    EXPECT_FALSE(surface_hidden_by(two_triangles(big, {{1.01L, 1.01L, 0}, {3, 1, 0}, {1, 3, 0}}), 1, 2));
    // A sliver across the long side whose sides are all shorter than 0.01 is never hidden.
    EXPECT_FALSE(surface_hidden_by(two_triangles(big, {{0.997L, 0.997L, 0}, {1.004L, 0.997L, 0}, {0.997L, 1.004L, 0}}), 1, 2));
    EXPECT_TRUE(surface_hidden_by(two_triangles(big, {{0.97L, 0.97L, 0}, {1.04L, 0.97L, 0}, {0.97L, 1.04L, 0}}), 1, 2));
}

TEST(Kernel, UnsortedSurfacesComeLastInSurfaceOrder)
{
    Tsolid solid = solid_of(cube());
    solid.surface_sorted[1] = 0;
    Tvisibility visible{};
    visible.fill(true);
    Tdrawing_order order{};
    const int end = order_surfaces(solid, visible, order);
    EXPECT_EQ(end, 7);
    EXPECT_EQ(order[6], 1);
    EXPECT_EQ(order[7], 0);
}

TEST(Picture, ProjectionRoundsHalvesToEven)
{
    const long double saved_x = pixels_per_unit_x, saved_y = pixels_per_unit_y;
    pixels_per_unit_x = 1;
    pixels_per_unit_y = 1;
    const Tinteger_point p = project_point(100, 100, 1, 2.5L, -3.5L);
    const Tinteger_point q = project_point(0, 0, 1, 0.5L, 1.5L);
    pixels_per_unit_x = saved_x;
    pixels_per_unit_y = saved_y;
    EXPECT_EQ(p.x, 102);
    EXPECT_EQ(p.y, 104);
    EXPECT_EQ(q.x, 0);
    EXPECT_EQ(q.y, -2);
}

TEST(Picture, MadeFromATurnedCopyWithArrowsProjected)
{
    const Tsolid solid = solid_of(cube());
    const Tsolid before = solid;
    Tpicture picture;
    make_picture(solid, 20, -30, picture, true, 200, 150, 2, 0);
    EXPECT_TRUE(same_points(solid, before)) << "the solid itself is not changed";
    EXPECT_EQ(picture.vertex_count, 8);
    EXPECT_EQ(picture.surface_count, 3);
    EXPECT_EQ(picture.edge_count, 12);
    for (int k = 1; k <= 3; ++k)
        EXPECT_EQ(picture.surface_length[k], 5);

    // Unturned: the first arrow points straight at the viewer, the second comes from above.
    make_picture(solid, 0, 0, picture, false, 200, 150, 1, 0);
    const Tarrow_mark& front = picture.arrow_marks[0];
    EXPECT_EQ(front.tail_x, 200);
    EXPECT_EQ(front.head_y, 150);
    EXPECT_FALSE(front.behind);
    EXPECT_EQ(front.label_x, 195);
    EXPECT_EQ(front.label_y, 163);
    const Tarrow_mark& top = picture.arrow_marks[1];
    const long double y = -pixels_per_unit_y * 2.3L;
    EXPECT_EQ(top.tail_y, 150 + static_cast<int>(std::nearbyint(1.2L * y)));
    EXPECT_EQ(top.head_y, 150 + static_cast<int>(std::nearbyint(0.9L * y)));
    EXPECT_EQ(top.label_x, 200 + static_cast<int>(std::nearbyint(8 * aspect)));
    EXPECT_EQ(top.label_y, 150 + static_cast<int>(std::nearbyint(y)) - 5);
    make_picture(solid, 0, 180, picture, false, 200, 150, 1, 0);
    EXPECT_TRUE(picture.arrow_marks[0].behind);
}

TEST(Picture, MarkedEdgePointsAreProjectedUnturned)
{
    Tsolid solid = solid_of(cube());
    solid.marked_edge = 1;
    const auto points = marked_edge_points(solid, 50, 60, 1);
    const Tpoint3d& from = solid.vertices[solid.edges[1].from_vertex];
    EXPECT_EQ(points[0].x, project_point(50, 60, 1, from.x, from.y).x);
    EXPECT_EQ(points[0].y, project_point(50, 60, 1, from.x, from.y).y);
}

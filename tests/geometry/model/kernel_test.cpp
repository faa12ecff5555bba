#include "geometry/model/kernel.h"
#include "geometry/model/picture.h"
#include "geometry/model/screen_metrics.h"
#include "platform/core/message_box.h"
#include "tests/geometry/object_bytes.h"
#include "tests/geometry/prisms.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

using namespace foundation;
using namespace geometry::model;

using test_objects::cube;
using test_objects::solid_of;

namespace {

void expect_point(const Tpoint3d& p, const Tpoint3d& q)
{
    EXPECT_NEAR(static_cast<double>(p.x), static_cast<double>(q.x), 1e-12);
    EXPECT_NEAR(static_cast<double>(p.y), static_cast<double>(q.y), 1e-12);
    EXPECT_NEAR(static_cast<double>(p.z), static_cast<double>(q.z), 1e-12);
}

Tsolid l_prism()
{
    Tsolid solid;
    test_objects::add_prism(solid, {{-0.5L, -0.5L}, {0.5L, -0.5L}, {0.5L, 0}, {0, 0}, {0, 0.5L}, {-0.5L, 0.5L}}, -0.4L, 0.4L);
    return test_objects::finished(solid);
}

// The surfaces in drawing order, ending before the 0; `turned` gets the turned solid.
std::vector<int> ordered(const Tsolid& solid, int angle_x, int angle_y, Tsolid& turned)
{
    turned = solid;
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

// One flat polygon per list of points, corners numbered in order.
Tsolid polygons(const std::vector<std::vector<Tpoint3d>>& faces)
{
    Tsolid solid;
    for (const auto& face : faces) {
        const int s = ++solid.surface_count;
        solid.surface_sorted[s] = 1;
        for (const Tpoint3d& p : face) {
            solid.vertices[++solid.vertex_count] = p;
            solid.surface_vertices[s][++solid.surface_length[s]] = static_cast<std::uint8_t>(solid.vertex_count);
        }
        solid.surface_vertices[s][++solid.surface_length[s]] = solid.surface_vertices[s][1];
    }
    return solid;
}

} // namespace

TEST(Kernel, RotationTurnsAboutXThenYThenZAndTheArrowsOnlyWhenAsked)
{
    const struct { Tpoint3d from; int x, y, z; Tpoint3d to; } cases[] = {
        {{0, 1, 0}, 0, 0, 0, {0, 1, 0}},    {{0, 1, 0}, 90, 0, 0, {0, 0, 1}}, {{1, 0, 0}, 90, 90, 0, {0, 0, -1}},
        {{0, 1, 0}, 90, 90, 0, {1, 0, 0}}, {{1, 0, 0}, 0, 0, 90, {0, 1, 0}},
    };
    for (const auto& c : cases)
        for (const bool arrows : {false, true}) {
            SCOPED_TRACE(testing::Message() << c.x << " " << c.y << " " << c.z << (arrows ? " with arrows" : ""));
            Tsolid solid = solid_of(cube());
            solid.vertices[1] = solid.view_arrows[1] = c.from;
            rotate_solid(solid, c.x, c.y, arrows, c.z);
            expect_point(solid.vertices[1], c.to);
            expect_point(solid.view_arrows[1], arrows ? c.to : c.from);
        }
}

TEST(Kernel, PerspectiveDividesByTheDistanceFromTheEye)
{
    Tsolid solid;
    solid.vertex_count = 2;
    solid.vertices[1] = {1, -2, 0.6L};
    solid.vertices[2] = solid.view_arrows[0] = {1, 1, 0};
    perspective_transform(solid);
    expect_point(solid.vertices[1], {1.125L, -2.25L, 0.25L});
    expect_point(solid.vertices[2], {1, 1, 0});
    expect_point(solid.view_arrows[0], {1, 1, 0});
}

TEST(Kernel, FrontSurfacesFaceTheViewerOrTheEye)
{
    const Tsolid solid = solid_of(cube());
    Tnormals normals{};
    Tvisibility visible{};
    surface_normals(solid, normals, false);
    front_surfaces(solid, false, normals, visible);
    EXPECT_EQ(std::count(visible.begin() + 1, visible.begin() + 7, true), 1);
    EXPECT_TRUE(visible[1]);
    // Seen from the eye, the inner side face of a cube beside the eye shows.
    for (const auto& [shift, shown, unseen] : {std::tuple{1.0L, 4, 3}, std::tuple{-1.0L, 3, 4}}) {
        Tsolid beside = solid;
        for (int v = 1; v <= 8; ++v)
            beside.vertices[v].x += shift;
        front_surfaces(beside, true, normals, visible);
        EXPECT_TRUE(visible[1] && visible[shown] && !visible[unseen]) << static_cast<double>(shift);
    }
}

TEST(Kernel, EdgesAreFoundOnceUnlessWalkedTheSameWayTwice)
{
    Tsolid solid = solid_of(cube());
    EXPECT_EQ(solid.edge_count, 12);
    find_edges(solid, 4);
    EXPECT_EQ(solid.edge_count, 8) << "only the front and back squares";
    solid.surface_vertices[2] = solid.surface_vertices[1];   // the front square walked twice the same way
    find_edges(solid, 0);
    EXPECT_EQ(solid.edge_count, 16);
}

TEST(Kernel, MirroringKeepsNormalsPointingOut)
{
    for (const Tsolid& original : {solid_of(cube()), l_prism()}) {
        Tsolid solid = original;
        mirror_solid(solid);
        Tnormals before{}, after{};
        surface_normals(original, before, false);
        surface_normals(solid, after, false);
        // The mirror image of an outward normal, x negated, is the mirrored face's outward normal.
        for (int s = 1; s <= solid.surface_count; ++s) {
            const Tpoint3d& b = before[s];
            expect_point(after[s], {-b.x, b.y, b.z});
            EXPECT_EQ(solid.surface_vertices[s][solid.surface_length[s]], solid.surface_vertices[s][1]);
        }
    }
}

TEST(Kernel, ConvexSolidKeepsSurfaceOrderAndConcaveSolidIsSortedSafely)
{
    Tsolid turned;
    for (const auto& [ax, ay] : {std::pair{20, -30}, std::pair{-40, 50}, std::pair{10, 170}}) {
        const std::vector<int> order = ordered(solid_of(cube()), ax, ay, turned);
        EXPECT_TRUE(std::is_sorted(order.begin(), order.end()) && order.size() == 3) << ax << "," << ay;
    }
    bool some_order_changed = false;
    for (int ax = -60; ax <= 60; ax += 30)
        for (int ay = -150; ay <= 180; ay += 30) {
            const std::vector<int> order = ordered(l_prism(), ax, ay, turned);
            EXPECT_TRUE(painter_safe(turned, order)) << ax << "," << ay;
            some_order_changed |= !std::is_sorted(order.begin(), order.end());
        }
    EXPECT_TRUE(some_order_changed) << "the concave solid needs sorting at some angle";
}

TEST(Kernel, SurfacesHidingEachOtherGiveOneMessageAndStillAnOrder)
{
    // Two strips crossing like a plus sign: the tilted one lies behind the
    // flat one left of the middle and in front of it right of the middle.
    const Tsolid solid = polygons({{{-1, -0.1L, -0.5L}, {1, -0.1L, 0.5L}, {1, 0.1L, 0.5L}, {-1, 0.1L, -0.5L}},
                                   {{-0.1L, -1, 0}, {0.1L, -1, 0}, {0.1L, 1, 0}, {-0.1L, 1, 0}}});
    EXPECT_TRUE(surface_hidden_by(solid, 1, 2) && surface_hidden_by(solid, 2, 1));
    platform::scripted_responder responder;
    Tsolid turned;
    EXPECT_EQ(ordered(solid, 0, 0, turned).size(), 2u);
    ASSERT_EQ(responder.count(), 1u);
    EXPECT_EQ(responder.last().text, "object has 2 surfaces which hide each other!");
    EXPECT_EQ(responder.last().flags, platform::MB_ICONERROR);
}

TEST(Kernel, VisibleFacesTouchingAlongEdgesNeverHideEachOther)
{
    Tsolid box = solid_of(cube());
    rotate_solid(box, 25, -35, false, 0);
    Tnormals normals{};
    Tvisibility visible{};
    surface_normals(box, normals, true);
    front_surfaces(box, false, normals, visible);
    for (int a = 1; a <= 6; ++a)
        for (int b = 1; b <= 6; ++b)
            EXPECT_FALSE(a != b && visible[a] && visible[b] && surface_hidden_by(box, a, b)) << a << " " << b;
    EXPECT_TRUE(surface_hidden_by(box, 2, 1)) << "the back face lies behind the front face";
}

// A triangle at z = 0 touching or crossing the long side of a larger one behind it.
TEST(Kernel, CrossingsAtTheVeryEndsCountButDegenerateEdgesNever)
{
    const struct { long double near_x, far_x; bool hidden; } cases[] = {
        {1, 3, true},                 // its corner on the long side
        {1.00005L, 3, true},          // within the tolerance beyond it
        {1.01L, 3, false},
        {0.997L, 1.004L, false},      // a sliver whose sides are all shorter than 0.01
        {0.97L, 1.04L, true},
    };
    for (const auto& c : cases) {
        const long double n = c.near_x, f = c.far_x;
        const Tsolid solid = polygons({{{0, 0, -1}, {2, 0, -1}, {0, 2, -1}}, {{n, n, 0}, {f, n, 0}, {n, f, 0}}});
        EXPECT_EQ(surface_hidden_by(solid, 1, 2), c.hidden) << static_cast<double>(n);
    }
}

TEST(Kernel, UnsortedSurfacesComeLastInSurfaceOrder)
{
    Tsolid solid = solid_of(cube());
    solid.surface_sorted[1] = 0;
    Tvisibility visible{};
    visible.fill(true);
    Tdrawing_order order{};
    EXPECT_EQ(order_surfaces(solid, visible, order), 7);
    EXPECT_EQ(order[6], 1);
}

TEST(Picture, ProjectionRoundsHalvesToEven)
{
    const long double saved_x = pixels_per_unit_x, saved_y = pixels_per_unit_y;
    pixels_per_unit_x = pixels_per_unit_y = 1;
    const Tinteger_point p = project_point(100, 100, 1, 2.5L, -3.5L);
    const Tinteger_point q = project_point(0, 0, 1, 0.5L, 1.5L);
    pixels_per_unit_x = saved_x;
    pixels_per_unit_y = saved_y;
    EXPECT_EQ((std::vector{p.x, p.y, q.x, q.y}), (std::vector{102, 104, 0, -2}));
}

TEST(Picture, MadeFromATurnedCopyWithTheArrowBehindDashed)
{
    Tsolid solid = solid_of(cube());
    const Tsolid before = solid;
    Tpicture picture;
    make_picture(solid, 20, -30, picture, true, 200, 150, 2, 0);
    for (int v = 1; v <= 8; ++v)
        expect_point(solid.vertices[v], before.vertices[v]);   // the solid itself is not changed
    EXPECT_EQ((std::vector{picture.vertex_count, picture.surface_count, picture.edge_count}), (std::vector{8, 3, 12}));
    make_picture(solid, 0, 0, picture, false, 200, 150, 1, 0);
    EXPECT_FALSE(picture.arrow_marks[0].behind);
    EXPECT_EQ(picture.arrow_marks[0].tail_x, 200) << "straight at the viewer";
    make_picture(solid, 0, 180, picture, false, 200, 150, 1, 0);
    EXPECT_TRUE(picture.arrow_marks[0].behind);

    solid.marked_edge = 1;
    const Tpoint3d& from = solid.vertices[solid.edges[1].from_vertex];
    EXPECT_EQ(marked_edge_points(solid, 50, 60, 1)[0].x, project_point(50, 60, 1, from.x, from.y).x) << "unturned";
}

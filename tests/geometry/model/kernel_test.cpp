#include "geometry/model/kernel.h"
#include "geometry/model/picture.h"
#include "geometry/model/screen_metrics.h"
#include "platform/core/message_box.h"
#include "tests/geometry/prisms.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace foundation;
using namespace geometry::model;

using test_objects::coloured_cube;

namespace {

void expect_point(const Tpoint3d& p, const Tpoint3d& q)
{
    EXPECT_LT(std::fabs(p.x - q.x) + std::fabs(p.y - q.y) + std::fabs(p.z - q.z), 1e-12L)
        << static_cast<double>(p.x) << " " << static_cast<double>(p.y) << " " << static_cast<double>(p.z);
}

// One flat polygon per list of points, corners numbered in order.
Tsolid polygons(const std::vector<std::vector<Tpoint3d>>& faces)
{
    Tsolid solid;
    for (const auto& face : faces) {
        std::vector<int> corners;
        for (const Tpoint3d& p : face) {
            solid.vertices[++solid.vertex_count] = p;
            corners.push_back(solid.vertex_count);
        }
        test_objects::add_surface(solid, corners, 0);
    }
    return solid;
}

} // namespace

TEST(Kernel, RotationTurnsAboutXThenYThenZAndTheArrowsOnlyWhenAsked)
{
    const struct { Tpoint3d from; int x, y, z; Tpoint3d to; } cases[] = {
        {{0, 1, 0}, 90, 0, 0, {0, 0, 1}}, {{1, 0, 0}, 90, 90, 0, {0, 0, -1}}, {{0, 1, 0}, 90, 90, 0, {1, 0, 0}},
        {{1, 0, 0}, 0, 0, 90, {0, 1, 0}},
    };
    for (const auto& c : cases)
        for (const bool arrows : {false, true}) {
            Tsolid solid = coloured_cube();
            solid.vertices[1] = solid.view_arrows[1] = c.from;
            rotate_solid(solid, c.x, c.y, arrows, c.z);
            expect_point(solid.vertices[1], c.to);
            expect_point(solid.view_arrows[1], arrows ? c.to : c.from);
        }
}

TEST(Kernel, SurfacesHidingEachOtherGiveOneMessageAndStillAnOrder)
{
    // Two strips crossing like a plus sign: the tilted one lies behind the
    // flat one left of the middle and in front of it right of the middle.
    const Tsolid solid = polygons({{{-1, -0.1L, -0.5L}, {1, -0.1L, 0.5L}, {1, 0.1L, 0.5L}, {-1, 0.1L, -0.5L}},
                                   {{-0.1L, -1, 0}, {0.1L, -1, 0}, {0.1L, 1, 0}, {-0.1L, 1, 0}}});
    EXPECT_TRUE(surface_hidden_by(solid, 1, 2) && surface_hidden_by(solid, 2, 1));
    platform::scripted_responder responder;
    Tvisibility visible{};
    visible.fill(true);
    Tdrawing_order order{};
    EXPECT_EQ(order_surfaces(solid, visible, order), 3);
    ASSERT_EQ(responder.count(), 1u);
    EXPECT_EQ(responder.last().text, "object has 2 surfaces which hide each other!");
    EXPECT_EQ(responder.last().flags, platform::MB_ICONERROR);
}

// A triangle at z = 0 touching or crossing the long side of a larger one behind it.
TEST(Kernel, CrossingsAtTheVeryEndsCountButDegenerateEdgesNever)
{
    const struct { long double near_x, far_x; bool hidden; } cases[] = {
        {1, 3, true},          // its corner on the long side
        {1.00005L, 3, true},   // within the tolerance beyond it
        {1.01L, 3, false},
        {0.997L, 1.004L, false},   // a sliver whose sides are all shorter than 0.01
        {0.97L, 1.04L, true},
    };
    for (const auto& [n, f, hidden] : cases)
        EXPECT_EQ(surface_hidden_by(polygons({{{0, 0, -1}, {2, 0, -1}, {0, 2, -1}}, {{n, n, 0}, {f, n, 0}, {n, f, 0}}}), 1, 2),
                  hidden) << static_cast<double>(n);
}

TEST(Picture, ProjectionRoundsHalvesToEven)
{
    pixels_per_unit_x = pixels_per_unit_y = 1;
    const Tinteger_point p = project_point(100, 100, 1, 2.5L, -3.5L), q = project_point(0, 0, 1, 0.5L, 1.5L);
    compute_pixel_scales();
    EXPECT_EQ((std::vector{p.x, p.y, q.x, q.y}), (std::vector{102, 104, 0, -2}));
}


#include "geometry/model/kernel.h"
#include "geometry/model/object_files.h"
#include "geometry/model/projection_convention.h"
#include "tests/geometry/fatal_stop.h"
#include "tests/geometry/object_bytes.h"

#include <functional>
#include <tuple>

#include <gtest/gtest.h>

using namespace test_objects;
using namespace geometry::model;
using test_support::stop_message;

namespace {

// Loads the objects as one file (the first one the theory object) and decodes object `number`.
std::string decode(const std::vector<object>& objects, int number, Tsolid& solid)
{
    std::vector<object> listed = objects;
    listed[0].theory = 1;
    TThingCatCollection catalogue;
    const std::string loading = stop_message([&] { load_object_images({{"T.OBJ", submenu("S", listed)}}, catalogue); });
    return loading.empty() ? stop_message([&] { load_object(number, solid); }) : "loading: " + loading;
}

void expect_point(const Tpoint3d& p, double x, double y, double z)
{
    EXPECT_NEAR(static_cast<double>(p.x), x, 1e-12);
    EXPECT_NEAR(static_cast<double>(p.y), y, 1e-12);
    EXPECT_NEAR(static_cast<double>(p.z), z, 1e-12);
}

} // namespace

TEST(LoadObject, CubeDecodedWithClosedListsEdgesAndArrows)
{
    Tsolid solid;
    solid.edge_marked = true;
    ASSERT_EQ(decode({cube(), cube("Second")}, 1, solid), "");
    EXPECT_EQ((std::vector{solid.vertex_count, solid.surface_count, solid.edge_count}), (std::vector{8, 6, 12}))
        << "every edge once: neighbours walk it the other way";
    expect_point(solid.vertices[7], 0.5, 0.5, 0.5);
    EXPECT_EQ(solid.surface_vertices[1][5], solid.surface_vertices[1][1]);
    EXPECT_EQ(solid.surface_colour[5], 14);
    EXPECT_FALSE(solid.edge_marked);
    expect_point(solid.view_arrows[1], 0, 2.3, 0);
}

TEST(LoadObject, StartRotationTurnsVerticesButNotArrowsAndMirroringFollowsTheConvention)
{
    object turned = cube();
    turned.rotated = true;
    turned.vertices[6] = {40, 30, 20};
    Tsolid solid;
    for (const auto& [angle, y, z] : {std::tuple{90, -0.2, 0.3}, std::tuple{-90, 0.2, -0.3}}) {   // high byte first, signed
        turned.angles = {static_cast<std::int16_t>(angle), 0, 0};
        ASSERT_EQ(decode({turned}, 0, solid), "");
        expect_point(solid.vertices[7], 0.4, y, z);
        expect_point(solid.view_arrows[1], 0, 2.3, 0);
    }
    mirror_objects = true;
    const std::string message = decode({cube()}, 0, solid);
    mirror_objects = false;
    ASSERT_EQ(message, "");
    EXPECT_DOUBLE_EQ(static_cast<double>(solid.vertices[2].x), -0.5);
    EXPECT_EQ((std::vector<int>(solid.surface_vertices[1].begin() + 1, solid.surface_vertices[1].begin() + 6)),
              (std::vector{7, 6, 5, 8, 7})) << "corners 5 6 7 8 walked the other way";
}

TEST(LoadObject, WrongNumbersAndSurfaceFaultsStop)
{
    Tsolid solid;
    EXPECT_EQ(decode({cube()}, 1, solid), "f wrong");
    EXPECT_EQ(decode({cube()}, -1, solid), "f wrong");
    object star;   // three outlines of 19 corners through different neighbours: 57 different edges
    for (int i = 0; i < 29; ++i)
        star.vertices.push_back({static_cast<std::int8_t>(i), static_cast<std::int8_t>(i * i % 23), 0});
    for (int step = 1; step <= 3; ++step) {
        star.faces.push_back({});
        for (int k = 0; k < 19; ++k)
            star.faces.back().corners.push_back(static_cast<std::uint8_t>(k * step % 29 + 1));
    }
    const struct { std::function<void(object&)> change; std::string message; } cases[] = {
        {[](object& o) { o.faces[0].corners.resize(20, 1); }, "object has too many vertices for a surface"},
        {[](object& o) { o.faces[0].corners = {5, 6, 7, 8, 5, 6, 7, 8, 5, 6, 7, 8, 5, 6, 7, 8, 5, 6, 7}; }, ""},
        {[](object& o) { o.width = 3; }, "object has a surface with more corners than its table row holds"},
        {[](object& o) { o.faces[1].corners = {1, 2}; }, "object has a surface with fewer than 3 corners"},
        {[](object& o) { o.faces[2].corners[1] = 9; }, "object has a surface corner that is not one of its vertices"},
        {[](object& o) { o.faces[2].corners[1] = 0; }, "object has a surface corner that is not one of its vertices"},
        {[](object& o) { o.faces[3].colour = 16; }, "object has a surface colour other than 0 to 15 or 100"},
        {[](object& o) { o.faces[3].colour = 100; }, ""},
        {[&](object& o) { o = star; }, "object has too many edges"},
    };
    for (const auto& c : cases) {
        object o = cube();
        c.change(o);
        EXPECT_EQ(decode({o}, 0, solid), c.message);
    }
}

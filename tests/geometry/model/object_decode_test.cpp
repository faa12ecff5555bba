#include "geometry/model/kernel.h"
#include "geometry/model/object_files.h"
#include "geometry/model/projection_convention.h"
#include "tests/geometry/fatal_stop.h"
#include "tests/geometry/object_bytes.h"

#include <gtest/gtest.h>

using namespace test_objects;
using test_support::stop_message;

namespace {

// Loads the objects as one file (the first one the theory object) and decodes object `number`.
std::string decode(const std::vector<object>& objects, int number, Tsolid& solid)
{
    std::vector<object> listed = objects;
    listed[0].theory = 1;
    TThingCatCollection catalogue;
    const std::string loading = stop_message([&] { load_object_images({{"T.OBJ", submenu("S", listed)}}, catalogue); });
    if (!loading.empty())
        return "loading: " + loading;
    return stop_message([&] { load_object(number, solid); });
}

std::string decode(const object& o)
{
    Tsolid solid;
    return decode({o}, 0, solid);
}

} // namespace

TEST(LoadObject, CubeDecodedWithClosedListsEdgesAndArrows)
{
    Tsolid solid;
    solid.edge_marked = true;
    solid.edge_count = 40;
    ASSERT_EQ(decode({cube(), cube("Second")}, 1, solid), "");
    EXPECT_EQ(solid.vertex_count, 8);
    EXPECT_EQ(solid.surface_count, 6);
    EXPECT_DOUBLE_EQ(static_cast<double>(solid.vertices[7].x), 0.5);
    EXPECT_DOUBLE_EQ(static_cast<double>(solid.vertices[1].z), -0.5);
    EXPECT_EQ(solid.surface_length[1], 5);
    EXPECT_EQ(solid.surface_vertices[1][5], solid.surface_vertices[1][1]);
    EXPECT_EQ(solid.surface_colour[5], 14);
    EXPECT_EQ(solid.surface_sorted[5], 1);
    EXPECT_EQ(solid.edge_count, 12) << "every edge once: neighbours walk it the other way";
    EXPECT_EQ(solid.edge_colour, 0);
    EXPECT_FALSE(solid.edge_marked);
    EXPECT_DOUBLE_EQ(static_cast<double>(solid.view_arrows[0].z), 2.3);
    EXPECT_DOUBLE_EQ(static_cast<double>(solid.view_arrows[1].y), 2.3);
}

TEST(LoadObject, StartRotationTurnsVerticesButNotArrowsAndMirroringFollowsTheConvention)
{
    object turned = cube();
    turned.rotated = true;
    turned.angles = {90, 0, 0};
    turned.vertices[6] = {40, 30, 20};
    Tsolid solid;
    ASSERT_EQ(decode({turned}, 0, solid), "");
    EXPECT_NEAR(static_cast<double>(solid.vertices[7].x), 0.4, 1e-12);
    EXPECT_NEAR(static_cast<double>(solid.vertices[7].y), -0.2, 1e-12);
    EXPECT_NEAR(static_cast<double>(solid.vertices[7].z), 0.3, 1e-12);
    EXPECT_DOUBLE_EQ(static_cast<double>(solid.view_arrows[1].y), 2.3);

    turned.angles = {-90, 0, 0};   // high byte first, signed
    ASSERT_EQ(decode({turned}, 0, solid), "");
    EXPECT_NEAR(static_cast<double>(solid.vertices[7].y), 0.2, 1e-12);

    mirror_objects = true;
    const std::string message = decode({cube()}, 0, solid);
    mirror_objects = false;
    ASSERT_EQ(message, "");
    EXPECT_DOUBLE_EQ(static_cast<double>(solid.vertices[2].x), -0.5);
    EXPECT_EQ(solid.surface_vertices[1][1], 7) << "corners 5 6 7 8 become 7 6 5 8";
    EXPECT_EQ(solid.surface_vertices[1][4], 8);
    EXPECT_EQ(solid.surface_vertices[1][5], 7);
    EXPECT_EQ(solid.edge_count, 12);
}

TEST(LoadObject, WrongNumbersAndSurfaceFaultsStop)
{
    Tsolid solid;
    EXPECT_EQ(decode({cube()}, 1, solid), "f wrong");
    EXPECT_EQ(decode({cube()}, -1, solid), "f wrong");

    object twenty = cube();
    twenty.faces[0].corners.resize(20, 1);
    EXPECT_EQ(decode(twenty), "object has too many vertices for a surface") << "the file check passes a row width of 20";

    object nineteen = cube();
    nineteen.faces[0].corners = {5, 6, 7, 8, 5, 6, 7, 8, 5, 6, 7, 8, 5, 6, 7, 8, 5, 6, 7};
    EXPECT_EQ(decode(nineteen), "");

    object narrow = cube();
    narrow.width = 3;
    EXPECT_EQ(decode(narrow), "object has a surface with more corners than its table row holds");
    object two = cube();
    two.faces[1].corners = {1, 2};
    EXPECT_EQ(decode(two), "object has a surface with fewer than 3 corners");
    object outside = cube();
    outside.faces[2].corners[1] = 9;
    EXPECT_EQ(decode(outside), "object has a surface corner that is not one of its vertices");
    outside.faces[2].corners[1] = 0;
    EXPECT_EQ(decode(outside), "object has a surface corner that is not one of its vertices");
    object colour = cube();
    colour.faces[3].colour = 16;
    EXPECT_EQ(decode(colour), "object has a surface colour other than 0 to 15 or 100");
    colour.faces[3].colour = 100;
    EXPECT_EQ(decode(colour), "");
}

TEST(LoadObject, MoreThan48EdgesStop)
{
    object star;
    for (int i = 0; i < 29; ++i)
        star.vertices.push_back({static_cast<std::int8_t>(i), static_cast<std::int8_t>(i * i % 23), 0});
    // Three outlines of 19 corners through different neighbours: 57 different edges.
    for (int step = 1; step <= 3; ++step) {
        face f;
        for (int k = 0; k < 19; ++k)
            f.corners.push_back(static_cast<std::uint8_t>(k * step % 29 + 1));
        star.faces.push_back(f);
    }
    EXPECT_EQ(decode(star), "object has too many edges");
}

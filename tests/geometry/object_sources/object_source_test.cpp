#include "geometry/model/kernel.h"
#include "geometry/model/object_files.h"
#include "tests/geometry/fatal_stop.h"
#include "geometry/object_sources/object_source.h"
#include "geometry/object_sources/solid_check.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

using namespace foundation;

using namespace geometry::model;
using namespace geometry::object_sources;

namespace {

const std::string cube_faces = R"(
  vertex a -50 -50  50
  vertex b  50 -50  50
  vertex c  50  50  50
  vertex d -50  50  50
  vertex A -50 -50 -50
  vertex B  50 -50 -50
  vertex C  50  50 -50
  vertex D -50  50 -50
  face aqua    a b c d
  face gray    A D C B
  face silver  a A B b
  face 10      b B C c
  face yellow unsorted c C D d
  face cut     d D A a
)";

std::string cube_source(const std::string& faces = cube_faces)
{
    return "# a test\nsubmenu Solids\nobject Cube\n  level 2\n  exclude 0 5\n  theory\n  rotation 0 -90 0\n" + faces +
           "end\nunlisted\nobject Other\n" + faces + "end\n";
}

bool mentions(const std::vector<std::string>& errors, const std::string& text)
{
    return std::any_of(errors.begin(), errors.end(), [&](const std::string& e) { return e.find(text) != std::string::npos; });
}

std::string replaced(std::string text, const std::string& from, const std::string& to)
{
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return text.replace(at, from.size(), to);
}

// Vertex lines at z = +depth (lower-case names) and -depth (upper case) for
// an outline, and the side faces between them; a hole's sides face inwards.
std::pair<std::string, std::string> prism_text(const std::string& names, const std::vector<std::pair<int, int>>& xy, bool hole)
{
    std::string vertices, sides;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string a(1, names[i]), b(1, names[(i + 1) % names.size()]);
        const std::string up_a(1, char(std::toupper(a[0]))), up_b(1, char(std::toupper(b[0])));
        const std::string at = " " + std::to_string(xy[i].first) + " " + std::to_string(xy[i].second) + " ";
        vertices += "  vertex " + a + at + "20\n  vertex " + up_a + at + "-20\n";
        sides += "  face red " + (hole ? a + " " + b + " " + up_b + " " + up_a : a + " " + up_a + " " + up_b + " " + b) + "\n";
    }
    return {vertices, sides};
}

} // namespace

TEST(ObjectSource, CubeCompilesToAnObjectFileTheProgramReads)
{
    const object_source_result result = compile_object_source(cube_source(), "cube.txt");
    ASSERT_TRUE(result.errors.empty()) << result.errors.front();
    TThingCatCollection catalogue;
    ASSERT_EQ(test_support::stop_message([&] { load_object_images({{"CUBE.OBJ", result.bytes}}, catalogue); }), "");
    ASSERT_EQ(catalogue.count(), 1u);
    EXPECT_TRUE(catalogue.categories[0]->name == "Solids" && catalogue.theory_thing->name == "Cube");
    EXPECT_EQ(last_object_number, 1);   // the unlisted object is numbered too
    EXPECT_TRUE(exercise_object_table[1][2].objects.test(0));
    EXPECT_FALSE(exercise_object_table[0][2].objects.test(0) || exercise_object_table[5][2].objects.test(0));
    Tsolid solid;
    load_object(0, solid);
    EXPECT_TRUE(solid.surface_colour[4] == 10 && solid.surface_sorted[5] == 0 && solid.surface_colour[6] == cut_surface_colour);
    // Turned by -90 about y: x becomes -z and z becomes x.
    EXPECT_NEAR(static_cast<double>(solid.vertices[2].x), -0.5, 1e-12);
    EXPECT_NEAR(static_cast<double>(solid.vertices[2].z), 0.5, 1e-12);
    EXPECT_TRUE(check_solid(solid, {}).empty());
}

// Each mistake reported with its line; nothing written when anything is wrong.
TEST(ObjectSource, MistakesAreReportedWithTheirLines)
{
    std::string inward = cube_faces, many = "object Many\n";
    for (const auto& [from, to] : {std::pair{"a b c d", "d c b a"}, std::pair{"A D C B", "B C D A"}, std::pair{"a A B b", "b B A a"},
                                   std::pair{"b B C c", "c C B b"}, std::pair{"c C D d", "d D C c"}, std::pair{"d D A a", "a A D d"}})
        inward = replaced(inward, from, to);
    for (int i = 0; i < 30; ++i)
        many += "  vertex v" + std::to_string(i) + " 0 0 " + std::to_string(i) + "\n";
    const std::pair<std::string, std::string> cases[] = {
        {cube_source(replaced(cube_faces, "a b c d", "d c b a")), "walked the same way"},
        {cube_source(inward), "turn inwards"},
        {cube_source(replaced(cube_faces, "  face silver  a A B b\n", "")), "not closed"},
        {cube_source(replaced(cube_faces, "vertex c  50  50  50", "vertex c  50  50  45")), "is not flat"},
        {cube_source(replaced(cube_faces, "face aqua    a b c d", "face aqua    a b c b")), "comes twice"},
        {cube_source(replaced(cube_faces, "  face aqua    a b c d\n", "  face aqua a b c\n  face aqua a c d\n")), "lie in one plane"},
        {replaced(cube_source(), "level 2", "level 4"), "t.txt:4: \"level\" takes one number from 0 to 3"},
        {replaced(cube_source(), "exclude 0 5", "exclude 6"), "t.txt:5: exercise groups are numbered 0 to 5, not 6"},
        {replaced(cube_source(), "face gray", "face pink"), "t.txt:18: \"face\" begins with a colour name, a number 0 to 15 or cut"},
        {replaced(cube_source(), "vertex b  50", "vertex b  150"), "t.txt:10: coordinates lie from -128 to 127 hundredths, not 150"},
        {replaced(cube_source(), "face silver  a A B b", "face silver  a A B x"), "t.txt:19: no vertex named x"},
        {"submenu Empty\nsubmenu Full\nobject X\n" + cube_faces + "end\n", "t.txt:1: the submenu \"Empty\" holds no objects"},
        {"object X\n" + cube_faces, "t.txt:16: the object \"X\" has no \"end\""},
        {"thing X\n", "t.txt:1: expected \"submenu\", \"unlisted\" or \"object\", found: thing"},
        {many + "  face red v0 v1 v2\nend\n", "t.txt:1: object \"Many\": more than 29 vertices"},
    };
    for (const auto& [text, error] : cases) {
        const object_source_result result = compile_object_source(text, "t.txt");
        EXPECT_TRUE(mentions(result.errors, error) && result.bytes.empty()) << testing::PrintToString(result.errors);
    }
}

// An L whose outline starts at its inner corner: the first three corners turn the wrong way.
TEST(ObjectSource, AnOutlineMustStartAtAConvexCorner)
{
    const auto [l_vertices, l_sides] = prism_text("abcdef", {{-50, -50}, {50, -50}, {50, 0}, {0, 0}, {0, 50}, {-50, 50}}, false);
    const std::string l_block = "submenu S\nobject L\n" + l_vertices + "  face aqua c d e f a b\n  face gray A F E D C B\n" + l_sides + "end\n";
    EXPECT_EQ(compile_object_source(l_block, "l.txt").errors,
              std::vector<std::string>{"l.txt:2: object \"L\": surface 1 (c d e f a b): its first three corners turn against the "
                                       "rest of it; start it at another corner"});
    EXPECT_TRUE(compile_object_source(replaced(l_block, "c d e f a b", "a b c d e f"), "l.txt").errors.empty());
}

// A face with a hole is one surface that runs out to the hole along a
// bridge and back, and the bridge is no edge.
TEST(ObjectSource, FacesWithHolesTakeABridge)
{
    const auto [outer_vertices, outer_sides] = prism_text("abcd", {{-50, -50}, {50, -50}, {50, 50}, {-50, 50}}, false);
    const auto [inner_vertices, inner_sides] = prism_text("efgh", {{-20, -20}, {20, -20}, {20, 20}, {-20, 20}}, true);
    const std::string frame = "submenu S\nobject Frame\n  theory\n" + outer_vertices + inner_vertices +
                              "  face aqua a b c d a e h g f e\n  face gray D C B A E F G H E A\n" + outer_sides + inner_sides + "end\n";
    const object_source_result result = compile_object_source(frame, "frame.txt");
    ASSERT_EQ(result.errors, std::vector<std::string>{});
    TThingCatCollection catalogue;
    ASSERT_EQ(test_support::stop_message([&] { load_object_images({{"FRAME.OBJ", result.bytes}}, catalogue); }), "");
    Tsolid solid;
    load_object(0, solid);
    EXPECT_EQ(solid.edge_count, 24);   // the twelve edges of the block and the twelve of the hole
    EXPECT_TRUE(mentions(compile_object_source(replaced(frame, "a b c d a e h g f e", "a b c d a e h g f e h"), "f.txt").errors,
                         "comes twice"));
}

#include "geometry/model/kernel.h"
#include "geometry/model/object_files.h"
#include "tests/geometry/fatal_stop.h"
#include "geometry/object_sources/object_source.h"
#include "geometry/object_sources/solid_check.h"

#include <gtest/gtest.h>

#include <algorithm>

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

} // namespace

TEST(ObjectSource, CubeCompilesToAnObjectFileTheProgramReads)
{
    const object_source_result result = compile_object_source(cube_source(), "cube.txt");
    ASSERT_TRUE(result.errors.empty()) << result.errors.front();
    TThingCatCollection catalogue;
    ASSERT_EQ(test_support::stop_message([&] { load_object_images({{"CUBE.OBJ", result.bytes}}, catalogue); }), "");
    ASSERT_EQ(catalogue.count(), 1u);
    EXPECT_EQ(catalogue.categories[0]->name, "Solids");
    EXPECT_EQ(catalogue.theory_thing->name, "Cube");
    EXPECT_EQ(last_object_number, 1) << "the unlisted object is numbered too";
    EXPECT_TRUE(exercise_object_table[1][2].objects.test(0));
    EXPECT_FALSE(exercise_object_table[0][2].objects.test(0));
    EXPECT_FALSE(exercise_object_table[5][2].objects.test(0));
    Tsolid solid;
    load_object(0, solid);
    EXPECT_EQ(solid.surface_colour[4], 10);
    EXPECT_EQ(solid.surface_sorted[5], 0);
    EXPECT_EQ(solid.surface_colour[6], cut_surface_colour);
    EXPECT_NEAR(static_cast<double>(solid.vertices[2].x), -0.5, 1e-12) << "turned by -90 about y: x becomes -z";
    EXPECT_NEAR(static_cast<double>(solid.vertices[2].z), 0.5, 1e-12) << "and z becomes x";
    EXPECT_TRUE(check_solid(solid, {}).empty());
}

TEST(ObjectSource, SurfacesThatDoNotFaceOutAreRefused)
{
    const auto errors_of = [](const std::string& faces) { return compile_object_source(cube_source(faces), "t.txt").errors; };
    EXPECT_TRUE(mentions(errors_of(replaced(cube_faces, "a b c d", "d c b a")), "walked the same way"));
    std::string inward = cube_faces;
    for (const auto& [from, to] : {std::pair{"a b c d", "d c b a"}, std::pair{"A D C B", "B C D A"}, std::pair{"a A B b", "b B A a"},
                                   std::pair{"b B C c", "c C B b"}, std::pair{"c C D d", "d D C c"}, std::pair{"d D A a", "a A D d"}})
        inward = replaced(inward, from, to);
    EXPECT_TRUE(mentions(errors_of(inward), "turn inwards"));
    EXPECT_TRUE(mentions(errors_of(replaced(cube_faces, "  face silver  a A B b\n", "")), "not closed"));
    EXPECT_TRUE(mentions(errors_of(replaced(cube_faces, "vertex c  50  50  50", "vertex c  50  50  45")), "is not flat"));
    EXPECT_TRUE(mentions(errors_of(replaced(cube_faces, "face aqua    a b c d", "face aqua    a b c b")), "comes twice"));

    // An L whose outline starts at its inner corner: the first three corners turn the wrong way.
    const std::string l_block = R"(submenu S
object L
  vertex a -50 -50 40
  vertex b  50 -50 40
  vertex c  50   0 40
  vertex d   0   0 40
  vertex e   0  50 40
  vertex f -50  50 40
  vertex A -50 -50 -40
  vertex B  50 -50 -40
  vertex C  50   0 -40
  vertex D   0   0 -40
  vertex E   0  50 -40
  vertex F -50  50 -40
  face aqua c d e f a b
  face gray A F E D C B
  face red a A B b
  face red b B C c
  face red c C D d
  face red d D E e
  face red e E F f
  face red f F A a
end
)";
    const auto errors = compile_object_source(l_block, "l.txt").errors;
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "l.txt:2: object \"L\": surface 1 (c d e f a b): its first three corners turn against the rest of "
                         "it; start it at another corner");
    EXPECT_TRUE(compile_object_source(replaced(l_block, "c d e f a b", "a b c d e f"), "l.txt").errors.empty());
}

TEST(ObjectSource, MistakesAreReportedWithTheirLines)
{
    const auto first_error = [](const std::string& text) {
        const auto errors = compile_object_source(text, "t.txt").errors;
        return errors.empty() ? std::string() : errors.front();
    };
    EXPECT_EQ(first_error(replaced(cube_source(), "level 2", "level 4")), "t.txt:4: \"level\" takes one number from 0 to 3");
    EXPECT_EQ(first_error(replaced(cube_source(), "exclude 0 5", "exclude 6")), "t.txt:5: exercise groups are numbered 0 to 5, not 6");
    EXPECT_EQ(first_error(replaced(cube_source(), "face gray", "face pink")),
              "t.txt:18: \"face\" begins with a colour name, a number 0 to 15 or cut");
    EXPECT_EQ(first_error(replaced(cube_source(), "vertex b  50", "vertex b  150")),
              "t.txt:10: coordinates lie from -128 to 127 hundredths, not 150");
    EXPECT_EQ(first_error(replaced(cube_source(), "face silver  a A B b", "face silver  a A B x")), "t.txt:19: no vertex named x");
    EXPECT_EQ(first_error("submenu Empty\nsubmenu Full\nobject X\n" + cube_faces + "end\n"),
              "t.txt:1: the submenu \"Empty\" holds no objects");
    EXPECT_EQ(first_error("object X\n" + cube_faces), "t.txt:16: the object \"X\" has no \"end\"");
    EXPECT_EQ(first_error("thing X\n"), "t.txt:1: expected \"submenu\", \"unlisted\" or \"object\", found: thing");
    std::string many = "object Many\n";
    for (int i = 0; i < 30; ++i)
        many += "  vertex v" + std::to_string(i) + " 0 0 " + std::to_string(i) + "\n";
    EXPECT_EQ(first_error(many + "  face red v0 v1 v2\nend\n"), "t.txt:1: object \"Many\": more than 29 vertices");
    EXPECT_TRUE(compile_object_source(replaced(cube_source(), "level 2", "level 4"), "t.txt").bytes.empty())
        << "nothing is written when anything is wrong";
}

// A face split in two shows its split as a line the solid does not have; a
// face with a hole is one surface that runs out to the hole along a bridge
// and back, and the bridge is no edge.
TEST(ObjectSource, SplitFacesAreRefusedAndFacesWithHolesTakeABridge)
{
    const auto errors_of = [](const std::string& faces) { return compile_object_source(cube_source(faces), "t.txt").errors; };
    EXPECT_TRUE(mentions(errors_of(replaced(cube_faces, "  face aqua    a b c d\n", "  face aqua a b c\n  face aqua a c d\n")),
                         "lie in one plane"));

    const std::string frame = R"(submenu S
object Frame
  theory
  vertex a -50 -50 20
  vertex b  50 -50 20
  vertex c  50  50 20
  vertex d -50  50 20
  vertex e -20 -20 20
  vertex f  20 -20 20
  vertex g  20  20 20
  vertex h -20  20 20
  vertex A -50 -50 -20
  vertex B  50 -50 -20
  vertex C  50  50 -20
  vertex D -50  50 -20
  vertex E -20 -20 -20
  vertex F  20 -20 -20
  vertex G  20  20 -20
  vertex H -20  20 -20
  face aqua a b c d a e h g f e
  face gray D C B A E F G H E A
  face red a A B b
  face red b B C c
  face red c C D d
  face red d D A a
  face green e f F E
  face green f g G F
  face green g h H G
  face green h e E H
end
)";
    const object_source_result result = compile_object_source(frame, "frame.txt");
    ASSERT_EQ(result.errors, std::vector<std::string>{});
    TThingCatCollection catalogue;
    ASSERT_EQ(test_support::stop_message([&] { load_object_images({{"FRAME.OBJ", result.bytes}}, catalogue); }), "");
    Tsolid solid;
    load_object(0, solid);
    EXPECT_EQ(solid.edge_count, 24) << "the twelve edges of the block and the twelve of the hole, no bridge";
    EXPECT_TRUE(mentions(compile_object_source(replaced(frame, "a b c d a e h g f e", "a b c d a e h g f e h"), "f.txt").errors,
                         "comes twice"));
}

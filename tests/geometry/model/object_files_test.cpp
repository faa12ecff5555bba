#include "foundation/globals.h"
#include "geometry/model/kernel.h"
#include "geometry/model/object_files.h"
#include "tests/geometry/fatal_stop.h"
#include "tests/geometry/object_bytes.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <functional>

using namespace foundation;
using namespace geometry::model;

using namespace test_objects;
using test_support::stop_message;

namespace {

std::string load_message(const bytes& file)
{
    TThingCatCollection catalogue;
    return stop_message([&] { load_object_images({{"T.OBJ", file}}, catalogue); });
}

object theory(object o)
{
    o.theory = 1;
    return o;
}

// Loads the objects as one file (the first one the theory object) and decodes object `number`.
std::string decode(std::vector<object> objects, int number, Tsolid& solid)
{
    objects[0].theory = 1;
    const std::string loading = load_message(submenu("S", objects));
    return loading.empty() ? stop_message([&] { load_object(number, solid); }) : "loading: " + loading;
}

} // namespace

TEST(ObjectFiles, CatalogueNumbersAndTheoryReferences)
{
    object second = cube("Prism");
    second.level = 0;
    const bytes file = bytes{0} + submenu("Solids", {theory(cube("Cube")), second}) + bytes{3, 0} +
                       cube("Hidden").record() + submenu("More", {theory(cube("Last"))}) + bytes{0};
    TThingCatCollection catalogue;
    ASSERT_EQ(stop_message([&] { load_object_images({{"T.OBJ", file}}, catalogue); }), "");
    ASSERT_EQ(catalogue.count(), 2u);
    const auto& solids = catalogue.categories[0]->things;
    const auto& more = catalogue.categories[1]->things;
    ASSERT_TRUE(solids.size() == 2 && more.size() == 1);
    EXPECT_TRUE(catalogue.categories[0]->name == "Solids" && solids[1]->name == "Prism" && solids[1]->object_number == 1);
    EXPECT_TRUE(last_object_number == 3 && more[0]->object_number == 3);   // the unlisted one is numbered
    EXPECT_TRUE(catalogue.theory_thing == more[0].get() && catalogue.selected_thing == more[0].get());   // the later one wins
    EXPECT_TRUE(catalogue.theory_category == catalogue.categories[1].get() && catalogue.selected_category == catalogue.theory_category);
    EXPECT_TRUE(exercise_object_table[5][1].objects.test(2));   // an unlisted object is used by exercises
    // Level 0: in no exercise.
    EXPECT_FALSE(exercise_object_table[5][0].objects.any() || exercise_object_table[0][1].objects.test(1));
}

TEST(ObjectFiles, StructureFaultsAndMissingPartsStopWithTheirPositionsAndLimits)
{
    const bytes good = submenu("S", {theory(cube())});
    const auto at = [](std::size_t position) { return "error in objects file \"T.OBJ\", at byte position " + std::to_string(position); };
    for (std::size_t size = 1; size < good.size(); ++size)
        ASSERT_EQ(load_message(bytes(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(size))), at(size));
    bytes wrong_end = good, wrong_close = good;
    wrong_end.back() = 99;
    wrong_close[wrong_close.size() - 2] = 0;
    object too_many = cube(), surfaces = cube(), wide = cube(), level = cube();
    too_many.vertices.resize(30);
    surfaces.faces.resize(27, surfaces.faces[0]);
    wide.width = 21;
    level.level = 4;
    object empty;   // no vertices, no surfaces, no name: the smallest record
    empty.name.clear();
    bytes most = submenu("S", {theory(empty)});   // 254 objects
    for (int i = 1; i < 254; ++i)
        most = most + empty.record();
    const std::pair<bytes, std::string> cases[] = {
        {bytes{170, 1, 'S', 0, 187}, at(4)},   // the first byte after a submenu name must open an object
        {wrong_end, at(good.size())},
        {wrong_close, at(good.size() - 1)},
        {submenu("S", {too_many}), "object with too many vertices in object file \"T.OBJ\""},
        {submenu("S", {surfaces}), "object with too many surfaces in object file \"T.OBJ\""},
        {submenu("S", {wide}), "object with maximum vertices/surface too big in object file \"T.OBJ\""},
        {submenu("S", {level}), "object with a level above 3 in object file \"T.OBJ\""},
        {bytes{0, 1, 2}, "No objects in object files!"},
        {theory(cube()).record(), "No submenus in object files!"},
        {submenu("S", {cube()}), "no theory object specified in object files!"},
        {most, ""},
        {most + empty.record(), "too many objects in object files"},
    };
    for (const auto& [file, message] : cases)
        EXPECT_EQ(load_message(file), message);
}

TEST(ObjectFiles, NamesFromTheSettingsUpToTheFirstEmptyKeyAndFileFaults)
{
    test_support::temp_dir dir;
    test_support::current_directory_change in_dir{dir.path()};
    test_support::reset_globals_to(dir.path());
    TThingCatCollection catalogue;
    const auto load_listed = [&](const std::string& settings) {
        dir.write("WinTola.ini", "[OBJECT FILES]\n" + settings);
        return stop_message([&] { load_object_files(catalogue); });
    };
    const auto write = [&](const std::string& name, const bytes& b) { dir.write(name, std::string(b.begin(), b.end())); };
    write("first.obj", submenu("First", {cube()}));
    write("b.dat", submenu("B", {theory(cube("In B"))}));
    write("third.obj", submenu("Third", {cube()}));
    // Blanks removed, .obj added, another extension kept, the fourth key never read.
    EXPECT_EQ(load_listed("File1=fi rst\nFile2=b.dat\nFile4=third.obj\n"), "");
    EXPECT_TRUE(catalogue.count() == 2 && catalogue.theory_thing->object_number == 1);   // numbered file after file
    EXPECT_EQ(object_file_names(), (std::vector<std::string>{"fi rst", "b.dat"}));
    EXPECT_EQ(load_listed("File1=gone\n"), "Could not read objects file: \"gone.obj\"");
    bytes big = submenu("S", {theory(cube())});
    big.resize(max_object_file_size, 0);
    write("big.obj", big);
    EXPECT_EQ(load_listed("File1=big.obj\n"), "");
    big.push_back(0);
    write("big.obj", big);
    EXPECT_EQ(load_listed("File1=big.obj\n"), "objects file \"big.obj\" is larger than 20000 bytes");
    EXPECT_EQ(load_listed(""), "No objects in object files!");
    test_support::reset_globals_to(dir.path());
}

TEST(LoadObject, WrongNumbersAndSurfaceFaultsStop)
{
    test_support::use_shipped_texts();   // the faults are told in the shipped words
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

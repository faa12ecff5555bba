#include "foundation/globals.h"
#include "geometry/model/object_files.h"
#include "tests/geometry/fatal_stop.h"
#include "tests/geometry/object_bytes.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

using namespace test_objects;
using namespace geometry::model;

namespace {

using test_support::stop_message;

std::string load_message(const bytes& file, TThingCatCollection& catalogue)
{
    return stop_message([&] { load_object_images({{"T.OBJ", file}}, catalogue); });
}

std::string load_message(const bytes& file)
{
    TThingCatCollection catalogue;
    return load_message(file, catalogue);
}

object theory(object o)
{
    o.theory = 1;
    return o;
}

const Texercise_cell& cell(int group, int level)
{
    return exercise_object_table[static_cast<std::size_t>(group)][static_cast<std::size_t>(level)];
}

} // namespace

TEST(ObjectFiles, CatalogueNumbersAndTheoryReferences)
{
    object second = cube("Prism");
    second.level = 0;
    const bytes file = bytes{0} + submenu("Solids", {theory(cube("Cube")), second}) + bytes{3, 0} +
                       cube("Hidden").record() + submenu("More", {theory(cube("Last"))}) + bytes{0};
    TThingCatCollection catalogue;
    ASSERT_EQ(load_message(file, catalogue), "");
    EXPECT_EQ(last_object_number, 3);
    ASSERT_EQ(catalogue.count(), 2u);
    EXPECT_EQ(catalogue.categories[0]->name, "Solids");
    ASSERT_EQ(catalogue.categories[0]->things.size(), 2u);
    EXPECT_EQ(catalogue.categories[0]->things[1]->name, "Prism");
    EXPECT_EQ(catalogue.categories[0]->things[1]->object_number, 1);
    ASSERT_EQ(catalogue.categories[1]->things.size(), 1u);
    EXPECT_EQ(catalogue.categories[1]->things[0]->object_number, 3) << "the object outside the submenus is numbered";
    EXPECT_EQ(catalogue.theory_thing, catalogue.categories[1]->things[0].get()) << "the later theory object wins";
    EXPECT_EQ(catalogue.selected_thing, catalogue.theory_thing);
    EXPECT_EQ(catalogue.theory_category, catalogue.categories[1].get());
    EXPECT_EQ(catalogue.selected_category, catalogue.theory_category);
    EXPECT_TRUE(cell(5, 1).objects.test(2)) << "an object outside the submenus is used by exercises";
    EXPECT_FALSE(cell(5, 0).objects.any());
    EXPECT_FALSE(cell(0, 1).objects.test(1)) << "level 0: in no exercise";
}

TEST(ObjectFiles, LevelsAndExclusionMasks)
{
    object a = cube("A");
    a.level = 2;
    a.mask = 128;
    object b = cube("B");
    b.level = 3;
    b.mask = 0x04 | 0x20 | 0x03;   // groups 0 and 3; the two low bits mean nothing
    const bytes file = submenu("S", {theory(a), b});
    ASSERT_EQ(load_message(file), "");
    for (int g = 0; g <= 4; ++g) {
        EXPECT_TRUE(cell(g, 2).objects.test(0)) << g;
        EXPECT_EQ(cell(g, 2).count, 1) << g;
    }
    EXPECT_FALSE(cell(5, 2).objects.test(0));
    EXPECT_EQ(cell(5, 2).count, 0);
    for (int g = 0; g < 6; ++g)
        EXPECT_EQ(cell(g, 3).objects.test(1), g != 0 && g != 3) << g;
    EXPECT_EQ(cell(1, 1).count, 0);
}

TEST(ObjectFiles, TheoryObjectOutsideSubmenusSatisfiesTheCheckButSelectsNothing)
{
    TThingCatCollection catalogue;
    ASSERT_EQ(load_message(submenu("S", {cube()}) + theory(cube()).record(), catalogue), "");
    EXPECT_EQ(catalogue.theory_thing, nullptr);
    EXPECT_EQ(catalogue.selected_category, nullptr);
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
    };
    for (const auto& [file, message] : cases)
        EXPECT_EQ(load_message(file), message);
}

TEST(ObjectFiles, The255thObjectIsTooMany)
{
    bytes file = submenu("S", {theory(empty_object())});
    for (int i = 1; i < 254; ++i)
        file = file + empty_object().record();
    ASSERT_EQ(load_message(file), "");
    EXPECT_EQ(last_object_number, 253);
    EXPECT_EQ(load_message(file + empty_object().record()), "too many objects in object files");
}

class ObjectFileReading : public testing::Test {
protected:
    void SetUp() override { test_support::reset_globals_to(dir.path()); }
    void TearDown() override { test_support::reset_globals_to(dir.path()); }

    std::string load_listed(const std::string& settings)
    {
        dir.write("WinTola.ini", settings);
        return stop_message([&] { load_object_files(catalogue); });
    }
    void write(const std::string& name, const bytes& b) { dir.write(name, std::string(b.begin(), b.end())); }

    test_support::temp_dir dir;
    test_support::current_directory_change in_dir{dir.path()};
    TThingCatCollection catalogue;
};

TEST_F(ObjectFileReading, NamesFromTheSettingsUpToTheFirstEmptyKeyObjectsNumberedFileAfterFile)
{
    write("first.obj", submenu("First", {cube()}));
    write("b.dat", submenu("B", {theory(cube("In B"))}));
    write("third.obj", submenu("Third", {cube()}));
    EXPECT_EQ(load_listed("[OBJECT FILES]\nFile1=fi rst\nFile2=b.dat\nFile4=third.obj\n"), "");
    EXPECT_EQ(catalogue.count(), 2u) << "blanks removed, .obj added, another extension kept, the fourth key never read";
    EXPECT_EQ(object_file_names(), (std::vector<std::string>{"fi rst", "b.dat"}));
    EXPECT_EQ(catalogue.theory_thing->object_number, 1);
}

TEST_F(ObjectFileReading, MissingAndOversizedFilesStop)
{
    EXPECT_EQ(load_listed("[OBJECT FILES]\nFile1=gone\n"), "Could not read objects file: \"gone.obj\"");
    bytes big = submenu("S", {theory(cube())});
    for (const std::size_t size : {max_object_file_size + 1, max_object_file_size}) {
        big.resize(size, 0);
        write("big.obj", big);
        EXPECT_EQ(load_listed("[OBJECT FILES]\nFile1=big.obj\n"),
                  size > max_object_file_size ? "objects file \"big.obj\" is larger than 20000 bytes" : "");
    }
    EXPECT_EQ(load_listed("[OBJECT FILES]\n"), "No objects in object files!");
}

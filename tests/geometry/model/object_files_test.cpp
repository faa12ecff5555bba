#include "foundation/globals.h"
#include "geometry/model/object_files.h"
#include "tests/geometry/fatal_stop.h"
#include "tests/geometry/object_bytes.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

using namespace test_objects;

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

TEST(ObjectFiles, StructureFaultsStopWithTheirPositionsAndLimits)
{
    const bytes good = submenu("S", {theory(cube())});
    EXPECT_EQ(load_message(bytes{170, 1, 'S', 0, 187}), "error in objects file \"T.OBJ\", at byte position 4")
        << "the first byte after a submenu name must open an object";
    bytes wrong_end = good;
    wrong_end.back() = 99;
    EXPECT_EQ(load_message(wrong_end),
              "error in objects file \"T.OBJ\", at byte position " + std::to_string(good.size()));
    bytes wrong_close = good;
    wrong_close[wrong_close.size() - 2] = 0;
    EXPECT_EQ(load_message(wrong_close),
              "error in objects file \"T.OBJ\", at byte position " + std::to_string(good.size() - 1));
    for (std::size_t size = 1; size < good.size(); ++size)
        ASSERT_EQ(load_message(bytes(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(size))),
                  "error in objects file \"T.OBJ\", at byte position " + std::to_string(size));

    object too_many = cube();
    too_many.vertices.resize(30);
    EXPECT_EQ(load_message(submenu("S", {too_many})), "object with too many vertices in object file \"T.OBJ\"");
    object surfaces = cube();
    surfaces.faces.resize(27, surfaces.faces[0]);
    EXPECT_EQ(load_message(submenu("S", {surfaces})), "object with too many surfaces in object file \"T.OBJ\"");
    object wide = cube();
    wide.width = 21;
    EXPECT_EQ(load_message(submenu("S", {wide})),
              "object with maximum vertices/surface too big in object file \"T.OBJ\"");
    object level = cube();
    level.level = 4;
    EXPECT_EQ(load_message(submenu("S", {level})), "object with a level above 3 in object file \"T.OBJ\"");
}

TEST(ObjectFiles, MissingObjectsSubmenusOrTheoryStop)
{
    EXPECT_EQ(load_message(bytes{0, 1, 2}), "No objects in object files!");
    EXPECT_EQ(load_message(theory(cube()).record()), "No submenus in object files!");
    EXPECT_EQ(load_message(submenu("S", {cube()})), "no theory object specified in object files!");
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

TEST_F(ObjectFileReading, NamesFromTheSettingsUpToTheFirstEmptyKey)
{
    write("first.obj", submenu("First", {theory(cube())}));
    write("third.obj", submenu("Third", {cube()}));
    EXPECT_EQ(load_listed("[OBJECT FILES]\nFile1=fi rst\nFile3=third.obj\n"), "");
    ASSERT_EQ(catalogue.count(), 1u) << "blanks removed, .obj added, the third key never read";
    EXPECT_EQ(catalogue.categories[0]->name, "First");
    EXPECT_EQ(object_file_names(), (std::vector<std::string>{"fi rst"}));
}

TEST_F(ObjectFileReading, ObjectsNumberedFileAfterFileAndANameWithAnotherExtensionKept)
{
    write("A.OBJ", submenu("A", {cube()}));
    write("b.dat", submenu("B", {theory(cube("In B"))}));
    EXPECT_EQ(load_listed("[OBJECT FILES]\nFile1=a\nFile2=b.dat\n"), "");
    EXPECT_EQ(catalogue.theory_thing->object_number, 1);
    EXPECT_EQ(object_file_images.size(), 2u);
}

TEST_F(ObjectFileReading, MissingAndOversizedFilesStop)
{
    EXPECT_EQ(load_listed("[OBJECT FILES]\nFile1=gone\n"), "Could not read objects file: \"gone.obj\"");
    bytes big = submenu("S", {theory(cube())});
    big.resize(max_object_file_size + 1, 0);
    write("big.obj", big);
    EXPECT_EQ(load_listed("[OBJECT FILES]\nFile1=big.obj\n"), "objects file \"big.obj\" is larger than 20000 bytes");
    big.resize(max_object_file_size);
    write("big.obj", big);
    EXPECT_EQ(load_listed("[OBJECT FILES]\nFile1=big.obj\n"), "") << "20000 bytes are allowed";
    EXPECT_EQ(load_listed("[OBJECT FILES]\n"), "No objects in object files!");
}

#include "foundation/globals.h"
#include "geometry/model/object_files.h"
#include "geometry/model/projection_convention.h"
#include "geometry/object_sources/solid_check.h"
#include "tests/geometry/fatal_stop.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

using namespace foundation;

using namespace geometry::model;
using namespace geometry::object_sources;

// The object files shipped beside the program, as the settings list them.
class SampleObjects : public testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::copy_file(test_support::shipped_data_file("WinTola.ini"), dir.file("WinTola.ini"));
        for (const char* name : {"SOLIDS.OBJ", "BLOCKS.OBJ"})
            std::filesystem::copy_file(std::string(WINTOLA_BIN_DIR) + "/" + name, dir.file(name));
        test_support::reset_globals_to(dir.path());
        ASSERT_EQ(test_support::stop_message([&] { load_object_files(catalogue); }), "");
    }
    void TearDown() override { mirror_objects = false; }

    test_support::temp_dir dir;
    TThingCatCollection catalogue;
};

// A catalogue worth practising on: at least 60 solids of the kinds a
// drawing course uses, in submenus of several each, every name once, one
// object in no list; and at least ten objects in every exercise group at
// every level.
TEST_F(SampleObjects, SubmenusTheTheoryObjectTheShapesAskedAndEveryExerciseGroupFilled)
{
    EXPECT_GE(catalogue.count(), 5u);
    ASSERT_NE(catalogue.theory_thing, nullptr);
    std::set<std::string> names;
    std::size_t listed = 0;
    for (const auto& category : catalogue.categories) {
        EXPECT_GE(category->things.size(), 5u) << category->name;
        for (const auto& thing : category->things)
            names.insert(thing->name);
        listed += category->things.size();
    }
    EXPECT_TRUE(listed >= 60 && names.size() == listed && static_cast<std::size_t>(last_object_number) + 1 > listed);
    for (const char* shape : {"Cube", "Triangular prism", "Square pyramid", "Truncated pyramid", "Wedge", "Chamfered block",
                              "L-shaped block", "T-shaped block", "U-shaped block", "Stepped block", "Block with a slot",
                              "Block with a through hole", "Block with a stepped hole"})
        EXPECT_TRUE(names.count(shape)) << shape;
    for (const auto& group : exercise_object_table)
        for (int level = 1; level <= practice_levels; ++level)
            EXPECT_TRUE(group[static_cast<std::size_t>(level)].count >= 10 &&
                        static_cast<std::size_t>(group[static_cast<std::size_t>(level)].count) ==
                            group[static_cast<std::size_t>(level)].objects.count()) << level;
}

TEST_F(SampleObjects, EverySolidIsClosedWithItsSurfacesFacingOutEitherWayRound)
{
    for (const bool mirrored : {false, true}) {
        mirror_objects = mirrored;
        for (int number = 0; number <= last_object_number; ++number) {
            Tsolid solid;
            ASSERT_EQ(test_support::stop_message([&] { load_object(number, solid); }), "") << number;
            EXPECT_EQ(check_solid(solid, {}), std::vector<std::string>{}) << number << " " << mirrored;
        }
    }
}

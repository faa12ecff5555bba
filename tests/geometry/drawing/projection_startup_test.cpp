#include "foundation/globals.h"
#include "foundation/textfile_handler.h"
#include "geometry/drawing/geometry_startup.h"
#include "geometry/model/picture.h"
#include "geometry/model/projection_convention.h"
#include "geometry/drawing/projection_symbols.h"
#include "tests/geometry/fatal_stop.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdio>

using namespace foundation;
using namespace geometry::model;
using namespace geometry::drawing;

namespace {

class ProjectionStartUp : public testing::Test {
protected:
    void SetUp() override
    {
        test_support::reset_globals_to(dir.path());
        dir.write("T.TXT", "$[VIEW_LABELS]\nLeft\nTop\nFront\nBottom\nRight\nRear\n");
        bool found = false;
        text_handler = std::make_unique<Ttextfile_handler>("T.TXT", found, true);
    }
    void TearDown() override
    {
        set_projection_convention(false);
        text_handler.reset();
    }

    test_support::temp_dir dir;
};

} // namespace

TEST_F(ProjectionStartUp, TheSettingPicksTheConventionAndTheLabelsAndSymbolsAreRead)
{
    const std::pair<const char*, bool> cases[] = {
        {"[general]\nstandard technical projection=e\n", true}, {"[GENERAL]\nStandard Technical Projection=x\n", true},
        {"[GENERAL]\nStandard Technical Projection=B\n", true}, {"[GENERAL]\n", false},
        {"[GENERAL]\nStandard Technical Projection=\n", false}, {"[GENERAL]\nStandard Technical Projection=american\n", false},
        {nullptr, false},
    };
    for (const auto& [ini, european] : cases) {
        set_projection_convention(!european);
        std::remove(dir.file("WinTola.ini").c_str());
        if (ini)
            dir.write("WinTola.ini", ini);
        start_up_projection_views();
        EXPECT_EQ(mirror_objects, european) << (ini ? ini : "no settings");
        EXPECT_TRUE(three_view_mode == (european ? european_three_views : american_three_views) &&
                    six_view_mode == (european ? european_six_views : american_six_views));
        EXPECT_EQ(view_labels, (std::array<std::string, view_count>{"Left", "Top", "Front", "Bottom", "Right", "Rear"}));
        EXPECT_TRUE(arrow_labels[0] == "Front" && arrow_labels[1] == "Top");   // the first looks along the front view
    }
    EXPECT_TRUE(american_symbol.picture.width == 64 && european_symbol.picture.height == 29);
}

TEST(ProjectionSymbols, AMissingSymbolStopsTheProgram)
{
    const std::string message = "Could not load some projection symbol resource";
    EXPECT_EQ(test_support::stop_message([] { load_projection_symbols("NO_SUCH_SYMBOL", european_symbol_name); }), message);
    EXPECT_EQ(test_support::stop_message([] { load_projection_symbols(american_symbol_name, "NO_SUCH_SYMBOL"); }), message);
    release_projection_symbols();
    EXPECT_TRUE(american_symbol.picture.empty() && european_symbol.picture.empty());
    load_projection_symbols();
}

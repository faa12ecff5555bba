#include "foundation/globals.h"
#include "foundation/textfile_handler.h"
#include "geometry/drawing/geometry_startup.h"
#include "geometry/model/picture.h"
#include "geometry/model/projection_convention.h"
#include "geometry/drawing/projection_symbols.h"
#include "tests/geometry/fatal_stop.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <tuple>
#include <vector>

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

// The longest run of black pixels down column x.
int black_run(const platform::bitmap& picture, int x)
{
    int longest = 0, run = 0;
    for (int y = 0; y < picture.height; ++y) {
        run = picture.at(x, y) == platform::black ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return longest;
}

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
        EXPECT_EQ(three_view_mode, european ? european_three_views : american_three_views);
        EXPECT_EQ(six_view_mode, european ? european_six_views : american_six_views);
        EXPECT_EQ(view_labels, (std::array<std::string, view_count>{"Left", "Top", "Front", "Bottom", "Right", "Rear"}));
        EXPECT_EQ((std::vector{arrow_labels[0], arrow_labels[1]}), (std::vector<std::string>{"Front", "Top"}))
            << "the first arrow looks along the front view";
    }
    EXPECT_EQ((std::vector{american_symbol.picture.width, american_symbol.picture.height, european_symbol.picture.width,
                           european_symbol.picture.height}),
              (std::vector{64, 30, 63, 29}));
}

TEST(ProjectionSymbols, AMissingSymbolStopsTheProgram)
{
    const std::string message = "Could not load some projection symbol resource";
    EXPECT_EQ(test_support::stop_message([] { load_projection_symbols("NO_SUCH_SYMBOL", european_symbol_name); }),
              message);
    EXPECT_EQ(test_support::stop_message([] { load_projection_symbols(american_symbol_name, "NO_SUCH_SYMBOL"); }),
              message);
    EXPECT_EQ(test_support::stop_message([] { load_projection_symbols(); }), "");
    release_projection_symbols();
    EXPECT_TRUE(american_symbol.picture.empty());
    EXPECT_TRUE(european_symbol.picture.empty());
    load_projection_symbols();
}

// Both symbols show a truncated cone with its small end at the left and
// its end view, two circles of radius 11 and 6 around (cx, 14): the
// American one at the left of the side view, the European one at the right.
TEST(ProjectionSymbols, ShowTheEndViewOnTheSideEachMethodPutsIt)
{
    load_projection_symbols();
    for (const auto& [symbol, cx, cone_from] : {std::tuple{&american_symbol.picture, 15, 32}, std::tuple{&european_symbol.picture, 47, 0}}) {
        for (const int r : {11, 6})
            for (const auto& [x, y] : {std::pair{cx - r, 14}, {cx + r, 14}, {cx, 14 - r}, {cx, 14 + r}})
                EXPECT_EQ(symbol->at(x, y), platform::black) << cx << " r " << r;
        EXPECT_EQ(symbol->at(cx + 6, 14 - 6), platform::white) << "a ring between the circles";
        std::vector<int> ends;   // columns with a black run of 12 or more: the cone's ends
        for (int x = cone_from; x < cone_from + 32 && x < symbol->width; ++x)
            if (black_run(*symbol, x) >= 12)
                ends.push_back(x);
        ASSERT_EQ(ends.size(), 2u) << cx;
        EXPECT_EQ((std::vector{black_run(*symbol, ends[0]), black_run(*symbol, ends[1])}), (std::vector{13, 23}))
            << "the small end as high as the inner circle, the large one as the outer";
    }
}

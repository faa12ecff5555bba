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

    void start_with_setting(const std::string& ini)
    {
        dir.write("WinTola.ini", ini);
        start_up_projection_views();
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

// The columns from `from` to `to` whose black run is at least 12 pixels:
// the two ends of a cone's side view.
std::vector<int> cone_ends(const platform::bitmap& picture, int from, int to)
{
    std::vector<int> ends;
    for (int x = from; x < to; ++x)
        if (black_run(picture, x) >= 12)
            ends.push_back(x);
    return ends;
}

// Two concentric circles of radius 11 and 6 around (cx, 14), with a ring
// of white between them off the centre lines.
void expect_end_view_at(const platform::bitmap& picture, int cx)
{
    for (const int r : {11, 6}) {
        EXPECT_EQ(picture.at(cx - r, 14), platform::black) << cx << " r " << r;
        EXPECT_EQ(picture.at(cx + r, 14), platform::black) << cx << " r " << r;
        EXPECT_EQ(picture.at(cx, 14 - r), platform::black) << cx << " r " << r;
        EXPECT_EQ(picture.at(cx, 14 + r), platform::black) << cx << " r " << r;
    }
    EXPECT_EQ(picture.at(cx + 6, 14 - 6), platform::white);
    EXPECT_EQ(picture.at(cx - 6, 14 + 6), platform::white);
}

} // namespace

TEST(ProjectionConvention, OnlyAnEmptyValueOrOneBeginningWithAIsAmerican)
{
    for (const char* value : {"", "A", "a", "American", "a4"})
        EXPECT_FALSE(names_european_method(value)) << '"' << value << '"';
    for (const char* value : {"E", "e", "European", "x", "1", " A", "B"})
        EXPECT_TRUE(names_european_method(value)) << '"' << value << '"';

    set_projection_convention(true);
    EXPECT_TRUE(mirror_objects);
    EXPECT_EQ(three_view_mode, european_three_views);
    EXPECT_EQ(six_view_mode, european_six_views);
    set_projection_convention(false);
    EXPECT_FALSE(mirror_objects);
    EXPECT_EQ(three_view_mode, american_three_views);
    EXPECT_EQ(six_view_mode, american_six_views);
}

TEST_F(ProjectionStartUp, ReadsTheConventionTheLabelsAndBothSymbols)
{
    start_with_setting("[general]\nstandard technical projection=e\n");
    EXPECT_TRUE(mirror_objects);
    EXPECT_EQ(three_view_mode, 2);
    EXPECT_EQ(six_view_mode, 3);
    const std::array<std::string, view_count> labels{"Left", "Top", "Front", "Bottom", "Right", "Rear"};
    EXPECT_EQ(view_labels, labels);
    EXPECT_EQ(arrow_labels[0], "Front") << "the first arrow looks along the front view";
    EXPECT_EQ(arrow_labels[1], "Top");
    EXPECT_EQ(american_symbol.picture.width, 64);
    EXPECT_EQ(american_symbol.picture.height, 30);
    EXPECT_EQ(european_symbol.picture.width, 63);
    EXPECT_EQ(european_symbol.picture.height, 29);
    EXPECT_EQ(american_symbol.colours, 16);
    EXPECT_EQ(european_symbol.colours, 16);
}

TEST_F(ProjectionStartUp, AMissingOrEmptySettingOrOneBeginningWithAIsAmerican)
{
    for (const char* ini : {"[GENERAL]\n", "[GENERAL]\nStandard Technical Projection=\n",
                            "[GENERAL]\nStandard Technical Projection=american\n"}) {
        set_projection_convention(true);
        start_with_setting(ini);
        EXPECT_FALSE(mirror_objects) << ini;
        EXPECT_EQ(three_view_mode, 0) << ini;
        EXPECT_EQ(six_view_mode, 1) << ini;
    }
    // No settings file at all: the default, with the labels still read.
    std::remove(dir.file("WinTola.ini").c_str());
    set_projection_convention(true);
    start_up_projection_views();
    EXPECT_FALSE(mirror_objects);
    EXPECT_EQ(view_labels[5], "Rear");
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

// Both symbols show a truncated cone with its small end at the left: the
// American one its end view (seen from that small end) at the left of the
// side view, the European one at the right.
TEST(ProjectionSymbols, ShowTheEndViewOnTheSideEachMethodPutsIt)
{
    load_projection_symbols();
    const platform::bitmap& american = american_symbol.picture;
    expect_end_view_at(american, 15);
    const std::vector<int> american_cone = cone_ends(american, 32, american.width);
    ASSERT_EQ(american_cone.size(), 2u);
    EXPECT_LT(black_run(american, american_cone[0]), black_run(american, american_cone[1]));
    EXPECT_EQ(black_run(american, american_cone[1]), 23) << "the large end is as high as the outer circle";

    const platform::bitmap& european = european_symbol.picture;
    expect_end_view_at(european, 47);
    const std::vector<int> european_cone = cone_ends(european, 0, 32);
    ASSERT_EQ(european_cone.size(), 2u);
    EXPECT_LT(black_run(european, european_cone[0]), black_run(european, european_cone[1]));
    EXPECT_EQ(black_run(european, european_cone[0]), 13) << "the small end is as high as the inner circle";
    for (const platform::bitmap* symbol : {&american, &european})
        for (const platform::colour_ref c : symbol->pixels)
            EXPECT_TRUE(c == platform::black || c == platform::white);
}

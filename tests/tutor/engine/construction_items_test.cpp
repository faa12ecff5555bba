#include "tutor/engine/attractors.h"
#include "tutor/engine/construction_items.h"

#include <gtest/gtest.h>

#include <vector>

using namespace foundation;
using namespace tutor::engine;

namespace {

Tconstruction_line line(int x1, int y1, int x2, int y2, int kind = solid_kind, int width = 1)
{
    return {kind, width, {x1, y1}, {x2, y2}};
}

Tconstruction_items with_lines(std::initializer_list<Tconstruction_line> lines)
{
    Tconstruction_items items;
    for (const Tconstruction_line& l : lines)
        add_construction_line(items, l);
    return items;
}

} // namespace

TEST(ConstructionItems, MoreOrOtherItemsAreWrongFewerAreIncomplete)
{
    const Tconstruction_items wanted = with_lines({line(0, 0, 100, 0), line(0, 0, 0, 100, dashed_kind)});
    const std::pair<Tconstruction_items, int> cases[] = {
        {{}, view_incomplete},
        {with_lines({line(0, 100, 0, 0, dashed_kind)}), view_incomplete},
        {with_lines({line(100, 0, 0, 0), line(0, 0, 0, 100, dashed_kind)}), view_right},
        {with_lines({line(0, 0, 100, 0, dashed_kind)}), view_wrong},
        {with_lines({line(0, 0, 100, 0, solid_kind, 2)}), view_wrong},
        {with_lines({line(0, 0, 50, 0)}), view_wrong},
        {with_lines({line(0, 0, 100, 0), line(0, 0, 0, 100, dashed_kind), line(5, 5, 60, 90)}), view_wrong}};
    for (const auto& [pupil, verdict] : cases)
        EXPECT_EQ(judge_items(wanted, pupil, false), verdict);
    Tconstruction_items point_wanted, marked;
    add_marked_point(point_wanted, {40, 40});
    ASSERT_TRUE(add_marked_point(marked, {41, 40}));
    EXPECT_EQ(judge_items(point_wanted, marked, false), view_wrong);
    EXPECT_FALSE(add_marked_point(marked, {41, 40}));   // once
    EXPECT_TRUE(add_marked_point(marked, {50, 50}));
    EXPECT_FALSE(add_marked_point(marked, {60, 60}));   // two at most
}

TEST(ConstructionItems, SurfacesCountOnlyWhenJudgedAndMatchFromAnyCornerEitherWayRound)
{
    Tconstruction_items wanted, pupil, triangle;
    ASSERT_TRUE(add_construction_surface(wanted, std::vector<Tinteger_point>{{0, 0}, {100, 0}, {100, 100}, {0, 100}}));
    EXPECT_EQ(judge_items(wanted, pupil, true), view_incomplete);
    EXPECT_EQ(judge_items(wanted, pupil, false), view_right);
    // Started elsewhere, the other way round, with a corner on a side and the first clicked again.
    ASSERT_TRUE(add_construction_surface(
        pupil, std::vector<Tinteger_point>{{100, 100}, {100, 0}, {50, 0}, {0, 0}, {0, 100}, {100, 100}}));
    EXPECT_EQ(judge_items(wanted, pupil, true), view_right);
    ASSERT_TRUE(add_construction_surface(triangle, std::vector<Tinteger_point>{{0, 0}, {100, 0}, {100, 100}}));
    EXPECT_EQ(judge_items(wanted, triangle, true), view_wrong);
    EXPECT_FALSE(add_construction_surface(triangle, std::vector<Tinteger_point>{{0, 0}, {50, 0}, {100, 0}}));
}

// Pieces of a line join into one; a full group refuses a line and leaves the others alone.
TEST(ConstructionItems, PiecesJoinAndAFullGroupRefusesALine)
{
    Tconstruction_items items = with_lines({line(0, 0, 40, 20), line(80, 40, 40, 20), line(20, 10, 120, 60)});
    ASSERT_EQ(items.line_count, 1);
    EXPECT_TRUE(lines_equal(items.lines[0], line(0, 0, 120, 60)));
    EXPECT_FALSE(add_construction_line(items, line(5, 5, 5, 5)));   // no length
    for (const Tconstruction_line& apart : {line(0, 0, 120, 60, dashed_kind), line(0, 0, 120, 60, solid_kind, 2)}) {
        Tconstruction_items copy = items;
        EXPECT_TRUE(add_construction_line(copy, apart) && copy.line_count == 2);
    }
    for (int i = 1; i < max_lines_per_group; ++i)
        ASSERT_TRUE(add_construction_line(items, line(0, 10 * i, 300, 10 * i + 1)));
    EXPECT_FALSE(add_construction_line(items, line(600, 0, 700, 300)));
    EXPECT_TRUE(add_construction_line(items, line(600, 0, 700, 300, dashed_kind)));
    EXPECT_EQ(items.line_count, max_lines_per_group + 1);
}

TEST(ConstructionItems, TheRubberTakesTheNearestLineThenAPointThenTheSurfaceUnderIt)
{
    Tconstruction_items items = with_lines({line(0, 0, 100, 0), line(0, 6, 100, 6)});
    ASSERT_TRUE(add_marked_point(items, {200, 200}));
    ASSERT_TRUE(add_construction_surface(items, std::vector<Tinteger_point>{{300, 300}, {400, 300}, {400, 400}}));
    EXPECT_FALSE(rub_out_at(items, {50, 20}));   // out of reach
    ASSERT_TRUE(rub_out_at(items, {50, 4}));
    EXPECT_EQ(items.lines[0].from.y, 0);
    ASSERT_TRUE(rub_out_at(items, {202, 199}));
    EXPECT_FALSE(rub_out_at(items, {310, 390}));   // outside the triangle
    ASSERT_TRUE(rub_out_at(items, {390, 320}));
    EXPECT_EQ(std::tuple(items.line_count, items.point_count, items.surface_count), std::tuple(1, 0, 0));
}

TEST(Attractors, AClickSnapsToTheNearestWithinReachTheFirstOnEqualDistance)
{
    Tattractors a;
    for (Tinteger_point p : {Tinteger_point{100, 100}, {110, 100}, {104, 104}})
        add_attractor(a, p);
    // Click, fine snapping, found, snapped to.
    const std::tuple<Tinteger_point, bool, bool, Tinteger_point> cases[] = {
        {{105, 101}, false, true, {104, 104}}, {{105, 100}, false, true, {100, 100}}, {{96, 96}, false, false, {}},
        {{96, 97}, false, true, {100, 100}},   {{101, 99}, true, true, {100, 100}},   {{102, 100}, true, false, {}},
        {{94, 100}, false, false, {}}};
    for (const auto& [click, fine, found, expected] : cases) {
        Tinteger_point snapped{};
        EXPECT_EQ(snap_to_attractor(click, fine, a, snapped), found) << click.x << "," << click.y;
        EXPECT_TRUE(!found || points_equal(snapped, expected)) << click.x << "," << click.y;
    }
}

TEST(Attractors, NoMoreThanTwoHundredAndEachPointOnce)
{
    Tattractors a;
    for (int i = 0; i < 300; ++i)
        add_attractor(a, {i, 50});
    EXPECT_EQ(a.count, max_attractors);
    EXPECT_FALSE(add_attractor(a, {1000, 1000}));
    EXPECT_TRUE(add_attractor(a, {0, 50}));   // one already there
}

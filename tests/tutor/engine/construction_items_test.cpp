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
        EXPECT_TRUE(add_construction_line(items, l));
    return items;
}

} // namespace

TEST(ConstructionItems, AReversedLineEqualsButAnotherKindOrWidthDoesNot)
{
    EXPECT_TRUE(lines_equal(line(10, 20, 110, 70), line(110, 70, 10, 20)));
    EXPECT_FALSE(lines_equal(line(10, 20, 110, 70), line(10, 20, 110, 70, dashed_kind)));
    EXPECT_FALSE(lines_equal(line(10, 20, 110, 70), line(10, 20, 110, 70, solid_kind, 2)));
    EXPECT_FALSE(lines_equal(line(10, 20, 110, 70), line(10, 20, 110, 71)));

    const Tconstruction_items wanted = with_lines({line(10, 20, 110, 70)});
    EXPECT_EQ(judge_items(wanted, with_lines({line(110, 70, 10, 20)}), false), view_right);
    EXPECT_EQ(judge_items(wanted, with_lines({line(110, 70, 10, 20, dashed_kind)}), false), view_wrong);
}

TEST(ConstructionItems, MoreOrOtherItemsAreWrongFewerAreIncomplete)
{
    const Tconstruction_items wanted = with_lines({line(0, 0, 100, 0), line(0, 0, 0, 100, dashed_kind)});
    EXPECT_EQ(judge_items(wanted, {}, false), view_incomplete);
    EXPECT_EQ(judge_items(wanted, with_lines({line(0, 0, 0, 100, dashed_kind)}), false), view_incomplete);
    EXPECT_EQ(judge_items(wanted, with_lines({line(0, 0, 100, 0), line(0, 0, 0, 100, dashed_kind)}), false),
              view_right);
    EXPECT_EQ(judge_items(wanted, with_lines({line(0, 0, 50, 0)}), false), view_wrong) << "a part is not the line";
    EXPECT_EQ(judge_items(wanted, with_lines({line(0, 0, 100, 0), line(0, 0, 0, 100, dashed_kind), line(5, 5, 60, 90)}),
                          false),
              view_wrong);

    Tconstruction_items point_wanted;
    ASSERT_TRUE(add_marked_point(point_wanted, {40, 40}));
    Tconstruction_items marked;
    EXPECT_EQ(judge_items(point_wanted, marked, false), view_incomplete);
    ASSERT_TRUE(add_marked_point(marked, {41, 40}));
    EXPECT_EQ(judge_items(point_wanted, marked, false), view_wrong);
    marked = {};
    ASSERT_TRUE(add_marked_point(marked, {40, 40}));
    EXPECT_EQ(judge_items(point_wanted, marked, false), view_right);
    EXPECT_FALSE(add_marked_point(marked, {40, 40})) << "once";
    EXPECT_TRUE(add_marked_point(marked, {50, 50}));
    EXPECT_FALSE(add_marked_point(marked, {60, 60})) << "two at most";
}

TEST(ConstructionItems, SurfacesCountOnlyWhenJudgedAndMatchFromAnyCornerEitherWayRound)
{
    const std::vector<Tinteger_point> square{{0, 0}, {100, 0}, {100, 100}, {0, 100}};
    Tconstruction_items wanted;
    ASSERT_TRUE(add_construction_surface(wanted, square));
    Tconstruction_items pupil;
    EXPECT_EQ(judge_items(wanted, pupil, true), view_incomplete);
    EXPECT_EQ(judge_items(wanted, pupil, false), view_right);
    // Started elsewhere, the other way round, with a corner on a side and the first clicked again.
    const std::vector<Tinteger_point> clicked{{100, 100}, {100, 0}, {50, 0}, {0, 0}, {0, 100}, {100, 100}};
    ASSERT_TRUE(add_construction_surface(pupil, clicked));
    EXPECT_EQ(pupil.surfaces[0].corner_count, 4);
    EXPECT_EQ(judge_items(wanted, pupil, true), view_right);

    Tconstruction_items triangle;
    ASSERT_TRUE(add_construction_surface(triangle, std::vector<Tinteger_point>{{0, 0}, {100, 0}, {100, 100}}));
    EXPECT_EQ(judge_items(wanted, triangle, true), view_wrong);
    EXPECT_FALSE(add_construction_surface(triangle, std::vector<Tinteger_point>{{0, 0}, {50, 0}, {100, 0}}))
        << "no area";
}

TEST(ConstructionItems, APupilsLineDrawnInPiecesBecomesOneLineOfItsKindAndWidth)
{
    Tconstruction_items items = with_lines({line(0, 0, 40, 20), line(80, 40, 40, 20)});
    ASSERT_EQ(items.line_count, 1) << "touching pieces on one line join";
    EXPECT_TRUE(lines_equal(items.lines[0], line(0, 0, 80, 40)));

    ASSERT_TRUE(add_construction_line(items, line(20, 10, 120, 60)));
    ASSERT_EQ(items.line_count, 1) << "an overlapping piece lengthens it";
    EXPECT_TRUE(lines_equal(items.lines[0], line(0, 0, 120, 60)));

    ASSERT_TRUE(add_construction_line(items, line(0, 0, 120, 60, dashed_kind)));
    ASSERT_TRUE(add_construction_line(items, line(0, 0, 120, 60, solid_kind, 2)));
    EXPECT_EQ(items.line_count, 3) << "other kinds and widths stay apart";
    ASSERT_TRUE(add_construction_line(items, line(0, 100, 100, 0)));
    EXPECT_EQ(items.line_count, 4) << "a crossing line stays apart";

    EXPECT_FALSE(add_construction_line(items, line(5, 5, 5, 5))) << "no length";
    EXPECT_EQ(items.line_count, 4);
}

TEST(ConstructionItems, AFullGroupRefusesALineAndLeavesTheOthersAlone)
{
    Tconstruction_items items;
    for (int i = 0; i < max_lines_per_group; ++i)
        ASSERT_TRUE(add_construction_line(items, line(0, 10 * i, 300, 10 * i)));
    EXPECT_EQ(items.line_count, max_lines_per_group);
    EXPECT_FALSE(add_construction_line(items, line(600, 0, 700, 300)));
    EXPECT_EQ(items.line_count, max_lines_per_group);
    EXPECT_TRUE(add_construction_line(items, line(600, 0, 700, 300, dashed_kind)));
    EXPECT_EQ(items.line_count, max_lines_per_group + 1);
}

TEST(ConstructionItems, TheRubberTakesTheNearestLineThenAPointThenTheSurfaceUnderIt)
{
    Tconstruction_items items = with_lines({line(0, 0, 100, 0), line(0, 6, 100, 6)});
    ASSERT_TRUE(add_marked_point(items, {200, 200}));
    ASSERT_TRUE(add_construction_surface(items, std::vector<Tinteger_point>{{300, 300}, {400, 300}, {400, 400}}));

    EXPECT_FALSE(rub_out_at(items, {50, 20})) << "out of reach";
    ASSERT_TRUE(rub_out_at(items, {50, 4}));
    ASSERT_EQ(items.line_count, 1);
    EXPECT_EQ(items.lines[0].from.y, 0) << "the nearer line went";
    ASSERT_TRUE(rub_out_at(items, {202, 199}));
    EXPECT_EQ(items.point_count, 0);
    EXPECT_FALSE(rub_out_at(items, {310, 390})) << "outside the triangle";
    ASSERT_TRUE(rub_out_at(items, {390, 320}));
    EXPECT_EQ(items.surface_count, 0);
    EXPECT_EQ(items.line_count, 1);
}

#include "geometry/model/line_merging.h"

#include <gtest/gtest.h>

#include <vector>

using namespace geometry::model;

namespace {

Tdrawing_lines list_of(std::initializer_list<Tdrawing_line> lines)
{
    Tdrawing_lines list;
    for (const Tdrawing_line& l : lines)
        list.lines[++list.count] = l;
    return list;
}

std::vector<std::vector<long double>> ends(const Tdrawing_lines& list)
{
    std::vector<std::vector<long double>> out;
    for (int i = 1; i <= list.count; ++i)
        out.push_back({list.lines[i].x1, list.lines[i].y1, list.lines[i].x2, list.lines[i].y2});
    return out;
}

Tdrawing_lines merged(Tdrawing_lines list, bool join_touching, bool last_only = false)
{
    merge_collinear_lines(list, join_touching, last_only, 0.0001L, 0.0003L);
    return list;
}

} // namespace

TEST(LineMerging, OverlappingCollinearPiecesBecomeOneLinePointingRight)
{
    const Tdrawing_lines list = list_of({{0.5L, 0.5L, 0, 0}, {0.2L, 0.2L, 0.8L, 0.8L}, {0.7L, 0.7L, 1, 1}});
    EXPECT_EQ(ends(merged(list, false)), (std::vector<std::vector<long double>>{{0, 0, 1, 1}}));
    // A vertical chain, pointing up, and a piece lying inside another.
    const Tdrawing_lines vertical = list_of({{0.3L, 1, 0.3L, 0.4L}, {0.3L, 0.5L, 0.3L, 0.2L}, {0.30001L, 0.6L, 0.3L, 0.7L}});
    EXPECT_EQ(ends(merged(vertical, false)), (std::vector<std::vector<long double>>{{0.3L, 0.2L, 0.3L, 1}}));
}

TEST(LineMerging, LinesThatOnlyTouchJoinOnlyWhenAsked)
{
    const Tdrawing_lines list = list_of({{0, 0, 0.5L, 0}, {0.5L, 0, 1, 0}});
    EXPECT_EQ(merged(list, false).count, 2);
    EXPECT_EQ(ends(merged(list, true)), (std::vector<std::vector<long double>>{{0, 0, 1, 0}}));
    // Parallel lines a little apart, and lines at a slight angle, stay apart.
    EXPECT_EQ(merged(list_of({{0, 0, 1, 0}, {0.5L, 0.001L, 1.5L, 0.001L}}), true).count, 2);
    EXPECT_EQ(merged(list_of({{0, 0, 1, 0}, {0.5L, 0, 1.5L, 0.01L}}), true).count, 2);
    // Lines that overlap in x but not along their own line stay apart.
    EXPECT_EQ(merged(list_of({{0, 0, 1, 0}, {1.2L, 0, 2, 0}}), true).count, 2);
}

TEST(LineMerging, HighlightedLinesNeverMergeAndLastOnlyLooksAtTheLastLine)
{
    Tdrawing_lines list = list_of({{0, 0, 1, 0, true}, {0.5L, 0, 2, 0}});
    EXPECT_EQ(merged(list, true).count, 2);
    list = list_of({{0, 0, 1, 0}, {0.5L, 0, 2, 0, true}});
    EXPECT_EQ(merged(list, true).count, 2);

    list = list_of({{0, 0, 1, 0}, {0.5L, 0, 2, 0}, {5, 5, 6, 6}});
    EXPECT_EQ(merged(list, true, true).count, 3);
    list = list_of({{5, 5, 6, 6}, {0, 0, 1, 0}, {0.5L, 0, 2, 0}});
    EXPECT_EQ(ends(merged(list, true, true)), (std::vector<std::vector<long double>>{{5, 5, 6, 6}, {0, 0, 2, 0}}));
}

TEST(LineMerging, ExerciseLinesMergeInPixelsWithWiderTolerances)
{
    Tscreen_lines list;
    list.count = 3;
    list.lines[1] = {0, 0, 100, 0, true};
    list.lines[2] = {100, 0, 250, 1, false};   // a pixel off the line at its end: within the tolerances
    list.lines[3] = {40, 200, 40, 100, false};
    Tscreen_lines joined = list;
    merge_exercise_lines(joined, true, false);
    ASSERT_EQ(joined.count, 2);
    EXPECT_EQ(joined.lines[1].x1, 0);
    EXPECT_EQ(joined.lines[1].y1, 0);
    EXPECT_EQ(joined.lines[1].x2, 250);
    EXPECT_EQ(joined.lines[1].y2, 1);
    EXPECT_FALSE(joined.lines[1].highlighted) << "highlighting is cleared first";
    EXPECT_EQ(joined.lines[2].y1, 100) << "turned to point up";
    EXPECT_EQ(joined.lines[2].y2, 200);

    Tscreen_lines apart = list;
    merge_exercise_lines(apart, false, false);
    EXPECT_EQ(apart.count, 3);
}

// A level line a few pixels long is no vertical line: it never merges
// into the upright line that starts at its end, in whatever order the
// pupil draws them.
TEST(LineMerging, ShortLevelExerciseLinesStayBesideUprightOnes)
{
    const Tscreen_line level{88, 222, 95, 222, false}, upright{88, 222, 88, 235, false};
    for (const bool level_first : {true, false}) {
        Tscreen_lines list;
        list.count = 2;
        list.lines[1] = level_first ? level : upright;
        list.lines[2] = level_first ? upright : level;
        merge_exercise_lines(list, true, true);
        EXPECT_EQ(list.count, 2) << (level_first ? "level first" : "upright first");
    }
}

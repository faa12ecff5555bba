#include "geometry/model/line_merging.h"

#include <gtest/gtest.h>

TEST(LineMerging, CollinearPiecesBecomeOneLinePointingRightOrUp)
{
    using ends = std::vector<std::array<long double, 4>>;
    const struct { std::vector<Tdrawing_line> lines; bool join_touching, last_only; ends expected; } cases[] = {
        {{{0.5L, 0.5L, 0, 0}, {0.2L, 0.2L, 0.8L, 0.8L}, {0.7L, 0.7L, 1, 1}}, false, false, {{0, 0, 1, 1}}},
        {{{0.3L, 1, 0.3L, 0.4L}, {0.3L, 0.5L, 0.3L, 0.2L}, {0.30001L, 0.6L, 0.3L, 0.7L}}, false, false, {{0.3L, 0.2L, 0.3L, 1}}},
        {{{0, 0, 0.5L, 0}, {0.5L, 0, 1, 0}}, false, false, {{0, 0, 0.5L, 0}, {0.5L, 0, 1, 0}}},   // touching only
        {{{0, 0, 0.5L, 0}, {0.5L, 0, 1, 0}}, true, false, {{0, 0, 1, 0}}},
        {{{0, 0, 1, 0}, {0.5L, 0.001L, 1.5L, 0.001L}}, true, false, {{0, 0, 1, 0}, {0.5L, 0.001L, 1.5L, 0.001L}}},
        {{{0, 0, 1, 0}, {0.5L, 0, 1.5L, 0.01L}}, true, false, {{0, 0, 1, 0}, {0.5L, 0, 1.5L, 0.01L}}},
        {{{0, 0, 1, 0}, {1.2L, 0, 2, 0}}, true, false, {{0, 0, 1, 0}, {1.2L, 0, 2, 0}}},
        {{{0, 0, 1, 0, true}, {0.5L, 0, 2, 0}}, true, false, {{0, 0, 1, 0}, {0.5L, 0, 2, 0}}},   // highlighted
        {{{0, 0, 1, 0}, {0.5L, 0, 2, 0, true}}, true, false, {{0, 0, 1, 0}, {0.5L, 0, 2, 0}}},
        {{{0, 0, 1, 0}, {0.5L, 0, 2, 0}, {5, 5, 6, 6}}, true, true, {{0, 0, 1, 0}, {0.5L, 0, 2, 0}, {5, 5, 6, 6}}},
        {{{5, 5, 6, 6}, {0, 0, 1, 0}, {0.5L, 0, 2, 0}}, true, true, {{5, 5, 6, 6}, {0, 0, 2, 0}}},
    };
    for (const auto& c : cases) {
        Tdrawing_lines list;
        for (const Tdrawing_line& l : c.lines)
            list.lines[++list.count] = l;
        merge_collinear_lines(list, c.join_touching, c.last_only, 0.0001L, 0.0003L);
        ends got;
        for (int i = 1; i <= list.count; ++i)
            got.push_back({list.lines[i].x1, list.lines[i].y1, list.lines[i].x2, list.lines[i].y2});
        EXPECT_EQ(got, c.expected) << &c - cases;
    }
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
    const Tscreen_line &a = joined.lines[1], &b = joined.lines[2];
    EXPECT_EQ((std::vector{a.x1, a.y1, a.x2, a.y2, b.y1, b.y2}), (std::vector{0, 0, 250, 1, 100, 200}));
    EXPECT_FALSE(a.highlighted);   // highlighting is cleared first
    merge_exercise_lines(list, false, false);
    EXPECT_EQ(list.count, 3);
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
        EXPECT_EQ(list.count, 2) << level_first;
    }
}

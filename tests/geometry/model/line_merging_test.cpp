#include "geometry/model/line_merging.h"

#include <gtest/gtest.h>

using namespace foundation;
using namespace geometry::model;

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

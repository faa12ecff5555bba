#include "geometry/model/edge_visibility.h"
#include "platform/core/message_box.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using crossing = std::pair<long double, int>;
using stretch = std::pair<long double, int>;

std::vector<crossing> entries(const Tcrossing_list& list)
{
    std::vector<crossing> out;
    for (int i = 1; i <= list.count; ++i)
        out.push_back({list.entries[i].t, list.entries[i].code});
    return out;
}

Tcrossing_list crossings(std::initializer_list<crossing> added)
{
    Tcrossing_list list;
    for (const auto& [t, code] : added)
        add_crossing(static_cast<std::uint8_t>(code), list, t);
    return list;
}

std::vector<stretch> stretches(const Tedge_visibility& record)
{
    std::vector<stretch> out;
    for (int i = 1; i <= record.count; ++i)
        out.push_back({record.breakpoints[i].t, record.breakpoints[i].level});
    return out;
}

Tedge_visibility painted(std::initializer_list<std::pair<int, std::pair<long double, long double>>> paints)
{
    Tedge_visibility record = new_edge_visibility(false);
    for (const auto& [level, range] : paints)
        paint_edge_interval(static_cast<std::uint8_t>(level), record, range.first, range.second);
    return record;
}

} // namespace

TEST(Crossings, EntriesAndExitsSortAndCancelWhereTheyMeet)
{
    EXPECT_EQ(entries(crossings({{0.6L, 0}, {0.2L, 1}})), (std::vector<crossing>{{0.2L, 1}, {0.6L, 0}}));
    // A vertex touching the line: in and out at the same place cancel, either order.
    EXPECT_EQ(entries(crossings({{0.2L, 1}, {0.5L, 1}, {0.5L, 0}, {0.8L, 0}})),
              (std::vector<crossing>{{0.2L, 1}, {0.8L, 0}}));
    EXPECT_EQ(entries(crossings({{0.5L, 0}, {0.5L, 1}})), std::vector<crossing>{});
    // A pass through a vertex gives two entries there, counted once.
    EXPECT_EQ(entries(crossings({{0.3L, 1}, {0.30001L, 1}, {0.9L, 0}})), (std::vector<crossing>{{0.3L, 1}, {0.9L, 0}}));
}

TEST(Crossings, SidesOnTheLineJoinWhenTheyTouchOrOverlap)
{
    // Two sides end to end become one stretch.
    EXPECT_EQ(entries(crossings({{0.2L, 3}, {0.5L, 2}, {0.5L, 3}, {0.8L, 2}})), (std::vector<crossing>{{0.2L, 3}, {0.8L, 2}}));
    // An end past every entry moves the last end; a start before a start moves it.
    EXPECT_EQ(entries(crossings({{0.2L, 3}, {0.5L, 2}, {0.7L, 2}})), (std::vector<crossing>{{0.2L, 3}, {0.7L, 2}}));
    EXPECT_EQ(entries(crossings({{0.4L, 3}, {0.6L, 2}, {0.1L, 3}})), (std::vector<crossing>{{0.1L, 3}, {0.6L, 2}}));
    // A start inside a stretch adds nothing; an end inside one moves the earlier end.
    EXPECT_EQ(entries(crossings({{0.2L, 3}, {0.6L, 2}, {0.4L, 3}})), (std::vector<crossing>{{0.2L, 3}, {0.6L, 2}}));
    EXPECT_EQ(entries(crossings({{0.2L, 3}, {0.4L, 2}, {0.6L, 1}, {0.5L, 2}})),
              (std::vector<crossing>{{0.2L, 3}, {0.5L, 2}, {0.6L, 1}}));
    // Crossings at a side's ends go outside the stretch: an entry at its
    // start before it, one at its end after it.
    EXPECT_EQ(entries(crossings({{0.3L, 3}, {0.6L, 2}, {0.3L, 1}, {0.6L, 1}})),
              (std::vector<crossing>{{0.3L, 1}, {0.3L, 3}, {0.6L, 2}, {0.6L, 1}}));
}

TEST(Crossings, AListFullOfCrossingsRefusesTheNextWithoutWritingPastIt)
{
    Tcrossing_list list;
    for (int i = 0; i < max_crossings; ++i)
        add_crossing(static_cast<std::uint8_t>(i % 2 == 0 ? 1 : 0), list, i / 100.0L);
    ASSERT_EQ(list.count, max_crossings);
    EXPECT_FALSE(list.refused);
    add_crossing(1, list, 0.9L);
    add_crossing(1, list, 0.001L);
    EXPECT_EQ(list.count, max_crossings);
    EXPECT_TRUE(list.refused);
    EXPECT_EQ(list.entries[max_crossings].t, (max_crossings - 1) / 100.0L);
}

TEST(Crossings, RestrictingKeepsWhatLiesInTheRangeAndCutsStretchesAtItsEnds)
{
    Tcrossing_list list = crossings({{0.1L, 1}, {0.3L, 0}, {0.5L, 1}, {0.8L, 0}});
    restrict_crossings(list, 0.2L, 0.6L);
    EXPECT_EQ(entries(list), (std::vector<crossing>{{0.2L, 1}, {0.3L, 0}, {0.5L, 1}, {0.6L, 0}}));

    list = crossings({{0.1L, 1}, {0.3L, 0}, {0.5L, 1}, {0.8L, 0}});
    restrict_crossings(list, 0.35L, 0.45L);   // between two stretches
    EXPECT_EQ(entries(list), std::vector<crossing>{});

    list = crossings({{0.1L, 1}, {0.3L, 0}});
    restrict_crossings(list, 0.5L, 1);   // wholly before the range
    EXPECT_EQ(entries(list), std::vector<crossing>{});

    list = crossings({{0.1L, 3}, {0.9L, 2}});
    restrict_crossings(list, 0, 0.4L);
    EXPECT_EQ(entries(list), (std::vector<crossing>{{0.1L, 3}, {0.4L, 2}}));

    list = crossings({{0.5L, 0}, {0.7L, 1}, {0.9L, 0}});   // starts with an exit
    restrict_crossings(list, 0, 1);
    EXPECT_EQ(entries(list), (std::vector<crossing>{{0.7L, 1}, {0.9L, 0}}));
}

TEST(EdgeVisibility, PaintingRaisesLevelsAndMergesEqualNeighbours)
{
    EXPECT_EQ(stretches(new_edge_visibility(false)), (std::vector<stretch>{{0, 0}, {1, 2}}));
    EXPECT_EQ(stretches(new_edge_visibility(true)), (std::vector<stretch>{{0, 2}, {1, 2}}));

    EXPECT_EQ(stretches(painted({{1, {0.2L, 0.5L}}})), (std::vector<stretch>{{0, 0}, {0.2L, 1}, {0.5L, 0}, {1, 2}}));
    // Overlapping hidden stretches become one (the union of two hiding surfaces).
    EXPECT_EQ(stretches(painted({{1, {0.2L, 0.5L}}, {1, {0.4L, 0.7L}}})),
              (std::vector<stretch>{{0, 0}, {0.2L, 1}, {0.7L, 0}, {1, 2}}));
    EXPECT_EQ(stretches(painted({{1, {0.2L, 0.5L}}, {1, {0.5L, 0.7L}}})),
              (std::vector<stretch>{{0, 0}, {0.2L, 1}, {0.7L, 0}, {1, 2}}));
    // A lower level never lowers a higher one; a higher one cuts through.
    EXPECT_EQ(stretches(painted({{2, {0.3L, 0.6L}}, {1, {0.1L, 0.8L}}})),
              (std::vector<stretch>{{0, 0}, {0.1L, 1}, {0.3L, 2}, {0.6L, 1}, {0.8L, 0}, {1, 2}}));
    EXPECT_EQ(stretches(painted({{1, {0.1L, 0.8L}}, {2, {0.3L, 0.6L}}})),
              (std::vector<stretch>{{0, 0}, {0.1L, 1}, {0.3L, 2}, {0.6L, 1}, {0.8L, 0}, {1, 2}}));
    // Painting to the end joins the last breakpoint; the whole edge can end not drawn.
    EXPECT_EQ(stretches(painted({{2, {0.5L, 1}}})), (std::vector<stretch>{{0, 0}, {0.5L, 2}}));
    EXPECT_EQ(stretches(painted({{2, {0, 1}}})), (std::vector<stretch>{{0, 2}}));
    EXPECT_EQ(stretches(painted({{1, {0, 1}}})), (std::vector<stretch>{{0, 1}, {1, 2}}));
}

TEST(EdgeVisibility, APaintingOutsideTheEdgeIsReportedAndStillDone)
{
    platform::scripted_responder responder;
    const Tedge_visibility record = painted({{1, {0.5L, 1.01L}}});
    ASSERT_EQ(responder.count(), 1u);
    EXPECT_EQ(responder.last().text, "t1 te groot of t2 te klein");
    EXPECT_EQ(responder.last().flags, platform::MB_ICONERROR);
    EXPECT_EQ(stretches(record), (std::vector<stretch>{{0, 0}, {0.5L, 1}, {1, 2}}));
    painted({{1, {0, 1.00005L}}});
    EXPECT_EQ(responder.count(), 1u);
}

TEST(EdgeVisibility, ARecordOfTwentyBreakpointsRefusesMoreWithoutWritingPastIt)
{
    Tedge_visibility record = new_edge_visibility(false);
    for (int i = 0; i < 30; ++i)
        paint_edge_interval(1, record, 0.02L + i * 0.03L, 0.03L + i * 0.03L);
    EXPECT_EQ(record.count, max_breakpoints);
    EXPECT_TRUE(record.refused);
    for (int i = 2; i <= record.count; ++i)
        EXPECT_GT(record.breakpoints[i].t, record.breakpoints[i - 1].t);
}

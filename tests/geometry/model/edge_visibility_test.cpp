#include "geometry/model/edge_visibility.h"
#include "platform/core/message_box.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace geometry::model;

namespace {

using marks = std::vector<std::pair<long double, int>>;   // (t, crossing code or level)

marks entries(const Tcrossing_list& list)
{
    marks out;
    for (int i = 1; i <= list.count; ++i)
        out.push_back({list.entries[i].t, list.entries[i].code});
    return out;
}

Tcrossing_list crossings(const marks& added)
{
    Tcrossing_list list;
    for (const auto& [t, code] : added)
        add_crossing(static_cast<std::uint8_t>(code), list, t);
    return list;
}

marks stretches(const Tedge_visibility& record)
{
    marks out;
    for (int i = 1; i <= record.count; ++i)
        out.push_back({record.breakpoints[i].t, record.breakpoints[i].level});
    return out;
}

// Each painting is (level, (from, to)).
Tedge_visibility painted(std::initializer_list<std::pair<int, std::pair<long double, long double>>> paints)
{
    Tedge_visibility record = new_edge_visibility(false);
    for (const auto& [level, range] : paints)
        paint_edge_interval(static_cast<std::uint8_t>(level), record, range.first, range.second);
    return record;
}

} // namespace

// Codes: 1 entry, 0 exit, 3 start and 2 end of a side on the line.
TEST(Crossings, EntriesAndExitsSortCancelAndJoin)
{
    const struct { marks added, expected; } cases[] = {
        {{{0.6L, 0}, {0.2L, 1}}, {{0.2L, 1}, {0.6L, 0}}},
        {{{0.2L, 1}, {0.5L, 1}, {0.5L, 0}, {0.8L, 0}}, {{0.2L, 1}, {0.8L, 0}}},   // a vertex touching the line
        {{{0.5L, 0}, {0.5L, 1}}, {}},
        {{{0.3L, 1}, {0.30001L, 1}, {0.9L, 0}}, {{0.3L, 1}, {0.9L, 0}}},           // a pass through a vertex
        {{{0.2L, 3}, {0.5L, 2}, {0.5L, 3}, {0.8L, 2}}, {{0.2L, 3}, {0.8L, 2}}},   // sides end to end
        {{{0.2L, 3}, {0.5L, 2}, {0.7L, 2}}, {{0.2L, 3}, {0.7L, 2}}},
        {{{0.4L, 3}, {0.6L, 2}, {0.1L, 3}}, {{0.1L, 3}, {0.6L, 2}}},
        {{{0.2L, 3}, {0.6L, 2}, {0.4L, 3}}, {{0.2L, 3}, {0.6L, 2}}},
        {{{0.2L, 3}, {0.4L, 2}, {0.6L, 1}, {0.5L, 2}}, {{0.2L, 3}, {0.5L, 2}, {0.6L, 1}}},
        // Entries at a side's ends go outside it.
        {{{0.3L, 3}, {0.6L, 2}, {0.3L, 1}, {0.6L, 1}}, {{0.3L, 1}, {0.3L, 3}, {0.6L, 2}, {0.6L, 1}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(entries(crossings(c.added)), c.expected) << testing::PrintToString(c.added);
}

TEST(Crossings, RestrictingKeepsWhatLiesInTheRangeAndCutsStretchesAtItsEnds)
{
    const struct { marks added; long double from, to; marks expected; } cases[] = {
        {{{0.1L, 1}, {0.3L, 0}, {0.5L, 1}, {0.8L, 0}}, 0.2L, 0.6L, {{0.2L, 1}, {0.3L, 0}, {0.5L, 1}, {0.6L, 0}}},
        {{{0.1L, 1}, {0.3L, 0}, {0.5L, 1}, {0.8L, 0}}, 0.35L, 0.45L, {}},
        {{{0.1L, 1}, {0.3L, 0}}, 0.5L, 1, {}},
        {{{0.1L, 3}, {0.9L, 2}}, 0, 0.4L, {{0.1L, 3}, {0.4L, 2}}},
        {{{0.5L, 0}, {0.7L, 1}, {0.9L, 0}}, 0, 1, {{0.7L, 1}, {0.9L, 0}}},   // starting with an exit
    };
    for (const auto& c : cases) {
        Tcrossing_list list = crossings(c.added);
        restrict_crossings(list, c.from, c.to);
        EXPECT_EQ(entries(list), c.expected) << static_cast<double>(c.from) << ".." << static_cast<double>(c.to);
    }
}

TEST(Crossings, AListFullOfCrossingsRefusesTheNextWithoutWritingPastIt)
{
    Tcrossing_list list;
    for (int i = 0; i <= max_crossings; ++i)
        add_crossing(static_cast<std::uint8_t>(i % 2 == 0 ? 1 : 0), list, i < max_crossings ? i / 100.0L : 0.001L);
    EXPECT_EQ(list.count, max_crossings);
    EXPECT_TRUE(list.refused);
    EXPECT_EQ(list.entries[max_crossings].t, (max_crossings - 1) / 100.0L);
}

// Levels: 0 visible, 1 hidden, 2 not drawn.
TEST(EdgeVisibility, PaintingRaisesLevelsAndMergesEqualNeighbours)
{
    EXPECT_EQ(stretches(new_edge_visibility(true)), (marks{{0, 2}, {1, 2}}));
    const struct { Tedge_visibility record; marks expected; } cases[] = {
        {painted({}), {{0, 0}, {1, 2}}},
        {painted({{1, {0.2L, 0.5L}}}), {{0, 0}, {0.2L, 1}, {0.5L, 0}, {1, 2}}},
        {painted({{1, {0.2L, 0.5L}}, {1, {0.4L, 0.7L}}}), {{0, 0}, {0.2L, 1}, {0.7L, 0}, {1, 2}}},   // a union
        {painted({{1, {0.2L, 0.5L}}, {1, {0.5L, 0.7L}}}), {{0, 0}, {0.2L, 1}, {0.7L, 0}, {1, 2}}},
        {painted({{2, {0.3L, 0.6L}}, {1, {0.1L, 0.8L}}}), {{0, 0}, {0.1L, 1}, {0.3L, 2}, {0.6L, 1}, {0.8L, 0}, {1, 2}}},
        {painted({{1, {0.1L, 0.8L}}, {2, {0.3L, 0.6L}}}), {{0, 0}, {0.1L, 1}, {0.3L, 2}, {0.6L, 1}, {0.8L, 0}, {1, 2}}},
        {painted({{2, {0.5L, 1}}}), {{0, 0}, {0.5L, 2}}},
        {painted({{2, {0, 1}}}), {{0, 2}}},
        {painted({{1, {0, 1}}}), {{0, 1}, {1, 2}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(stretches(c.record), c.expected);
}

TEST(EdgeVisibility, APaintingOutsideTheEdgeIsReportedAndStillDone)
{
    platform::scripted_responder responder;
    const Tedge_visibility record = painted({{1, {0.5L, 1.01L}}, {1, {0, 1.00005L}}});
    ASSERT_EQ(responder.count(), 1u) << "within the tolerance: no message";
    EXPECT_EQ(responder.last().text, "t1 te groot of t2 te klein");
    EXPECT_EQ(responder.last().flags, platform::MB_ICONERROR);
    EXPECT_EQ(stretches(record), (marks{{0, 1}, {1, 2}}));
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

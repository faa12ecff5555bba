#include "geometry/model/edge_visibility.h"
#include "platform/core/message_box.h"

#include <gtest/gtest.h>

using namespace geometry::model;

TEST(Crossings, AFullListRefusesTheNextWithoutWritingPastIt)
{
    Tcrossing_list list;
    for (int i = 0; i <= max_crossings; ++i)
        add_crossing(static_cast<std::uint8_t>(i % 2 == 0 ? 1 : 0), list, i < max_crossings ? i / 100.0L : 0.001L);
    EXPECT_TRUE(list.count == max_crossings && list.refused);
    EXPECT_EQ(list.entries[max_crossings].t, (max_crossings - 1) / 100.0L);
}

TEST(EdgeVisibility, APaintingOutsideTheEdgeIsReportedAndStillDone)
{
    platform::scripted_responder responder;
    Tedge_visibility record = new_edge_visibility(false);
    paint_edge_interval(1, record, 0.5L, 1.01L);
    paint_edge_interval(1, record, 0, 1.00005L);   // within the tolerance: no message
    ASSERT_EQ(responder.count(), 1u);
    EXPECT_EQ(responder.last().text, "t1 te groot of t2 te klein");
    EXPECT_TRUE(record.count == 2 && record.breakpoints[1].level == 1 && record.breakpoints[2].t == 1);
}

TEST(EdgeVisibility, ARecordOfTwentyBreakpointsRefusesMoreWithoutWritingPastIt)
{
    Tedge_visibility record = new_edge_visibility(false);
    for (int i = 0; i < 30; ++i)
        paint_edge_interval(1, record, 0.02L + i * 0.03L, 0.03L + i * 0.03L);
    EXPECT_TRUE(record.count == max_breakpoints && record.refused);
    for (int i = 2; i <= record.count; ++i)
        EXPECT_GT(record.breakpoints[i].t, record.breakpoints[i - 1].t);
}

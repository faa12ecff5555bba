#include "geometry/model/hidden_lines.h"
#include "platform/core/message_box.h"
#include "tutor/engine/attractors.h"

#include <gtest/gtest.h>

using namespace foundation;
using namespace geometry::model;
using namespace tutor::engine;

namespace {

Tattractors of(std::initializer_list<Tinteger_point> points)
{
    Tattractors a;
    for (Tinteger_point p : points)
        add_attractor(a, p);
    return a;
}

} // namespace

TEST(Attractors, AClickSnapsToTheNearestWithinReachTheFirstOnEqualDistance)
{
    const Tattractors a = of({{100, 100}, {110, 100}, {104, 103}});
    Tinteger_point snapped{};
    ASSERT_TRUE(snap_to_attractor({105, 101}, false, a, snapped));
    EXPECT_EQ(snapped.x, 104);
    EXPECT_EQ(snapped.y, 103);
    ASSERT_TRUE(snap_to_attractor({105, 100}, false, of({{100, 100}, {110, 100}}), snapped));
    EXPECT_EQ(snapped.x, 100) << "both 5 away: the first";
    EXPECT_FALSE(snap_to_attractor({106, 100}, false, of({{100, 100}}), snapped)) << "6 across is too far";
    EXPECT_FALSE(snap_to_attractor({104, 104}, false, of({{100, 100}}), snapped)) << "8 together is too far";
    EXPECT_TRUE(snap_to_attractor({104, 103}, false, of({{100, 100}}), snapped));
    EXPECT_FALSE(snap_to_attractor({102, 100}, true, of({{100, 100}}), snapped)) << "fine: 2 is too far";
    EXPECT_TRUE(snap_to_attractor({101, 99}, true, of({{100, 100}}), snapped));
}

TEST(Attractors, AnEmptyListShowsTheStopMessageAndFindsNothing)
{
    platform::scripted_responder responder;
    Tinteger_point snapped{};
    EXPECT_FALSE(snap_to_attractor({1, 1}, false, {}, snapped));
    ASSERT_EQ(responder.count(), 1u);
    EXPECT_EQ(responder.last().text, "Strange and serious error: no attractors, please report to ZEV!");
    EXPECT_EQ(responder.last().flags, static_cast<unsigned>(platform::MB_ICONERROR));
}

TEST(Attractors, EachPointOnceAndNoMoreThanTwoHundred)
{
    Tscreen_drawing drawing;
    drawing.visible.count = 2;
    drawing.visible.lines[1] = {0, 0, 10, 0, false};
    drawing.visible.lines[2] = {10, 0, 10, 10, false};
    drawing.hidden.count = 1;
    drawing.hidden.lines[1] = {0, 0, 10, 10, false};
    Tattractors a;
    add_line_ends(a, drawing);
    EXPECT_EQ(a.count, 3);
    for (int i = 0; i < 300; ++i)
        add_attractor(a, {i, 50});
    EXPECT_EQ(a.count, max_attractors);
    EXPECT_FALSE(add_attractor(a, {1000, 1000}));
    EXPECT_TRUE(add_attractor(a, {0, 0})) << "one already there";
}

#include "geometry/model/hidden_lines.h"
#include "platform/core/message_box.h"
#include "tutor/engine/attractors.h"

#include <gtest/gtest.h>

TEST(Attractors, AClickSnapsToTheNearestWithinReachTheFirstOnEqualDistance)
{
    Tattractors a;
    for (Tinteger_point p : {Tinteger_point{100, 100}, {110, 100}, {104, 104}})
        add_attractor(a, p);
    // Click, fine snapping, found, snapped to.
    const std::tuple<Tinteger_point, bool, bool, Tinteger_point> cases[] = {
        {{105, 101}, false, true, {104, 104}}, {{105, 100}, false, true, {100, 100}}, {{96, 97}, false, true, {100, 100}},
        {{94, 100}, false, false, {}},         {{96, 96}, false, false, {}},          {{102, 100}, true, false, {}},
        {{101, 99}, true, true, {100, 100}}};
    for (const auto& [click, fine, found, expected] : cases) {
        Tinteger_point snapped{};
        EXPECT_EQ(snap_to_attractor(click, fine, a, snapped), found) << click.x << "," << click.y;
        EXPECT_TRUE(!found || points_equal(snapped, expected)) << click.x << "," << click.y;
    }
    platform::scripted_responder responder;
    EXPECT_FALSE(snap_to_attractor({1, 1}, false, {}, a.points[0]));
    EXPECT_EQ(responder.last().text, "Strange and serious error: no attractors, please report to ZEV!");
}

TEST(Attractors, EachPointOnceAndNoMoreThanTwoHundred)
{
    Tscreen_drawing drawing;
    drawing.visible.count = 2;
    drawing.hidden.count = 1;
    std::tie(drawing.visible.lines[1], drawing.visible.lines[2], drawing.hidden.lines[1]) =
        std::tuple(Tscreen_line{0, 0, 10, 0, false}, Tscreen_line{10, 0, 10, 10, false}, Tscreen_line{0, 0, 10, 10, false});
    Tattractors a;
    add_line_ends(a, drawing);
    EXPECT_EQ(a.count, 3);
    for (int i = 0; i < 300; ++i)
        add_attractor(a, {i, 50});
    EXPECT_EQ(a.count, max_attractors);
    EXPECT_FALSE(add_attractor(a, {1000, 1000}));
    EXPECT_TRUE(add_attractor(a, {0, 0}));   // one already there
}

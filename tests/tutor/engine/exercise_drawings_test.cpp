#include "geometry/model/kernel.h"
#include "geometry/model/projection_convention.h"
#include "geometry/model/screen_metrics.h"
#include "tests/geometry/prisms.h"
#include "tutor/engine/exercise_drawings.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace foundation;
using namespace geometry::model;
using namespace tutor::engine;

namespace {

const Tprojection_place front_place{2, {200, 200}, 1.0L};

// A box of side 1 around the origin; its faces silver (7).
Tsolid box()
{
    Tsolid solid;
    test_objects::add_box(solid, -0.5L, 0.5L, -0.5L, 0.5L, -0.5L, 0.5L);
    return test_objects::finished(solid);
}

// The edge from a front corner straight back.
int edge_along_z(const Tsolid& solid)
{
    for (int e = 1; e <= solid.edge_count; ++e) {
        const Tpoint3d& a = solid.vertices[solid.edges[e].from_vertex];
        const Tpoint3d& b = solid.vertices[solid.edges[e].to_vertex];
        if (a.x == b.x && a.y == b.y)
            return e;
    }
    return 0;
}

class ExerciseDrawings : public testing::Test {
protected:
    void SetUp() override
    {
        aspect = 1.0L;
        compute_pixel_scales();
    }
    void TearDown() override { set_projection_convention(false); }
};

} // namespace

TEST_F(ExerciseDrawings, TheThreeViewsFollowTheConvention)
{
    EXPECT_EQ(three_views(), (std::array<int, 3>{1, 2, 4}));
    set_projection_convention(true);
    EXPECT_EQ(three_views(), (std::array<int, 3>{1, 2, 0}));
}

TEST_F(ExerciseDrawings, AMarkedEdgeIsALineWhereItShowsAndAPointWhereItIsSeenEndOn)
{
    Tsolid solid = box();
    solid.marked_edge = static_cast<std::uint8_t>(edge_along_z(solid));
    ASSERT_NE(solid.marked_edge, 0);
    solid.edge_marked = true;
    Tconstruction_items front;
    want_marked_edge(front, solid_in_projection(solid, 2, false), front_place, 2);
    EXPECT_EQ(front.line_count, 0);
    ASSERT_EQ(front.point_count, 1);
    Tconstruction_items top;
    want_marked_edge(top, solid_in_projection(solid, 1, false), {1, {200, 200}, 1.0L}, 2);
    EXPECT_EQ(top.point_count, 0);
    ASSERT_EQ(top.line_count, 1);
    EXPECT_EQ(top.lines[0].width, 2);
    EXPECT_EQ(top.lines[0].from.x, top.lines[0].to.x) << "it runs up the top view";
}

TEST_F(ExerciseDrawings, LinesTakenOutAreWantedBackButNeverAllOfThem)
{
    const Tscreen_drawing drawing = drawing_at(solid_in_projection(box(), 2, false), front_place);
    Tscreen_drawing given = drawing;
    Tconstruction_items wanted;
    take_out_lines(given, wanted, 10, [](int) { return 0; });
    EXPECT_EQ(given.visible.count, 1);
    EXPECT_EQ(wanted.line_count, 3);
    // What is shown and what is wanted make the whole drawing again.
    Tconstruction_items all;
    want_drawing_lines(all, drawing, true);
    Tconstruction_items together = wanted;
    want_drawing_lines(together, given, true);
    ASSERT_EQ(together.line_count, all.line_count);
    for (const Tconstruction_line& l : all.line_list())
        EXPECT_TRUE(std::any_of(together.lines.begin(), together.lines.begin() + together.line_count,
                                [&](const Tconstruction_line& t) { return lines_equal(t, l); }));
}

TEST_F(ExerciseDrawings, TheCutBoxShowsOneSquareSectionInTheFrontView)
{
    const Tsolid cut = solid_in_projection(box(), 2, true);
    Tconstruction_items wanted;
    want_section_surfaces(wanted, cut, front_place);
    ASSERT_EQ(wanted.surface_count, 1);
    EXPECT_EQ(wanted.surfaces[0].corner_count, 4);
    const Tscreen_drawing drawing = drawing_at(cut, front_place);
    Tconstruction_items lines;
    want_drawing_lines(lines, drawing, false);
    EXPECT_EQ(lines.line_count, 4) << "the section's outline";
    for (int i = 0; i < 4; ++i) {
        const Tinteger_point c = wanted.surfaces[0].corners[static_cast<std::size_t>(i)];
        EXPECT_TRUE(std::any_of(lines.lines.begin(), lines.lines.begin() + 4, [c](const Tconstruction_line& l) {
            return points_equal(l.from, c) || points_equal(l.to, c);
        })) << "corner " << i << " ends a line";
    }
}

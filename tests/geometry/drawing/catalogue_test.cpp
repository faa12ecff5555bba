// The shipped catalogue as a drawing sheet: every object fills its views
// and stays inside its frame and cells at every turn the rotation buttons
// reach (quarter turns about the axes), and every drawing of it, whole or
// cut, keeps within the fixed limits without a message.
#include "geometry/model/cutting.h"
#include "geometry/model/hidden_lines.h"
#include "geometry/model/kernel.h"
#include "geometry/model/object_files.h"
#include "geometry/model/screen_metrics.h"
#include "geometry/drawing/views.h"
#include "platform/core/message_box.h"
#include "tests/geometry/sample_solids.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

using namespace foundation;
using namespace geometry::model;
using namespace geometry::drawing;

namespace {

// The 24 ways the rotation buttons can turn an object, each once.
std::vector<Tview_rotation> quarter_turns()
{
    std::vector<Tview_rotation> turns;
    std::vector<Tsolid> seen;
    Tsolid probe;
    probe.vertex_count = 2;
    probe.vertices[1] = {1, 0, 0};
    probe.vertices[2] = {0, 1, 0};
    for (int x = 0; x < 360; x += 90)
        for (int y = 0; y < 360; y += 90)
            for (int z = 0; z < 360; z += 90) {
                Tsolid turned = probe;
                rotate_solid(turned, x, y, false, z);
                const bool known = std::any_of(seen.begin(), seen.end(), [&](const Tsolid& s) {
                    for (int v = 1; v <= 2; ++v)
                        if (std::fabs(s.vertices[v].x - turned.vertices[v].x) + std::fabs(s.vertices[v].y - turned.vertices[v].y) +
                                std::fabs(s.vertices[v].z - turned.vertices[v].z) > 1e-6L)
                            return false;
                    return true;
                });
                if (!known) {
                    seen.push_back(turned);
                    turns.push_back({x, y, z});
                }
            }
    return turns;
}

const std::vector<Tview_rotation> turns = quarter_turns();

Tsolid turned_by(const Tsolid& solid, const Tview_rotation& r)
{
    Tsolid turned = solid;
    rotate_solid(turned, r.angle_x, r.angle_y, false, r.angle_z);
    return turned;
}

// The main window's frame and three cells, as large as a 640 x 480 window makes them.
class Catalogue : public testing::Test {
protected:
    void SetUp() override
    {
        aspect = 1.0L;
        compute_pixel_scales();
        views.set_oblique_frame({300, 60}, 300);
        views.layout_views({10, 10}, 150, american_three_views);
    }

    // Where a picture of the solid, turned by the angles, lies: its points' box.
    static platform::pixel_rect box_of(const Tsolid& solid, Tinteger_point centre, long double scale, bool perspective)
    {
        Tpicture picture;
        make_picture(solid, 0, 0, picture, perspective, centre.x, centre.y, scale, 0);
        platform::pixel_rect box{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
        for (int v = 1; v <= picture.vertex_count; ++v) {
            box.left = std::min(box.left, picture.points[v].x);
            box.right = std::max(box.right, picture.points[v].x);
            box.top = std::min(box.top, picture.points[v].y);
            box.bottom = std::max(box.bottom, picture.points[v].y);
        }
        return box;
    }

    Tviews views;
};

} // namespace

TEST_F(Catalogue, EveryObjectStaysInsideItsFrameAndCellsAtEveryTurn)
{
    // The label runs along the cell's foot, from 17/20 of its height.
    const int label_row = views.cell_height * 17 / 20 - 1;
    platform::scripted_responder responder;
    for (const auto& sample : test_objects::sample_solids())
        for (const Tview_rotation& r : turns) {
            Tsolid oblique = turned_by(sample.solid, r);
            give_isometric_turn(oblique);
            for (const bool perspective : {false, true}) {
                const platform::pixel_rect box = box_of(oblique, views.frame_centre(), views.frame_scale, perspective);
                EXPECT_TRUE(box.left > views.frame_left && box.right < views.frame_right && box.top > views.frame_top &&
                            box.bottom < views.frame_bottom)
                    << sample.name << " turned " << r.angle_x << " " << r.angle_y << " " << r.angle_z
                    << (perspective ? " in perspective" : "") << " leaves its frame";
            }
            const platform::pixel_rect cell = box_of(turned_by(sample.solid, r), views.cell_centre(2), views.view_scale, false);
            EXPECT_TRUE(cell.left > views.view_x[2] && cell.right < views.view_x[2] + views.cell_width &&
                        cell.top > views.view_y[2] && cell.bottom < views.view_y[2] + label_row)
                << sample.name << " turned " << r.angle_x << " " << r.angle_y << " " << r.angle_z << " leaves its cell";
        }
    EXPECT_EQ(responder.count(), 0u);
}

// As on a drawing sheet: the larger side of an object's largest view is
// at least half as long as its cell.
TEST_F(Catalogue, EveryObjectFillsItsViews)
{
    for (const auto& sample : test_objects::sample_solids()) {
        int largest = 0;
        for (const Tview_rotation& r : view_rotations) {
            const platform::pixel_rect box = box_of(turned_by(sample.solid, r), views.cell_centre(2), views.view_scale, false);
            largest = std::max({largest, box.right - box.left, box.bottom - box.top});
        }
        EXPECT_GE(2 * largest, views.cell_width) << sample.name;
    }
}

// Every picture, line drawing and cut the program can be asked for.
TEST_F(Catalogue, EveryDrawingAndCutAtEveryTurnKeepsWithinTheLimits)
{
    for (const auto& sample : test_objects::sample_solids())
        for (const Tview_rotation& r : turns) {
            const Tsolid turned = turned_by(sample.solid, r);
            Tsolid cut = turned;
            platform::scripted_responder responder;
            bool success = false, bridged = false;
            std::int32_t sections = 0;
            cut_solid(cut, success, sections, bridged);
            EXPECT_TRUE(success) << sample.name << " turned " << r.angle_x << " " << r.angle_y << " " << r.angle_z;
            for (const Tsolid* solid : std::array<const Tsolid*, 2>{&turned, &cut}) {
                Tsolid oblique = *solid;
                give_isometric_turn(oblique);
                for (const bool perspective : {false, true}) {
                    Tscreen_drawing drawing;
                    compute_hidden_line_drawing(oblique, 0, 0, 0, drawing, true, perspective, 0, 0, 1);
                    Tpicture picture;
                    make_picture(oblique, 0, 0, picture, perspective, 0, 0, 1, 0);
                }
            }
            Tscreen_drawing view;
            compute_hidden_line_drawing(turned, 0, 0, 0, view, true, false, 0, 0, 1);
            EXPECT_EQ(responder.count(), 0u) << sample.name << " turned " << r.angle_x << " " << r.angle_y << " "
                                             << r.angle_z << ": " << (responder.count() ? responder.last().text : "");
        }
}

// The section exercise has the pupil mark each section by its corners: a
// section with a hole, joined to its outline by a bridge, cannot be marked.
TEST_F(Catalogue, TheSectionExerciseCutsItsObjectsIntoSectionsAPupilCanMark)
{
    const auto& samples = test_objects::sample_solids();
    int used = 0;
    for (std::size_t n = 0; n < samples.size(); ++n) {
        bool in_exercise = false;
        for (int level = 1; level <= practice_levels; ++level)
            in_exercise |= exercise_object_table[0][static_cast<std::size_t>(level)].objects.test(n);
        if (!in_exercise)
            continue;
        ++used;
        Tsolid solid = samples[n].solid;
        bool success = false, bridged = false;
        std::int32_t sections = 0;
        platform::scripted_responder responder;
        cut_solid(solid, success, sections, bridged);
        EXPECT_TRUE(success && !bridged) << samples[n].name;
    }
    EXPECT_GE(used, 30);
}

// The shipped catalogue as a drawing sheet: every object fills its views
// and stays inside its frame and cells at every turn the rotation buttons
// reach (quarter turns about the axes), and every drawing of it, whole or
// cut, keeps within the fixed limits without a message.
#include "geometry/drawing/views.h"
#include "geometry/model/cutting.h"
#include "geometry/model/hidden_lines.h"
#include "geometry/model/kernel.h"
#include "geometry/model/object_files.h"
#include "geometry/model/screen_metrics.h"
#include "platform/core/message_box.h"
#include "tests/geometry/sample_solids.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

namespace {

// The 24 ways the rotation buttons can turn an object, each once: told apart by where x and y go.
std::vector<Tview_rotation> quarter_turns()
{
    std::vector<Tview_rotation> turns;
    std::vector<std::vector<long>> seen;
    for (int x = 0; x < 360; x += 90)
        for (int y = 0; y < 360; y += 90)
            for (int z = 0; z < 360; z += 90) {
                Tsolid probe;
                probe.vertices[1] = {1, 0, 0};
                probe.vertices[2] = {0, 1, 0};
                probe.vertex_count = 2;
                rotate_solid(probe, x, y, false, z);
                std::vector<long> where;
                for (const Tpoint3d& p : {probe.vertices[1], probe.vertices[2]})
                    where.insert(where.end(), {std::lround(p.x), std::lround(p.y), std::lround(p.z)});
                if (std::find(seen.begin(), seen.end(), where) == seen.end()) {
                    seen.push_back(where);
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

std::string turn_name(const std::string& name, const Tview_rotation& r)
{
    return name + " turned " + std::to_string(r.angle_x) + " " + std::to_string(r.angle_y) + " " + std::to_string(r.angle_z);
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

    // Where a picture of the solid lies: its points' box.
    static platform::pixel_rect box_of(const Tsolid& solid, Tinteger_point centre, long double scale, bool perspective)
    {
        Tpicture picture;
        make_picture(solid, 0, 0, picture, perspective, centre.x, centre.y, scale, 0);
        platform::pixel_rect box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
        for (int v = 1; v <= picture.vertex_count; ++v)
            box = {std::min(box.left, picture.points[v].x), std::min(box.top, picture.points[v].y),
                   std::max(box.right, picture.points[v].x), std::max(box.bottom, picture.points[v].y)};
        return box;
    }

    Tviews views;
};

} // namespace

TEST_F(Catalogue, EveryObjectStaysInsideItsFrameAndCellsAtEveryTurn)
{
    const int label_row = views.cell_height * 17 / 20 - 1;   // the label runs along the cell's foot
    for (const auto& sample : test_objects::sample_solids())
        for (const Tview_rotation& r : turns) {
            Tsolid oblique = turned_by(sample.solid, r);
            give_isometric_turn(oblique);
            for (const bool perspective : {false, true}) {
                const platform::pixel_rect box = box_of(oblique, views.frame_centre(), views.frame_scale, perspective);
                EXPECT_TRUE(box.left > views.frame_left && box.right < views.frame_right && box.top > views.frame_top &&
                            box.bottom < views.frame_bottom) << turn_name(sample.name, r) << " " << perspective;
            }
            const platform::pixel_rect cell = box_of(turned_by(sample.solid, r), views.cell_centre(2), views.view_scale, false);
            EXPECT_TRUE(cell.left > views.view_x[2] && cell.right < views.view_x[2] + views.cell_width &&
                        cell.top > views.view_y[2] && cell.bottom < views.view_y[2] + label_row) << turn_name(sample.name, r);
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
            EXPECT_TRUE(success) << turn_name(sample.name, r);
            for (Tsolid oblique : {turned, cut}) {
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
            EXPECT_EQ(responder.count() ? responder.last().text : "", "") << turn_name(sample.name, r);
        }
}

// The section exercise has the pupil mark each section by its corners: a
// section with a hole, joined to its outline by a bridge, cannot be marked.
TEST_F(Catalogue, TheSectionExerciseCutsItsObjectsIntoSectionsAPupilCanMark)
{
    const auto& samples = test_objects::sample_solids();
    int used = 0;
    for (std::size_t n = 0; n < samples.size(); ++n) {
        bool in_exercise = false, bridged = true, success = false;
        for (int level = 1; level <= practice_levels; ++level)
            in_exercise |= exercise_object_table[0][static_cast<std::size_t>(level)].objects.test(n);
        if (!in_exercise)
            continue;
        ++used;
        Tsolid solid = samples[n].solid;
        platform::scripted_responder responder;
        std::int32_t sections = 0;
        cut_solid(solid, success, sections, bridged);
        EXPECT_TRUE(success && !bridged) << samples[n].name;
    }
    EXPECT_GE(used, 30);
}

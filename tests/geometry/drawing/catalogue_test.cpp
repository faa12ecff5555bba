// The shipped catalogue at every turn the rotation buttons reach (quarter
// turns about the axes): every drawing of it, whole or cut, keeps within
// the fixed limits without a message.
#include "geometry/drawing/views.h"
#include "geometry/model/hidden_lines.h"
#include "geometry/model/kernel.h"
#include "geometry/model/object_files.h"
#include "platform/core/message_box.h"
#include "tests/geometry/sample_solids.h"

#include <gtest/gtest.h>

using namespace foundation;
using namespace geometry::model;
using namespace geometry::drawing;

namespace {

// The 24 ways the rotation buttons can turn an object, each once: each of
// the six sides brought to face the viewer, then four turns about z.
std::vector<test_objects::view> quarter_turns()
{
    std::vector<test_objects::view> turns;
    for (const auto& [x, y] : {std::pair{0, 0}, std::pair{0, 90}, std::pair{0, 180}, std::pair{0, 270}, std::pair{90, 0}, std::pair{270, 0}})
        for (int z = 0; z < 360; z += 90)
            turns.push_back({x, y, z, false});
    return turns;
}

} // namespace

// Every picture, line drawing and cut the program can be asked for.
TEST(Catalogue, EveryDrawingAndCutAtEveryTurnKeepsWithinTheLimits)
{
    for (const auto& sample : test_objects::sample_solids())
        for (const test_objects::view& r : quarter_turns()) {
            Tsolid turned = sample.solid;
            rotate_solid(turned, r.angle_x, r.angle_y, false, r.angle_z);
            Tsolid cut_turned = turned;
            const test_objects::cut_result result = test_objects::cut(cut_turned);
            EXPECT_TRUE(result.success && result.boxes.empty()) << sample.name << ", " << test_objects::describe(r);
            platform::scripted_responder responder;
            for (Tsolid oblique : {turned, cut_turned}) {
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
            EXPECT_EQ(responder.count() ? responder.last().text : "", "") << sample.name << ", " << test_objects::describe(r);
        }
}

// The section exercise has the pupil mark each section by its corners: a
// section with a hole, joined to its outline by a bridge, cannot be marked.
TEST(Catalogue, TheSectionExerciseCutsItsObjectsIntoSectionsAPupilCanMark)
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
        const test_objects::cut_result result = test_objects::cut(solid);
        EXPECT_TRUE(result.success && !result.bridged) << samples[n].name;
    }
    EXPECT_GE(used, 30);
}

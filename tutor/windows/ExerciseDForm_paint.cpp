// What the colouring exercise paints: the uncoloured picture and the
// coloured views, the pupil's colourings, and beside them the current
// colour's swatch or, in its place, the object in its colours.
#include "tutor/windows/ExerciseDForm.h"

#include "geometry/drawing/picture_drawing.h"
#include "geometry/drawing/views_canvas.h"
#include "platform/widgets/canvas_widget.h"

using namespace foundation;
using namespace geometry::drawing;
using namespace tutor::engine;

namespace tutor::windows {

namespace {

constexpr int swatch_height = 40;

} // namespace

platform::pixel_rect TExerciseDForm::swatch_rectangle() const
{
    const Tinteger_point origin = column_origin();
    return {origin.x, origin.y, origin.x + column_width() - 20, origin.y + swatch_height};
}

void TExerciseDForm::paint_objects(platform::Canvas& canvas)
{
    if (!laid_out() || surface_count_ == 0)
        return;
    window_views().draw_picture_in_frame(canvas, false, picture_, false, false, false);
    window_views().draw_views(canvas, false, true, true, true, false, false, current_solid());
    for (const Tcolouring_entry& entry : entries())
        fill_entry(canvas, entry);
    TExerciseForm::paint_objects(canvas);
    if (solution_views_)
        draw_solution(canvas);
    else
        draw_swatch(canvas, false);
}

// From the clicked point up to the black outlines.
void TExerciseDForm::fill_entry(platform::Canvas& canvas, const Tcolouring_entry& entry)
{
    const canvas_state_keeper keeper(canvas);
    canvas.set_brush({platform::brush_style::solid, entry.colour});
    canvas.flood_fill(entry.point.x, entry.point.y, platform::black, platform::flood_style::border);
}

void TExerciseDForm::draw_swatch(platform::Canvas& canvas, bool erase)
{
    const platform::pixel_rect r = swatch_rectangle();
    if (erase) {
        clear_rectangle(canvas, r);
        return;
    }
    const canvas_state_keeper keeper(canvas);
    canvas.set_pen({platform::black, 1, platform::pen_style::solid});
    canvas.set_brush({platform::brush_style::solid, current_colour_});
    canvas.rectangle(r.left, r.top, r.right, r.bottom);
}

void TExerciseDForm::draw_solution(platform::Canvas& canvas)
{
    solution_views_->draw_oblique(canvas, false, current_solid(), false, true, false, false, false, true, true, false);
}

// A second set of views, as wide as the column, where the swatch was.
void TExerciseDForm::show_wanted_parts()
{
    if (!solution_views_) {
        solution_views_ = std::make_unique<Tviews>();
        const int width = column_width() - 20;
        const int width_of_frame = solution_views_->set_oblique_frame(column_origin(), width * 3 / 4);
        solution_views_->frame_scale = fitted_frame_scale(current_solid(), width_of_frame, width * 3 / 4,
                                                          solution_views_->frame_scale);
    }
    platform::Canvas& canvas = client_area().canvas();
    draw_swatch(canvas, true);
    draw_solution(canvas);
    client_area().show_changes();
}

void TExerciseDForm::remove_wanted_parts()
{
    platform::Canvas& canvas = client_area().canvas();
    if (solution_views_) {
        const Tviews& s = *solution_views_;
        clear_rectangle(canvas, {s.frame_left - 2, s.frame_top - 2, s.frame_right + 2, s.frame_bottom + 2});
        solution_views_.reset();
    }
    draw_swatch(canvas, false);
    client_area().show_changes();
}

} // namespace tutor::windows

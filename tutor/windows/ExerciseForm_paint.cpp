// Painting the exercise window: the palette, the projections shown for
// reference, the drawing areas with the pupil's work in blue, the corners
// of a surface being clicked, and the solution in red.
#include "tutor/windows/ExerciseForm.h"

#include "geometry/drawing/hidden_lines_drawing.h"
#include "geometry/drawing/screen_drawing.h"
#include "geometry/drawing/views_canvas.h"
#include "tutor/windows/ExerciseControls.h"

using namespace foundation;
using namespace geometry::model;
using namespace geometry::drawing;
using namespace tutor::engine;

namespace tutor::windows {

void TExerciseForm::FormPaint(platform::Canvas& canvas)
{
    palette_->draw_tools();
    paint_objects(canvas);
}

void TExerciseForm::paint_objects(platform::Canvas& canvas)
{
    if (!laid_out_ || !object_installed_ || area_count_ == 0)
        return;
    const canvas_state_keeper keeper(canvas);
    canvas.set_background_mode(platform::text_background::transparent);
    paint_references(canvas);
    for (int i = 0; i < area_count_; ++i)
        paint_area(canvas, areas_[static_cast<std::size_t>(i)]);
    views_.draw_view_labels(canvas);
    views_.draw_symbol(canvas, true, false, {}, american_);
    if (solution_painted_)
        for (int i = 0; i < area_count_; ++i)
            paint_items(canvas, areas_[static_cast<std::size_t>(i)].record.wanted, colours_[2]);
    paint_pending(canvas);
}

// As line drawings with hidden lines dashed and the marked edge in blue;
// the cut object as a coloured picture with its sections hatched. The
// picture is drawn larger than the view arrows would leave room for, so
// they are left out.
void TExerciseForm::paint_references(platform::Canvas& canvas)
{
    if (reference_frame_) {
        if (cut_exercise())
            views_.draw_oblique(canvas, false, solid_, false, true, false, false, false, true, true, true);
        else
            views_.draw_oblique(canvas, false, solid_, false, false, false, false, true, true, false, false);
    }
    for (int k = 0; k < view_count; ++k)
        if (reference_views_[static_cast<std::size_t>(k)])
            views_.draw_view(canvas, false, false, false, true, k, true, true, solid_);
}

void TExerciseForm::paint_area(platform::Canvas& canvas, const Tconstruction_area& area)
{
    if (area.projection == oblique_projection)
        draw_screen_drawing(canvas, area.given_drawing, colours_[0], false);
    else
        views_.draw_drawing_in_view(canvas, false, kind_ == exercise_kind::construction, colours_[0], area.projection,
                                    area.given_drawing);
    paint_items(canvas, area.record.pupil, colours_[1]);
}

void TExerciseForm::paint_items(platform::Canvas& canvas, const Tconstruction_items& items, platform::colour_ref colour)
{
    const canvas_state_keeper keeper(canvas);
    canvas.set_pen({colour, 1, platform::pen_style::none});
    canvas.set_brush({platform::brush_style::forward_diagonal, colour});
    for (const Tconstruction_surface& s : items.surface_list())
        canvas.polygon({s.corners.data(), std::size_t(s.corner_count)});
    for (const Tconstruction_line& l : items.line_list())
        draw_patterned_line(canvas, l.from, l.to, false, 1, l.width, colour,
                            l.kind == dashed_kind ? dashed_pattern : solid_pattern);
    for (Tinteger_point p : items.marked_points())
        draw_cross(canvas, p, colour);
}

void TExerciseForm::paint_pending(platform::Canvas& canvas)
{
    if (pending_region_ == 0 || pending_count_ < 2)
        return;
    const canvas_state_keeper keeper(canvas);
    canvas.set_pen({colours_[2], 1, platform::pen_style::solid});
    canvas.polyline({pending_points_.data(), std::size_t(pending_count_)});
}

} // namespace tutor::windows

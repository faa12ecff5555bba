// The pupil's mouse in the exercise window: the tools, and clicks in the
// drawing areas becoming lines, marked points and surfaces, or rubbing
// them out.
#include "tutor/windows/ExerciseForm.h"

#include "platform/core/beep.h"
#include "platform/widgets/canvas_widget.h"
#include "tutor/windows/ExerciseControls.h"
#include "tutor/windows/Regions.h"

using namespace foundation;
using namespace tutor::engine;

namespace tutor::windows {

void TExerciseForm::FormMouseMove(Tinteger_point point)
{
    if (regions_)
        regions_->track_mouse(point, showing_solution());
}

void TExerciseForm::FormMouseDown(Qt::MouseButton button, Tinteger_point point, bool fine)
{
    fine_ = fine;
    if (button == Qt::LeftButton && palette_->tool_at(point)) {
        choose_tool();
        return;
    }
    if (showing_solution()) {
        platform::beep();
        return;
    }
    if (button != Qt::LeftButton)
        return;
    const int region = regions_ ? regions_->region_at(point) : 0;
    if (region == 0 && regions_needed_)
        return;
    client_area().canvas().set_background_mode(platform::text_background::transparent);
    handle_point(region, point);
}

void TExerciseForm::choose_tool()
{
    const int previous = current_tool_;
    current_tool_ = palette_->current_tool();
    tool_changed(previous);
    if (!regions_)
        return;
    regions_->set_cursor_kind(current_tool_ == rubout_tool ? 2 : construction_cursor_kind);
    if (current_tool_ == surface_tool || current_tool_ == rubout_tool)
        for (int k = 1; k <= regions_->count(); ++k)
            regions_->region(k).erase_region_feedback();
    regions_->set_band_style(current_tool_ == dashed_line_tool ? dashed_band_style : 1);
}

// A run of lines goes on with the other line tool; anything else ends what was begun.
void TExerciseForm::tool_changed(int previous_tool)
{
    const bool line_tool_before = previous_tool == solid_line_tool || previous_tool == dashed_line_tool;
    const bool line_tool_now = current_tool_ == solid_line_tool || current_tool_ == dashed_line_tool;
    if (pending_region_ != 0 && !(line_tool_before && line_tool_now)) {
        const bool corners_shown = pending_count_ > 1;
        end_pending();
        if (corners_shown)
            repaint_construction();
    }
}

void TExerciseForm::handle_point(int region, Tinteger_point point)
{
    if (region < 1 || region > area_count_)
        return;
    switch (current_tool_) {
    case solid_line_tool:
    case dashed_line_tool:
        line_point(region, point, current_tool_);
        break;
    case surface_tool:
        surface_corner(region, point);
        break;
    case rubout_tool:
        rub_out(region, point);
        break;
    default:
        platform::beep();
        break;
    }
}

Tconstruction_items& TExerciseForm::pupil_items(int region)
{
    return areas_[static_cast<std::size_t>(region - 1)].record.pupil;
}

// The first click begins a line; the next one ends it at another point.
// Clicking the same point again ends the run instead, and where points are
// marked (the indicate exercises) marks it when no line was drawn from it.
void TExerciseForm::line_point(int region, Tinteger_point point, int tool)
{
    Tinteger_point snapped;
    if (!continues_pending(region, point, snapped))
        return;
    const Tinteger_point anchor = pending_points_[static_cast<std::size_t>(pending_count_ - 1)];
    const bool indicating = kind_ == exercise_kind::indicate;
    if (points_equal(snapped, anchor)) {
        const bool marked = indicating && !pending_drew_line_ && add_marked_point(pupil_items(region), snapped);
        if (indicating && !pending_drew_line_ && !marked)
            platform::beep();
        end_pending();
        if (marked)
            repaint_construction();
        return;
    }
    const int kind = tool == dashed_line_tool ? dashed_kind : solid_kind;
    if (!add_construction_line(pupil_items(region), {kind, indicating ? 2 : 1, anchor, snapped})) {
        platform::beep();
        return;
    }
    if (indicating) {
        end_pending();
    } else {
        pending_points_[0] = snapped;
        pending_count_ = 1;
        pending_drew_line_ = true;
    }
    repaint_construction();
}

// Corners one after another; the first one clicked again closes the surface.
void TExerciseForm::surface_corner(int region, Tinteger_point point)
{
    Tinteger_point snapped;
    if (!continues_pending(region, point, snapped))
        return;
    if (points_equal(snapped, pending_points_[0]) && pending_count_ >= 3) {
        const bool added = add_construction_surface(pupil_items(region), {pending_points_.data(), std::size_t(pending_count_)});
        if (!added)
            platform::beep();
        end_pending();
        repaint_construction();
        return;
    }
    if (points_equal(snapped, pending_points_[static_cast<std::size_t>(pending_count_ - 1)])
        || pending_count_ >= max_surface_corners) {
        platform::beep();
        return;
    }
    pending_points_[static_cast<std::size_t>(pending_count_++)] = snapped;
    repaint_construction();
}

void TExerciseForm::rub_out(int region, Tinteger_point point)
{
    if (rub_out_at(pupil_items(region), point))
        repaint_construction();
    else
        platform::beep();
}

// The click snapped to a point of the area; one that finds none beeps. The
// first point in an area begins a run or a surface there, and that is all
// the click does; otherwise the click goes on with what was begun.
bool TExerciseForm::continues_pending(int region, Tinteger_point point, Tinteger_point& snapped)
{
    if (!snap_to_attractor(point, fine_, area(region).attractors, snapped)) {
        platform::beep();
        return false;
    }
    if (pending_region_ == region)
        return true;
    end_pending();
    start_pending(region, snapped);
    return false;
}

void TExerciseForm::start_pending(int region, Tinteger_point point)
{
    pending_region_ = region;
    pending_points_[0] = point;
    pending_count_ = 1;
    pending_drew_line_ = false;
    arm_band();
}

void TExerciseForm::end_pending()
{
    if (pending_region_ != 0 && regions_ && pending_region_ <= regions_->count())
        regions_->region(pending_region_).erase_region_feedback();
    pending_region_ = 0;
    pending_count_ = 0;
    pending_drew_line_ = false;
}

// The rubber band runs from the last point clicked.
void TExerciseForm::arm_band()
{
    if (pending_region_ == 0 || !regions_ || pending_region_ > regions_->count())
        return;
    Tregion& r = regions_->region(pending_region_);
    r.band_on = true;
    r.anchor = pending_points_[static_cast<std::size_t>(pending_count_ - 1)];
    r.colour = colours_[2];
}

} // namespace tutor::windows

// Setting the exercise window up for one exercise: the tools, the layout of
// the projections, and per object what the pupil is shown and what the
// exercise wants.
#include "tutor/windows/ExerciseForm.h"

#include "geometry/model/object_files.h"
#include "platform/widgets/canvas_widget.h"
#include "tutor/windows/ExerciseControls.h"
#include "tutor/windows/Regions.h"
#include "tutor/windows/exercise_windows.h"

#include <QPushButton>

#include <algorithm>

using namespace foundation;
using namespace geometry::model;
using namespace geometry::drawing;
using namespace tutor::engine;

namespace tutor::windows {

namespace {

constexpr int margin = 10;

// The normal views the layout shows, in the order of the cells.
std::vector<int> shown_views(const Tviews& views, const std::array<int, view_count>& order)
{
    std::vector<int> shown;
    for (int k : order)
        if (views.view_shown[static_cast<std::size_t>(k)])
            shown.push_back(k);
    return shown;
}

} // namespace

void TExerciseForm::begin_setup(int exercise, int level, bool test_mode, const Tsetup& setup)
{
    init_before_show(exercise, level, test_mode);
    kind_ = setup.kind;
    mode_ = setup.mode;
    tool_set_ = setup.tool_set;
    initial_tool_ = setup.initial_tool;
    regions_needed_ = setup.regions_needed;
    american_ = !mirror_objects;
    view_order_ = american_ ? std::array<int, view_count>{0, 1, 2, 3, 4, 5} : std::array<int, view_count>{4, 3, 2, 1, 0, 5};
    area_count_ = std::clamp(setup.areas, 0, max_areas);
    if (!regions_)
        regions_ = std::make_unique<Tregions>(client_area());
    end_pending();
    regions_->setup_regions(setup.regions, true);
    object_installed_ = false;
    laid_out_ = false;
    solution_painted_ = false;
}

void TExerciseForm::init_indicate_exercise(int exercise, int mode, int level, bool test_mode)
{
    begin_setup(exercise, level, test_mode,
                {exercise_kind::indicate, mode, solid_line_tool | rubout_tool, solid_line_tool, mode == 1 ? 1 : 3,
                 mode == 1 ? 1 : 3, true});
}

void TExerciseForm::init_add_line_exercise(int exercise, int mode, int level, bool test_mode)
{
    begin_setup(exercise, level, test_mode,
                {exercise_kind::add_line, mode, solid_line_tool | dashed_line_tool | rubout_tool, solid_line_tool,
                 mode == 1 ? 1 : 3, mode == 1 ? 1 : 3, true});
}

void TExerciseForm::init_construction_exercise(int exercise, int mode, int level, bool test_mode)
{
    const int tools = solid_line_tool | dashed_line_tool | rubout_tool | (mode == 4 ? surface_tool : 0);
    const int areas = mode == 3 ? 3 : 1;
    begin_setup(exercise, level, test_mode,
                {exercise_kind::construction, mode, tools, solid_line_tool, areas, areas, true});
}

void TExerciseForm::set_up_exercise(int exercise, int variant, int level, bool test_mode)
{
    switch (exercise_served_by(exercise).window) {
    case exercise_window::indicate:
        init_indicate_exercise(exercise, variant, level, test_mode);
        break;
    case exercise_window::add_line:
        init_add_line_exercise(exercise, variant, level, test_mode);
        break;
    case exercise_window::construction:
        init_construction_exercise(exercise, variant, level, test_mode);
        break;
    case exercise_window::colouring:
        TPracticeForm::set_up_exercise(exercise, variant, level, test_mode);
        break;
    }
}

void TExerciseForm::install_next_object(int object_number, bool later)
{
    load_object(object_number, solid_);
    solid_.edge_marked = false;
    if (kind_ == exercise_kind::indicate) {
        const std::array<int, 3> views = three_views();
        solid_.marked_edge = static_cast<std::uint8_t>(
            choose_marked_edge(solid_, mode_ == 2 ? std::span<const int>(views) : std::span<const int>(), choose_));
        solid_.edge_marked = true;
    }
    missing_choice_ = choose(six_view_layout() ? 6 : 3);
    object_installed_ = true;
    solution_painted_ = false;
    if (laid_out_)
        prepare_installed_object();
    if (later)
        repaint_construction();
}

// Each object as large as its cells and frame let it be.
void TExerciseForm::prepare_installed_object()
{
    views_.view_scale = fitted_view_scale(solid_, views_.cell_width, views_.cell_height, usual_view_scale_);
    views_.frame_scale = fitted_frame_scale(solid_, views_.frame_width, views_.frame_height, usual_frame_scale_);
    prepare_object();
}

// The palette at the top of the column beside the views, above the buttons;
// the views and the frame fill the rest.
void TExerciseForm::lay_out_window()
{
    const int width = client_area().width();
    const int height = client_area().height();
    const auto* ready = findChild<QPushButton*>("ready_button");
    const int tools_width = 2 * palette_->button_width();
    column_width_ = std::max(tools_width, ready ? ready->width() : 0) + 2 * margin;
    const int column_left = width - column_width_;
    palette_->place_tools(column_left + (column_width_ - tools_width) / 2, margin);
    column_origin_ = {column_left + margin, margin + 2 * palette_->button_height() + margin};
    const Tworkbench_layout layout = exercise_layout(column_left, height, six_view_layout());
    views_.set_oblique_frame(layout.frame_origin, layout.frame_height);
    views_.layout_views(layout.views_origin, layout.cell_height, six_view_layout() ? six_view_mode : three_view_mode);
    usual_view_scale_ = views_.view_scale;
    usual_frame_scale_ = views_.frame_scale;
    laid_out_ = true;
}

Tprojection_place TExerciseForm::place_of(int projection) const
{
    if (projection == oblique_projection)
        return {projection, views_.frame_centre(), views_.frame_scale};
    return {projection, views_.cell_centre(projection), views_.view_scale};
}

platform::pixel_rect TExerciseForm::projection_rectangle(int projection) const
{
    if (projection == oblique_projection)
        return {views_.frame_left, views_.frame_top, views_.frame_right - 1, views_.frame_bottom - 1};
    const int x = views_.view_x[static_cast<std::size_t>(projection)];
    const int y = views_.view_y[static_cast<std::size_t>(projection)];
    return {x, y, x + views_.cell_width - 1, y + views_.cell_height - 1};
}

// Which projections are drawing areas and which are shown for reference.
void TExerciseForm::plan_projections()
{
    reference_frame_ = false;
    reference_views_ = {};
    const std::vector<int> shown = shown_views(views_, view_order_);
    std::vector<int> worked;
    const bool in_picture = (kind_ == exercise_kind::indicate || kind_ == exercise_kind::add_line) && mode_ == 1;
    if (in_picture) {
        worked = {oblique_projection};
    } else if (kind_ == exercise_kind::construction && mode_ == 4) {
        worked = {2};   // the front view looks at the section
    } else if (kind_ == exercise_kind::construction && mode_ != 3 && !shown.empty()) {
        worked = {shown[static_cast<std::size_t>(missing_choice_) % shown.size()]};
    } else {
        worked = shown;
    }
    reference_frame_ = !in_picture;
    for (int k : shown)
        reference_views_[static_cast<std::size_t>(k)] = std::find(worked.begin(), worked.end(), k) == worked.end();
    area_count_ = std::min(static_cast<int>(worked.size()), max_areas);
    for (int i = 0; i < area_count_; ++i)
        areas_[static_cast<std::size_t>(i)].projection = worked[static_cast<std::size_t>(i)];
}

void TExerciseForm::prepare_object()
{
    end_pending();
    plan_projections();
    for (int i = 0; i < area_count_; ++i)
        prepare_area(areas_[static_cast<std::size_t>(i)], i + 1);
}

void TExerciseForm::prepare_area(Tconstruction_area& area, int region)
{
    const Tprojection_place place = place_of(area.projection);
    Tsolid plain = solid_;
    plain.edge_marked = false;
    const Tsolid turned = solid_in_projection(plain, area.projection, cut_exercise());
    area.wanted_drawing = drawing_at(turned, place);
    area.given_drawing = area.wanted_drawing;
    area.record = {};
    gather_attractors(area.attractors, turned, area.wanted_drawing, place);
    switch (kind_) {
    case exercise_kind::indicate:
        want_marked_edge(area.record.wanted, solid_in_projection(solid_, area.projection, false), place, 2);
        break;
    case exercise_kind::add_line:
        take_out_lines(area.given_drawing, area.record.wanted, level() + (mode_ == 1 ? 1 : 0), choose_);
        break;
    case exercise_kind::construction:
        area.given_drawing = {};
        want_drawing_lines(area.record.wanted, area.wanted_drawing, !cut_exercise());
        if (cut_exercise())
            want_section_surfaces(area.record.wanted, turned, place);
        break;
    default:
        break;
    }
    if (regions_ && region <= regions_->count()) {
        Tregion& r = regions_->region(region);
        r.rectangle = projection_rectangle(area.projection);
        r.colour = colours_[2];
    }
}

void TExerciseForm::repaint_construction()
{
    if (regions_)
        for (int k = 1; k <= regions_->count(); ++k)
            regions_->region(k).erase_region_feedback();
    client_area().repaint_picture();
    arm_band();
}

} // namespace tutor::windows

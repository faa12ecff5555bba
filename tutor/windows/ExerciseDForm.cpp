// The colouring exercise: its set-up, the surfaces of the picture, the
// pupil's clicks and the judging.
#include "tutor/windows/ExerciseDForm.h"

#include "geometry/drawing/picture_drawing.h"
#include "platform/core/beep.h"
#include "platform/widgets/canvas_widget.h"
#include "tutor/windows/Regions.h"

#include <algorithm>
#include <stdexcept>
#include <string>

using namespace foundation;
using namespace geometry::drawing;
using namespace tutor::engine;

namespace tutor::windows {

namespace {

// Colours agree when the high four bits of each of red, green and blue do.
constexpr platform::colour_ref significant_bits = 0xF0F0F0;

} // namespace

TExerciseDForm::TExerciseDForm(practice_main_window* main_window, QWidget* parent) : TExerciseForm(main_window, parent)
{
    setObjectName("ExerciseDForm");
}

TExerciseDForm::~TExerciseDForm() = default;

void TExerciseDForm::init_colouring_exercise(int exercise, int level, bool test_mode)
{
    begin_setup(exercise, level, test_mode, {exercise_kind::colouring, 0, 0, 0, 0, 1, false});
    current_colour_ = platform::white;
    entry_count_ = 0;
    surface_count_ = 0;
}

void TExerciseDForm::set_up_exercise(int exercise, int, int level, bool test_mode)
{
    init_colouring_exercise(exercise, level, test_mode);
}

void TExerciseDForm::install_next_object(int object_number, bool later)
{
    entry_count_ = 0;
    TExerciseForm::install_next_object(object_number, later);
}

void TExerciseDForm::prepare_object()
{
    picture_ = window_views().picture_in_frame(current_solid());
    make_surface_regions();
    if (regions() && regions()->count() >= 1) {
        Tregion& frame = regions()->region(1);
        frame.rectangle = projection_rectangle(oblique_projection);
        frame.colour = colours()[2];
    }
}

// Surfaces 1, 2, ... of the picture until one has no region.
void TExerciseDForm::make_surface_regions()
{
    surface_count_ = 0;
    while (surface_count_ < max_coloured_surfaces) {
        const std::size_t i = static_cast<std::size_t>(surface_count_);
        if (!surface_region(picture_, surface_count_ + 1, surface_regions_[i], surface_colours_[i]))
            break;
        ++surface_count_;
    }
    for (std::size_t i = static_cast<std::size_t>(surface_count_); i < surface_regions_.size(); ++i)
        surface_regions_[i] = {};
}

const platform::polygon_region& TExerciseDForm::surface_region_of(int k) const
{
    if (k < 1 || k > surface_count_)
        throw std::out_of_range("surface " + std::to_string(k) + " outside 1.." + std::to_string(surface_count_));
    return surface_regions_[static_cast<std::size_t>(k - 1)];
}

platform::colour_ref TExerciseDForm::surface_colour_of(int k) const
{
    surface_region_of(k);
    return surface_colours_[static_cast<std::size_t>(k - 1)];
}

// The last drawn surface holding the point lies on top of the others there.
int TExerciseDForm::surface_at(Tinteger_point point) const
{
    for (int k = surface_count_; k >= 1; --k)
        if (surface_regions_[static_cast<std::size_t>(k - 1)].contains(point.x, point.y))
            return k;
    return 0;
}

void TExerciseDForm::handle_point(int region, Tinteger_point point)
{
    platform::Canvas& canvas = client_area().canvas();
    const int surface = surface_at(point);
    const platform::colour_ref colour = canvas.pixel(point.x, point.y);
    if (region == 0) {
        if (colour != platform::black)
            current_colour_ = colour;
        draw_swatch(canvas, false);
        client_area().show_changes();
        return;
    }
    if (surface == 0 || colour == platform::black) {
        platform::beep();
        return;
    }
    if (colour_surface(surface, point)) {
        fill_entry(canvas, entries_[static_cast<std::size_t>(entry_count_ - 1)]);
        client_area().show_changes();
    }
}

// Only the last colouring of a surface counts; whether it was taken.
bool TExerciseDForm::colour_surface(int surface, Tinteger_point point)
{
    const auto end = entries_.begin() + entry_count_;
    entry_count_ = static_cast<int>(
        std::remove_if(entries_.begin(), end, [surface](const Tcolouring_entry& e) { return e.surface == surface; })
        - entries_.begin());
    const bool correct
        = (current_colour_ & significant_bits) == (surface_colours_[static_cast<std::size_t>(surface - 1)] & significant_bits);
    if (entry_count_ >= max_coloured_surfaces)
        return false;
    entries_[static_cast<std::size_t>(entry_count_++)] = {point, current_colour_, surface, correct};
    return true;
}

bool TExerciseDForm::construction_incomplete()
{
    const auto list = entries();
    return entry_count_ < surface_count_
        && std::all_of(list.begin(), list.end(), [](const Tcolouring_entry& e) { return e.correct; });
}

bool TExerciseDForm::construction_OK()
{
    const auto list = entries();
    return !construction_incomplete()
        && std::all_of(list.begin(), list.end(), [](const Tcolouring_entry& e) { return e.correct; });
}

void TExerciseDForm::FormClose()
{
    TExerciseForm::FormClose();
    solution_views_.reset();
    surface_count_ = 0;
    for (platform::polygon_region& r : surface_regions_)
        r = {};
}

} // namespace tutor::windows

// The exercise window's life: creation, showing, closing, the keyboard,
// and the judging of the pupil's construction.
#include "tutor/windows/ExerciseForm.h"

#include "platform/widgets/canvas_widget.h"
#include "tutor/windows/ExerciseControls.h"
#include "tutor/windows/Regions.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include <random>
#include <stdexcept>
#include <string>

using namespace foundation;
using namespace tutor::engine;

namespace tutor::windows {

namespace {

constexpr int escape_key = 27;

Tinteger_point point_of(const QMouseEvent& event)
{
    const QPoint p = event.position().toPoint();
    return {p.x(), p.y()};
}

} // namespace

TExerciseForm::TExerciseForm(practice_main_window* main_window, QWidget* parent)
    : TPracticeForm(main_window, parent), colours_{platform::black, platform::rgb(0, 0, 255), platform::rgb(255, 0, 0)},
      choose_([](int n) {
          static std::mt19937 generator{std::random_device{}()};
          return std::uniform_int_distribution<int>(0, std::max(n - 1, 0))(generator);
      })
{
    palette_ = std::make_unique<TExerciseControls>(client_area());
    client_area().paint = [this](platform::Canvas& canvas) { FormPaint(canvas); };
    client_area().mouse_moved = [this](QMouseEvent& event) { FormMouseMove(point_of(event)); };
    client_area().mouse_pressed = [this](QMouseEvent& event) {
        FormMouseDown(event.button(), point_of(event), event.modifiers().testFlag(Qt::ShiftModifier));
    };
}

// The client area outlives this part of the window: it must not call back into it.
TExerciseForm::~TExerciseForm()
{
    client_area().paint = nullptr;
    client_area().mouse_moved = nullptr;
    client_area().mouse_pressed = nullptr;
}

const Tconstruction_area& TExerciseForm::area(int k) const
{
    if (k < 1 || k > area_count_)
        throw std::out_of_range("drawing area " + std::to_string(k) + " outside 1.." + std::to_string(area_count_));
    return areas_[static_cast<std::size_t>(k - 1)];
}

int TExerciseForm::choose(int n) const
{
    return n <= 1 ? 0 : std::clamp(choose_(n), 0, n - 1);
}

void TExerciseForm::FormShow()
{
    TPracticeForm::FormShow();
    saved_cursor_ = client_area().testAttribute(Qt::WA_SetCursor) ? std::optional(client_area().cursor()) : std::nullopt;
    if (regions_)
        regions_->set_normal_cursor(saved_cursor_);
    palette_->set_available_tools(tool_set_, initial_tool_);
    current_tool_ = palette_->current_tool();
    if (regions_) {
        regions_->set_cursor_kind(construction_cursor_kind);
        regions_->set_band_style(current_tool_ == dashed_line_tool ? dashed_band_style : 1);
    }
    lay_out_window();
    if (!object_installed_)
        install_first_object();
    else
        prepare_installed_object();
    repaint_construction();
}

bool TExerciseForm::FormCloseQuery()
{
    if (!TPracticeForm::FormCloseQuery())
        return false;
    end_pending();
    if (saved_cursor_)
        client_area().setCursor(*saved_cursor_);
    else
        client_area().unsetCursor();
    return true;
}

void TExerciseForm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        FormKeyDown(escape_key);
    else
        TPracticeForm::keyPressEvent(event);
}

void TExerciseForm::FormKeyDown(int key)
{
    if (key == escape_key)
        close();
}

bool TExerciseForm::snap_to_attractor(Tinteger_point point, bool fine, const Tattractors& attractors,
                                      Tinteger_point& snapped)
{
    return ::snap_to_attractor(point, fine, attractors, snapped);
}

int TExerciseForm::judge_view(int view) const
{
    const Tconstruction_record& record = area(view).record;
    return judge_items(record.wanted, record.pupil, cut_exercise());
}

bool TExerciseForm::construction_incomplete()
{
    bool some_incomplete = false;
    for (int k = 1; k <= area_count_; ++k) {
        const int judged = judge_view(k);
        if (judged == view_wrong)
            return false;
        some_incomplete |= judged == view_incomplete;
    }
    return some_incomplete;
}

bool TExerciseForm::construction_OK()
{
    for (int k = 1; k <= area_count_; ++k)
        if (judge_view(k) != view_right)
            return false;
    return true;
}

// The wanted items over the pupil's work, until the next object.
void TExerciseForm::show_wanted_parts()
{
    end_pending();
    solution_painted_ = true;
    repaint_construction();
}

void TExerciseForm::remove_wanted_parts()
{
    solution_painted_ = false;
    repaint_construction();
}

} // namespace tutor::windows

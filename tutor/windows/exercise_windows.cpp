#include "tutor/windows/exercise_windows.h"

#include "tutor/windows/ExerciseForm.h"

#include <stdexcept>
#include <string>

namespace tutor::windows {

namespace {

const char* const drawing_window_names[3] = {"indicate_window", "add_line_window", "construction_window"};

} // namespace

exercise_service exercise_served_by(int exercise)
{
    if (exercise == 1)
        return {exercise_window::colouring, 1};
    if (exercise == 2 || exercise == 3)
        return {exercise_window::indicate, exercise - 1};
    if (exercise == 4 || exercise == 5)
        return {exercise_window::add_line, exercise - 3};
    if (exercise >= 6 && exercise <= 9)
        return {exercise_window::construction, exercise - 5};
    throw std::out_of_range("no exercise " + std::to_string(exercise));
}

exercise_windows::exercise_windows(TPracticeForm* colouring_window, practice_main_window* main_window)
    : colouring_window_(colouring_window), main_window_(main_window)
{
}

exercise_windows::~exercise_windows() = default;

TPracticeForm* exercise_windows::window_of(exercise_window window)
{
    if (window == exercise_window::colouring)
        return colouring_window_;
    if (!main_window_)
        return nullptr;
    std::unique_ptr<TExerciseForm>& made = drawing_windows_[static_cast<std::size_t>(window) - 1];
    if (!made) {
        made = std::make_unique<TExerciseForm>(main_window_);
        made->setObjectName(drawing_window_names[static_cast<std::size_t>(window) - 1]);
    }
    return made.get();
}

TPracticeForm* exercise_windows::window_for(int exercise)
{
    return window_of(exercise_served_by(exercise).window);
}

bool exercise_windows::show(int exercise, bool test_mode, int level)
{
    const exercise_service service = exercise_served_by(exercise);
    TPracticeForm* window = window_of(service.window);
    if (!window)
        return false;
    window->set_up_exercise(exercise, service.variant, level, test_mode);
    window->install_first_object();
    window->ShowModal();
    return true;
}

} // namespace tutor::windows

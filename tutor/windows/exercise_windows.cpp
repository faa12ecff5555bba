#include "tutor/windows/exercise_windows.h"

#include "tutor/windows/ExerciseForm.h"

#include <array>
#include <stdexcept>
#include <string>
#include <utility>

namespace {

TPracticeForm* colouring_window = nullptr;
practice_main_window* exercises_main_window = nullptr;
// The indicate, add-line and construction windows, by exercise_window - 1.
// Plain pointers: a program that ends itself from inside an exercise runs no
// destructor of these, so no window is torn down after Qt has gone.
std::array<TExerciseForm*, 3> drawing_windows{};

const char* const drawing_window_names[3] = {"indicate_window", "add_line_window", "construction_window"};

TPracticeForm* window_of(exercise_window window)
{
    if (window == exercise_window::colouring)
        return colouring_window;
    if (!exercises_main_window)
        return nullptr;
    const std::size_t i = static_cast<std::size_t>(window) - 1;
    if (!drawing_windows[i]) {
        drawing_windows[i] = new TExerciseForm(exercises_main_window);
        drawing_windows[i]->setObjectName(drawing_window_names[i]);
    }
    return drawing_windows[i];
}

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

void set_colouring_window(TPracticeForm* window)
{
    colouring_window = window;
}

void set_exercise_main_window(practice_main_window* main_window)
{
    if (main_window != exercises_main_window)
        for (TExerciseForm*& window : drawing_windows)
            delete std::exchange(window, nullptr);
    exercises_main_window = main_window;
}

TPracticeForm* exercise_window_for(int exercise)
{
    return window_of(exercise_served_by(exercise).window);
}

bool show_exercise_window(int exercise, bool test_mode, int level)
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

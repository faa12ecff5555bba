#include "tutor/exercise_windows.h"

#include "tutor/PracticeForm.h"

#include <stdexcept>
#include <string>

namespace {

TPracticeForm* colouring_window = nullptr;

TPracticeForm* window_of(exercise_window window)
{
    return window == exercise_window::colouring ? colouring_window : nullptr;
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

bool show_exercise_window(int exercise, bool test_mode, int level)
{
    const exercise_service service = exercise_served_by(exercise);
    TPracticeForm* window = window_of(service.window);
    if (!window)
        return false;
    window->init_before_show(exercise, level, test_mode);
    window->install_first_object();
    window->ShowModal();
    return true;
}

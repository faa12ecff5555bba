#pragma once
// The windows that serve the nine exercises, and the one way the tutor opens
// an exercise. Exercise 1 is the colouring window's; exercises 2 and 3 are
// variants 1 and 2 of the indicate window, 4 and 5 of the add-line window,
// 6 to 9 variants 1 to 4 of the construction window.
//
// The application object makes one, with the colouring window it created at
// start-up and the main window the exercise windows belong to, and hands it
// to that main window; the three windows of the drawing exercises are made
// the first time one of their exercises is opened and go with this object.
// A window that is not there serves nothing: its exercises open nothing.

#include <array>
#include <memory>

namespace tutor::windows {

class TExerciseForm;
class TPracticeForm;
class practice_main_window;

enum class exercise_window { colouring, indicate, add_line, construction };

struct exercise_service {
    exercise_window window = exercise_window::colouring;
    int variant = 1;
};

// Exercise 1..9; anything else throws std::out_of_range.
exercise_service exercise_served_by(int exercise);

class exercise_windows {
public:
    // Either may be null; without a main window no drawing window is made.
    exercise_windows(TPracticeForm* colouring_window, practice_main_window* main_window);
    ~exercise_windows();
    exercise_windows(const exercise_windows&) = delete;
    exercise_windows& operator=(const exercise_windows&) = delete;

    // The window serving the exercise, made now when it is a drawing
    // exercise's; null when there is none.
    TPracticeForm* window_for(int exercise);

    // Prepares the window serving the exercise (its set-up with the
    // exercise, the variant, the practice level and the test mode, then the
    // first object) and shows it modally until it closes. False, with
    // nothing shown, when no window serves the exercise.
    bool show(int exercise, bool test_mode, int level);

private:
    TPracticeForm* window_of(exercise_window window);

    TPracticeForm* colouring_window_;
    practice_main_window* main_window_;
    // The indicate, add-line and construction windows, by exercise_window - 1.
    std::array<std::unique_ptr<TExerciseForm>, 3> drawing_windows_;
};

} // namespace tutor::windows

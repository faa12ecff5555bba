#pragma once
// The application object: every window of the program, created once in
// their order and kept for the whole run, each handed the windows it needs
// (in its constructor, or in its one wire_windows call when they come after
// it): the students manager's main window first, then the tutor main window
// (hidden; its creation loads the object catalogue), the results window, the
// create and edit dialogs, the exercise D window (hidden), the concise
// results dialog and the about box; then the tutor's exercise windows, whose
// drawing windows are made when first opened. The program's main makes it on
// its stack, so a program that ends itself from inside an exercise tears no
// window down after Qt has gone.

#include "manager/AboutStudentsManagerForm.h"
#include "manager/ConciseResultsForAllStudentsDialog.h"
#include "manager/CreateResultsFileDialog.h"
#include "manager/EditResultsFileDialog.h"
#include "manager/RFM_MainForm.h"
#include "manager/ResultsForm.h"
#include "tutor/windows/ExerciseDForm.h"
#include "tutor/windows/MainForm.h"
#include "tutor/windows/exercise_windows.h"

#include <string>

namespace program_shell {

// Settings, texts, the geometry's start-up, the student files directory and
// the guidance, as the program at `program_file` finds them.
void start_up_program(const std::string& program_file);

// The main window a program shows: the students manager's or the tutor's.
enum class shown_window { students_manager, tutor };

class application {
public:
    application();
    application(const application&) = delete;
    application& operator=(const application&) = delete;

    // Shows the window and runs the message loop until it closes; the exit code.
    int run(shown_window shown);

    manager::TRFM_MainForm main_form;
    tutor::windows::TMainForm tutor_main_form;
    manager::TResultsForm results_form{&main_form};
    manager::TCreateResultsFileDialog create_dialog{main_form, &main_form};
    manager::TEditResultsFileDialog edit_dialog{main_form, &main_form};
    tutor::windows::TExerciseDForm exercise_d_form{&tutor_main_form};
    manager::TConciseResultsForAllStudentsDialog concise_dialog{&main_form};
    manager::TAboutStudentsManagerForm about_form{&main_form};
    tutor::windows::exercise_windows exercises{&exercise_d_form, &tutor_main_form};
};

} // namespace program_shell

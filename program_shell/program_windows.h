#pragma once
// The program's start-up after the application object exists, and every
// window it creates, in their order: the students manager's main window
// first, then the tutor main window (hidden; its creation loads the object
// catalogue), the results window, the create and edit dialogs, the exercise
// D window (hidden), the concise results dialog and the about box; the
// windows of the drawing exercises are made when first opened (through
// exercise_windows.h), for the tutor main window. The windows live as long
// as this object; the globals of windows.h point at them meanwhile.

#include "manager/AboutStudentsManagerForm.h"
#include "manager/ConciseResultsForAllStudentsDialog.h"
#include "manager/CreateResultsFileDialog.h"
#include "manager/EditResultsFileDialog.h"
#include "manager/RFM_MainForm.h"
#include "manager/ResultsForm.h"
#include "tutor/windows/ExerciseDForm.h"
#include "tutor/windows/MainForm.h"

#include <string>

// Settings, texts, the geometry's start-up, the student files directory and
// the guidance, as the program at `program_file` finds them.
void start_up_program(const std::string& program_file);

class program_windows {
public:
    program_windows();
    ~program_windows();
    program_windows(const program_windows&) = delete;
    program_windows& operator=(const program_windows&) = delete;

    TRFM_MainForm main_form;
    TMainForm tutor_main_form;
    TResultsForm results_form{&main_form};
    TCreateResultsFileDialog create_dialog{main_form, &main_form};
    TEditResultsFileDialog edit_dialog{main_form, &main_form};
    TExerciseDForm exercise_d_form{&tutor_main_form};
    TConciseResultsForAllStudentsDialog concise_dialog{&main_form};
    TAboutStudentsManagerForm about_form{&main_form};
};

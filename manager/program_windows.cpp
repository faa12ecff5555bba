#include "manager/program_windows.h"

#include "foundation/messages.h"
#include "foundation/startup.h"
#include "geometry/geometry_startup.h"
#include "manager/windows.h"
#include "platform/message_box.h"
#include "student_files/student_data_files.h"
#include "tutor/exercise_windows.h"
#include "tutor/guidance.h"

namespace {

// A missing student files directory is created on the teacher's Yes; one
// that cannot be used stops the program.
void start_up_student_files()
{
    student_data_files = std::make_unique<Tstudent_data_files_object>();
    outcome usable = student_data_files->usable_directory();
    if (student_data_files->directory_missing()
        && show_message(student_data_files->directory_question(), platform::MB_YESNO) == platform::IDYES)
        usable = student_data_files->create_directory();
    if (!usable)
        stop_with_message(usable.message());
}

} // namespace

void start_up_program(const std::string& program_file)
{
    start_up_foundation(program_file);
    start_up_screen_drawing();
    start_up_kernel();
    start_up_projection_views();
    start_up_student_files();
    guidance = std::make_unique<Tguidance_object>();
}

program_windows::program_windows()
{
    RFM_MainForm = &main_form;
    MainForm = &tutor_main_form;
    ResultsForm = &results_form;
    CreateResultsFileDialog = &create_dialog;
    EditResultsFileDialog = &edit_dialog;
    ExerciseDForm = &exercise_d_form;
    ConciseResultsForAllStudentsDialog = &concise_dialog;
    AboutStudentsManagerForm = &about_form;
    set_colouring_window(&exercise_d_form);
    set_exercise_main_window(&tutor_main_form);
    tutor_main_form.set_results_window([this](const std::string& pupil_name) {
        results_form.tell_pupil_name_before_FormShow(pupil_name);
        results_form.exec();
    });
}

program_windows::~program_windows()
{
    tutor_main_form.set_results_window({});
    set_exercise_main_window(nullptr);
    set_colouring_window(nullptr);
    RFM_MainForm = nullptr;
    MainForm = nullptr;
    ResultsForm = nullptr;
    CreateResultsFileDialog = nullptr;
    EditResultsFileDialog = nullptr;
    ExerciseDForm = nullptr;
    ConciseResultsForAllStudentsDialog = nullptr;
    AboutStudentsManagerForm = nullptr;
}

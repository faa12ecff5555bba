#include "manager/program.h"

#include "foundation/startup.h"
#include "geometry/geometry_startup.h"
#include "geometry/projection_symbols.h"
#include "manager/AboutStudentsManagerForm.h"
#include "manager/ConciseResultsForAllStudentsDialog.h"
#include "manager/CreateResultsFileDialog.h"
#include "manager/EditResultsFileDialog.h"
#include "manager/RFM_MainForm.h"
#include "manager/ResultsForm.h"
#include "manager/windows.h"
#include "platform/qt_presenters.h"
#include "student_files/student_data_files.h"
#include "tutor/ExerciseDForm.h"
#include "tutor/Monopolize_DLL_Interface.h"
#include "tutor/guidance.h"

#include <QApplication>

int run_students_manager(int argc, char** argv)
{
    QApplication application(argc, argv);
    platform::install_qt_presenters();
    start_up_foundation(argc > 0 ? argv[0] : "");
    start_up_screen_drawing();
    start_up_kernel();
    start_up_projection_views();
    student_data_files = std::make_unique<Tstudent_data_files_object>();
    guidance = std::make_unique<Tguidance_object>();
    TRFM_MainForm main_form;
    RFM_MainForm = &main_form;
    TResultsForm results_form(&main_form);
    ResultsForm = &results_form;
    TCreateResultsFileDialog create_dialog(main_form, &main_form);
    CreateResultsFileDialog = &create_dialog;
    TEditResultsFileDialog edit_dialog(main_form, &main_form);
    EditResultsFileDialog = &edit_dialog;
    TExerciseDForm exercise_d_form;   // never shown here: it supplies the exercise titles
    ExerciseDForm = &exercise_d_form;
    TConciseResultsForAllStudentsDialog concise_dialog(&main_form);
    ConciseResultsForAllStudentsDialog = &concise_dialog;
    TAboutStudentsManagerForm about_form(&main_form);
    AboutStudentsManagerForm = &about_form;
    main_form.show();
    const int code = application.exec();
    release_monopolize();
    release_projection_symbols();
    return code;
}

#include "program_shell/program_windows.h"

#include "foundation/messages.h"
#include "foundation/startup.h"
#include "geometry/drawing/geometry_startup.h"
#include "geometry/drawing/projection_symbols.h"
#include "platform/core/message_box.h"
#include "student_files/student_data_files.h"
#include "tutor/windows/Monopolize_DLL_Interface.h"
#include "tutor/engine/guidance.h"

#include <QApplication>

using namespace foundation;
using namespace student_files;
using namespace geometry::drawing;
using namespace tutor::engine;
using namespace tutor::windows;

namespace program_shell {

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

application::application()
{
    main_form.wire_windows({.create_dialog = &create_dialog,
                            .edit_dialog = &edit_dialog,
                            .results_form = &results_form,
                            .concise_dialog = &concise_dialog,
                            .about_form = &about_form});
    tutor_main_form.wire_windows({.exercises = &exercises, .results = &results_form});
    results_form.wire_windows(exercise_d_form);
}

int application::run(shown_window shown)
{
    if (shown == shown_window::tutor)
        tutor_main_form.show();
    else
        main_form.show();
    const int code = QApplication::exec();
    release_monopolize();
    release_projection_symbols();
    return code;
}

} // namespace program_shell

#include "program_shell/program.h"

#include "geometry/drawing/projection_symbols.h"
#include "program_shell/program_windows.h"
#include "platform/widgets/qt_presenters.h"
#include "resources/resources.h"
#include "tutor/windows/Monopolize_DLL_Interface.h"

#include <QApplication>
#include <QIcon>

namespace {

enum class shown_window { students_manager, tutor };

int run_program(int argc, char** argv, shown_window shown)
{
    QApplication application(argc, argv);
    platform::install_qt_presenters();
    init_resources();
    QApplication::setWindowIcon(QIcon(":/program_icon.xpm"));
    start_up_program(argc > 0 ? argv[0] : "");
    program_windows windows;
    if (shown == shown_window::tutor)
        windows.tutor_main_form.show();
    else
        windows.main_form.show();
    const int code = application.exec();
    release_monopolize();
    release_projection_symbols();
    return code;
}

} // namespace

int run_students_manager(int argc, char** argv)
{
    return run_program(argc, argv, shown_window::students_manager);
}

int run_tutor(int argc, char** argv)
{
    return run_program(argc, argv, shown_window::tutor);
}

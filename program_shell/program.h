#pragma once
// What a program sets up before its application object makes the windows:
// the Qt application with the program's message boxes, resources and icon,
// then the start-up sequence (start_up_program). Each program's main makes
// one, then the application object, and runs that:
//
//     const program_start_up start_up(argc, argv);
//     application program;
//     return program.run(shown_window::students_manager);

#include "program_shell/program_windows.h"

#include <QApplication>

namespace program_shell {

class program_start_up {
public:
    program_start_up(int& argc, char** argv);

private:
    QApplication qt_;
};

} // namespace program_shell

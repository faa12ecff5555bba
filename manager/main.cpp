#include "program_shell/program.h"

using namespace program_shell;

int main(int argc, char** argv)
{
    const program_start_up start_up(argc, argv);
    application program;
    return program.run(shown_window::students_manager);
}

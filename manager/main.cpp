#include "program_shell/program.h"

int main(int argc, char** argv)
{
    return run_students_manager(argc, argv);
}

// The students tool: see cli.h.
#include "students_cli/cli.h"

#include <algorithm>
#include <iostream>

int main(int argc, char** argv)
{
    const std::vector<std::string> words(argv + (argc > 0 ? 1 : 0), argv + argc);
    const int code = students_cli::run_students(argc > 0 ? argv[0] : "", words, std::cout, std::cerr);
    std::cout.flush();
    return std::cout.good() ? code : std::max(code, 1);
}

#pragma once
// The students tool: the students manager's work on the student files
// directory from a command line, for teachers of whole classes and for
// scripts. One call runs one command line (the words after the program's
// name) and returns the exit code: 0 done, 1 a results file was invalid or
// could not be read or written, 2 bad usage, refused input or a program
// that could not start. Messages go to `err`; a refused command changes
// nothing on disk.

#include <ostream>
#include <string>
#include <vector>

namespace students_cli {

int run_students(const std::string& program_file, const std::vector<std::string>& words, std::ostream& out,
                 std::ostream& err);

} // namespace students_cli

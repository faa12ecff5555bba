#pragma once
// The students of a student files directory as the manager lists them: one
// per ordinary, non-hidden file (no symbolic link) whose name ends in
// ".results" in any case, named by the file name without that ending, in the
// list's order. A name that is not UTF-8 (written on Windows) is shown as
// Windows-1252 text; actions on it still reach the file by its bytes. It
// does not look into the files.

#include <string>
#include <vector>

namespace student_files {

struct listed_student {
    std::string name;        // as the list shows it
    std::string file_name;   // the file's name on disk, without the directory
};

// The student's name for a file name; empty when the file is no results file.
std::string student_name_of_file(const std::string& file_name);

// The list's order: letters without regard to case (ASCII and the Latin-1
// letters of UTF-8; other characters by their code), names equal but for
// case in byte order, so the order is the same on every run.
bool listed_before(const std::string& a, const std::string& b);

std::vector<listed_student> list_students(const std::string& directory);

// The student's file in the directory.
std::string results_path(const std::string& directory, const listed_student& student);

} // namespace student_files

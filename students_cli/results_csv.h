#pragma once
// Every stored result of the listed students as CSV for a spreadsheet: a
// header row, then one row per result in list order, each student's
// exercises in order and each exercise's results as its chain links them
// (what the results window shows, exercises 10 to 14 too when a file holds
// any). Times are local, as the files keep them. A name or title that a
// spreadsheet would take for a formula is written as text: in quotes, after
// a leading quote (').

#include "foundation/outcome.h"
#include "student_files/student_list.h"

#include <string>
#include <vector>

namespace student_files { class Tstudent_data_files_object; }

namespace tutor::engine {
class exercise_texts;
}

namespace students_cli {

struct results_export {
    std::string csv;
    std::size_t rows = 0;
    std::vector<foundation::outcome> problems;   // the files that could not be read to their end
};

results_export export_results(student_files::Tstudent_data_files_object& files, const std::vector<student_files::listed_student>& students,
                              const tutor::engine::exercise_texts& titles);

} // namespace students_cli

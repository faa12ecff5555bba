#pragma once
// The concise results of all students, as the manager hands them to its
// dialog and the dialog shows, copies and prints them.

#include "foundation/outcome.h"

#include <string>
#include <vector>

namespace student_files {

class Tstudent_data_files_object;

struct concise_results_list {
    // For the students in list order: before every student but the first an
    // item of two line feeds, then the name, an empty item and the student's
    // concise results text.
    std::vector<std::string> items;
    // The files that could not be read, in list order.
    std::vector<foundation::outcome> problems;
};

concise_results_list concise_results_items(Tstudent_data_files_object& files, const std::vector<std::string>& names);

// The items split into lines at their line feeds: an item of two line feeds
// gives three empty lines, an empty item one.
std::vector<std::string> concise_results_lines(const std::vector<std::string>& items);

} // namespace student_files

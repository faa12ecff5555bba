#pragma once
// A class list to import: CSV with a header row naming the columns "name"
// and "password" and, if wanted, "guidance-on", "switchable",
// "restart-enabled" and "store-results" (any case; "-", "_" and blanks
// alike; any order). Flag cells read 1/0, yes/no or true/false in any
// case; an empty cell or a missing column reads as no. Rows with only empty
// cells are passed over. Reading needs no files, so it is fuzzed; the checks
// against the student files directory come after.

#include "students_cli/csv/csv.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace students_cli::csv {

struct class_list_row {
    int line = 0;
    std::string name;
    std::string password;
    // guidance on, switchable, restart enabled, store results
    std::array<bool, 4> flags{};
    std::vector<std::string> problems;   // why the row cannot be imported as it stands
};

struct class_list {
    std::vector<class_list_row> rows;
    std::optional<class_list_problem> error;   // a fault of the whole file: its CSV or its header
    int error_line = 0;
};

inline const std::array<const char*, 4> flag_column_names{"guidance-on", "switchable", "restart-enabled",
                                                          "store-results"};

class_list read_class_list(std::string_view text);

// True for 1/yes/true, false for 0/no/false/empty, in any case and blanks around; nothing otherwise.
bool flag_value(std::string_view cell, bool& value);

} // namespace students_cli::csv

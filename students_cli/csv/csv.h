#pragma once
// Comma-separated values as spreadsheets write them (RFC 4180): cells
// separated by commas, rows by CR LF, LF or a lone CR; a cell in double
// quotes may hold commas, quotes (doubled) and line breaks. A UTF-8 byte
// order mark at the start is dropped. A quote inside an unquoted cell is
// kept as it stands, as most spreadsheets read it.
// It does not interpret cells (no trimming, no numbers, no encodings).

#include "foundation/texts.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace students_cli::csv {

using class_list_problem_kind = foundation::text_names::class_list_problems;
using class_list_problem = foundation::text_to_fill<class_list_problem_kind>;

struct csv_row {
    int line = 0;   // the line the row starts on, counted from 1
    std::vector<std::string> cells;
};

struct csv_table {
    std::vector<csv_row> rows;   // every row, empty ones too
    std::optional<class_list_problem> error;   // nothing when the whole text was read
    int error_line = 0;                         // the line the faulty cell starts on
};

csv_table read_csv(std::string_view text);

// A cell as a writer puts it: in quotes, with its quotes doubled, when it
// holds a comma, a quote, a line break, blanks at either end or begins with
// a byte order mark.
std::string csv_cell(std::string_view text);
// The cells joined by commas, ended by CR LF.
std::string csv_line(const std::vector<std::string>& cells);

} // namespace students_cli::csv

// Arbitrary bytes as a class list to import: the CSV reader and the class
// list on top of it must end on any input, and every row read must come
// back the same after being written out again.
#include "students_cli/csv/class_list.h"
#include "students_cli/csv/csv.h"

#include <cstddef>
#include <cstdint>
#include <string>

using namespace students_cli::csv;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    (void)read_class_list(text);
    const csv_table table = read_csv(text);
    if (table.error)
        return 0;
    std::string written;
    for (const csv_row& row : table.rows)
        written += csv_line(row.cells);
    const csv_table back = read_csv(written);
    if (back.error || back.rows.size() != table.rows.size())
        __builtin_trap();
    for (std::size_t i = 0; i < back.rows.size(); ++i)
        if (back.rows[i].cells != table.rows[i].cells)
            __builtin_trap();
    return 0;
}

#include "students_cli/csv/class_list.h"

#include "students_cli/csv/csv.h"

#include <optional>

using namespace foundation;

namespace students_cli::csv {

namespace {

constexpr int name_column = 0, password_column = 1;   // then the four flags

std::string trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

std::string lower(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// The column a header cell names: 0 name, 1 password, 2..5 the flags; -1 for none.
int column_named(std::string_view cell)
{
    std::string key = lower(trimmed(cell));
    for (char& c : key)
        if (c == '_' || c == ' ')
            c = '-';
    if (key == "name")
        return name_column;
    if (key == "password")
        return password_column;
    for (std::size_t i = 0; i < flag_column_names.size(); ++i)
        if (key == flag_column_names[i])
            return static_cast<int>(i) + 2;
    return -1;
}

bool blank_row(const csv_row& row)
{
    for (const std::string& cell : row.cells)
        if (!cell.empty())
            return false;
    return true;
}

// The column of every header cell (-1 for empty trailing cells), or the fault.
std::optional<std::vector<int>> header_columns(const csv_row& header, std::optional<class_list_problem>& error)
{
    std::vector<int> columns;
    std::array<bool, 6> seen{};
    for (const std::string& cell : header.cells) {
        const int column = column_named(cell);
        if (column < 0 && !trimmed(cell).empty()) {
            error = {class_list_problem_kind::unknown_column, {cell, text_of(class_list_problem_kind::columns)}};
            if (header.cells.size() == 1 && cell.find(';') != std::string::npos)
                error = {class_list_problem_kind::semicolons, {}};
            return std::nullopt;
        }
        if (column >= 0 && seen[static_cast<std::size_t>(column)]) {
            error = {class_list_problem_kind::column_twice, {cell}};
            return std::nullopt;
        }
        if (column >= 0)
            seen[static_cast<std::size_t>(column)] = true;
        columns.push_back(column);
    }
    if (!seen[name_column] || !seen[password_column]) {
        error = {class_list_problem_kind::name_and_password, {text_of(class_list_problem_kind::columns)}};
        return std::nullopt;
    }
    return columns;
}

class_list_row row_of(const csv_row& row, const std::vector<int>& columns)
{
    class_list_row out;
    out.line = row.line;
    for (std::size_t i = 0; i < row.cells.size(); ++i) {
        const std::string& cell = row.cells[i];
        const int column = i < columns.size() ? columns[i] : -1;
        if (column < 0) {
            if (!cell.empty())
                out.problems.push_back(text_with(class_list_problem_kind::cell_beyond, {cell}));
        } else if (column == name_column) {
            out.name = cell;
        } else if (column == password_column) {
            out.password = cell;
        } else if (!flag_value(cell, out.flags[static_cast<std::size_t>(column - 2)])) {
            out.problems.push_back(text_with(class_list_problem_kind::not_a_flag,
                                             {flag_column_names[static_cast<std::size_t>(column - 2)], cell}));
        }
    }
    return out;
}

} // namespace

bool flag_value(std::string_view cell, bool& value)
{
    const std::string key = lower(trimmed(cell));
    if (key == "1" || key == "yes" || key == "true")
        value = true;
    else if (key.empty() || key == "0" || key == "no" || key == "false")
        value = false;
    else
        return false;
    return true;
}

class_list read_class_list(std::string_view text)
{
    class_list list;
    const csv_table table = read_csv(text);
    if (table.error) {
        list.error = table.error;
        list.error_line = table.error_line;
        return list;
    }
    std::optional<std::vector<int>> columns;
    for (const csv_row& row : table.rows) {
        if (blank_row(row))
            continue;
        if (!columns) {
            if (!(columns = header_columns(row, list.error))) {
                list.error_line = row.line;
                return list;
            }
            continue;
        }
        list.rows.push_back(row_of(row, *columns));
    }
    if (!columns) {
        list.error = {class_list_problem_kind::empty, {}};
        list.error_line = 1;
    }
    return list;
}

} // namespace students_cli::csv

#include "class_overview/class_overview_table.h"

#include "foundation/textfile_handler.h"
#include "foundation/texts.h"
#include "student_files/new_student.h"
#include "student_files/results_lines.h"

#include <algorithm>

using namespace foundation;
using namespace student_files;

namespace class_overview {

namespace {

constexpr std::size_t longest_name = 24;

using overview_entry = text_names::class_overview;

std::string trimmed(const std::string& text)
{
    const std::size_t from = text.find_first_not_of(' ');
    return from == std::string::npos ? std::string() : text.substr(from);
}

std::string percentage_cell(long correct, long objects)
{
    const auto p = percentage_of(correct, objects);
    return p ? std::to_string(*p) + " %" : "-";
}

overview_cells tally_cells(const std::string& name, const std::string& exercise, const overview_tally& t)
{
    return {name, exercise, std::to_string(t.results), std::to_string(t.objects), std::to_string(t.correct),
            percentage_cell(t.correct, t.objects), trimmed(duration_text(t.time))};
}

overview_cells average_cells(const std::string& name, const std::string& exercise, const overview_tally& t,
                             std::size_t students)
{
    const double n = students == 0 ? 1.0 : static_cast<double>(students);
    return {name,
            exercise,
            class_average_text(static_cast<double>(t.results), students),
            class_average_text(static_cast<double>(t.objects), students),
            class_average_text(static_cast<double>(t.correct), students),
            percentage_cell(t.correct, t.objects),
            trimmed(duration_text(t.time / n))};
}

} // namespace

std::string first_characters(const std::string& text, std::size_t count)
{
    std::size_t seen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool starts_character = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
        if (starts_character && seen++ == count)
            return text.substr(0, i);
    }
    return text;
}

std::string overview_text(overview_entry entry)
{
    return without_mnemonic(text_of(entry));
}

overview_cells overview_headings()
{
    overview_cells cells;
    for (std::size_t c = 0; c < overview_columns; ++c)
        cells[c] = without_mnemonic(text_of(overview_entry::heading_student, static_cast<int>(c)));
    return cells;
}

std::vector<overview_cells> overview_rows(const class_overview& overview)
{
    std::vector<overview_cells> rows;
    const auto block = [&rows](const std::string& name, auto cells_of) {
        for (int e = 1; e <= overview_exercises; ++e)
            rows.push_back(cells_of(e == 1 ? name : std::string(), std::to_string(e), e - 1));
        rows.push_back(cells_of(std::string(), overview_text(overview_entry::label_all), -1));
    };
    for (const student_overview& s : overview.students)
        block(first_characters(s.name, longest_name), [&s](const std::string& name, const std::string& e, int k) {
            return tally_cells(name, e, k < 0 ? s.total : s.exercises[static_cast<std::size_t>(k)]);
        });
    const std::size_t n = overview.students.size();
    block(overview_text(overview_entry::label_class_average), [&overview, n](const std::string& name, const std::string& e, int k) {
        return average_cells(name, e, k < 0 ? overview.total : overview.exercises[static_cast<std::size_t>(k)], n);
    });
    return rows;
}

std::array<std::size_t, overview_columns> overview_widths(const std::vector<overview_cells>& rows)
{
    std::array<std::size_t, overview_columns> widths{};
    for (const overview_cells& row : rows)
        for (std::size_t c = 0; c < overview_columns; ++c)
            widths[c] = std::max(widths[c], std::min(characters_in(row[c]), longest_name));
    return widths;
}

std::string overview_line(const overview_cells& cells, const std::array<std::size_t, overview_columns>& widths)
{
    std::string line;
    for (std::size_t c = 0; c < overview_columns; ++c) {
        const std::string text = first_characters(cells[c], widths[c]);
        const std::string pad(widths[c] - std::min(widths[c], characters_in(text)), ' ');
        line += (c == 0 ? "" : "  ") + (c < 2 ? text + pad : pad + text);
    }
    return line.substr(0, line.find_last_not_of(' ') + 1);
}

} // namespace class_overview

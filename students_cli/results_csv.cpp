#include "students_cli/results_csv.h"

#include "foundation/date_time.h"
#include "student_files/student_data_files.h"
#include "students_cli/csv/csv.h"
#include "tutor/engine/exercise_texts.h"

#include <charconv>
#include <cmath>
#include <string_view>

using namespace foundation;
using namespace student_files;
using namespace tutor::engine;
using namespace students_cli::csv;

namespace students_cli {

namespace {

const std::vector<std::string> header{"student", "exercise", "title", "level", "start", "end",
                                      "duration_seconds", "objects", "correct"};

// Rows are written straight into the text: a class's export has a hundred
// thousand of them, and the cells that need quoting are worked out once.
void append_number(std::string& out, long value)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(digits, end);
}

void append_digits(std::string& out, int value, int width)
{
    char digits[8];
    for (int i = width - 1; i >= 0; --i, value /= 10)
        digits[i] = static_cast<char>('0' + value % 10);
    out.append(digits, static_cast<std::size_t>(width));
}

void append_iso(std::string& out, Tdate_time t)
{
    const calendar_time c = decode_date_time(t);
    append_digits(out, c.year, 4);
    out += '-';
    append_digits(out, c.month, 2);
    out += '-';
    append_digits(out, c.day, 2);
    out += 'T';
    append_digits(out, c.hour, 2);
    out += ':';
    append_digits(out, c.minute, 2);
    out += ':';
    append_digits(out, c.second, 2);
}

// A spreadsheet takes a cell that begins with =, +, -, @, a tab or a carriage
// return for a formula, so such a text gets a leading quote, which marks it
// as text, and is put in quotes (OWASP's advice against CSV injection).
std::string spreadsheet_cell(const std::string& text)
{
    if (text.empty() || std::string_view("=+-@\t\r").find(text.front()) == std::string_view::npos)
        return csv_cell(text);
    const std::string cell = csv_cell("'" + text);
    return cell.front() == '"' ? cell : '"' + cell + '"';
}

class row_writer {
public:
    explicit row_writer(std::string& out) : out_(out) {}

    // One row: the student's and the exercise's cells as written by spreadsheet_cell.
    void write(const std::string& student_cell, int exercise, const std::string& title_cell,
               const results_format::result& r)
    {
        const Tdate_time start = start_of_(r.start_time), end = end_of_(r.end_time);
        out_ += student_cell;
        out_ += ',';
        append_number(out_, exercise);
        out_ += ',';
        out_ += title_cell;
        out_ += ',';
        append_number(out_, r.level);
        out_ += ',';
        append_iso(out_, start);
        out_ += ',';
        append_iso(out_, end);
        out_ += ',';
        append_number(out_, std::lround((end - start) * 86400.0));
        out_ += ',';
        append_number(out_, r.objects);
        out_ += ',';
        append_number(out_, r.correct);
        out_ += "\r\n";
    }

private:
    std::string& out_;
    date_unpacker start_of_, end_of_;
};

} // namespace

results_export export_results(Tstudent_data_files_object& files, const std::vector<listed_student>& students,
                              const exercise_texts& titles)
{
    results_export out;
    out.csv = csv_line(header);
    std::vector<std::string> title_cells;
    for (int k = 1; k <= results_format::exercises; ++k)
        title_cells.push_back(k <= exercise_texts::exercise_count ? spreadsheet_cell(titles.title(k)) : "");
    row_writer rows(out.csv);
    for (const listed_student& s : students) {
        const result_chains chains = files.read_result_chains(results_path(files.directory(), s), results_format::exercises);
        if (!chains.status)
            out.problems.push_back(chains.status);
        const std::string student_cell = spreadsheet_cell(s.name);
        for (std::size_t k = 0; k < chains.exercises.size(); ++k) {
            for (const results_format::result& r : chains.exercises[k]) {
                rows.write(student_cell, static_cast<int>(k) + 1, title_cells[k], r);
                ++out.rows;
            }
        }
    }
    return out;
}

} // namespace students_cli

// list and check: every results file of the directory with its state, read
// without writing and without the message boxes of the program's code.
#include "students_cli/commands.h"

#include "foundation/texts.h"
#include "platform/core/file_system.h"
#include "student_files/new_student.h"
#include "student_files/results_check.h"
#include "student_files/results_repair.h"
#include "students_cli/csv/class_list.h"
#include "students_cli/csv/json.h"

#include <algorithm>

using namespace foundation;
using namespace student_files;
using namespace students_cli::csv;

namespace students_cli {

namespace {

using message = text_names::students_tool_messages;

struct checked_student {
    listed_student student;
    results_file_report report;
};

std::vector<checked_student> check_all(Tstudent_data_files_object& files, const std::vector<listed_student>& students)
{
    std::vector<checked_student> checked;
    for (const listed_student& s : students)
        checked.push_back({s, check_results_file_at(results_path(files.directory(), s))});
    return checked;
}

std::string padded(const std::string& text, std::size_t width)
{
    const std::size_t length = characters_in(text);
    return text + std::string(width > length ? width - length : 0, ' ');
}

using flag_member = bool results_format::settings::*;
// In the order of the class list's flag columns, whose names head them.
const flag_member flags[4] = {&results_format::settings::guidance_is_on,
                              &results_format::settings::guidance_is_switchable,
                              &results_format::settings::restart_guidance_enabled,
                              &results_format::settings::test_results_are_stored};
const char* const flag_keys[4] = {"guidance_on", "switchable", "restart_enabled", "store_results"};

std::string yes_no(const std::optional<results_format::settings>& s, flag_member flag)
{
    return s ? text_of(*s.*flag ? message::yes : message::no) : "-";
}

std::string json_flag(const std::optional<results_format::settings>& s, flag_member flag)
{
    return s ? (*s.*flag ? "true" : "false") : "null";
}

void list_as_text(std::ostream& out, const std::vector<checked_student>& checked)
{
    const std::string name = text_of(message::heading_name), results_heading = text_of(message::heading_results);
    std::size_t width = characters_in(name);
    for (const checked_student& c : checked)
        width = std::max(width, std::min<std::size_t>(characters_in(c.student.name), 40));
    const std::size_t results_width = characters_in(results_heading);
    out << padded(name, width) << "  " << results_heading;
    for (const char* heading : flag_column_names)
        out << "  " << heading;
    out << "  " << text_of(message::heading_file) << '\n';
    for (const checked_student& c : checked) {
        const std::string results = c.report.results ? std::to_string(*c.report.results) : "-";
        out << padded(c.student.name, width) << "  "
            << std::string(results_width - std::min(results_width, results.size()), ' ') << results;
        for (std::size_t k = 0; k < 4; ++k)
            out << "  " << padded(yes_no(c.report.settings, flags[k]), std::string(flag_column_names[k]).size());
        out << "  " << (c.report.valid() ? text_of(message::valid) : c.report.problems.front().text()) << '\n';
    }
}

void list_as_json(std::ostream& out, const std::vector<checked_student>& checked)
{
    out << "[";
    for (std::size_t i = 0; i < checked.size(); ++i) {
        const checked_student& c = checked[i];
        out << (i > 0 ? ",\n " : "\n ") << "{\"name\": " << json_string(c.student.name)
            << ", \"file\": " << json_string(c.student.file_name) << ", \"valid\": " << (c.report.valid() ? "true" : "false")
            << ", \"problems\": [";
        for (std::size_t k = 0; k < c.report.problems.size(); ++k)
            out << (k > 0 ? ", " : "") << json_string(c.report.problems[k].text());
        out << "], \"results\": " << (c.report.results ? std::to_string(*c.report.results) : "null");
        for (int k = 0; k < 4; ++k)
            out << ", \"" << flag_keys[k] << "\": " << json_flag(c.report.settings, flags[k]);
        out << "}";
    }
    out << (checked.empty() ? "]\n" : "\n]\n");
}

// What the repair tells of a mend: its text, and the number where it has one.
std::string mend_text(const mend& m)
{
    const std::string text = text_of(text_names::results_file_repairs::append_taken_back, static_cast<int>(m.kind));
    return m.kind == mend_kind::partial_record_cut ? text : text + std::to_string(m.number);
}

void repair(Tstudent_data_files_object& files, const std::vector<listed_student>& students, command_context& context)
{
    for (const listed_student& s : students) {
        const repair_report report = repair_results_file(results_path(files.directory(), s));
        for (const mend& m : report.mends)
            context.out << s.name << ": " << text_with(message::mended, {mend_text(m)}) << '\n';
        if (report.outcome.error_number != 0 && !report.outcome.damaged)
            context.out << s.name << ": "
                        << text_with(message::not_mended, {platform::error_words(report.outcome.error_number)}) << '\n';
    }
}

} // namespace

std::optional<listed_student> find_student(Tstudent_data_files_object& files, const std::string& name)
{
    if (name.empty() || name.find('/') != std::string::npos)
        return std::nullopt;
    const std::string path = files.results_file_name(name);
    for (listed_student& s : list_students(files.directory()))
        if (results_path(files.directory(), s) == path)
            return std::move(s);
    return std::nullopt;
}

int list_command(const command_args& args, command_context& context)
{
    if (const auto problem = args.operands_problem(0, 0))
        return context.session.refuse(*problem);
    Tstudent_data_files_object& files = context.session.files();
    const auto checked = check_all(files, list_students(files.directory()));
    if (args.has("json"))
        list_as_json(context.out, checked);
    else
        list_as_text(context.out, checked);
    return 0;
}

int check_command(const command_args& args, command_context& context)
{
    Tstudent_data_files_object& files = context.session.files();
    std::vector<listed_student> students;
    bool unknown = false;
    for (const std::string& name : args.operands()) {
        if (auto s = find_student(files, name)) {
            students.push_back(std::move(*s));
        } else {
            context.session.report(text_with(text_names::students_tool_usage::no_results_file, {name}));
            unknown = true;
        }
    }
    if (args.operands().empty())
        students = list_students(files.directory());
    if (args.has("repair"))
        repair(files, students, context);
    int invalid = 0;
    for (const checked_student& c : check_all(files, students)) {
        if (c.report.valid())
            context.out << c.student.name << ": " << text_of(message::valid) << '\n';
        for (const results_problem& problem : c.report.problems)
            context.out << c.student.name << ": " << text_with(message::invalid, {problem.text()}) << '\n';
        invalid += !c.report.valid();
    }
    context.out << text_with(students.size() == 1 ? message::file_checked : message::files_checked,
                             {std::to_string(students.size()), std::to_string(invalid)})
                << '\n';
    return unknown ? 2 : invalid > 0 ? 1 : 0;
}

} // namespace students_cli

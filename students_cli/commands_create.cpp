// create and import: new students through the create dialog's checks and
// the program's own create_results_file. An import checks every row first
// and creates nothing unless all of them pass.
#include "students_cli/commands.h"

#include "platform/core/file_name_text.h"
#include "platform/core/file_system.h"
#include "student_files/new_student.h"
#include "students_cli/csv/class_list.h"

#include <map>

using namespace foundation;
using namespace student_files;
using namespace students_cli::csv;

namespace students_cli {

namespace {

using message = text_names::students_tool_messages;
using usage = text_names::students_tool_usage;

// A class list larger than this is no class list.
constexpr std::size_t largest_class_list = 16 * 1024 * 1024;

// The create dialog's checks, and what a dialog never lets through: text
// that is not UTF-8, control characters in a password.
std::vector<std::string> new_student_problems(Tstudent_data_files_object& files, const std::string& name,
                                              const std::string& password)
{
    if (!platform::is_utf8(name))
        return {text_of(class_list_problem_kind::name_not_utf8)};
    for (const char c : password)
        if (static_cast<unsigned char>(c) < 32 || c == 127)
            return {text_of(class_list_problem_kind::password_control)};
    if (const auto refusal = refuse_new_student(files, name, password))
        return {refusal->message};
    return {};
}

outcome create(Tstudent_data_files_object& files, const class_list_row& s)
{
    return files.create_results_file(s.name, s.password, s.flags[0], s.flags[1], s.flags[2], s.flags[3]);
}

// Adds to each row what refuses it; returns the number of refused rows.
int check_rows(Tstudent_data_files_object& files, std::vector<class_list_row>& rows)
{
    std::map<std::string, int> line_of;   // upper-cased name: files are found without regard to case
    int refused = 0;
    for (class_list_row& row : rows) {
        for (std::string& problem : new_student_problems(files, row.name, row.password))
            row.problems.push_back(std::move(problem));
        const auto [first, added] = line_of.emplace(platform::ascii_upper(row.name), row.line);
        if (!added)
            row.problems.push_back(text_with(class_list_problem_kind::same_student, {std::to_string(first->second)}));
        refused += !row.problems.empty();
    }
    return refused;
}

// Removes this import's files: the directory is as it was before. Nobody
// else can have replaced them (creations never replace a file).
void take_back(command_context& context, const std::vector<std::string>& created)
{
    for (const std::string& path : created)
        platform::remove_file(path);
    context.session.report(context.session.files().finish_batch());
}

// The message for one or for many, with the number.
std::string counted(std::size_t n, message one, message many, std::vector<std::string> more = {})
{
    more.insert(more.begin(), std::to_string(n));
    return text_with(n == 1 ? one : many, more);
}

// A fault at a line of the class list.
std::string at_line(const std::string& file, int line, const std::string& fault)
{
    return text_with(message::at_line, {file, std::to_string(line), fault});
}

} // namespace

int create_command(const command_args& args, command_context& context)
{
    if (const auto problem = args.operands_problem(1, 1))
        return context.session.refuse(*problem);
    const auto password = args.value("password");
    if (!password)
        return context.session.refuse({usage::create_needs_password, {}});
    Tstudent_data_files_object& files = context.session.files();
    class_list_row s;
    s.name = args.operands().front();
    s.password = *password;
    s.flags = {args.has("guidance-on"), args.has("switchable"), args.has("restart-enabled"), args.has("store-results")};
    if (const auto problems = new_student_problems(files, s.name, s.password); !problems.empty()) {
        context.session.report(problems.front());
        return 2;
    }
    if (!context.session.report(create(files, s)))
        return 1;
    context.out << text_with(message::created_file, {files.results_file_name(s.name)}) << '\n';
    return 0;
}

int import_command(const command_args& args, command_context& context)
{
    if (const auto problem = args.operands_problem(1, 1))
        return context.session.refuse(*problem);
    const std::string& file = args.operands().front();
    const auto status = platform::path_status(file);
    const auto text = status.kind == platform::entry_kind::file ? platform::read_whole_file(file) : std::nullopt;
    if (!text)
        return context.session.refuse({usage::cannot_read_class_list, {file}});
    if (text->size() > largest_class_list)
        return context.session.refuse({usage::class_list_too_large, {file}});
    class_list list = read_class_list(*text);
    if (list.error) {
        context.session.report(at_line(file, list.error_line, list.error->text()));
        context.session.report(text_of(message::nothing_created));
        return 2;
    }
    Tstudent_data_files_object& files = context.session.files();
    if (const int refused = check_rows(files, list.rows); refused > 0) {
        for (const class_list_row& row : list.rows)
            for (const std::string& problem : row.problems)
                context.session.report(at_line(file, row.line, problem));
        context.session.report(counted(static_cast<std::size_t>(refused), message::row_refused,
                                       message::rows_refused, {std::to_string(list.rows.size())}));
        return 2;
    }
    if (args.has("dry-run")) {
        context.out << counted(list.rows.size(), message::student_would_be_created, message::students_would_be_created)
                    << '\n';
        return 0;
    }
    std::vector<std::string> created;
    // Flushed to the disk once at the end, not file by file: a class is imported in seconds.
    files.start_batch();
    for (const class_list_row& row : list.rows) {
        if (!context.session.report(create(files, row))) {
            take_back(context, created);
            context.session.report(text_with(message::import_stopped, {std::to_string(row.line)}));
            return 1;
        }
        created.push_back(files.results_file_name(row.name));
    }
    if (!context.session.report(files.finish_batch())) {
        take_back(context, created);
        context.session.report(text_of(message::import_not_flushed));
        return 1;
    }
    context.out << counted(created.size(), message::created_student, message::created_students) << '\n';
    return 0;
}

} // namespace students_cli

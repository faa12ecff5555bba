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

// A class list larger than this is no class list.
constexpr std::size_t largest_class_list = 16 * 1024 * 1024;

// The create dialog's checks, and what a dialog never lets through: text
// that is not UTF-8, control characters in a password.
std::vector<std::string> new_student_problems(Tstudent_data_files_object& files, const std::string& name,
                                              const std::string& password)
{
    if (!platform::is_utf8(name))
        return {"the name is not UTF-8 text: save the class list as UTF-8"};
    for (const char c : password)
        if (static_cast<unsigned char>(c) < 32 || c == 127)
            return {"the password holds a control character"};
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
            row.problems.push_back("the same student as on line " + std::to_string(first->second));
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

std::string plural(std::size_t n, const char* one, const char* many)
{
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

} // namespace

int create_command(const command_args& args, command_context& context)
{
    args.expect_operands(1, 1);
    const auto password = args.value("password");
    if (!password)
        throw usage_error("create needs --password");
    Tstudent_data_files_object& files = context.session.files();
    class_list_row s;
    s.name = args.operands().front();
    s.password = *password;
    s.flags = {args.has("guidance-on"), args.has("switchable"), args.has("restart-enabled"), args.has("store-results")};
    if (const auto problems = new_student_problems(files, s.name, s.password); !problems.empty()) {
        context.session.err() << "students: " << problems.front() << '\n';
        return 2;
    }
    if (!context.session.report(create(files, s)))
        return 1;
    context.out << "created " << files.results_file_name(s.name) << '\n';
    return 0;
}

int import_command(const command_args& args, command_context& context)
{
    args.expect_operands(1, 1);
    const std::string& file = args.operands().front();
    const auto status = platform::path_status(file);
    const auto text = status.kind == platform::entry_kind::file ? platform::read_whole_file(file) : std::nullopt;
    if (!text)
        throw usage_error("cannot read the class list " + file);
    if (text->size() > largest_class_list)
        throw usage_error(file + " is too large for a class list");
    class_list list = read_class_list(*text);
    if (!list.error.empty()) {
        context.session.err() << "students: " << file << ", line " << list.error_line << ": " << list.error
                              << "\nstudents: nothing was created\n";
        return 2;
    }
    Tstudent_data_files_object& files = context.session.files();
    if (const int refused = check_rows(files, list.rows); refused > 0) {
        for (const class_list_row& row : list.rows)
            for (const std::string& problem : row.problems)
                context.session.err() << "students: " << file << ", line " << row.line << ": " << problem << '\n';
        context.session.err() << "students: nothing was created: " << plural(refused, "row", "rows") << " of "
                              << list.rows.size() << " refused\n";
        return 2;
    }
    if (args.has("dry-run")) {
        context.out << plural(list.rows.size(), "student", "students") << " would be created\n";
        return 0;
    }
    std::vector<std::string> created;
    // Flushed to the disk once at the end, not file by file: a class is imported in seconds.
    files.start_batch();
    for (const class_list_row& row : list.rows) {
        if (!context.session.report(create(files, row))) {
            take_back(context, created);
            context.session.err() << "students: nothing was created: the import stopped at line " << row.line << '\n';
            return 1;
        }
        created.push_back(files.results_file_name(row.name));
    }
    if (!context.session.report(files.finish_batch())) {
        take_back(context, created);
        context.session.err() << "students: nothing was created: the files could not be written to the disk\n";
        return 1;
    }
    context.out << "created " << plural(created.size(), "student", "students") << '\n';
    return 0;
}

} // namespace students_cli

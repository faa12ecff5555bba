#include "students_cli/cli.h"

#include "platform/core/file_system.h"
#include "students_cli/commands.h"
#include "students_cli/help.h"

#include <algorithm>

namespace students_cli {

namespace {

const std::vector<option_rule> global_options{{"settings", true}, {"dir", true}, {"help", false}};

// The first word that is neither a global option nor its value.
std::optional<std::size_t> command_position(const std::vector<std::string>& words)
{
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word == "--")
            return std::nullopt;
        if (word.compare(0, 2, "--") != 0)
            return i;
        if (word == "--settings" || word == "--dir")
            ++i;
    }
    return std::nullopt;
}

void check_settings_file_named(const command_args& args, const cli_command& command)
{
    const auto settings = args.value("settings");
    if (!settings || platform::path_status(platform::resolve_ignoring_case(platform::full_path(*settings))).kind
                         == platform::entry_kind::file)
        return;
    // Only a setting written may create the file.
    const bool writes = std::string(command.name) == "config" && !args.operands().empty()
        && args.operands().front() == "set";
    if (!writes)
        throw usage_error("there is no settings file " + *settings);
}

int run_command(const cli_command& command, const std::string& program_file, const std::vector<std::string>& words,
                std::ostream& out, std::ostream& err)
{
    std::vector<option_rule> known_options = global_options;
    known_options.insert(known_options.end(), command.options.begin(), command.options.end());
    const command_args args(words, known_options);
    if (args.has("help")) {
        out << command_help(command);
        return 0;
    }
    check_settings_file_named(args, command);
    cli_session session({program_file, args.value("settings"), args.value("dir")}, err);
    // Without the texts or the student files directory nothing can be done.
    if (command.needs != cli_command::settings_only && !session.load_texts())
        return 2;
    if (command.needs == cli_command::student_files && !session.open_files())
        return 2;
    command_context context{out, session};
    return command.run(args, context);
}

int dispatch(const std::string& program_file, const std::vector<std::string>& words, std::ostream& out,
             std::ostream& err)
{
    const auto at = command_position(words);
    if (!at) {
        const bool asked = std::find(words.begin(), words.end(), "--help") != words.end();
        (asked ? out : err) << general_help();
        return asked ? 0 : 2;
    }
    std::vector<std::string> rest = words;
    const std::string name = rest[*at];
    rest.erase(rest.begin() + static_cast<std::ptrdiff_t>(*at));
    if (name == "help") {
        // "help COMMAND" is "COMMAND --help".
        if (!command_position(rest)) {
            out << general_help();
            return 0;
        }
        rest.push_back("--help");
        return dispatch(program_file, rest, out, err);
    }
    const cli_command* command = find_command(name);
    if (!command)
        throw usage_error("there is no command \"" + name + "\"");
    return run_command(*command, program_file, rest, out, err);
}

} // namespace

int run_students(const std::string& program_file, const std::vector<std::string>& words, std::ostream& out,
                 std::ostream& err)
{
    try {
        return dispatch(program_file, words, out, err);
    } catch (const usage_error& e) {
        err << "students: " << e.what() << "\nstudents: see \"students --help\"\n";
    } catch (const std::exception& e) {
        err << "students: stopped: " << e.what() << '\n';
    }
    return 2;
}

} // namespace students_cli

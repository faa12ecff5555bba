#include "students_cli/cli.h"

#include "platform/core/file_system.h"
#include "students_cli/commands.h"
#include "students_cli/help.h"

#include <algorithm>

using namespace foundation;

namespace students_cli {

namespace {

using usage = text_names::students_tool_usage;

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

// A command line split into the command named and the other words.
struct command_line {
    std::string name;   // empty when the line names no command
    std::vector<std::string> rest;
};

// "help COMMAND" is "COMMAND --help"; a lone "help" is "--help".
command_line split(const std::vector<std::string>& words)
{
    command_line line{{}, words};
    for (int pass = 0; pass < 2; ++pass) {
        const auto at = command_position(line.rest);
        if (!at)
            return line;
        line.name = line.rest[*at];
        line.rest.erase(line.rest.begin() + static_cast<std::ptrdiff_t>(*at));
        if (line.name != "help")
            return line;
        line.rest.push_back("--help");
        line.name.clear();
    }
    return line;
}

// A settings file named on the command line must exist; only a setting written may create it.
std::optional<usage_problem> settings_file_problem(const command_args& args, const cli_command& command)
{
    const auto settings = args.value("settings");
    if (!settings || platform::path_status(platform::resolve_ignoring_case(platform::full_path(*settings))).kind
                         == platform::entry_kind::file)
        return std::nullopt;
    const bool writes = std::string(command.name) == "config" && !args.operands().empty()
        && args.operands().front() == "set";
    if (writes)
        return std::nullopt;
    return usage_problem{usage::no_settings_file, {*settings}};
}

int run_command(const cli_command& command, const command_args& args, cli_session& session, std::ostream& out)
{
    if (const auto problem = settings_file_problem(args, command))
        return session.refuse(*problem);
    // Without the texts or the student files directory nothing can be done.
    if (command.needs != cli_command::settings_only && !session.report_texts())
        return 2;
    if (command.needs == cli_command::student_files && !session.open_files())
        return 2;
    command_context context{out, session};
    return command.run(args, context);
}

int dispatch(const std::string& program_file, const std::vector<std::string>& words, std::ostream& out,
             std::ostream& err)
{
    const command_line line = split(words);
    const cli_command* command = find_command(line.name);
    std::vector<option_rule> known_options = global_options;
    if (command)
        known_options.insert(known_options.end(), command->options.begin(), command->options.end());
    const command_args args(line.rest, known_options);
    cli_session session({program_file, args.value("settings"), args.value("dir")}, err);
    // The texts first: every message and help comes from them.
    session.load_texts();
    if (!line.name.empty() && !command)
        return session.refuse({usage::unknown_command, {line.name}});
    if (args.problem())
        return session.refuse(*args.problem());
    if (args.has("help") || !command) {
        if (!session.report_texts())
            return 2;
        (args.has("help") ? out : err) << (command ? command_help(*command) : general_help());
        return args.has("help") ? 0 : 2;
    }
    return run_command(*command, args, session, out);
}

} // namespace

int run_students(const std::string& program_file, const std::vector<std::string>& words, std::ostream& out,
                 std::ostream& err)
{
    try {
        return dispatch(program_file, words, out, err);
    } catch (const std::exception& e) {
        // A fault of the program's own: said, never passed over.
        const std::string stopped = text_with(text_names::students_tool_messages::stopped, {e.what()});
        err << "students: " << (stopped.empty() ? e.what() : stopped) << '\n';
    }
    return 2;
}

} // namespace students_cli

#include "students_cli/help.h"

#include "platform/core/file_system.h"

using namespace foundation;

namespace students_cli {

namespace {

using help_entry = text_names::students_tool_command_help;

const std::vector<cli_command>& commands()
{
    static const std::vector<cli_command> all{
        {"list", {{"json", false}}, cli_command::student_files, list_command},
        {"show", {}, cli_command::student_files, show_command},
        {"concise", {}, cli_command::student_files, concise_command},
        {"check", {{"repair", false}}, cli_command::student_files, check_command},
        {"create",
         {{"password", true}, {"guidance-on", false}, {"switchable", false}, {"restart-enabled", false},
          {"store-results", false}},
         cli_command::student_files, create_command},
        {"import", {{"dry-run", false}}, cli_command::student_files, import_command},
        {"export", {{"out", true}}, cli_command::student_files, export_command},
        {"config", {{"default", true}}, cli_command::settings_only, config_command},
        {"text", {}, cli_command::texts, text_command},
        {"guidance", {{"score", true}, {"objects", true}, {"minutes", true}, {"steps", true}}, cli_command::texts,
         guidance_command},
        {"report", {{"pdf", true}, {"png", true}}, cli_command::student_files, report_command},
    };
    return all;
}

std::string help_section(const cli_command& command)
{
    return std::string(text_names::students_tool_command_help_prefix) + platform::ascii_upper(command.name);
}

} // namespace

const cli_command* find_command(const std::string& name)
{
    for (const cli_command& c : commands())
        if (name == c.name)
            return &c;
    return nullptr;
}

std::string general_help()
{
    std::string list;
    for (const cli_command& c : commands()) {
        const std::string name = c.name;
        list += (list.empty() ? "  " : "\n  ") + name + std::string(10 - name.size(), ' ')
            + text_of_section(help_section(c), help_entry::summary);
    }
    return filled_in(section_lines(section_name(text_names::students_tool_help::first_line)), {list});
}

std::string command_help(const cli_command& command)
{
    const std::string section = help_section(command);
    return text_of_section(section, help_entry::usage) + "\n\n"
        + section_lines(section, static_cast<int>(help_entry::description));
}

} // namespace students_cli

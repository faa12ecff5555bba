#pragma once
// The commands of the students tool with their options; their help texts
// are sections of the text-section file named after them.

#include "students_cli/commands.h"

#include <string>
#include <vector>

namespace students_cli {

struct cli_command {
    // What a command needs set up before it runs; each needs those before it too.
    enum needs_kind { settings_only, texts, student_files };
    const char* name;
    std::vector<option_rule> options;
    needs_kind needs;
    int (*run)(const command_args&, command_context&);
};

const cli_command* find_command(const std::string& name);
std::string general_help();
std::string command_help(const cli_command& command);

} // namespace students_cli

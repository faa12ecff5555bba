#pragma once
// The commands of the students tool. Each returns the tool's exit code:
// 0 done, 1 a results file was invalid or could not be read or written,
// 2 refused (bad usage or input); refusals change nothing on disk.

#include "students_cli/cli_session.h"
#include "students_cli/command_args.h"
#include "student_files/student_list.h"

#include <optional>
#include <ostream>
#include <string>

namespace students_cli {

struct command_context {
    std::ostream& out;
    cli_session& session;
};

int list_command(const command_args& args, command_context& context);
int check_command(const command_args& args, command_context& context);
int show_command(const command_args& args, command_context& context);
int concise_command(const command_args& args, command_context& context);
int create_command(const command_args& args, command_context& context);
int import_command(const command_args& args, command_context& context);
int export_command(const command_args& args, command_context& context);
int config_command(const command_args& args, command_context& context);
int text_command(const command_args& args, command_context& context);
int guidance_command(const command_args& args, command_context& context);
int report_command(const command_args& args, command_context& context);

// The results file the directory holds for a student named on the command
// line, found as the manager finds it; nothing when there is none.
std::optional<student_files::listed_student> find_student(student_files::Tstudent_data_files_object& files, const std::string& name);

} // namespace students_cli

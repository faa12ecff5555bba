// export: the results as CSV on the output, or in a file written whole.
#include "students_cli/commands.h"

#include "foundation/texts.h"
#include "platform/core/file_system.h"
#include "students_cli/results_csv.h"
#include "tutor/engine/exercise_texts.h"

using namespace foundation;
using namespace student_files;
using namespace tutor::engine;

namespace students_cli {

int export_command(const command_args& args, command_context& context)
{
    if (const auto problem = args.operands_problem(0, 0))
        return context.session.refuse(*problem);
    Tstudent_data_files_object& files = context.session.files();
    const auto students = list_students(files.directory());
    const results_export exported = export_results(files, students, exercise_texts());
    for (const outcome& problem : exported.problems)
        context.session.report(problem);
    if (const auto out_file = args.value("out")) {
        const std::string path = platform::full_path(*out_file);
        // The file is replaced whole or not at all.
        if (platform::path_status(path).kind == platform::entry_kind::directory
            || !platform::replace_file_atomically(path, exported.csv)) {
            context.session.report(text_with(text_names::students_tool_messages::cannot_write, {path}));
            return 1;
        }
        context.out << text_with(text_names::students_tool_messages::exported,
                                 {std::to_string(exported.rows), std::to_string(students.size()), path})
                    << '\n';
    } else {
        context.out << exported.csv;
    }
    return exported.problems.empty() ? 0 : 1;
}

} // namespace students_cli

// export: the results as CSV on the output, or in a file written whole.
#include "students_cli/commands.h"

#include "platform/core/file_system.h"
#include "students_cli/results_csv.h"
#include "tutor/engine/exercise_texts.h"

using namespace foundation;
using namespace student_files;
using namespace tutor::engine;

namespace students_cli {

int export_command(const command_args& args, command_context& context)
{
    args.expect_operands(0, 0);
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
            context.session.err() << "students: cannot write " << path << '\n';
            return 1;
        }
        context.out << "exported " << exported.rows << " results of " << students.size() << " students to " << path
                    << '\n';
    } else {
        context.out << exported.csv;
    }
    return exported.problems.empty() ? 0 : 1;
}

} // namespace students_cli

// show and concise: the texts the results window and the concise results
// dialog copy, one line of text per line of output.
#include "students_cli/commands.h"

#include "foundation/texts.h"
#include "student_files/concise_results.h"
#include "student_files/results_lines.h"
#include "tutor/engine/exercise_texts.h"

using namespace foundation;
using namespace student_files;
using namespace tutor::engine;

namespace students_cli {

namespace {

void print_lines(std::ostream& out, const std::vector<std::string>& lines)
{
    for (const std::string& line : lines)
        out << line << '\n';
}

results_listing student_results_listing(command_context& context, const std::string& path)
{
    const exercise_texts exercises;
    std::array<std::string, listed_exercises> titles;
    for (int k = 1; k <= listed_exercises; ++k)
        titles[static_cast<std::size_t>(k - 1)] = exercises.title(k);
    std::array<std::string, 5> labels;
    for (std::size_t k = 0; k < labels.size(); ++k)
        labels[k] = text_of(text_names::results_window::started_at, static_cast<int>(k));
    result_chains chains = context.session.files().read_result_chains(path, listed_exercises);
    context.session.report(chains.status);
    return build_results_lines(std::move(chains), titles, labels);
}

} // namespace

int show_command(const command_args& args, command_context& context)
{
    if (const auto problem = args.operands_problem(1, 1))
        return context.session.refuse(*problem);
    Tstudent_data_files_object& files = context.session.files();
    const std::string& name = args.operands().front();
    if (!find_student(files, name))
        return context.session.refuse({text_names::students_tool_usage::no_results_file, {name}});
    const int errors_before = context.session.errors_reported();
    const results_listing listing = student_results_listing(context, files.results_file_name(name));
    for (int i = 1; i <= listing.line_count(); ++i)
        context.out << listing.line(i).text << '\n';
    return context.session.errors_reported() > errors_before ? 1 : 0;
}

int concise_command(const command_args& args, command_context& context)
{
    if (const auto problem = args.operands_problem(0, 0))
        return context.session.refuse(*problem);
    Tstudent_data_files_object& files = context.session.files();
    std::vector<std::string> names;
    for (const listed_student& s : list_students(files.directory()))
        names.push_back(s.name);
    const int errors_before = context.session.errors_reported();
    const concise_results_list concise = concise_results_items(files, names);
    for (const outcome& problem : concise.problems)
        context.session.report(problem);
    print_lines(context.out, concise_results_lines(concise.items));
    return context.session.errors_reported() > errors_before ? 1 : 0;
}

} // namespace students_cli

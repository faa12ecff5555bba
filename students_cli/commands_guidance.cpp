// guidance check and guidance run: a guidance course checked with the
// tutor's own compiler, and walked with a simulated pupil.
#include "students_cli/commands.h"

#include "foundation/texts.h"
#include "geometry/model/object_files.h"
#include "students_cli/guidance/guidance_check.h"
#include "students_cli/guidance/guidance_dry_run.h"
#include "foundation/texts.h"
#include "tutor/engine/guidance_compiler.h"
#include "tutor/engine/guidance_file.h"
#include "tutor/engine/practice_scoring.h"
#include "tutor/engine/theory_chapters.h"

#include <charconv>

using namespace foundation;
using namespace geometry::model;
using namespace tutor::engine;
using namespace students_cli::guidance;

namespace students_cli {

namespace {

using usage = text_names::students_tool_usage;

// The number of `text`, or why it is none: `what` names what it is for.
std::optional<usage_problem> whole_number(const std::string& text, int low, int high, const std::string& what,
                                          int& value)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc() && end == text.data() + text.size() && value >= low && value <= high)
        return std::nullopt;
    return usage_problem{usage::not_a_whole_number, {what, std::to_string(low), std::to_string(high), text}};
}

// "60,3=80,5=40": 60 % for every exercise, 80 % for exercise 3, 40 % for exercise 5.
std::optional<usage_problem> read_scores(const std::string& text, std::array<int, 10>& scores)
{
    scores.fill(100);
    std::array<bool, 10> named{};
    const std::string a_score = text_of(usage::a_score);
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const std::string item = text.substr(start, comma - start);
        const std::size_t equals = item.find('=');
        int score = 0, exercise = 0;
        if (equals == std::string::npos) {
            if (auto problem = whole_number(item, 0, 100, a_score, score))
                return problem;
            for (std::size_t e = 1; e <= 9; ++e)
                scores[e] = named[e] ? scores[e] : score;
        } else {
            if (auto problem = whole_number(item.substr(0, equals), 1, 9, text_of(usage::an_exercise), exercise))
                return problem;
            if (auto problem = whole_number(item.substr(equals + 1), 0, 100, a_score, score))
                return problem;
            scores[static_cast<std::size_t>(exercise)] = score;
            named[static_cast<std::size_t>(exercise)] = true;
        }
        start = comma + 1;
    }
    return std::nullopt;
}

std::optional<usage_problem> read_pupil(const command_args& args, simulated_pupil& pupil)
{
    if (const auto score = args.value("score"))
        if (auto problem = read_scores(*score, pupil.score))
            return problem;
    const struct {
        const char* option;
        int low;
        int high;
        int& value;
    } numbers[] = {{"objects", 1, most_answers_in_an_exercise, pupil.objects},
                   {"minutes", 0, 600, pupil.minutes_per_object},
                   {"steps", 1, 1000000, pupil.step_limit}};
    for (const auto& n : numbers)
        if (const auto given = args.value(n.option))
            if (auto problem = whole_number(*given, n.low, n.high, std::string("--") + n.option, n.value))
                return problem;
    return std::nullopt;
}

// Whether the object files of the settings hold objects for an exercise at a
// level, as the practice window decides it; empty when they cannot be read
// (their message has been written then).
std::function<bool(int, int)> exercise_objects_of_settings(cli_session& session)
{
    TThingCatCollection catalogue;
    if (!session.report(read_object_files(catalogue)))
        return {};
    return [](int exercise, int level) {
        const Texercise_cell& cell
            = exercise_object_table.at(static_cast<std::size_t>(exercise_group(exercise))).at(static_cast<std::size_t>(level));
        object_drawer drawer([](int) { return 0; });
        return !drawer.choose(cell.objects, cell.count, last_object_number);
    };
}

void print_finding(std::ostream& out, const std::string& file, const guidance_finding& f)
{
    using check_text = text_names::guidance_check;
    static const check_text kind_entries[] = {check_text::error, check_text::warning, check_text::note};
    out << file << ':';
    if (f.line > 0)
        out << f.line << ':';
    out << ' ' << text_of(kind_entries[f.kind]) << ": " << f.text << '\n';
}

int check(const std::string& file, const guidance_text& text, command_context& context)
{
    const int errors_before = context.session.errors_reported();
    const guidance_check_settings settings{theory_chapter_count(), exercise_objects_of_settings(context.session)};
    int errors = 0, warnings = 0;
    for (const guidance_finding& f : check_guidance_text(text, settings)) {
        print_finding(context.out, file, f);
        errors += f.kind == guidance_finding::error;
        warnings += f.kind == guidance_finding::warning;
    }
    context.out << file << ": "
                << text_with(text_names::guidance_check::counts, {std::to_string(errors), std::to_string(warnings)}) << '\n';
    return errors + warnings > 0 || context.session.errors_reported() > errors_before ? 1 : 0;
}

int run(const std::string& file, const guidance_text& text, const command_args& args, command_context& context)
{
    simulated_pupil pupil;
    if (const auto problem = read_pupil(args, pupil))
        return context.session.refuse(*problem);
    const guidance_check_compilation compiled = compile_guidance_collecting(text, theory_chapter_count());
    if (!compiled.faults.empty()) {
        for (const guidance_fault& fault : compiled.faults)
            print_finding(context.out, file, {guidance_finding::error, fault.line < 0 ? 0 : text.source_line(fault.line), fault.detail});
        return 1;
    }
    dry_run_course course{compiled.table, file, {}};
    for (const int kept : compiled.statement_lines)
        course.statement_file_lines.push_back(kept < 0 ? 0 : text.source_line(kept));
    const dry_run_end end = dry_run(course, pupil, context.out);
    return end == dry_run_end::halted || end == dry_run_end::finished ? 0 : 1;
}

} // namespace

int guidance_command(const command_args& args, command_context& context)
{
    if (const auto problem = args.operands_problem(1, 2))
        return context.session.refuse(*problem);
    const std::string& action = args.operands().front();
    if (action != "check" && action != "run")
        return context.session.refuse({usage::guidance_action, {action}});
    if (action == "check" && (args.has("score") || args.has("objects") || args.has("minutes") || args.has("steps")))
        return context.session.refuse({usage::run_options, {}});
    const std::string file = args.operands().size() == 2 ? args.operands()[1] : guidance_file_name_from_settings();
    const guidance_reading reading = read_guidance_file(file);
    if (!reading.problem.empty()) {
        context.out << file << ": " << text_of(text_names::guidance_check::error) << ": " << reading.problem << '\n';
        return 1;
    }
    return action == "check" ? check(file, reading.text, context) : run(file, reading.text, args, context);
}

} // namespace students_cli

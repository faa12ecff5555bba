#include "students_cli/guidance/guidance_dry_run.h"

#include "foundation/texts.h"
#include "tutor/engine/exercise_texts.h"
#include "tutor/engine/guidance_counters.h"
#include "tutor/engine/guidance_resolver.h"

#include <algorithm>
#include <optional>

using namespace tutor::engine::guidance_records;
using namespace foundation;
using namespace tutor::engine;

namespace students_cli::guidance {

namespace {

using entry = text_names::guidance_dry_run;

const char* const operator_texts[] = {"AND", "OR", "<", "<=", "=", ">=", ">", "<>"};

std::string operand_text(const statement_table& table, const operand& o);

std::string condition_text(const statement_table& table, condition_ref c)
{
    const condition_node& node = table.condition(c);
    return "(" + operand_text(table, node.operand_at(0)) + " " + operator_texts[node.operator_code() & 7] + " "
        + operand_text(table, node.operand_at(1)) + ")";
}

std::string operand_text(const statement_table& table, const operand& o)
{
    switch (o.kind) {
    case operand_count:
        return "COUNT";
    case operand_score:
        return o.value == 0 ? "SCORE" : "SCORE(" + std::to_string(o.value) + ")";
    case operand_time:
        return "TIME";
    case operand_total_time:
        return "TOTAL_TIME";
    case operand_condition:
        return condition_text(table, o.nested);
    default:
        return std::to_string(o.value);
    }
}

// The pupil's counters and clock as the conditions see them.
class pupil_values : public condition_values {
public:
    guidance_counters counters;
    std::int32_t minutes_in_exercise = 0;
    std::int32_t minutes_in_guidance = 0;

    std::int32_t count() override { return counters.count(); }
    std::int32_t score(int window) override { return counters.score_over(window); }
    std::int32_t exercise_minutes() override { return minutes_in_exercise; }
    std::int32_t total_minutes() override { return minutes_in_guidance; }
};

// "COUNT = 8, SCORE(5) = 80" for the operands of a condition.
void collect_values(const statement_table& table, condition_ref c, pupil_values& values, std::vector<std::string>& out)
{
    const condition_node& node = table.condition(c);
    for (int side = 0; side < 2; ++side) {
        const operand o = node.operand_at(side);
        std::int32_t value = 0;
        switch (o.kind) {
        case operand_condition:
            collect_values(table, o.nested, values, out);
            continue;
        case operand_number:
            continue;
        case operand_count:
            value = values.count();
            break;
        case operand_score:
            value = values.score(o.value > max_score_window ? max_score_window : o.value);
            break;
        case operand_time:
            value = values.exercise_minutes();
            break;
        default:
            value = values.total_minutes();
        }
        const std::string text = operand_text(table, o) + " = " + std::to_string(value);
        if (std::find(out.begin(), out.end(), text) == out.end())
            out.push_back(text);
    }
}

class course_walk {
public:
    course_walk(const dry_run_course& course, const simulated_pupil& pupil, std::ostream& out)
        : course_(course), table_(course.table), pupil_(pupil), out_(out)
    {
    }

    dry_run_end run()
    {
        if (table_.count() == 0) {
            out_ << course_.file_name << ": " << text_with(entry::no_statements) << '\n';
            return dry_run_end::empty;
        }
        int current = 1;
        for (int steps = 0;; ++steps) {
            const resolution r = resolve_statement(table_, current, values_, [this](int from, int to, bool jumped) {
                report_jump(from, to, jumped);
            });
            if (r.endless_jumps)
                return stop(r.statement, text_with(entry::endless_jumps), dry_run_end::endless_jumps);
            if (r.statement > table_.count()) {
                out_ << course_.file_name << ": " << text_with(entry::guidance_finished, {minutes()}) << '\n';
                return dry_run_end::finished;
            }
            if (steps == pupil_.step_limit)
                return stop(r.statement, text_with(entry::step_limit_reached, {std::to_string(steps)}),
                            dry_run_end::step_limit);
            if (const auto end = carry_out(r.statement))
                return *end;
            current = r.statement + 1;
        }
    }

private:
    std::string minutes() const { return std::to_string(values_.minutes_in_guidance); }

    std::string where(int statement) const
    {
        return statement > table_.count() ? text_with(entry::the_end)
                                          : text_with(entry::statement_word, {std::to_string(statement)});
    }

    void line(int statement, const std::string& what)
    {
        out_ << course_.file_name << ':' << course_.statement_file_lines[static_cast<std::size_t>(statement)] << ": "
             << where(statement) << ": " << statement_text(table_, statement) << ": " << what << '\n';
    }

    dry_run_end stop(int statement, const std::string& what, dry_run_end end)
    {
        line(statement, what);
        return end;
    }

    void report_jump(int from, int to, bool jumped)
    {
        const statement_record& s = table_.statement(from);
        if (s.jump_condition() == no_condition) {
            line(from, text_with(entry::jumps_on, {where(to)}));
            return;
        }
        std::vector<std::string> shown;
        collect_values(table_, s.jump_condition(), values_, shown);
        std::string listed;
        for (const std::string& v : shown)
            listed += (listed.empty() ? "" : ", ") + v;
        line(from, text_with(jumped ? entry::jump_holds : entry::jump_fails, {listed, where(to)}));
    }

    std::optional<dry_run_end> carry_out(int k)
    {
        const statement_record& s = table_.statement(k);
        switch (s.kind()) {
        case kind_halt:
            return stop(k, text_with(entry::halt_ends, {std::to_string(s.exit_code()), minutes()}),
                        dry_run_end::halted);
        case kind_theory:
            line(k, text_with(entry::opens_theory, {std::to_string(s.number())}));
            return std::nullopt;
        default:
            return exercise(k, s);
        }
    }

    std::optional<dry_run_end> exercise(int k, const statement_record& s)
    {
        const int score = pupil_.score.at(s.number());
        std::string what = text_with(s.kind() == kind_test ? entry::opens_test : entry::opens_exercise,
                                     {std::to_string(s.number()), titles_.title(s.number()), std::to_string(s.level())});
        values_.counters.reset();
        values_.minutes_in_exercise = 0;
        for (int answers = 1; answers <= most_answers_in_an_exercise; ++answers) {
            const bool correct = answers * score / 100 > (answers - 1) * score / 100;
            values_.counters.record(correct);
            values_.minutes_in_exercise += pupil_.minutes_per_object;
            values_.minutes_in_guidance += pupil_.minutes_per_object;
            const bool ended = s.exit_condition() != no_condition && condition_holds(table_, s.exit_condition(), values_);
            const bool may_leave = s.exit_ok_condition() == no_condition || condition_holds(table_, s.exit_ok_condition(), values_);
            if (ended || (answers >= pupil_.objects && may_leave)) {
                line(k, what + ": " + answered() + ": " + text_with(ended ? entry::ended_by_exit : entry::pupil_leaves));
                return std::nullopt;
            }
        }
        return stop(k, what + ": " + answered() + ": " + text_with(entry::pupil_held, {std::to_string(most_answers_in_an_exercise)}),
                    dry_run_end::pupil_held);
    }

    std::string answered()
    {
        const guidance_counters& c = values_.counters;
        return text_with(entry::pupil_answers, {std::to_string(c.count()), std::to_string(c.correct()),
                                                  std::to_string(c.score()), std::to_string(values_.minutes_in_exercise)});
    }

    const dry_run_course& course_;
    const statement_table& table_;
    const simulated_pupil& pupil_;
    std::ostream& out_;
    pupil_values values_;
    const exercise_texts titles_;
};

} // namespace

std::string statement_text(const statement_table& table, int statement)
{
    const statement_record& s = table.statement(statement);
    switch (s.kind()) {
    case kind_theory:
        return "TH " + std::to_string(s.number());
    case kind_exercise:
    case kind_test:
        return (s.kind() == kind_test ? "TE " : "EX ") + std::to_string(s.number()) + " /L=" + std::to_string(s.level());
    case kind_goto:
        return (s.jump_condition() == no_condition ? "" : "IF " + condition_text(table, s.jump_condition()) + " ")
            + "GOTO " + std::to_string(s.target());
    case kind_halt:
        return "HALT " + std::to_string(s.exit_code());
    default:
        return ";";
    }
}

dry_run_end dry_run(const dry_run_course& course, const simulated_pupil& pupil, std::ostream& out)
{
    return course_walk(course, pupil, out).run();
}

} // namespace students_cli::guidance

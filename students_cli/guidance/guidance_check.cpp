#include "students_cli/guidance/guidance_check.h"

#include "students_cli/guidance/condition_outcomes.h"
#include "students_cli/guidance/guidance_flow.h"
#include "foundation/texts.h"
#include "tutor/engine/guidance_compiler.h"
#include "tutor/engine/guidance_resolver.h"

#include <algorithm>
#include <limits>
#include <map>

using namespace tutor::engine::guidance_records;
using namespace foundation;
using namespace tutor::engine;

namespace students_cli::guidance {

namespace {

using entry = text_names::guidance_check;

std::string numbers(const std::vector<int>& group)
{
    std::string text;
    for (const int k : group)
        text += (text.empty() ? "" : ", ") + std::to_string(k);
    return text;
}

class course_checker {
public:
    course_checker(const guidance_text& text, const guidance_check_settings& settings)
        : text_(text), settings_(settings), compiled_(compile_guidance_collecting(text, settings.theory_chapters))
    {
    }

    std::vector<guidance_finding> run()
    {
        for (const guidance_fault& fault : compiled_.faults)
            add_fault(fault);
        for (int k = 1; k <= table().count(); ++k)
            check_statement(k);
        if (!settings_.has_objects)
            add(guidance_finding::note, 0, text_with(entry::objects_unchecked));
        if (compiled_.faults.empty())
            check_flow();
        else
            add(guidance_finding::note, 0, text_with(entry::flow_unchecked));
        // Findings of no line, about the whole file, come last.
        const auto order = [](const guidance_finding& f) { return f.line > 0 ? f.line : std::numeric_limits<int>::max(); };
        std::stable_sort(findings_.begin(), findings_.end(), [&](const auto& a, const auto& b) {
            return order(a) != order(b) ? order(a) < order(b) : a.kind < b.kind;
        });
        return findings_;
    }

private:
    const statement_table& table() const { return compiled_.table; }

    int file_line_of_kept(int kept) const { return kept < 0 ? 0 : text_.source_line(kept); }
    int file_line(int statement) const
    {
        return file_line_of_kept(compiled_.statement_lines[static_cast<std::size_t>(statement)]);
    }

    void add(guidance_finding::kind_of kind, int line, std::string text)
    {
        findings_.push_back({kind, line, std::move(text)});
    }

    void add_fault(const guidance_fault& fault)
    {
        std::string text = fault.detail;
        if (fault.theory_chapter > 0)
            text += ": " + text_with(entry::chapter_beyond_settings, {std::to_string(fault.theory_chapter),
                                                                        std::to_string(settings_.theory_chapters)});
        add(guidance_finding::error, file_line_of_kept(fault.line), text);
    }

    void warn_unless(bool fine, int statement, entry k)
    {
        if (!fine)
            add(guidance_finding::warning, file_line(statement), text_with(k));
    }

    void check_statement(int k)
    {
        const statement_record& s = table().statement(k);
        if (s.kind() == kind_goto && s.jump_condition() != no_condition) {
            const condition_outcomes o = possible_outcomes(table(), s.jump_condition());
            warn_unless(o.can_hold, k, entry::jump_never_taken);
            warn_unless(o.can_fail, k, entry::jump_always_taken);
        }
        if (s.kind() != kind_exercise && s.kind() != kind_test)
            return;
        // EXIT is asked after an answer, EXIT_OK whenever the pupil would leave.
        if (s.exit_condition() != no_condition)
            warn_unless(possible_outcomes(table(), s.exit_condition(), 1).can_hold, k, entry::exit_never_holds);
        if (s.exit_ok_condition() != no_condition)
            warn_unless(possible_outcomes(table(), s.exit_ok_condition()).can_hold, k, entry::exit_ok_never_holds);
        if (settings_.has_objects && !settings_.has_objects(s.number(), s.level()))
            add(guidance_finding::warning, file_line(k),
                text_with(entry::no_objects, {std::to_string(s.number()), std::to_string(s.level())}));
    }

    void check_flow()
    {
        check_labels();
        const guidance_flow flow = trace_flow(table());
        check_reach(flow);
        const auto only_jumps = [this, &flow](int k) {
            const auto kind = table().statement(k).kind();
            return flow.reachable[static_cast<std::size_t>(k)] && (kind == kind_empty || kind == kind_goto);
        };
        for (const auto& group : circles(flow, only_jumps))
            add(guidance_finding::warning, file_line(group.front()), text_with(entry::circle_of_jumps, {numbers(group)}));
        const auto reached = [&flow](int k) { return static_cast<bool>(flow.reachable[static_cast<std::size_t>(k)]); };
        for (const auto& group : circles(flow, reached))
            if (!has_way_out(flow, group) && !std::all_of(group.begin(), group.end(), only_jumps))
                add(guidance_finding::warning, file_line(group.front()),
                    text_with(entry::circle_without_way_out, {numbers(group)}));
    }

    void check_labels()
    {
        std::map<int, int> first_carrier;
        std::vector<bool> jumped_to(65536, false);
        for (int k = 1; k <= table().count(); ++k)
            if (table().statement(k).kind() == kind_goto)
                jumped_to[table().statement(k).target()] = true;
        for (int k = 1; k <= table().count(); ++k) {
            const statement_record& s = table().statement(k);
            if (s.kind() == kind_goto && labelled_statement(table(), s.target()) > table().count())
                add(guidance_finding::warning, file_line(k),
                    text_with(entry::label_carried_by_none, {std::to_string(s.target())}));
            if (s.label() == 0)
                continue;
            const auto [first, fresh] = first_carrier.emplace(s.label(), k);
            if (!fresh)
                add(guidance_finding::warning, file_line(k),
                    text_with(entry::label_carried_before, {std::to_string(s.label()), std::to_string(first->second)}));
            else if (!jumped_to[s.label()])
                add(guidance_finding::warning, file_line(k), text_with(entry::label_never_jumped_to, {std::to_string(s.label())}));
        }
    }

    // One warning per run of statements no path reaches, named by its first and last that do something.
    void check_reach(const guidance_flow& flow)
    {
        int first = 0, last = 0;
        for (int k = 1; k <= table().count() + 1; ++k) {
            const bool unreached = k <= table().count() && !flow.reachable[static_cast<std::size_t>(k)];
            if (unreached && table().statement(k).kind() != kind_empty) {
                first = first == 0 ? k : first;
                last = k;
            }
            if (!unreached && first != 0) {
                add(guidance_finding::warning, file_line(first),
                    first == last ? text_with(entry::unreachable_statement, {std::to_string(first)})
                                  : text_with(entry::unreachable_statements, {std::to_string(first), std::to_string(last)}));
                first = last = 0;
            }
        }
    }

    const guidance_text& text_;
    const guidance_check_settings& settings_;
    guidance_check_compilation compiled_;
    std::vector<guidance_finding> findings_;
};

} // namespace

std::vector<guidance_finding> check_guidance_text(const guidance_text& text, const guidance_check_settings& settings)
{
    return course_checker(text, settings).run();
}

} // namespace students_cli::guidance

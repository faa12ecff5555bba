#include "tutor/engine/guidance_compiler.h"

#include "foundation/numeric.h"
#include "tutor/engine/guidance_error_text.h"
#include "tutor/engine/guidance_scanner.h"

#include <algorithm>
#include <string_view>

using namespace tutor::engine::guidance_records;
using namespace foundation;

namespace tutor::engine {

namespace {

struct compile_fault {
    std::string detail;
    int theory_chapter = 0;
};

constexpr std::uint32_t largest_number = 65535;

class guidance_parser {
public:
    guidance_parser(guidance_scanner& scanner, statement_table& table, int theory_chapters)
        : s_(scanner), table_(table), theory_chapters_(theory_chapters)
    {
    }

    statement_record statement();
    // After a fault: on behind the statement's run of ";".
    void skip_statement();
    // The label of the statement being parsed, once read; 0 before.
    std::uint16_t label_read() const { return label_; }

private:
    [[noreturn]] static void fail(std::string detail) { throw compile_fault{std::move(detail)}; }
    [[noreturn]] void fail_on_character() const { fail("wrong character = \"" + std::string(1, s_.current()) + "\""); }
    void expect(std::string_view keyword);
    std::uint16_t number();
    std::uint16_t number_in(std::uint16_t low, std::uint16_t high);
    void exercise(statement_record& r);
    condition_ref condition();
    operand value_or_condition();
    condition_operator comparison_or_junction();

    guidance_scanner& s_;
    statement_table& table_;
    int theory_chapters_;
    int depth_ = 0;
    std::uint16_t label_ = 0;
};

void guidance_parser::expect(std::string_view keyword)
{
    for (const char c : keyword) {
        if (s_.current() != c)
            fail_on_character();
        s_.advance();
    }
}

std::uint16_t guidance_parser::number()
{
    if (!is_digit(s_.current()))
        fail("digit expected");
    std::uint32_t value = 0;
    while (is_digit(s_.current())) {
        // Saturates past the largest number, so a long row of digits cannot overflow.
        value = std::min<std::uint32_t>(value * 10 + static_cast<std::uint32_t>(s_.current() - '0'),
                                        largest_number + 1);
        s_.advance();
    }
    if (value > largest_number)
        fail("value out of range");
    return static_cast<std::uint16_t>(value);
}

std::uint16_t guidance_parser::number_in(std::uint16_t low, std::uint16_t high)
{
    const std::uint16_t value = number();
    if (value < low || value > high)
        fail("value out of range");
    return value;
}

statement_record guidance_parser::statement()
{
    statement_record r;
    label_ = 0;
    if (is_digit(s_.current())) {
        const std::uint16_t label = number();
        if (label == 0)
            fail("wrong label value");
        expect(":");
        r.set_label(label);
        label_ = label;
    }
    switch (s_.current()) {
    case ';':
        r.set_kind(kind_empty);
        break;
    case 'T':
        s_.advance();
        if (s_.current() == 'H') {
            s_.advance();
            r.set_kind(kind_theory);
            const std::uint16_t chapter = number();
            if (chapter < 1 || chapter > theory_chapters_)
                throw compile_fault{"value out of range", chapter};
            r.set_number(static_cast<std::uint8_t>(chapter));
        } else if (s_.current() == 'E') {
            s_.advance();
            r.set_kind(kind_test);
            exercise(r);
        } else {
            fail_on_character();
        }
        break;
    case 'E':
        expect("EX");
        r.set_kind(kind_exercise);
        exercise(r);
        break;
    case 'G':
        expect("GOTO");
        r.set_kind(kind_goto);
        r.set_target(number());
        break;
    case 'I':
        expect("IF");
        r.set_kind(kind_goto);
        r.set_jump_condition(condition());
        expect("GOTO");
        r.set_target(number());
        break;
    case 'H':
        expect("HALT");
        r.set_kind(kind_halt);
        if (is_digit(s_.current()))
            r.set_exit_code(number());
        break;
    default:
        fail_on_character();
    }
    expect(";");
    while (s_.current() == ';')
        s_.advance();
    return r;
}

void guidance_parser::skip_statement()
{
    depth_ = 0;
    while (!s_.at_end() && s_.current() != ';')
        s_.advance();
    while (s_.current() == ';')
        s_.advance();
}

void guidance_parser::exercise(statement_record& r)
{
    r.set_number(static_cast<std::uint8_t>(number_in(1, 9)));
    r.set_level(1);
    while (s_.current() == '/') {
        s_.advance();
        if (s_.current() == 'L') {
            expect("L=");
            r.set_level(static_cast<std::uint8_t>(number_in(1, 3)));
        } else if (s_.current() == 'E') {
            expect("EXIT");
            if (s_.current() == '=') {
                s_.advance();
                r.set_exit_condition(condition());
            } else {
                expect("_OK=");
                r.set_exit_ok_condition(condition());
            }
        } else {
            fail_on_character();
        }
    }
}

condition_ref guidance_parser::condition()
{
    if (++depth_ > max_condition_nesting)
        fail("conditions nested too deeply");
    expect("(");
    const operand first = value_or_condition();
    const condition_operator op = comparison_or_junction();
    const operand second = value_or_condition();
    const bool joins_conditions = op == op_and || op == op_or;
    if ((first.kind == operand_condition) != joins_conditions || (second.kind == operand_condition) != joins_conditions)
        fail("wrong operands/operator combination");
    expect(")");
    --depth_;
    condition_node node;
    node.set_operator(op);
    node.set_operand(0, first);
    node.set_operand(1, second);
    return table_.add_condition(node);
}

operand guidance_parser::value_or_condition()
{
    switch (s_.current()) {
    case '(':
        return {operand_condition, 0, condition()};
    case 'C':
        expect("COUNT");
        return {operand_count, 0, no_condition};
    case 'S': {
        expect("SCORE");
        std::uint16_t window = 0;
        if (s_.current() == '(') {
            s_.advance();
            window = number();
            expect(")");
        }
        return {operand_score, window, no_condition};
    }
    case 'T':
        s_.advance();
        if (s_.current() == 'I') {
            expect("IME");
            return {operand_time, 0, no_condition};
        }
        if (s_.current() == 'O') {
            expect("OTAL_TIME");
            return {operand_total_time, 0, no_condition};
        }
        fail_on_character();
    default:
        return {operand_number, number(), no_condition};
    }
}

condition_operator guidance_parser::comparison_or_junction()
{
    switch (s_.current()) {
    case '<':
        s_.advance();
        if (s_.current() == '=' || s_.current() == '>') {
            const bool equal = s_.current() == '=';
            s_.advance();
            return equal ? op_less_equal : op_not_equal;
        }
        return op_less;
    case '>':
        s_.advance();
        if (s_.current() == '=') {
            s_.advance();
            return op_greater_equal;
        }
        return op_greater;
    case '=':
        s_.advance();
        return op_equal;
    case 'A':
        expect("AND");
        return op_and;
    case 'O':
        expect("OR");
        return op_or;
    default:
        fail_on_character();
    }
}

// A run of one or more ";" ends a statement.
int count_statements(guidance_scanner& s)
{
    int count = 0;
    bool in_run = false;
    for (; !s.at_end(); s.advance()) {
        const bool semicolon = s.current() == ';';
        if (semicolon && !in_run && ++count > statement_table::max_statements)
            throw compile_fault{"more than " + std::to_string(statement_table::max_statements) + " statements"};
        in_run = semicolon;
    }
    return count;
}

std::string error_message(const guidance_scanner& s, const std::string& detail)
{
    return guidance_compile_error_text(s.current_line(), s.current_column(), detail);
}

// Sizes the table by the count of statements; a fault goes to `on_fault` with the counting scanner.
template <class OnFault>
bool sized_table(const guidance_text& text, statement_table& table, OnFault on_fault)
{
    guidance_scanner counter(text);
    try {
        table = statement_table(count_statements(counter));
        return true;
    } catch (const compile_fault& fault) {
        on_fault(counter, fault);
        return false;
    }
}

} // namespace

guidance_compilation compile_guidance(const guidance_text& text, int theory_chapters)
{
    guidance_compilation result;
    if (!sized_table(text, result.table, [&](const guidance_scanner& counter, const compile_fault& fault) {
            result.error = error_message(counter, fault.detail);
        }))
        return result;
    guidance_scanner scanner(text);
    guidance_parser parser(scanner, result.table, theory_chapters);
    try {
        for (int number = 1; !scanner.at_end(); ++number)
            result.table.set_statement(number, parser.statement());
    } catch (const compile_fault& fault) {
        result.table = statement_table();
        result.error = error_message(scanner, fault.detail);
    }
    return result;
}

guidance_check_compilation compile_guidance_collecting(const guidance_text& text, int theory_chapters)
{
    guidance_check_compilation result;
    if (!sized_table(text, result.table, [&](const guidance_scanner& counter, const compile_fault& fault) {
            result.faults.push_back({counter.current_line_index(), fault.detail, 0});
        }))
        return result;
    result.statement_lines.assign(static_cast<std::size_t>(result.table.count()) + 1, -1);
    guidance_scanner scanner(text);
    guidance_parser parser(scanner, result.table, theory_chapters);
    // Each statement, faulty or not, takes one run of ";", so numbers stay within the count.
    for (int number = 1; !scanner.at_end() && number <= result.table.count(); ++number) {
        result.statement_lines[static_cast<std::size_t>(number)] = scanner.current_line_index();
        try {
            result.table.set_statement(number, parser.statement());
        } catch (const compile_fault& fault) {
            result.faults.push_back({scanner.current_line_index(), fault.detail, fault.theory_chapter});
            statement_record empty;
            empty.set_label(parser.label_read());
            result.table.set_statement(number, empty);
            parser.skip_statement();
        }
    }
    // Text after the last ";" is a statement without its end.
    if (!scanner.at_end()) {
        guidance_parser tail(scanner, result.table, theory_chapters);
        try {
            tail.statement();
        } catch (const compile_fault& fault) {
            result.faults.push_back({scanner.current_line_index(), fault.detail, fault.theory_chapter});
        }
    }
    return result;
}

} // namespace tutor::engine

#include "tutor/engine/guidance_resolver.h"

using namespace tutor::engine::guidance_records;

namespace tutor::engine {

namespace {

std::int32_t operand_value(const statement_table& table, const operand& o, condition_values& values)
{
    switch (o.kind) {
    case operand_count:
        return values.count();
    case operand_score:
        return values.score(o.value > max_score_window ? max_score_window : o.value);
    case operand_time:
        return values.exercise_minutes();
    case operand_total_time:
        return values.total_minutes();
    case operand_condition:
        return condition_holds(table, o.nested, values) ? 1 : 0;
    default:
        return o.value;
    }
}

} // namespace

int labelled_statement(const statement_table& table, std::uint16_t label)
{
    for (int k = 1; k <= table.count(); ++k)
        if (table.statement(k).label() == label)
            return k;
    return table.count() + 1;
}

bool operator_holds(std::uint8_t op, std::int32_t a, std::int32_t b)
{
    switch (op) {
    case op_and:
        return a != 0 && b != 0;
    case op_or:
        return a != 0 || b != 0;
    case op_less:
        return a < b;
    case op_less_equal:
        return a <= b;
    case op_equal:
        return a == b;
    case op_greater_equal:
        return a >= b;
    case op_greater:
        return a > b;
    default:
        return a != b;
    }
}

bool condition_holds(const statement_table& table, condition_ref condition, condition_values& values)
{
    const condition_node& node = table.condition(condition);
    const std::int32_t first = operand_value(table, node.operand_at(0), values);
    const std::int32_t second = operand_value(table, node.operand_at(1), values);
    return operator_holds(node.operator_code(), first, second);
}

resolution resolve_statement(const statement_table& table, int n, condition_values& values,
                             const jump_observer& observer)
{
    int jumps = 0;
    while (n >= 1 && n <= table.count()) {
        const statement_record& s = table.statement(n);
        switch (s.kind()) {
        case kind_empty:
            ++n;
            break;
        case kind_goto: {
            if (s.jump_condition() != no_condition && !condition_holds(table, s.jump_condition(), values)) {
                if (observer)
                    observer(n, n + 1, false);
                ++n;
                break;
            }
            if (++jumps > table.count())
                return {n, true};
            const int target = labelled_statement(table, s.target());
            if (observer)
                observer(n, target, true);
            n = target;
            break;
        }
        default:
            return {n, false};
        }
    }
    return {n < 1 ? 0 : n, false};
}

} // namespace tutor::engine

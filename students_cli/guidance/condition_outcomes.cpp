#include "students_cli/guidance/condition_outcomes.h"

#include "tutor/engine/guidance_resolver.h"

#include <algorithm>
#include <array>
#include <limits>
#include <optional>

using namespace tutor::engine::guidance_records;
using namespace tutor::engine;

namespace students_cli::guidance {

namespace {

struct value_range {
    std::int64_t low = 0;
    std::int64_t high = std::numeric_limits<std::int32_t>::max();
    bool empty() const { return low > high; }
};

// COUNT, TIME, TOTAL_TIME, then SCORE over windows 0 (the whole score) to 30.
constexpr std::size_t count_slot = 0, time_slot = 1, total_time_slot = 2, first_score_slot = 3;
using value_ranges = std::array<value_range, first_score_slot + max_score_window + 1>;

std::optional<std::size_t> slot_of(const operand& o)
{
    switch (o.kind) {
    case operand_count:
        return count_slot;
    case operand_time:
        return time_slot;
    case operand_total_time:
        return total_time_slot;
    case operand_score:
        return first_score_slot + std::min<std::size_t>(o.value, max_score_window);
    default:
        return std::nullopt;
    }
}

condition_operator negated(condition_operator op)
{
    switch (op) {
    case op_less:
        return op_greater_equal;
    case op_less_equal:
        return op_greater;
    case op_equal:
        return op_not_equal;
    case op_greater_equal:
        return op_less;
    case op_greater:
        return op_less_equal;
    default:
        return op_equal;
    }
}

// a op b read from b's side: b mirrored(op) a.
condition_operator mirrored(condition_operator op)
{
    switch (op) {
    case op_less:
        return op_greater;
    case op_less_equal:
        return op_greater_equal;
    case op_greater_equal:
        return op_less_equal;
    case op_greater:
        return op_less;
    default:
        return op;
    }
}

// Some a of `a` and b of `b` with a op b.
bool some_pair(condition_operator op, const value_range& a, const value_range& b)
{
    switch (op) {
    case op_less:
        return a.low < b.high;
    case op_less_equal:
        return a.low <= b.high;
    case op_equal:
        return a.low <= b.high && b.low <= a.high;
    case op_greater_equal:
        return a.high >= b.low;
    case op_greater:
        return a.high > b.low;
    default:
        return !(a.low == a.high && b.low == b.high && a.low == b.low);
    }
}

// The values of the range for which value op c holds (kept as a range, so <> only trims ends).
value_range narrowed(value_range r, condition_operator op, std::int64_t c)
{
    switch (op) {
    case op_less:
        r.high = std::min(r.high, c - 1);
        break;
    case op_less_equal:
        r.high = std::min(r.high, c);
        break;
    case op_equal:
        r.low = std::max(r.low, c);
        r.high = std::min(r.high, c);
        break;
    case op_greater_equal:
        r.low = std::max(r.low, c);
        break;
    case op_greater:
        r.low = std::max(r.low, c + 1);
        break;
    default:
        if (r.low == c)
            ++r.low;
        if (r.high == c)
            --r.high;
    }
    return r;
}

value_ranges joined(const value_ranges& a, const value_ranges& b)
{
    value_ranges j;
    for (std::size_t k = 0; k < j.size(); ++k)
        j[k] = {std::min(a[k].low, b[k].low), std::max(a[k].high, b[k].high)};
    return j;
}

class outcome_search {
public:
    explicit outcome_search(const statement_table& table) : table_(table) {}

    // The operands' ranges under which the condition can come out as `wanted`; none when it cannot.
    std::optional<value_ranges> narrow(condition_ref condition, const value_ranges& ranges, bool wanted) const
    {
        const condition_node& node = table_.condition(condition);
        const auto op = static_cast<condition_operator>(node.operator_code());
        const operand a = node.operand_at(0), b = node.operand_at(1);
        if (op == op_and || op == op_or)
            return junction(op == op_and, a, b, ranges, wanted);
        return comparison(wanted ? op : negated(op), a, b, ranges);
    }

private:
    std::optional<value_ranges> junction(bool both, const operand& a, const operand& b, const value_ranges& ranges,
                                         bool wanted) const
    {
        // AND holding and OR failing need both sides; the others need one.
        if (both == wanted) {
            const auto first = side(a, ranges, wanted);
            return first ? side(b, *first, wanted) : std::nullopt;
        }
        const auto first = side(a, ranges, wanted), second = side(b, ranges, wanted);
        if (first && second)
            return joined(*first, *second);
        return first ? first : second;
    }

    // The compiler lets AND and OR join conditions only; anything else is taken as unknown.
    std::optional<value_ranges> side(const operand& o, const value_ranges& ranges, bool wanted) const
    {
        return o.kind == operand_condition ? narrow(o.nested, ranges, wanted) : std::optional<value_ranges>(ranges);
    }

    std::optional<value_ranges> comparison(condition_operator op, const operand& a, const operand& b,
                                           value_ranges ranges) const
    {
        const auto slot_a = slot_of(a), slot_b = slot_of(b);
        if (slot_a && slot_b) {
            if (*slot_a == *slot_b)
                return operator_holds(op, 0, 0) ? std::optional<value_ranges>(ranges) : std::nullopt;
            return some_pair(op, ranges[*slot_a], ranges[*slot_b]) ? std::optional<value_ranges>(ranges)
                                                                     : std::nullopt;
        }
        // The compiler lets comparisons join values only, so what is not an operand slot is a number.
        if (!slot_a && !slot_b)
            return operator_holds(op, a.value, b.value) ? std::optional<value_ranges>(ranges) : std::nullopt;
        const std::size_t slot = slot_a ? *slot_a : *slot_b;
        const value_range r = narrowed(ranges[slot], slot_a ? op : mirrored(op), slot_a ? b.value : a.value);
        if (r.empty())
            return std::nullopt;
        ranges[slot] = r;
        return ranges;
    }

    const statement_table& table_;
};

value_ranges starting_ranges(std::int32_t least_count)
{
    value_ranges ranges;
    ranges[count_slot].low = least_count;
    for (std::size_t k = first_score_slot; k < ranges.size(); ++k)
        ranges[k] = {0, 100};
    return ranges;
}

} // namespace

condition_outcomes possible_outcomes(const statement_table& table, condition_ref condition, std::int32_t least_count)
{
    const outcome_search search(table);
    const value_ranges ranges = starting_ranges(least_count);
    return {search.narrow(condition, ranges, true).has_value(), search.narrow(condition, ranges, false).has_value()};
}

} // namespace students_cli::guidance

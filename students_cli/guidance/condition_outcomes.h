#pragma once
// Whether a compiled guidance condition can hold and whether it can fail,
// judged from the values its operands can take: COUNT, TIME and TOTAL_TIME
// are 0 or more, every SCORE lies from 0 to 100. Comparisons of one operand
// with numbers narrow that operand's range, so (COUNT > 5) AND (COUNT < 3)
// can never hold. Different operands count as independent (SCORE and
// SCORE(5) may in truth be bound to each other), so "can hold" may be
// said of a condition that never does; "cannot" is always true.

#include "tutor/engine/guidance_records.h"

#include <cstdint>

namespace students_cli::guidance {

struct condition_outcomes {
    bool can_hold = true;
    bool can_fail = true;
};

// least_count: the smallest COUNT when the condition is asked (1 after an answer).
condition_outcomes possible_outcomes(const tutor::engine::guidance_records::statement_table& table,
                                     tutor::engine::guidance_records::condition_ref condition, std::int32_t least_count = 0);

} // namespace students_cli::guidance

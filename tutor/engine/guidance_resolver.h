#pragma once
// Running the compiled guidance program: the value of a condition, and the
// next statement to carry out from a given one. Both read the table only;
// what the operands stand for comes from the caller.

#include "tutor/engine/guidance_records.h"

#include <cstdint>
#include <functional>

namespace tutor::engine {

// The values behind COUNT, SCORE, TIME and TOTAL_TIME. All are signed 32-bit.
class condition_values {
public:
    virtual ~condition_values() = default;
    virtual std::int32_t count() = 0;
    // The score; with a window of 1 to 30 answers, the score over the last ones.
    virtual std::int32_t score(int window) = 0;
    virtual std::int32_t exercise_minutes() = 0;
    virtual std::int32_t total_minutes() = 0;
};

// SCORE(n) counts at most this many recent answers.
inline constexpr int max_score_window = 30;

bool condition_holds(const guidance_records::statement_table& table, guidance_records::condition_ref condition,
                     condition_values& values);

// What an operator makes of two values; AND and OR take non-zero as true.
bool operator_holds(std::uint8_t op, std::int32_t a, std::int32_t b);

struct resolution {
    int statement;       // 0 before the start, beyond the count when finished
    bool endless_jumps;  // gave up: `statement` lies on jumps that never reach one to carry out
};

// From statement n: empty statements are passed, jumps taken when their
// condition holds; the result is the first TH, EX, TE or HALT reached. A
// jump to a label no statement carries finishes. More jumps than there are
// statements can only go round in a circle, so resolving gives up then.
// `observer`, when given, is told of every GOTO passed: its number, where it
// led and whether it jumped.
using jump_observer = std::function<void(int statement, int next, bool jumped)>;
resolution resolve_statement(const guidance_records::statement_table& table, int n, condition_values& values,
                             const jump_observer& observer = {});

// The first statement that carries the label; count + 1 when none does.
int labelled_statement(const guidance_records::statement_table& table, std::uint16_t label);

} // namespace tutor::engine

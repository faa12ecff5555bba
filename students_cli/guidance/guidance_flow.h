#pragma once
// The ways a compiled guidance program can go, judged without a pupil: on
// from a statement to the next, along a jump whose condition can hold, past
// one whose condition can fail; a HALT goes nowhere. Statement count + 1
// stands for the end of the guidance.

#include "tutor/engine/guidance_records.h"

#include <functional>
#include <vector>

namespace students_cli::guidance {

struct guidance_flow {
    int count = 0;
    std::vector<std::vector<int>> successors;   // [k] for statements 1..count
    std::vector<bool> reachable;                // [k]: some way from statement 1 leads to k
};

guidance_flow trace_flow(const tutor::engine::guidance_records::statement_table& table);

// The groups of statements among `included` that can go round in a circle
// within themselves, each in rising order, the groups by their first statement.
std::vector<std::vector<int>> circles(const guidance_flow& flow, const std::function<bool(int)>& included);

// True when some successor of a statement of the group lies outside it.
bool has_way_out(const guidance_flow& flow, const std::vector<int>& group);

} // namespace students_cli::guidance

#pragma once
// What an operation that stopped half way (killed, or a write that failed or
// reached the disk only in part) leaves in a results file, and the writes
// that put it right. The operations order their writes so that every state
// between them is valid or one of these, and so are the states the Windows
// tutor's appending passes through:
//  - a partial record at the end (an append's first write torn): cut off;
//  - five records without an end marker or with chain heads (an emptying
//    stopped after cutting the file): the end marker written, heads cleared;
//  - a link at or above FF00 past the last result (a link change not
//    finished), or one naming the end marker (the Windows tutor's append
//    stopped after its link): cleared;
//  - an end marker before the last one (an append stopped after its first
//    write): cut off;
//  - a last result no chain reaches (an append stopped before its link was
//    complete): taken back.
// The bytes of the format stay as they are. Anything else is damage, left
// alone here (results_repair.h mends what it can on the teacher's request).

#include "student_files/results_format.h"

#include <cstdint>
#include <span>
#include <vector>

namespace student_files {

struct recovery_step {
    std::uint64_t offset = 0;
    std::vector<std::uint8_t> bytes;   // written at the offset; none: the file is cut there
};

enum class recovery_kind { partial_record_cut, end_marker_written, link_cleared, append_taken_back };

struct recovery_note {
    recovery_kind kind;
    std::uint32_t record;   // the record written, cut or holding the link
};

struct recovery_plan {
    std::vector<recovery_step> steps;   // in order; each leaves a state this plan recognises
    std::vector<recovery_note> notes;
    bool empty() const { return steps.empty(); }
};

// The plan for a file of `file_size` bytes whose first bytes are `bytes`
// (all of them, unless the file is larger than any results file).
recovery_plan plan_recovery(std::span<const std::uint8_t> bytes, std::uint64_t file_size);

void apply_recovery_step(const recovery_step& step, std::vector<std::uint8_t>& bytes);

// The end marker after the result records below `record`: the last one's
// bytes with 65533 at offset 13, or zeros and 65533 when there is none.
results_format::record end_marker_before(std::span<const std::uint8_t> bytes, std::uint32_t record);

} // namespace student_files

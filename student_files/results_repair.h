#pragma once
// What the teacher's repair (students check --repair) does to one results
// file: first what every operation does on opening it (results_recovery.h),
// then, for damage no operation of this program leaves, what can be mended
// without losing a result that a chain reaches: a partial record at the end
// is cut off, a missing end marker added, each chain cut where it goes wrong
// (a loop, a link outside the result records or back to an earlier record,
// a record another chain holds), and records no chain reaches removed, the
// others moved up with their links. The file is then written whole, keeping
// its owner, group and mode. A name check that does not fit (a renamed
// file) and a file too short for its four fixed records are not mended.

#include "student_files/results_recovery.h"
#include "student_files/results_session.h"

#include <cstdint>
#include <string>
#include <vector>

namespace student_files {

enum class mend_kind {
    append_taken_back,   // number: the record
    partial_record_cut,
    end_marker_written,   // number: the record
    link_cleared,         // number: the record holding it
    chain_cut,            // number: the exercise
    unreached_removed,    // number: how many
};

struct mend {
    mend_kind kind;
    std::uint32_t number = 0;
};

struct repair_report {
    std::vector<mend> mends;
    file_outcome outcome;
};

repair_report repair_results_file(const std::string& path);

// The records of `bytes` (whole records) mended as above; `mends` receives what was done.
std::vector<std::uint8_t> rebuilt_results(const std::vector<std::uint8_t>& bytes, std::vector<mend>& mends);

} // namespace student_files

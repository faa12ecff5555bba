#pragma once
// A read-only check of one results file that names each fault: first the
// validity test (whole records, at least four and no more than record
// numbers can name, the end marker, the name check against the file's own
// name), then, when the records are sound, the chains of all fourteen
// exercises: a chain that loops, points outside the result records or links
// back to an earlier record (appends only ever link forward), a record in
// two chains, and result records that no chain reaches.
// It never writes and never shows a message; it reads at most the records a
// results file can hold, so it ends quickly on any file.

#include "foundation/texts.h"
#include "student_files/results_format.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace student_files {

using results_problem = foundation::text_to_fill<foundation::text_names::results_file_problems>;

struct results_file_report {
    std::uint64_t bytes = 0;
    int error_number = 0;                                  // when the file could not be read
    std::optional<results_format::settings> settings;      // when the file holds record 3
    std::optional<std::uint32_t> results;                  // result records, when the records are sound
    std::vector<results_problem> problems;                 // empty for a valid results file

    bool valid() const { return problems.empty(); }
};

results_file_report check_results_file_at(const std::string& path);

// The same over bytes in memory, for a file named `file_name` (no directory).
results_file_report check_results_bytes(const std::uint8_t* data, std::size_t size, const std::string& file_name);

} // namespace student_files

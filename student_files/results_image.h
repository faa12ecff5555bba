#pragma once
// A results file read whole into memory (at most 65536 records, under one
// megabyte), so chains and sums are walked without one read per record.

#include "student_files/results_format.h"

#include <cstdint>
#include <vector>

namespace platform {
class binary_file;
}

namespace results_format {

// How a walk along a chain ended.
struct chain_walk {
    enum fault_kind { sound, loops, leaves_results };
    fault_kind fault = sound;
    std::uint32_t bad_link = 0;   // the record number the chain named last, when not sound
};

class results_image {
public:
    // Reads the whole records of the file, at most max_records of them;
    // false (the error pending in the file) when the read fails.
    bool load(platform::binary_file& file);
    // The whole records of bytes already in memory, at most max_records of them.
    void assign(const std::uint8_t* data, std::size_t size);
    void assign(std::vector<std::uint8_t>&& bytes);

    std::uint32_t record_count() const { return static_cast<std::uint32_t>(bytes_.size() / record_size); }
    // Record `number`, which must be below record_count().
    record record_at(std::uint32_t number) const;

    // The record numbers of the results of `exercise` (1..14) in chain
    // order. False when the chain loops or leaves the result records (4 up
    // to the one before the last); `chain` then holds its sound start,
    // every record once.
    bool follow_chain(int exercise, std::vector<std::uint32_t>& chain) const;
    // The same walk, telling why it stopped.
    chain_walk walk_chain(int exercise, std::vector<std::uint32_t>& chain) const;

private:
    std::vector<std::uint8_t> bytes_;
};

} // namespace results_format

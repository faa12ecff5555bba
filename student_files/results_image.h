#pragma once
// A results file's bytes in memory (at most 65536 records, under one
// megabyte), so chains and sums are walked without one read per record.

#include "student_files/results_format.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace student_files {

namespace results_format {

// Room for a file's bytes, kept from one operation to the next: reading a
// large file again costs no allocation and no clearing beforehand.
class file_bytes {
public:
    // Room for n bytes, to be filled by the caller: what it holds is undefined.
    std::uint8_t* room_for(std::size_t n);
    // The first n bytes of those the room holds (n at most size()).
    void keep_first(std::size_t n) { size_ = std::min(n, size_); }
    // A copy of bytes that lie elsewhere.
    void assign(std::span<const std::uint8_t> bytes);
    std::span<const std::uint8_t> bytes() const { return {data_.get(), size_}; }

private:
    std::unique_ptr<std::uint8_t[]> data_;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

// How a walk along a chain ended.
struct chain_walk {
    enum fault_kind { sound, loops, leaves_results };
    fault_kind fault = sound;
    std::uint32_t bad_link = 0;   // the record number the chain named last, when not sound
};

// A view of the whole records among bytes that outlive it.
class results_image {
public:
    results_image() = default;
    // The whole records of `bytes`, at most max_records of them.
    explicit results_image(std::span<const std::uint8_t> bytes);

    std::uint32_t record_count() const { return records_; }
    // Record `number`, which must be below record_count().
    record record_at(std::uint32_t number) const;
    // The bytes of record `number`, unchecked: the caller keeps it below record_count().
    const std::uint8_t* record_bytes(std::uint32_t number) const { return data_ + std::size_t{number} * record_size; }

    // The record numbers of the results of `exercise` (1..14) in chain
    // order. False when the chain loops or leaves the result records (4 up
    // to the one before the last); `chain` then holds its sound start,
    // every record once.
    bool follow_chain(int exercise, std::vector<std::uint32_t>& chain) const;
    // The same walk, telling why it stopped.
    chain_walk walk_chain(int exercise, std::vector<std::uint32_t>& chain) const;
    // The last result of the chain of `exercise` (1..14), 0 when it has
    // none: the same walk and verdict as follow_chain without keeping the
    // chain. Needs the two head records.
    bool find_chain_end(int exercise, std::uint32_t& last) const;

private:
    std::uint16_t head_of(int exercise) const;

    const std::uint8_t* data_ = nullptr;
    std::uint32_t records_ = 0;
};

} // namespace results_format

} // namespace student_files

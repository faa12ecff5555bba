#include "student_files/results_image.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <string>

namespace student_files {

namespace results_format {

std::uint8_t* file_bytes::room_for(std::size_t n)
{
    if (n > capacity_) {
        data_ = std::make_unique_for_overwrite<std::uint8_t[]>(n);
        capacity_ = n;
    }
    size_ = n;
    return data_.get();
}

void file_bytes::assign(std::span<const std::uint8_t> bytes)
{
    std::uint8_t* to = room_for(bytes.size());
    if (!bytes.empty())
        std::memcpy(to, bytes.data(), bytes.size());
}

results_image::results_image(std::span<const std::uint8_t> bytes)
    : data_(bytes.data()),
      records_(static_cast<std::uint32_t>(std::min<std::size_t>(bytes.size() / record_size, max_records)))
{
}

record results_image::record_at(std::uint32_t number) const
{
    if (number >= record_count())
        throw std::out_of_range("record " + std::to_string(number) + " outside the results file");
    record r;
    std::copy_n(record_bytes(number), record_size, r.begin());
    return r;
}

namespace {

// About two kilobytes: a few results ahead along a chain of appended results.
constexpr std::size_t fetch_ahead = 2048;

void fetch_soon(const std::uint8_t* at)
{
#if defined(__GNUC__)
    __builtin_prefetch(at);
#else
    (void)at;
#endif
}

void check_exercise(int exercise)
{
    if (exercise < 1 || exercise > exercises)
        throw std::out_of_range("exercise " + std::to_string(exercise) + " outside 1..14");
}

} // namespace

std::uint16_t results_image::head_of(int exercise) const
{
    return load_u16(record_bytes(static_cast<std::uint32_t>(head_record_of(exercise))) + head_offset_of(exercise));
}

bool results_image::follow_chain(int exercise, std::vector<std::uint32_t>& chain) const
{
    return walk_chain(exercise, chain).fault == chain_walk::sound;
}

chain_walk results_image::walk_chain(int exercise, std::vector<std::uint32_t>& chain) const
{
    check_exercise(exercise);
    chain.clear();
    const std::uint32_t n = record_count();
    const auto head = static_cast<std::uint32_t>(head_record_of(exercise));
    if (head >= n)
        return {chain_walk::leaves_results, head};
    std::uint32_t current = head_of(exercise);
    std::vector<bool> visited(n, false);
    while (current != 0) {
        if (current < first_result_record || current + 1 >= n)
            return {chain_walk::leaves_results, current};
        if (visited[current])
            return {chain_walk::loops, current};
        visited[current] = true;
        chain.push_back(current);
        current = load_u16(record_bytes(current) + result_field::next_result);
    }
    return {};
}

bool results_image::find_chain_end(int exercise, std::uint32_t& last) const
{
    check_exercise(exercise);
    last = 0;
    const std::uint32_t n = records_;
    if (static_cast<std::uint32_t>(head_record_of(exercise)) >= n)
        return false;
    // Past as many steps as there are result records the chain has met one twice.
    const auto fresh = static_cast<std::uint32_t>(fresh_file_records);
    const std::uint32_t results = n > fresh ? n - fresh : 0;
    // In locals: the walk is one load after another, nothing else in between.
    const std::uint8_t* const links = data_ + result_field::next_result;
    const std::size_t last_link = std::size_t{n - 1} * record_size;
    std::uint32_t end = 0;
    std::uint32_t steps = 0;
    for (std::uint32_t current = head_of(exercise); current != 0; current = load_u16(links + current * record_size)) {
        // Below the first result (wrapping round) or at the end marker and past it.
        if (current - first_result_record >= results || ++steps > results)
            return false;
        end = current;
        // Chains run forward: ask for the bytes a little ahead while this
        // step waits for its own (the walk would otherwise wait at each).
        fetch_soon(links + std::min(current * record_size + fetch_ahead, last_link));
    }
    last = end;
    return true;
}

} // namespace results_format

} // namespace student_files

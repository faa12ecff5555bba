#include "student_files/results_image.h"

#include "platform/binary_file.h"

#include <algorithm>
#include <stdexcept>

namespace results_format {

bool results_image::load(platform::binary_file& file)
{
    const std::uint64_t records = std::min<std::uint64_t>(file.size() / record_size, max_records);
    bytes_.assign(static_cast<std::size_t>(records) * record_size, 0);
    if (file.read_at(0, bytes_.data(), bytes_.size()))
        return true;
    bytes_.clear();
    return false;
}

void results_image::assign(const std::uint8_t* data, std::size_t size)
{
    const std::size_t records = std::min<std::size_t>(size / record_size, max_records);
    bytes_.assign(data, data + records * record_size);
}

void results_image::assign(std::vector<std::uint8_t>&& bytes)
{
    bytes_ = std::move(bytes);
    bytes_.resize(std::min<std::size_t>(bytes_.size() / record_size, max_records) * record_size);
}

record results_image::record_at(std::uint32_t number) const
{
    if (number >= record_count())
        throw std::out_of_range("record " + std::to_string(number) + " outside the results file");
    record r;
    std::copy_n(bytes_.begin() + static_cast<std::ptrdiff_t>(number) * record_size, record_size, r.begin());
    return r;
}

bool results_image::follow_chain(int exercise, std::vector<std::uint32_t>& chain) const
{
    return walk_chain(exercise, chain).fault == chain_walk::sound;
}

chain_walk results_image::walk_chain(int exercise, std::vector<std::uint32_t>& chain) const
{
    if (exercise < 1 || exercise > exercises)
        throw std::out_of_range("exercise " + std::to_string(exercise) + " outside 1..14");
    chain.clear();
    const std::uint32_t n = record_count();
    const auto head = static_cast<std::uint32_t>(head_record_of(exercise));
    if (head >= n)
        return {chain_walk::leaves_results, head};
    std::uint32_t current = get_u16(record_at(head), head_offset_of(exercise));
    std::vector<bool> visited(n, false);
    while (current != 0) {
        if (current < first_result_record || current + 1 >= n)
            return {chain_walk::leaves_results, current};
        if (visited[current])
            return {chain_walk::loops, current};
        visited[current] = true;
        chain.push_back(current);
        current = decode_result(record_at(current)).next_result;
    }
    return {};
}

} // namespace results_format

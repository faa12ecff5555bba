#include "student_files/results_recovery.h"

#include <algorithm>

using namespace student_files::results_format;

namespace student_files {

namespace {

constexpr std::uint64_t largest_file = static_cast<std::uint64_t>(max_records) * record_size;

struct link_slot {
    std::uint32_t record;
    std::size_t offset;
};

using byte_view = std::span<const std::uint8_t>;

std::uint32_t records_in(byte_view bytes)
{
    return static_cast<std::uint32_t>(bytes.size() / record_size);
}

record record_in(byte_view bytes, std::uint32_t number)
{
    record r;
    std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(number) * record_size, record_size, r.begin());
    return r;
}

std::uint16_t link_at(byte_view bytes, const link_slot& slot)
{
    return load_u16(bytes.data() + slot.record * record_size + slot.offset);
}

// Calls `visit` with the fourteen heads and the next link of every result record.
template <typename Visit>
void for_each_link(std::uint32_t n, Visit visit)
{
    for (int e = 1; e <= exercises; ++e)
        visit(link_slot{static_cast<std::uint32_t>(head_record_of(e)), head_offset_of(e)});
    for (std::uint32_t k = first_result_record; k + 1 < n; ++k)
        visit(link_slot{k, result_field::next_result});
}

class planner {
public:
    planner(byte_view bytes, recovery_plan& plan) : read_(bytes), plan_(plan) {}

    // Applies the first rule that fits; false when none does.
    bool one_rule()
    {
        const std::uint32_t n = records_in(bytes());
        if (bytes().size() % record_size != 0)
            return n >= static_cast<std::uint32_t>(fresh_file_records) && is_end_marker(record_in(bytes(), n - 1))
                && cut(n, recovery_kind::partial_record_cut, n);
        if (n < static_cast<std::uint32_t>(fresh_file_records))
            return false;
        if (n == static_cast<std::uint32_t>(fresh_file_records) && !is_end_marker(record_in(bytes(), n - 1))) {
            write_record(n - 1, end_marker_before(bytes(), n - 1), recovery_kind::end_marker_written);
            return true;
        }
        if (!is_end_marker(record_in(bytes(), n - 1)))
            return false;
        const std::uint32_t last_result = n - 2;
        if (n > static_cast<std::uint32_t>(fresh_file_records) && is_end_marker(record_in(bytes(), last_result))) {
            // Every end marker but the first of a run at the end goes in one cut.
            std::uint32_t first = last_result;
            while (first > static_cast<std::uint32_t>(first_result_record) && is_end_marker(record_in(bytes(), first - 1)))
                --first;
            return cut(first + 1, recovery_kind::append_taken_back, first);
        }
        if (clear_unfinished_links(n))
            return true;
        if (n == static_cast<std::uint32_t>(fresh_file_records))
            return false;
        if (!reached(last_result, n) && all_but_last_reached(n)) {
            write_record(last_result, end_marker_before(bytes(), last_result), recovery_kind::append_taken_back);
            return cut(last_result + 1, recovery_kind::append_taken_back, last_result);
        }
        return false;
    }

private:
    // The bytes as the steps so far leave them; copied only once a step is needed.
    byte_view bytes() const { return changing_ ? byte_view(changed_) : read_; }

    void add(recovery_step step, recovery_kind kind, std::uint32_t record)
    {
        if (!changing_) {
            changed_.assign(read_.begin(), read_.end());
            changing_ = true;
        }
        apply_recovery_step(step, changed_);
        plan_.steps.push_back(std::move(step));
        if (plan_.notes.empty() || plan_.notes.back().kind != kind || plan_.notes.back().record != record)
            plan_.notes.push_back({kind, record});
    }

    bool cut(std::uint32_t records, recovery_kind kind, std::uint32_t record)
    {
        add({static_cast<std::uint64_t>(records) * record_size, {}}, kind, record);
        return true;
    }

    void write_record(std::uint32_t number, const record& r, recovery_kind kind)
    {
        add({static_cast<std::uint64_t>(number) * record_size, std::vector<std::uint8_t>(r.begin(), r.end())}, kind,
            number);
    }

    // A link no sound file holds and an unfinished change leaves: past the
    // end marker in the FF00 range, naming the end marker itself, or any
    // head of a file without results.
    static bool unfinished(std::uint16_t link, std::uint32_t n)
    {
        if (link == 0)
            return false;
        return (link >= unfinished_link && link >= n - 1) || link == n - 1
            || n == static_cast<std::uint32_t>(fresh_file_records);
    }

    bool clear_unfinished_links(std::uint32_t n)
    {
        bool cleared = false;
        for_each_link(n, [&](const link_slot& slot) {
            const std::uint16_t link = link_at(bytes(), slot);
            if (!unfinished(link, n))
                return;
            for (const link_byte& b : link_byte_path(link, 0))
                add({slot.record * record_size + slot.offset + b.offset, {b.value}}, recovery_kind::link_cleared,
                    slot.record);
            cleared = true;
        });
        return cleared;
    }

    // Every chain runs forward through result records to its end, each
    // record in one chain, and they reach every result but the last: only
    // then is that one an append stopped before its link, not damage.
    bool all_but_last_reached(std::uint32_t n) const
    {
        std::vector<bool> seen(n, false);
        std::uint32_t reached = 0;
        for (int e = 1; e <= exercises; ++e) {
            std::uint32_t previous = first_result_record - 1;
            std::uint16_t link = link_at(bytes(), {static_cast<std::uint32_t>(head_record_of(e)), head_offset_of(e)});
            while (link != 0) {
                if (link <= previous || static_cast<std::uint32_t>(link) + 2 >= n || seen[link])
                    return false;
                seen[link] = true;
                ++reached;
                previous = link;
                link = link_at(bytes(), {link, result_field::next_result});
            }
        }
        return reached + first_result_record + 2 == n;
    }

    // Some link names the record: the quick test before the whole walk.
    bool reached(std::uint32_t number, std::uint32_t n) const
    {
        bool found = false;
        for_each_link(n, [&](const link_slot& slot) { found = found || link_at(bytes(), slot) == number; });
        return found;
    }

    byte_view read_;
    std::vector<std::uint8_t> changed_;
    bool changing_ = false;
    recovery_plan& plan_;
};

// What an operation leaves when it finishes, as nearly every file is: whole
// records, the end marker last and only there, and a last result that some
// link reaches while none reaches past it (no link at all without results).
// That is: the largest link names the last result (or is 0). One pass over
// the links tells it; only other files go through the rules.
bool settled(byte_view bytes)
{
    const std::uint32_t n = records_in(bytes);
    const auto fresh = static_cast<std::uint32_t>(fresh_file_records);
    if (bytes.size() % record_size != 0 || n < fresh || !is_end_marker(record_in(bytes, n - 1)))
        return false;
    if (n > fresh && is_end_marker(record_in(bytes, n - 2)))
        return false;
    std::uint32_t largest = 0;
    for (int e = 1; e <= exercises; ++e)
        largest = std::max<std::uint32_t>(largest, link_at(bytes, {static_cast<std::uint32_t>(head_record_of(e)), head_offset_of(e)}));
    // Four running maxima, so the pass over large files is not one long chain.
    // From the last result back to the first, so the first records, where
    // chains start, are the ones the cache holds afterwards.
    std::uint32_t m0 = 0, m1 = 0, m2 = 0, m3 = 0;
    const std::uint8_t* link = bytes.data() + (n - 1) * record_size + result_field::next_result;
    std::uint32_t left = n - 1 - first_result_record;
    for (; left >= 4; left -= 4) {
        link -= 4 * record_size;
        m0 = std::max<std::uint32_t>(m0, load_u16(link + 3 * record_size));
        m1 = std::max<std::uint32_t>(m1, load_u16(link + 2 * record_size));
        m2 = std::max<std::uint32_t>(m2, load_u16(link + record_size));
        m3 = std::max<std::uint32_t>(m3, load_u16(link));
    }
    for (; left > 0; --left) {
        link -= record_size;
        m0 = std::max<std::uint32_t>(m0, load_u16(link));
    }
    largest = std::max({largest, m0, m1, m2, m3});
    return largest == (n == fresh ? 0 : n - 2);
}

} // namespace

record end_marker_before(byte_view bytes, std::uint32_t number)
{
    if (number > static_cast<std::uint32_t>(first_result_record) && number - 1 < records_in(bytes))
        return end_marker_after(record_in(bytes, number - 1));
    return end_marker_after(record{});
}

void apply_recovery_step(const recovery_step& step, std::vector<std::uint8_t>& bytes)
{
    if (step.bytes.empty()) {
        bytes.resize(std::min<std::size_t>(bytes.size(), static_cast<std::size_t>(step.offset)));
        return;
    }
    const std::size_t end = static_cast<std::size_t>(step.offset) + step.bytes.size();
    if (bytes.size() < end)
        bytes.resize(end, 0);
    std::copy(step.bytes.begin(), step.bytes.end(), bytes.begin() + static_cast<std::ptrdiff_t>(step.offset));
}

recovery_plan plan_recovery(byte_view bytes, std::uint64_t file_size)
{
    recovery_plan plan;
    // A file larger than any results file is damage of its own kind.
    if (file_size != bytes.size() || file_size > largest_file + record_size - 1 || settled(bytes))
        return plan;
    planner p(bytes, plan);
    // Each rule shortens the file or clears links, and none undoes another,
    // so a few rounds end it; the bound only guards against a mistake.
    for (int round = 0; round < 16 && p.one_rule(); ++round) {
    }
    return plan;
}

} // namespace student_files

#include "student_files/results_repair.h"

#include "platform/core/file_system.h"

#include <algorithm>
#include <cerrno>

using namespace student_files::results_format;

namespace student_files {

namespace {

mend mend_of(const recovery_note& note)
{
    switch (note.kind) {
    case recovery_kind::partial_record_cut:
        return {mend_kind::partial_record_cut, 0};
    case recovery_kind::end_marker_written:
        return {mend_kind::end_marker_written, note.record};
    case recovery_kind::link_cleared:
        return {mend_kind::link_cleared, note.record};
    case recovery_kind::append_taken_back:
        break;
    }
    return {mend_kind::append_taken_back, note.record};
}

record record_in(const std::vector<std::uint8_t>& bytes, std::uint32_t number)
{
    record r;
    std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(number) * record_size, record_size, r.begin());
    return r;
}

// The chains as far as they are sound; every record in at most one.
class chain_mender {
public:
    chain_mender(const std::vector<std::uint8_t>& bytes, std::uint32_t last_result)
        : bytes_(bytes), last_result_(last_result), owner_(last_result + 1, 0)
    {
    }

    std::vector<std::uint32_t> sound_part(int exercise, bool& cut)
    {
        std::vector<std::uint32_t> chain;
        std::uint32_t previous = first_result_record - 1;
        std::uint16_t link = get_u16(record_in(bytes_, static_cast<std::uint32_t>(head_record_of(exercise))),
                                     head_offset_of(exercise));
        while (link != 0) {
            if (link < first_result_record || link > last_result_ || link <= previous || owner_[link] != 0) {
                cut = true;
                break;
            }
            owner_[link] = exercise;
            chain.push_back(link);
            previous = link;
            link = decode_result(record_in(bytes_, link)).next_result;
        }
        return chain;
    }

private:
    const std::vector<std::uint8_t>& bytes_;
    std::uint32_t last_result_;
    std::vector<int> owner_;
};

} // namespace

std::vector<std::uint8_t> rebuilt_results(const std::vector<std::uint8_t>& bytes, std::vector<mend>& mends)
{
    const auto n = static_cast<std::uint32_t>(std::min<std::size_t>(bytes.size() / record_size, max_records));
    if (n < 4)
        return bytes;
    const bool marked = n > 4 && is_end_marker(record_in(bytes, n - 1));
    if (!marked)
        mends.push_back({mend_kind::end_marker_written, n > 4 ? n - 1 : n});
    // Without an end marker every record after the fixed ones may be a result.
    const std::uint32_t last_result = marked ? n - 2 : n - 1;
    chain_mender mender(bytes, last_result);
    std::vector<std::vector<std::uint32_t>> chains;
    std::vector<std::uint32_t> kept;
    for (int e = 1; e <= exercises; ++e) {
        bool cut = false;
        chains.push_back(mender.sound_part(e, cut));
        if (cut)
            mends.push_back({mend_kind::chain_cut, static_cast<std::uint32_t>(e)});
        kept.insert(kept.end(), chains.back().begin(), chains.back().end());
    }
    std::sort(kept.begin(), kept.end());
    const std::uint32_t candidates = last_result >= first_result_record ? last_result - first_result_record + 1 : 0;
    if (kept.size() < candidates)
        mends.push_back({mend_kind::unreached_removed, static_cast<std::uint32_t>(candidates - kept.size())});
    // Kept results move up in their order; links follow them.
    std::vector<std::uint16_t> new_number(last_result + 1, 0);
    for (std::size_t i = 0; i < kept.size(); ++i)
        new_number[kept[i]] = static_cast<std::uint16_t>(first_result_record + i);
    std::vector<record> records{record{}, record{}, record_in(bytes, identity_record), record_in(bytes, settings_record)};
    for (const std::uint32_t k : kept)
        records.push_back(record_in(bytes, k));
    for (int e = 1; e <= exercises; ++e) {
        const auto& chain = chains[static_cast<std::size_t>(e - 1)];
        if (chain.empty())
            continue;
        put_u16(records[static_cast<std::size_t>(head_record_of(e))], head_offset_of(e), new_number[chain.front()]);
        for (std::size_t i = 0; i < chain.size(); ++i)
            put_u16(records[new_number[chain[i]]], result_field::next_result,
                    i + 1 < chain.size() ? new_number[chain[i + 1]] : static_cast<std::uint16_t>(0));
    }
    records.push_back(end_marker_after(kept.empty() ? record{} : records.back()));
    std::vector<std::uint8_t> out;
    for (const record& r : records)
        out.insert(out.end(), r.begin(), r.end());
    return out;
}

repair_report repair_results_file(const std::string& path)
{
    repair_report report;
    file_bytes room;
    results_session session(path, results_session::access::change, room);
    for (const recovery_note& note : session.recovered().notes)
        report.mends.push_back(mend_of(note));
    if (session.ok() && session.size() >= 4 * record_size) {
        const results_image& image = session.image();
        std::vector<std::uint8_t> bytes;
        for (std::uint32_t k = 0; k < image.record_count(); ++k) {
            const record r = image.record_at(k);
            bytes.insert(bytes.end(), r.begin(), r.end());
        }
        std::vector<mend> mends;
        if (session.size() % record_size != 0)
            mends.push_back({mend_kind::partial_record_cut, 0});
        const std::vector<std::uint8_t> rebuilt = rebuilt_results(bytes, mends);
        // Written whole while the lock is held: others open the new file once it is in place.
        errno = 0;
        if (!mends.empty()
            && !platform::replace_file_atomically(path, std::string(rebuilt.begin(), rebuilt.end()))) {
            report.outcome = {errno != 0 ? errno : EIO, false};
            session.finish();
            return report;
        }
        report.mends.insert(report.mends.end(), mends.begin(), mends.end());
    }
    const file_outcome closed = session.finish();
    report.outcome = closed;
    return report;
}

} // namespace student_files

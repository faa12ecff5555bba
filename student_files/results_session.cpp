#include "student_files/results_session.h"

#include "platform/core/file_system.h"

#include <algorithm>
#include <cerrno>

using namespace student_files::results_format;

namespace student_files {

namespace {

// Beyond this a file is no results file; its first bytes are all that is read.
constexpr std::uint64_t read_limit = static_cast<std::uint64_t>(max_records) * record_size + record_size - 1;

bool cannot_write(int error)
{
    return error == EACCES || error == EPERM || error == EROFS;
}

} // namespace

results_session::results_session(const std::string& path, access how, file_bytes& room)
{
    start(path, how, room);
}

results_session::results_session(const platform::open_directory& directory, const std::string& path, access how,
                                 file_bytes& room)
    : directory_(&directory)
{
    start(path, how, room);
}

bool results_session::open(const std::string& path, platform::binary_file::mode how)
{
    if (!directory_)
        return file_.open_locked(path, how);
    return file_.open_locked(*directory_, path.substr(path.find_last_of(platform::directory_separator) + 1), how);
}

void results_session::start(const std::string& path, access how, file_bytes& room)
{
    using mode = platform::binary_file::mode;
    if (!open(path, how == access::read ? mode::read_only : mode::read_write) || !read_all(room))
        return;
    recovered_ = plan_recovery(room.bytes(), size_);
    if (!recovered_.empty() && how == access::read) {
        if (!reopen_to_change(path))
            return;
        // Read again under the exclusive lock: another process may have mended it meanwhile.
        if (file_.is_open() && !read_all(room))
            return;
        if (file_.is_open())
            recovered_ = plan_recovery(room.bytes(), size_);
    }
    if (!recovered_.empty()) {
        if (file_.is_open() && !apply_on_disk(recovered_))
            return;
        apply_in_memory(recovered_, room);
    }
    image_ = results_image(room.bytes());
}

bool results_session::read_all(file_bytes& room)
{
    size_ = file_.size_when_locked();
    const auto n = static_cast<std::size_t>(std::min(size_, read_limit));
    if (file_.read_at(0, room.room_for(n), n))
        return true;
    room.keep_first(0);
    return false;
}

void results_session::apply_in_memory(const recovery_plan& plan, file_bytes& room)
{
    const std::span<const std::uint8_t> read = room.bytes();
    std::vector<std::uint8_t> bytes(read.begin(), read.end());
    for (const recovery_step& step : plan.steps)
        apply_recovery_step(step, bytes);
    room.assign(bytes);
    size_ = bytes.size();
}

// A reader that finds a file to mend takes the exclusive lock for it; one
// that may not write the file mends only what it reads (the file stays closed).
bool results_session::reopen_to_change(const std::string& path)
{
    file_.close();
    if (open(path, platform::binary_file::mode::read_write))
        return true;
    const int error = file_.take_error();
    if (!cannot_write(error)) {
        file_.set_error(error);
        return false;
    }
    return true;
}

bool results_session::apply_on_disk(const recovery_plan& plan)
{
    for (const recovery_step& step : plan.steps) {
        const bool done = step.bytes.empty() ? file_.truncate(step.offset)
                                             : file_.write_at(step.offset, step.bytes.data(), step.bytes.size());
        if (!done)
            return false;
    }
    return file_.sync();
}

bool results_session::sound_frame()
{
    const std::uint64_t records = size_ / record_size;
    if (!ok())
        return false;
    if (size_ % record_size != 0 || records < static_cast<std::uint64_t>(fresh_file_records) || records > max_records
        || !is_end_marker(image_.record_at(static_cast<std::uint32_t>(records - 1))))
        damaged_ = true;
    return !damaged_;
}

bool results_session::write_record(std::uint32_t number, const record& r)
{
    return write_bytes(static_cast<std::uint64_t>(number) * record_size, r.data(), record_size);
}

bool results_session::write_bytes(std::uint64_t offset, const std::uint8_t* data, std::size_t n)
{
    return file_.write_at(offset, data, n);
}

bool results_session::write_link(std::uint32_t number, std::size_t offset, std::uint16_t from, std::uint16_t to)
{
    const std::uint64_t at = static_cast<std::uint64_t>(number) * record_size + offset;
    for (const link_byte& b : link_byte_path(from, to))
        if (!file_.write_at(at + b.offset, &b.value, 1))
            return false;
    return true;
}

bool results_session::read_link(std::uint32_t number, std::size_t offset, std::uint16_t& link)
{
    std::uint8_t two[2] = {};
    if (!file_.read_at(static_cast<std::uint64_t>(number) * record_size + offset, two, 2))
        return false;
    link = static_cast<std::uint16_t>(two[0] | two[1] << 8);
    return true;
}

bool results_session::truncate_records(std::uint32_t records)
{
    return file_.truncate(static_cast<std::uint64_t>(records) * record_size);
}

bool results_session::sync()
{
    return file_.sync();
}

file_outcome results_session::finish()
{
    file_.close();
    const int error = file_.take_error();
    if (error != 0)
        return {error, false};
    if (damaged_)
        return {damaged_file_error, true};
    return {};
}

} // namespace student_files

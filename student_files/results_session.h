#pragma once
// One operation's hold on one results file: opened (never through a
// symbolic link), locked for the whole operation (shared to read, exclusive
// to change, so operations of other processes and machines take turns),
// read whole, and first brought back to a sound state when an earlier
// operation stopped half way (results_recovery.h): on the disk when the file
// can be written, else only in what this operation reads.
// The bytes are read into room the caller keeps from one operation to the
// next (the image is a view of it, valid until the room is used again).
// Operations end with finish(), which tells what went wrong, if anything.

#include "platform/core/binary_file.h"
#include "student_files/results_image.h"
#include "student_files/results_recovery.h"

#include <cstdint>
#include <string>

namespace student_files {

inline constexpr int damaged_file_error = 100;

// What one operation on a file came to.
struct file_outcome {
    int error_number = 0;   // 0 when it went through
    bool damaged = false;   // the file is no sound results file (error_number is damaged_file_error)
};

class results_session {
public:
    enum class access { read, change };

    results_session(const std::string& path, access how, results_format::file_bytes& room);
    // The same for the file at `path` in `directory`, opened there by its name.
    results_session(const platform::open_directory& directory, const std::string& path, access how,
                    results_format::file_bytes& room);

    // Opened, read and recovered, with no failure since.
    bool ok() const { return file_.pending_error() == 0 && !damaged_; }
    // The records as recovered (whole records, at most max_records).
    const results_format::results_image& image() const { return image_; }
    std::uint64_t size() const { return size_; }
    // What recovery mended on opening (on the disk or, read-only, in the image).
    const recovery_plan& recovered() const { return recovered_; }

    // True when the records can be walked and changed: whole records, the
    // four fixed ones, an end marker and no more than record numbers name.
    bool sound_frame();
    void mark_damaged() { damaged_ = true; }

    bool write_record(std::uint32_t number, const results_format::record& r);
    bool write_bytes(std::uint64_t offset, const std::uint8_t* data, std::size_t n);
    // Changes a u16 link one byte at a time (link_byte_path).
    bool write_link(std::uint32_t number, std::size_t offset, std::uint16_t from, std::uint16_t to);
    // The link as it stands on the disk.
    bool read_link(std::uint32_t number, std::size_t offset, std::uint16_t& link);
    bool truncate_records(std::uint32_t records);
    bool sync();

    // Closes the file; the first failure of the operation.
    file_outcome finish();

private:
    void start(const std::string& path, access how, results_format::file_bytes& room);
    bool open(const std::string& path, platform::binary_file::mode how);
    bool read_all(results_format::file_bytes& room);
    bool apply_on_disk(const recovery_plan& plan);
    void apply_in_memory(const recovery_plan& plan, results_format::file_bytes& room);
    bool reopen_to_change(const std::string& path);

    const platform::open_directory* directory_ = nullptr;
    platform::binary_file file_;
    results_format::results_image image_;
    recovery_plan recovered_;
    std::uint64_t size_ = 0;
    bool damaged_ = false;
};

} // namespace student_files

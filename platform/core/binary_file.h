#pragma once
// A file of fixed-size records as the results files need it. Every failing
// call leaves its error number pending (errno style) until take_error(), so
// callers check once after a group of operations, as the results-file code
// does. Writes, truncations and flushes run through the write-fault hook
// (write_faults.h), so tests can break any of them.

#include <cstddef>
#include <cstdint>
#include <string>

namespace platform {

// A directory held open, so that files in it are opened by their names:
// each open then looks up one name rather than every part of the path.
// Where the directory cannot be held, its files are opened by whole paths.
class open_directory {
public:
    explicit open_directory(const std::string& path);
    ~open_directory();
    open_directory(const open_directory&) = delete;
    open_directory& operator=(const open_directory&) = delete;

    const std::string& path() const { return path_; }

private:
    friend class binary_file;
    std::string path_;
    int fd_ = -1;
};

class binary_file {
public:
    enum class mode { read_only, read_write, create };

    binary_file() = default;
    ~binary_file();
    binary_file(const binary_file&) = delete;
    binary_file& operator=(const binary_file&) = delete;

    bool open(const std::string& path, mode how);
    // Opens the entry itself, never a file a symbolic link names, and holds a
    // lock on it until close: shared for read_only, exclusive otherwise. When
    // the path names another file once the lock is had (the file was
    // replaced or removed meanwhile), it opens that one instead, or fails
    // with ENOENT. Only read_only and read_write.
    bool open_locked(const std::string& path, mode how);
    // The same for the file `name` (a name, not a path) in `directory`.
    bool open_locked(const open_directory& directory, const std::string& name, mode how);
    void close();
    bool is_open() const { return fd_ >= 0; }

    std::uint64_t size();
    // The size when open_locked had the lock: the size, until this writes.
    std::uint64_t size_when_locked() const { return size_when_locked_; }
    bool read_at(std::uint64_t offset, void* buffer, std::size_t n);
    bool write_at(std::uint64_t offset, const void* buffer, std::size_t n);
    bool truncate(std::uint64_t size);
    bool sync();

    // The pending error number, cleared by the call; 0 when none.
    int take_error();
    int pending_error() const { return error_; }
    // Records an error found by the caller (a damaged file, say).
    void set_error(int number);

private:
    // `path` is relative to the directory `at` (or the current one).
    bool open_descriptor(int at, const std::string& path, int flags);
    // Refuses a directory; takes the file's identity and, when asked, size.
    bool look_at_open_file(std::uint64_t* size);
    bool open_locked_at(int at, const std::string& path, mode how);
    bool still_named_by(int at, const std::string& path);

    int fd_ = -1;
    int error_ = 0;
    std::uint64_t device_ = 0;   // of the open file
    std::uint64_t inode_ = 0;
    std::uint64_t size_when_locked_ = 0;
};

} // namespace platform

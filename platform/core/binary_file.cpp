#include "platform/core/binary_file.h"

#include "platform/core/file_lock.h"
#include "platform/core/write_faults.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

int flags_of(binary_file::mode how)
{
    switch (how) {
    case binary_file::mode::read_only:
        return O_RDONLY;
    case binary_file::mode::read_write:
        return O_RDWR;
    case binary_file::mode::create:
        break;
    }
    return O_RDWR | O_CREAT | O_TRUNC;
}

void ignore_file_size_signal()
{
    // Past a file size limit a write fails with EFBIG instead of ending the process.
    static const bool done = (std::signal(SIGXFSZ, SIG_IGN), true);
    (void)done;
}

} // namespace

open_directory::open_directory(const std::string& path)
    : path_(path), fd_(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
{
}

open_directory::~open_directory()
{
    if (fd_ >= 0)
        ::close(fd_);
}

binary_file::~binary_file()
{
    close();
}

bool binary_file::open_descriptor(int at, const std::string& path, int flags)
{
    close();
    if ((flags & O_ACCMODE) != O_RDONLY)
        ignore_file_size_signal();
    fd_ = ::openat(at, path.c_str(), flags | O_CLOEXEC, 0666);
    if (fd_ >= 0)
        return true;
    set_error(errno);
    return false;
}

bool binary_file::look_at_open_file(std::uint64_t* size)
{
    struct stat st;
    if (::fstat(fd_, &st) != 0 || S_ISDIR(st.st_mode)) {
        const int error = S_ISDIR(st.st_mode) ? EISDIR : errno;
        close();
        set_error(error);
        return false;
    }
    device_ = static_cast<std::uint64_t>(st.st_dev);
    inode_ = static_cast<std::uint64_t>(st.st_ino);
    if (size)
        *size = static_cast<std::uint64_t>(st.st_size);
    return true;
}

bool binary_file::open(const std::string& path, mode how)
{
    return open_descriptor(AT_FDCWD, path, flags_of(how)) && look_at_open_file(nullptr);
}

bool binary_file::still_named_by(int at, const std::string& path)
{
    // The open file's identity never changes: the one taken on opening serves.
    struct stat named;
    if (::fstatat(at, path.c_str(), &named, AT_SYMLINK_NOFOLLOW) != 0)
        return false;
    return device_ == static_cast<std::uint64_t>(named.st_dev) && inode_ == static_cast<std::uint64_t>(named.st_ino);
}

bool binary_file::open_locked(const std::string& path, mode how)
{
    return open_locked_at(AT_FDCWD, path, how);
}

bool binary_file::open_locked(const open_directory& directory, const std::string& name, mode how)
{
    if (directory.fd_ < 0)
        return open_locked_at(AT_FDCWD, directory.path() + "/" + name, how);
    return open_locked_at(directory.fd_, name, how);
}

bool binary_file::open_locked_at(int at, const std::string& path, mode how)
{
    if (how == mode::create) {
        set_error(EINVAL);   // creating would cut the file before the lock is had
        return false;
    }
    const lock_kind kind = how == mode::read_only ? lock_kind::shared : lock_kind::exclusive;
    const auto give_up = std::chrono::steady_clock::now() + lock_wait_limit();
    while (std::chrono::steady_clock::now() < give_up) {
        if (!open_descriptor(at, path, flags_of(how) | O_NOFOLLOW))
            return false;
        const bool locked = lock_whole_file(fd_, kind);
        const int lock_error = errno;
        // One look once locked tells what the file is, which one and how
        // large; a directory is refused as such, also where it cannot be locked.
        if (!look_at_open_file(&size_when_locked_))
            return false;
        if (!locked) {
            close();
            set_error(lock_error);
            return false;
        }
        if (still_named_by(at, path))
            return true;
        close();
    }
    set_error(ENOENT);
    return false;
}

void binary_file::close()
{
    if (fd_ >= 0 && ::close(fd_) != 0)
        set_error(errno);
    fd_ = -1;
}

std::uint64_t binary_file::size()
{
    struct stat st;
    if (fd_ < 0 || ::fstat(fd_, &st) != 0) {
        set_error(fd_ < 0 ? EBADF : errno);
        return 0;
    }
    return static_cast<std::uint64_t>(st.st_size);
}

bool binary_file::read_at(std::uint64_t offset, void* buffer, std::size_t n)
{
    auto* out = static_cast<char*>(buffer);
    std::size_t done = 0;
    while (done < n) {
        const ssize_t got = fd_ < 0 ? -1 : ::pread(fd_, out + done, n - done, static_cast<off_t>(offset + done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            // Reading past the end is an error of its own, as record files report it.
            set_error(got == 0 ? EIO : (fd_ < 0 ? EBADF : errno));
            return false;
        }
        done += static_cast<std::size_t>(got);
    }
    return true;
}

bool binary_file::write_at(std::uint64_t offset, const void* buffer, std::size_t n)
{
    const auto* in = static_cast<const char*>(buffer);
    const bool written = run_write_step(n, [&](std::size_t count) {
        for (std::size_t done = 0; done < count;) {
            const ssize_t put = fd_ < 0 ? -1 : ::pwrite(fd_, in + done, count - done, static_cast<off_t>(offset + done));
            if (put < 0 && errno == EINTR)
                continue;
            if (put <= 0) {
                errno = put == 0 ? EIO : (fd_ < 0 ? EBADF : errno);
                return false;
            }
            done += static_cast<std::size_t>(put);
        }
        return true;
    });
    if (!written)
        set_error(errno);
    return written;
}

bool binary_file::truncate(std::uint64_t size)
{
    const bool done = run_write_step(0, [&](std::size_t) {
        if (fd_ < 0)
            errno = EBADF;
        return fd_ >= 0 && ::ftruncate(fd_, static_cast<off_t>(size)) == 0;
    });
    if (!done)
        set_error(errno);
    return done;
}

bool binary_file::sync()
{
    const bool done = run_write_step(0, [&](std::size_t) {
        if (fd_ < 0)
            errno = EBADF;
        return fd_ >= 0 && ::fsync(fd_) == 0;
    });
    if (!done)
        set_error(errno);
    return done;
}

int binary_file::take_error()
{
    const int e = error_;
    error_ = 0;
    return e;
}

void binary_file::set_error(int number)
{
    // The first error of a group is the one reported.
    if (error_ == 0)
        error_ = number;
}

} // namespace platform

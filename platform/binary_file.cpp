#include "platform/binary_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

int writes_until_failure = -1;
int injected_error = 0;

bool injected_failure()
{
    if (writes_until_failure < 0)
        return false;
    if (writes_until_failure-- > 0)
        return false;
    return true;
}

} // namespace

void fail_write_after(int writes_before, int error_number)
{
    writes_until_failure = writes_before;
    injected_error = error_number;
}

binary_file::~binary_file()
{
    close();
}

bool binary_file::open(const std::string& path, mode how)
{
    close();
    const int flags = how == mode::read_only ? O_RDONLY : how == mode::read_write ? O_RDWR : O_RDWR | O_CREAT | O_TRUNC;
    fd_ = ::open(path.c_str(), flags | O_CLOEXEC, 0666);
    if (fd_ < 0) {
        set_error(errno);
        return false;
    }
    struct stat st;
    if (::fstat(fd_, &st) == 0 && S_ISDIR(st.st_mode)) {
        close();
        set_error(EISDIR);
        return false;
    }
    return true;
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
    if (injected_failure()) {
        set_error(injected_error);
        return false;
    }
    const auto* in = static_cast<const char*>(buffer);
    std::size_t done = 0;
    while (done < n) {
        const ssize_t put = fd_ < 0 ? -1 : ::pwrite(fd_, in + done, n - done, static_cast<off_t>(offset + done));
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0) {
            set_error(put == 0 ? EIO : (fd_ < 0 ? EBADF : errno));
            return false;
        }
        done += static_cast<std::size_t>(put);
    }
    return true;
}

bool binary_file::truncate(std::uint64_t size)
{
    if (fd_ < 0 || ::ftruncate(fd_, static_cast<off_t>(size)) != 0) {
        set_error(fd_ < 0 ? EBADF : errno);
        return false;
    }
    return true;
}

bool binary_file::sync()
{
    if (fd_ < 0 || ::fsync(fd_) != 0) {
        set_error(fd_ < 0 ? EBADF : errno);
        return false;
    }
    return true;
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

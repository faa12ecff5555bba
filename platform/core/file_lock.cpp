#include "platform/core/file_lock.h"

#include <algorithm>
#include <cerrno>
#include <thread>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#endif

namespace platform {
namespace {

std::chrono::milliseconds wait_limit{15000};

#ifdef _WIN32

bool try_lock(int fd, lock_kind kind)
{
    const auto handle = reinterpret_cast<HANDLE>(::_get_osfhandle(fd));
    OVERLAPPED whole{};
    const DWORD flags = LOCKFILE_FAIL_IMMEDIATELY | (kind == lock_kind::exclusive ? LOCKFILE_EXCLUSIVE_LOCK : 0);
    if (::LockFileEx(handle, flags, 0, MAXDWORD, MAXDWORD, &whole))
        return true;
    errno = ::GetLastError() == ERROR_LOCK_VIOLATION ? EAGAIN : EIO;
    return false;
}

#else

bool try_lock(int fd, lock_kind kind)
{
    struct flock whole {};
    whole.l_type = kind == lock_kind::exclusive ? F_WRLCK : F_RDLCK;
    whole.l_whence = SEEK_SET;   // from byte 0 to the end, however far the file grows
#ifdef F_OFD_SETLK
    if (::fcntl(fd, F_OFD_SETLK, &whole) == 0)
        return true;
    if (errno != EINVAL)
        return false;
    whole.l_pid = 0;   // a system without locks of the open file: those of the process
#endif
    return ::fcntl(fd, F_SETLK, &whole) == 0;
}

#endif

bool held_by_another()
{
    return errno == EAGAIN || errno == EACCES;
}

} // namespace

bool try_lock_whole_file(int fd, lock_kind kind)
{
    return try_lock(fd, kind);
}

bool locks_unsupported(int error_number)
{
    return error_number == ENOLCK || error_number == EOPNOTSUPP || error_number == ENOSYS;
}

bool lock_whole_file(int fd, lock_kind kind)
{
    // Polled rather than waited for in the system, so that a stuck holder
    // ends in a message instead of a hang.
    const auto give_up = std::chrono::steady_clock::now() + wait_limit;
    auto pause = std::chrono::microseconds(200);
    while (!try_lock(fd, kind)) {
        if (errno == EINTR)
            continue;
        if (locks_unsupported(errno))
            return true;
        if (!held_by_another())
            return false;
        if (std::chrono::steady_clock::now() >= give_up) {
            errno = EAGAIN;
            return false;
        }
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, std::chrono::microseconds(20000));
    }
    return true;
}

std::chrono::milliseconds lock_wait_limit()
{
    return wait_limit;
}

void set_lock_wait_limit(std::chrono::milliseconds limit)
{
    wait_limit = limit;
}

} // namespace platform

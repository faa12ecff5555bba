#pragma once
// Advisory locks over a whole open file, as several processes (on one
// machine, or on several sharing a network file system) need them to take
// turns on one file. POSIX record locks (fcntl), of the kind owned by the
// open file rather than the process where the system has them, so that two
// opens of one file in one process exclude each other too; LockFileEx on
// Windows. A lock ends when its file is closed.

#include <chrono>

namespace platform {

enum class lock_kind { shared, exclusive };

// Waits for the lock, at most lock_wait_limit(); false with errno set when it
// is not had (EAGAIN when another holds it that long). On a file system
// without locks (ENOLCK and the like) it goes on without one, as programs
// did before there were locks, rather than refuse every operation.
bool lock_whole_file(int fd, lock_kind kind);
// Takes the lock only when nobody holds a conflicting one; false where the
// file system has no locks (errno tells, see locks_unsupported).
bool try_lock_whole_file(int fd, lock_kind kind);
bool locks_unsupported(int error_number);

// How long lock_whole_file waits before it gives up (operations hold a lock
// for milliseconds; a much longer wait means a stuck process).
std::chrono::milliseconds lock_wait_limit();
void set_lock_wait_limit(std::chrono::milliseconds limit);

} // namespace platform

#include "platform/core/file_write.h"

#include "platform/core/file_lock.h"
#include "platform/core/file_system.h"
#include "platform/core/write_faults.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

const std::string temporary_prefix = ".students-manager-tmp-";

std::string directory_of(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string random_suffix()
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    static std::random_device source;
    std::string text;
    for (int i = 0; i < 16; ++i)
        text += letters[source() % 36];
    return text;
}

bool same_file(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// A step that writes no bytes, through the fault hook.
bool step(const std::function<bool()>& run)
{
    return run_write_step(0, [&](std::size_t) { return run(); });
}

bool write_all_at(int fd, const std::string& contents)
{
    return run_write_step(contents.size(), [&](std::size_t count) {
        for (std::size_t done = 0; done < count;) {
            const ssize_t put = ::pwrite(fd, contents.data() + done, count - done, static_cast<off_t>(done));
            if (put < 0 && errno == EINTR)
                continue;
            if (put <= 0) {
                if (put == 0)
                    errno = EIO;
                return false;
            }
            done += static_cast<std::size_t>(put);
        }
        return true;
    });
}

bool flush(int fd)
{
    return step([fd] { return ::fsync(fd) == 0; });
}

// A new, empty, locked temporary file in the directory.
class temporary_file {
public:
    explicit temporary_file(const std::string& directory)
    {
        for (int attempt = 0; attempt < 20 && fd_ < 0; ++attempt) {
            path_ = directory + "/" + temporary_prefix + random_suffix();
            fd_ = ::open(path_.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
            if (fd_ < 0 && errno != EEXIST)
                return;
            if (fd_ >= 0 && !claim())
                fd_ = -1;
        }
    }
    ~temporary_file()
    {
        if (fd_ >= 0 && !kept_)
            ::unlink(path_.c_str());
        if (fd_ >= 0)
            ::close(fd_);
    }
    temporary_file(const temporary_file&) = delete;
    temporary_file& operator=(const temporary_file&) = delete;

    int fd() const { return fd_; }
    const std::string& path() const { return path_; }
    // The temporary name is gone (renamed); nothing to remove.
    void renamed() { kept_ = true; }

private:
    // Ours once locked, unless a cleaner took it between creation and lock.
    bool claim()
    {
        struct stat st;
        const bool locked = try_lock_whole_file(fd_, lock_kind::exclusive) || locks_unsupported(errno);
        if (locked && ::fstat(fd_, &st) == 0 && st.st_nlink > 0)
            return true;
        ::close(fd_);
        return false;
    }

    std::string path_;
    int fd_ = -1;
    bool kept_ = false;
};

// Gives the new file the old one's owner, group and mode; false when the system does not allow it.
bool take_ownership_of(int fd, const struct stat& old)
{
    struct stat now;
    if (::fstat(fd, &now) != 0)
        return false;
    const uid_t uid = now.st_uid == old.st_uid ? static_cast<uid_t>(-1) : old.st_uid;
    const gid_t gid = now.st_gid == old.st_gid ? static_cast<gid_t>(-1) : old.st_gid;
    if ((uid != static_cast<uid_t>(-1) || gid != static_cast<gid_t>(-1)) && ::fchown(fd, uid, gid) != 0)
        return false;
    return ::fchmod(fd, old.st_mode & 07777) == 0;
}

// The contents written over the old ones in the open file: only where the
// new file could not keep the owner.
bool rewrite_in_place(int fd, const std::string& contents)
{
    return write_all_at(fd, contents)
        && step([&] { return ::ftruncate(fd, static_cast<off_t>(contents.size())) == 0; }) && flush(fd);
}

// Puts `contents` at `target` (no link) by a temporary renamed over it.
// `old` is the target's status when it exists; `open_fd` an open descriptor
// of it for writing in place, or -1.
bool replace_at(const std::string& target, const std::string& contents, const struct stat* old, int open_fd)
{
    const std::string directory = directory_of(target);
    temporary_file temporary(directory);
    if (temporary.fd() < 0)
        return false;
    if (old && !take_ownership_of(temporary.fd(), *old)) {
        if (open_fd >= 0)
            return rewrite_in_place(open_fd, contents);
        const int fd = ::open(target.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0)
            return false;
        const bool done = rewrite_in_place(fd, contents);
        ::close(fd);
        return done;
    }
    if (!write_all_at(temporary.fd(), contents) || !flush(temporary.fd())
        || !step([&] { return std::rename(temporary.path().c_str(), target.c_str()) == 0; }))
        return false;
    temporary.renamed();
    return sync_directory(directory);
}

// Links the complete temporary in at `path`, refusing to replace anything.
bool link_without_replacing(const std::string& temporary, const std::string& path, const std::string& contents)
{
    if (step([&] { return ::link(temporary.c_str(), path.c_str()) == 0; }))
        return true;
    if (errno == EEXIST || (errno != EPERM && errno != EOPNOTSUPP && errno != ENOSYS && errno != EMLINK))
        return false;
    // A file system without hard links: an exclusive creation, written while locked.
    const int out = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (out < 0)
        return false;
    const bool done = (try_lock_whole_file(out, lock_kind::exclusive) || locks_unsupported(errno))
        && write_all_at(out, contents) && flush(out);
    if (!done)
        ::unlink(path.c_str());
    ::close(out);
    return done;
}

} // namespace

bool is_temporary_name(const std::string& file_name)
{
    return file_name.compare(0, temporary_prefix.size(), temporary_prefix) == 0;
}

std::string link_target(const std::string& path)
{
    std::string current = path;
    for (int hop = 0; hop < 40; ++hop) {
        struct stat st;
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return current;
        std::string target(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 4096) + 1, '\0');
        const ssize_t length = ::readlink(current.c_str(), target.data(), target.size());
        if (length <= 0)
            return current;
        target.resize(static_cast<std::size_t>(length));
        current = target.front() == '/' ? target : directory_of(current) + "/" + target;
    }
    return current;
}

bool sync_directory(const std::string& directory)
{
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool done = flush(fd);
    const int error = errno;
    ::close(fd);
    errno = error;
    return done;
}

bool sync_file_system(const std::string& directory)
{
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
#ifdef __linux__
    const bool done = step([fd] { return ::syncfs(fd) == 0; });
#else
    const bool done = step([] { ::sync(); return true; });
#endif
    const int error = errno;
    ::close(fd);
    errno = error;
    return done;
}

bool create_file_exclusively(const std::string& path, const std::string& contents, durability how)
{
    const std::string directory = directory_of(path);
    temporary_file temporary(directory);
    if (temporary.fd() < 0)
        return false;
    if (!write_all_at(temporary.fd(), contents) || (how == durability::synced && !flush(temporary.fd()))
        || !link_without_replacing(temporary.path(), path, contents))
        return false;
    struct stat mine;
    const bool removed = step([&] { return ::unlink(temporary.path().c_str()) == 0; });
    temporary.renamed();
    if (removed && (how == durability::deferred || sync_directory(directory)))
        return true;
    // Not surely on the disk: take the new file back (still ours: the lock is held).
    const int error = errno;
    struct stat named;
    if (::fstat(temporary.fd(), &mine) == 0 && ::lstat(path.c_str(), &named) == 0 && same_file(mine, named))
        ::unlink(path.c_str());
    if (!removed)
        ::unlink(temporary.path().c_str());
    errno = error;
    return false;
}

bool replace_file_atomically(const std::string& path, const std::string& contents)
{
    const std::string target = link_target(path);
    struct stat old;
    const bool exists = ::lstat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode);
    return replace_at(target, contents, exists ? &old : nullptr, -1);
}

file_update update_file_locked(const std::string& path, const std::function<std::string(const std::string&)>& change)
{
    const std::string target = link_target(path);
    file_update outcome;
    if (take_injected_open_failure())
        return {false, true, EACCES};
    // Other writers may replace the file again and again while this one waits.
    const auto give_up = std::chrono::steady_clock::now() + lock_wait_limit();
    while (std::chrono::steady_clock::now() < give_up) {
        const int fd = ::open(target.c_str(), O_RDWR | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0 && errno == ENOENT) {
            if (create_file_exclusively(target, change("")))
                return {true, false, 0};
            if (errno == EEXIST)
                continue;
        }
        if (fd < 0)
            return {false, errno == EACCES, errno};
        struct stat mine, named;
        if (!lock_whole_file(fd, lock_kind::exclusive)) {
            outcome = {false, false, errno};
            ::close(fd);
            return outcome;
        }
        if (::fstat(fd, &mine) != 0 || ::lstat(target.c_str(), &named) != 0 || !same_file(mine, named)) {
            ::close(fd);   // replaced meanwhile: take turns on the new file
            continue;
        }
        std::string old_contents;
        char buffer[65536];
        ssize_t got = 0;
        off_t offset = 0;
        while ((got = ::pread(fd, buffer, sizeof buffer, offset)) > 0 || (got < 0 && errno == EINTR))
            if (got > 0) {
                old_contents.append(buffer, static_cast<std::size_t>(got));
                offset += got;
            }
        if (got < 0) {
            outcome = {false, true, errno};
        } else {
            const std::string new_contents = change(old_contents);
            outcome.written = new_contents == old_contents || replace_at(target, new_contents, &mine, fd);
            outcome.error_number = outcome.written ? 0 : errno;
        }
        ::close(fd);
        return outcome;
    }
    return {false, false, EAGAIN};
}

void remove_stale_temporaries(const std::string& directory)
{
    std::error_code ec;
    for (std::filesystem::directory_iterator it(directory, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!is_temporary_name(name))
            continue;
        const std::string path = it->path().string();
        const int fd = ::open(path.c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat mine, named;
        // Nobody holds it: its writer has ended without putting it in place.
        if (try_lock_whole_file(fd, lock_kind::exclusive) && ::fstat(fd, &mine) == 0
            && ::lstat(path.c_str(), &named) == 0 && same_file(mine, named))
            ::unlink(path.c_str());
        ::close(fd);
    }
}

} // namespace platform

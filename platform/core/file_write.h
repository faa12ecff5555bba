#pragma once
// Writing whole files so that readers and other writers never see half of
// one. New contents are written under a hidden temporary name beside the
// file (created exclusively, never through a link, under a name nobody can
// guess, locked while in use) and then put in place. A replaced file keeps
// its owner, group and mode, and a symbolic link is written through to its
// target; where the system does not let the new file have the old owner,
// the file is rewritten in place instead. Temporaries that a killed process
// left behind are recognised (nobody holds their lock) and removed.
// (replace_file_atomically is declared in file_system.h.)

#include <functional>
#include <string>

namespace platform {

enum class durability { synced, deferred };

// Writes `contents` to a new file at `path` and never replaces anything:
// false with errno EEXIST when an entry of that name exists or appears
// meanwhile. The file appears complete or not at all. With `deferred` the
// contents are not flushed to the disk here: call sync_file_system after a
// batch of creations.
bool create_file_exclusively(const std::string& path, const std::string& contents,
                             durability how = durability::synced);

struct file_update {
    bool written = false;
    bool unreadable = false;   // the old contents could not be read: nothing was written
    int error_number = 0;      // when not written
};

// Reads the file (missing: empty text) under an exclusive lock, so writers
// on other machines take turns, and writes change(old contents) in its
// place, with the lock held until the new contents are in place.
file_update update_file_locked(const std::string& path,
                               const std::function<std::string(const std::string&)>& change);

// The file a path names after following its symbolic links (the path itself
// when it is no link or the link leads nowhere).
std::string link_target(const std::string& path);

// Removes the temporaries of this layer in the directory that no living process uses.
void remove_stale_temporaries(const std::string& directory);
bool sync_directory(const std::string& directory);
// Flushes every file of the file system that holds the directory to the disk.
bool sync_file_system(const std::string& directory);

// True for the name of one of this layer's temporaries.
bool is_temporary_name(const std::string& file_name);

} // namespace platform

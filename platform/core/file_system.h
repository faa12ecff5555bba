#pragma once
// Files and paths as the program needs them. On a file system that
// distinguishes case, names the program looks up are matched without regard
// to case (resolve_ignoring_case). Separator is the platform's ('/').
// It does not follow drive letters: those have no counterpart here.

#include <optional>
#include <string>
#include <vector>

namespace platform {

inline constexpr char directory_separator = '/';

char ascii_upper(char c);
std::string ascii_upper(std::string text);

std::string current_directory();   // ends in the separator
std::string executable_directory();   // ends in the separator; set by set_executable_path
void set_executable_path(const std::string& argv0);

bool is_absolute_path(const std::string& name);
// The name made absolute against the current directory, "." and ".." resolved.
std::string full_path(const std::string& name);

// When no entry of exactly this path exists, the entry whose every path
// component matches without regard to case; otherwise the path itself.
std::string resolve_ignoring_case(const std::string& path);

enum class entry_kind { directory, file, missing, error };
struct entry_status {
    entry_kind kind;
    int error_number;   // errno when kind is error
};
entry_status path_status(const std::string& path);   // exact path, no case folding
// Whether anything, a symbolic link too, stands at the path (not followed).
bool entry_exists(const std::string& path);
// An ordinary file itself stands at the path (no link, no directory).
bool is_plain_file(const std::string& path);

// What tells whether a directory's entries changed: its change time and
// identity. Equal stamps mean the same listing (within the file system's
// time resolution).
struct directory_stamp {
    long long seconds = -1;
    long long nanoseconds = 0;
    unsigned long long device = 0, inode = 0;
    bool operator==(const directory_stamp&) const = default;
};
directory_stamp stamp_of_directory(const std::string& directory);

// The system's words for an error number ("No space left on device").
std::string error_words(int error_number);
// The longest file name, in bytes, the directory's file system allows.
std::size_t longest_file_name(const std::string& directory);

bool make_directory(const std::string& path);
bool remove_file(const std::string& path);

// Names of the ordinary, non-hidden files in a directory: no directories,
// and no symbolic links, which are never followed out of the directory.
std::vector<std::string> list_files(const std::string& directory);

std::optional<std::string> read_whole_file(const std::string& path);
// The same, telling a file that cannot be opened from one whose reading fails.
enum class read_outcome { read, cannot_open, read_error };
struct file_contents {
    read_outcome outcome;
    std::string text;   // empty unless read
};
file_contents read_file_contents(const std::string& path);
// Makes the next read_file_contents or update_file_locked find its file
// unopenable (EACCES), for tests of that failure (permissions do not stop
// every user).
void fail_next_file_open();
// For the file layer: true, once, after fail_next_file_open.
bool take_injected_open_failure();
// Writes a temporary file beside the target, flushes it, renames it over the
// target (file_write.h tells how: owner, group and mode kept, links written through).
bool replace_file_atomically(const std::string& path, const std::string& contents);

} // namespace platform

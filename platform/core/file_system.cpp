#include "platform/core/file_system.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <utility>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace platform {
namespace {

std::string& executable_dir_storage()
{
    static std::string dir;
    return dir;
}

std::string with_separator(std::string dir)
{
    if (dir.empty() || dir.back() != directory_separator)
        dir += directory_separator;
    return dir;
}

bool exists_exactly(const std::string& path)
{
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0;
}

} // namespace

char ascii_upper(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string ascii_upper(std::string text)
{
    for (char& c : text)
        c = ascii_upper(c);
    return text;
}

std::string current_directory()
{
    std::error_code ec;
    const auto cwd = fs::current_path(ec);
    return with_separator(ec ? std::string("/") : cwd.string());
}

std::string executable_directory()
{
    if (executable_dir_storage().empty()) {
        std::error_code ec;
        const auto self = fs::read_symlink("/proc/self/exe", ec);
        executable_dir_storage() = ec ? current_directory() : with_separator(self.parent_path().string());
    }
    return executable_dir_storage();
}

void set_executable_path(const std::string& argv0)
{
    // A path with a directory names the program file; a bare name was found
    // on the search path, so ask the system where the program lies.
    if (argv0.find(directory_separator) != std::string::npos) {
        executable_dir_storage() = with_separator(fs::path(full_path(argv0)).parent_path().string());
        return;
    }
    executable_dir_storage().clear();
    executable_directory();
}

bool is_absolute_path(const std::string& name)
{
    return !name.empty() && name.front() == directory_separator;
}

std::string full_path(const std::string& name)
{
    const fs::path p = is_absolute_path(name) ? fs::path(name) : fs::path(current_directory()) / name;
    std::string normal = p.lexically_normal().string();
    if (normal.size() > 1 && normal.back() == directory_separator && !name.empty() && name.back() != '/')
        normal.pop_back();
    return normal;
}

std::string resolve_ignoring_case(const std::string& path)
{
    if (path.empty() || exists_exactly(path))
        return path;
    const fs::path p(path);
    const fs::path relative = p.relative_path();
    const std::vector<fs::path> parts(relative.begin(), relative.end());
    fs::path resolved = p.root_path();
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const fs::path exact = resolved / parts[i];
        if (exists_exactly(exact.string())) {
            resolved = exact;
            continue;
        }
        const std::string wanted = ascii_upper(parts[i].string());
        std::error_code ec;
        bool found = false;
        const fs::path base = resolved.empty() ? fs::path(".") : resolved;
        for (fs::directory_iterator it(base, ec), end; !ec && it != end; it.increment(ec)) {
            if (ascii_upper(it->path().filename().string()) == wanted) {
                resolved = resolved / it->path().filename();
                found = true;
                break;
            }
        }
        if (!found) {
            // What exists is kept as found; the rest stays as asked for.
            for (std::size_t j = i; j < parts.size(); ++j)
                resolved /= parts[j];
            return resolved.string();
        }
    }
    return resolved.string();
}

entry_status path_status(const std::string& path)
{
    struct stat st;
    if (::stat(path.c_str(), &st) == 0)
        return {S_ISDIR(st.st_mode) ? entry_kind::directory : entry_kind::file, 0};
    if (errno == ENOENT || errno == ENOTDIR)
        return {entry_kind::missing, 0};
    return {entry_kind::error, errno};
}

bool entry_exists(const std::string& path)
{
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0;
}

bool is_plain_file(const std::string& path)
{
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

directory_stamp stamp_of_directory(const std::string& directory)
{
    struct stat st;
    if (::stat(directory.c_str(), &st) != 0)
        return {};
    return {static_cast<long long>(st.st_mtim.tv_sec), static_cast<long long>(st.st_mtim.tv_nsec),
            static_cast<unsigned long long>(st.st_dev), static_cast<unsigned long long>(st.st_ino)};
}

std::string error_words(int error_number)
{
    return std::strerror(error_number);
}

std::size_t longest_file_name(const std::string& directory)
{
    const long limit = ::pathconf(directory.c_str(), _PC_NAME_MAX);
    return limit > 0 ? static_cast<std::size_t>(limit) : 255;
}

bool make_directory(const std::string& path)
{
    return ::mkdir(path.c_str(), 0777) == 0;
}

bool remove_file(const std::string& path)
{
    return ::unlink(path.c_str()) == 0;
}

std::vector<std::string> list_files(const std::string& directory)
{
    // The entries' types as the directory gives them, so a listing of many
    // students costs no look at each file; a look only where it gives none.
    std::vector<std::string> names;
    DIR* dir = ::opendir(directory.c_str());
    if (!dir)
        return names;
    while (const dirent* entry = ::readdir(dir)) {
        const char* name = entry->d_name;
        if (name[0] == '\0' || name[0] == '.')
            continue;
        bool regular = entry->d_type == DT_REG;
        if (entry->d_type == DT_UNKNOWN) {
            struct stat st;
            regular = ::fstatat(::dirfd(dir), name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode);
        }
        if (regular)
            names.emplace_back(name);
    }
    ::closedir(dir);
    return names;
}

namespace {

bool next_open_fails = false;

} // namespace

void fail_next_file_open()
{
    next_open_fails = true;
}

bool take_injected_open_failure()
{
    return std::exchange(next_open_fails, false);
}

file_contents read_file_contents(const std::string& path)
{
    file_contents result{read_outcome::cannot_open, {}};
    if (take_injected_open_failure())
        return result;
    FILE* in = std::fopen(path.c_str(), "rb");
    if (!in)
        return result;
    char buffer[65536];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, in)) > 0)
        result.text.append(buffer, n);
    result.outcome = std::ferror(in) ? read_outcome::read_error : read_outcome::read;
    std::fclose(in);
    if (result.outcome != read_outcome::read)
        result.text.clear();
    return result;
}

std::optional<std::string> read_whole_file(const std::string& path)
{
    file_contents contents = read_file_contents(path);
    if (contents.outcome != read_outcome::read)
        return std::nullopt;
    return std::move(contents.text);
}

} // namespace platform

#include "foundation/file_location.h"

#include "foundation/globals.h"
#include "platform/core/file_system.h"

namespace foundation {

namespace {

bool names_existing_file(const std::string& path)
{
    return platform::path_status(path).kind == platform::entry_kind::file;
}

file_status_result status_of(const std::string& name)
{
    std::string path = platform::full_path(name);
    if (path.size() > 1 && path.back() == platform::directory_separator)
        path.pop_back();
    path = platform::resolve_ignoring_case(path);
    const auto entry = platform::path_status(path);
    switch (entry.kind) {
    case platform::entry_kind::directory:
        return {path, file_is_directory, 0};
    case platform::entry_kind::file:
        return {path, file_is_file, 0};
    case platform::entry_kind::missing:
        return {path, file_not_found, 0};
    default:
        return {path, file_error, entry.error_number};
    }
}

} // namespace

found_file find_file(const std::string& name, unsigned options)
{
    const bool relative = !platform::is_absolute_path(name);
    const auto attempt = [](const std::string& path) -> found_file {
        const std::string resolved = platform::resolve_ignoring_case(path);
        return {names_existing_file(resolved), resolved};
    };
    found_file result{false, name};
    if (!(options & find_skip_name_itself) && (result = attempt(platform::full_path(name))).found)
        return result;
    if (relative && (result = attempt(start_directory + name)).found)
        return result;
    if (relative && !(options & find_skip_program_directory) && (result = attempt(program_directory + name)).found)
        return result;
    return {false, name};
}

file_status_result file_status(const std::string& name, bool search)
{
    const std::string upper = platform::ascii_upper(name);
    file_status_result result = status_of(upper);
    if (!search || platform::is_absolute_path(upper))
        return result;
    for (const std::string& directory : {start_directory, program_directory}) {
        if (result.status == file_is_directory)
            break;
        const file_status_result candidate = status_of(directory + upper);
        if (candidate.status == file_is_directory)
            result = candidate;
    }
    return result;
}

prefixed_path prefix_if_relative(const std::string& name, const std::string& directory)
{
    if (platform::is_absolute_path(name))
        return {false, name};
    return {true, directory + name};
}

void add_default_extension(std::string& name, const std::string& extension)
{
    const auto last_separator = name.find_last_of(platform::directory_separator);
    const auto dot = name.find_last_of('.');
    const bool has_extension = dot != std::string::npos
        && (last_separator == std::string::npos || dot > last_separator);
    if (!has_extension)
        name += extension;
}

} // namespace foundation

#include "student_files/student_file_index.h"

#include "platform/core/file_name_text.h"

#include <algorithm>
#include <vector>

namespace student_files {

namespace {

const std::string extension = ".results";

std::string key_of(const std::string& readable_file_name)
{
    return platform::ascii_upper(readable_file_name);
}

} // namespace

void student_file_index::list_again()
{
    stamp_ = platform::stamp_of_directory(directory_);
    names_.clear();
    std::vector<std::string> files = platform::list_files(directory_);
    // In byte order, so the same file wins on every run.
    std::sort(files.begin(), files.end());
    for (std::string& name : files)
        names_.emplace(key_of(platform::readable_file_name(name)), std::move(name));
    listed_ = true;
}

std::string student_file_index::look_up(const std::string& student_name) const
{
    const std::string wanted = student_name + extension;
    const auto [first, last] = names_.equal_range(key_of(wanted));
    for (auto it = first; it != last; ++it)
        if (platform::readable_file_name(it->second) == wanted)
            return it->second;
    return first != last ? first->second : std::string();
}

std::string student_file_index::find(const std::string& student_name)
{
    if (!listed_ || platform::stamp_of_directory(directory_) != stamp_)
        list_again();
    std::string found = look_up(student_name);
    if (!found.empty() && !platform::is_plain_file(directory_ + platform::directory_separator + found)) {
        list_again();
        found = look_up(student_name);
    }
    return found;
}

void student_file_index::created(const std::string& file_name, const platform::directory_stamp& before)
{
    if (!listed_ || before != stamp_)
        return;
    names_.emplace(key_of(platform::readable_file_name(file_name)), file_name);
    stamp_ = platform::stamp_of_directory(directory_);
}

} // namespace student_files

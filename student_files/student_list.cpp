#include "student_files/student_list.h"

#include "platform/core/file_name_text.h"
#include "platform/core/file_system.h"

#include <algorithm>

namespace student_files {

namespace {

const std::string extension = ".RESULTS";

// Lower case for ASCII letters and for the two-byte UTF-8 forms of the
// Latin-1 capitals U+00C0..U+00DE (but U+00D7, the multiplication sign).
std::string folded(const std::string& text)
{
    std::string out = text;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const auto c = static_cast<unsigned char>(out[i]);
        if (c >= 'A' && c <= 'Z')
            out[i] = static_cast<char>(c - 'A' + 'a');
        else if (c == 0xC3 && i + 1 < out.size()) {
            const auto next = static_cast<unsigned char>(out[i + 1]);
            if (next >= 0x80 && next <= 0x9E && next != 0x97)
                out[i + 1] = static_cast<char>(next + 0x20);
            ++i;
        }
    }
    return out;
}

} // namespace

std::string student_name_of_file(const std::string& file_name)
{
    const std::string upper = platform::ascii_upper(file_name);
    if (upper.size() <= extension.size() || upper.compare(upper.size() - extension.size(), extension.size(), extension) != 0)
        return {};
    return platform::readable_file_name(file_name.substr(0, file_name.size() - extension.size()));
}

bool listed_before(const std::string& a, const std::string& b)
{
    const std::string fa = folded(a), fb = folded(b);
    return fa != fb ? fa < fb : a < b;
}

std::vector<listed_student> list_students(const std::string& directory)
{
    std::vector<listed_student> students;
    for (std::string& file : platform::list_files(directory))
        if (std::string name = student_name_of_file(file); !name.empty())
            students.push_back({std::move(name), std::move(file)});
    std::sort(students.begin(), students.end(), [](const listed_student& a, const listed_student& b) {
        return a.name != b.name ? listed_before(a.name, b.name) : a.file_name < b.file_name;
    });
    return students;
}

std::string results_path(const std::string& directory, const listed_student& student)
{
    return directory + platform::directory_separator + student.file_name;
}

} // namespace student_files

#include "tutor/engine/guidance_file.h"

#include "foundation/file_location.h"
#include "foundation/settings.h"
#include "foundation/text_lines.h"
#include "platform/core/file_system.h"

#include <stdexcept>

using namespace foundation;

namespace tutor::engine {

namespace {

std::string capitals(const std::string& name)
{
    return platform::ascii_upper(name);
}

} // namespace

const std::string& guidance_text::line(int index) const
{
    if (index < 0 || index >= count_)
        throw std::out_of_range("no guidance line " + std::to_string(index));
    return lines_[static_cast<std::size_t>(index)];
}

int guidance_text::source_line(int index) const
{
    line(index);   // checks the index
    return source_lines_[static_cast<std::size_t>(index)];
}

bool guidance_text::add(std::string line, int source_line)
{
    if (count_ >= max_lines)
        return false;
    source_lines_[static_cast<std::size_t>(count_)] = source_line;
    lines_[static_cast<std::size_t>(count_++)] = std::move(line);
    return true;
}

std::string guidance_file_name_from_settings()
{
    std::string name = read_setting("", "GENERAL", "Guidance File", "GUID1.TXT");
    if (name.empty())
        name = "GUID1.TXT";
    add_default_extension(name, ".TXT");
    return name;
}

guidance_reading read_guidance_file(const std::string& name)
{
    const found_file where = find_file(name, 0);
    if (!where.found)
        return {{}, "Guidance file " + capitals(name) + " not found"};
    const platform::file_contents contents = platform::read_file_contents(where.path);
    switch (contents.outcome) {
    case platform::read_outcome::cannot_open:
        return {{}, "The guidance file " + capitals(name) + " could not be opened!"};
    case platform::read_outcome::read_error:
        return {{}, "Error while reading guidance file " + capitals(name) + "!"};
    default:
        return split_guidance_text(contents.text, name);
    }
}

guidance_reading split_guidance_text(std::string_view contents, const std::string& name)
{
    guidance_reading reading;
    text_line_reader reader(contents);
    int number = 0;
    while (auto line = reader.next()) {
        ++number;
        if (is_comment_line(*line))
            continue;
        if (!reading.text.add(without_remark(*line), number)) {
            reading.problem = "Guidance file " + capitals(name) + " contains too many lines!";
            break;
        }
    }
    return reading;
}

} // namespace tutor::engine

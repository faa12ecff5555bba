#include "foundation/text_lines.h"

#include "foundation/text_encoding.h"

namespace foundation {

std::optional<std::string> text_line_reader::next()
{
    if (position_ >= text_.size())
        return std::nullopt;
    auto end = text_.find('\n', position_);
    if (end == std::string_view::npos)
        end = text_.size();
    std::string_view line = text_.substr(position_, end - position_);
    position_ = end + 1;
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return std::string(line.substr(0, utf8_prefix_length(line, max_length_)));
}

bool is_comment_line(const std::string& line)
{
    return !line.empty() && (line.front() == '*' || line.front() == '\f');
}

std::string without_remark(const std::string& line)
{
    const auto hash = line.find('#');
    return hash == std::string::npos ? line : line.substr(0, hash);
}

} // namespace foundation

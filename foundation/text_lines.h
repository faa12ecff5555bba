#pragma once
// Reading the program's plain-text data files line by line, with the comment
// and remark rules they share: a line starting with "*" or a form feed is a
// comment, and a "#" cuts the rest of a line.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace foundation {

class text_line_reader {
public:
    static constexpr std::size_t no_limit = std::string::npos;

    // Lines longer than max_length characters (UTF-8) are cut to it.
    explicit text_line_reader(std::string_view text, std::size_t max_length = no_limit)
        : text_(text), max_length_(max_length)
    {
    }

    // The next line without its line end (LF or CR LF); none at the end.
    std::optional<std::string> next();

private:
    std::string_view text_;
    std::size_t max_length_;
    std::size_t position_ = 0;
};

bool is_comment_line(const std::string& line);
std::string without_remark(const std::string& line);

} // namespace foundation

#include "tutor/engine/guidance_error_text.h"

#include <algorithm>

namespace tutor::engine {

namespace {

constexpr const char* cut_mark = "...";

bool inside_character(const std::string& text, std::size_t position)
{
    return position < text.size() && (static_cast<unsigned char>(text[position]) & 0xC0) == 0x80;
}

} // namespace

std::string quoted_around(const std::string& line, std::size_t column, std::size_t limit)
{
    if (line.size() <= limit)
        return line;
    const std::size_t place = std::min(column, line.size());
    std::size_t from = std::min(place - std::min(place, limit / 2), line.size() - limit);
    std::size_t to = from + limit;
    while (inside_character(line, from))
        ++from;
    while (inside_character(line, to))
        ++to;
    return (from > 0 ? cut_mark : "") + line.substr(from, to - from) + (to < line.size() ? cut_mark : "");
}

std::string guidance_compile_error_text(const std::string& line, std::size_t column, const std::string& detail)
{
    return "Error in Guidance Order, Line = \"" + quoted_around(line, column) + "\", error is: " + detail;
}

} // namespace tutor::engine

#include "tutor/engine/guidance_scanner.h"

#include "platform/core/file_system.h"

namespace tutor::engine {

namespace {

const std::string no_line;

bool is_blank(char c)
{
    return c == ' ' || c == '\t';
}

} // namespace

guidance_scanner::guidance_scanner(const guidance_text& text) : text_(text)
{
    settle();
}

void guidance_scanner::advance()
{
    if (at_end_)
        return;
    ++column_;
    settle();
}

// Moves from the position to the next character that counts.
void guidance_scanner::settle()
{
    for (; line_ < text_.count(); ++line_, column_ = 0) {
        const std::string& line = text_.line(line_);
        while (column_ < line.size() && is_blank(line[column_]))
            ++column_;
        if (column_ < line.size()) {
            current_ = platform::ascii_upper(line[column_]);
            last_line_ = line_;
            return;
        }
    }
    current_ = ' ';
    at_end_ = true;
}

const std::string& guidance_scanner::current_line() const
{
    return last_line_ < 0 ? no_line : text_.line(last_line_);
}

std::size_t guidance_scanner::current_column() const
{
    return at_end_ ? current_line().size() : column_;
}

} // namespace tutor::engine

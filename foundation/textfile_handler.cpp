#include "foundation/textfile_handler.h"

#include "foundation/file_location.h"
#include "foundation/globals.h"
#include "foundation/messages.h"
#include "foundation/settings.h"
#include "foundation/text_encoding.h"
#include "foundation/texts.h"
#include "foundation/text_lines.h"
#include "platform/core/file_system.h"
#include "platform/core/message_box.h"

#include <optional>

namespace foundation {

namespace {

bool starts_section_line(const std::string& line)
{
    return line.size() >= 2 && line.front() == '$';
}

std::optional<std::string> header_name(const std::string& line)
{
    if (!starts_section_line(line))
        return std::nullopt;
    const auto open = line.find('[');
    if (open == std::string::npos)
        return std::nullopt;
    const auto close = line.find(']', open + 1);
    if (close == std::string::npos)
        return std::nullopt;
    return line.substr(open + 1, close - open - 1);
}

} // namespace

Ttextfile_handler::Ttextfile_handler(const std::string& file_name, bool& found, bool fatal)
{
    outcome read;
    *this = from_file(file_name, read, found);
    if (!read && fatal)
        stop_with_message(read.message());
    show_if_failed(read);
}

Ttextfile_handler Ttextfile_handler::from_file(const std::string& file_name, outcome& read, bool& found)
{
    Ttextfile_handler handler;
    const found_file where = find_file(file_name, 0);
    const auto contents = where.found ? platform::read_whole_file(where.path) : std::nullopt;
    found = contents.has_value();
    if (!found) {
        read = outcome::failed("The text file \"" + file_name + "\" was not found!");
        return handler;
    }
    const std::string twice = handler.parse(*contents);
    read = twice.empty() ? outcome()
                         : outcome::failed("The text file \"" + file_name + "\" holds the section \"" + twice
                                           + "\" more than once!");
    return handler;
}

Ttextfile_handler Ttextfile_handler::from_text(std::string_view contents, std::string& problem)
{
    Ttextfile_handler handler;
    problem = handler.parse(contents);
    return handler;
}

std::string Ttextfile_handler::parse(std::string_view contents)
{
    const std::string text = text_as_utf8(contents);
    text_line_reader reader(text, max_line_length);
    std::optional<std::string> current = reader.next();
    while (current && !starts_section_line(*current))
        current = reader.next();
    while (current) {
        // Seek a valid header from the current line on.
        std::optional<std::string> name = header_name(*current);
        while (!name && (current = reader.next()))
            name = header_name(*current);
        if (!name)
            break;
        std::vector<std::string> entries;
        current = std::nullopt;
        while (auto line = reader.next()) {
            if (!line->empty() && line->front() == '$') {
                current = std::move(line);
                break;
            }
            if (!is_comment_line(*line))
                entries.push_back(without_remark(*line));
        }
        if (!sections_.emplace(platform::ascii_upper(*name), std::move(entries)).second)
            return *name;
    }
    return {};
}

std::string Ttextfile_handler::read_entry(const std::string& section, int k) const
{
    const auto it = sections_.find(platform::ascii_upper(section));
    if (k < 1 || it == sections_.end() || static_cast<std::size_t>(k) > it->second.size())
        return {};
    return it->second[static_cast<std::size_t>(k) - 1];
}

bool Ttextfile_handler::has_section(const std::string& section) const
{
    return sections_.count(platform::ascii_upper(section)) != 0;
}

int Ttextfile_handler::entry_count(const std::string& section) const
{
    const auto it = sections_.find(platform::ascii_upper(section));
    return it == sections_.end() ? 0 : static_cast<int>(it->second.size());
}

std::string without_mnemonic(const std::string& caption)
{
    std::string plain;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && ++i == caption.size())
            break;
        plain += caption[i];
    }
    return plain;
}

void load_text_section_file()
{
    if (outcome read = read_text_section_file(); !read)
        stop_with_message(read.message());
}

outcome read_text_section_file()
{
    std::string name = read_setting("", "GENERAL", "Text File", "WINTOLA.TXT");
    if (name.empty())
        name = "WINTOLA.TXT";
    bool found = false;
    outcome read;
    Ttextfile_handler handler = Ttextfile_handler::from_file(name, read, found);
    if (!read)
        return read;
    text_handler = std::make_unique<Ttextfile_handler>(std::move(handler));
    message_caption = text_of(text_names::messages_caption::caption);
    out_of_memory_message = text_of(text_names::out_of_memory::message);
    return {};
}

} // namespace foundation

#include "platform/core/ini_file.h"

#include "platform/core/file_system.h"

#include <string_view>
#include <vector>

namespace platform {
namespace {

std::string_view trim(std::string_view s)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool same_name(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (ascii_upper(a[i]) != ascii_upper(b[i]))
            return false;
    return true;
}

std::vector<std::string_view> split_lines(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        if (end == std::string_view::npos) {
            lines.push_back(text);
            break;
        }
        lines.push_back(text.substr(0, end));
        text.remove_prefix(end + 1);
    }
    return lines;
}

// The section a line opens, or nothing when it is no section line.
std::optional<std::string_view> section_of(std::string_view line)
{
    line = trim(line);
    if (line.size() < 2 || line.front() != '[')
        return std::nullopt;
    const auto close = line.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return trim(line.substr(1, close - 1));
}

struct entry {
    std::string_view key;
    std::string_view value;
};

std::optional<entry> entry_of(std::string_view line)
{
    const auto trimmed = trim(line);
    if (trimmed.empty() || trimmed.front() == ';')
        return std::nullopt;
    const auto equals = trimmed.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    return entry{trim(trimmed.substr(0, equals)), trim(trimmed.substr(equals + 1))};
}

} // namespace

std::optional<std::string> ini_find(const std::string& contents, const std::string& section,
                                    const std::string& key)
{
    bool in_section = false;
    for (const auto line : split_lines(contents)) {
        if (const auto name = section_of(line)) {
            in_section = same_name(*name, trim(section));
            continue;
        }
        if (!in_section)
            continue;
        if (const auto e = entry_of(line); e && same_name(e->key, trim(key)))
            return std::string(e->value);
    }
    return std::nullopt;
}

std::optional<std::string> ini_read(const std::string& path, const std::string& section,
                                    const std::string& key)
{
    const auto contents = read_whole_file(path);
    if (!contents)
        return std::nullopt;
    return ini_find(*contents, section, key);
}

std::string ini_update(const std::string& contents, const std::string& section,
                       const std::string& key, const std::string& value)
{
    const auto lines = split_lines(contents);
    // Written lines end as the file's first line does, so a CR LF file stays one.
    const std::string eol = !lines.empty() && !lines.front().empty() && lines.front().back() == '\r' ? "\r\n" : "\n";
    const std::string new_line = std::string(trim(key)) + "=" + value;
    bool in_section = false;
    std::optional<std::size_t> insert_after;   // last entry line of the section
    std::optional<std::size_t> replace;
    for (std::size_t i = 0; i < lines.size() && !replace; ++i) {
        if (const auto name = section_of(lines[i])) {
            if (in_section)
                break;   // only the first matching section is written
            in_section = same_name(*name, trim(section));
            if (in_section)
                insert_after = i;
            continue;
        }
        if (!in_section)
            continue;
        if (const auto e = entry_of(lines[i])) {
            if (same_name(e->key, trim(key)))
                replace = i;
            else
                insert_after = i;
        }
    }
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (replace && *replace == i) {
            // The key keeps the spelling the file gave it.
            out += std::string(entry_of(lines[i])->key) + "=" + value + eol;
            continue;
        }
        out += std::string(lines[i]) + "\n";
        if (!replace && insert_after && *insert_after == i)
            out += new_line + eol;
    }
    if (!replace && !insert_after)
        out += "[" + std::string(trim(section)) + "]" + eol + new_line + eol;
    return out;
}

file_update ini_write(const std::string& path, const std::string& section, const std::string& key,
                      const std::string& value)
{
    return update_file_locked(path, [&](const std::string& old_contents) {
        return ini_update(old_contents, section, key, value);
    });
}

} // namespace platform

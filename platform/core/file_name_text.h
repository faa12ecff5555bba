#pragma once
// The text of file names. Here file names are UTF-8; names written on a
// Windows machine may arrive as single-byte Windows-1252 (Latin-1) text, as
// the Windows programs saw them. These turn one into the other.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The length of the well-formed UTF-8 sequence at text[i]; 0 when none starts there.
std::size_t utf8_sequence_length(std::string_view text, std::size_t i);
bool is_utf8(std::string_view text);

// Windows-1252 bytes as UTF-8 (the five bytes the code page leaves unused
// become the control characters of the same number, as Windows reads them).
std::string utf8_from_windows_1252(std::string_view bytes);
// UTF-8 text as Windows-1252 bytes; nothing when it holds a character the code page lacks.
std::optional<std::string> windows_1252_from_utf8(std::string_view text);
// Windows-1252 bytes with every letter the code page has in both cases upper-cased.
std::string windows_1252_upper(std::string bytes);

// A file name as a list shows it: the name itself when it is UTF-8, else read as Windows-1252.
std::string readable_file_name(std::string_view name);

} // namespace platform

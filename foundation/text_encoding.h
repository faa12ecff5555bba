#pragma once
// The program's texts are UTF-8. A data file a translator saved in a Windows
// single-byte code page is not valid UTF-8; it is read as Windows-1252, the
// code page of western European Windows, so its accented letters survive.

#include <cstddef>
#include <string>
#include <string_view>

namespace foundation {

// The bytes themselves when they are valid UTF-8 (without a leading byte
// order mark), else the bytes read as Windows-1252 (platform/core/file_name_text.h
// holds the UTF-8 check and the code page).
std::string text_as_utf8(std::string_view bytes);

// How many bytes the first `characters` characters of UTF-8 text take (all
// of it when it has fewer).
std::size_t utf8_prefix_length(std::string_view text, std::size_t characters);

} // namespace foundation

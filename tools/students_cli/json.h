#pragma once
// JSON text for the machine-readable listings, and the UTF-8 test it needs.

#include <string>
#include <string_view>

// The text as a JSON string in quotes. Bytes that are not UTF-8 become
// U+FFFD, so the output is valid JSON whatever a file name holds.
std::string json_string(std::string_view text);

// The length of the well-formed UTF-8 sequence at text[i]; 0 when none starts there.
std::size_t utf8_sequence_length(std::string_view text, std::size_t i);
bool is_utf8(std::string_view text);

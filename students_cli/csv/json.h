#pragma once
// JSON text for the machine-readable listings.

#include <string>
#include <string_view>

namespace students_cli::csv {

// The text as a JSON string in quotes. Bytes that are not UTF-8 become
// U+FFFD, so the output is valid JSON whatever a file name holds.
std::string json_string(std::string_view text);

} // namespace students_cli::csv

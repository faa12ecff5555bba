#pragma once
// The text of a guidance compile error as the program shows it:
// Error in Guidance Order, Line = "LINE", error is: DETAIL
// A guidance line is kept whole however long it is, so a long one is quoted
// only around the place of the error, with "..." where it was cut: the
// message box then fits the screen with its detail and its button.

#include <cstddef>
#include <string>

namespace tutor::engine {

inline constexpr std::size_t quoted_line_limit = 60;   // characters of the line shown

// The part of the line around byte `column` (the line's end when past it):
// the whole line when it has at most `limit` bytes, else `limit` bytes with
// the error's place near the middle, never cutting a UTF-8 character.
std::string quoted_around(const std::string& line, std::size_t column, std::size_t limit = quoted_line_limit);

std::string guidance_compile_error_text(const std::string& line, std::size_t column, const std::string& detail);

} // namespace tutor::engine

#pragma once
// Small text helpers shared by the geometry and tutor code.

#include <string>

namespace foundation {

bool is_digit(char c);
void remove_spaces(std::string& text);

} // namespace foundation

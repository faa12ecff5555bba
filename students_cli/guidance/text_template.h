#pragma once
// Texts of the text-section file with numbered places: "%1" to "%9" stand
// for the values given, in order; a place without a value stays as written.

#include <string>
#include <vector>

std::string filled_in(const std::string& text, const std::vector<std::string>& values);

// Entry k of a section, filled in.
std::string text_with(const char* section, int k, const std::vector<std::string>& values = {});

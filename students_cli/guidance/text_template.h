#pragma once
// Texts of the text-section file with numbered places: "%1" to "%9" stand
// for the values given, in order; a place without a value stays as written.

#include "foundation/texts.h"

#include <string>
#include <vector>

namespace students_cli::guidance {

std::string filled_in(const std::string& text, const std::vector<std::string>& values);

// An entry of the loaded text-section file, filled in.
template <class Entry> std::string text_with(Entry entry, const std::vector<std::string>& values = {})
{
    return filled_in(foundation::text_of(entry), values);
}

} // namespace students_cli::guidance

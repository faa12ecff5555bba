#include "foundation/numeric.h"

#include <algorithm>

namespace foundation {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

void remove_spaces(std::string& text)
{
    text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
}

} // namespace foundation

#include "tutor/engine/theory_chapters.h"

#include "foundation/numeric.h"
#include "foundation/settings.h"

#include <algorithm>

using namespace foundation;

namespace tutor::engine {

namespace {

// A whole number with an optional sign and leading blanks, nothing after it.
int number_or_zero(const std::string& text)
{
    std::size_t i = text.find_first_not_of(' ');
    if (i == std::string::npos)
        return 0;
    const bool negative = text[i] == '-';
    if (text[i] == '-' || text[i] == '+')
        ++i;
    if (i == text.size())
        return 0;
    int value = 0;
    for (; i < text.size(); ++i) {
        if (!is_digit(text[i]))
            return 0;
        value = value * 10 + (text[i] - '0');   // five characters cannot overflow
    }
    return negative ? -value : value;
}

} // namespace

int additional_theory_subjects()
{
    const std::string value = read_setting("", "ADDITIONAL THEORY", "Additional Theory Subjects", "0");
    return std::clamp(number_or_zero(value.substr(0, 5)), 0, max_additional_theory_subjects);
}

int theory_chapter_count()
{
    return own_theory_chapters + additional_theory_subjects();
}

} // namespace tutor::engine

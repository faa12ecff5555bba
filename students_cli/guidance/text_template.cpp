#include "students_cli/guidance/text_template.h"

namespace students_cli::guidance {

std::string filled_in(const std::string& text, const std::vector<std::string>& values)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool place = text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9';
        const std::size_t k = place ? static_cast<std::size_t>(text[i + 1] - '1') : 0;
        if (place && k < values.size()) {
            out += values[k];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace students_cli::guidance

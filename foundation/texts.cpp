#include "foundation/texts.h"

namespace foundation {

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

std::string section_lines(std::string_view section, int first_entry)
{
    std::string lines;
    const std::string name(section);
    const int count = text_handler ? text_handler->entry_count(name) : 0;
    for (int k = first_entry; k <= count; ++k)
        lines += text_handler->read_entry(name, k) + '\n';
    return lines;
}

} // namespace foundation

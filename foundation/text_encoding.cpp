#include "foundation/text_encoding.h"

#include "platform/core/file_name_text.h"

namespace foundation {

namespace {

constexpr std::string_view byte_order_mark = "\xEF\xBB\xBF";

bool is_continuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

} // namespace

std::string text_as_utf8(std::string_view bytes)
{
    if (!platform::is_utf8(bytes))
        return platform::utf8_from_windows_1252(bytes);
    if (bytes.substr(0, byte_order_mark.size()) == byte_order_mark)
        bytes.remove_prefix(byte_order_mark.size());
    return std::string(bytes);
}

std::size_t utf8_prefix_length(std::string_view text, std::size_t characters)
{
    std::size_t i = 0;
    for (std::size_t seen = 0; i < text.size(); ++i) {
        if (is_continuation(static_cast<unsigned char>(text[i])))
            continue;
        if (seen++ == characters)
            break;
    }
    return i;
}

} // namespace foundation

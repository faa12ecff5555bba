#include "foundation/text_encoding.h"

#include <array>
#include <cstdint>

namespace foundation {

namespace {

constexpr std::string_view byte_order_mark = "\xEF\xBB\xBF";

bool is_continuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// The well-formed sequences by their lead byte: the sequence's length and
// the range its second byte must lie in, which rules out overlong forms,
// surrogates and values above U+10FFFF. A byte in no row starts none.
struct sequence_rule {
    unsigned char lead_low, lead_high;
    int length;
    unsigned char second_low, second_high;
};

constexpr sequence_rule sequence_rules[] = {
    {0x00, 0x7F, 1, 0x00, 0xFF}, {0xC2, 0xDF, 2, 0x80, 0xBF}, {0xE0, 0xE0, 3, 0xA0, 0xBF},
    {0xE1, 0xEC, 3, 0x80, 0xBF}, {0xED, 0xED, 3, 0x80, 0x9F}, {0xEE, 0xEF, 3, 0x80, 0xBF},
    {0xF0, 0xF0, 4, 0x90, 0xBF}, {0xF1, 0xF3, 4, 0x80, 0xBF}, {0xF4, 0xF4, 4, 0x80, 0x8F}};

sequence_rule rule_for(unsigned char lead)
{
    for (const sequence_rule& rule : sequence_rules)
        if (lead >= rule.lead_low && lead <= rule.lead_high)
            return rule;
    return {lead, lead, 0, 0, 0};
}

// The code points of bytes 0x80 to 0x9F, where the code page differs from Latin-1.
constexpr std::array<std::uint16_t, 32> high_controls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void append_utf8(std::string& out, std::uint32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

} // namespace

bool is_valid_utf8(std::string_view bytes)
{
    std::size_t i = 0;
    while (i < bytes.size()) {
        const sequence_rule rule = rule_for(static_cast<unsigned char>(bytes[i]));
        if (rule.length == 0 || bytes.size() - i < static_cast<std::size_t>(rule.length))
            return false;
        if (rule.length > 1) {
            const auto second = static_cast<unsigned char>(bytes[i + 1]);
            if (second < rule.second_low || second > rule.second_high)
                return false;
            for (int k = 2; k < rule.length; ++k)
                if (!is_continuation(static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)])))
                    return false;
        }
        i += static_cast<std::size_t>(rule.length);
    }
    return true;
}

std::string windows_1252_to_utf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        append_utf8(out, byte >= 0x80 && byte < 0xA0 ? high_controls[byte - 0x80] : byte);
    }
    return out;
}

std::string text_as_utf8(std::string_view bytes)
{
    if (!is_valid_utf8(bytes))
        return windows_1252_to_utf8(bytes);
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

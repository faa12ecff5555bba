#include "platform/core/file_name_text.h"

#include <array>
#include <cstdint>

namespace platform {
namespace {

// Unicode of the Windows-1252 bytes 0x80 to 0x9F.
constexpr std::array<char32_t, 32> high_controls{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t unicode_of(unsigned char byte)
{
    return byte >= 0x80 && byte <= 0x9F ? high_controls[byte - 0x80] : byte;
}

void append_utf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

char32_t decode(std::string_view text, std::size_t i, std::size_t length)
{
    const auto byte = [&](std::size_t k) { return static_cast<char32_t>(static_cast<unsigned char>(text[i + k])); };
    if (length == 1)
        return byte(0);
    char32_t c = byte(0) & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k)
        c = c << 6 | (byte(k) & 0x3F);
    return c;
}

std::optional<unsigned char> byte_of(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<unsigned char>(c);
    for (std::size_t k = 0; k < high_controls.size(); ++k)
        if (high_controls[k] == c)
            return static_cast<unsigned char>(0x80 + k);
    return std::nullopt;
}

} // namespace

std::size_t utf8_sequence_length(std::string_view text, std::size_t i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[i + k]); };
    const unsigned char c = byte(0);
    const std::size_t length = c < 0x80 ? 1 : (c >= 0xC2 && c <= 0xDF) ? 2 : (c >= 0xE0 && c <= 0xEF) ? 3
        : (c >= 0xF0 && c <= 0xF4) ? 4 : 0;
    if (length == 0 || i + length > text.size())
        return 0;
    for (std::size_t k = 1; k < length; ++k)
        if ((byte(k) & 0xC0) != 0x80)
            return 0;
    // No overlong forms, no surrogates, nothing beyond U+10FFFF.
    if ((c == 0xE0 && byte(1) < 0xA0) || (c == 0xED && byte(1) >= 0xA0) || (c == 0xF0 && byte(1) < 0x90)
        || (c == 0xF4 && byte(1) >= 0x90))
        return 0;
    return length;
}

bool is_utf8(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = utf8_sequence_length(text, i);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

std::string utf8_from_windows_1252(std::string_view bytes)
{
    std::string out;
    for (const char b : bytes)
        append_utf8(out, unicode_of(static_cast<unsigned char>(b)));
    return out;
}

std::optional<std::string> windows_1252_from_utf8(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = utf8_sequence_length(text, i);
        if (length == 0)
            return std::nullopt;
        const auto byte = byte_of(decode(text, i, length));
        if (!byte)
            return std::nullopt;
        out += static_cast<char>(*byte);
        i += length;
    }
    return out;
}

std::string windows_1252_upper(std::string bytes)
{
    for (char& b : bytes) {
        const auto c = static_cast<unsigned char>(b);
        if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7))
            b = static_cast<char>(c - 0x20);
        else if (c == 0x9A || c == 0x9C || c == 0x9E)
            b = static_cast<char>(c - 0x10);
        else if (c == 0xFF)
            b = static_cast<char>(0x9F);
    }
    return bytes;
}

std::string readable_file_name(std::string_view name)
{
    return is_utf8(name) ? std::string(name) : utf8_from_windows_1252(name);
}

} // namespace platform

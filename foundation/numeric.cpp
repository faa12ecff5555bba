#include "foundation/numeric.h"

#include "foundation/messages.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace foundation {

int min_of(int a, int b) { return a < b ? a : b; }
int max_of(int a, int b) { return a > b ? a : b; }

long double clamp(long double low, long double x, long double high)
{
    if (x < low)
        return low;
    if (x > high)
        return high;
    return x;
}

bool is_digit(char c) { return c >= '0' && c <= '9'; }

bool is_letter(char c)
{
    const char u = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    return u >= 'A' && u <= 'Z';
}

void copy_to_chars(char* buffer, const std::string& text, std::size_t size)
{
    if (size == 0)
        return;
    const std::size_t n = std::min(text.size(), size - 1);
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
}

void remove_spaces(std::string& text)
{
    text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
}

std::string zero_padded(long n, int width)
{
    std::string digits = std::to_string(n);
    if (static_cast<int>(digits.size()) < width)
        digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
    return digits;
}

int increment(int& n) { return ++n; }

void swap_bytes(void* a, void* b, std::size_t n)
{
    auto* pa = static_cast<unsigned char*>(a);
    auto* pb = static_cast<unsigned char*>(b);
    for (std::size_t i = 0; i < n; ++i)
        std::swap(pa[i], pb[i]);
}

void swap_extended(long double& a, long double& b) { std::swap(a, b); }

void allocate_filled(memory_block& block, std::size_t size, std::uint8_t byte)
{
    if (size > max_block_size)
        throw std::length_error("memory block larger than 65535 bytes");
    block.reset();
    if (size == 0)
        return;
    block.reset(new (std::nothrow) std::uint8_t[size]);
    if (!block)
        stop_out_of_memory();
    std::memset(block.get(), byte, size);
}

void allocate_zeroed(memory_block& block, std::size_t size) { allocate_filled(block, size, 0); }

void release(memory_block& block) { block.reset(); }

} // namespace foundation

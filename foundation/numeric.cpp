#include "foundation/numeric.h"

#include "foundation/messages.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

bool is_digit(char c) { return c >= '0' && c <= '9'; }

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

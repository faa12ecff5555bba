#pragma once
// Small numeric, text and memory helpers shared by the geometry and tutor code.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace foundation {

int min_of(int a, int b);
int max_of(int a, int b);
long double clamp(long double low, long double x, long double high);
bool is_digit(char c);
bool is_letter(char c);
// Copies into a zero-terminated buffer of `size` bytes, cut to size - 1 characters.
void copy_to_chars(char* buffer, const std::string& text, std::size_t size);
void remove_spaces(std::string& text);
std::string zero_padded(long n, int width);
int increment(int& n);
void swap_bytes(void* a, void* b, std::size_t n);
void swap_extended(long double& a, long double& b);

// A zero-filled or byte-filled block of at most 65535 bytes.
using memory_block = std::unique_ptr<std::uint8_t[]>;
inline constexpr std::size_t max_block_size = 65535;
void allocate_zeroed(memory_block& block, std::size_t size);
void allocate_filled(memory_block& block, std::size_t size, std::uint8_t byte);
void release(memory_block& block);

} // namespace foundation

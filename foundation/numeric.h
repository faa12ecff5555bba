#pragma once
// Small numeric, text and memory helpers shared by the geometry and tutor code.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

bool is_digit(char c);
// Copies into a zero-terminated buffer of `size` bytes, cut to size - 1 characters.
void copy_to_chars(char* buffer, const std::string& text, std::size_t size);
void remove_spaces(std::string& text);

// A zero-filled or byte-filled block of at most 65535 bytes.
using memory_block = std::unique_ptr<std::uint8_t[]>;
inline constexpr std::size_t max_block_size = 65535;
void allocate_zeroed(memory_block& block, std::size_t size);
void allocate_filled(memory_block& block, std::size_t size, std::uint8_t byte);

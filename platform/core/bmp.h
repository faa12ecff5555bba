#pragma once
// Reading the program's own BMP pictures: a 14-byte file header, an info
// header of at least 16 bytes, the colour table and uncompressed rows of 1,
// 4, 8, 24 or 32 bits per pixel. Every offset is checked against the bytes,
// so a damaged file is refused, never read past.

#include "platform/core/bitmap.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace platform {

inline constexpr std::size_t bmp_file_header_size = 14;

struct bmp_layout {
    std::size_t header = bmp_file_header_size;   // offset of the info header
    std::uint32_t header_size = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;   // negative: rows run from the top
    int bits_per_pixel = 0;
    std::uint32_t colours_used = 0;   // 0 when the header has no such field
    // The colours-used field when the header holds it and it is not 0, else
    // 2 to the power of the bits per pixel up to 8 bits, else 0.
    int colours = 0;
    std::size_t colour_table = 0;   // offset of the colour table
    std::size_t bits = 0;           // offset of the rows: right after the colour table
};

std::optional<bmp_layout> read_bmp_layout(std::span<const std::uint8_t> file);

// The colour table's entries (blue, green, red, unused quads).
std::vector<colour_ref> bmp_colour_table(std::span<const std::uint8_t> file, const bmp_layout& layout);

// The picture, top row first; nothing when the rows or an index do not fit.
std::optional<bitmap> decode_bmp(std::span<const std::uint8_t> file, const bmp_layout& layout);

} // namespace platform

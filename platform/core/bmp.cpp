#include "platform/core/bmp.h"

#include <cstdlib>

namespace platform {
namespace {

constexpr std::int32_t largest_side = 16384;

std::uint32_t u32_at(std::span<const std::uint8_t> b, std::size_t at)
{
    return std::uint32_t{b[at]} | std::uint32_t{b[at + 1]} << 8 | std::uint32_t{b[at + 2]} << 16 |
           std::uint32_t{b[at + 3]} << 24;
}

std::uint16_t u16_at(std::span<const std::uint8_t> b, std::size_t at)
{
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

bool supported_depth(int bits)
{
    return bits == 1 || bits == 4 || bits == 8 || bits == 24 || bits == 32;
}

std::size_t row_stride(const bmp_layout& layout)
{
    const std::size_t bits = static_cast<std::size_t>(layout.width) * static_cast<std::size_t>(layout.bits_per_pixel);
    return (bits + 31) / 32 * 4;
}

// The value of pixel x of a row: a colour-table index, or the colour itself.
std::uint32_t pixel_value(std::span<const std::uint8_t> row, int x, int bits)
{
    const auto ux = static_cast<std::size_t>(x);
    switch (bits) {
    case 1:
        return row[ux / 8] >> (7 - ux % 8) & 1;
    case 4:
        return ux % 2 == 0 ? row[ux / 2] >> 4 : row[ux / 2] & 0x0F;
    case 8:
        return row[ux];
    default: {
        const std::size_t at = ux * static_cast<std::size_t>(bits / 8);
        return rgb(row[at + 2], row[at + 1], row[at]);
    }
    }
}

} // namespace

std::optional<bmp_layout> read_bmp_layout(std::span<const std::uint8_t> file)
{
    bmp_layout layout;
    if (file.size() < bmp_file_header_size + 16 || file[0] != 'B' || file[1] != 'M')
        return std::nullopt;
    layout.header_size = u32_at(file, layout.header);
    if (layout.header_size < 16 || layout.header_size > file.size() - layout.header)
        return std::nullopt;
    layout.width = static_cast<std::int32_t>(u32_at(file, layout.header + 4));
    layout.height = static_cast<std::int32_t>(u32_at(file, layout.header + 8));
    layout.bits_per_pixel = u16_at(file, layout.header + 14);
    const std::uint32_t compression = layout.header_size >= 20 ? u32_at(file, layout.header + 16) : 0;
    layout.colours_used = layout.header_size >= 36 ? u32_at(file, layout.header + 32) : 0;
    if (compression != 0 || !supported_depth(layout.bits_per_pixel) || layout.width <= 0 ||
        layout.width > largest_side || layout.height == 0 || std::abs(layout.height) > largest_side)
        return std::nullopt;
    if (layout.colours_used > 256)
        return std::nullopt;
    if (layout.colours_used != 0)
        layout.colours = static_cast<int>(layout.colours_used);
    else if (layout.bits_per_pixel <= 8)
        layout.colours = 1 << layout.bits_per_pixel;
    layout.colour_table = layout.header + layout.header_size;
    layout.bits = layout.colour_table + 4 * static_cast<std::size_t>(layout.colours);
    if (layout.bits > file.size())
        return std::nullopt;
    return layout;
}

std::vector<colour_ref> bmp_colour_table(std::span<const std::uint8_t> file, const bmp_layout& layout)
{
    std::vector<colour_ref> table;
    for (int i = 0; i < layout.colours; ++i) {
        const std::size_t at = layout.colour_table + 4 * static_cast<std::size_t>(i);
        if (at + 4 > file.size())
            break;
        table.push_back(rgb(file[at + 2], file[at + 1], file[at]));
    }
    return table;
}

std::optional<bitmap> decode_bmp(std::span<const std::uint8_t> file, const bmp_layout& layout)
{
    const int rows = std::abs(layout.height);
    const std::size_t stride = row_stride(layout);
    if (layout.bits > file.size() || stride * static_cast<std::size_t>(rows) > file.size() - layout.bits)
        return std::nullopt;
    const std::vector<colour_ref> table = bmp_colour_table(file, layout);
    const bool indexed = layout.bits_per_pixel <= 8;
    bitmap picture = bitmap::filled(layout.width, rows, black);
    for (int r = 0; r < rows; ++r) {
        const auto row = file.subspan(layout.bits + static_cast<std::size_t>(r) * stride, stride);
        const int y = layout.height > 0 ? rows - 1 - r : r;   // bottom-up unless the height is negative
        for (int x = 0; x < layout.width; ++x) {
            const std::uint32_t value = pixel_value(row, x, layout.bits_per_pixel);
            if (indexed && value >= table.size())
                return std::nullopt;
            picture.set(x, y, indexed ? table[value] : value);
        }
    }
    return picture;
}

} // namespace platform

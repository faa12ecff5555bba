#include "platform/core/bmp.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

// A 3 x 2 picture of 4 bits per pixel: top row black, white, red; bottom row red, red, black.
std::vector<std::uint8_t> small_bmp(std::uint32_t colours_used)
{
    std::vector<std::uint8_t> b{'B', 'M'};
    // File header, info header's size, extent, planes and bits, compression ... colours used, important.
    for (const std::uint32_t v : {0u, 0u, 0u, 40u, 3u, 2u, 1u | 4u << 16, 0u, 0u, 0u, 0u, colours_used, 0u})
        for (int i = 0; i < 4; ++i)
            b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    const std::uint8_t table[][4] = {{0, 0, 0, 0}, {255, 255, 255, 0}, {0, 0, 255, 0}};
    for (std::uint32_t i = 0; i < (colours_used ? colours_used : 16); ++i)
        b.insert(b.end(), i < 3 ? table[i] : table[0], (i < 3 ? table[i] : table[0]) + 4);
    for (const std::uint8_t byte : {0x22, 0x00, 0, 0, 0x01, 0x20, 0, 0})   // rows bottom-up, each padded to 4 bytes
        b.push_back(byte);
    return b;
}

} // namespace

TEST(Bmp, ColourCountRuleAndPixelsOfASixteenColourPicture)
{
    const auto file = small_bmp(0);
    const auto layout = platform::read_bmp_layout(file);
    ASSERT_TRUE(layout);
    EXPECT_EQ(std::tuple(layout->colours, layout->width, layout->bits), std::tuple(16, 3, 14u + 40u + 64u))
        << "no colours-used value: 2 to the power of 4";
    const auto picture = platform::decode_bmp(file, *layout);
    ASSERT_TRUE(picture);
    constexpr platform::colour_ref red = platform::rgb(255, 0, 0);
    EXPECT_EQ(picture->pixels, (std::vector<platform::colour_ref>{platform::black, platform::white, red, red, red, platform::black}));
}

TEST(Bmp, DamagedFilesAreRefusedWithoutReadingPastTheBytes)
{
    const auto file = small_bmp(0);
    for (std::size_t size = 0; size < file.size(); ++size) {
        const std::vector<std::uint8_t> cut(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(size));
        const auto layout = platform::read_bmp_layout(cut);
        EXPECT_TRUE(!layout || !platform::decode_bmp(cut, *layout)) << "cut to " << size;
    }
    const auto wrong_index = small_bmp(2);   // pixels use index 2 of a two-colour table
    ASSERT_TRUE(platform::read_bmp_layout(wrong_index));
    EXPECT_FALSE(platform::decode_bmp(wrong_index, *platform::read_bmp_layout(wrong_index)));
    for (const auto& [at, value] : {std::pair{14 + 16, 2}, {14 + 3, 0x7F}}) {   // compressed; a huge header
        auto damaged = small_bmp(0);
        damaged[static_cast<std::size_t>(at)] = static_cast<std::uint8_t>(value);
        EXPECT_FALSE(platform::read_bmp_layout(damaged)) << at;
    }
}

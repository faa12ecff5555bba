#include "platform/core/bmp.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

void put32(std::vector<std::uint8_t>& b, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void put16(std::vector<std::uint8_t>& b, std::uint16_t v)
{
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}

// A 3 x 2 picture of 4 bits per pixel: top row black, white, red; bottom row red, red, black.
std::vector<std::uint8_t> small_bmp(std::uint32_t colours_used)
{
    std::vector<std::uint8_t> b{'B', 'M'};
    for (const std::uint32_t v : {0u, 0u, 0u, 40u, 3u, 2u})   // file header, then the info header's size and extent
        put32(b, v);
    put16(b, 1);   // planes
    put16(b, 4);   // bits per pixel
    for (const std::uint32_t v : {0u, 0u, 0u, 0u, colours_used, 0u})
        put32(b, v);
    const std::uint8_t table[][4] = {{0, 0, 0, 0}, {255, 255, 255, 0}, {0, 0, 255, 0}};
    const std::uint32_t entries = colours_used ? colours_used : 16;
    for (std::uint32_t i = 0; i < entries; ++i)
        for (int k = 0; k < 4; ++k)
            b.push_back(i < 3 ? table[i][k] : 0);
    // Rows bottom-up, each padded to 4 bytes.
    for (const std::uint8_t row : {std::uint8_t{0x22}, std::uint8_t{0x01}}) {
        b.push_back(row);
        b.push_back(row == 0x22 ? 0x00 : 0x20);
        b.push_back(0);
        b.push_back(0);
    }
    return b;
}

} // namespace

TEST(Bmp, ColourCountRuleAndPixelsOfASixteenColourPicture)
{
    const auto file = small_bmp(0);
    const auto layout = platform::read_bmp_layout(file);
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->colours, 16) << "no colours-used value: 2 to the power of 4";
    EXPECT_EQ(layout->width, 3);
    EXPECT_EQ(layout->bits, 14u + 40u + 64u);
    const auto picture = platform::decode_bmp(file, *layout);
    ASSERT_TRUE(picture);
    constexpr platform::colour_ref red = platform::rgb(255, 0, 0);
    EXPECT_EQ(picture->pixels, (std::vector<platform::colour_ref>{platform::black, platform::white, red, red, red,
                                                                   platform::black}));

    const auto three = small_bmp(3);
    const auto layout3 = platform::read_bmp_layout(three);
    ASSERT_TRUE(layout3);
    EXPECT_EQ(layout3->colours, 3) << "the colours-used value when it is not 0";
    EXPECT_EQ(platform::bmp_colour_table(three, *layout3).size(), 3u);
    ASSERT_TRUE(platform::decode_bmp(three, *layout3));
}

TEST(Bmp, DamagedFilesAreRefusedWithoutReadingPastTheBytes)
{
    const auto file = small_bmp(0);
    for (std::size_t size = 0; size < file.size(); ++size) {
        const std::vector<std::uint8_t> cut(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(size));
        const auto layout = platform::read_bmp_layout(cut);
        if (layout) {
            EXPECT_FALSE(platform::decode_bmp(cut, *layout)) << "cut to " << size;
        }
    }
    auto wrong_index = small_bmp(2);   // pixels use index 2 of a two-colour table
    ASSERT_TRUE(platform::read_bmp_layout(wrong_index));
    EXPECT_FALSE(platform::decode_bmp(wrong_index, *platform::read_bmp_layout(wrong_index)));
    auto compressed = small_bmp(0);
    compressed[14 + 16] = 2;
    EXPECT_FALSE(platform::read_bmp_layout(compressed));
    auto huge_header = small_bmp(0);
    huge_header[14 + 3] = 0x7F;
    EXPECT_FALSE(platform::read_bmp_layout(huge_header));
}
